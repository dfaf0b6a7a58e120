#include "ui/yard/ClassificationView.h"

#include <memory>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/DocumentView.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/app/AppSettings.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandRouter.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/InventoryWindow.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Text.h"
#include "ui/support/MessageRecorder.h"
#include "ui/yard/ChooseInventoryDialog.h"
#include "ui/yard/ClassificationFrame.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

const QString kReplaceText = QStringLiteral(
    "This action will delete the item\ncurrently in the Classification Yard.\n\nDo you want to "
    "continue?");
const QString kBuildInProgress =
    QStringLiteral("You cannot perform this action while a Build is in progress!\n"
                   "Press Finish or press Cancel to terminate the Build.");

// An inventory window as the yard sees it: takes the items the yard hands over
// (or refuses them), and drops items of its inventory on the yard.
class CFakeInventoryView : public QWidget, public CDocumentView, public CInventoryWindow {
public:
    explicit CFakeInventoryView(CSidingWardDoc& doc) : m_doc(doc) { m_doc.AddView(this); }
    ~CFakeInventoryView() override { m_doc.RemoveView(this); }
    void OnDocumentUpdate(CDocumentView*, int) override {}

    QWidget* InventoryWidget() override { return this; }
    YardItemAnswer TakeFinishedItem(const CYardItem& item) override {
        ++sends;
        lastItem = &item.item;
        if (refuse)
            return YardItemAnswer::Refused;
        if (item.owned != nullptr)
            m_doc.AddItem(std::move(*item.owned), this);
        return YardItemAnswer::Taken;
    }
    void RedisplayHeadings() override {}

    // Drops item (null: none was dragged) on the yard, as the inventory's tree does.
    void DropOn(CYardWindow& yard, CInventoryElement* item) {
        if (item != nullptr && yard.TakeItemForChange(*item, m_doc))
            ++inventoryDropResults;
    }

    bool refuse = false;
    int sends = 0;
    int inventoryDropResults = 0;
    CInventoryElement* lastItem = nullptr;

private:
    CSidingWardDoc& m_doc;
};

} // namespace

class ClassificationViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stateEnabling_data();
    void stateEnabling();
    void labelsFromHeadings();
    void listFilling_data();
    void listFilling();
    void finishedComposesItem();
    void finishedWithEmptyList();
    void cancelReturnsToIdle();
    void buildOverHeldItem_data();
    void buildOverHeldItem();
    void registration();
    void sendToInventory_data();
    void sendToInventory();
    void sendChoosesAmongSeveral();
    void takeItem_data();
    void takeItem();
    void takenItemGoneAtFinish();
    void inventoryDrop_data();
    void inventoryDrop();
    void unregisterCancelsChange();
    void itemNumberRefusesCharacters();
    void commandsFollowState();
    void popupStartsABuild();
    void chooseDialog();
    void frameHasNoClose();
    void progressWaitPolls();
    void narrowFormScrolls();
    void longTreeLinesScroll();
    void longHeadingWidensTheWindow();
    void screenshots();

private:
    enum class State { Idle, Building, Changing, Finished };
    void EnterState(State state);
    QComboBox* List(int attribute) const {
        return m_view->findChild<QComboBox*>(QStringLiteral("attribute%1").arg(attribute));
    }
    QPushButton* Button(const char* name) const {
        return m_view->findChild<QPushButton*>(QLatin1String(name));
    }
    QLineEdit* ItemNumber() const {
        return m_view->findChild<QLineEdit*>(QStringLiteral("itemNumber"));
    }
    void Select(int attribute, const QString& text) {
        QComboBox* list = List(attribute);
        const int index = list->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        list->setCurrentIndex(index);
    }
    std::unique_ptr<CInventoryElement> InventoryItem() const;

    CFixedClock m_clock{CDate{2024, 5, 17}};
    std::unique_ptr<CClassificationDoc> m_yard;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CClassificationView> m_view;
    CSidingWardDoc m_inventory;
    std::unique_ptr<CFakeInventoryView> m_inventoryView;
};

