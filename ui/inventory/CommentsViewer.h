#pragma once

#include <QDialog>

class CCommentsEdit;
class CInventoryElement;

// "Comments for " + the item's Body Classification: the item's comments, read only,
// and OK. Nothing about the item changes.
class CCommentsViewer : public QDialog {
    Q_OBJECT

public:
    // Copies what it shows; item need not outlive the dialog.
    explicit CCommentsViewer(const CInventoryElement& item, QWidget* parent = nullptr);

    // Shows the item's comments modally until OK.
    static void Run(QWidget* parent, const CInventoryElement& item);

private:
    CCommentsEdit* m_text = nullptr;
};
