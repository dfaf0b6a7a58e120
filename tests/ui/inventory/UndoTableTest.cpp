#include <functional>
#include <map>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QtTest>

#include "model/yard/ClassificationDoc.h"
#include "support/ItemFields.h"
#include "ui/common/CommandIds.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryHistory.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/inventory/SidingWardView2.h"
#include "ui/support/InventoryFixture.h"
#include "ui/support/TestHelpers.h"

using namespace CommandId;
using namespace Qt::StringLiterals;

// Every change a user can make from the tree or the list, done, undone and redone
// with both windows open: the inventory and both windows come back exactly.
class UndoTableTest : public QObject, private CInventoryFixture {
    Q_OBJECT

private:
    std::unique_ptr<CSidingWardView2> m_list;
    std::unique_ptr<CInventoryHistory> m_history;
    CInventoryEditTarget* m_acting = nullptr;

    struct Snapshot {
        QStringList items; // every field of every item, in document order
        QStringList tree;  // the item nodes' labels, top to bottom
        QStringList list;  // the rows' first cells, top to bottom
        bool modified = false;
    };
    Snapshot Take() const {
        Snapshot shot;
        for (const auto& item : m_doc->GetItems()) {
            QStringList fields;
            for (const std::string& field : ItemFields(*item))
                fields << QString::fromStdString(field);
            shot.items << fields.join(u'|');
        }
        shot.tree = ItemLabels();
        const CInventoryListModel& rows = *m_list->Model();
        for (int row = 0; row < rows.rowCount(); ++row)
            shot.list << rows.data(rows.index(row, 0), Qt::DisplayRole).toString();
        shot.modified = m_doc->IsModified();
        return shot;
    }
    void Compare(const Snapshot& actual, const Snapshot& expected, bool listOrder) {
        QCOMPARE(actual.items, expected.items);
        QCOMPARE(actual.tree, expected.tree);
        // The tree shows what a fresh build of it shows.
        CInventoryTreeModel rebuilt(*m_doc);
        rebuilt.Rebuild(m_view->GetDetailFlags());
        QCOMPARE(Model().ItemsInTreeOrder(), rebuilt.ItemsInTreeOrder());
        QStringList list = actual.list, wanted = expected.list;
        if (!listOrder) {
            list.sort();
            wanted.sort();
        }
        QCOMPARE(list, wanted);
        QCOMPARE(actual.modified, expected.modified);
    }
    CInventoryElement* ItemCalled(const char* body) const {
        for (const auto& item : m_doc->GetItems()) {
            if (item->GetBodyClassification() == body)
                return item.get();
        }
        return nullptr;
    }
    void SelectC() { m_acting->SelectItem(ItemCalled("c")); }

    using Action = std::function<void()>;
    std::map<QString, Action> Actions() {
        return {
            {u"Delete"_s,
             [this] {
                 SelectC();
                 m_bench->messages.QueueAnswers({MessageAnswer::Yes});
                 QVERIFY(m_bench->Run(EditDelete));
             }},
            {u"Delete ALL"_s,
             [this] {
                 m_view->SelectNode(Root());
                 m_bench->messages.QueueAnswers({MessageAnswer::Yes});
                 QVERIFY(m_bench->Run(EditDelete));
             }},
            {u"Cut"_s,
             [this] {
                 SelectC();
                 QVERIFY(m_bench->Run(EditCut));
             }},
            {u"Paste"_s,
             [this] {
                 m_bench->yard->SetClipboardItem(*CInventoryBench::Item({"p", "m9"}));
                 QVERIFY(m_bench->Run(EditPaste));
             }},
            {u"Change Condition"_s,
             [this] {
                 SelectC();
                 AnswerDialog<CInventoryModificationDialog>(
                     this, [](CInventoryModificationDialog* dialog) {
                         dialog->ToList()->setCurrentIndex(1 - dialog->ToList()->currentIndex());
                         dialog->accept();
                     });
                 QVERIFY(m_bench->Run(ChangeCondition));
             }},
            {u"Change Current Value"_s,
             [this] {
                 SelectC();
                 AnswerDialog<CInventoryModificationDialog>(
                     this, [](CInventoryModificationDialog* dialog) {
                         dialog->ToList()->setCurrentText(u"A11"_s);
                         dialog->accept();
                     });
                 QVERIFY(m_bench->Run(ChangeCurrentValue));
             }},
            {u"Add from Yard"_s,
             [this] {
                 std::unique_ptr<CInventoryElement> owned = CInventoryBench::Item({"y"});
                 CInventoryElement& item = *owned;
                 auto* window = dynamic_cast<CInventoryWindow*>(m_acting);
                 QCOMPARE(window->TakeFinishedItem({item, &owned}), YardItemAnswer::Taken);
             }},
            {u"Change in Yard"_s,
             [this] {
                 // The yard has written its finished values into the item.
                 CInventoryElement* item = ItemCalled("c");
                 const CInventoryElement previous = *item;
                 item->SetBodyClassification("a2");
                 item->SetCurrentValue("a11");
                 auto* window = dynamic_cast<CInventoryWindow*>(m_acting);
                 QCOMPARE(window->TakeFinishedItem({*item, nullptr, &previous}),
                          YardItemAnswer::Taken);
             }},
            {u"Sort by HManufacturer"_s, [this] { m_view->SortBy(1); }},
        };
    }

private slots:
    void init() {
        SetUp();
        // Makers run against the bodies, so that sorting by them reorders the items.
        const std::vector<std::vector<std::string>> items = {
            {"d", "m1"}, {"b", "m2"}, {"e", "m3"}, {"c", "m4"}, {"a", "m5"}};
        for (const auto& values : items)
            m_doc->AddItem(CInventoryBench::Item(values), nullptr);
        m_view = m_bench->MakeView(*m_doc);
        m_list = m_bench->MakeListView(*m_doc);
        m_doc->SetModifiedFlag(false);
        m_history = std::make_unique<CInventoryHistory>(
            *m_doc, [this] { return dynamic_cast<CDocumentView*>(m_acting); });
    }
    void cleanup() {
        m_history.reset();
        m_list.reset();
        TearDown();
    }

