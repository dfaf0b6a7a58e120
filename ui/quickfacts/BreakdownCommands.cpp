#include "ui/quickfacts/BreakdownCommands.h"

#include <optional>

#include "model/core/SidingWardDoc.h"
#include "ui/common/WaitCursor.h"
#include "ui/quickfacts/CustomReportDialog.h"

CBreakdownCommands::CBreakdownCommands(CQuickFactsDialog::PrinterSource printer,
                                       const CClock& clock, CMessageSink* messages)
    : m_printer(std::move(printer)), m_clock(clock), m_messages(messages) {}

void CBreakdownCommands::Show(QWidget* parent, const CSidingWardDoc& document,
                              BreakdownMeasure measure, int attribute) {
    std::optional<CBreakdownTable> table;
    {
        const CWaitCursor wait;
        const CCatalogue* yard = document.GetClassificationYard();
        table = attribute < 0 ? CBreakdownTable::ByPurchaseYear(document, measure, yard)
                              : CBreakdownTable::ByAttribute(document, measure, attribute, yard);
    }
    CQuickFactsDialog dialog(std::move(*table), m_printer, m_clock, parent);
    dialog.SetMessageSink(m_messages);
    dialog.exec();
}

void CBreakdownCommands::CustomReport(QWidget* parent, const CSidingWardDoc& document) {
    CCustomReportDialog dialog(
        document,
        [this](QWidget* over, CBreakdownTable table) {
            CQuickFactsDialog results(std::move(table), m_printer, m_clock, over);
            results.SetMessageSink(m_messages);
            results.exec();
        },
        parent);
    dialog.exec();
}