void ClassificationViewTest::init() {
    m_yard = std::make_unique<CClassificationDoc>(m_clock);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        m_yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
        if (CValueList* values = m_yard->GetValueList(attribute)) {
            *values = {std::string("b") + std::to_string(attribute),
                       std::string("A") + std::to_string(attribute)};
        }
    }
    // The listing and the wizard have tests of their own (YardAssistantsTest).
    m_yard->SetUseManufacturerFile(false);
    m_yard->SetUseWizard(false);
    m_yard->SetModifiedFlag(false);
    m_messages = std::make_unique<CMessageRecorder>();
    m_view = std::make_unique<CClassificationView>(*m_yard, m_clock, *m_messages);
    m_view->resize(700, 450);
    m_inventory.SetTitle("Freight");
    m_inventoryView = std::make_unique<CFakeInventoryView>(m_inventory);
}

void ClassificationViewTest::cleanup() {
    m_view.reset();
    m_inventoryView.reset();
    while (m_inventory.GetItemCount() > 0)
        m_inventory.RemoveItem(m_inventory.GetItemAt(0), nullptr);
    m_yard.reset();
}

std::unique_ptr<CInventoryElement> ClassificationViewTest::InventoryItem() const {
    auto item = std::make_unique<CInventoryElement>();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        item->SetAttributeText(attribute, std::string("b") + std::to_string(attribute));
    item->SetItemNumber("9-1");
    item->SetComments("old comments");
    item->SetPicture("/pictures/car.png");
    return item;
}

void ClassificationViewTest::EnterState(State state) {
    switch (state) {
    case State::Idle:
        break;
    case State::Building:
        QTest::mouseClick(Button("build"), Qt::LeftButton);
        break;
    case State::Changing: {
        m_inventory.AddItem(InventoryItem(), nullptr);
        m_view->TakeItemForChange(*m_inventory.GetItemAt(0), m_inventory);
        break;
    }
    case State::Finished:
        QTest::mouseClick(Button("build"), Qt::LeftButton);
        QTest::mouseClick(Button("finished"), Qt::LeftButton);
        break;
    }
}

void ClassificationViewTest::stateEnabling_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("building");
    QTest::addColumn<bool>("treeHoldsItem");
    QTest::addColumn<bool>("dragEnabled");
    QTest::newRow("idle") << int(State::Idle) << false << false << false;
    QTest::newRow("building") << int(State::Building) << true << false << false;
    QTest::newRow("changing") << int(State::Changing) << true << true << false;
    QTest::newRow("finished") << int(State::Finished) << false << true << true;
}

void ClassificationViewTest::stateEnabling() {
    QFETCH(int, state);
    QFETCH(bool, building);
    QFETCH(bool, treeHoldsItem);
    QFETCH(bool, dragEnabled);
    EnterState(static_cast<State>(state));
    QCOMPARE(m_view->IsBuildInProgress(), building);
    QCOMPARE(Button("build")->isEnabled(), !building);
    for (const char* name : {"finished", "cancel", "itemNumberButton"})
        QCOMPARE(Button(name)->isEnabled(), building);
    QCOMPARE(ItemNumber()->isEnabled(), building);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != static_cast<int>(Attribute::ItemNumber))
            QCOMPARE(List(attribute)->isEnabled(), building);
    }
    QCOMPARE(m_view->Tree()->HoldsItem(), treeHoldsItem);
    QCOMPARE(m_view->Tree()->topLevelItemCount(), treeHoldsItem ? 1 : 0);
    QCOMPARE(m_view->Tree()->IsDragEnabled(), dragEnabled);
    QCOMPARE(m_messages->Count(), 0);
}

