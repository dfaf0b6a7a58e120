#include "ui/inventory/SidingWardView2.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/support/InventoryBench.h"
#include "ui/support/InventoryFixture.h"
#include "ui/support/Screenshot.h"
#include "ui/support/TestHelpers.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

using namespace CommandId;

namespace {

constexpr int kBody = 0;
constexpr int kMaker = 1;
constexpr int kRoad = 3;
constexpr int kCondition = 6;
constexpr int kPrice = 10;

} // namespace

class SidingWardView2Test : public QObject, private CInventoryFixture {
    Q_OBJECT

private:
    std::unique_ptr<CSidingWardView2> m_list;

    // Items with these texts: {body, maker, road, price}; the other attributes "b<n>".
    void Add(const std::vector<std::array<std::string, 4>>& rows) {
        for (const auto& [body, maker, road, price] : rows) {
            auto item = CInventoryBench::Item();
            item->SetAttributeText(kBody, body);
            item->SetAttributeText(kMaker, maker);
            item->SetAttributeText(kRoad, road);
            item->SetAttributeText(kPrice, price);
            m_doc->AddItem(std::move(item), nullptr);
        }
    }
    void OpenList(bool withTree = false) {
        if (withTree)
            m_view = m_bench->MakeView(*m_doc);
        m_list = m_bench->MakeListView(*m_doc);
        m_list->resize(2300, 400); // every column in sight
        m_doc->SetModifiedFlag(false);
        m_bench->messages.Clear();
    }
    QStringList Column(int attribute) const {
        QStringList texts;
        const CInventoryListModel& model = *m_list->Model();
        const int column = model.FirstAttributeColumn() +
                           static_cast<int>(std::find(model.Attributes().begin(),
                                                      model.Attributes().end(), attribute) -
                                            model.Attributes().begin());
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.data(model.index(row, column), Qt::DisplayRole).toString();
        return texts;
    }
    void ClickHeader(int column) {
        QHeaderView* header = m_list->List()->horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

private slots:
    void init() { SetUp(); }
    void cleanup() {
        m_list.reset();
        TearDown();
    }

    void anEmptyInventoryShowsItsHeadingsAndNoRows() {
        OpenList();
        QAbstractItemModelTester tester(m_list->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m_list->Model()->rowCount(), 0);
        QCOMPARE(m_list->Model()->columnCount(), 14);
        QCOMPARE(m_list->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 S("HBody Classification"));
        QCOMPARE(m_list->List()->horizontalHeader()->sectionSize(0), 150);
        QCOMPARE(m_list->CountText(), S("0 of 0 items"));
        for (const int command : {EditFind, EditDelete, DollarGainLoss, ChangeCondition,
                                  SortByFirst, ExpandInventory, CollapseInventory})
            QVERIFY2(!m_bench->Enabled(command), qPrintable(QString::number(command)));
        QVERIFY(m_bench->Enabled(InventoryDetails));
        QVERIFY(m_bench->Enabled(ItemCountTotal));
    }

    // Each attribute has its own direction: its first click sorts descending. Money
    // sorts by its dollars, padded and never cut; equal rows keep their order; the
    // document keeps its own.
    void headerClicksSortWithADirectionPerAttribute() {
        Add({{"a", "lionel", "r1", "25.00"},
             {"b", "Atlas", "r2", "100000.00"},
             {"c", "LIONEL", "r3", "100.00"},
             {"d", "atlas", "r4", "99999.00"}});
        OpenList();
        ClickHeader(kPrice);
        QCOMPARE(Column(kPrice), L({"100000.00", "99999.00", "100.00", "25.00"}));
        ClickHeader(kPrice);
        QCOMPARE(Column(kPrice), L({"25.00", "100.00", "99999.00", "100000.00"}));
        // Equal rows keep the order they had: 25, 100, 99999, 100000.
        ClickHeader(kMaker);
        QCOMPARE(Column(kBody), L({"a", "c", "d", "b"}));
        ClickHeader(kRoad);
        QCOMPARE(Column(kRoad), L({"r4", "r3", "r2", "r1"}));
        ClickHeader(kMaker);
        QCOMPARE(Column(kBody), L({"d", "b", "c", "a"}));
        QCOMPARE(m_doc->GetItemAt(0)->GetBodyClassification(), std::string("a"));
        QVERIFY(!m_doc->IsModified());
    }

    // Find looks row by row, within a row column by column, only at shown cells and
    // shown rows, and does not wrap to the top.
    void findGoesRowByRowWithoutWrapping() {
        Add({{"Boxcar", "Lionel", "x", "1.00"},
             {"Caboose", "box co", "x", "2.00"},
             {"Hopper", "Atlas", "box", "3.00"}});
        OpenList();
        QCOMPARE(m_list->Search("BOX", false, false), 0);
        QCOMPARE(m_list->Search("box", false, true), 1);
        QCOMPARE(m_list->Search("box", false, true), 2);
        QCOMPARE(m_list->Search("box", false, true), -1);
        QCOMPARE(
            m_bench->messages.Last(),
            (CMessage{S("Search to end of inventory list.\nThe specified text was not found!"),
                      S("Gaugewright Search Result"), MessageIcon::Warning, MessageButtons::Ok}));
        QCOMPARE(m_list->CurrentRow(), 2);
        QCOMPARE(m_list->Search("box", true, false), 1);
        // Filtered: only the shown rows count.
        m_list->FilterField()->setText(S("hop"));
        QCOMPARE(m_list->Search("Lionel", false, false), -1);
    }

    // Change Condition puts the row at the end, selected, whatever the order; the
    // tree of the same inventory follows.
    void changeConditionMovesTheRowToTheEnd() {
        Add({{"a", "m", "r", "1.00"}, {"b", "m", "r", "2.00"}, {"c", "m", "r", "3.00"}});
        OpenList(true);
        m_bench->SetActive(m_list.get());
        ClickHeader(kBody); // c, b, a
        m_list->SelectRow(0);
        AnswerDialog<CInventoryModificationDialog>(this, [](CInventoryModificationDialog* d) {
            d->ToList()->setCurrentIndex(d->ToList()->findText(S("A6")));
            d->accept();
        });
        QVERIFY(m_bench->Run(ChangeCondition));
        QCOMPARE(Column(kBody), L({"b", "a", "c"}));
        QCOMPARE(m_list->CurrentRow(), 2);
        QCOMPARE(m_doc->GetItemAt(2)->GetCondition(), std::string("A6"));
        QVERIFY(m_doc->IsModified());
        QVERIFY(ChildLabels(Model().ItemIndex(m_doc->GetItemAt(2))).contains(S("HCondition: A6")));
    }

    // A change made in the tree rebuilds the list in the document's order, row 0
    // selected; the list's own sort is forgotten.
    // A delete in the tree takes the row out of the list, which keeps the order the
    // user sorted it in; its selection, which went with the row, goes to the next.
    void aChangeInTheTreeKeepsTheListsOrder() {
        Add({{"a", "m", "r", "1.00"}, {"b", "m", "r", "2.00"}, {"c", "m", "r", "3.00"}});
        OpenList(true);
        ClickHeader(kBody);
        QStringList expected = Column(kBody);
        QCOMPARE(expected.indexOf(S("b")), 1);
        expected.removeAll(S("b"));
        m_list->SelectRow(1);
        m_bench->SetActive(m_view.get());
        m_view->SelectItem(m_doc->GetItemAt(1));
        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(Column(kBody), expected);
        QCOMPARE(m_list->CurrentRow(), 1);
        QCOMPARE(m_list->CountText(), S("2 of 2 items"));
    }

    // The filter narrows the rows to those whose shown cells hold the text; the
    // commands work on the rows shown; Escape clears it.
    void theFilterNarrowsTheRowsTheCommandsSee() {
        Add({{"Boxcar", "Lionel", "x", "1.00"},
             {"Caboose", "Atlas", "x", "2.00"},
             {"Tank Car", "Atlas", "x", "3.00"},
             {"Hopper", "Kadee", "CAR", "4.00"}});
        // The tree is open too: it hears of the delete and updates the commands
        // while the list is the active window.
        OpenList(true);
        m_list->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_list.get()));
        m_list->List()->setFocus();
        QTest::keyClick(m_list->List(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(m_list->FilterField()->hasFocus());
        QTest::keyClicks(m_list->FilterField(), S("aTl"));
        QCOMPARE(Column(kBody), L({"Caboose", "Tank Car"}));
        QCOMPARE(m_list->CountText(), S("2 of 4 items"));
        m_list->SelectRow(1);
        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(m_bench->messages.Texts().last(),
                 S("Are you sure you want to delete inventory item Tank Car?"));
        QCOMPARE(m_doc->GetItemCount(), 3);
        QCOMPARE(ItemLabels(), L({"Boxcar", "Caboose", "Hopper"}));
        QCOMPARE(Column(kBody), L({"Caboose"}));
        QCOMPARE(m_list->CurrentItem(), m_doc->GetItemAt(1));
        QTest::keyClick(m_list->FilterField(), Qt::Key_Escape);
        QCOMPARE(m_list->FilterField()->text(), QString());
        QCOMPARE(m_list->CountText(), S("3 of 3 items"));
        m_list->FilterField()->setText(S("car"));
        QCOMPARE(Column(kBody), L({"Boxcar", "Hopper"}));
    }

    // The list carries out the tree's editing commands; it only has no sound on
    // Delete and Integrity Check, and works on its current row.
    void deleteAndIntegrityCheckSoundOnlyInTheTree_data() {
        QTest::addColumn<bool>("inList");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("sounds");
        const QString question = S("Are you sure you want to delete inventory item a?");
        const QString corrupted = S("a\nm\n\nItem integrity corrupted.\nOne or more attributes "
                                    "for this item are missing from the Classification Yard.");
        QTest::newRow("tree delete")
            << false << int(EditDelete) << question << QStringList{S("GAUGEDEL.WAV")};
        QTest::newRow("list delete") << true << int(EditDelete) << question << QStringList{};
        QTest::newRow("tree check")
            << false << int(IntegrityCheck) << corrupted << QStringList{S("GAUGEINT.WAV")};
        QTest::newRow("list check") << true << int(IntegrityCheck) << corrupted << QStringList{};
    }
    void deleteAndIntegrityCheckSoundOnlyInTheTree() {
        QFETCH(bool, inList);
        QFETCH(int, command);
        QFETCH(QString, message);
        QFETCH(QStringList, sounds);
        Add({{"a", "m", "r", "1.00"}, {"b", "m", "r", "2.00"}});
        OpenList(true);
        CInventoryElement* item = m_doc->GetItemAt(0);
        if (inList) {
            m_bench->SetActive(m_list.get());
            m_list->SelectRow(0);
        } else {
            m_bench->SetActive(m_view.get());
            m_view->SelectItem(item);
        }
        const bool deleted = command == EditDelete;
        if (deleted)
            m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(command));
        QCOMPARE(m_bench->messages.Texts().last(), message);
        QCOMPARE(m_bench->sounds.Played(), sounds);
        QCOMPARE(m_doc->GetItemCount(), deleted ? 1 : 2);
        QCOMPARE(m_list->Model()->rowCount(), deleted ? 1 : 2);
        QCOMPARE(m_list->CountText(), deleted ? S("1 of 1 items") : S("2 of 2 items"));
        QCOMPARE(m_list->CurrentRow(), 0);
    }

