#include "ui/quickfacts/ValueHistoryDialog.h"

#include <QClipboard>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/ValueOverTime.h"
#include "ui/inventory/InventoryHistory.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

struct ItemValues {
    const char* value;
    CDate entered;
    const char* history; // Reserved Text 1
};

void Fill(CSidingWardDoc& document, const std::vector<ItemValues>& items) {
    for (const ItemValues& wanted : items) {
        auto item = std::make_unique<CInventoryElement>();
        item->SetAttributeText(static_cast<int>(Attribute::BodyClassification), "Boxcar");
        item->SetCurrentValue(wanted.value);
        item->SetEntryDate(wanted.entered.month, wanted.entered.day, wanted.entered.year);
        item->SetReservedText1(wanted.history);
        document.AddItem(std::move(item), nullptr);
    }
}

QDate DayOf(qreal position) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(position)).date();
}

} // namespace

class ValueHistoryDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The line of the inventory is its total value on each day it changes, and the
    // item's line has a point for each of its valuations.
    void chartFollowsTheValues() {
        CSidingWardDoc document;
        Fill(document, {{"10.00", {2020, 1, 1}, ""},
                        {"40.00", {2021, 6, 15}, "GWVH1;2021-06-15=30.00;2023-02-01=40.00"},
                        {"5.00", {2022, 3, 1}, "kept by another program"}});
        CValueHistoryDialog dialog(document, document.GetItemAt(1), nullptr, {2024, 1, 1});
        const std::vector<valuation::CTotalOnDate> totals =
            valuation::TotalValueOverTime(document.GetItems());
        QCOMPARE(totals.size(), 4u);
        const QList<QPointF> points = dialog.TotalSeries()->points();
        QCOMPARE(points.size(), 4);
        for (int k = 0; k < points.size(); ++k) {
            const CDate& date = totals[static_cast<std::size_t>(k)].date;
            QCOMPARE(DayOf(points[k].x()), QDate(date.year, date.month, date.day));
            QCOMPARE(points[k].y(), static_cast<qreal>(totals[static_cast<std::size_t>(k)].total));
        }
        QCOMPARE(points.back().y(), 55.0);
        const QList<QPointF> own = dialog.ItemSeries()->points();
        QCOMPARE(own.size(), 2);
        QCOMPARE(DayOf(own[1].x()), QDate(2023, 2, 1));
        QCOMPARE(own[1].y(), 40.0);
    }

    void addValuation_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QDate>("on");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("recorded"); // Reserved Text 1 after; empty: refused
        QTest::addColumn<QString>("current");  // Current Value after
        QTest::addColumn<QString>("copied");

        QTest::newRow("first keeps the value it replaces")
            << QString() << QDate(2024, 5, 1) << u"25.00"_s << u"at the show"_s
            << u"GWVH1;2020-01-01=10.00;2024-05-01=25.00|at the show"_s << u"25.00"_s
            << u"Date\tValue\tNote\n2020-01-01\t10.00\t\n2024-05-01\t25.00\tat the show\n"_s;
        QTest::newRow("a past valuation leaves the current value")
            << u"GWVH1;2020-01-01=5.00;2023-01-01=10.00"_s << QDate(2021, 7, 1) << u"7.00"_s
            << QString() << u"GWVH1;2020-01-01=5.00;2021-07-01=7.00;2023-01-01=10.00"_s
            << u"10.00"_s
            << u"Date\tValue\tNote\n2020-01-01\t5.00\t\n2021-07-01\t7.00\t\n"
               u"2023-01-01\t10.00\t\n"_s;
        QTest::newRow("another program's text is left alone")
            << u"kept by another program"_s << QDate(2024, 5, 1) << u"25.00"_s << QString()
            << QString() << u"10.00"_s << u"Date\tValue\tNote\n"_s;
    }
    // One undoable change gives the item the entry and its value; Undo takes both back.
    void addValuation() {
        QFETCH(QString, history);
        QFETCH(QDate, on);
        QFETCH(QString, value);
        QFETCH(QString, note);
        QFETCH(QString, recorded);
        QFETCH(QString, current);
        QFETCH(QString, copied);
        CSidingWardDoc document;
        Fill(document, {{"10.00", {2020, 1, 1}, ""}});
        CInventoryElement& item = *document.GetItemAt(0);
        item.SetReservedText1(history.toStdString());
        CInventoryHistory undo(document, [] { return nullptr; });
        CValueHistoryDialog dialog(document, &item, nullptr, {2024, 6, 1});
        const bool foreign = !history.isEmpty() && !history.startsWith(u"GWVH1"_s);
        QCOMPARE(dialog.NoHistoryNote()->isHidden(), !foreign);
        QCOMPARE(dialog.AddButton()->isEnabled(), !foreign);

        const bool added = dialog.AddValuation({on.year(), on.month(), on.day()},
                                               value.toStdString(), note.toStdString());
        QCOMPARE(added, !recorded.isEmpty());
        QCOMPARE(QString::fromStdString(item.GetReservedText1()), added ? recorded : history);
        QCOMPARE(QString::fromStdString(item.GetCurrentValue()), current);
        QCOMPARE(dialog.TableText(), copied);
        if (!foreign) {
            dialog.CopyButton()->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        }
        QCOMPARE(undo.Count(), added ? 1 : 0);
        if (!added)
            return;
        QCOMPARE(undo.UndoText(), u"Add Valuation"_s);
        undo.Undo();
        QCOMPARE(QString::fromStdString(item.GetReservedText1()), history);
        QCOMPARE(item.GetCurrentValue(), "10.00");
    }

    void valuationValue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value"); // empty: OK stays disabled
        QTest::newRow("whole dollars") << u"125"_s << u"125.00"_s;
        QTest::newRow("thousands and cents") << u" 1,250.50 "_s << u"1250.00"_s;
        QTest::newRow("words") << u"a lot"_s << QString();
        QTest::newRow("nothing") << QString() << QString();
    }
    // A value is taken as the program takes Current Values.
    void valuationValue() {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        CValuationDialog dialog({2024, 6, 1});
        dialog.ValueField()->setText(typed);
        QCOMPARE(QString::fromStdString(dialog.Value()), value);
        QCOMPARE(dialog.OkButton()->isEnabled(), !value.isEmpty());
        QCOMPARE(dialog.Date(), (CDate{2024, 6, 1}));
    }

    // The manual's pictures: the sample's Lionel turbine after one valuation.
    void sampleScreenshots() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        CSidingWardDoc document;
        QVERIFY(document.OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        const CDate today{2026, 12, 9};
        CValueHistoryDialog dialog(document, document.GetItemAt(1), nullptr, today);
        QVERIFY(dialog.AddValuation(today, "450.00", "TCA York meet"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(SaveScreenshot(dialog, u"ValueHistory.png"_s));
        CValuationDialog valuation(today);
        valuation.ValueField()->setText(u"450"_s);
        valuation.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)
            .constLast()
            ->setText(u"TCA York meet"_s);
        valuation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&valuation));
        QVERIFY(SaveScreenshot(valuation, u"AddValuation.png"_s));
    }
};

QTEST_MAIN(ValueHistoryDialogTest)
#include "ValueHistoryDialogTest.moc"
