#include "ui/yard/ClassificationView.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "model/core/SidingWardDoc.h"
#include "model/framework/Clock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Text.h"
#include "ui/common/ValueEntries.h"
#include "ui/yard/ChooseInventoryDialog.h"
#include "ui/yard/CustomizeHeadings.h"
#include "ui/yard/CustomizePreferences.h"
#include "ui/yard/CustomizeSheet.h"
#include "ui/yard/CustomizeValues.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/ItemNumberBuilder.h"
#include "ui/yard/ManufacturerSheet.h"
#include "ui/yard/YardCommandIds.h"
#include "ui/yard/YardMessageEvent.h"

using valueentries::AddEntry;
using valueentries::EntryBytes;
using valueentries::FindNoCase;

namespace {

constexpr int kItemNumber = static_cast<int>(Attribute::ItemNumber);
const QString kItemNotLocated = QStringLiteral(
    "This item cannot be located in the sending inventory.\nThe operation will be canceled.");

// The rows of the form, top to bottom.
constexpr std::array<int, kAttributeCount> kFormRows = {1, 2, 0, 3,  4,  5,  6,
                                                        7, 8, 9, 10, 11, 12, 13};
// The order in which the lists are filled.
constexpr std::array<int, 13> kFillOrder = {1, 4, 3, 5, 0, 6, 7, 8, 9, 10, 11, 12, 13};

bool IsSortedList(int attribute) {
    return !valueentries::IsShownInListOrder(attribute);
}

} // namespace

CClassificationView::CClassificationView(CClassificationDoc& yard, const CClock& clock,
                                         CMessageSink& messages, QWidget* parent)
    : QWidget(parent), m_yard(yard), m_clock(clock), m_messages(messages) {
    m_chooser = [this](QWidget* owner, const std::vector<CSidingWardDoc*>& inventories) {
        CChooseInventoryDialog dialog(inventories, m_messages, owner);
        return dialog.exec() == QDialog::Accepted ? dialog.GetChosen() : nullptr;
    };
    m_builder = [this](QWidget* owner, const std::string& heading) {
        return CItemNumberBuilder::Run(owner, heading, m_messages);
    };
    m_listing = [this](QWidget* owner) {
        return CManufacturerSheet::Open(owner, m_yard, m_messages, m_lastManufacturerTab);
    };
    m_wizard = [this](QWidget* owner, bool productChosen) {
        return CClassificationWizard::Run(
            owner, m_yard, productChosen,
            [this](QWidget* sheetParent, int attribute) { Customize(sheetParent, attribute); });
    };

    CProgressWindow progress(QStringLiteral("Please wait for ") + captions::ApplicationTitle() +
                                 QStringLiteral(" to load..."),
                             10, parent);
    progress.show();
    CreateControls();
    progress.StepIt();
    m_yard.SetTitle("The Classification Yard");
    progress.StepIt();
    FillLists(false);
    for (int step = 0; step < 6; ++step)
        progress.StepIt();
    EnterIdleState();
    SetLabels();
    progress.StepIt();
    progress.StepIt();
    m_yard.AddView(this);
}

CClassificationView::~CClassificationView() {
    m_yard.RemoveView(this);
    WaitForManufacturerLoader();
}

void CClassificationView::WaitForManufacturerLoader() {
    CProgressWindow::WaitWhile(
        this,
        QStringLiteral("Please wait for ") + captions::ApplicationTitle() +
            QStringLiteral(" to stop..."),
        [this] { return m_yard.IsManufacturerLoaderRunning(); },
        [this] { m_yard.RaiseManufacturerLoaderPriority(); });
}