    // An item cut from the list is pasted into another inventory's tree at its
    // alphabetical place, and back into the list as its last row.
    void cutFromTheListPastesIntoATree() {
        Add({{"b", "m", "r", "1.00"}, {"c", "m", "r", "2.00"}});
        OpenList();
        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        CInventoryBench::Fill(other, {"a", "d"});
        auto tree = m_bench->MakeView(other);
        m_bench->SetActive(m_list.get());
        m_list->SelectRow(1);
        QVERIFY(m_bench->Run(EditCut));
        QCOMPARE(Column(kBody), L({"b"}));
        QCOMPARE(m_list->CurrentRow(), 0);
        m_bench->SetActive(tree.get());
        QVERIFY(m_bench->Run(EditPaste));
        QCOMPARE(other.GetItemCount(), 3);
        QCOMPARE(tree->Model()->Label(tree->SelectedNode()), S("c"));
        QCOMPARE(tree->Model()->index(1, 0, tree->Model()->RootIndex()), tree->SelectedNode());
        QVERIFY(m_bench->Run(EditCopy));
        m_bench->SetActive(m_list.get());
        QVERIFY(m_bench->Run(EditPaste));
        QCOMPARE(Column(kBody), L({"b", "c"}));
        QCOMPARE(m_list->CurrentRow(), 1);
        QVERIFY(m_doc->IsModified());
        tree.reset();
    }

