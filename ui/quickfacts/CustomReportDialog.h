#pragma once

#include <functional>

#include <QDialog>

#include "model/quickfacts/BreakdownTable.h"

class CSidingWardDoc;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Quick Facts Custom Report": what to total (Expenditures, Asset Value, Item
// Count) by one attribute taken from the list of headings; "Produce Report" shows
// the report, after which the attribute returns to the end of the list for the
// next one.
class CCustomReportDialog : public QDialog {
    Q_OBJECT

public:
    // Shows a report (the program: the results dialog, modal).
    using ReportRunner = std::function<void(QWidget* parent, CBreakdownTable table)>;

    // document must outlive the dialog.
    CCustomReportDialog(const CSidingWardDoc& document, ReportRunner runner,
                        QWidget* parent = nullptr);

    QRadioButton* Expenditures() const { return m_expenditures; }
    QRadioButton* AssetValue() const { return m_assetValue; }
    QRadioButton* ItemCount() const { return m_itemCount; }
    QListWidget* Available() const { return m_available; }
    QLineEdit* Chosen() const { return m_chosen; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* ProduceButton() const { return m_produce; }

    void Add();
    void Remove();
    void Produce();

private:
    void UpdateButtons();

    const CSidingWardDoc& m_document;
    ReportRunner m_runner;
    QRadioButton* m_expenditures;
    QRadioButton* m_assetValue;
    QRadioButton* m_itemCount;
    QListWidget* m_available;
    QLineEdit* m_chosen;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_produce;
    int m_attribute = -1;
};
