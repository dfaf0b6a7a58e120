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
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/common/ValueEntries.h"
#include "ui/yard/ChooseInventoryDialog.h"
#include "ui/yard/CustomizeSheet.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/ItemNumberBuilder.h"
#include "ui/yard/ManufacturerSheet.h"
#include "ui/yard/YardCommandIds.h"

using valueentries::AddEntry;
using valueentries::EntryBytes;
using valueentries::FindNoCase;

namespace {

constexpr int kItemNumber = static_cast<int>(Attribute::ItemNumber);

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
    help::SetHelpPage(this, QStringLiteral("yard.html#window"));
    CProgressWindow progress(tr("Please wait for %1 to load...").arg(captions::ApplicationTitle()),
                             10, parent);
    progress.show();
    CreateControls();
    m_inventories = std::make_unique<CRegisteredInventories>(
        m_yard, [this](QWidget* owner, const std::vector<CSidingWardDoc*>& inventories) {
            CChooseInventoryDialog dialog(inventories, m_messages, owner);
            return dialog.exec() == QDialog::Accepted ? dialog.GetChosen() : nullptr;
        });
    // The form is a private base: only the view hands it out.
    CYardBuildForm& form = *this;
    m_build = std::make_unique<CYardBuild>(form, m_yard, m_clock, m_messages, [this] {
        if (!m_inventories->IsEmpty())
            SendItemToInventory();
    });
    m_build->SetItemNumberBuilder([this](QWidget* owner, const std::string& heading) {
        return CItemNumberBuilder::Run(owner, heading, m_messages);
    });
    m_build->SetManufacturerListing([this](QWidget* owner) {
        return CManufacturerSheet::Open(owner, m_yard, m_messages, m_build->LastManufacturerTab());
    });
    m_build->SetWizard([this](QWidget* owner, bool productChosen) {
        return CClassificationWizard::Run(
            owner, m_yard, productChosen,
            [this](QWidget* sheetParent, int attribute) { Customize(sheetParent, attribute); });
    });
    progress.StepIt();
    // Only shown, never stored: the title may be in the user's language.
    m_yard.SetTitle(
        text::ToBytes(tr("The Classification Yard")).value_or("The Classification Yard"));
    progress.StepIt();
    FillLists(false);
    for (int step = 0; step < 6; ++step)
        progress.StepIt();
    m_build->EnterIdleState();
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
        this, tr("Please wait for %1 to stop...").arg(captions::ApplicationTitle()),
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
    m_comments = new QPushButton(tr("Comments"), this);
    m_comments->setObjectName(QStringLiteral("comments"));
    m_picture = new QPushButton(tr("Picture"), this);
    m_picture->setObjectName(QStringLiteral("picture"));
    connect(m_comments, &QPushButton::clicked, this, &CClassificationView::EditComments);
    connect(m_picture, &QPushButton::clicked, this, &CClassificationView::ChoosePicture);
    auto* extras = new QHBoxLayout;
    extras->addWidget(m_comments);
    extras->addWidget(m_picture);
    extras->addStretch(1);
    form->addLayout(extras, row, 1);
    form->setColumnStretch(1, 1);

