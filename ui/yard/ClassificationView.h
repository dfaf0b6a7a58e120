#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "model/core/InventoryElement.h"
#include "model/framework/DocumentView.h"
#include "model/yard/Manufacturer.h"
#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/MenuLayout.h"
#include "ui/yard/ClassificationWizard.h"

class CActionRegistry;
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
    // Runs the manufacturer listing; the chosen product, or nothing.
    using ManufacturerListingHook =
        std::function<std::optional<CManufacturerChoice>(QWidget* parent)>;
    // Runs the Classification Yard Wizard; the chosen values after Finish, nothing
    // after Cancel.
    using WizardHook =
        std::function<std::optional<CWizardChoices>(QWidget* parent, bool productChosen)>;
    // Edits a pending text of the build (the comments, or the picture path); the
    // edited text on OK, nothing when the user leaves it unchanged.
    using PendingTextEditor =
        std::function<std::optional<std::string>(QWidget* parent, const std::string& current)>;

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
    void SetManufacturerListing(ManufacturerListingHook listing) { m_listing = std::move(listing); }
    void SetWizard(WizardHook wizard) { m_wizard = std::move(wizard); }
    // The comments editor and the picture dialog of the build. Until they are set
    // the Comments and Picture buttons stay disabled and the end of a wizard build
    // goes without them.
    void SetCommentsEditor(PendingTextEditor editor);
    void SetPictureChooser(PendingTextEditor chooser);

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
    // During a build: the manufacturer listing, and the chosen product into the form.
    void UseManufacturerFile();
    // During a build: the comments editor or the picture dialog on the pending text.
    void EditComments();
    void ChoosePicture();

    // An inventory is about to destroy item. When the tree holds that item for
    // changes, the change ends and the tree lets go of it, as when the item's
    // inventory closes: nothing may redisplay or finish onto a destroyed item. A
    // change in progress is cancelled with a message, since its edits are lost.
    void ForgetInventoryItem(const CInventoryElement* item);

    // The whole form: the window opens showing every control.
    QSize sizeHint() const override;
    // The pending comments and picture path of the build.
    const std::string& PendingComments() const { return m_pendingComments; }
    const std::string& PendingPicture() const { return m_pendingPicture; }
    // Whether the listing gave a product in the current build start.
    bool IsManufacturerProductChosen() const { return m_productChosen; }
    // Writes Classyrd.mst at once; a failure is shown.
    void SaveYard();
    // The customization sheet over parent (the view when null), its values page on
    // startAttribute. Afterwards the form shows the catalogue as OK or Cancel left
    // it, the inventories redisplay when the headings changed, and the catalogue
    // is saved.
    void Customize(QWidget* parent = nullptr, int startAttribute = 0);

    // The yard's commands as the action registry shows them.
    static std::vector<CCommandInfo> Commands();
    // The "Classification Modification" popup.
    static CMenuItem ContextMenuLayout();
    // The actions the popup shows (not owned; null: no popup).
    void SetActions(CActionRegistry* actions) { m_actions = actions; }

    // Registered inventories, in registration order.
    const std::vector<CSidingWardDoc*>& RegisteredInventories() const { return m_registered; }
    CFerroRSTreeCtrl* Tree() const { return m_tree; }

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    // The command router's view level: the yard's commands and the File menu's Save.
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

signals:
    // The enabling of the yard's commands may have changed: a button of the form was
    // pressed, an inventory sent a message or a popup entry ran.
    void CommandsChanged();

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Enter presses "Build....", the form's default button, while it is enabled.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    // Refills every list from the catalogue, keeping the selected texts when asked.
    void FillLists(bool keepSelections);
    void FillList(int attribute, bool keepSelections);
    void SetLabels();
    void GrowWindowToForm();
    QSize MeasuredFormSize() const;
    // Labels the form and asks every view of every registered inventory to redisplay.
    void Relabel();
    void EnterState(bool building);
    void EnterIdleState();
    // The listing, the wizard and what follows them at the start of a build.
    void RunAssistants();
    // Runs the listing and fills the form with the chosen product; false when none was.
    bool RunManufacturerListing();
    void ApplyProduct(const CManufacturerChoice& choice);
    void ApplyWizardChoices(const CWizardChoices& choices);
    bool AskToContinue(const QString& reason);
    bool ConfirmReplaceHeldItem();
    // Selects the entry equal to value without regard to case, adding the value
    // to the catalogue and the list when there is none.
    void SelectOrAddValue(int attribute, const std::string& value);
    std::string SelectedValue(int attribute) const;
    void TakeItem(CInventoryElement* item, CSidingWardDoc* inventory, QWidget* sourceTree);
    void Register(CSidingWardDoc* inventory);
    void Unregister(CSidingWardDoc* inventory);
    // Ends the build and empties the tree of an item its inventory gives up.
    void ReleaseTakenItem();
    void OnItemNumberEdited(const QString& typed);
    void ShowError(const QString& text, const QString& caption);
    bool CanSend() const;

    struct Command;
    // The yard's commands: description, enabling, update text and handler.
    static const std::vector<Command>& CommandTable();
    static const Command* FindCommand(int id);

    CClassificationDoc& m_yard;
    CActionRegistry* m_actions = nullptr;
    const CClock& m_clock;
    CMessageSink& m_messages;
    InventoryChooser m_chooser;
    ItemNumberBuilderHook m_builder;
    ManufacturerListingHook m_listing;
    WizardHook m_wizard;
    PendingTextEditor m_commentsEditor;
    PendingTextEditor m_pictureChooser;

    std::array<QComboBox*, kAttributeCount> m_lists{};
    std::array<QLabel*, kAttributeCount> m_labels{};
    QLineEdit* m_itemNumber = nullptr;
    QPushButton* m_itemNumberButton = nullptr;
    QPushButton* m_build = nullptr;
    QPushButton* m_finished = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_comments = nullptr;
    QPushButton* m_picture = nullptr;
    CFerroRSTreeCtrl* m_tree = nullptr;
    QWidget* m_formPage = nullptr; // the scrolled form

    bool m_building = false;
    bool m_productChosen = false;
    bool m_assistantRun = false;
    int m_lastManufacturerTab = 0;
    std::string m_pendingComments;
    std::string m_pendingPicture;
    std::string m_lastItemNumber;
    std::vector<CSidingWardDoc*> m_registered;
};
