#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "model/core/InventoryElement.h"
#include "model/framework/DocumentView.h"
#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/MenuLayout.h"
#include "ui/common/YardWindow.h"
#include "ui/yard/RegisteredInventories.h"
#include "ui/yard/YardBuild.h"

class CActionRegistry;
class CClassificationDoc;
class CClock;
class CFerroRSTreeCtrl;
class CMessageSink;
class CSidingWardDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Classification Yard window: the build form on the yard document (one drop-down
// list per attribute filled from the catalogue, the Item Number field, Build,
// Finished and Cancel, and the tree of the item the yard holds) with the yard's
// commands. The build itself is CYardBuild's; the inventory windows reach the yard
// through CYardWindow.
class CClassificationView : public QWidget,
                            public CDocumentView,
                            public CCommandTarget,
                            public CYardWindow,
                            private CYardBuildForm {
    Q_OBJECT

public:
    using InventoryChooser = CRegisteredInventories::InventoryChooser;
    using ItemNumberBuilderHook = CYardBuild::ItemNumberBuilderHook;
    using ManufacturerListingHook = CYardBuild::ManufacturerListingHook;
    using WizardHook = CYardBuild::WizardHook;
    using PendingTextEditor = CYardBuild::PendingTextEditor;

    // yard, clock and messages must outlive the view. Sets the document title,
    // fills the lists, labels them from the headings and enters the idle state.
    CClassificationView(CClassificationDoc& yard, const CClock& clock, CMessageSink& messages,
                        QWidget* parent = nullptr);
    // Waits for the manufacturer file loader, as WaitForManufacturerLoader does.
    ~CClassificationView() override;

    // Waits, with a progress window that keeps the program painted, until the
    // manufacturer file loader has ended. Call it while the windows are whole (at the
    // end of the program, before they go): the wait runs the event loop.
    void WaitForManufacturerLoader();

    // Replace the dialogs (tests; the defaults run the real ones).
    void SetInventoryChooser(InventoryChooser chooser);
    void SetItemNumberBuilder(ItemNumberBuilderHook builder);
    void SetManufacturerListing(ManufacturerListingHook listing);
    void SetWizard(WizardHook wizard);
    // The comments editor and the picture dialog of the build. Until they are set
    // the Comments and Picture buttons stay disabled and the end of a wizard build
    // goes without them.
    void SetCommentsEditor(PendingTextEditor editor);
    void SetPictureChooser(PendingTextEditor chooser);

    // True from the start of a build until Finished or Cancel.
    bool IsBuildInProgress() const override;

    // The build lifecycle; each does nothing when its command is disabled.
    void StartBuild();
    void FinishBuild();
    void CancelBuild();
    // Sends the held item to an inventory (the one it came from, the only one
    // registered, or the one the user chooses).
    // An unpacked archive's catalogue at path: when its value lists or headings
    // differ from the yard's, asks whether to use them, and takes them over on
    // Yes. Not while a build is in progress, whose lists must stay as they are.
    void OfferCatalogue(const std::string& path, QWidget* parent);
    void SendItemToInventory();
    // Replaces the Item Number text with the Item Number Builder's result.
    void RunItemNumberBuilder();
    // During a build: the manufacturer listing, and the chosen product into the form.
    void UseManufacturerFile();
    // During a build: the comments editor or the picture dialog on the pending text.
    void EditComments();
    void ChoosePicture();

    // What the inventory windows ask of the yard.
    QWidget* YardWidget() override { return this; }
    void RegisterInventory(CSidingWardDoc& inventory) override;
    void UnregisterInventory(CSidingWardDoc& inventory) override;
    void StartInventoryBuild() override;
    bool TakeItemForChange(CInventoryElement& item, CSidingWardDoc& inventory) override;
    void DeliverDraggedItem(CInventoryWindow& target) override;
    // A change in progress is cancelled with a message, since its edits are lost.
    void ForgetInventoryItem(const CInventoryElement* item) override;

    // The whole form: the window opens showing every control.
    QSize sizeHint() const override;
    // The pending comments and picture path of the build.
    const std::string& PendingComments() const { return m_build->PendingComments(); }
    const std::string& PendingPicture() const { return m_build->PendingPicture(); }
    // Whether the listing gave a product in the current build start.
    bool IsManufacturerProductChosen() const { return m_build->IsManufacturerProductChosen(); }
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
    const std::vector<CSidingWardDoc*>& RegisteredInventories() const {
        return m_inventories->All();
    }
    CFerroRSTreeCtrl* Tree() const { return m_tree; }

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    // The command router's view level: the yard's commands and the File menu's Save.
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

signals:
    // The enabling of the yard's commands may have changed: a button of the form was
    // pressed, an inventory window called or a popup entry ran.
    void CommandsChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Enter presses "Build....", the form's default button, while it is enabled.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The form as the build sees it.
    QWidget* FormWindow() override { return this; }
    CFerroRSTreeCtrl& FormTree() override { return *m_tree; }
    void EnableControls(bool building, bool comments, bool picture) override;
    void FocusList(Attribute attribute) override;
    std::string SelectedValue(int attribute) const override;
    void SelectOrAddValue(int attribute, const std::string& value) override;
    void SelectValue(int attribute, const std::string& value) override;
    std::string ItemNumber() const override;
    void SetItemNumber(const std::string& number) override;

    void CreateControls();
    // Refills every list from the catalogue, keeping the selected texts when asked.
    void FillLists(bool keepSelections);
    void FillList(int attribute, bool keepSelections);
    void SetLabels();
    void GrowWindowToForm();
    QSize MeasuredFormSize() const;
    // Labels the form and asks every view of every registered inventory to redisplay.
    void Relabel();
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

    std::array<QComboBox*, kAttributeCount> m_lists{};
    std::array<QLabel*, kAttributeCount> m_labels{};
    QLineEdit* m_itemNumber = nullptr;
    QPushButton* m_itemNumberButton = nullptr;
    QPushButton* m_buildButton = nullptr;
    QPushButton* m_finished = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_comments = nullptr;
    QPushButton* m_picture = nullptr;
    CFerroRSTreeCtrl* m_tree = nullptr;
    QWidget* m_formPage = nullptr; // the scrolled form
    std::string m_lastItemNumber;

    std::unique_ptr<CRegisteredInventories> m_inventories;
    std::unique_ptr<CYardBuild> m_build;
};