void CClassificationView::CreateControls() {
    auto* form = new QGridLayout;
    int row = 0;
    for (const int attribute : kFormRows) {
        if (attribute == kItemNumber) {
            m_itemNumberButton = new QPushButton(this);
            m_itemNumberButton->setObjectName(QStringLiteral("itemNumberButton"));
            m_itemNumber = new QLineEdit(this);
            m_itemNumber->setObjectName(QStringLiteral("itemNumber"));
            form->addWidget(m_itemNumberButton, row, 0);
            form->addWidget(m_itemNumber, row, 1);
            connect(m_itemNumberButton, &QPushButton::clicked, this,
                    &CClassificationView::RunItemNumberBuilder);
            connect(m_itemNumber, &QLineEdit::textEdited, this,
                    &CClassificationView::OnItemNumberEdited);
        } else {
            auto* label = new QLabel(this);
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("attribute%1").arg(attribute));
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            list->setMinimumContentsLength(18);
            label->setBuddy(list);
            form->addWidget(label, row, 0);
            form->addWidget(list, row, 1);
            m_labels[static_cast<std::size_t>(attribute)] = label;
            m_lists[static_cast<std::size_t>(attribute)] = list;
        }
        ++row;
    }
    m_comments = new QPushButton(QStringLiteral("Comments"), this);
    m_comments->setObjectName(QStringLiteral("comments"));
    m_picture = new QPushButton(QStringLiteral("Picture"), this);
    m_picture->setObjectName(QStringLiteral("picture"));
    connect(m_comments, &QPushButton::clicked, this, &CClassificationView::EditComments);
    connect(m_picture, &QPushButton::clicked, this, &CClassificationView::ChoosePicture);
    auto* extras = new QHBoxLayout;
    extras->addWidget(m_comments);
    extras->addWidget(m_picture);
    extras->addStretch(1);
    form->addLayout(extras, row, 1);
    form->setColumnStretch(1, 1);

    auto* group = new QGroupBox(QStringLiteral("Classification Yard Item"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_tree = new CFerroRSTreeCtrl(group);
    m_tree->setObjectName(QStringLiteral("yardTree"));
    groupLayout->addWidget(m_tree);

    m_build = new QPushButton(QStringLiteral("Build...."), this);
    m_build->setObjectName(QStringLiteral("build"));
    m_build->setDefault(true);
    m_finished = new QPushButton(QStringLiteral("Finished"), this);
    m_finished->setObjectName(QStringLiteral("finished"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_build, &QPushButton::clicked, this, &CClassificationView::StartBuild);
    connect(m_finished, &QPushButton::clicked, this, &CClassificationView::FinishBuild);
    connect(m_cancel, &QPushButton::clicked, this, &CClassificationView::CancelBuild);
    // After the button's own work, whatever it changed.
    for (QPushButton* button : {m_build, m_finished, m_cancel})
        connect(button, &QPushButton::clicked, this, &CClassificationView::CommandsChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_build);
    buttons->addWidget(m_finished);
    buttons->addWidget(m_cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(group, 1);
    right->addLayout(buttons);

    // Made narrower or lower than its controls need (tiled beside other windows),
    // the form scrolls instead of clipping them.
    auto* page = new QWidget;
    auto* top = new QHBoxLayout(page);
    top->addLayout(form, 1);
    top->addLayout(right, 1);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(page);
    m_formPage = page;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);
}

// The window opens as large as the whole form, not at a scroll area's usual size.
QSize CClassificationView::sizeHint() const {
    if (m_formPage == nullptr)
        return QWidget::sizeHint();
    // Asked before the window first shows, the controls take their style first.
    return isVisible() ? m_formPage->sizeHint() : MeasuredFormSize();
}

// The layouts keep the sizes they measured until the event loop tells them of a
// change (a new style, a new label): measure every control afresh.
QSize CClassificationView::MeasuredFormSize() const {
    m_formPage->ensurePolished();
    for (QWidget* control : m_formPage->findChildren<QWidget*>())
        control->updateGeometry();
    for (QLayout* layout : m_formPage->findChildren<QLayout*>())
        layout->invalidate();
    return m_formPage->sizeHint();
}

void CClassificationView::FillLists(bool keepSelections) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const int attribute : kFillOrder)
        FillList(attribute, keepSelections);
    QApplication::restoreOverrideCursor();
}

void CClassificationView::FillList(int attribute, bool keepSelections) {
    QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
    const std::string kept = keepSelections && list->currentIndex() >= 0
                                 ? EntryBytes(list, list->currentIndex())
                                 : std::string();
    valueentries::Fill(list, m_yard.GetValueList(attribute), IsSortedList(attribute));
    const int found = kept.empty() ? -1 : FindNoCase(list, kept);
    list->setCurrentIndex(found >= 0 ? found : (list->count() > 0 ? 0 : -1));
}

