#include "ui/quickfacts/QuickFactsDialog.h"

#include <cmath>

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QValueAxis>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "ui/quickfacts/BreakdownChart.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

// An inventory whose Manufacturers make groups n1..n<count> with prices 1.00, 2.00, ...
void Fill(CSidingWardDoc& document, int count) {
    for (int n = 1; n <= count; ++n) {
        auto item = std::make_unique<CInventoryElement>();
        item->SetAttributeText(static_cast<int>(Attribute::Manufacturer), "n" + std::to_string(n));
        item->SetAttributeText(static_cast<int>(Attribute::PurchasePrice),
                               std::to_string(n) + ".00");
        document.AddItem(std::move(item), nullptr);
    }
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts << list.topLevelItem(row)->text(column).trimmed();
    return texts;
}

// The labels a value axis draws. Without a format, the chart shows one decimal
// at least.
QStringList AxisLabels(const QValueAxis& axis) {
    QList<double> ticks;
    if (axis.tickType() == QValueAxis::TicksDynamic) {
        const double step = axis.tickInterval();
        for (double v =
                 axis.tickAnchor() + std::ceil((axis.min() - axis.tickAnchor()) / step) * step;
             v <= axis.max() + step / 1000; v += step)
            ticks << v;
    } else {
        for (int k = 0; k < axis.tickCount(); ++k)
            ticks << axis.min() + k * (axis.max() - axis.min()) / (axis.tickCount() - 1);
    }
    QStringList labels;
    for (const double tick : ticks)
        labels << (axis.labelFormat().isEmpty()
                       ? QString::number(tick, 'f', 1)
                       : QString::asprintf(axis.labelFormat().toLatin1().constData(), tick));
    return labels;
}

} // namespace

class QuickFactsDialogTest : public QObject {
    Q_OBJECT

    const CFixedClock m_clock{CDate{2026, 12, 8}};

private slots:
    // Each column sorts with a flag of its own: the first click descending, the
    // next ascending; the list shows the model's rows in the order they are.
    void headerClicksSortEachColumnWithItsOwnFlag() {
        CSidingWardDoc document;
        Fill(document, 3);
        QPrinter printer;
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::Expenditures, 1, nullptr),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Expenditures by Manufacturer"_s);
        QTreeWidget* list = dialog.List();
        QCOMPARE(Column(*list, 0), (QStringList{u"n1"_s, u"n2"_s, u"n3"_s}));
        QHeaderView* header = list->header();
        const auto click = [header](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        click(1);
        QCOMPARE(Column(*list, 1), (QStringList{u"3.00"_s, u"2.00"_s, u"1.00"_s}));
        click(0);
        QCOMPARE(Column(*list, 0), (QStringList{u"n3"_s, u"n2"_s, u"n1"_s}));
        click(1);
        QCOMPARE(Column(*list, 1), (QStringList{u"1.00"_s, u"2.00"_s, u"3.00"_s}));
        click(0);
        QCOMPARE(Column(*list, 0), (QStringList{u"n1"_s, u"n2"_s, u"n3"_s}));
        // The bars follow the list's order.
        QCOMPARE(dialog.Chart()->Labels(), (QStringList{u"n1"_s, u"n2"_s, u"n3"_s}));
        click(1);
        QCOMPARE(dialog.Chart()->Labels(), (QStringList{u"n3"_s, u"n2"_s, u"n1"_s}));
        click(1);
        // Copy gives the table as shown, for a spreadsheet.
        QCOMPARE(dialog.CopyText(),
                 u"Manufacturer\tPurchase Price\nn1\t1.00\nn2\t2.00\nn3\t3.00\n"_s);
    }

