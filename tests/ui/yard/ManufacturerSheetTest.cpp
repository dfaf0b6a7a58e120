#include "ui/yard/ManufacturerSheet.h"

#include <memory>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FindDialog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/Screenshot.h"
#include "ui/yard/ManufacturerPage.h"
#include "ui/yard/ManufacturerProductModel.h"

using namespace Qt::StringLiterals;

namespace {

const CMessage kNotFound{QStringLiteral("Search to end of manufacturer list.\n"
                                        "The specified text was not found!"),
                         captions::SearchResult(), MessageIcon::Warning, MessageButtons::Ok};

// Three manufacturers; Lionel's four products in file order.
const char* const kManufacturerFile = "Lionel|6464-1|Boxcar|Western Pacific|Silver|O\r\n"
                                      "Athearn|1234|Hopper|Santa Fe|Red|HO\r\n"
                                      "Lionel|2343|Diesel|santa fe|Warbonnet|O\r\n"
                                      "Lionel|6017|caboose|Pennsylvania|Brown|ho\r\n"
                                      "Lionel|2046|Steam|New York Central|Black|O27\r\n"
                                      "Kato|176-1|Passenger|Amtrak|Phase III|N\r\n";

QStringList Column(const QTreeView* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, column).data().toString();
    return texts;
}

int SelectedRow(const QTreeView* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

} // namespace

class ManufacturerSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsAndColumns();
    void rowsMadeWhenShown();
    void headerClicksSort_data();
    void headerClicksSort();
    void clickBelowLastRow();
    void search_data();
    void search();
    void findThroughDialogKeepsHistory();
    void findDialogOpening_data();
    void findDialogOpening();
    void popupFindNeedsRows();
    void okTakesActiveTab_data();
    void okTakesActiveTab();
    void openRemembersTab();
    void noManufacturers();
    void modelTester();
    void screenshots();

private:
    CManufacturerSheet& MakeSheet(int startTab = 0);
    QTreeView* ListOf(int tab) const { return m_sheet->Page(tab)->List(); }

    CFixedClock m_clock{CDate{2024, 5, 17}};
    QTemporaryDir m_dir;
    std::unique_ptr<CClassificationDoc> m_yard;
    CMessageRecorder m_messages;
    std::unique_ptr<CManufacturerSheet> m_sheet;
};

void ManufacturerSheetTest::init() {
    const QString path = m_dir.filePath(QStringLiteral("ExtMFile.mst"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kManufacturerFile);
    file.close();
    m_yard = std::make_unique<CClassificationDoc>(m_clock, path.toStdString());
    m_yard->WaitForManufacturerLoader();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        m_yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
    m_messages.Clear();
}

void ManufacturerSheetTest::cleanup() {
    m_sheet.reset();
    m_yard.reset();
}

CManufacturerSheet& ManufacturerSheetTest::MakeSheet(int startTab) {
    m_sheet = std::make_unique<CManufacturerSheet>(*m_yard, m_messages, startTab);
    return *m_sheet;
}

void ManufacturerSheetTest::tabsAndColumns() {
    CManufacturerSheet& sheet = MakeSheet(7);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("HManufacturer Listing"));
    auto* tabs = sheet.findChild<QTabWidget*>();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Lionel"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Athearn"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Kato"));
    // A remembered tab beyond the last opens on the last one.
    QCOMPARE(sheet.CurrentIndex(), 2);
    auto* box = sheet.findChild<QDialogButtonBox*>();
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    m_sheet->Page(0)->EnsureRows();
    const QTreeView* list = ListOf(0);
    const QStringList headers = {
        QStringLiteral("HItem Number"), QStringLiteral("HBody Classification"),
        QStringLiteral("HRoadName"), QStringLiteral("HPaint Scheme"), QStringLiteral("HScale")};
    const QList<int> widths = {100, 200, 150, 100, 50};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
        QCOMPARE(list->columnWidth(column), widths[column]);
    }
    QCOMPARE(Column(list, 0), (QStringList{QStringLiteral("6464-1"), QStringLiteral("2343"),
                                           QStringLiteral("6017"), QStringLiteral("2046")}));
    QCOMPARE(Column(list, 2).at(2), QStringLiteral("Pennsylvania"));
}

