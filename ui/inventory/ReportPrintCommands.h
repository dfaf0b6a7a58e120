#pragma once

#include <functional>

#include "model/core/InventoryReport.h"

struct FileResult;
class CClock;
class CMessageSink;
class CSidingWardDoc;
class QPrinter;
class QWidget;

// "Print..." and "Print Preview" of the inventory views: the report of the shown
// columns laid out on the printer that Print Setup chose, the print dialog with
// the page range, then the pages; or the same pages in a preview window.
class CReportPrintCommands {
public:
    // The printer Print Setup chose; it must outlive the commands.
    using PrinterSource = std::function<QPrinter&()>;
    // Shows the print dialog for pageCount pages; false when the user cancelled.
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer, int pageCount)>;

    // messages and clock must outlive the commands.
    CReportPrintCommands(CMessageSink& messages, const CClock& clock, PrinterSource printer);

    // Replaces the print dialog (tests; the default is QPrintDialog).
    void SetPrintDialog(PrintDialog dialog) { m_dialog = std::move(dialog); }

    void Print(QWidget* parent, const CSidingWardDoc& document,
               const inventoryreport::ColumnFlags& columns);
    void Preview(QWidget* parent, const CSidingWardDoc& document,
                 const inventoryreport::ColumnFlags& columns);

private:
    void ShowCannotPrint(QWidget* parent);
    void ShowCannotWrite(QWidget* parent, const FileResult& result);

    CMessageSink& m_messages;
    const CClock& m_clock;
    PrinterSource m_printer;
    PrintDialog m_dialog;
};