void CClassificationView::SetLabels() {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (QLabel* label = m_labels[static_cast<std::size_t>(attribute)])
            label->setText(text::ShowAmpersands(text::FromBytes(m_yard.GetHeading(attribute))));
    }
    m_itemNumberButton->setText(
        text::ShowAmpersands(text::FromBytes(m_yard.GetHeading(kItemNumber))));
    GrowWindowToForm();
}

// A longer heading widens the form: a window in its normal state grows to show the
// whole form again, as far as the area it lives in allows.
void CClassificationView::GrowWindowToForm() {
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame == nullptr || !frame->isVisible() || frame->isMinimized() || frame->isMaximized())
        return;
    const QSize missing = (MeasuredFormSize() - size()).expandedTo(QSize(0, 0));
    if (missing.width() == 0 && missing.height() == 0)
        return;
    QRect wanted(frame->pos(), frame->size() + missing);
    if (const QWidget* area = frame->parentWidget()) {
        wanted.setSize(wanted.size().boundedTo(area->size()));
        wanted.moveRight(std::min(wanted.right(), area->width() - 1));
        wanted.moveBottom(std::min(wanted.bottom(), area->height() - 1));
        wanted.moveTopLeft(QPoint(std::max(0, wanted.left()), std::max(0, wanted.top())));
    }
    frame->setGeometry(wanted);
}

void CClassificationView::Relabel() {
    SetLabels();
    m_tree->Redisplay(m_yard);
    for (CSidingWardDoc* inventory : m_registered) {
        for (CDocumentView* view : inventory->GetViews()) {
            if (auto* widget = dynamic_cast<QWidget*>(view)) {
                CYardMessageEvent redisplay = CYardMessageEvent::Redisplay();
                QCoreApplication::sendEvent(widget, &redisplay);
            }
        }
    }
}

void CClassificationView::Customize(QWidget* parent, int startAttribute) {
    CCustomizeSheet sheet(m_yard, m_clock, m_messages, startAttribute,
                          parent != nullptr ? parent : this);
    m_yard.SnapshotValues();
    m_yard.SnapshotHeadings();
    const bool ok = sheet.exec() == QDialog::Accepted;
    const CCustomizeValues& values = sheet.Values();
    const CCustomizeHeadings& headings = sheet.Headings();
    const CCustomizePreferences& preferences = sheet.Preferences();
    bool refresh = false;
    bool relabel = false;
    bool preferencesSet = false;
    if (ok) {
        refresh = values.HasPendingChanges() || values.WasApplied();
        relabel = headings.HasPendingChanges() || headings.WasApplied();
        if (preferences.HasPendingChanges() || preferences.WasApplied()) {
            m_yard.SetUseManufacturerFile(preferences.UseManufacturerFile());
            m_yard.SetUseWizard(preferences.UseWizard());
            preferencesSet = true;
        }
    } else {
        // Back to the last snapshot: the one taken before, or at the last Apply.
        if (values.HasPendingChanges() || values.WasApplied())
            m_yard.RestoreValues();
        refresh = values.WasApplied();
        if (headings.HasPendingChanges() || headings.WasApplied())
            m_yard.RestoreHeadings();
        relabel = headings.WasApplied();
    }
    if (refresh)
        FillLists(true);
    if (relabel)
        Relabel();
    if (refresh || relabel || preferencesSet)
        SaveYard();
}

// The comments and picture of a build are its own: idle forgets them.
void CClassificationView::EnterIdleState() {
    EnterState(false);
    m_pendingComments.clear();
    m_pendingPicture.clear();
}

void CClassificationView::EnterState(bool building) {
    m_building = building;
    for (QComboBox* list : m_lists) {
        if (list != nullptr)
            list->setEnabled(building);
    }
    m_itemNumber->setEnabled(building);
    m_itemNumberButton->setEnabled(building);
    m_finished->setEnabled(building);
    m_cancel->setEnabled(building);
    m_comments->setEnabled(building && m_commentsEditor != nullptr);
    m_picture->setEnabled(building && m_pictureChooser != nullptr);
    m_build->setEnabled(!building);
}

void CClassificationView::SetCommentsEditor(PendingTextEditor editor) {
    m_commentsEditor = std::move(editor);
    EnterState(m_building);
}