void ManufacturerSheetTest::rowsMadeWhenShown() {
    CManufacturerSheet& sheet = MakeSheet(1);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QVERIFY(ListOf(1)->model() != nullptr);
    QCOMPARE(ListOf(1)->model()->rowCount(), 1);
    // Tabs not shown yet have no rows.
    QVERIFY(ListOf(0)->model() == nullptr);
    QVERIFY(ListOf(2)->model() == nullptr);
    sheet.findChild<QTabWidget*>()->setCurrentIndex(2);
    QVERIFY(ListOf(2)->model() != nullptr);
    QVERIFY(ListOf(0)->model() == nullptr);
}

void ManufacturerSheetTest::headerClicksSort_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("itemNumbers");
    QTest::newRow("item number once: descending")
        << QList<int>{0} << QStringList{u"6464-1"_s, u"6017"_s, u"2343"_s, u"2046"_s};
    QTest::newRow("item number twice: ascending")
        << QList<int>{0, 0} << QStringList{u"2046"_s, u"2343"_s, u"6017"_s, u"6464-1"_s};
    // Road names: Western Pacific, santa fe, Pennsylvania, New York Central.
    QTest::newRow("road name ignores case")
        << QList<int>{2} << QStringList{u"6464-1"_s, u"2343"_s, u"6017"_s, u"2046"_s};
    // Each column has its own flag: the road name click after two item number
    // clicks still sorts descending, and a third item number click descending again.
    QTest::newRow("own flag per column")
        << QList<int>{0, 0, 2, 0} << QStringList{u"6464-1"_s, u"6017"_s, u"2343"_s, u"2046"_s};
    QTest::newRow("scale, equal texts keep order")
        << QList<int>{4, 4} << QStringList{u"6017"_s, u"6464-1"_s, u"2343"_s, u"2046"_s};
}

void ManufacturerSheetTest::headerClicksSort() {
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, itemNumbers);
    MakeSheet(0).show();
    QTreeView* list = ListOf(0);
    for (const int column : clicks) {
        QHeaderView* header = list->header();
        const QPoint centre(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
    QCOMPARE(Column(list, 0), itemNumbers);
}

void ManufacturerSheetTest::clickBelowLastRow() {
    CManufacturerSheet& sheet = MakeSheet(0);
    sheet.resize(700, 500);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QTreeView* list = ListOf(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(list->model()->index(1, 1)).center());
    QCOMPARE(SelectedRow(list), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, list->viewport()->height() - 3));
    QCOMPARE(SelectedRow(list), 3);
    QCOMPARE(list->currentIndex().row(), 3);
    // Beside a row's last cell is still that row.
    sheet.resize(1200, 500);
    const QRect lastCell = list->visualRect(list->model()->index(1, 4));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(lastCell.right() + 40, lastCell.center().y()));
    QCOMPARE(SelectedRow(list), 1);
}

void ManufacturerSheetTest::search_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("findNext");
    QTest::addColumn<int>("selectedBefore");
    QTest::addColumn<int>("focusedBefore");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("notFound");
    QTest::newRow("without match case HO finds ho")
        << u"HO"_s << false << false << -1 << -1 << 2 << false;
    QTest::newRow("match case misses ho") << u"HO"_s << true << false << -1 << -1 << -1 << true;
    QTest::newRow("any column") << u"Black"_s << false << false << 1 << 1 << 3 << false;
    QTest::newRow("first starts at the top")
        << u"santa"_s << false << false << 3 << 3 << 1 << false;
    QTest::newRow("next starts after selection") << u"O"_s << true << true << 0 << 0 << 1 << false;
    QTest::newRow("next starts after the focused row")
        << u"O"_s << true << true << -1 << 1 << 3 << false;
    QTest::newRow("next with neither starts at the top")
        << u"6464"_s << false << true << -1 << -1 << 0 << false;
    // No wrap-around: the selection stays where it was.
    QTest::newRow("next after last match") << u"Santa"_s << false << true << 1 << 1 << 1 << true;
}