    auto* group = new QGroupBox(tr("Classification Yard Item"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_tree = new CFerroRSTreeCtrl(group);
    m_tree->setObjectName(QStringLiteral("yardTree"));
    groupLayout->addWidget(m_tree);

    m_buildButton = new QPushButton(tr("Build...."), this);
    m_buildButton->setObjectName(QStringLiteral("build"));
    m_buildButton->setDefault(true);
    m_finished = new QPushButton(tr("Finished"), this);
    m_finished->setObjectName(QStringLiteral("finished"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_buildButton, &QPushButton::clicked, this, &CClassificationView::StartBuild);
    connect(m_finished, &QPushButton::clicked, this, &CClassificationView::FinishBuild);
    connect(m_cancel, &QPushButton::clicked, this, &CClassificationView::CancelBuild);
    // After the button's own work, whatever it changed.
    for (QPushButton* button : {m_buildButton, m_finished, m_cancel})
        connect(button, &QPushButton::clicked, this, &CClassificationView::CommandsChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_buildButton);
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
            label->setText(text::ShowAmpersands(
                shownheadings::Shown(attribute, m_yard.GetHeading(attribute))));
    }
    m_itemNumberButton->setText(
        text::ShowAmpersands(shownheadings::Shown(kItemNumber, m_yard.GetHeading(kItemNumber))));
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
    m_inventories->RedisplayHeadings();
}

void CClassificationView::OfferCatalogue(const std::string& path, QWidget* parent) {
    if (path.empty() || IsBuildInProgress())
        return;
    CClassificationDoc offered(m_clock);
    if (!offered.OnOpenDocument(path).Succeeded() || offered.HasSameListsAndHeadings(m_yard))
        return;
    const CMessage question{tr("Use the archive's Classification Yard values and headings?"),
                            captions::ApplicationTitle(), MessageIcon::Question,
                            MessageButtons::YesNo};
    if (m_messages.Show(parent != nullptr ? parent : this, question) != MessageAnswer::Yes)
        return;
    m_yard.TakeListsAndHeadings(offered);
    FillLists(true);
    Relabel();
    SaveYard();
}

void CClassificationView::Customize(QWidget* parent, int startAttribute) {
    CCustomizeSheet sheet(m_yard, m_clock, m_messages, startAttribute,
                          parent != nullptr ? parent : this);
    const CCustomizeSheet::Outcome outcome = sheet.Run();
    if (outcome.refresh)
        FillLists(true);
    if (outcome.relabel)
        Relabel();
    if (outcome.refresh || outcome.relabel || outcome.preferencesSet)
        SaveYard();
}

void CClassificationView::EnableControls(bool building, bool comments, bool picture) {
    for (QComboBox* list : m_lists) {
        if (list != nullptr)
            list->setEnabled(building);
    }
    m_itemNumber->setEnabled(building);
    m_itemNumberButton->setEnabled(building);
    m_finished->setEnabled(building);
    m_cancel->setEnabled(building);
    m_comments->setEnabled(comments);
    m_picture->setEnabled(picture);
    m_buildButton->setEnabled(!building);
}

void CClassificationView::FocusList(Attribute attribute) {
    m_lists[static_cast<std::size_t>(attribute)]->setFocus();
}

std::string CClassificationView::ItemNumber() const {
    // The field refuses what the file cannot hold, so the conversion succeeds.
    return text::ToBytes(m_itemNumber->text()).value_or(std::string());
}

void CClassificationView::SetItemNumber(const std::string& number) {
    m_itemNumber->setText(text::FromBytes(number));
    m_lastItemNumber = number;
}

void CClassificationView::SetInventoryChooser(InventoryChooser chooser) {
    m_inventories->SetChooser(std::move(chooser));
}

void CClassificationView::SetItemNumberBuilder(ItemNumberBuilderHook builder) {
    m_build->SetItemNumberBuilder(std::move(builder));
}

void CClassificationView::SetManufacturerListing(ManufacturerListingHook listing) {
    m_build->SetManufacturerListing(std::move(listing));
}

void CClassificationView::SetWizard(WizardHook wizard) {
    m_build->SetWizard(std::move(wizard));
}

void CClassificationView::SetCommentsEditor(PendingTextEditor editor) {
    m_build->SetCommentsEditor(std::move(editor));
}

void CClassificationView::SetPictureChooser(PendingTextEditor chooser) {
    m_build->SetPictureChooser(std::move(chooser));
}

bool CClassificationView::IsBuildInProgress() const {
    return m_build->IsInProgress();
}

void CClassificationView::StartBuild() {
    m_build->Start();
}

void CClassificationView::FinishBuild() {
    m_build->Finish();
}

void CClassificationView::CancelBuild() {
    m_build->Cancel();
}

void CClassificationView::RunItemNumberBuilder() {
    m_build->RunItemNumberBuilder();
}

void CClassificationView::UseManufacturerFile() {
    m_build->UseManufacturerFile();
}

void CClassificationView::EditComments() {
    m_build->EditComments();
}

void CClassificationView::ChoosePicture() {
    m_build->ChoosePicture();
}

bool CClassificationView::CanSend() const {
    return m_tree->HoldsItem() && !IsBuildInProgress() && !m_inventories->IsEmpty();
}

void CClassificationView::SendItemToInventory() {
    if (CanSend())
        m_inventories->Send(*m_tree, this);
}

void CClassificationView::SaveYard() {
    const FileResult result = m_yard.SaveNow();
    if (!result.Succeeded())
        ShowError(UserMessage(result, MessageBytes::Windows1252), captions::Error());
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
    const auto building = [](const View& view) { return view.IsBuildInProgress(); };
    // The entries named after a heading: pattern has the heading as %1.
    const auto useHeading = [](int attribute, const char* pattern) {
        return [attribute, pattern](const View& view) {
            return QCoreApplication::translate("Commands", pattern)
                .arg(text::ShowAmpersands(
                    shownheadings::Shown(attribute, view.m_yard.GetHeading(attribute))));
        };
    };
    static const std::vector<Command> table = {
        {{BuildItem, QCoreApplication::translate("Commands", "&Build an Inventory Item"),
          QCoreApplication::translate(
              "Commands", "Build a new item in the Classification Yard\nBuild an Inventory Item"),
          ToolbarIcon(u"build-item"_s)},
         [](const View& view) { return !view.IsBuildInProgress(); },
         [](View& view) { view.StartBuild(); }},
        {{YardFinish, QCoreApplication::translate("Commands", "&Finish the Build"),
          QCoreApplication::translate("Commands", "Finish the item being built\nFinished")},
         building,
         [](View& view) { view.FinishBuild(); }},
        {{YardCancel, QCoreApplication::translate("Commands", "C&ancel the Build"),
          QCoreApplication::translate("Commands", "Cancel the item being built\nCancel")},
         building,
         [](View& view) { view.CancelBuild(); }},
        {{CustomizeYard, QCoreApplication::translate("Commands", "&Customize Classification Yard"),
          QCoreApplication::translate(
              "Commands", "Change the values, ranges, headings and preferences of the yard\n"
                          "Customize Classification Yard"),
          ToolbarIcon(u"customize-yard"_s)},
         [](const View&) { return true; },
         [](View& view) { view.Customize(); }},
        {{CommandId::UseManufacturerFile,
          QCoreApplication::translate("Commands", "Use &Manufacturer File"),
          QCoreApplication::translate(
              "Commands", "Pick the item from the manufacturer file\nUse Manufacturer File"),
          ToolbarIcon(u"use-manufacturer-file"_s)},
         building,
         [](View& view) { view.UseManufacturerFile(); },
         useHeading(static_cast<int>(Attribute::Manufacturer),
                    QT_TRANSLATE_NOOP("Commands", "Use %1 File"))},
        {{YardItemNumberBuilder,
          QCoreApplication::translate("Commands", "Use &Item Number Builder"),
          QCoreApplication::translate(
              "Commands", "Put the item number together key by key\nItem Number Builder")},
         building,
         [](View& view) { view.RunItemNumberBuilder(); },
         useHeading(kItemNumber, QT_TRANSLATE_NOOP("Commands", "Use %1 Builder"))},
        {{CommandId::SendItemToInventory,
          QCoreApplication::translate("Commands", "&Send Item to Inventory"),
          QCoreApplication::translate(
              "Commands", "Send the finished item to an inventory\nSend Item to Inventory"),
          ToolbarIcon(u"send-to-inventory"_s)},
         [](const View& view) { return view.CanSend(); },
         [](View& view) { view.SendItemToInventory(); },
         [](const View& view) {
             if (!view.m_tree->IsTakenFromInventory())
                 return QCoreApplication::translate("Commands", "&Send Item to Inventory");
             return QCoreApplication::translate("Commands", "Send to %1")
                 .arg(text::ShowAmpersands(
                     text::FromBytes(view.m_tree->GetTakenFromDocument()->GetTitle())));
         }},
        // The File menu's Save, described with the document commands, writes the yard.
        {{FileSave},
         [](const View&) { return true; },
         [](View& view) { view.SaveYard(); },
         [](const View&) {
             return QCoreApplication::translate("Commands", "&Save Classification Yard\tCtrl+S");
         }},
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
        QCoreApplication::translate("Menus", "Classification Modification"),
        {Item::Command(BuildItem), Item::Command(YardFinish), Item::Command(YardCancel),
         Item::Command(CustomizeYard), Item::Command(CommandId::UseManufacturerFile),
         Item::Command(YardItemNumberBuilder), Item::Command(CommandId::SendItemToInventory)});
}

void CClassificationView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && m_buildButton->isEnabled()) {
        m_buildButton->click();
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
        ShowError(tr("Add to Classification Yard failed!"), captions::SystemError());
        return;
    }
    list->setCurrentIndex(AddEntry(list, value, IsSortedList(attribute)));
}

