#include "ui/inventory/ImportPreviewDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/core/DelimitedText.h"
#include "ui/common/HelpPage.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/inventory/DelimiterGroup.h"

CImportPreviewDialog::CImportPreviewDialog(const CImportPreview& preview,
                                           const QStringList& headings, QWidget* parent,
                                           Reader reread, TextEncoding encoding)
    : QDialog(parent), m_headings(headings), m_reread(std::move(reread)),
      m_summary(new QLabel(this)), m_table(new QTableWidget(this)),
      m_legend(new QLabel(tr("Marked records end before every field was read: the "
                             "fields shown as \"%1\" stay empty.")
                              .arg(NotReadText()),
                          this)),
      m_encoding(CDelimiterGroup::MakeEncodingBox(encoding, this)) {
    setWindowTitle(tr("Import Preview"));
    help::SetHelpPage(this, QStringLiteral("import.html#preview"));
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("records"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_legend->setObjectName(QStringLiteral("legend"));
    m_legend->setWordWrap(true);
    m_encoding->setEnabled(static_cast<bool>(m_reread));

    auto* buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("import"));
    m_import->setDefault(true);
    buttons->addButton(tr("Back"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("back"));
    help::AddHelpButton(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_encoding, &QComboBox::currentIndexChanged, this, [this] {
        if (m_reread)
            Show(m_reread(Encoding()));
    });

    auto* choice = new QFormLayout;
    choice->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    choice->addRow(tr("&Encoding of the file:"), m_encoding);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(m_legend);
    layout->addWidget(buttons);
    Show(preview);
    resize(720, 420);
}

TextEncoding CImportPreviewDialog::Encoding() const {
    return CDelimiterGroup::EncodingOf(m_encoding);
}

void CImportPreviewDialog::Show(const CImportPreview& preview) {
    const bool importable = preview.outcome == ImportOutcome::Imported;
    m_import->setEnabled(importable);
    m_summary->setText(importable ? SummaryText(preview.recordCount, preview.records.size())
                                  : UserMessage(preview.text));
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(m_headings.size()));
    m_table->setHorizontalHeaderLabels(m_headings);
    m_table->setRowCount(static_cast<int>(preview.records.size()));

    const QIcon cutShort = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    bool anyCutShort = false;
    for (std::size_t row = 0; row < preview.records.size(); ++row) {
        const CRecordValues& record = preview.records[row];
        const int line = static_cast<int>(row);
        auto* header = new QTableWidgetItem(QString::number(row + 1));
        if (record.cutShort) {
            anyCutShort = true;
            header->setIcon(cutShort);
            header->setToolTip(tr("This record ends before every field was read."));
        }
        m_table->setVerticalHeaderItem(line, header);
        for (int column = 0; column < m_headings.size(); ++column) {
            const auto position = static_cast<std::size_t>(column);
            auto* cell = new QTableWidgetItem;
            if (position < record.values.size()) {
                cell->setText(text::FromBytes(record.values[position]));
            } else {
                cell->setText(NotReadText());
                QFont font = cell->font();
                font.setItalic(true);
                cell->setFont(font);
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            }
            m_table->setItem(line, column, cell);
        }
    }
    m_table->resizeColumnsToContents();
    m_legend->setVisible(anyCutShort);
}

QString CImportPreviewDialog::SummaryText(std::size_t count, std::size_t shown) {
    const QString items = count == 1 ? tr("1 item") : tr("%1 items").arg(count);
    if (shown == count)
        return tr("The import will add %1, read as shown:").arg(items);
    return tr("The import will add %1. The first %2 records, read as shown:").arg(items).arg(shown);
}