    void everyChangeUndoesAndRedoes_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("inList");
        QTest::addColumn<QString>("selectedAfterUndo"); // in the acting window
        QTest::addColumn<QString>("history");           // of the changed item, when it has one
        for (const bool inList : {false, true}) {
            const QString window = inList ? u"list: "_s : u"tree: "_s;
            const auto row = [&](const QString& change, const QString& selected,
                                 const QString& history = {}) {
                QTest::newRow(qPrintable(window + change))
                    << change << inList << selected << history;
            };
            row(u"Delete"_s, u"c"_s);
            row(u"Cut"_s, u"c"_s);
            row(u"Paste"_s, QString());
            row(u"Change Condition"_s, u"c"_s);
            row(u"Add from Yard"_s, QString());
            // The first valuation also keeps the value replaced, on the entry date.
            row(u"Change Current Value"_s, u"c"_s, u"GWVH1;1962-03-01=b11;2026-12-08=A11"_s);
            row(u"Change in Yard"_s, u"c"_s, u"GWVH1;1962-03-01=b11;2026-12-08=a11"_s);
            if (!inList) {
                row(u"Delete ALL"_s, QString());
                row(u"Sort by HManufacturer"_s, QString());
            }
        }
    }

    void everyChangeUndoesAndRedoes() {
        QFETCH(QString, change);
        QFETCH(bool, inList);
        QFETCH(QString, selectedAfterUndo);
        QFETCH(QString, history);
        m_acting = inList ? static_cast<CInventoryEditTarget*>(m_list.get())
                          : static_cast<CInventoryEditTarget*>(m_view.get());
        m_bench->SetActive(dynamic_cast<CCommandTarget*>(m_acting));
        QAbstractItemModelTester treeTester(m_view->Model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester listTester(m_list->Model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        // An acting list puts a changed item's row at the end, and Undo leaves it there.
        const bool listOrder = !(inList && change.startsWith(u"Change"_s));

        const Snapshot before = Take();
        Actions().at(change)();
        const Snapshot after = Take();
        if (!history.isEmpty()) {
            QStringList histories;
            for (const auto& item : m_doc->GetItems()) {
                if (!item->GetReservedText1().empty())
                    histories << QString::fromStdString(item->GetReservedText1());
            }
            QCOMPARE(histories, QStringList{history});
        }
        QVERIFY(after.items != before.items || after.tree != before.tree);
        QVERIFY(after.modified);
        QCOMPARE(m_history->UndoText(), change);
        QVERIFY(!m_history->CanRedo());

        m_history->Undo();
        Compare(Take(), before, listOrder);
        QCOMPARE(m_history->RedoText(), change);
        if (!selectedAfterUndo.isEmpty()) {
            QVERIFY(m_acting->CurrentItem() != nullptr);
            QCOMPARE(QString::fromStdString(m_acting->CurrentItem()->GetBodyClassification()),
                     selectedAfterUndo);
        }

        m_history->Redo();
        Compare(Take(), after, listOrder);
        m_history->Undo();
        Compare(Take(), before, listOrder);

        // Saved after the change: the saved state is the clean one.
        m_history->Redo();
        QVERIFY(m_doc->OnSaveDocument(m_bench->dir->filePath(u"saved.inv"_s).toStdString())
                    .Succeeded());
        QVERIFY(!m_doc->IsModified());
        m_history->Undo();
        QVERIFY(m_doc->IsModified());
        m_history->Redo();
        QVERIFY(!m_doc->IsModified());
    }

    // A recovered inventory opens modified and stays so, however far it is undone.
    void aRecoveredInventoryIsNeverClean() {
        m_history.reset();
        m_doc->SetModifiedFlag(true);
        m_history = std::make_unique<CInventoryHistory>(*m_doc, [] { return nullptr; });
        m_view->SelectItem(m_doc->GetItemAt(0));
        m_bench->SetActive(m_view.get());
        QVERIFY(m_bench->Run(EditCut));
        m_history->Undo();
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->GetItemCount(), 5);
    }
};

QTEST_MAIN(UndoTableTest)
#include "UndoTableTest.moc"