void ClassificationViewTest::labelsFromHeadings() {
    QCOMPARE(m_yard->GetTitle(), std::string("The Classification Yard"));
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute == static_cast<int>(Attribute::ItemNumber))
            continue;
        const auto labels = m_view->findChildren<QLabel*>();
        const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* candidate) {
            return candidate->buddy() == List(attribute);
        });
        QVERIFY(label != labels.end());
        QCOMPARE((*label)->text(), QStringLiteral("H") + QLatin1String(AttributeName(attribute)));
    }
    QCOMPARE(Button("itemNumberButton")->text(), QStringLiteral("HItem Number"));
    // A changed heading reaches the labels and the tree lines on the next update.
    m_yard->SetHeading(5, "Gauge & Scale");
    EnterState(State::Finished);
    m_yard->UpdateAllViews(nullptr);
    const QLabel* scale = nullptr;
    for (QLabel* label : m_view->findChildren<QLabel*>())
        if (label->buddy() == List(5))
            scale = label;
    // The "&" shows as itself, not as the mark of a shortcut letter.
    QCOMPARE(scale->text(), QStringLiteral("Gauge && Scale"));
    QCOMPARE(m_view->Tree()->topLevelItem(0)->child(4)->text(0),
             QStringLiteral("Gauge & Scale: A5"));
}

void ClassificationViewTest::listFilling_data() {
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("shown");
    const QStringList mixed = {QStringLiteral("caboose"), QStringLiteral("Boxcar"),
                               QStringLiteral("boxcab"), QStringLiteral("Auto rack")};
    const QStringList alphabetical = {QStringLiteral("Auto rack"), QStringLiteral("boxcab"),
                                      QStringLiteral("Boxcar"), QStringLiteral("caboose")};
    for (const int attribute : {0, 1, 3, 4, 5, 6, 7, 12, 13})
        QTest::addRow("sorted %d", attribute) << attribute << mixed << alphabetical;
    const QStringList years = {QStringLiteral("2024"), QStringLiteral("2023"),
                               QStringLiteral("1999")};
    const QStringList amounts = {QStringLiteral("0.00"), QStringLiteral("1.00"),
                                 QStringLiteral("10.00"), QStringLiteral("2.00")};
    QTest::newRow("date built") << 8 << years << years;
    QTest::newRow("purchase date") << 9 << years << years;
    QTest::newRow("purchase price") << 10 << amounts << amounts;
    QTest::newRow("current value") << 11 << amounts << amounts;
    QTest::newRow("empty") << 4 << QStringList() << QStringList();
}

void ClassificationViewTest::listFilling() {
    QFETCH(int, attribute);
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);
    CValueList* list = m_yard->GetValueList(attribute);
    list->clear();
    for (const QString& value : values)
        list->push_back(text::ToBytes(value).value());
    m_yard->UpdateAllViews(nullptr);
    QStringList entries;
    for (int index = 0; index < List(attribute)->count(); ++index)
        entries << List(attribute)->itemText(index);
    QCOMPARE(entries, shown);
    QCOMPARE(List(attribute)->currentIndex(), shown.isEmpty() ? -1 : 0);
}

void ClassificationViewTest::finishedComposesItem() {
    QTest::mouseClick(Button("build"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget() == List(1) || !m_view->isActiveWindow(), true);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute != static_cast<int>(Attribute::ItemNumber))
            Select(attribute, QStringLiteral("b%1").arg(attribute));
    }
    QTest::keyClicks(ItemNumber(), QStringLiteral("  17-a "));
    QTest::mouseClick(Button("finished"), Qt::LeftButton);
    const CInventoryElement* item = m_view->Tree()->GetHeldItem();
    QVERIFY(item != nullptr);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const std::string expected = attribute == static_cast<int>(Attribute::ItemNumber)
                                         ? std::string("  17-a ")
                                         : "b" + std::to_string(attribute);
        QCOMPARE(item->GetAttributeText(attribute), expected);
    }
    QCOMPARE(item->GetEntryYear(), 2024);
    QCOMPARE(item->GetEntryMonth(), 5);
    QCOMPARE(item->GetEntryDay(), 17);
    QCOMPARE(item->GetComments(), std::string());
    QCOMPARE(item->GetPicture(), std::string());
    // Root: Body Classification; lines in their fixed order with "heading: value".
    const QTreeWidgetItem* root = m_view->Tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("b0"));
    QCOMPARE(root->childCount(), 13);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("HManufacturer: b1"));
    QCOMPARE(root->child(9)->text(0), QStringLiteral("HCurrent Value: b11"));
    QCOMPARE(root->child(10)->text(0), QStringLiteral("HPurchase Price: b10"));
    QCOMPARE(root->child(12)->text(0), QStringLiteral("HUser Defined 2: b13"));
    QCOMPARE(m_view->Tree()->currentItem(), root);
    // With no registered inventory nothing is sent and the item stays held.
    QCOMPARE(m_inventoryView->sends, 0);
}

