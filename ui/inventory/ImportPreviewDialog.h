#pragma once

#include <QDialog>
#include <QStringList>

struct CImportPreview;
class QLabel;
class QTableWidget;

// Shows, before anything is added, how an import will read its file: the number
// of items it will add, and its first records as a table under the headings of
// the chosen fields. A record that ends before every field was read is marked,
// and the fields it leaves empty read "(not read)". "Import" goes on, "Back"
// returns to the import dialog.
class CImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // headings: one per position of the field order.
    CImportPreviewDialog(const CImportPreview& preview, const QStringList& headings,
                         QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }

    // The summary line for a number of items.
    static QString SummaryText(std::size_t count, std::size_t shown);
    static QString NotReadText() { return QStringLiteral("(not read)"); }

private:
    QLabel* m_summary;
    QTableWidget* m_table;
};