    // An item finished in the yard joins the list's inventory at the end; an item
    // of another inventory is refused.
    void itemsFromTheYard() {
        Add({{"a", "m", "r", "1.00"}});
        OpenList();
        CClassificationView& yard = *m_bench->yardView;
        yard.StartBuild();
        yard.FinishBuild();
        QCOMPARE(m_doc->GetItemCount(), 2);
        QCOMPARE(m_list->Model()->rowCount(), 2);
        QCOMPARE(m_list->CurrentItem(), m_doc->GetItemAt(1));

        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        auto otherList = m_bench->MakeListView(other);
        m_bench->SetActive(m_list.get());
        CInventoryElement* item = m_doc->GetItemAt(0);
        m_list->SelectItem(item);
        QVERIFY(m_bench->Run(SendToYard));
        QCOMPARE(yard.Tree()->GetHeldItem(), item);
        yard.Tree()->DeliverHeldItem(*otherList);
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{S("The finished rolling stock originated in another inventory file "
                             "and cannot be added here!"),
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(other.GetItemCount(), 0);
        QCOMPARE(otherList->Model()->rowCount(), 0);
        // Back in its own inventory it is the last row.
        m_doc->SetModifiedFlag(false);
        yard.Tree()->DeliverHeldItem(*m_list);
        QCOMPARE(m_list->Model()->ShownItems().back(), item);
        QCOMPARE(m_list->CurrentItem(), item);
        QVERIFY(m_doc->IsModified());
        QVERIFY(!yard.Tree()->HoldsItem());
        otherList.reset();
    }

    // A double-click below the rows selects the last row in sight.
    void doubleClickBelowTheRowsSelectsTheLastVisibleRow() {
        Add({{"a", "m", "r", "1.00"}, {"b", "m", "r", "2.00"}, {"c", "m", "r", "3.00"}});
        OpenList();
        QWidget* viewport = m_list->List()->viewport();
        const QPoint below(10, viewport->height() - 5);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, below);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, below);
        QCOMPARE(m_list->CurrentRow(), 2);
        const QPoint onFirst = m_list->List()->visualRect(m_list->Model()->index(0, 1)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, onFirst);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, onFirst);
        QCOMPARE(m_list->CurrentRow(), 0);
    }

    // Show Pictures (the list's alone): a first column with each item's thumbnail,
    // the placeholder until it is made, rows tall enough for it; the choice is kept
    // for the inventory's next list.
    void showPicturesAddsAPictureColumn() {
        QTemporaryDir pictures;
        const QString photo = pictures.filePath(S("loco.png"));
        QImage image(400, 200, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(photo));
        CThumbnailLoader loader(CThumbnailStore(pictures.filePath(S("cache")), S("test-1")));
        m_bench->thumbnails = &loader;
        Add({{"Boxcar", "M", "R", "1.00"},
             {"Hopper", "M", "R", "2.00"},
             {"Tank", "M", "R", "3.00"}});
        m_doc->GetItemAt(0)->SetPicture(*text::ToBytes(photo));
        m_doc->GetItemAt(1)->SetPicture(*text::ToBytes(pictures.filePath(S("gone.png"))));
        m_view = m_bench->MakeView(*m_doc);
        QVERIFY(!m_bench->Enabled(ShowPictures));
        OpenList();
        QAbstractItemModelTester tester(m_list->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(m_bench->Run(ShowPictures));
        m_bench->actions->UpdateAction(ShowPictures);
        QVERIFY(m_bench->actions->Action(ShowPictures)->isChecked());
        const CInventoryListModel& model = *m_list->Model();
        QCOMPARE(model.columnCount(), 15);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), S("Picture"));
        QCOMPARE(Column(kBody), (QStringList{S("Boxcar"), S("Hopper"), S("Tank")}));
        QCOMPARE(m_list->ItemLabel(*m_doc->GetItemAt(0)), S("Boxcar"));
        const auto shown = [&model](int row) {
            return model.data(model.index(row, 0), Qt::DecorationRole)
                .value<QIcon>()
                .pixmap(64, 64)
                .size();
        };
        QCOMPARE(shown(0), QSize(32, 32));
        QSignalSpy changed(m_list->Model(), &QAbstractItemModel::dataChanged);
        QTRY_COMPARE(shown(0), QSize(64, 32));
        QVERIFY(!changed.isEmpty());
        QTRY_VERIFY(loader.IsReady(pictures.filePath(S("gone.png")), ThumbnailSize::Normal));
        QCOMPARE(shown(1), QSize(32, 32));
        QVERIFY(model.data(model.index(2, 0), Qt::DecorationRole).isNull());
        QVERIFY(m_list->List()->rowHeight(0) >= 64);

        m_list.reset();
        OpenList();
        QCOMPARE(m_list->Model()->columnCount(), 15);
        m_list.reset();
        m_view.reset();
        m_bench->thumbnails = nullptr;
    }

    void screenshots() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        QVERIFY(m_doc->OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        OpenList();
        m_list->resize(760, 360);
        ClickHeader(kMaker);
        QVERIFY(SaveScreenshot(*m_list, S("InventoryList.png")));
    }
};

QTEST_MAIN(SidingWardView2Test)
#include "SidingWardView2Test.moc"
