#pragma once

#include "model/quickfacts/BreakdownTable.h"
#include "ui/quickfacts/QuickFactsDialog.h"

class CClock;
class CMessageSink;
class CSidingWardDoc;
class QWidget;

// The "by" entries of the Quick Facts menu: the breakdown report of the inventory,
// built under the wait cursor, in its results dialog.
class CBreakdownCommands {
public:
    // clock dates the printed reports; messages, when given, hears of a PDF file
    // that could not be written; both must outlive the commands.
    CBreakdownCommands(CQuickFactsDialog::PrinterSource printer, const CClock& clock,
                       CMessageSink* messages = nullptr);

    // The report of measure by the text of attribute (0..13), or by purchase year
    // when attribute is -1, over parent.
    void Show(QWidget* parent, const CSidingWardDoc& document, BreakdownMeasure measure,
              int attribute);

    // "Custom Report": the custom report dialog, whose reports show in the results
    // dialog.
    void CustomReport(QWidget* parent, const CSidingWardDoc& document);

private:
    CQuickFactsDialog::PrinterSource m_printer;
    const CClock& m_clock;
    CMessageSink* m_messages;
};
