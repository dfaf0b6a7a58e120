#pragma once

#include <string>

#include <QDialog>

#include "model/framework/Clock.h"

class CDocumentView;
class CInventoryElement;
class CSidingWardDoc;
class QDateEdit;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QTableWidget;

// The inventory's total current value over time, and, for the item selected when
// it opened, the item's own values: its line in the chart and the table of its
// valuations, to which the user adds one (an undoable change of the item).
class CValueHistoryDialog : public QDialog {
    Q_OBJECT

public:
    // item may be null (the inventory only). sender is the window the changes come
    // from; today dates a new valuation unless the user picks another day.
    CValueHistoryDialog(CSidingWardDoc& document, CInventoryElement* item, CDocumentView* sender,
                        CDate today, QWidget* parent = nullptr);

    // Gives the item the value on a day, with its note, as "Add Valuation" does
    // after its dialog; false when the item keeps no history here (or is gone) or
    // nothing changes. value must be a money text.
    bool AddValuation(CDate on, const std::string& value, const std::string& note);
    // The table as tab-separated text: a heading line, then one line per valuation.
    QString TableText() const;

    QLineSeries* TotalSeries() const { return m_total; }
    QLineSeries* ItemSeries() const { return m_itemLine; }
    QTableWidget* Table() const { return m_table; }
    QLabel* NoHistoryNote() const { return m_noHistory; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* CopyButton() const { return m_copy; }

private:
    void Refresh();
    void AskValuation();
    void CopyTable();

    CSidingWardDoc& m_document;
    CInventoryElement* m_item;
    CDocumentView* m_sender;
    CDate m_today;
    QLineSeries* m_total = nullptr;
    QLineSeries* m_itemLine = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_noHistory = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_copy = nullptr;
};

// The small dialog of "Add Valuation": a day, a value and a note. OK is enabled
// while the value reads as money (a plain number such as "125" or "1,250.50").
class CValuationDialog : public QDialog {
    Q_OBJECT

public:
    CValuationDialog(CDate today, QWidget* parent = nullptr);

    CDate Date() const;
    // The value as the item keeps it ("125.00"); empty while it is no money.
    std::string Value() const;
    std::string Note() const;

    QLineEdit* ValueField() const { return m_value; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QDateEdit* m_date;
    QLineEdit* m_value;
    QLineEdit* m_note;
    QPushButton* m_ok = nullptr;
};