void CClassificationView::SetPictureChooser(PendingTextEditor chooser) {
    m_pictureChooser = std::move(chooser);
    EnterState(m_building);
}

bool CClassificationView::ConfirmReplaceHeldItem() {
    if (!m_tree->HoldsItem())
        return true;
    const MessageAnswer answer = m_messages.Show(
        this, {QStringLiteral("This action will delete the item\ncurrently in the "
                              "Classification Yard.\n\nDo you want to continue?"),
               captions::YardWarning(), MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return false;
    // Destroys an item of the yard's own; an inventory's item stays in its inventory.
    m_tree->Empty();
    return true;
}

void CClassificationView::StartBuild() {
    if (m_building || !ConfirmReplaceHeldItem())
        return;
    m_tree->Empty();
    EnterState(true);
    m_pendingComments.clear();
    m_pendingPicture.clear();
    m_lists[static_cast<std::size_t>(Attribute::Manufacturer)]->setFocus();
    m_assistantRun = true;
    RunAssistants();
    m_assistantRun = false;
}

bool CClassificationView::AskToContinue(const QString& reason) {
    return m_messages.Show(this, {reason + QStringLiteral("\n\nDo you want to continue "
                                                          "building the item?"),
                                  captions::YardWarning(), MessageIcon::Question,
                                  MessageButtons::YesNo}) == MessageAnswer::Yes;
}

void CClassificationView::RunAssistants() {
    if (m_yard.GetUseManufacturerFile()) {
        if (!RunManufacturerListing() &&
            !AskToContinue(QStringLiteral("You did not select anything from the list."))) {
            CancelBuild();
            return;
        }
    } else {
        m_productChosen = false;
    }
    if (!m_yard.GetUseWizard())
        return;
    const std::optional<CWizardChoices> choices = m_wizard(this, m_productChosen);
    // Nothing the wizard can reach ends the build, but the form must not go on
    // with a build that is no longer there.
    if (!m_building)
        return;
    if (!choices) {
        if (!AskToContinue(QStringLiteral("You did not finish the wizard build.")))
            CancelBuild();
        return;
    }
    ApplyWizardChoices(*choices);
    if (!m_productChosen)
        RunItemNumberBuilder();
    if (m_commentsEditor)
        EditComments();
    if (m_pictureChooser)
        ChoosePicture();
    FinishBuild();
}

bool CClassificationView::RunManufacturerListing() {
    m_productChosen = false;
    const std::optional<CManufacturerChoice> choice = m_listing(this);
    if (!choice || !m_building)
        return false;
    m_productChosen = true;
    ApplyProduct(*choice);
    return true;
}

void CClassificationView::ApplyProduct(const CManufacturerChoice& choice) {
    const CManufacturerProduct& product = choice.product;
    SelectOrAddValue(static_cast<int>(Attribute::Manufacturer), choice.manufacturer);
    SelectOrAddValue(static_cast<int>(Attribute::BodyClassification), product.bodyClassification);
    SelectOrAddValue(static_cast<int>(Attribute::RoadName), product.roadName);
    SelectOrAddValue(static_cast<int>(Attribute::PaintScheme), product.paintScheme);
    SelectOrAddValue(static_cast<int>(Attribute::Scale), product.scale);
    m_itemNumber->setText(text::FromBytes(product.itemNumber));
    m_lastItemNumber = product.itemNumber;
    if (!m_assistantRun)
        m_lists[static_cast<std::size_t>(Attribute::Condition)]->setFocus();
}

void CClassificationView::ApplyWizardChoices(const CWizardChoices& choices) {
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
        QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
        // No equal entry (an empty choice among them) leaves the list without a selection.
        list->setCurrentIndex(FindNoCase(list, choices[static_cast<std::size_t>(attribute)]));
    }
}

void CClassificationView::UseManufacturerFile() {
    if (m_building)
        RunManufacturerListing();
}

void CClassificationView::EditComments() {
    if (!m_building || !m_commentsEditor)
        return;
    if (const auto edited = m_commentsEditor(this, m_pendingComments))
        m_pendingComments = *edited;
}

void CClassificationView::ChoosePicture() {
    if (!m_building || !m_pictureChooser)
        return;
    if (const auto chosen = m_pictureChooser(this, m_pendingPicture))
        m_pendingPicture = *chosen;
}

void CClassificationView::FinishBuild() {
    if (!m_building)
        return;
    CInventoryElement* item = nullptr;
    std::unique_ptr<CInventoryElement> newItem;
    if (m_tree->IsTakenFromInventory()) {
        item = m_tree->GetHeldItem();
        if (!m_tree->GetTakenFromDocument()->ContainsItem(item)) {
            ShowError(kItemNotLocated, captions::YardError());
            CancelBuild();
            return;
        }
    } else {
        newItem = std::make_unique<CInventoryElement>();
        item = newItem.get();
    }
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != kItemNumber)
            item->SetAttributeText(attribute, SelectedValue(attribute));
    }
    // The field refuses what the file cannot hold, so the conversion succeeds.
    item->SetItemNumber(text::ToBytes(m_itemNumber->text()).value_or(std::string()));
    item->SetComments(m_pendingComments);
    item->SetPicture(m_pendingPicture);
    const CDate today = m_clock.Today();
    item->SetEntryDate(today.month, today.day, today.year);

    if (newItem)
        m_tree->ShowNewItem(std::move(newItem), m_yard);
    else
        m_tree->Redisplay(m_yard);
    EnterIdleState();
    m_tree->SelectRoot();
    m_tree->SetDragEnabled(true);
    if (!m_registered.empty())
        SendItemToInventory();
}

