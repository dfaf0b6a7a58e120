#pragma once

#include <vector>

#include <QDialog>

class CMessageSink;
class CSidingWardDoc;
class QListWidget;

// "Choose an Inventory for the item": the titles of the registered inventories in
// alphabetical order, the first one selected.
class CChooseInventoryDialog : public QDialog {
    Q_OBJECT

public:
    // messages shows "Please select an Inventory!" and must outlive the dialog.
    CChooseInventoryDialog(const std::vector<CSidingWardDoc*>& inventories, CMessageSink& messages,
                           QWidget* parent = nullptr);

    // The chosen inventory once the dialog was closed with OK; null otherwise.
    CSidingWardDoc* GetChosen() const { return m_chosen; }

    // Closes with OK when an inventory is selected, else says so and stays open.
    void accept() override;

private:
    std::vector<CSidingWardDoc*> m_sorted;
    CMessageSink& m_messages;
    QListWidget* m_list = nullptr;
    CSidingWardDoc* m_chosen = nullptr;
};
