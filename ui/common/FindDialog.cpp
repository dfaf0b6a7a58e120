#include "ui/common/FindDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/TypedText.h"

CFindDialog::CFindDialog(std::vector<std::string>& history, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_history(history), m_messages(messages) {
    setWindowTitle(tr("Find"));
    help::SetHelpPage(this, QStringLiteral("inventory-editing.html#find"));

    auto* label = new QLabel(tr("Find what: "), this);
    m_text = new QComboBox(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setEditable(true);
    // The list shows the history as it is; what is typed does not join it until a search.
    m_text->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is what is searched for: no completion from the history.
    m_text->setCompleter(nullptr);
    m_text->setMinimumContentsLength(30);
    m_text->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label->setBuddy(m_text);
    m_matchCase = new QCheckBox(tr("Match Case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));

    m_findFirst = new QPushButton(tr("Find First"), this);
    m_findFirst->setObjectName(QStringLiteral("findFirst"));
    m_findFirst->setDefault(true);
    m_findNext = new QPushButton(tr("Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("findNext"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(m_findFirst, QDialogButtonBox::ActionRole);
    buttons->addButton(m_findNext, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(m_matchCase, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->addWidget(buttons, 0, 2, 3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The newest text at the top.
    for (auto entry = m_history.rbegin(); entry != m_history.rend(); ++entry)
        m_text->addItem(text::FromBytes(*entry));
    m_text->setCurrentIndex(m_text->count() > 0 ? 0 : -1);
    m_text->lineEdit()->selectAll();
    m_matchCase->setChecked(false);
    UpdateButtons();

    connect(m_text, &QComboBox::editTextChanged, this, &CFindDialog::UpdateButtons);
    connect(m_text, &QComboBox::activated, this, &CFindDialog::UpdateButtons);
    connect(m_findFirst, &QPushButton::clicked, this, [this] { Close(false); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { Close(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindDialog::reject);
    m_text->setFocus();
}

std::optional<CFindRequest> CFindDialog::Run(QWidget* parent, std::vector<std::string>& history,
                                             CMessageSink& messages) {
    CFindDialog dialog(history, messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetRequest();
}

bool CFindDialog::Contains(const QString& text, const QString& what, bool matchCase) {
    return text.contains(what, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void CFindDialog::UpdateButtons() {
    // Searching for nothing would match every line: the buttons wait for a text.
    const bool enabled = !m_text->currentText().isEmpty();
    m_findFirst->setEnabled(enabled);
    m_findNext->setEnabled(enabled);
}

void CFindDialog::Close(bool findNext) {
    const QString typed = m_text->currentText();
    if (typed.isEmpty())
        return;
    const std::optional<std::string> bytes =
        typedtext::BytesOrRefuse(this, typed, tr("search text"), m_messages);
    if (!bytes)
        return;
    m_request = {*bytes, m_matchCase->isChecked(), findNext};
    const auto earlier = std::find(m_history.begin(), m_history.end(), *bytes);
    if (earlier != m_history.end())
        m_history.erase(earlier);
    m_history.push_back(*bytes);
    accept();
}