void ClassificationViewTest::finishedWithEmptyList() {
    m_yard->GetValueList(6)->clear();
    m_yard->UpdateAllViews(nullptr);
    EnterState(State::Finished);
    QCOMPARE(m_view->Tree()->GetHeldItem()->GetCondition(), std::string());
    QCOMPARE(m_view->Tree()->GetHeldItem()->GetScale(), std::string("A5"));
}

void ClassificationViewTest::cancelReturnsToIdle() {
    EnterState(State::Building);
    QTest::mouseClick(Button("cancel"), Qt::LeftButton);
    QVERIFY(!m_view->IsBuildInProgress());
    QVERIFY(Button("build")->isEnabled());
    QVERIFY(!m_view->Tree()->HoldsItem());
    QCOMPARE(m_messages->Count(), 0);
    // Enter presses the default button, "Build....", and nothing while it is disabled.
    m_view->activateWindow();
    QTest::keyClick(m_view->Tree(), Qt::Key_Return);
    QVERIFY(m_view->IsBuildInProgress());
    QTest::keyClick(m_view->Tree(), Qt::Key_Return);
    QVERIFY(m_view->IsBuildInProgress());
}

void ClassificationViewTest::buildOverHeldItem_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("building");
    QTest::newRow("yes") << int(MessageAnswer::Yes) << true;
    QTest::newRow("no") << int(MessageAnswer::No) << false;
}

void ClassificationViewTest::buildOverHeldItem() {
    QFETCH(int, answer);
    QFETCH(bool, building);
    EnterState(State::Finished);
    m_messages->QueueAnswers({static_cast<MessageAnswer>(answer)});
    m_view->StartInventoryBuild();
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_messages->Last(), (CMessage{kReplaceText, captions::YardWarning(),
                                           MessageIcon::Question, MessageButtons::YesNo}));
    QCOMPARE(m_view->IsBuildInProgress(), building);
    QCOMPARE(m_view->Tree()->HoldsItem(), !building);
    QCOMPARE(m_view->Tree()->IsDragEnabled(), !building);
}

void ClassificationViewTest::registration() {
    CSidingWardDoc other;
    m_view->RegisterInventory(m_inventory);
    m_view->RegisterInventory(other);
    m_view->RegisterInventory(m_inventory);
    QCOMPARE(m_view->RegisteredInventories(), (std::vector<CSidingWardDoc*>{&m_inventory, &other}));
    QCOMPARE(m_inventory.GetClassificationYard(), static_cast<CCatalogue*>(m_yard.get()));
    QCOMPARE(other.GetClassificationYard(), static_cast<CCatalogue*>(m_yard.get()));
    m_view->UnregisterInventory(m_inventory);
    m_view->UnregisterInventory(m_inventory);
    QCOMPARE(m_view->RegisteredInventories(), (std::vector<CSidingWardDoc*>{&other}));
    m_view->UnregisterInventory(other);
}

void ClassificationViewTest::sendToInventory_data() {
    QTest::addColumn<bool>("refuse");
    QTest::newRow("accepted") << false;
    QTest::newRow("refused") << true;
}

void ClassificationViewTest::sendToInventory() {
    QFETCH(bool, refuse);
    m_inventoryView->refuse = refuse;
    bool chooserAsked = false;
    m_view->SetInventoryChooser([&](QWidget*, const std::vector<CSidingWardDoc*>&) {
        chooserAsked = true;
        return nullptr;
    });
    m_view->RegisterInventory(m_inventory);
    EnterState(State::Finished);
    QVERIFY(!chooserAsked);
    QCOMPARE(m_inventoryView->sends, 1);
    QCOMPARE(m_inventory.GetItemCount(), refuse ? 0 : 1);
    QCOMPARE(m_view->Tree()->HoldsItem(), refuse);
    if (!refuse) {
        QCOMPARE(m_inventory.GetItemAt(0), m_inventoryView->lastItem);
        QCOMPARE(m_inventory.GetItemAt(0)->GetEntryYear(), 2024);
    } else {
        QCOMPARE(m_view->Tree()->GetHeldItem(), m_inventoryView->lastItem);
        QVERIFY(m_view->Tree()->IsDragEnabled());
    }
    m_view->UnregisterInventory(m_inventory);
}

