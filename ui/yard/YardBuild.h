#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "model/yard/Manufacturer.h"
#include "ui/yard/ClassificationWizard.h"

class CClassificationDoc;
class CClock;
class CFerroRSTreeCtrl;
class CInventoryElement;
class CMessageSink;
class CSidingWardDoc;
class QWidget;

// What the build needs of the yard's form: its lists, the Item Number field, the
// tree and the enabling of the controls. The yard view implements it.
class CYardBuildForm {
public:
    // The window over which the build's dialogs and messages show.
    virtual QWidget* FormWindow() = 0;
    virtual CFerroRSTreeCtrl& FormTree() = 0;
    // Enables the lists, the Item Number field and button, Finished and Cancel
    // while building (Comments and Picture when asked), Build otherwise.
    virtual void EnableControls(bool building, bool comments, bool picture) = 0;
    virtual void FocusList(Attribute attribute) = 0;
    // The text of the attribute's selected entry; empty when none is selected.
    virtual std::string SelectedValue(int attribute) const = 0;
    // Selects the entry equal to value without regard to case, adding the value to
    // the catalogue and the list when there is none (a failure is shown).
    virtual void SelectOrAddValue(int attribute, const std::string& value) = 0;
    // Selects the entry equal to value without regard to case; none when there is none.
    virtual void SelectValue(int attribute, const std::string& value) = 0;
    virtual std::string ItemNumber() const = 0;
    virtual void SetItemNumber(const std::string& number) = 0;

protected:
    ~CYardBuildForm() = default;
};

// The build of the Classification Yard: its start with the manufacturer listing,
// the wizard and the Item Number Builder as the preferences ask, its finish into a
// new item or the inventory item taken for changes, and its cancel. The item it
// finishes is held by the form's tree.
class CYardBuild {
public:
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

    // form, yard, clock and messages must outlive the build. finished runs after
    // every finish, with the finished item held and drag-enabled in the tree.
    CYardBuild(CYardBuildForm& form, CClassificationDoc& yard, const CClock& clock,
               CMessageSink& messages, std::function<void()> finished);

    void SetItemNumberBuilder(ItemNumberBuilderHook builder) { m_builder = std::move(builder); }
    void SetManufacturerListing(ManufacturerListingHook listing) { m_listing = std::move(listing); }
    void SetWizard(WizardHook wizard) { m_wizard = std::move(wizard); }
    // Until they are set, Comments and Picture stay disabled and a wizard build
    // ends without them.
    void SetCommentsEditor(PendingTextEditor editor);
    void SetPictureChooser(PendingTextEditor chooser);

    // True from the start of a build until Finished or Cancel.
    bool IsInProgress() const { return m_building; }
    // Each does nothing when its command is disabled.
    void Start();
    void Finish();
    void Cancel();
    // The form's idle state, with the pending texts emptied.
    void EnterIdleState();

    void RunItemNumberBuilder();
    // During a build: the manufacturer listing, and the chosen product into the form.
    void UseManufacturerFile();
    void EditComments();
    void ChoosePicture();

    // Shows an inventory's own item in the form for changes; false when it was not
    // taken (a build is in progress, or the user keeps the held item).
    bool TakeForChange(CInventoryElement& item, CSidingWardDoc& inventory);
    // Ends the build and empties the tree of an item its inventory gives up.
    void ReleaseTakenItem();
    // The inventory is about to destroy item: let go of it when it is held for changes.
    void ForgetInventoryItem(const CInventoryElement* item);

    const std::string& PendingComments() const { return m_pendingComments; }
    const std::string& PendingPicture() const { return m_pendingPicture; }
    // Whether the listing gave a product in the current build start.
    bool IsManufacturerProductChosen() const { return m_productChosen; }
    // The listing tab to open first; the listing keeps it up to date.
    int& LastManufacturerTab() { return m_lastManufacturerTab; }

private:
    void EnterState(bool building);
    // The listing, the wizard and what follows them at the start of a build.
    void RunAssistants();
    // Runs the listing and fills the form with the chosen product; false when none was.
    bool RunManufacturerListing();
    void ApplyProduct(const CManufacturerChoice& choice);
    void ApplyWizardChoices(const CWizardChoices& choices);
    // Asks question (which ends by asking whether to go on building); true on Yes.
    bool AskToContinue(const QString& question);
    bool ConfirmReplaceHeldItem();
    void ShowError(const QString& text);

    CYardBuildForm& m_form;
    CClassificationDoc& m_yard;
    const CClock& m_clock;
    CMessageSink& m_messages;
    std::function<void()> m_finished;
    ItemNumberBuilderHook m_builder;
    ManufacturerListingHook m_listing;
    WizardHook m_wizard;
    PendingTextEditor m_commentsEditor;
    PendingTextEditor m_pictureChooser;

    bool m_building = false;
    bool m_productChosen = false;
    bool m_assistantRun = false;
    int m_lastManufacturerTab = 0;
    std::string m_pendingComments;
    std::string m_pendingPicture;
};