void ManufacturerSheetTest::search() {
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(bool, findNext);
    QFETCH(int, selectedBefore);
    QFETCH(int, focusedBefore);
    QFETCH(int, selectedAfter);
    QFETCH(bool, notFound);
    MakeSheet(0).show();
    CManufacturerPage* page = m_sheet->Page(0);
    QTreeView* list = page->List();
    list->selectionModel()->clear();
    if (focusedBefore >= 0)
        list->selectionModel()->setCurrentIndex(list->model()->index(focusedBefore, 0),
                                                QItemSelectionModel::NoUpdate);
    if (selectedBefore >= 0)
        list->selectionModel()->select(list->model()->index(selectedBefore, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
    page->Search(text.toStdString(), matchCase, findNext);
    QCOMPARE(SelectedRow(list), selectedAfter);
    QCOMPARE(m_messages.Count(), notFound ? 1 : 0);
    if (notFound)
        QCOMPARE(m_messages.Last(), kNotFound);
}

void ManufacturerSheetTest::findThroughDialogKeepsHistory() {
    MakeSheet(0).show();
    CManufacturerPage* page = m_sheet->Page(0);
    const auto answer = [this, page](const QString& typed, const char* button,
                                     QStringList* offered) {
        QTimer::singleShot(0, this, [typed, button, offered] {
            auto* dialog = qobject_cast<CFindDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("findText"));
            if (offered) {
                for (int k = 0; k < combo->count(); ++k)
                    *offered << combo->itemText(k);
            }
            combo->lineEdit()->clear();
            QTest::keyClicks(combo->lineEdit(), typed);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)),
                              Qt::LeftButton);
        });
        page->Find();
    };
    answer(QStringLiteral("caboose"), "findFirst", nullptr);
    QCOMPARE(SelectedRow(page->List()), 2);
    answer(QStringLiteral("o2"), "findNext", nullptr);
    QCOMPARE(SelectedRow(page->List()), 3);
    QStringList offered;
    answer(QStringLiteral("caboose"), "findFirst", &offered);
    // Newest on top; searching caboose again moved it to the end of the history.
    QCOMPARE(offered, (QStringList{QStringLiteral("o2"), QStringLiteral("caboose")}));
    offered.clear();
    answer(QStringLiteral("x"), "cancel", &offered);
    QCOMPARE(offered, (QStringList{QStringLiteral("caboose"), QStringLiteral("o2")}));
    QCOMPARE(SelectedRow(page->List()), 2);
    QCOMPARE(m_messages.Count(), 0);
    // Another page has a history of its own.
    m_sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
    offered.clear();
    QTimer::singleShot(0, this, [&offered] {
        auto* dialog = qobject_cast<CFindDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        offered << dialog->findChild<QComboBox*>()->currentText();
        dialog->reject();
    });
    m_sheet->Page(1)->Find();
    QCOMPARE(offered, QStringList{QString()});
}

void ManufacturerSheetTest::findDialogOpening_data() {
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty history") << QStringList() << QString() << false;
    QTest::newRow("newest first") << QStringList{u"old"_s, u"new"_s} << u"new"_s << true;
}

void ManufacturerSheetTest::findDialogOpening() {
    QFETCH(QStringList, history);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    std::vector<std::string> texts;
    for (const QString& entry : history)
        texts.push_back(entry.toStdString());
    CFindDialog dialog(texts, m_messages);
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("findText"));
    auto* findFirst = dialog.findChild<QPushButton*>(QStringLiteral("findFirst"));
    auto* findNext = dialog.findChild<QPushButton*>(QStringLiteral("findNext"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
    QCOMPARE(combo->currentText(), shown);
    QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("matchCase"))->isChecked());
    QCOMPARE(findFirst->isEnabled(), enabled);
    QCOMPARE(findNext->isEnabled(), enabled);
    QVERIFY(findFirst->isDefault());
    combo->lineEdit()->clear();
    QVERIFY(!findFirst->isEnabled() && !findNext->isEnabled());
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("a"));
    QVERIFY(findFirst->isEnabled() && findNext->isEnabled());
    // A character no file could hold is refused; the dialog stays open.
    combo->lineEdit()->setText(QStringLiteral(u"\u4E2D"));
    QTest::mouseClick(findFirst, Qt::LeftButton);
    QCOMPARE(m_messages.Count(), 1);
    QCOMPARE(m_messages.Last().icon, MessageIcon::Critical);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(texts.size(), static_cast<std::size_t>(history.size()));
}

void ManufacturerSheetTest::popupFindNeedsRows() {
    // A manufacturer without products cannot come from the file; build one here.
    CManufacturer empty("Empty");
    for (const bool withRows : {true, false}) {
        CManufacturer lionel = m_yard->GetManufacturerList().front();
        CManufacturerPage page(withRows ? lionel : empty, *m_yard, m_messages);
        page.show();
        bool enabled = !withRows;
        QTimer::singleShot(0, this, [&enabled] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->title(), QStringLiteral("Manufacturer"));
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().front()->text(), QStringLiteral("&Find"));
            enabled = menu->actions().front()->isEnabled();
            menu->close();
        });
        // A right click in the list reaches the page.
        QWidget* viewport = page.List()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(enabled, withRows);
    }
}

