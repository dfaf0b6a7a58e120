#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "core/InventoryElement.h"
#include "framework/CommandTarget.h"
#include "framework/DocumentView.h"

class CClassificationDoc;
class CClock;
class CFerroRSTreeCtrl;
class CMessageSink;
class CSidingWardDoc;
class CYardMessageEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Command ids of the yard window's menus (Options menu, "Classification
// Modification" popup) and of the File menu's save entry.
enum class YardCommand : int {
    Build = 32853,
    BuildPopup = 32854,
    Finish = 32862,
    FinishPopup = 32863,
    Cancel = 32861,
    CancelPopup = 32864,
    ItemNumberBuilder = 32837,
    ItemNumberBuilderPopup = 32824,
    SendToInventory = 32839,
    SendToInventoryPopup = 32822,
    SaveYard = 57603,
};

// One menu entry of the yard window as the command router needs it.
struct CYardCommandEntry {
    YardCommand id;
    QString text;
    std::function<void()> run;
    bool enabled = false;
};

// The Classification Yard build form on the yard document: one drop-down list per
// attribute filled from the catalogue, the Item Number field, Build, Finished and
// Cancel, and the tree of the item the yard holds. It is the receiver of the yard
// messages (CYardMessageEvent) of the inventory windows.
class CClassificationView : public QWidget, public CDocumentView, public CCommandTarget {
    Q_OBJECT

public:
    // Picks the inventory to send to among several; null sends nothing.
    using InventoryChooser =
        std::function<CSidingWardDoc*(QWidget* parent, const std::vector<CSidingWardDoc*>&)>;
    // Runs the Item Number Builder titled after the heading; nothing on Cancel.
    using ItemNumberBuilderHook =
        std::function<std::optional<std::string>(QWidget* parent, const std::string& heading)>;

    // yard, clock and messages must outlive the view. Sets the document title,
    // fills the lists, labels them from the headings and enters the idle state.
    CClassificationView(CClassificationDoc& yard, const CClock& clock, CMessageSink& messages,
                        QWidget* parent = nullptr);
    // Waits for the manufacturer loader to end (with a progress window).
    // Waits for the manufacturer file loader, as WaitForManufacturerLoader does.
    ~CClassificationView() override;

    // Waits, with a progress window that keeps the program painted, until the
    // manufacturer file loader has ended. Call it while the windows are whole (at the
    // end of the program, before they go): the wait runs the event loop.
    void WaitForManufacturerLoader();

    // Replace the dialogs (tests; the defaults run the real ones).
    void SetInventoryChooser(InventoryChooser chooser) { m_chooser = std::move(chooser); }
    void SetItemNumberBuilder(ItemNumberBuilderHook builder) { m_builder = std::move(builder); }

    // True from the start of a build until Finished or Cancel.
    bool IsBuildInProgress() const { return m_building; }

    // The build lifecycle; each does nothing when its command is disabled.
    void StartBuild();
    void FinishBuild();
    void CancelBuild();
    // Sends the held item to an inventory (the one it came from, the only one
    // registered, or the one the user chooses).
    void SendItemToInventory();
    // Replaces the Item Number text with the Item Number Builder's result.
    void RunItemNumberBuilder();
    // Writes Classyrd.mst at once; a failure is shown.
    void SaveYard();

    // The Options menu entries (popup: the "Classification Modification" menu) with
    // their current texts and enabling, followed, for the Options menu, by the save entry.
    std::vector<CYardCommandEntry> Commands(bool popup = false);

    // Registered inventories, in registration order.
    const std::vector<CSidingWardDoc*>& RegisteredInventories() const { return m_registered; }
    CFerroRSTreeCtrl* Tree() const { return m_tree; }

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    // The command router's view level: the entries of Commands(), menu and popup ids.
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    // Refills every list from the catalogue, keeping the selected texts when asked.
    void FillLists(bool keepSelections);
    void FillList(int attribute, bool keepSelections);
    void SetLabels();
    void EnterState(bool building);
    bool ConfirmReplaceHeldItem();
    // Selects the entry equal to value without regard to case, adding the value
    // to the catalogue and the list when there is none.
    void SelectOrAddValue(int attribute, const std::string& value);
    std::string SelectedValue(int attribute) const;
    void TakeItem(CInventoryElement* item, CSidingWardDoc* inventory, QWidget* sourceTree);
    void Register(CSidingWardDoc* inventory);
    void Unregister(CSidingWardDoc* inventory);
    void OnItemNumberEdited(const QString& typed);
    void ShowError(const QString& text, const QString& caption);
    bool CanSend() const;
    std::optional<CYardCommandEntry> FindCommand(int id);

    CClassificationDoc& m_yard;
    const CClock& m_clock;
    CMessageSink& m_messages;
    InventoryChooser m_chooser;
    ItemNumberBuilderHook m_builder;

    std::array<QComboBox*, kAttributeCount> m_lists{};
    std::array<QLabel*, kAttributeCount> m_labels{};
    QLineEdit* m_itemNumber = nullptr;
    QPushButton* m_itemNumberButton = nullptr;
    QPushButton* m_build = nullptr;
    QPushButton* m_finished = nullptr;
    QPushButton* m_cancel = nullptr;
    CFerroRSTreeCtrl* m_tree = nullptr;

    bool m_building = false;
    std::string m_pendingComments;
    std::string m_pendingPicture;
    std::string m_lastItemNumber;
    std::vector<CSidingWardDoc*> m_registered;
};
