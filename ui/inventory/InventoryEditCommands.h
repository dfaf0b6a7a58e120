#pragma once

#include <string>

#include <QModelIndex>

#include "ui/common/InventoryWindow.h"

class CFerroTreeCtrl;
class CInventoryElement;
class CInventoryEditTarget;
class CSidingWardDoc;
enum class MessageIcon;

// The commands with which the user changes, searches, checks and values an
// inventory from its tree view: Delete, Cut, Copy, Paste, Find, Change Condition
// and Change Current Value, Integrity Check, the Quick Facts answers, and the
// items that arrive from the Classification Yard or another inventory. Each works
// on the view's selection and document and reports through the view's message
// sink and sound player.
class CInventoryEditCommands {
public:
    // view must outlive the commands (the view owns them).
    explicit CInventoryEditCommands(CInventoryEditTarget& view) : m_view(view) {}

    void Delete();
    // Copies the selected item into the application clipboard, and as text (a line
    // of headings and a line of values, separated by tabs) onto the desktop's
    // clipboard; false when there was nothing to copy or no clipboard (no
    // Classification Yard).
    bool Copy();
    // Copy of an item of document, for every window that shows it.
    static bool CopyItem(const CSidingWardDoc& document, const CInventoryElement& item);
    // Copy, then removes the selected item; false when nothing was cut.
    bool Cut();
    void Paste();
    // The Find dialog, then the search.
    void Find();
    // Searches the tree's labels (see the walk in the source) and selects the first
    // match; a message when there is none. Returns the match.
    QModelIndex Search(const std::string& text, bool matchCase, bool findNext);
    // Change Condition / Change Current Value: the attribute's dialog on the
    // selected item.
    void ChangeAttribute(int attribute);
    void IntegrityCheck();

    // An item the yard hands over, dropped or sent; taken, its node is selected.
    YardItemAnswer TakeFromYard(const CYardItem& item);
    // An item dragged from another inventory's tree: cut there, pasted here.
    void TakeFromInventory(CFerroTreeCtrl& sourceTree);

    // Quick Facts.
    void ReportDollarGainLoss();
    void ReportPercentGainLoss();
    void ReportPerformer(bool best);
    void ReportTotalExpenditures();
    void ReportTotalAssetValue();
    void ReportItemCount();

private:
    // Removes the item's node and the item; shows the failure messages.
    void DeleteItem(CInventoryElement* item);
    // Removes the item's node; when the selection went with it (the node or one of
    // its lines), the neighbouring item node is selected, or the root when none is left.
    bool RemoveItemNode(const CInventoryElement* item);
    void Show(const QString& text, const QString& caption, MessageIcon icon);
    // The gain or loss of the whole inventory (root selected) or of the selected item.
    template <typename Reporter> void ReportGain();
    // A whole-inventory total; the wait cursor is gone before its box shows.
    template <typename Reporter> void ReportTotal();

    CInventoryEditTarget& m_view;
};