    // Over 25 groups the chart shows the largest 24 and "Other"; the pie leaves the
    // losses out and says so.
    void theChartGathersSmallGroupsAndLeavesLossesOutOfThePie() {
        CSidingWardDoc document;
        Fill(document, 30);
        document.GetItemAt(0)->SetAttributeText(static_cast<int>(Attribute::PurchasePrice),
                                                "-50.00");
        QPrinter printer;
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::Expenditures, 1, nullptr),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        dialog.show();
        QStringList bars;
        for (int n = 7; n <= 30; ++n)
            bars << u"n%1"_s.arg(n);
        bars << u"Other"_s;
        QCOMPARE(dialog.Chart()->Labels(), bars);
        QVERIFY(!dialog.Chart()->Note()->isVisible());
        QVERIFY(SaveScreenshot(dialog, u"QuickFactsDialog-bars.png"_s));
        dialog.PieButton()->setChecked(true);
        QVERIFY(dialog.Chart()->IsPie());
        // "Other" sums n1 (-50) .. n6 (2 + 3 + 4 + 5 + 6): a loss of 30, left out.
        bars.removeLast();
        QCOMPARE(dialog.Chart()->Labels(), bars);
        QVERIFY(dialog.Chart()->Note()->isVisible());
        QVERIFY(SaveScreenshot(dialog, u"QuickFactsDialog-pie.png"_s));
        // The legend names every slice, in colours of many hues, none near white.
        QChart* pie = dialog.Chart()->View()->chart();
        const auto* series = qobject_cast<QPieSeries*>(pie->series().constFirst());
        QVERIFY(pie->legend()->isVisible());
        QCOMPARE(pie->legend()->markers().size(), series->count());
        QSet<int> hues;
        const QList<QPieSlice*> slices = series->slices();
        for (qsizetype k = 0; k < slices.size(); ++k) {
            const QColor colour = slices[k]->brush().color();
            QVERIFY(colour != slices[(k + 1) % slices.size()]->brush().color());
            QVERIFY(colour.lightness() < 220);
            hues.insert(colour.hslHue() / 30);
        }
        QVERIFY(hues.size() >= 5);
    }

    // Counts and dollars are whole numbers, and so are the bars' axis labels.
    void theValueAxisHasWholeNumbers() {
        CSidingWardDoc document;
        for (const char* maker : {"Atlas", "Atlas", "Lionel"}) {
            auto item = std::make_unique<CInventoryElement>();
            item->SetAttributeText(static_cast<int>(Attribute::Manufacturer), maker);
            document.AddItem(std::move(item), nullptr);
        }
        QPrinter printer;
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::ItemCount, 1, nullptr),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        dialog.show();
        const auto* axis =
            qobject_cast<QValueAxis*>(dialog.Chart()->View()->chart()->axes(Qt::Horizontal).at(0));
        QVERIFY(axis);
        QCOMPARE(AxisLabels(*axis), (QStringList{u"0"_s, u"1"_s, u"2"_s}));
    }

    // The README's pictures: Expenditures by Manufacturer of the sample inventory,
    // sorted by value, as bars and as a pie.
    void sampleScreenshots() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        CSidingWardDoc document;
        QVERIFY(document.OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        QPrinter printer;
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::Expenditures, 1, nullptr),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        dialog.show();
        dialog.SortByColumn(1);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(SaveScreenshot(dialog, u"QuickFacts-bars.png"_s));
        dialog.PieButton()->setChecked(true);
        QCoreApplication::processEvents();
        QVERIFY(SaveScreenshot(dialog, u"QuickFacts-pie.png"_s));
    }

    void printingGivesEveryRow_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("A4") << int(QPageSize::A4);
        QTest::newRow("A5") << int(QPageSize::A5);
    }

    // The title and the date, then every row, over as many pages as needed, the
    // header line on each, and then the chart; on a narrow page too, every value
    // within the margins.
    void printingGivesEveryRow() {
        QFETCH(int, size);
        CSidingWardDoc document;
        Fill(document, 150);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"report.pdf"_s));
        printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(size)));
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::Expenditures, 1, nullptr),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        int dialogs = 0;
        dialog.SetPrintDialog([&dialogs](QWidget*, QPrinter&) { return ++dialogs > 0; });
        dialog.Print();
        QCOMPARE(dialogs, 1);
        QCOMPARE(printer.docName(), u"Expenditures by Manufacturer"_s);
        const QString reader = QStandardPaths::findExecutable(u"pdftotext"_s);
        QVERIFY2(!reader.isEmpty(), "pdftotext (poppler-utils) is needed");
        QProcess process;
        process.start(reader, {u"-layout"_s, printer.outputFileName(), u"-"_s});
        QVERIFY(process.waitForFinished(60000));
        const QStringList pages =
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        QVERIFY2(pages[0].trimmed().startsWith(
                     u"Expenditures by Manufacturer\nDecember 8, 2026\n\nManufacturer"_s),
                 qPrintable(pages[0].left(200)));
        int expected = 1;
        const QRegularExpression row(u"^\\s*n(\\d+)\\s+(\\d+)\\.00$"_s);
        for (const QString& page : pages) {
            const int first = expected;
            for (const QString& line : page.split(u'\n')) {
                const auto match = row.match(line);
                if (!match.hasMatch())
                    continue;
                QCOMPARE(match.captured(1).toInt(), expected++);
            }
            if (expected > first)
                QVERIFY(page.contains(u"Manufacturer Purchase Price"_s));
        }
        QCOMPARE(expected, 151);
        // The chart follows the rows: its "Other" bar gathers the smallest groups.
        QVERIFY(pages.last().contains(u"Other"_s));
        // The values are padded to one width, so on paper they end at one place.
        process.start(reader, {u"-bbox"_s, printer.outputFileName(), u"-"_s});
        QVERIFY(process.waitForFinished(60000));
        const QRegularExpression value(u"xMax=\"([\\d.]+)\"[^>]*>\\d+\\.00<"_s);
        QSet<int> valueEnds;
        const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
        for (auto match = value.globalMatch(boxes); match.hasNext();)
            valueEnds.insert(qRound(match.next().captured(1).toDouble()));
        QCOMPARE(valueEnds.size(), 1);
        const double width =
            QRegularExpression(u"<page width=\"([\\d.]+)\""_s).match(boxes).captured(1).toDouble();
        QVERIFY(*valueEnds.begin() <= width - 72 / 25.4 * 10 + 0.5);
    }
};

QTEST_MAIN(QuickFactsDialogTest)
#include "QuickFactsDialogTest.moc"
