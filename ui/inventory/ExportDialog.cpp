#include "ui/inventory/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/common/FileChooser.h"
#include "ui/common/HelpPage.h"
#include "ui/inventory/DelimiterGroup.h"

CExportDialog::CExportDialog(CMessageSink& messages, CFileChooser& files, QWidget* parent,
                             const QString& folder)
    : QDialog(parent), m_messages(messages), m_files(files),
      m_delimiters(new CDelimiterGroup(tr("Field Delimiters"), this)),
      m_names(new QCheckBox(tr("Include Field Names"), this)),
      m_quoted(new QCheckBox(CDelimiterGroup::QuotedBoxText(), this)),
      m_encoding(CDelimiterGroup::MakeEncodingBox(TextEncoding::Windows1252, this)),
      m_folder(folder) {
    setWindowTitle(tr("Export Inventory"));
    help::SetHelpPage(this, QStringLiteral("export.html#export"));
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
    auto* encoding = new QFormLayout;
    encoding->addRow(tr("&Encoding:"), m_encoding);
    layout->addLayout(encoding);
    layout->addWidget(buttons);
}

bool CExportDialog::IncludeFieldNames() const {
    return m_names->isChecked();
}

bool CExportDialog::Quoted() const {
    return m_quoted->isChecked();
}

TextEncoding CExportDialog::Encoding() const {
    return CDelimiterGroup::EncodingOf(m_encoding);
}

void CExportDialog::accept() {
    const std::optional<std::string> delimiter = m_delimiters->Delimiter(this, m_messages);
    if (!delimiter)
        return;
    if (Quoted() && !CDelimiterGroup::QuotedDelimiterAllowed(this, *delimiter, m_messages))
        return;
    const std::optional<QString> path = m_files.ChooseFileToSaveTitled(
        this, tr("Save As Gaugewright Inventory Export File"), CDelimiterGroup::TextFileFilters(),
        QStringLiteral("txt"), m_folder);
    if (!path)
        return;
    m_delimiter = *delimiter;
    m_path = *path;
    QDialog::accept();
}