void ClassificationViewTest::sendChoosesAmongSeveral() {
    CSidingWardDoc second;
    second.SetTitle("Passenger");
    CFakeInventoryView secondView(second);
    std::vector<CSidingWardDoc*> offered;
    m_view->SetInventoryChooser([&](QWidget*, const std::vector<CSidingWardDoc*>& inventories) {
        offered = inventories;
        return &second;
    });
    m_view->RegisterInventory(m_inventory);
    m_view->RegisterInventory(second);
    m_view->RegisterInventory(second);
    EnterState(State::Finished);
    QCOMPARE(offered, (std::vector<CSidingWardDoc*>{&m_inventory, &second}));
    QCOMPARE(secondView.sends, 1);
    QCOMPARE(m_inventoryView->sends, 0);
    QCOMPARE(second.GetItemCount(), 1);
    while (second.GetItemCount() > 0)
        second.RemoveItem(second.GetItemAt(0), nullptr);
    m_view->UnregisterInventory(second);
    m_view->UnregisterInventory(m_inventory);
}

void ClassificationViewTest::takeItem_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("added");
    QTest::newRow("in catalogue, other case") << QStringLiteral("B5") << false;
    QTest::newRow("not in catalogue") << QStringLiteral("On30") << true;
}

void ClassificationViewTest::takeItem() {
    QFETCH(QString, scale);
    QFETCH(bool, added);
    auto owned = InventoryItem();
    owned->SetScale(text::ToBytes(scale).value());
    CInventoryElement* item = owned.get();
    m_inventory.AddItem(std::move(owned), nullptr);
    m_inventory.SetModifiedFlag(false);
    m_view->RegisterInventory(m_inventory);
    m_view->TakeItemForChange(*item, m_inventory);
    QVERIFY(m_view->IsBuildInProgress());
    QVERIFY(m_view->Tree()->IsTakenFromInventory());
    QCOMPARE(List(5)->currentText(), added ? scale : QStringLiteral("b5"));
    QCOMPARE(m_yard->GetValueList(5)->size(), added ? 3u : 2u);
    QCOMPARE(m_yard->IsModified(), added);
    QCOMPARE(ItemNumber()->text(), QStringLiteral("9-1"));
    QCOMPARE(List(3)->currentText(), QStringLiteral("b3"));

    Select(3, QStringLiteral("A3"));
    QTest::mouseClick(Button("finished"), Qt::LeftButton);
    // The inventory's own object was changed and sent back to it.
    QCOMPARE(m_inventory.GetItemAt(0), item);
    QCOMPARE(item->GetRoadName(), std::string("A3"));
    QCOMPARE(item->GetComments(), std::string("old comments"));
    QCOMPARE(item->GetPicture(), std::string("/pictures/car.png"));
    QCOMPARE(item->GetEntryYear(), 2024);
    QCOMPARE(m_inventoryView->sends, 1);
    QVERIFY(!m_view->Tree()->HoldsItem());
    m_view->UnregisterInventory(m_inventory);
}

void ClassificationViewTest::takenItemGoneAtFinish() {
    EnterState(State::Changing);
    CInventoryElement* item = m_inventory.GetItemAt(0);
    // The inventory hands its item on elsewhere while the yard changes it.
    m_inventory.AddItem(InventoryItem(), nullptr);
    m_inventory.RemoveItem(item, nullptr);
    QTest::mouseClick(Button("finished"), Qt::LeftButton);
    QCOMPARE(m_messages->Last(),
             (CMessage{QStringLiteral("This item cannot be located in the sending inventory.\n"
                                      "The operation will be canceled."),
                       captions::YardError(), MessageIcon::Critical, MessageButtons::Ok}));
    QVERIFY(!m_view->IsBuildInProgress());
    QVERIFY(!m_view->Tree()->HoldsItem());
}

