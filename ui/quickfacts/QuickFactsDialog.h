#pragma once

#include <functional>

#include <QDialog>

#include "model/quickfacts/BreakdownTable.h"

class CBreakdownChart;
class CClock;
class CMessageSink;
class QPrinter;
class QRadioButton;
class QTreeWidget;

// The results of a breakdown report: its title as the caption, the two columns
// (the group, and the value right-aligned), sorted by a header click, the first
// click on a column descending; beside them a chart of the rows in the order
// shown, as bars or a pie; "Close" (the default), "Print" and "Copy".
class CQuickFactsDialog : public QDialog {
    Q_OBJECT

public:
    // The printer Print Setup chose, and the print dialog (false: cancelled).
    using PrinterSource = std::function<QPrinter&()>;
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;

    // clock gives the date the printed report shows; it must outlive the dialog.
    CQuickFactsDialog(CBreakdownTable table, PrinterSource printer, const CClock& clock,
                      QWidget* parent = nullptr);

    void SetPrintDialog(PrintDialog dialog) { m_dialog = std::move(dialog); }
    // Where Print reports a PDF file it could not write; it must outlive the dialog.
    void SetMessageSink(CMessageSink* messages) { m_messages = messages; }

    QTreeWidget* List() const { return m_list; }
    // The chart of the rows in the order the list shows them, and its switch.
    CBreakdownChart* Chart() const { return m_chart; }
    QRadioButton* PieButton() const { return m_pie; }
    const CBreakdownTable& Table() const { return m_table; }

    // A click on the header of column 0 (group) or 1 (value).
    void SortByColumn(int column);
    // The table as tab-separated text: the heading line, then a line per row, in
    // the order shown; also put on the desktop's clipboard.
    QString CopyText() const;
    void Copy();
    // The print dialog, then the title, the date, the header line and every row in
    // the order shown, within the page's width and over as many pages as they need,
    // the header line on each page; then the chart as shown. A PDF file replaces its
    // old file only once it is complete.
    void Print();
    // Prints on printer as Print does after its dialog; false when it cannot draw.
    bool PrintTo(QPrinter& printer) const;

private:
    void Fill();

    CBreakdownTable m_table;
    PrinterSource m_printer;
    const CClock& m_clock;
    PrintDialog m_dialog;
    CMessageSink* m_messages = nullptr;
    QTreeWidget* m_list;
    CBreakdownChart* m_chart;
    QRadioButton* m_pie;
};
