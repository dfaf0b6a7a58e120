#include "ui/inventory/ExportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "ui/common/FileChooser.h"
#include "ui/inventory/DelimiterGroup.h"

CExportDialog::CExportDialog(CMessageSink& messages, CFileChooser& files, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_files(files),
      m_delimiters(new CDelimiterGroup(QStringLiteral("Field Delimiters"), this)),
      m_names(new QCheckBox(QStringLiteral("Include Field Names"), this)),
      m_quoted(new QCheckBox(CDelimiterGroup::QuotedBoxText(), this)) {
    setWindowTitle(QStringLiteral("Export Inventory"));
    m_names->setObjectName(QStringLiteral("names"));
    m_names->setChecked(true);
    m_quoted->setObjectName(QStringLiteral("quoted"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CExportDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_delimiters);
    layout->addWidget(m_names);
    layout->addWidget(m_quoted);
    layout->addWidget(buttons);
}

bool CExportDialog::IncludeFieldNames() const {
    return m_names->isChecked();
}

bool CExportDialog::Quoted() const {
    return m_quoted->isChecked();
}

void CExportDialog::accept() {
    const std::optional<std::string> delimiter = m_delimiters->Delimiter(this, m_messages);
    if (!delimiter)
        return;
    if (Quoted() && !CDelimiterGroup::QuotedDelimiterAllowed(this, *delimiter, m_messages))
        return;
    const std::optional<QString> path = m_files.ChooseFileToSaveTitled(
        this, QStringLiteral("Save As Gaugewright Inventory Export File"),
        CDelimiterGroup::TextFileFilters(), QStringLiteral("txt"));
    if (!path)
        return;
    m_delimiter = *delimiter;
    m_path = *path;
    QDialog::accept();
}
