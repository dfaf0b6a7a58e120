#include "ui/yard/YardBuild.h"

#include <algorithm>
#include <array>
#include <memory>

#include <QCoreApplication>

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/Clock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/yard/FerroRSTreeCtrl.h"

namespace {

constexpr int kItemNumber = static_cast<int>(Attribute::ItemNumber);
// Asked for when shown, in the language the program speaks by then.
QString ItemNotLocated() {
    return QCoreApplication::translate(
        "CYardBuild",
        "This item cannot be located in the sending inventory.\nThe operation will be canceled.");
}

} // namespace

CYardBuild::CYardBuild(CYardBuildForm& form, CClassificationDoc& yard, const CClock& clock,
                       CMessageSink& messages, std::function<void()> finished)
    : m_form(form), m_yard(yard), m_clock(clock), m_messages(messages),
      m_finished(std::move(finished)) {}

// The comments and picture of a build are its own: idle forgets them.
void CYardBuild::EnterIdleState() {
    EnterState(false);
    m_pendingComments.clear();
    m_pendingPicture.clear();
}

void CYardBuild::EnterState(bool building) {
    m_building = building;
    m_form.EnableControls(building, building && m_commentsEditor != nullptr,
                          building && m_pictureChooser != nullptr);
}

void CYardBuild::SetCommentsEditor(PendingTextEditor editor) {
    m_commentsEditor = std::move(editor);
    EnterState(m_building);
}

void CYardBuild::SetPictureChooser(PendingTextEditor chooser) {
    m_pictureChooser = std::move(chooser);
    EnterState(m_building);
}

bool CYardBuild::ConfirmReplaceHeldItem() {
    CFerroRSTreeCtrl& tree = m_form.FormTree();
    if (!tree.HoldsItem())
        return true;
    const MessageAnswer answer = m_messages.Show(
        m_form.FormWindow(),
        {QCoreApplication::translate("CYardBuild", "This action will delete the item\ncurrently "
                                                   "in the Classification Yard.\n\nDo you want "
                                                   "to continue?"),
         captions::YardWarning(), MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return false;
    // Destroys an item of the yard's own; an inventory's item stays in its inventory.
    tree.Empty();
    return true;
}

void CYardBuild::Start() {
    if (m_building || !ConfirmReplaceHeldItem())
        return;
    m_form.FormTree().Empty();
    EnterState(true);
    m_pendingComments.clear();
    m_pendingPicture.clear();
    m_form.FocusList(Attribute::Manufacturer);
    m_assistantRun = true;
    RunAssistants();
    m_assistantRun = false;
}

bool CYardBuild::AskToContinue(const QString& question) {
    return m_messages.Show(m_form.FormWindow(), {question, captions::YardWarning(),
                                                 MessageIcon::Question, MessageButtons::YesNo}) ==
           MessageAnswer::Yes;
}

void CYardBuild::RunAssistants() {
    if (m_yard.GetUseManufacturerFile()) {
        if (!RunManufacturerListing() &&
            !AskToContinue(QCoreApplication::translate(
                "CYardBuild", "You did not select anything from the list.\n\nDo you want to "
                              "continue building the item?"))) {
            Cancel();
            return;
        }
    } else {
        m_productChosen = false;
    }
    if (!m_yard.GetUseWizard())
        return;
    const std::optional<CWizardChoices> choices = m_wizard(m_form.FormWindow(), m_productChosen);
    // Nothing the wizard can reach ends the build, but the form must not go on
    // with a build that is no longer there.
    if (!m_building)
        return;
    if (!choices) {
        if (!AskToContinue(QCoreApplication::translate(
                "CYardBuild", "You did not finish the wizard build.\n\nDo you want to continue "
                              "building the item?")))
            Cancel();
        return;
    }
    ApplyWizardChoices(*choices);
    if (!m_productChosen)
        RunItemNumberBuilder();
    if (m_commentsEditor)
        EditComments();
    if (m_pictureChooser)
        ChoosePicture();
    Finish();
}

bool CYardBuild::RunManufacturerListing() {
    m_productChosen = false;
    const std::optional<CManufacturerChoice> choice = m_listing(m_form.FormWindow());
    if (!choice || !m_building)
        return false;
    m_productChosen = true;
    ApplyProduct(*choice);
    return true;
}

void CYardBuild::ApplyProduct(const CManufacturerChoice& choice) {
    const CManufacturerProduct& product = choice.product;
    m_form.SelectOrAddValue(static_cast<int>(Attribute::Manufacturer), choice.manufacturer);
    m_form.SelectOrAddValue(static_cast<int>(Attribute::BodyClassification),
                            product.bodyClassification);
    m_form.SelectOrAddValue(static_cast<int>(Attribute::RoadName), product.roadName);
    m_form.SelectOrAddValue(static_cast<int>(Attribute::PaintScheme), product.paintScheme);
    m_form.SelectOrAddValue(static_cast<int>(Attribute::Scale), product.scale);
    m_form.SetItemNumber(product.itemNumber);
    if (!m_assistantRun)
        m_form.FocusList(Attribute::Condition);
}

void CYardBuild::ApplyWizardChoices(const CWizardChoices& choices) {
    // A chosen product keeps the five attributes it gave.
    constexpr std::array<Attribute, 5> kFromProduct = {
        Attribute::Manufacturer, Attribute::BodyClassification, Attribute::RoadName,
        Attribute::PaintScheme, Attribute::Scale};
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute == kItemNumber)
            continue;
        if (m_productChosen && std::find(kFromProduct.begin(), kFromProduct.end(),
                                         static_cast<Attribute>(attribute)) != kFromProduct.end())
            continue;
        // No equal entry (an empty choice among them) leaves the list without a selection.
        m_form.SelectValue(attribute, choices[static_cast<std::size_t>(attribute)]);
    }
}

