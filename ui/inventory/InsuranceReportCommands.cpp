#include "ui/inventory/InsuranceReportCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>

#include "model/core/SidingWardDoc.h"
#include "model/framework/Clock.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/PrintToFile.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/InventoryViewSettings.h"

CInsuranceReportDialog::CInsuranceReportDialog(QWidget* parent,
                                               const inventoryreport::Headings& headings,
                                               const CInsuranceOptions& options)
    : QDialog(parent), m_owner(new QLineEdit(options.owner, this)),
      m_address(new QPlainTextEdit(options.address, this)),
      m_policy(new QLineEdit(options.policy, this)), m_groupBy(new QComboBox(this)),
      m_pictures(new QCheckBox(tr("Include &pictures"), this)),
      m_comments(new QCheckBox(tr("Include &comments"), this)) {
    setWindowTitle(tr("Insurance Report"));
    help::SetHelpPage(this, QStringLiteral("insurance-report.html#insurance-report"));
    for (const std::string& heading : headings)
        m_groupBy->addItem(text::FromBytes(heading));
    m_groupBy->setCurrentIndex(options.groupBy);
    m_pictures->setChecked(options.pictures);
    m_comments->setChecked(options.comments);
    m_address->setTabChangesFocus(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * 4 +
                              2 * m_address->frameWidth() + 8);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    help::AddHelpButton(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Owner's &name:"), m_owner);
    form->addRow(tr("&Address:"), m_address);
    form->addRow(tr("P&olicy number:"), m_policy);
    form->addRow(tr("&Group by:"), m_groupBy);
    form->addRow(m_pictures);
    form->addRow(m_comments);
    form->addRow(buttons);
}

CInsuranceOptions CInsuranceReportDialog::Options() const {
    CInsuranceOptions options;
    options.owner = m_owner->text().trimmed();
    options.address = m_address->toPlainText().trimmed();
    options.policy = m_policy->text().trimmed();
    options.groupBy = m_groupBy->currentIndex();
    options.pictures = m_pictures->isChecked();
    options.comments = m_comments->isChecked();
    return options;
}

CInsuranceReportCommands::CInsuranceReportCommands(CMessageSink& messages, CFileChooser& files,
                                                   const CClock& clock,
                                                   CInventoryViewSettings& settings,
                                                   CThumbnailStore thumbnails)
    : m_messages(messages), m_files(files), m_clock(clock), m_settings(settings),
      m_thumbnails(std::move(thumbnails)) {}

void CInsuranceReportCommands::Run(QWidget* parent, const CSidingWardDoc& document) {
    CInsuranceOptions options;
    const QStringList owner = m_settings.InsuranceOwner();
    options.owner = owner.value(0);
    options.address = owner.value(1);
    CInsuranceReportDialog dialog(
        parent, shownheadings::ShownBytes(inventoryreport::HeadingsOf(document)), options);
    if (dialog.exec() != QDialog::Accepted)
        return;
    options = dialog.Options();
    m_settings.SetInsuranceOwner({options.owner, options.address});

    const std::optional<QString> chosen = m_files.ChooseFileToSaveTitled(
        parent, QCoreApplication::translate("CInsuranceReportCommands", "Insurance Report"),
        {QCoreApplication::translate("CInsuranceReportCommands", "PDF Files (*.pdf)")},
        QStringLiteral("pdf"));
    if (!chosen)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(*chosen).absoluteFilePath());
    printer.setDocName(text::FromBytes(document.GetTitle()));
    CInsuranceReport report(document, options, m_clock.Today(), &m_thumbnails);
    printtofile::Outcome printed;
    {
        const CWaitCursor wait;
        printed =
            printtofile::Print(printer, [&](QPrinter& target) { return report.Print(target); });
    }
    if (printed.painterFailed)
        m_messages.Show(parent, {QCoreApplication::translate("CInsuranceReportCommands",
                                                             "The report cannot be written to %1.")
                                     .arg(*chosen),
                                 captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
    else if (!printed.file.Succeeded())
        m_messages.Show(parent, {UserMessage(printed.file), captions::Error(),
                                 MessageIcon::Critical, MessageButtons::Ok});
}