void CClassificationView::SelectValue(int attribute, const std::string& value) {
    QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
    list->setCurrentIndex(FindNoCase(list, value));
}

std::string CClassificationView::SelectedValue(int attribute) const {
    const QComboBox* list = m_lists[static_cast<std::size_t>(attribute)];
    return list->currentIndex() >= 0 ? EntryBytes(list, list->currentIndex()) : std::string();
}

void CClassificationView::RegisterInventory(CSidingWardDoc& inventory) {
    m_inventories->Add(inventory);
    emit CommandsChanged();
}

void CClassificationView::UnregisterInventory(CSidingWardDoc& inventory) {
    m_inventories->Remove(inventory);
    if (m_tree->GetTakenFromDocument() == &inventory)
        m_build->ReleaseTakenItem();
    emit CommandsChanged();
}

void CClassificationView::StartInventoryBuild() {
    StartBuild();
    emit CommandsChanged();
}

bool CClassificationView::TakeItemForChange(CInventoryElement& item, CSidingWardDoc& inventory) {
    const bool taken = m_build->TakeForChange(item, inventory);
    emit CommandsChanged();
    return taken;
}

void CClassificationView::DeliverDraggedItem(CInventoryWindow& target) {
    m_tree->DeliverDraggedItem(target);
}

void CClassificationView::ForgetInventoryItem(const CInventoryElement* item) {
    m_build->ForgetInventoryItem(item);
}

void CClassificationView::OnItemNumberEdited(const QString& typed) {
    if (const auto bytes = text::ToBytes(typed)) {
        m_lastItemNumber = *bytes;
        return;
    }
    m_itemNumber->setText(text::FromBytes(m_lastItemNumber));
    ShowError(
        text::RefusedCharactersMessage(tr("item number"), text::UnrepresentableCharacters(typed)),
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