void ClassificationViewTest::inventoryDrop_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("withItem");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("message");
    QTest::newRow("idle") << int(State::Idle) << true << true << QString();
    QTest::newRow("no dragged item") << int(State::Idle) << false << false << QString();
    QTest::newRow("during build") << int(State::Building) << true << false << kBuildInProgress;
    QTest::newRow("over finished, yes") << int(State::Finished) << true << true << kReplaceText;
}

void ClassificationViewTest::inventoryDrop() {
    QFETCH(int, state);
    QFETCH(bool, withItem);
    QFETCH(bool, taken);
    QFETCH(QString, message);
    EnterState(static_cast<State>(state));
    m_inventory.AddItem(InventoryItem(), nullptr);
    CInventoryElement* item = m_inventory.GetItemAt(m_inventory.GetItemCount() - 1);
    m_inventoryView->DropOn(*m_view, withItem ? item : nullptr);
    QCOMPARE(m_messages->Last().text, message);
    QCOMPARE(m_inventoryView->inventoryDropResults, taken ? 1 : 0);
    QCOMPARE(m_view->Tree()->IsTakenFromInventory(), taken);
    if (taken)
        QCOMPARE(m_view->Tree()->GetHeldItem(), item);
    QCOMPARE(m_view->IsBuildInProgress(), taken || state == int(State::Building));
}

void ClassificationViewTest::unregisterCancelsChange() {
    m_view->RegisterInventory(m_inventory);
    EnterState(State::Changing);
    const std::string road = m_inventory.GetItemAt(0)->GetRoadName();
    Select(3, QStringLiteral("A3"));
    m_view->UnregisterInventory(m_inventory);
    QVERIFY(!m_view->IsBuildInProgress());
    QVERIFY(!m_view->Tree()->HoldsItem());
    QVERIFY(!m_view->Tree()->IsTakenFromInventory());
    QCOMPARE(m_inventory.GetItemAt(0)->GetRoadName(), road);
}

void ClassificationViewTest::itemNumberRefusesCharacters() {
    EnterState(State::Building);
    QTest::keyClicks(ItemNumber(), QStringLiteral("12"));
    // The euro sign is one of the code page's; the kana is not and is refused.
    for (const QChar typed : {QChar(0x20AC), QChar(0x3042)})
        QTest::sendKeyEvent(QTest::Click, ItemNumber(), Qt::Key_unknown, QString(typed),
                            Qt::NoModifier);
    QCOMPARE(ItemNumber()->text(), QStringLiteral("12") + QChar(0x20AC));
    QCOMPARE(m_messages->Count(), 1);
    QVERIFY(m_messages->Last().text.contains(QChar(0x3042)));
    QCOMPARE(m_messages->Last().icon, MessageIcon::Critical);
}

void ClassificationViewTest::commandsFollowState() {
    using namespace CommandId;
    const auto update = [this](int id) {
        CCommandUpdate update(id);
        m_view->OnUpdateCommand(id, update);
        return update;
    };
    const auto text = [&update](int id) { return update(id).GetText().value_or(QString()); };
    QVERIFY(update(BuildItem).IsEnabled());
    QVERIFY(!update(YardFinish).IsEnabled());
    QCOMPARE(text(YardItemNumberBuilder), QStringLiteral("Use HItem Number Builder"));
    QCOMPARE(text(FileSave), QStringLiteral("&Save Classification Yard\tCtrl+S"));
    QVERIFY(update(CustomizeYard).IsEnabled());
    QVERIFY(!update(UseManufacturerFile).IsEnabled());
    QVERIFY(m_view->HandlesCommand(YardCancel));
    m_view->OnCommand(BuildItem);
    QVERIFY(m_view->IsBuildInProgress());
    QVERIFY(update(YardCancel).IsEnabled());
    QVERIFY(!update(BuildItem).IsEnabled());
    m_view->SetItemNumberBuilder([](QWidget*, const std::string& heading) {
        return std::optional<std::string>(heading == "HItem Number" ? "AB-12" : "wrong");
    });
    m_view->OnCommand(YardItemNumberBuilder);
    QCOMPARE(ItemNumber()->text(), QStringLiteral("AB-12"));
    m_view->OnCommand(YardFinish);
    // Held, but no inventory registered: nothing to send to.
    QVERIFY(!update(SendItemToInventory).IsEnabled());
    m_view->RegisterInventory(m_inventory);
    m_inventoryView->refuse = true;
    QVERIFY(update(SendItemToInventory).IsEnabled());
    QCOMPARE(text(SendItemToInventory), QStringLiteral("&Send Item to Inventory"));
    m_view->UnregisterInventory(m_inventory);

    // A finished change of an inventory's item names that inventory.
    m_messages->QueueAnswers({MessageAnswer::Yes});
    EnterState(State::Changing);
    QTest::mouseClick(Button("finished"), Qt::LeftButton);
    m_view->RegisterInventory(m_inventory);
    QCOMPARE(text(SendItemToInventory), QStringLiteral("Send to Freight"));
    m_view->UnregisterInventory(m_inventory);
}

