#include "ui/inventory/SidingWardView.h"

#include <algorithm>

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/AttributeIcon.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/quickfacts/BreakdownCommands.h"
#include "ui/quickfacts/QuickFactsDialog.h"
#include "ui/support/InventoryBench.h"
#include "ui/support/InventoryFixture.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/TestHelpers.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

using namespace CommandId;

class SidingWardViewTest : public QObject, private CInventoryFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void emptyInventoryShowsOnlyTheRoot() {
        Open({});
        QCOMPARE(Model().rowCount(), 1);
        QCOMPARE(Model().Label(Root()), QStringLiteral("Freight.inv"));
        QCOMPARE(Model().rowCount(Root()), 0);
        QCOMPARE(m_view->findChild<QLabel*>(QStringLiteral("count"))->text(), QStringLiteral("0"));
        QCOMPARE(m_view->SelectedNode(), Root());
        for (const int command : {ExpandInventory, CollapseInventory}) {
            QVERIFY(m_bench->Run(command));
            QCOMPARE(m_view->SelectedNode(), Root());
        }
        QCOMPARE(Root().data(CInventoryTreeModel::AttributeRole).toInt(), 15);
    }

    void itemNodesAreAlphabeticalWithTiesInDocumentOrder() {
        Open({"box", "100", "Caboose", "25", "Box", "abc", "BOX", "\xC9tat", "Zulu"});
        QCOMPARE(ChildLabels(Root()), ((L({"100", "25", "abc", "box", "Box", "BOX", "Caboose"})
                                        << QString::fromUtf8("\xC3\x89tat") << S("Zulu"))));
        // Equal labels keep document order: the first "box" is the document's first item.
        QCOMPARE(Model().ItemOf(ItemNode(3)), m_doc->GetItemAt(0));
        QCOMPARE(Model().ItemOf(ItemNode(5)), m_doc->GetItemAt(6));
        QAbstractItemModelTester tester(&Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_view->ExpandAll();
        m_view->SortBy(1);
    }

    void detailLinesFollowTheFlagsAndSkipTheSortAttribute_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("image");
        QTest::newRow("all, by body")
            << QString()
            << L({"HManufacturer: b1", "HItem Number: b2", "HRoadName: b3", "HPaint Scheme: b4",
                  "HScale: b5", "HCondition: b6", "HOriginal Box: b7", "HDate Built: b8",
                  "HPurchase Date: b9", "HPurchase Price: b10", "HCurrent Value: b11",
                  "HUser Defined 1: b12", "HUser Defined 2: b13"})
            << 0;
        QTest::newRow("two, by road name")
            << QStringLiteral("10010000000000,3") << L({"HBody Classification: Tank"}) << 3;
        QTest::newRow("only the sort attribute")
            << QStringLiteral("00000100000000,5") << QStringList{} << 5;
    }

    void detailLinesFollowTheFlagsAndSkipTheSortAttribute() {
        QFETCH(QString, settings);
        QFETCH(QStringList, lines);
        QFETCH(int, image);
        if (!settings.isEmpty())
            m_bench->settings->SetViewSettings(QStringLiteral("Freight.inv"), settings);
        Open({"Tank"});
        QCOMPARE(ChildLabels(ItemNode(0)), lines);
        QCOMPARE(ItemNode(0).data(CInventoryTreeModel::AttributeRole).toInt(), image);
        // The data of every node below the root is the item.
        for (int row = 0; row < Model().rowCount(ItemNode(0)); ++row)
            QCOMPARE(Model().ItemOf(Model().index(row, 0, ItemNode(0))), m_doc->GetItemAt(0));
    }

    void viewSettingsValue_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("sort");
        QTest::newRow("road name") << S("11111111111111,3") << true << S("11111111111111") << 3;
        QTest::newRow("whole number")
            << S("11111111111111,12") << true << S("11111111111111") << 12;
        QTest::newRow("digits then text")
            << S("10101010101010,7x") << true << S("10101010101010") << 7;
        QTest::newRow("other digits set")
            << S("29000000000000,1") << true << S("11000000000000") << 1;
        QTest::newRow("no number") << S("11111111111111,") << true << S("11111111111111") << 0;
        QTest::newRow("out of range") << S("11111111111111,14") << true << S("11111111111111") << 0;
        QTest::newRow("negative") << S("11111111111111,-2") << true << S("11111111111111") << 0;
        QTest::newRow("comma early") << S("1111111111111,3") << false << S("") << 0;
        QTest::newRow("comma late") << S("111111111111111,3") << false << S("") << 0;
        QTest::newRow("first comma counts") << S("1111,111111111,3") << false << S("") << 0;
        QTest::newRow("empty") << S("") << false << S("") << 0;
    }

    void viewSettingsValue() {
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        QFETCH(QString, flags);
        QFETCH(int, sort);
        CSidingWardView::DetailFlags parsed{};
        int attribute = -1;
        QCOMPARE(CSidingWardView::ParseViewSettings(value, parsed, attribute), accepted);
        if (!accepted)
            return;
        QCOMPARE(attribute, sort);
        QCOMPARE(CSidingWardView::FormatViewSettings(parsed, attribute),
                 flags + QLatin1Char(',') + QString::number(sort));
    }

    void settingsAreReadAtStartAndWrittenUnderTheCurrentTitle() {
        m_bench->settings->SetViewSettings(QStringLiteral("Freight.inv"),
                                           QStringLiteral("11111111111111,12"));
        Open({"b", "a"});
        QCOMPARE(m_doc->GetSortAttribute(), 12);
        m_view->SortBy(3);
        m_doc->SetTitle("Renamed.inv");
        m_view.reset();
        QCOMPARE(m_bench->settings->ViewSettings(QStringLiteral("Renamed.inv")),
                 QStringLiteral("11111111111111,3"));
        QCOMPARE(m_bench->settings->ViewSettings(QStringLiteral("Freight.inv")),
                 QStringLiteral("11111111111111,12"));
    }

    void aBadSettingsValueShowsEverythingByBodyClassification() {
        m_bench->settings->SetViewSettings(QStringLiteral("Freight.inv"),
                                           QStringLiteral("0000000000000,3"));
        m_doc->SetSortAttribute(5);
        Open({"b", "a"});
        QCOMPARE(m_doc->GetSortAttribute(), 0);
        QCOMPARE(Model().rowCount(ItemNode(0)), 13);
        // Without a re-sort: the document keeps its order.
        QCOMPARE(m_doc->GetItemAt(0)->GetBodyClassification(), std::string("b"));
    }

    void expandAndCollapseKeepTheSelectionRules_data() {
        QTest::addColumn<int>("selectLevel");
        QTest::addColumn<int>("expectedLevel");
        QTest::newRow("nothing") << -1 << 0;
        QTest::newRow("root") << 0 << 0;
        QTest::newRow("item") << 1 << 1;
        QTest::newRow("detail") << 2 << 1;
    }

    void expandAndCollapseKeepTheSelectionRules() {
        QFETCH(int, selectLevel);
        QFETCH(int, expectedLevel);
        Open({"a", "b"});
        for (const int command : {ExpandInventory, CollapseInventory}) {
            QModelIndex node;
            if (selectLevel == 0)
                node = Root();
            else if (selectLevel >= 1)
                node = ItemNode(1);
            if (selectLevel == 2)
                node = Model().index(4, 0, node);
            m_view->Tree()->selectionModel()->clearSelection();
            if (node.isValid())
                m_view->SelectNode(node);
            QVERIFY(m_bench->Run(command));
            const QModelIndex selected = m_view->SelectedNode();
            QCOMPARE(int(CInventoryTreeModel::LevelOf(selected)), expectedLevel);
            if (expectedLevel == 1)
                QCOMPARE(selected, ItemNode(1));
            QCOMPARE(m_view->Tree()->isExpanded(ItemNode(0)), command == ExpandInventory);
            QVERIFY(m_view->Tree()->isExpanded(Root()));
            QCOMPARE(m_view->IsExpanded(), command == ExpandInventory);
        }
    }

    void sortCommandsSortAndRebuild() {
        m_doc->AddItem(CInventoryBench::Item({"x", "Lionel", "", "Santa Fe"}), nullptr);
        m_doc->AddItem(CInventoryBench::Item({"y", "Atlas", "", "Erie"}), nullptr);
        m_view = m_bench->MakeView(*m_doc);
        QVERIFY(m_bench->Run(SortByFirst + 3));
        QCOMPARE(m_doc->GetSortAttribute(), 3);
        QCOMPARE(ChildLabels(Root()), (L({"Erie", "Santa Fe"})));
        QCOMPARE(m_doc->GetItemAt(0)->GetRoadName(), std::string("Erie"));
        QCOMPARE(m_bench->Text(SortByFirst + 3), QStringLiteral("HRoadName"));
        m_bench->yard->SetHeading(4, "Paint & Scheme");
        QCOMPARE(m_bench->Text(SortByFirst + 4), QStringLiteral("Paint && Scheme"));
    }

    void inventoryDetailsDialog_data() {
        QTest::addColumn<bool>("clearAll");
        QTest::addColumn<int>("lines");
        QTest::newRow("two boxes cleared") << false << 11;
        QTest::newRow("none checked is refused") << true << 13;
    }

    void inventoryDetailsDialog() {
        QFETCH(bool, clearAll);
        QFETCH(int, lines);
        Open({"a"});
        m_bench->yard->SetHeading(4, "Paint & Scheme");
        AnswerDialog<CInventoryDetailsDialog>(this, [this, clearAll](CInventoryDetailsDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Inventory Details"));
            QCOMPARE(d->Box(6)->text(), QStringLiteral("HCondition"));
            // A heading is shown as written, not as a shortcut marker.
            QCOMPARE(d->Box(4)->text(), QStringLiteral("Paint && Scheme"));
            for (int k = 0; k < kAttributeCount; ++k) {
                QVERIFY(d->Box(k)->isChecked());
                if (clearAll || k == 1 || k == 2)
                    d->Box(k)->setChecked(false);
            }
            d->accept();
            if (clearAll) {
                QVERIFY(d->isVisible());
                QCOMPARE(m_bench->messages.Last(),
                         (CMessage{QStringLiteral("No Inventory details selected!"),
                                   captions::Error(), MessageIcon::Critical, MessageButtons::Ok}));
                d->reject();
            }
        });
        QVERIFY(m_bench->Run(InventoryDetails));
        QCOMPARE(Model().rowCount(ItemNode(0)), lines);
    }

    void signalAnimationSwingsUpAndBack() {
        Open({});
        QCOMPARE(m_view->AnimationTimer()->interval(), 10000);
        QVERIFY(m_view->AnimationTimer()->isActive());
        QList<int> frames{m_view->VisibleSignalFrame()};
        for (int tick = 0; tick < 9; ++tick) {
            m_view->AnimateSignal();
            frames << m_view->VisibleSignalFrame();
        }
        QCOMPARE(frames, (QList<int>{1, 1, 2, 3, 2, 1, 2, 3, 2, 1}));
    }

    void registersOnceAndUnregistersWithTheLastView() {
        Open({});
        QCOMPARE(m_bench->yardView->RegisteredInventories(),
                 (std::vector<CSidingWardDoc*>{m_doc.get()}));
        QCOMPARE(m_doc->GetClassificationYard(), static_cast<CCatalogue*>(m_bench->yard.get()));
        auto second = m_bench->MakeView(*m_doc);
        QCOMPARE(m_bench->yardView->RegisteredInventories().size(), std::size_t(1));
        second.reset();
        QCOMPARE(m_bench->yardView->RegisteredInventories().size(), std::size_t(1));
        m_view.reset();
        QVERIFY(m_bench->yardView->RegisteredInventories().empty());
    }

    void withoutAYardRegistrationFailsAndTheViewGoesOn() {
        Open({"a"}, false);
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{QStringLiteral("Could not register document with Classification Yard"),
                           captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(Model().rowCount(Root()), 1);
        QVERIFY(m_bench->Run(BuildItem));
        QCOMPARE(Model().Label(Model().index(0, 0, ItemNode(0))),
                 QStringLiteral("Manufacturer: b1"));
    }

    void aNewItemDroppedFromTheYardIsTaken() {
        Open({"b"});
        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        auto otherView = m_bench->MakeView(other);
        // With two inventories and no choice made the new item stays in the yard.
        m_bench->yardView->SetInventoryChooser(
            [](QWidget*, const std::vector<CSidingWardDoc*>&) -> CSidingWardDoc* {
                return nullptr;
            });
        m_bench->yardView->StartBuild();
        m_bench->yardView->FinishBuild();
        CFerroRSTreeCtrl* tree = m_bench->yardView->Tree();
        CInventoryElement* built = tree->GetHeldItem();
        QVERIFY(built != nullptr);
        QCOMPARE(PressOnTheYardTree(), built);
        m_doc->SetModifiedFlag(false);
        m_bench->yardView->DeliverDraggedItem(*m_view);
        QCOMPARE(m_doc->GetItemCount(), 2);
        QCOMPARE(m_doc->GetItemAt(1), built);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_view->CurrentItem(), built);
        QCOMPARE(m_view->CountText(), QStringLiteral("2"));
        QVERIFY(!tree->HoldsItem());
        QCOMPARE(tree->GetDraggedItem(), nullptr);
        QCOMPARE(other.GetItemCount(), 0);
        QVERIFY(m_bench->messages.Recorded().isEmpty());
        otherView.reset();
    }

    void anItemOfAnotherInventoryDroppedFromTheYardIsRefused() {
        Open({"b"});
        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        CInventoryBench::Fill(other, {"x"});
        auto otherView = m_bench->MakeView(other);
        CInventoryElement* item = other.GetItemAt(0);
        otherView->SelectItem(item);
        QVERIFY(m_bench->Run(SendToYard));
        CFerroRSTreeCtrl* tree = m_bench->yardView->Tree();
        QCOMPARE(tree->GetHeldItem(), item);
        QCOMPARE(PressOnTheYardTree(), item);
        m_doc->SetModifiedFlag(false);
        m_bench->yardView->DeliverDraggedItem(*m_view);
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{QStringLiteral("The finished rolling stock originated in another "
                                          "inventory file and cannot be added here!"),
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(m_doc->GetItemCount(), 1);
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(m_view->CountText(), QStringLiteral("1"));
        // The yard keeps the item; the drag is over.
        QCOMPARE(tree->GetHeldItem(), item);
        QCOMPARE(tree->GetDraggedItem(), nullptr);
        QCOMPARE(other.GetItemAt(0), item);
        m_bench->yardView->CancelBuild();
        otherView.reset();
    }

    void aCutMessageCutsTheSelectedItem_data() {
        QTest::addColumn<int>("row"); // -1 the root
        QTest::addColumn<QStringList>("left");
        QTest::newRow("item") << 0 << L({"b"});
        QTest::newRow("root: nothing") << -1 << L({"a", "b"});
    }

    void aCutMessageCutsTheSelectedItem() {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        Open({"b", "a"});
        m_view->SelectNode(Node(row, -1));
        m_view->CutSelectedItem();
        QCOMPARE(ChildLabels(Root()), left);
        QCOMPARE(m_doc->GetItemCount(), static_cast<int>(left.size()));
        QCOMPARE(m_view->CountText(), QString::number(left.size()));
        QCOMPARE(m_bench->yard->HasClipboardItem(), row >= 0);
        if (row >= 0)
            QCOMPARE(m_bench->yard->TakeClipboardItem()->GetBodyClassification(), std::string("a"));
    }

    void redisplayTakesNewHeadingsWithoutSorting() {
        Open({"b", "a"});
        m_bench->yard->SetHeading(1, "Maker");
        m_view->RedisplayHeadings();
        QCOMPARE(Model().Label(Model().index(0, 0, ItemNode(0))), QStringLiteral("Maker: b1"));
        QCOMPARE(m_doc->GetItemAt(0)->GetBodyClassification(), std::string("b"));
    }

    // Another window's change shows here at its alphabetical place; the document's
    // order, which the file keeps, is the order the changes made.
    void changesOfAnotherViewShowWithoutReordering() {
        Open({"b"});
        auto other = m_bench->MakeView(*m_doc);
        m_doc->AddItem(CInventoryBench::Item({"a"}), other.get());
        QCOMPARE(ChildLabels(Root()), (L({"a", "b"})));
        QCOMPARE(m_doc->GetItemAt(0)->GetBodyClassification(), std::string("b"));
        QCOMPARE(m_view->CountText(), QStringLiteral("2"));
    }

    void layoutRuleKeepsTwentyPixels() {
        Open({});
        m_view->resize(500, 400);
        const QRect tree = m_view->Tree()->geometry();
        QCOMPARE(tree.right() + 1, 500 - 20);
        QCOMPARE(tree.bottom() + 1, 400 - 20);
    }

    void commandEnablingFollowsTheSelection_data() {
        QTest::addColumn<int>("select"); // -1 nothing, 0 root, 1 item, 2 detail
        QTest::addColumn<bool>("items");
        QTest::addColumn<bool>("selectedRule");
        QTest::addColumn<bool>("selectedItemsRule");
        QTest::newRow("nothing") << -1 << true << false << false;
        QTest::newRow("root") << 0 << true << false << true;
        QTest::newRow("item") << 1 << true << true << true;
        QTest::newRow("detail") << 2 << true << true << true;
        QTest::newRow("empty root") << 0 << false << false << false;
    }

    void commandEnablingFollowsTheSelection() {
        QFETCH(int, select);
        QFETCH(bool, items);
        QFETCH(bool, selectedRule);
        QFETCH(bool, selectedItemsRule);
        Open(items ? std::vector<std::string>{"a"} : std::vector<std::string>{});
        m_view->Tree()->selectionModel()->clearSelection();
        if (select == 0)
            m_view->SelectNode(Root());
        else if (select >= 1)
            m_view->SelectNode(select == 1 ? ItemNode(0) : Model().index(0, 0, ItemNode(0)));
        for (const int id : {EditCut, EditCopy, ChangeCondition, ChangeCurrentValue, SendToYard})
            QCOMPARE(m_bench->Enabled(id), selectedRule);
        for (const int id : {EditDelete, IntegrityCheck, DollarGainLoss, PercentGainLoss})
            QCOMPARE(m_bench->Enabled(id), selectedItemsRule);
        for (const int id :
             {EditFind, WorstPerformer, BestPerformer, TotalExpenditures, TotalAssetValue})
            QCOMPARE(m_bench->Enabled(id), items);
        for (const int id : {ExpandInventory, CollapseInventory, InventoryDetails, ItemCountTotal,
                             BuildItem, SortByFirst})
            QVERIFY(m_bench->Enabled(id));
        // Features still to come, and those whose dialogs the view was not given,
        // are shown but never enabled.
        for (const int id :
             {ExportInventory, ImportInventory, ChangeComments, ChangePicture, ViewItemComments,
              ViewItemPicture, ExpendituresByManufacturer, CustomReport, ViewAsList, FilePrint})
            QVERIFY(!m_bench->Enabled(id));
        QVERIFY(!m_bench->Enabled(EditPaste));
    }

    void yardBuildAndClipboardGateTheirCommands() {
        Open({"a"});
        m_view->SelectNode(ItemNode(0));
        QVERIFY(m_bench->Enabled(SendToYard));
        QVERIFY(m_bench->Run(BuildItem));
        QVERIFY(m_bench->yardView->IsBuildInProgress());
        QVERIFY(!m_bench->Enabled(BuildItem));
        QVERIFY(!m_bench->Enabled(SendToYard));
        m_bench->yardView->CancelBuild();
        QVERIFY(!m_bench->Enabled(EditPaste));
        m_bench->yard->SetClipboardItem(*m_doc->GetItemAt(0));
        QVERIFY(m_bench->Enabled(EditPaste));
    }

    void menuTextsCarryTheHeadings_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("condition") << ChangeCondition << S("&Maintain HCondition");
        QTest::newRow("current value") << ChangeCurrentValue << S("M&aintain HCurrent Value");
        QTest::newRow("comments") << ChangeComments << S("Ma&intain Comments");
        QTest::newRow("picture") << ChangePicture << S("Mai&ntain Picture");
        QTest::newRow("expenditures by date")
            << ExpendituresByPurchaseDate << S("by &HPurchase Date");
        QTest::newRow("asset value by maker") << AssetValueByManufacturer << S("by &HManufacturer");
        QTest::newRow("count by body")
            << ItemCountByBodyClassification << S("by &HBody Classification");
        QTest::newRow("cut") << EditCut << S("Cu&t\tCtrl+X");
        QTest::newRow("picture") << ViewItemPicture << S("View Item &Picture");
        QTest::newRow("item count") << ItemCountTotal << S("&Total");
    }

    void menuTextsCarryTheHeadings() {
        QFETCH(int, id);
        QFETCH(QString, text);
        Open({"a"});
        QCOMPARE(m_bench->Text(id), text);
    }

    void breakdownEntriesShowTheirReports_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("attribute");
        const auto row = [](const char* name, int id, BreakdownMeasure measure, int attribute) {
            QTest::newRow(name) << id << static_cast<int>(measure) << attribute;
        };
        row("expenditures by date", ExpendituresByPurchaseDate, BreakdownMeasure::Expenditures, -1);
        row("expenditures by maker", ExpendituresByManufacturer, BreakdownMeasure::Expenditures, 1);
        row("expenditures by body", ExpendituresByBodyClassification,
            BreakdownMeasure::Expenditures, 0);
        row("asset value by date", AssetValueByPurchaseDate, BreakdownMeasure::AssetValue, -1);
        row("asset value by maker", AssetValueByManufacturer, BreakdownMeasure::AssetValue, 1);
        row("asset value by body", AssetValueByBodyClassification, BreakdownMeasure::AssetValue, 0);
        row("count by maker", ItemCountByManufacturer, BreakdownMeasure::ItemCount, 1);
        row("count by body", ItemCountByBodyClassification, BreakdownMeasure::ItemCount, 0);
    }

    // Each "by" entry opens the results of its own breakdown: the title, the
    // headings and the rows the model gives, as the list shows them.
    void breakdownEntriesShowTheirReports() {
        QFETCH(int, id);
        QFETCH(int, measure);
        QFETCH(int, attribute);
        QPrinter printer;
        CBreakdownCommands commands([&printer]() -> QPrinter& { return printer; }, m_bench->clock);
        m_bench->breakdowns = &commands;
        const std::vector<std::vector<std::string>> items{
            {"Boxcar", "Lionel", "1", "r", "p", "O", "c", "Yes", "1990", "2001", "12.00", "15.50"},
            {"Caboose", "Atlas", "2", "r", "p", "HO", "c", "No", "1991", "1999", "7.25", "3.00"},
            {"boxcar", "Lionel", "3", "r", "p", "N", "c", "No", "1992", "2001", "100.00", "90.00"}};
        for (const auto& values : items)
            m_doc->AddItem(CInventoryBench::Item(values), nullptr);
        m_view = m_bench->MakeView(*m_doc);
        const auto kind = static_cast<BreakdownMeasure>(measure);
        const CBreakdownTable expected =
            attribute < 0
                ? CBreakdownTable::ByPurchaseYear(*m_doc, kind, m_bench->yard.get())
                : CBreakdownTable::ByAttribute(*m_doc, kind, attribute, m_bench->yard.get());
        QStringList title;
        QList<QStringList> shown;
        CModalAnswerer modals;
        modals.QueueFor<CQuickFactsDialog>([&](CQuickFactsDialog* dialog) {
            const QTreeWidget* list = dialog->List();
            title << dialog->windowTitle() << list->headerItem()->text(0)
                  << list->headerItem()->text(1);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                shown << QStringList{list->topLevelItem(row)->text(0),
                                     list->topLevelItem(row)->text(1)};
            dialog->reject();
        });
        QVERIFY(m_bench->Run(id));
        QCOMPARE(modals.Pending(), 0);
        QCOMPARE(title, (QStringList{text::FromBytes(expected.GetTitle()),
                                     text::FromBytes(expected.GetColumnHeadings()[0]),
                                     text::FromBytes(expected.GetColumnHeadings()[1])}));
        QList<QStringList> rows;
        for (const CQuickFactsRow& row : expected.GetRows())
            rows << QStringList{text::FromBytes(row.key), text::FromBytes(row.value)};
        QCOMPARE(shown, rows);
        QVERIFY(rows.size() >= 2);
    }

    void contextMenuListsTheModificationEntries() {
        Open({"a"});
        m_view->SelectNode(ItemNode(0));
        // A right click in the tree opens the popup; its entries are the menu bar's
        // actions, shown without key texts.
        QStringList entries;
        bool sameActions = true;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QCOMPARE(menu->title(), QStringLiteral("Inventory Modification"));
            for (QAction* action : menu->actions()) {
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (!action->isSeparator())
                    sameActions &= m_bench->actions->Action(action->data().toInt()) == action;
            }
            menu->close();
        });
        QWidget* viewport = m_view->Tree()->viewport();
        const QPoint at = m_view->Tree()->visualRect(ItemNode(0)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &click);
        QVERIFY(sameActions);
        QCOMPARE(m_bench->actions->Action(EditCut)->text(), S("Cu&t\tCtrl+X"));
        QCOMPARE(entries, (L({"&Build an Inventory Item",
                              "&Send to Classification Yard",
                              "-",
                              "&Maintain HCondition",
                              "M&aintain HCurrent Value",
                              "Ma&intain Comments",
                              "Mai&ntain Picture",
                              "-",
                              "&View Item Comments",
                              "V&iew Item Picture",
                              "&Dollar Gain/Loss",
                              "&Percent Gain/Loss",
                              "-",
                              "Cu&t",
                              "&Copy",
                              "&Paste",
                              "-",
                              "&Find",
                              "-",
                              "&Delete"})));
    }

    void rightClickKeepsTheSelection() {
        Open({"a", "b"});
        m_view->SelectNode(ItemNode(1));
        const QRect first = m_view->Tree()->visualRect(ItemNode(0));
        QTest::mousePress(m_view->Tree()->viewport(), Qt::RightButton, {}, first.center());
        QCOMPARE(m_view->SelectedNode(), ItemNode(1));
    }

    // On a selected line every tree icon looks as it does on the window: no stroke
    // may vanish into the selection colour, as the blue "2" of User Defined 2 did.
    void treeIconsKeepTheirLookOnTheSelection() {
        Open({"a"});
        QList<QIcon> icons{qvariant_cast<QIcon>(Model().data(Root(), Qt::DecorationRole))};
        for (int attribute = 0; attribute < kAttributeCount; ++attribute)
            icons << AttributeIcon(attribute);
        const QPalette palette = m_view->Tree()->palette();
        QStringList faded;
        for (const int size : {16, 32}) {
            for (qsizetype k = 0; k < icons.size(); ++k) {
                const QPixmap normal = icons[k].pixmap(QSize(size, size), 1.0, QIcon::Normal);
                const QImage drawn = normal.toImage().convertToFormat(QImage::Format_ARGB32);
                const QImage onWindow = OnColour(normal, palette.color(QPalette::Base));
                const QImage onSelection =
                    OnColour(icons[k].pixmap(QSize(size, size), 1.0, QIcon::Selected),
                             palette.color(QPalette::Highlight));
                int differing = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const QColor a = onWindow.pixelColor(x, y);
                        const QColor b = onSelection.pixelColor(x, y);
                        if (qAlpha(drawn.pixel(x, y)) > 0 &&
                            std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                                      qAbs(a.blue() - b.blue())}) > 2)
                            ++differing;
                    }
                }
                if (differing > 0)
                    faded << QStringLiteral("icon %1 at %2 pixels: %3 differ")
                                 .arg(QString::number(k), QString::number(size),
                                      QString::number(differing));
            }
        }
        QCOMPARE(faded, QStringList());
    }

    // Hovering an item node whose item names a picture shows the picture's
    // thumbnail in the tool tip: the placeholder until it is made, then the
    // thumbnail itself. An item without a picture shows none.
    void hoveringAnItemShowsItsPicture() {
        QTemporaryDir pictures;
        const QString photo = pictures.filePath(S("loco.png"));
        QImage image(300, 150, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(photo));
        CThumbnailLoader loader(CThumbnailStore(pictures.filePath(S("cache")), S("test-1")));
        m_bench->thumbnails = &loader;
        CInventoryBench::Fill(*m_doc, {"Boxcar", "Hopper"});
        m_doc->GetItemAt(0)->SetPicture(*text::ToBytes(photo));
        m_view = m_bench->MakeView(*m_doc);
        QWidget* viewport = m_view->Tree()->viewport();
        // Settled as a window the user points at: an activation arriving later
        // would close the tip.
        QApplication::setActiveWindow(m_view.get());
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        const auto hover = [&](int row) {
            const QPoint pos = m_view->Tree()->visualRect(ItemNode(row)).center();
            QCursor::setPos(viewport->mapToGlobal(pos));
            QHelpEvent event(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
            QCoreApplication::sendEvent(viewport, &event);
        };
        hover(0);
        QVERIFY(QToolTip::text().contains(S("width=\"32\"")));
        QTRY_VERIFY(QToolTip::text().contains(S("width=\"128\" height=\"64\"")));
        QVERIFY(QToolTip::text().contains(S("data:image/png;base64,")));
        QVERIFY(QToolTip::text().contains(S("loco.png")));
        QToolTip::showText(viewport->mapToGlobal(QPoint(1, 1)), S("plain"), viewport);
        hover(1);
        QVERIFY(!QToolTip::text().contains(S("data:image")));
        m_view.reset();
        m_bench->thumbnails = nullptr;
    }

    void screenshots() {
        const QString dir = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        QDir().mkpath(dir);
        Open({"Boxcar", "Caboose", "Tank Car"});
        m_view->resize(460, 420);
        m_view->SelectNode(ItemNode(1));
        m_view->Tree()->expand(ItemNode(1));
        QVERIFY(m_view->grab().save(dir + QStringLiteral("/inventory-tree.png")));
        // The last line is User Defined 2's: its "2" on the selection colour.
        m_view->SelectNode(Detail(1, Model().rowCount(ItemNode(1)) - 1));
        QVERIFY(m_view->grab().save(dir + QStringLiteral("/inventory-tree-selected-line.png")));
        CInventoryDetailsDialog::Headings headings;
        for (int k = 0; k < kAttributeCount; ++k)
            headings[static_cast<std::size_t>(k)] = Model().Heading(k);
        CInventoryDetailsDialog details(m_view->GetDetailFlags(), headings, m_bench->messages);
        details.show();
        QVERIFY(details.grab().save(dir + QStringLiteral("/inventory-details.png")));
    }

private:
    static QImage OnColour(const QPixmap& icon, const QColor& colour) {
        QImage image(icon.size(), QImage::Format_RGB32);
        image.fill(colour);
        QPainter painter(&image);
        painter.drawPixmap(0, 0, icon);
        return image;
    }

    // The yard's tree starts a drag of what it holds (the press notes the dragged item).
    CInventoryElement* PressOnTheYardTree() {
        CFerroRSTreeCtrl* tree = m_bench->yardView->Tree();
        m_bench->yardView->show();
        if (!QTest::qWaitForWindowExposed(m_bench->yardView.get()))
            return nullptr;
        tree->SetDragEnabled(true);
        const QPoint root = tree->visualItemRect(tree->topLevelItem(0)).center();
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, root);
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, root);
        return tree->GetDraggedItem();
    }
};

QTEST_MAIN(SidingWardViewTest)
#include "SidingWardViewTest.moc"