void ManufacturerSheetTest::okTakesActiveTab_data() {
    QTest::addColumn<int>("selectOnTab");
    QTest::addColumn<int>("okOnTab");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("selected on the active tab") << 0 << 0 << true;
    QTest::newRow("selected elsewhere, nothing on the active tab") << 0 << 2 << false;
    QTest::newRow("nothing selected") << -1 << 0 << false;
}

void ManufacturerSheetTest::okTakesActiveTab() {
    QFETCH(int, selectOnTab);
    QFETCH(int, okOnTab);
    QFETCH(bool, chosen);
    CManufacturerSheet& sheet = MakeSheet(0);
    sheet.show();
    auto* tabs = sheet.findChild<QTabWidget*>();
    if (selectOnTab >= 0) {
        tabs->setCurrentIndex(selectOnTab);
        QTreeView* list = ListOf(selectOnTab);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(list->model()->index(2, 0)).center());
    }
    tabs->setCurrentIndex(okOnTab);
    if (okOnTab != selectOnTab && selectOnTab >= 0)
        QVERIFY(m_sheet->Page(selectOnTab)->GetChosen().has_value());
    QTest::mouseClick(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QCOMPARE(sheet.GetChosen().has_value(), chosen);
    if (chosen) {
        const CManufacturerChoice expected{"Lionel",
                                           {"6017", "caboose", "Pennsylvania", "Brown", "ho"}};
        QCOMPARE(*sheet.GetChosen(), expected);
    }
}

void ManufacturerSheetTest::openRemembersTab() {
    int lastTab = 0;
    const auto run = [&](int tab, bool ok) {
        QTimer::singleShot(0, this, [tab, ok] {
            auto* sheet = qobject_cast<CManufacturerSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet);
            sheet->findChild<QTabWidget*>()->setCurrentIndex(tab);
            QTreeView* list = sheet->Page(tab)->List();
            list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
            if (ok)
                sheet->accept();
            else
                sheet->reject();
        });
        return CManufacturerSheet::Open(nullptr, *m_yard, m_messages, lastTab);
    };
    int startedOn = -1;
    QTimer::singleShot(0, this, [&startedOn] {
        auto* sheet = qobject_cast<CManufacturerSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        startedOn = sheet->CurrentIndex();
        sheet->reject();
    });
    QCOMPARE(CManufacturerSheet::Open(nullptr, *m_yard, m_messages, lastTab), std::nullopt);
    QCOMPARE(startedOn, 0);
    const auto chosen = run(2, true);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->manufacturer, std::string("Kato"));
    QCOMPARE(chosen->product.itemNumber, std::string("176-1"));
    QCOMPARE(lastTab, 2);
    // Cancel keeps the tab remembered before.
    QCOMPARE(run(1, false), std::nullopt);
    QCOMPARE(lastTab, 2);
}

void ManufacturerSheetTest::noManufacturers() {
    CClassificationDoc yard(m_clock);
    int lastTab = 3;
    // No sheet can be shown: nothing is chosen and nothing waits for an answer.
    QCOMPARE(CManufacturerSheet::Open(nullptr, yard, m_messages, lastTab), std::nullopt);
    QCOMPARE(lastTab, 3);
    QCOMPARE(m_messages.Count(), 0);
}

void ManufacturerSheetTest::modelTester() {
    const CManufacturer& lionel = m_yard->GetManufacturerList().front();
    CManufacturerProductModel model(lionel, {});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QPersistentModelIndex kept = model.index(2, 1);
    model.SortByColumn(0, false);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("2046"));
    // A kept index follows its product.
    QCOMPARE(kept.data().toString(), QStringLiteral("caboose"));
}

void ManufacturerSheetTest::screenshots() {
    if (!ScreenshotsWanted())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
    CManufacturerSheet& sheet = MakeSheet(0);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    ListOf(0)->selectionModel()->setCurrentIndex(ListOf(0)->model()->index(1, 0),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    QVERIFY(SaveScreenshot(sheet, QStringLiteral("ManufacturerSheet.png")));
    std::vector<std::string> history = {"caboose", "6464"};
    CFindDialog find(history, m_messages);
    find.show();
    QVERIFY(SaveScreenshot(find, QStringLiteral("FindDialog.png")));
}

QTEST_MAIN(ManufacturerSheetTest)
#include "ManufacturerSheetTest.moc"