// A right click on the form opens "Classification Modification" with the same
// actions as the Options menu; its mnemonic starts a build.
void ClassificationViewTest::popupStartsABuild() {
    CCommandRouter router;
    router.SetTarget(RouteLevel::View, m_view.get());
    CActionRegistry actions(router);
    actions.Register(CClassificationView::Commands());
    m_view->SetActions(&actions);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QStringList entries;
    QTimer::singleShot(0, this, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction* action : menu->actions())
            entries << action->text() + (action->isEnabled() ? QString() : u" (off)"_s);
        QTest::keyClick(menu, Qt::Key_B);
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4),
                            m_view->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(m_view.get(), &click);
    QCOMPARE(entries,
             (QStringList{u"&Build an Inventory Item"_s, u"&Finish the Build (off)"_s,
                          u"C&ancel the Build (off)"_s, u"&Customize Classification Yard"_s,
                          u"Use HManufacturer File (off)"_s, u"Use HItem Number Builder (off)"_s,
                          u"&Send Item to Inventory (off)"_s}));
    QVERIFY(m_view->IsBuildInProgress());
    m_view->SetActions(nullptr);
}

void ClassificationViewTest::chooseDialog() {
    CSidingWardDoc zeta;
    zeta.SetTitle("zeta");
    CSidingWardDoc alpha;
    alpha.SetTitle("Alpha");
    CMessageRecorder messages;
    CChooseInventoryDialog dialog({&zeta, &m_inventory, &alpha}, messages);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("inventories"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Alpha"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Freight"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("zeta"));
    QCOMPARE(list->currentRow(), 0);
    list->clearSelection();
    list->setCurrentRow(-1);
    dialog.accept();
    QCOMPARE(messages.Last(),
             (CMessage{QStringLiteral("Please select an Inventory!"), captions::Error(),
                       MessageIcon::Critical, MessageButtons::Ok}));
    QVERIFY(dialog.GetChosen() == nullptr);
    list->setCurrentRow(2);
    dialog.accept();
    QCOMPARE(dialog.GetChosen(), &zeta);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void ClassificationViewTest::frameHasNoClose() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("settings.ini"));
    {
        CAppSettings settings(ini);
        settings.SetYardState(YardWindowState::Maximized);
        CClassificationFrame frame(settings, *m_yard, new QWidget);
        QMdiSubWindow plain;
        QList<QAction*> expected = plain.systemMenu()->actions();
        QCOMPARE(expected.takeLast()->text(), QStringLiteral("&Close"));
        QVERIFY(expected.takeLast()->isSeparator());
        QCOMPARE(frame.systemMenu()->actions().size(), expected.size());
        for (QAction* action : frame.systemMenu()->actions())
            QVERIFY(!action->isSeparator() && action->text() != QStringLiteral("&Close"));
        frame.show();
        // Its title bar has no close box to press.
        QStyleOptionTitleBar bar;
        bar.initFrom(&frame);
        bar.titleBarFlags = frame.windowFlags();
        bar.subControls = QStyle::SC_All;
        bar.rect = QRect(0, 0, 400, 24);
        const QRect closeBox = frame.style()->subControlRect(
            QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarCloseButton, &frame);
        QVERIFY(closeBox.isValid());
        QVERIFY(frame.style()->hitTestComplexControl(QStyle::CC_TitleBar, &bar, closeBox.center(),
                                                     &frame) != QStyle::SC_TitleBarCloseButton);
        QVERIFY(frame.isMaximized());
        QVERIFY(!frame.close());
        frame.showMinimized();
    }
    CAppSettings settings(ini);
    QCOMPARE(settings.YardState(), YardWindowState::Minimized);
}

