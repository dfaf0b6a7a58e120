#include "ui/inventory/ReportPrintCommands.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/PrintToFile.h"
#include "ui/common/UserMessage.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/ReportPrinter.h"

namespace {

CReportPrinter MakeReport(const CSidingWardDoc& document,
                          const inventoryreport::ColumnFlags& columns, const CDate& today) {
    return CReportPrinter(document, columns, today);
}

} // namespace

CReportPrintCommands::CReportPrintCommands(CMessageSink& messages, const CClock& clock,
                                           PrinterSource printer)
    : m_messages(messages), m_clock(clock), m_printer(std::move(printer)),
      m_dialog([](QWidget* parent, QPrinter& printer, int pageCount) {
          QPrintDialog dialog(&printer, parent);
          help::SetHelpPage(&dialog, QStringLiteral("printing.html#print"));
          dialog.setOption(QAbstractPrintDialog::PrintPageRange);
          dialog.setMinMax(1, pageCount);
          dialog.setFromTo(1, pageCount);
          dialog.setPrintRange(QAbstractPrintDialog::AllPages);
          return dialog.exec() == QDialog::Accepted;
      }) {}

void CReportPrintCommands::ShowCannotPrint(QWidget* parent) {
    m_messages.Show(
        parent, {QCoreApplication::translate("CReportPrintCommands", "Could not create printer DC"),
                 captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok});
}

void CReportPrintCommands::ShowCannotWrite(QWidget* parent, const FileResult& result) {
    m_messages.Show(parent, {UserMessage(result), captions::Error(), MessageIcon::Critical,
                             MessageButtons::Ok});
}

void CReportPrintCommands::Print(QWidget* parent, const CSidingWardDoc& document,
                                 const inventoryreport::ColumnFlags& columns) {
    QPrinter& printer = m_printer();
    CReportPrinter report = MakeReport(document, columns, m_clock.Today());
    // The page range offered comes from the default printer, when there is one.
    int pages = 1;
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        if (!printer.isValid()) {
            ShowCannotPrint(parent);
            return;
        }
        const CWaitCursor wait;
        pages = report.LayOut(printer);
    }
    if (!m_dialog(parent, printer, pages))
        return;
    printtofile::Outcome printed;
    {
        const CWaitCursor wait;
        // Laid out again on the printer chosen, with the date of the printing.
        CReportPrinter chosen = MakeReport(document, columns, m_clock.Today());
        printed =
            printtofile::Print(printer, [&](QPrinter& target) { return chosen.Print(target); });
    }
    if (printed.painterFailed)
        ShowCannotPrint(parent);
    else if (!printed.file.Succeeded())
        ShowCannotWrite(parent, printed.file);
}

void CReportPrintCommands::Preview(QWidget* parent, const CSidingWardDoc& document,
                                   const inventoryreport::ColumnFlags& columns) {
    QPrintPreviewDialog dialog(&m_printer(), parent);
    dialog.setWindowTitle(QCoreApplication::translate("CReportPrintCommands", "Print Preview"));
    help::SetHelpPage(&dialog, QStringLiteral("printing.html#preview"));
    // The preview's Print button may send the same pages to a PDF file.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* printer) {
                         printtofile::Outcome printed;
                         {
                             const CWaitCursor wait;
                             CReportPrinter report = MakeReport(document, columns, m_clock.Today());
                             printed = printtofile::Print(
                                 *printer, [&](QPrinter& target) { return report.Print(target); });
                         }
                         if (!printed.file.Succeeded())
                             ShowCannotWrite(&dialog, printed.file);
                     });
    dialog.exec();
}