void CClassificationView::CancelBuild() {
    if (!m_building)
        return;
    EnterIdleState();
    m_tree->Empty();
}

bool CClassificationView::CanSend() const {
    return m_tree->HoldsItem() && !m_building && !m_registered.empty();
}

void CClassificationView::SendItemToInventory() {
    if (!CanSend())
        return;
    CSidingWardDoc* target = nullptr;
    if (m_tree->IsTakenFromInventory())
        target = m_tree->GetTakenFromDocument();
    else if (m_registered.size() == 1)
        target = m_registered.front();
    else
        target = m_chooser(this, m_registered);
    if (target == nullptr || target->GetViews().empty())
        return;
    auto* view = dynamic_cast<QWidget*>(target->GetViews().front());
    if (view == nullptr)
        return;
    ActivateFrameOf(view);
    CYardMessageEvent message =
        CYardMessageEvent::SendToInventory(m_tree, m_tree->GetSelectedItem());
    QCoreApplication::sendEvent(view, &message);
}

void CClassificationView::RunItemNumberBuilder() {
    if (!m_building)
        return;
    if (const auto result = m_builder(this, m_yard.GetHeading(kItemNumber))) {
        m_itemNumber->setText(text::FromBytes(*result));
        m_lastItemNumber = *result;
    }
}

void CClassificationView::SaveYard() {
    const FileResult result = m_yard.SaveNow();
    if (!result.Succeeded())
        ShowError(text::FromBytes(result.message), captions::Error());
}

// One command of the yard: how it shows itself, when it may run, the text it
// carries at update time (none: the standard text) and what it does.
struct CClassificationView::Command {
    CCommandInfo info;
    std::function<bool(const CClassificationView&)> enabled{};
    std::function<void(CClassificationView&)> run{};
    std::function<QString(const CClassificationView&)> text{};
};

