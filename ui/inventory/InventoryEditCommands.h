#pragma once

#include <string>

#include <QString>

#include "ui/common/InventoryWindow.h"

class CFerroTreeCtrl;
class CInventoryElement;
class CInventoryEditTarget;
class CMessageSink;
class CSidingWardDoc;
class CSoundPlayer;
enum class MessageIcon;

// The commands with which the user changes, searches, checks and values an
// inventory from either of its windows: Delete, Cut, Copy, Paste, Find, Change
// Condition and Change Current Value, Integrity Check, the Quick Facts answers, and
// the items that arrive from the Classification Yard or another inventory. Each
// works on the window's selection and document, reports through the window's
// message sink and sound player, and leaves what differs between the windows to
// the window's traits.
class CInventoryEditCommands {
public:
    // view must outlive the commands.
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
    // The Find dialog, then the window's search.
    void Find();
    // Change Condition / Change Current Value: the attribute's dialog on the
    // selected item.
    void ChangeAttribute(int attribute);
    void IntegrityCheck();

    // An item the yard hands over, dropped or sent; taken, its node is selected.
    YardItemAnswer TakeFromYard(const CYardItem& item);
    // An item dragged from another inventory's tree: cut there, pasted here.
    void TakeFromInventory(CFerroTreeCtrl& sourceTree);
    // The current heading of an attribute, as dialogs and menus name it.
    static std::string Heading(const CSidingWardDoc& document, int attribute);

    // Quick Facts.
    void ReportDollarGainLoss();
    void ReportPercentGainLoss();
    void ReportPerformer(bool best);
    void ReportTotalExpenditures();
    void ReportTotalAssetValue();
    void ReportItemCount();

private:
    // Removes the item as one change called what; a message when it is not there.
    void RemoveItem(CInventoryElement* item, const char* what);
    void DeleteAll();
    void Show(const QString& text, const QString& caption, MessageIcon icon);
    // The gain or loss of the whole inventory (root selected) or of the selected item.
    template <typename Reporter> void ReportGain();
    // A whole-inventory total; the wait cursor is gone before its box shows.
    template <typename Reporter> void ReportTotal();
    CMessageSink& Messages() const;
    CSoundPlayer& Sounds() const;

    CInventoryEditTarget& m_view;
};