void CYardBuild::UseManufacturerFile() {
    if (m_building)
        RunManufacturerListing();
}

void CYardBuild::EditComments() {
    if (!m_building || !m_commentsEditor)
        return;
    if (const auto edited = m_commentsEditor(m_form.FormWindow(), m_pendingComments))
        m_pendingComments = *edited;
}

void CYardBuild::ChoosePicture() {
    if (!m_building || !m_pictureChooser)
        return;
    if (const auto chosen = m_pictureChooser(m_form.FormWindow(), m_pendingPicture))
        m_pendingPicture = *chosen;
}

void CYardBuild::RunItemNumberBuilder() {
    if (!m_building)
        return;
    if (const auto result = m_builder(m_form.FormWindow(), m_yard.GetHeading(kItemNumber)))
        m_form.SetItemNumber(*result);
}

void CYardBuild::Finish() {
    if (!m_building)
        return;
    CFerroRSTreeCtrl& tree = m_form.FormTree();
    CInventoryElement* item = nullptr;
    std::unique_ptr<CInventoryElement> newItem;
    if (tree.IsTakenFromInventory()) {
        item = tree.GetHeldItem();
        if (!tree.GetTakenFromDocument()->ContainsItem(item)) {
            ShowError(ItemNotLocated());
            Cancel();
            return;
        }
        tree.KeepPreviousValues(*item);
    } else {
        newItem = std::make_unique<CInventoryElement>();
        item = newItem.get();
    }
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != kItemNumber)
            item->SetAttributeText(attribute, m_form.SelectedValue(attribute));
    }
    item->SetItemNumber(m_form.ItemNumber());
    item->SetComments(m_pendingComments);
    item->SetPicture(m_pendingPicture);
    const CDate today = m_clock.Today();
    item->SetEntryDate(today.month, today.day, today.year);

    if (newItem)
        tree.ShowNewItem(std::move(newItem), m_yard);
    else
        tree.Redisplay(m_yard);
    EnterIdleState();
    tree.SelectRoot();
    tree.SetDragEnabled(true);
    if (m_finished)
        m_finished();
}

void CYardBuild::Cancel() {
    if (!m_building)
        return;
    EnterIdleState();
    m_form.FormTree().Empty();
}

bool CYardBuild::TakeForChange(CInventoryElement& item, CSidingWardDoc& inventory) {
    if (m_building) {
        m_messages.Show(m_form.FormWindow(),
                        {QCoreApplication::translate(
                             "CYardBuild", "You cannot perform this action while a Build is in "
                                           "progress!\nPress Finish or press Cancel to terminate "
                                           "the Build."),
                         captions::YardError(), MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    if (!ConfirmReplaceHeldItem())
        return false;
    CFerroRSTreeCtrl& tree = m_form.FormTree();
    tree.ShowTakenItem(&item, &inventory, m_yard);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != kItemNumber)
            m_form.SelectOrAddValue(attribute, item.GetAttributeText(attribute));
    }
    m_form.SetItemNumber(item.GetItemNumber());
    m_pendingComments = item.GetComments();
    m_pendingPicture = item.GetPicture();
    tree.SelectRoot();
    EnterState(true);
    m_form.FocusList(Attribute::Manufacturer);
    return true;
}

void CYardBuild::ForgetInventoryItem(const CInventoryElement* item) {
    const CFerroRSTreeCtrl& tree = m_form.FormTree();
    if (item == nullptr || !tree.IsTakenFromInventory() || tree.GetHeldItem() != item)
        return;
    // The user's edits of a change in progress are lost: say so, once the yard has
    // let go of the item.
    const bool changing = m_building;
    ReleaseTakenItem();
    if (changing)
        ShowError(ItemNotLocated());
}

void CYardBuild::ReleaseTakenItem() {
    Cancel();
    // A finished change is held as well: the item is going away, so the tree must
    // let go of it.
    m_form.FormTree().Empty();
}

void CYardBuild::ShowError(const QString& text) {
    m_messages.Show(m_form.FormWindow(),
                    {text, captions::YardError(), MessageIcon::Critical, MessageButtons::Ok});
}