const std::vector<CClassificationView::Command>& CClassificationView::CommandTable() {
    using namespace CommandId;
    using namespace Qt::StringLiterals;
    using View = CClassificationView;
    const auto building = [](const View& view) { return view.m_building; };
    // "Use " + the heading + what follows, for the entries named after a heading.
    const auto useHeading = [](int attribute, const QString& rest) {
        return [attribute, rest](const View& view) {
            return u"Use "_s +
                   text::ShowAmpersands(text::FromBytes(view.m_yard.GetHeading(attribute))) + rest;
        };
    };
    static const std::vector<Command> table = {
        {{BuildItem, u"&Build an Inventory Item"_s,
          u"Build a new item in the Classification Yard\nBuild an Inventory Item"_s,
          ToolbarIcon(u"build-item"_s)},
         [](const View& view) { return !view.m_building; },
         [](View& view) { view.StartBuild(); }},
        {{YardFinish, u"&Finish the Build"_s, u"Finish the item being built\nFinished"_s},
         building,
         [](View& view) { view.FinishBuild(); }},
        {{YardCancel, u"C&ancel the Build"_s, u"Cancel the item being built\nCancel"_s},
         building,
         [](View& view) { view.CancelBuild(); }},
        {{CustomizeYard, u"&Customize Classification Yard"_s,
          u"Change the values, ranges, headings and preferences of the yard\n"
          u"Customize Classification Yard"_s,
          ToolbarIcon(u"customize-yard"_s)},
         [](const View&) { return true; },
         [](View& view) { view.Customize(); }},
        {{CommandId::UseManufacturerFile, u"Use &Manufacturer File"_s,
          u"Pick the item from the manufacturer file\nUse Manufacturer File"_s,
          ToolbarIcon(u"use-manufacturer-file"_s)},
         building,
         [](View& view) { view.UseManufacturerFile(); },
         useHeading(static_cast<int>(Attribute::Manufacturer), u" File"_s)},
        {{YardItemNumberBuilder, u"Use &Item Number Builder"_s,
          u"Put the item number together key by key\nItem Number Builder"_s},
         building,
         [](View& view) { view.RunItemNumberBuilder(); },
         useHeading(kItemNumber, u" Builder"_s)},
        {{CommandId::SendItemToInventory, u"&Send Item to Inventory"_s,
          u"Send the finished item to an inventory\nSend Item to Inventory"_s,
          ToolbarIcon(u"send-to-inventory"_s)},
         [](const View& view) { return view.CanSend(); },
         [](View& view) { view.SendItemToInventory(); },
         [](const View& view) {
             if (!view.m_tree->IsTakenFromInventory())
                 return u"&Send Item to Inventory"_s;
             return u"Send to "_s + text::ShowAmpersands(text::FromBytes(
                                        view.m_tree->GetTakenFromDocument()->GetTitle()));
         }},
        // The File menu's Save, described with the document commands, writes the yard.
        {{FileSave},
         [](const View&) { return true; },
         [](View& view) { view.SaveYard(); },
         [](const View&) { return u"&Save Classification Yard\tCtrl+S"_s; }},
    };
    return table;
}

const CClassificationView::Command* CClassificationView::FindCommand(int id) {
    return commandtable::Find(CommandTable(), id);
}

std::vector<CCommandInfo> CClassificationView::Commands() {
    return commandtable::Descriptions(CommandTable());
}

CMenuItem CClassificationView::ContextMenuLayout() {
    using namespace CommandId;
    using namespace Qt::StringLiterals;
    using Item = CMenuItem;
    return Item::Popup(
        u"Classification Modification"_s,
        {Item::Command(BuildItem), Item::Command(YardFinish), Item::Command(YardCancel),
         Item::Command(CustomizeYard), Item::Command(CommandId::UseManufacturerFile),
         Item::Command(YardItemNumberBuilder), Item::Command(CommandId::SendItemToInventory)});
}

void CClassificationView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && m_build->isEnabled()) {
        m_build->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CClassificationView::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions == nullptr)
        return;
    m_actions->ExecContextMenu(ContextMenuLayout(), event->globalPos(), this);
    emit CommandsChanged();
}

void CClassificationView::SelectOrAddValue(int attribute, const std::string& value) {
    QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
    const int found = FindNoCase(list, value);
    if (found >= 0) {
        list->setCurrentIndex(found);
        return;
    }
    CValueList* values = m_yard.GetValueList(attribute);
    if (values == nullptr || !m_yard.AddValue(*values, value)) {
        ShowError(QStringLiteral("Add to Classification Yard failed!"), captions::SystemError());
        return;
    }
    list->setCurrentIndex(AddEntry(list, value, IsSortedList(attribute)));
}

std::string CClassificationView::SelectedValue(int attribute) const {
    const QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
    return list->currentIndex() >= 0 ? EntryBytes(list, list->currentIndex()) : std::string();
}

