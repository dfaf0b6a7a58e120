#include "ui/inventory/InventoryEditCommands.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/FindDialog.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/support/InventoryBench.h"
#include "ui/support/InventoryFixture.h"
#include "ui/support/TestHelpers.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

using namespace CommandId;

namespace {

CMessage Warning(const QString& text) {
    return {text, captions::Warning(), MessageIcon::Question, MessageButtons::YesNo};
}

} // namespace

class InventoryEditCommandsTest : public QObject, private CInventoryFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void deleteAllAnsweredYesEmptiesTheInventory() {
        Open({"c", "a", "b"});
        m_view->SelectNode(Root());
        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(m_bench->messages.Recorded().value(0).message,
                 Warning(S("Are you sure you want to delete ALL inventory items?")));
        QCOMPARE(m_doc->GetItemCount(), 0);
        QCOMPARE(Model().rowCount(Root()), 0);
        QCOMPARE(m_view->CountText(), S("0"));
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_bench->log.Entries(),
                 (L({"message Are you sure you want to delete ALL inventory items?",
                     "sound GAUGEDEL.WAV"})));
    }

    void deleteAsksNamingTheItemNode_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("question");
        QTest::newRow("item node") << -1 << S("Are you sure you want to delete inventory item b?");
        QTest::newRow("detail line")
            << 3 << S("Are you sure you want to delete the entire inventory item b?");
    }

    void deleteAsksNamingTheItemNode() {
        QFETCH(int, line);
        QFETCH(QString, question);
        Open({"a", "b"});
        m_view->SelectNode(Node(1, line));
        m_bench->messages.QueueAnswers({MessageAnswer::No});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(m_bench->messages.Last(), Warning(question));
        QCOMPARE(m_doc->GetItemCount(), 2);
        QVERIFY(m_bench->sounds.Played().isEmpty());

        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(m_doc->GetItemCount(), 1);
        QCOMPARE(ItemLabels(), L({"a"}));
        QCOMPARE(m_view->CountText(), S("1"));
        QCOMPARE(m_bench->sounds.Played(), L({"GAUGEDEL.WAV"}));
    }

    void removingAnItemSelectsItsNeighbour_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("line"); // -1 the item node
        QTest::addColumn<QStringList>("labelsLeft");
        QTest::addColumn<QString>("selected"); // empty: the root
        QTest::newRow("delete a middle item")
            << int(EditDelete) << 3 << 1 << -1 << L({"a", "c"}) << S("c");
        QTest::newRow("delete from a middle line")
            << int(EditDelete) << 3 << 1 << 2 << L({"a", "c"}) << S("c");
        QTest::newRow("delete from the last item's line")
            << int(EditDelete) << 3 << 2 << 0 << L({"a", "b"}) << S("b");
        QTest::newRow("cut from the first item's line")
            << int(EditCut) << 3 << 0 << 5 << L({"b", "c"}) << S("b");
        QTest::newRow("delete the only item from a line")
            << int(EditDelete) << 1 << 0 << 1 << L({}) << QString();
    }

    // Whether the item node or one of its lines was selected, the commands that need
    // a selection stay usable on the item next to the one that went.
    void removingAnItemSelectsItsNeighbour() {
        QFETCH(int, command);
        QFETCH(int, itemCount);
        QFETCH(int, row);
        QFETCH(int, line);
        QFETCH(QStringList, labelsLeft);
        QFETCH(QString, selected);
        Open(itemCount == 1 ? std::vector<std::string>{"a"}
                            : std::vector<std::string>{"a", "b", "c"});
        m_view->ExpandAll();
        m_view->SelectNode(Node(row, line));
        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(command));
        QCOMPARE(ItemLabels(), labelsLeft);
        if (selected.isEmpty()) {
            QCOMPARE(m_view->SelectedNode(), Root());
        } else {
            QCOMPARE(m_view->SelectedNode(),
                     ItemNode(static_cast<int>(labelsLeft.indexOf(selected))));
            QVERIFY(m_view->CurrentItem() != nullptr);
        }
    }

    void deleteWithoutASelectionDeletesNothing() {
        Open({"a"});
        m_view->Tree()->selectionModel()->clearSelection();
        CInventoryEditCommands(*m_view).Delete();
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{S("Unable to determine inventory item to delete."),
                           captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(m_doc->GetItemCount(), 1);
        QVERIFY(m_bench->sounds.Played().isEmpty());
    }

    void cutADetailLineThenPasteItBackAsTheLastItem() {
        Open({"b", "a", "c"});
        QAbstractItemModelTester tester(&Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_view->ExpandAll();
        m_view->SelectNode(Detail(1, 0)); // a line of item "b"
        QVERIFY(m_bench->Run(EditCut));
        QCOMPARE(ItemLabels(), L({"a", "c"}));
        QCOMPARE(m_view->CountText(), S("2"));
        QVERIFY(m_bench->messages.Recorded().isEmpty());
        QVERIFY(m_bench->Run(EditPaste));
        QCOMPARE(m_doc->GetItemAt(2)->GetBodyClassification(), std::string("b"));
        QCOMPARE(ItemLabels(), L({"a", "b", "c"}));
        QCOMPARE(m_view->CurrentItem(), m_doc->GetItemAt(2));
        QCOMPARE(m_view->SelectedNode(), ItemNode(1));
    }

    void cutWithoutAClipboardKeepsTheItem() {
        CInventoryBench::Fill(*m_doc, {"a"});
        m_view = m_bench->MakeView(*m_doc, false);
        m_view->SelectNode(ItemNode(0));
        QVERIFY(m_bench->Run(EditCut));
        QCOMPARE(m_doc->GetItemCount(), 1);
        QCOMPARE(ItemLabels(), L({"a"}));
    }

    void threePastesAddThreeIndependentItems() {
        Open({"a"});
        m_doc->GetItemAt(0)->SetComments("kept");
        m_view->SelectNode(ItemNode(0));
        QVERIFY(m_bench->Run(EditCopy));
        QCOMPARE(m_doc->GetItemCount(), 1);
        for (int paste = 0; paste < 3; ++paste)
            QVERIFY(m_bench->Run(EditPaste));
        QCOMPARE(m_doc->GetItemCount(), 4);
        m_doc->GetItemAt(1)->SetCondition("changed");
        for (const int k : {0, 2, 3}) {
            QCOMPARE(m_doc->GetItemAt(k)->GetCondition(), std::string("b6"));
            QCOMPARE(m_doc->GetItemAt(k)->GetComments(), std::string("kept"));
        }
        QVERIFY(m_bench->yard->HasClipboardItem());
    }

    // Copy and Cut hand the desktop the item as text a spreadsheet takes: the
    // headings, then the values, each line separated by tabs.
    void copyAndCutPutTheItemOnTheDesktopClipboard_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("copy") << int(EditCopy);
        QTest::newRow("cut") << int(EditCut);
    }

    void copyAndCutPutTheItemOnTheDesktopClipboard() {
        QFETCH(int, command);
        CInventoryBench::Fill(*m_doc, {"zz"});
        m_doc->AddItem(CInventoryBench::Item({"Boxcar", "Lionel", "6464-1", "Caf\xE9 Line", "", "O",
                                              "Mint", "Yes", "1953", "12/24/1998", "$25.00"}),
                       nullptr);
        m_view = m_bench->MakeView(*m_doc);
        m_view->SelectNode(ItemNode(0));
        QCOMPARE(Model().Label(ItemNode(0)), S("Boxcar"));
        QGuiApplication::clipboard()->setText(S("before"));
        QVERIFY(m_bench->Run(command));
        QStringList headings;
        for (int attribute = 0; attribute < kAttributeCount; ++attribute)
            headings << S("H") + QLatin1String(AttributeName(attribute));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 headings.join(QLatin1Char('\t')) +
                     QStringLiteral(u"\nBoxcar\tLionel\t6464-1\tCaf\u00E9 Line\t\tO\tMint\tYes"
                                    u"\t1953\t12/24/1998\t$25.00\tb11\tb12\tb13\n"));
        QVERIFY(m_bench->yard->HasClipboardItem());
    }

    void searchWalksTheTree_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("findNext");
        QTest::addColumn<int>("startRow"); // -1 root, -2 nothing selected
        QTest::addColumn<int>("startLine");
        QTest::addColumn<int>("foundRow"); // -1 root, -3 not found
        QTest::addColumn<int>("foundLine");
        QTest::newRow("title selects the root")
            << S("ight.i") << false << false << 1 << -1 << -1 << -1;
        QTest::newRow("without match case") << S("abc") << false << false << -1 << -1 << 1 << 1;
        QTest::newRow("with match case") << S("abc") << true << false << -1 << -1 << -3 << -1;
        QTest::newRow("first from root") << S("HScale: b5") << false << false << -1 << -1 << 0 << 4;
        QTest::newRow("next after a collapsed item skips its lines")
            << S("HScale: b5") << false << true << 0 << -1 << 1 << 4;
        QTest::newRow("next after a line") << S("HScale: b5") << false << true << 0 << 4 << 1 << 4;
        QTest::newRow("last line starts at the root")
            << S("Freight") << false << true << 1 << 12 << -1 << -1;
        QTest::newRow("next from the last line, nothing left")
            << S("HScale: b5") << false << true << 1 << 12 << 0 << 4;
        QTest::newRow("nothing selected") << S("zulu") << false << true << -2 << -1 << 1 << -1;
        QTest::newRow("missing") << S("nowhere") << false << false << -1 << -1 << -3 << -1;
    }

    void searchWalksTheTree() {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, findNext);
        QFETCH(int, startRow);
        QFETCH(int, startLine);
        QFETCH(int, foundRow);
        QFETCH(int, foundLine);
        m_doc->AddItem(CInventoryBench::Item({"alpha"}), nullptr);
        m_doc->AddItem(CInventoryBench::Item({"Zulu", "", "ABC"}), nullptr);
        m_view = m_bench->MakeView(*m_doc);
        m_view->Tree()->selectionModel()->clearSelection();
        if (startRow >= -1)
            m_view->SelectNode(Node(startRow, startLine));
        const QModelIndex before = m_view->SelectedNode();
        const QModelIndex found = m_view->Search(text.toStdString(), matchCase, findNext);
        if (foundRow == -3) {
            QVERIFY(!found.isValid());
            QCOMPARE(
                m_bench->messages.Last(),
                (CMessage{S("Search to end of inventory list.\nThe specified text was not "
                            "found!"),
                          captions::SearchResult(), MessageIcon::Warning, MessageButtons::Ok}));
            // The box waits for the user without the wait cursor over it.
            QVERIFY(!m_bench->messages.Recorded().constLast().overrideCursor);
            QCOMPARE(m_view->SelectedNode(), before);
            return;
        }
        QCOMPARE(found, Node(foundRow, foundLine));
        QCOMPARE(m_view->SelectedNode(), found);
        QVERIFY(m_view->Tree()->isExpanded(foundLine >= 0 ? found.parent() : found) ||
                Model().rowCount(found) == 0);
        QVERIFY(m_bench->messages.Recorded().isEmpty());
    }

    void findDialogKeepsTheHistory() {
        Open({"alpha", "beta"});
        m_doc->GetSearchHistory() = {"beta", "lph"};
        AnswerDialog<CFindDialog>(this, [](CFindDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), S("Find"));
            QComboBox* text = dialog->TextBox();
            QCOMPARE(text->count(), 2);
            QCOMPARE(text->itemText(0), S("lph"));
            QCOMPARE(text->currentText(), S("lph"));
            QVERIFY(dialog->FindFirstButton()->isEnabled());
            QVERIFY(!dialog->MatchCaseBox()->isChecked());
            text->lineEdit()->selectAll();
            QTest::keyClick(text->lineEdit(), Qt::Key_Backspace);
            QVERIFY(!dialog->FindNextButton()->isEnabled());
            QTest::keyClicks(text->lineEdit(), S("bet"));
            QVERIFY(dialog->FindNextButton()->isEnabled());
            QTest::mouseClick(dialog->FindFirstButton(), Qt::LeftButton);
        });
        QVERIFY(m_bench->Run(EditFind));
        QCOMPARE(m_doc->GetSearchHistory(), (std::vector<std::string>{"beta", "lph", "bet"}));
        QCOMPARE(m_view->SelectedNode(), ItemNode(1));

        // Choosing an earlier text moves it to the end of the history.
        AnswerDialog<CFindDialog>(this, [](CFindDialog* dialog) {
            dialog->TextBox()->setCurrentIndex(2);
            QTest::mouseClick(dialog->FindNextButton(), Qt::LeftButton);
        });
        QVERIFY(m_bench->Run(EditFind));
        QCOMPARE(m_doc->GetSearchHistory(), (std::vector<std::string>{"lph", "bet", "beta"}));
    }

    void changeAttributeOffersTheYardValues_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("condition, sorted") << ChangeCondition << 6 << L({"A6", "b6", "c6"});
        QTest::newRow("current value, yard order")
            << ChangeCurrentValue << 11 << L({"b11", "A11", "c11"});
    }

    void changeAttributeOffersTheYardValues() {
        QFETCH(int, command);
        QFETCH(int, attribute);
        QFETCH(QStringList, entries);
        const std::string suffix = std::to_string(attribute);
        m_bench->yard->GetValueList(attribute)->push_back("c" + suffix);
        m_bench->settings->SetViewSettings(S("Freight.inv"),
                                           S("11111111111111,") + QString::number(attribute));
        CInventoryBench::Fill(*m_doc, {"x", "y"});
        m_doc->GetItemAt(1)->SetAttributeText(attribute, "B" + suffix);
        m_view = m_bench->MakeView(*m_doc);
        m_view->SelectNode(ItemNode(1)); // "B<n>" sorts after "b<n>"
        AnswerDialog<CInventoryModificationDialog>(this, [&](CInventoryModificationDialog* d) {
            QCOMPARE(d->windowTitle(), S("Maintain H") + S(AttributeName(attribute)));
            QCOMPARE(d->FromField()->text(), QString::fromStdString("B" + suffix));
            QVERIFY(d->FromField()->isReadOnly());
            QStringList shown;
            for (int k = 0; k < d->ToList()->count(); ++k)
                shown << d->ToList()->itemText(k);
            QCOMPARE(shown, entries);
            QCOMPARE(d->ToList()->currentText(), QString::fromStdString("b" + suffix));
            d->ToList()->setCurrentIndex(entries.indexOf(QString::fromStdString("A" + suffix)));
            d->accept();
        });
        QVERIFY(m_bench->Run(command));
        QCOMPARE(m_doc->GetItemAt(1)->GetAttributeText(attribute), "A" + suffix);
        QVERIFY(m_doc->IsModified());
        // The node moved to its new place and stays selected.
        QCOMPARE(m_view->SelectedNode(), ItemNode(0));
        QCOMPARE(m_view->CurrentItem(), m_doc->GetItemAt(1));
    }

    void changeWithAnEmptyListCannotBeConfirmed() {
        m_bench->yard->GetValueList(6)->clear();
        Open({"x"});
        m_view->SelectNode(ItemNode(0));
        AnswerDialog<CInventoryModificationDialog>(this, [](CInventoryModificationDialog* d) {
            QVERIFY(!d->OkButton()->isEnabled());
            d->accept();
            QVERIFY(d->isVisible());
            d->reject();
        });
        QVERIFY(m_bench->Run(ChangeCondition));
        QCOMPARE(m_doc->GetItemAt(0)->GetCondition(), std::string("b6"));
        QVERIFY(!m_doc->IsModified());
    }

    void integrityCheck_data() {
        QTest::addColumn<int>("row");         // -1 root
        QTest::addColumn<QString>("badBody"); // the body of the item that fails, or empty
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("selectedRow");
        const QString corrupted =
            S("Item integrity corrupted.\nOne or more attributes for this item are missing "
              "from the Classification Yard.");
        QTest::newRow("whole inventory ok")
            << -1 << QString() << S("Entire Inventory\n\nIntegrity OK") << S("GAUGEIOK.WAV") << -1;
        QTest::newRow("whole inventory stops at the first in tree order")
            << -1 << S("c") << S("c\nb1\n\n") + corrupted << S("GAUGEINT.WAV") << 1;
        QTest::newRow("item ok") << 0 << S("c") << S("b0\nb1\n\nItem integrity OK")
                                 << S("GAUGEIOK.WAV") << 0;
        QTest::newRow("item failed")
            << 2 << S("d") << S("d\nb1\n\n") + corrupted << S("GAUGEINT.WAV") << 2;
    }

    void integrityCheck() {
        QFETCH(int, row);
        QFETCH(QString, badBody);
        QFETCH(QString, text);
        QFETCH(QString, sound);
        QFETCH(int, selectedRow);
        // Tree order: b0, c, d; document order d, b0, c.
        Open({"d", "b0", "c"});
        if (!badBody.isEmpty()) {
            for (int k = 0; k < m_doc->GetItemCount(); ++k) {
                if (m_doc->GetItemAt(k)->GetBodyClassification() >= badBody.toStdString())
                    m_doc->GetItemAt(k)->SetScale("not in the yard");
            }
        } else {
            for (int k = 0; k < m_doc->GetItemCount(); ++k)
                m_doc->GetItemAt(k)->SetBodyClassification("b0");
            m_view->RebuildTree();
        }
        m_view->SelectNode(Node(row, -1));
        m_bench->log.Clear();
        QVERIFY(m_bench->Run(IntegrityCheck));
        QCOMPARE(m_bench->log.Entries(), (QStringList{S("sound ") + sound, S("message ") + text}));
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{text, S("Integrity Check"), MessageIcon::Warning, MessageButtons::Ok}));
        QCOMPARE(m_view->SelectedNode(), Node(selectedRow, -1));
    }

    void quickFactsAnswers_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("row"); // -1 root
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("inventory dollar")
            << DollarGainLoss << -1
            << S("Dollar Gain or Loss\n\nEntire Inventory\n\nLoss of: $-20.00")
            << L({"GAUGEWST.WAV"}) << -1;
        QTest::newRow("item dollar")
            << DollarGainLoss << 0 << S("Dollar Gain or Loss\n\na\nb1\n\nGain of: $20.00")
            << QStringList{} << 0;
        QTest::newRow("inventory percent")
            << PercentGainLoss << -1
            << S("Percent Gain or Loss\n\nEntire Inventory\n\nLoss of: %-0.13")
            << L({"GAUGEWST.WAV"}) << -1;
        QTest::newRow("best performer selects its item")
            << BestPerformer << -1 << S("The Best Performer\n\na\nb1\n\nGain of: $20.00")
            << L({"GAUGESTR.WAV"}) << 0;
        QTest::newRow("worst performer selects its item")
            << WorstPerformer << 0 << S("The Worst Performer\n\nb\nb1\n\nLoss of: $-40.00")
            << L({"GAUGEWST.WAV"}) << 1;
        QTest::newRow("expenditures")
            << TotalExpenditures << -1 << S("Entire Inventory\n\nTotal Expenditures: $150.00")
            << L({"GAUGECSH.WAV"}) << -1;
        QTest::newRow("asset value")
            << TotalAssetValue << -1 << S("Entire Inventory\n\nTotal Asset Value: $130.00")
            << L({"GAUGECSH.WAV"}) << -1;
        QTest::newRow("item count")
            << ItemCountTotal << -1 << S("Entire Inventory\n\nItem Count: 2") << QStringList{}
            << -1;
    }

    void quickFactsAnswers() {
        QFETCH(int, command);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QStringList, sounds);
        QFETCH(int, selectedRow);
        m_doc->AddItem(
            CInventoryBench::Item({"b", "b1", "", "", "", "", "", "", "", "", "50.00", "10.00"}),
            nullptr);
        m_doc->AddItem(
            CInventoryBench::Item({"a", "b1", "", "", "", "", "", "", "", "", "100.00", "120.00"}),
            nullptr);
        m_view = m_bench->MakeView(*m_doc);
        m_view->SelectNode(Node(row, -1));
        QVERIFY(m_bench->Run(command));
        QCOMPARE(m_bench->messages.Last().text, text);
        QCOMPARE(m_bench->messages.Last().icon, MessageIcon::Warning);
        QVERIFY(!m_bench->messages.Recorded().constLast().overrideCursor);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(m_bench->sounds.Played(), sounds);
        QCOMPARE(m_view->SelectedNode(), Node(selectedRow, -1));
    }

    void itemsTravelBetweenTheYardAndTheInventory() {
        Open({"a"});
        // A new item built in the yard goes to the only registered inventory.
        CClassificationView& yard = *m_bench->yardView;
        yard.StartBuild();
        yard.FinishBuild();
        QCOMPARE(m_doc->GetItemCount(), 2);
        QCOMPARE(m_view->CountText(), S("2"));
        QCOMPARE(m_view->CurrentItem(), m_doc->GetItemAt(1));
        QVERIFY(!yard.Tree()->HoldsItem());

        // Sent to the yard for changes and back: the same item, the inventory modified.
        m_doc->SetModifiedFlag(false);
        CInventoryElement* item = m_doc->GetItemAt(0);
        m_view->SelectNode(Model().ItemIndex(item));
        QVERIFY(m_bench->Run(SendToYard));
        QCOMPARE(yard.Tree()->GetHeldItem(), item);
        QVERIFY(yard.IsBuildInProgress());
        yard.FinishBuild();
        QCOMPARE(m_doc->GetItemCount(), 2);
        QVERIFY(m_doc->IsModified());
        QVERIFY(!yard.Tree()->HoldsItem());

        // Dropped on another inventory it is refused and stays in the yard.
        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        auto otherView = m_bench->MakeView(other);
        m_bench->SetActive(m_view.get());
        m_view->SelectNode(Model().ItemIndex(item));
        QVERIFY(m_bench->Run(SendToYard));
        yard.FinishBuild(); // two inventories: the taken item goes back only to its own
        QVERIFY(!yard.Tree()->HoldsItem());
        m_view->SelectNode(Model().ItemIndex(item));
        QVERIFY(m_bench->Run(SendToYard));
        m_bench->messages.Clear();
        yard.Tree()->DeliverHeldItem(*otherView);
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{S("The finished rolling stock originated in another inventory file "
                             "and cannot be added here!"),
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(other.GetItemCount(), 0);
        QCOMPARE(yard.Tree()->GetHeldItem(), item);
        yard.CancelBuild();
        otherView.reset();
    }

    void anItemTheInventoryDestroysLeavesTheYard_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("deleted") << S("delete");
        QTest::newRow("all deleted") << S("delete all");
        QTest::newRow("cut") << S("cut");
        QTest::newRow("cut and another pasted") << S("cut paste");
        QTest::newRow("moved to another inventory") << S("move");
    }

    void anItemTheInventoryDestroysLeavesTheYard() {
        QFETCH(QString, how);
        Open({"a", "b"});
        CSidingWardDoc other;
        other.SetTitle("Other.inv");
        auto otherView = m_bench->MakeView(other);
        m_bench->SetActive(m_view.get());
        CClassificationView& yard = *m_bench->yardView;
        CInventoryElement* item = m_doc->GetItemAt(1);
        m_view->SelectNode(Model().ItemIndex(item));
        QVERIFY(m_bench->Run(SendToYard));
        QCOMPARE(yard.Tree()->GetHeldItem(), item);
        QVERIFY(yard.IsBuildInProgress());

        m_view->SelectNode(how == S("delete all") ? Root() : Model().ItemIndex(item));
        if (how.startsWith(S("delete"))) {
            m_bench->messages.QueueAnswers({MessageAnswer::Yes});
            QVERIFY(m_bench->Run(EditDelete));
        } else if (how.startsWith(S("cut"))) {
            QVERIFY(m_bench->Run(EditCut));
        } else {
            otherView->TakeDroppedItem(*m_view->Tree());
            QCOMPARE(other.GetItemCount(), 1);
        }
        QVERIFY(!m_doc->ContainsItem(item));
        // The change in progress ends with a word to the user.
        QCOMPARE(m_bench->messages.Last(),
                 (CMessage{S("This item cannot be located in the sending inventory.\n"
                             "The operation will be canceled."),
                           captions::YardError(), MessageIcon::Critical, MessageButtons::Ok}));
        QVERIFY(!yard.Tree()->HoldsItem());
        QVERIFY(!yard.Tree()->IsTakenFromInventory());
        QCOMPARE(yard.Tree()->topLevelItemCount(), 0);
        QVERIFY(!yard.IsBuildInProgress());

        // A new item may take the freed place; the yard must not reach it either.
        if (how == S("cut paste"))
            QVERIFY(m_bench->Run(EditPaste));
        const int count = m_doc->GetItemCount();
        std::vector<std::string> bodies;
        for (int k = 0; k < count; ++k)
            bodies.push_back(m_doc->GetItemAt(k)->GetBodyClassification());
        m_doc->SetModifiedFlag(false);
        m_bench->messages.Clear();
        yard.FinishBuild();
        yard.OnDocumentUpdate(nullptr, 0);
        QCOMPARE(m_doc->GetItemCount(), count);
        for (int k = 0; k < count; ++k)
            QCOMPARE(m_doc->GetItemAt(k)->GetBodyClassification(),
                     bodies[static_cast<std::size_t>(k)]);
        QVERIFY(!m_doc->IsModified());
        QVERIFY(m_bench->messages.Recorded().isEmpty());
        otherView.reset();
    }

    void anItemOtherThanTheHeldOneLeavesTheYardAlone() {
        Open({"a", "b"});
        CClassificationView& yard = *m_bench->yardView;
        CInventoryElement* held = m_doc->GetItemAt(1);
        m_view->SelectNode(Model().ItemIndex(held));
        QVERIFY(m_bench->Run(SendToYard));
        m_view->SelectNode(Model().ItemIndex(m_doc->GetItemAt(0)));
        m_bench->messages.QueueAnswers({MessageAnswer::Yes});
        QVERIFY(m_bench->Run(EditDelete));
        QCOMPARE(yard.Tree()->GetHeldItem(), held);
        QVERIFY(yard.IsBuildInProgress());
        yard.CancelBuild();
    }

    void aDropFromTheYardWithoutADraggedItemDoesNothing() {
        Open({});
        m_bench->yardView->DeliverDraggedItem(*m_view);
        QCOMPARE(m_doc->GetItemCount(), 0);
        QVERIFY(m_bench->messages.Recorded().isEmpty());
    }

    void anInventoryDropMovesTheItem() {
        Open({"a", "b"});
        CSidingWardDoc target;
        target.SetTitle("Target.inv");
        auto targetView = m_bench->MakeView(target);
        m_view->SelectNode(Detail(1, 2));
        targetView->TakeDroppedItem(*m_view->Tree());
        QCOMPARE(ItemLabels(), L({"a"}));
        QCOMPARE(target.GetItemCount(), 1);
        QCOMPARE(target.GetItemAt(0)->GetBodyClassification(), std::string("b"));
        QVERIFY(m_doc->IsModified());
        QVERIFY(target.IsModified());
        QVERIFY(m_bench->yard->HasClipboardItem());
        QCOMPARE(targetView->CurrentItem(), target.GetItemAt(0));
        // With the source's root selected nothing moves and nothing old is pasted.
        m_view->SelectNode(Root());
        targetView->TakeDroppedItem(*m_view->Tree());
        QCOMPARE(target.GetItemCount(), 1);
        targetView.reset();
    }

    void draggingFollowsTheWindowUnderThePointer() {
        Open({"a", "b"});
        CSidingWardDoc target;
        target.SetTitle("Target.inv");
        auto targetView = m_bench->MakeView(target);
        // Side by side on the (small) offscreen screen.
        m_view->setGeometry(0, 0, 380, 280);
        targetView->setGeometry(400, 0, 380, 280);
        m_bench->yardView->setGeometry(0, 300, 780, 290);
        m_bench->yardView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QVERIFY(QTest::qWaitForWindowExposed(targetView.get()));
        QWidget* viewport = m_view->Tree()->viewport();
        const auto localOf = [viewport](QWidget* widget) {
            return viewport->mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
        };
        const QPoint start = m_view->Tree()->visualRect(ItemNode(1)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QVERIFY(m_view->Tree()->IsDragging());
        QCOMPARE(m_view->Tree()->GetDraggedItem(), m_doc->GetItemAt(1));
        const struct {
            QWidget* over;
            DragCursor cursor;
        } moves[] = {{m_bench->yardView->Tree()->viewport(), DragCursor::CrossOver},
                     {m_view->findChild<QLabel*>(S("count")), DragCursor::NoDrop},
                     {targetView->Tree()->viewport(), DragCursor::SameKind}};
        for (const auto& move : moves) {
            QTest::mouseMove(viewport, localOf(move.over));
            QCOMPARE(m_view->Tree()->CurrentDragCursor(), move.cursor);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, localOf(targetView->Tree()->viewport()));
        QVERIFY(!m_view->Tree()->IsDragging());
        QCOMPARE(m_view->Tree()->CurrentDragCursor(), DragCursor::None);
        QCOMPARE(target.GetItemCount(), 1);
        QCOMPARE(m_doc->GetItemCount(), 1);

        // Released over its own view, or without moving: nothing is sent.
        m_view->SelectNode(ItemNode(0));
        QTest::mousePress(viewport, Qt::LeftButton, {},
                          m_view->Tree()->visualRect(ItemNode(0)).center());
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, localOf(targetView->Tree()->viewport()));
        QTest::mousePress(viewport, Qt::LeftButton, {},
                          m_view->Tree()->visualRect(ItemNode(0)).center());
        QTest::mouseMove(viewport, localOf(m_view->findChild<QLabel*>(S("count"))));
        QTest::mouseRelease(viewport, Qt::LeftButton, {},
                            localOf(m_view->findChild<QLabel*>(S("count"))));
        QCOMPARE(m_doc->GetItemCount(), 1);
        QCOMPARE(target.GetItemCount(), 1);

        // A move with Shift held ends the drag without sending anything.
        QTest::mousePress(viewport, Qt::LeftButton, {},
                          m_view->Tree()->visualRect(ItemNode(0)).center());
        const QPoint over = localOf(targetView->Tree()->viewport());
        QMouseEvent shifted(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton,
                            Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(viewport, &shifted);
        QVERIFY(!m_view->Tree()->IsDragging());
        QCOMPARE(m_view->Tree()->GetDraggedItem(), nullptr);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
        QCOMPARE(target.GetItemCount(), 1);

        // Onto the yard: the yard takes the item for changes.
        QTest::mousePress(viewport, Qt::LeftButton, {},
                          m_view->Tree()->visualRect(ItemNode(0)).center());
        QTest::mouseMove(viewport, localOf(m_bench->yardView->Tree()->viewport()));
        QTest::mouseRelease(viewport, Qt::LeftButton, {},
                            localOf(m_bench->yardView->Tree()->viewport()));
        QCOMPARE(m_bench->yardView->Tree()->GetHeldItem(), m_doc->GetItemAt(0));
        QCOMPARE(m_bench->yardView->Tree()->GetTakenFromDocument(), m_doc.get());
        m_bench->yardView->CancelBuild();
        targetView.reset();
    }

    void aRefusalOfTheYardIsShownWithTheMouseFree() {
        Open({"a"});
        m_view->setGeometry(0, 0, 380, 280);
        m_bench->yardView->setGeometry(0, 300, 780, 290);
        m_bench->yardView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QVERIFY(QTest::qWaitForWindowExposed(m_bench->yardView.get()));
        m_bench->yardView->StartBuild();
        QWidget* viewport = m_view->Tree()->viewport();
        QWidget* yardTree = m_bench->yardView->Tree()->viewport();
        const QPoint over =
            viewport->mapFromGlobal(yardTree->mapToGlobal(yardTree->rect().center()));
        QTest::mousePress(viewport, Qt::LeftButton, {},
                          m_view->Tree()->visualRect(ItemNode(0)).center());
        QTest::mouseMove(viewport, over);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QWidget::mouseGrabber(), viewport);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
        QCOMPARE(m_bench->messages.Count(), 1);
        const CRecordedMessage& refusal = m_bench->messages.Recorded().constFirst();
        QVERIFY(refusal.message.text.startsWith(S("You cannot perform this action while a Build")));
        QVERIFY(!refusal.overrideCursor);
        QVERIFY(!refusal.mouseGrabbed);
        QVERIFY(!m_view->Tree()->IsDragging());
        QCOMPARE(m_view->Tree()->GetDraggedItem(), nullptr);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(m_doc->GetItemCount(), 1);
        m_bench->yardView->CancelBuild();
    }

    void screenshots() {
        const QString dir = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        QDir().mkpath(dir);
        std::vector<std::string> history{"Caboose", "Santa Fe"};
        CFindDialog find(history, m_bench->messages);
        find.show();
        QVERIFY(find.grab().save(dir + S("/find.png")));
        CInventoryModificationDialog change(S("Maintain Condition"), "Good",
                                            {"Mint", "Excellent", "Good", "Fair"}, false);
        change.show();
        QVERIFY(change.grab().save(dir + S("/change-condition.png")));
    }
};

QTEST_MAIN(InventoryEditCommandsTest)
#include "InventoryEditCommandsTest.moc"
