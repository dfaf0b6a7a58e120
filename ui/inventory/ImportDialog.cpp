#include "ui/inventory/ImportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/DelimitedText.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/inventory/DelimiterGroup.h"

namespace {

QListWidget* MakeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    return list;
}

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void SelectFirst(QListWidget* list) {
    list->setCurrentRow(list->count() > 0 ? 0 : -1);
}

} // namespace

CImportDialog::CImportDialog(const Headings& headings, CMessageSink& messages, CFileChooser& files,
                             QWidget* parent, const QString& folder)
    : QDialog(parent), m_messages(messages), m_files(files), m_folder(folder),
      m_available(MakeList(QStringLiteral("available"), this)),
      m_selected(MakeList(QStringLiteral("selected"), this)),
      m_add(MakeButton(tr("Add -->"), QStringLiteral("add"), this)),
      m_addAll(MakeButton(tr("Add All -->"), QStringLiteral("addAll"), this)),
      m_remove(MakeButton(tr("<-- Remove"), QStringLiteral("remove"), this)),
      m_removeAll(MakeButton(tr("<-- Remove All"), QStringLiteral("removeAll"), this)),
      m_moveUp(MakeButton(tr("Move Up"), QStringLiteral("moveUp"), this)),
      m_moveDown(MakeButton(tr("Move Down"), QStringLiteral("moveDown"), this)),
      m_delimiters(new CDelimiterGroup(tr("Field Separators"), this)),
      m_names(new QCheckBox(tr("First record contains Field Names"), this)),
      m_quoted(new QCheckBox(CDelimiterGroup::QuotedBoxText(), this)) {
    setWindowTitle(tr("Import Inventory"));
    help::SetHelpPage(this, QStringLiteral("import.html#import"));
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        auto* entry = new QListWidgetItem(
            text::FromBytes(headings[static_cast<std::size_t>(attribute)]), m_available);
        entry->setData(Qt::UserRole, attribute);
    }
    m_names->setObjectName(QStringLiteral("names"));
    m_names->setChecked(true);
    m_quoted->setObjectName(QStringLiteral("quoted"));

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {m_add, m_addAll, m_remove, m_removeAll, m_moveUp, m_moveDown})
        moves->addWidget(button);
    moves->addStretch();
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(tr("Available Inventory Fields"), this), 0, 0);
    lists->addWidget(new QLabel(tr("Selected Field Order of Import File"), this), 0, 2);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(m_selected, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImportDialog::reject);
    auto* options = new QVBoxLayout;
    options->addWidget(m_names);
    options->addWidget(m_quoted);
    options->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_delimiters);
    bottom->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(bottom);
    layout->addWidget(buttons);

    connect(m_add, &QPushButton::clicked, this, &CImportDialog::Add);
    connect(m_addAll, &QPushButton::clicked, this, &CImportDialog::AddAll);
    connect(m_remove, &QPushButton::clicked, this, &CImportDialog::Remove);
    connect(m_removeAll, &QPushButton::clicked, this, &CImportDialog::RemoveAll);
    connect(m_moveUp, &QPushButton::clicked, this, &CImportDialog::MoveUp);
    connect(m_moveDown, &QPushButton::clicked, this, &CImportDialog::MoveDown);
    for (QListWidget* list : {m_available, m_selected})
        connect(list, &QListWidget::currentRowChanged, this, &CImportDialog::UpdateButtons);
    // Both lists show all fourteen fields without scrolling.
    const int rows = m_available->sizeHintForRow(0) * kAttributeCount;
    for (QListWidget* list : {m_available, m_selected})
        list->setMinimumHeight(rows + 2 * list->frameWidth());
    SelectFirst(m_available);
    UpdateButtons();
}

void CImportDialog::MoveAcross(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0)
        return;
    to->addItem(from->takeItem(row));
    SelectFirst(m_available);
    SelectFirst(m_selected);
    UpdateButtons();
}

void CImportDialog::Add() {
    MoveAcross(m_available, m_selected);
}

void CImportDialog::AddAll() {
    while (m_available->count() > 0) {
        m_available->setCurrentRow(0);
        Add();
    }
}

void CImportDialog::Remove() {
    MoveAcross(m_selected, m_available);
}

void CImportDialog::RemoveAll() {
    while (m_selected->count() > 0) {
        m_selected->setCurrentRow(0);
        Remove();
    }
}

void CImportDialog::Exchange(int offset) {
    const int row = m_selected->currentRow();
    const int other = row + offset;
    if (row < 0 || other < 0 || other >= m_selected->count())
        return;
    m_selected->insertItem(other, m_selected->takeItem(row));
    m_selected->setCurrentRow(other);
    UpdateButtons();
}

void CImportDialog::MoveUp() {
    Exchange(-1);
}

void CImportDialog::MoveDown() {
    Exchange(1);
}

void CImportDialog::UpdateButtons() {
    const int available = m_available->count();
    const int selected = m_selected->count();
    const int row = m_selected->currentRow();
    m_add->setEnabled(available > 0);
    m_addAll->setEnabled(available >= 2);
    m_remove->setEnabled(selected > 0);
    m_ok->setEnabled(selected > 0);
    m_removeAll->setEnabled(selected >= 2);
    m_moveUp->setEnabled(selected >= 2 && row > 0);
    m_moveDown->setEnabled(selected >= 2 && row >= 0 && row < selected - 1);
}

void CImportDialog::accept() {
    const std::optional<std::string> delimiter = m_delimiters->Delimiter(this, m_messages);
    if (!delimiter)
        return;
    if (delimiter->empty()) {
        m_messages.Show(this, {UserMessage(CUserText::Make(delimitedtext::kNoDelimiter)),
                               captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
        m_delimiters->Tab()->setFocus();
        return;
    }
    const bool quoted = m_quoted->isChecked();
    if (quoted && !CDelimiterGroup::QuotedDelimiterAllowed(this, *delimiter, m_messages))
        return;
    const std::optional<QString> path = m_files.ChooseFileToOpenTitled(
        this, tr("Please choose a Gaugewright Inventory Import File"),
        CDelimiterGroup::TextFileFilters(), QStringLiteral("txt"), m_folder);
    if (!path)
        return;
    CImportRequest request;
    request.path = *path;
    request.delimiter = *delimiter;
    request.firstRecordHoldsNames = m_names->isChecked();
    request.quoted = quoted;
    for (int row = 0; row < m_selected->count(); ++row)
        request.fieldOrder.push_back(m_selected->item(row)->data(Qt::UserRole).toInt());
    if (m_preview && !m_preview(this, request))
        return;
    m_request = std::move(request);
    QDialog::accept();
}