void CClassificationView::TakeItem(CInventoryElement* item, CSidingWardDoc* inventory,
                                   QWidget* sourceTree) {
    if (item == nullptr || inventory == nullptr)
        return;
    if (m_building) {
        ShowError(QStringLiteral("You cannot perform this action while a Build is in progress!\n"
                                 "Press Finish or press Cancel to terminate the Build."),
                  captions::YardError());
        return;
    }
    if (!ConfirmReplaceHeldItem())
        return;
    m_tree->ShowTakenItem(item, inventory, m_yard);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != kItemNumber)
            SelectOrAddValue(attribute, item->GetAttributeText(attribute));
    }
    m_itemNumber->setText(text::FromBytes(item->GetItemNumber()));
    m_lastItemNumber = item->GetItemNumber();
    m_pendingComments = item->GetComments();
    m_pendingPicture = item->GetPicture();
    m_tree->SelectRoot();
    EnterState(true);
    m_lists[static_cast<std::size_t>(Attribute::Manufacturer)]->setFocus();
    if (sourceTree != nullptr) {
        CYardMessageEvent taken = CYardMessageEvent::InventoryDropResult();
        QCoreApplication::sendEvent(sourceTree, &taken);
    }
}

void CClassificationView::Register(CSidingWardDoc* inventory) {
    if (inventory == nullptr ||
        std::find(m_registered.begin(), m_registered.end(), inventory) != m_registered.end())
        return;
    m_registered.push_back(inventory);
    inventory->SetClassificationYard(&m_yard);
}

void CClassificationView::Unregister(CSidingWardDoc* inventory) {
    const auto found = std::find(m_registered.begin(), m_registered.end(), inventory);
    if (found != m_registered.end())
        m_registered.erase(found);
    if (inventory != nullptr && m_tree->GetTakenFromDocument() == inventory)
        ReleaseTakenItem();
}

void CClassificationView::ForgetInventoryItem(const CInventoryElement* item) {
    if (item == nullptr || !m_tree->IsTakenFromInventory() || m_tree->GetHeldItem() != item)
        return;
    // The user's edits of a change in progress are lost: say so, once the yard has
    // let go of the item.
    const bool changing = m_building;
    ReleaseTakenItem();
    if (changing)
        ShowError(kItemNotLocated, captions::YardError());
}

void CClassificationView::ReleaseTakenItem() {
    CancelBuild();
    // A finished change is held as well: the item is going away, so the tree must
    // let go of it.
    m_tree->Empty();
}

bool CClassificationView::event(QEvent* event) {
    if (!CYardMessageEvent::IsYardMessage(event->type()))
        return QWidget::event(event);
    auto* message = static_cast<CYardMessageEvent*>(event);
    switch (message->Message()) {
    case YM_REGISTER:
        Register(message->document);
        break;
    case YM_UNREGISTER:
        Unregister(message->document);
        break;
    case YM_START_BUILD:
        StartBuild();
        break;
    case YM_SEND_TO_YARD:
        TakeItem(message->item, message->document, nullptr);
        break;
    case YM_INVENTORY_DROP:
        TakeItem(message->item, message->document, message->tree);
        break;
    default:
        return QWidget::event(event);
    }
    emit CommandsChanged();
    return true;
}

void CClassificationView::OnItemNumberEdited(const QString& typed) {
    if (const auto bytes = text::ToBytes(typed)) {
        m_lastItemNumber = *bytes;
        return;
    }
    m_itemNumber->setText(text::FromBytes(m_lastItemNumber));
    ShowError(text::RefusedCharactersMessage(QStringLiteral("item number"),
                                             text::UnrepresentableCharacters(typed)),
              captions::Error());
}

void CClassificationView::ShowError(const QString& text, const QString& caption) {
    m_messages.Show(this, {text, caption, MessageIcon::Critical, MessageButtons::Ok});
}

void CClassificationView::OnDocumentUpdate(CDocumentView*, int) {
    FillLists(true);
    SetLabels();
    m_tree->Redisplay(m_yard);
}

bool CClassificationView::HandlesCommand(int id) const {
    return FindCommand(id) != nullptr;
}

void CClassificationView::OnCommand(int id) {
    const Command* command = FindCommand(id);
    if (command != nullptr && command->enabled(*this))
        command->run(*this);
}

void CClassificationView::OnUpdateCommand(int id, CCommandUpdate& update) {
    if (const Command* command = FindCommand(id)) {
        update.Enable(command->enabled(*this));
        if (command->text)
            update.SetText(command->text(*this));
    }
}