void ClassificationViewTest::progressWaitPolls() {
    int polls = 0;
    int raised = 0;
    CProgressWindow::WaitWhile(
        nullptr, QStringLiteral("Please wait"), [&] { return polls++ < 3; }, [&] { ++raised; }, 1);
    QCOMPARE(polls, 4);
    QCOMPARE(raised, 1);
    // Nothing to wait for: no window, no priority change.
    CProgressWindow::WaitWhile(
        nullptr, QStringLiteral("Please wait"), [] { return false; }, [&] { ++raised; }, 1);
    QCOMPARE(raised, 1);
    CProgressWindow window(QStringLiteral("steps"), 30);
    for (const int expected : {30, 60, 90, 20}) {
        window.StepIt();
        QCOMPARE(window.Value(), expected);
    }
}

void ClassificationViewTest::narrowFormScrolls() {
    // Opened at the size it asks for before it first shows, the whole form is seen.
    m_view->resize(m_view->sizeHint());
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    auto* scroller = m_view->findChild<QScrollArea*>();
    QVERIFY(scroller);
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    QVERIFY(!scroller->verticalScrollBar()->isVisible());
    // Tiled beside two inventories on a small screen.
    m_view->resize(300, 250);
    QCoreApplication::processEvents();
    QVERIFY(scroller->horizontalScrollBar()->isVisible());
    QVERIFY(scroller->verticalScrollBar()->isVisible());
    for (QLabel* label : m_view->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
    QVERIFY(Button("comments")->width() >= Button("comments")->sizeHint().width());
}

void ClassificationViewTest::longTreeLinesScroll() {
    m_yard->SetHeading(5, "Track Gauge and Scale Designation of the Model");
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    EnterState(State::Finished);
    QTreeWidget* tree = m_view->Tree();
    tree->expandAll();
    QCoreApplication::processEvents();
    // The whole line, value included, can be brought into view.
    QVERIFY(tree->header()->sectionSize(0) > tree->viewport()->width());
    QVERIFY(tree->horizontalScrollBar()->maximum() > 0);
}

void ClassificationViewTest::longHeadingWidensTheWindow() {
    QMdiArea area;
    area.resize(1000, 700);
    auto* view = new CClassificationView(*m_yard, m_clock, *m_messages);
    QMdiSubWindow* frame = area.addSubWindow(view);
    frame->resize(frame->sizeHint());
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const int before = frame->width();
    m_yard->SetHeading(1, "Manufacturer or importer of the model as printed on the box");
    m_yard->UpdateAllViews(nullptr, 0);
    QCoreApplication::processEvents();
    QVERIFY(frame->width() > before);
    auto* scroller = view->findChild<QScrollArea*>();
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    QVERIFY(area.viewport()->rect().contains(frame->geometry()));
    // Wider than the area allows: as wide as the area, and the form scrolls.
    m_yard->SetHeading(1, std::string(300, 'M'));
    m_yard->UpdateAllViews(nullptr, 0);
    QCoreApplication::processEvents();
    QCOMPARE(frame->width(), area.viewport()->width());
    QVERIFY(scroller->horizontalScrollBar()->isVisible());
    delete frame;
}

void ClassificationViewTest::screenshots() {
    const QString dir = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
    QDir().mkpath(dir);
    m_view->show();
    QVERIFY(m_view->grab().save(dir + QStringLiteral("/yard-idle.png")));
    EnterState(State::Finished);
    QVERIFY(m_view->grab().save(dir + QStringLiteral("/yard-finished.png")));
    m_messages->QueueAnswers({MessageAnswer::Yes});
    EnterState(State::Building);
    QVERIFY(m_view->grab().save(dir + QStringLiteral("/yard-building.png")));
}

QTEST_MAIN(ClassificationViewTest)
#include "ClassificationViewTest.moc"
