#include <QDir>
#include <QFile>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "ui/common/LocalDates.h"
#include "ui/inventory/ReportPrintCommands.h"
#include "ui/inventory/ReportPrinter.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/Screenshot.h"

#ifdef Q_OS_UNIX
#include "support/FileSizeLimit.h"
#endif

using namespace Qt::StringLiterals;

namespace {

// The text of a PDF file as poppler reads it, one string per page.
QStringList PdfPages(const QString& path) {
    const QString reader = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (reader.isEmpty())
        qFatal("pdftotext (poppler-utils) is needed: scripts/install-deps.sh installs it");
    QProcess process;
    process.start(reader, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

void Fill(CSidingWardDoc& document, int count) {
    for (int n = 1; n <= count; ++n) {
        auto item = std::make_unique<CInventoryElement>();
        item->SetAttributeText(0, "Item" + std::to_string(1000 + n));
        item->SetAttributeText(5, "HO");
        document.AddItem(std::move(item), nullptr);
    }
}

inventoryreport::ColumnFlags BodyAndScale() {
    inventoryreport::ColumnFlags columns{};
    columns[0] = true;
    columns[5] = true;
    return columns;
}

// Prints the report of document to a PDF file in dir and gives its pages.
QStringList PrintToPdf(const CSidingWardDoc& document, const inventoryreport::ColumnFlags& columns,
                       const QTemporaryDir& dir, int* pageCount = nullptr,
                       QPageSize::PageSizeId size = QPageSize::A4) {
    const QString path = dir.filePath(u"report.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(size));
    CReportPrinter report(document, columns, CDate{2026, 12, 8});
    if (!report.Print(printer))
        return {};
    if (pageCount)
        *pageCount = report.PageCount();
    return PdfPages(path);
}

// The heading line of Body Classification and Scale, the tab between them read as
// spaces.
const QRegularExpression kHeadings(u"Body\\.Classification\\.\\s+Scale\\."_s);

} // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    // Every item line once, in the document's order, on numbered pages.
    void everyItemIsPrintedOnceInOrder() {
        CSidingWardDoc document;
        Fill(document, 61);
        QTemporaryDir dir;
        int count = 0;
        const QStringList pages = PrintToPdf(document, BodyAndScale(), dir, &count);
        QVERIFY(count >= 2);
        QCOMPARE(pages.size(), count);
        int expected = 1001;
        for (int page = 0; page < pages.size(); ++page) {
            const QRegularExpression title(
                u"Date: December 8, 2026\\s+The Gaugewright Inventory Report\\s+Page: %1\\n"_s.arg(
                    page + 1));
            QVERIFY2(pages[page].contains(title), qPrintable(pages[page]));
            QVERIFY(pages[page].contains(kHeadings));
            const QRegularExpression item(u"Item(\\d{4})\\.+\\s+HO\\.\\.\\."_s);
            for (auto match = item.globalMatch(pages[page]); match.hasNext();)
                QCOMPARE(match.next().captured(1).toInt(), expected++);
        }
        QCOMPARE(expected, 1062);
    }

    // The report's date is written as people of the program's language write it, and
    // its title line is in that language.
    void theDateFollowsTheProgramsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("pageLine");
        QTest::newRow("German") << u"de"_s << u"8. Dezember 2026"_s << u"Seite: 1"_s;
        QTest::newRow("French") << u"fr"_s << u"8 décembre 2026"_s << u"Page : 1"_s;
    }

    void theDateFollowsTheProgramsLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, date);
        QFETCH(QString, pageLine);
        QTranslator catalogue;
        catalogue.setObjectName(localdates::kCatalogueName);
        QVERIFY(catalogue.load(u"gaugewright_"_s + language,
                               QFileInfo(QStringLiteral(GAUGEWRIGHT_PROGRAM))
                                   .dir()
                                   .filePath(u"../data/translations"_s)));
        catalogue.setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(&catalogue);
        CSidingWardDoc document;
        QTemporaryDir dir;
        const QStringList pages = PrintToPdf(document, BodyAndScale(), dir);
        catalogue.setParent(nullptr);
        QCoreApplication::removeTranslator(&catalogue);
        QVERIFY(!pages.isEmpty());
        QVERIFY2(pages[0].contains(date), qPrintable(pages[0]));
        QVERIFY2(pages[0].contains(pageLine), qPrintable(pages[0]));
    }

    void anEmptyInventoryPrintsItsHeadingsOnOnePage() {
        CSidingWardDoc document;
        QTemporaryDir dir;
        const QStringList pages = PrintToPdf(document, BodyAndScale(), dir);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(u"Page: 1"_s));
        QVERIFY(pages[0].contains(kHeadings));
    }

    // An item line longer than a page goes on over the next pages: nothing is lost
    // below a page.
    void aLineTallerThanAPageGoesOnOverTheNextPages() {
        CSidingWardDoc document;
        auto item = std::make_unique<CInventoryElement>();
        item->SetAttributeText(0, "Start" + std::string(30000, 'x') + "End");
        document.AddItem(std::move(item), nullptr);
        Fill(document, 1);
        QTemporaryDir dir;
        int count = 0;
        const QStringList pages = PrintToPdf(document, BodyAndScale(), dir, &count);
        QVERIFY(count > 2);
        QCOMPARE(pages.size(), count);
        const QString all = pages.join(QString()).remove(u'\n').remove(u' ');
        QVERIFY2(all.contains(u"Startxxx"_s), qPrintable(all.left(400)));
        QVERIFY(all.contains(u"xxxEnd"_s));
        QCOMPARE(all.count(u'x'), 30000);
        QVERIFY(all.contains(u"Item1001"_s));
    }

    // A narrow page keeps its page number and every value, within 10 mm margins.
    void narrowPagesKeepThePageNumberAndEveryValue() {
        CSidingWardDoc document;
        Fill(document, 40);
        inventoryreport::ColumnFlags columns{};
        columns.fill(true);
        QTemporaryDir dir;
        int count = 0;
        const QStringList pages = PrintToPdf(document, columns, dir, &count, QPageSize::A5);
        QCOMPARE(pages.size(), count);
        int values = 0;
        for (int page = 0; page < pages.size(); ++page) {
            QVERIFY2(pages[page].contains(
                         QRegularExpression(u"Report\\n\\s+Page: %1\\n"_s.arg(page + 1))),
                     qPrintable(pages[page]));
            values += static_cast<int>(pages[page].count(u"HO..."_s));
        }
        QCOMPARE(values, 40);
        QProcess reader;
        reader.start(QStandardPaths::findExecutable(u"pdftotext"_s),
                     {u"-bbox"_s, dir.filePath(u"report.pdf"_s), u"-"_s});
        QVERIFY(reader.waitForFinished(60000));
        const QString boxes = QString::fromUtf8(reader.readAllStandardOutput());
        const double width =
            QRegularExpression(u"<page width=\"([\\d.]+)\""_s).match(boxes).captured(1).toDouble();
        const double margin = 72 / 25.4 * 10 - 0.5;
        const QRegularExpression word(u"xMin=\"([\\d.]+)\"[^>]*xMax=\"([\\d.]+)\""_s);
        for (auto match = word.globalMatch(boxes); match.hasNext();) {
            const auto box = match.next();
            QVERIFY(box.captured(1).toDouble() >= margin);
            QVERIFY(box.captured(2).toDouble() <= width - margin);
        }
    }

    // Print: the dialog offers the pages, and cancelling it prints nothing.
    void printGoesThroughTheDialog() {
        CSidingWardDoc document;
        Fill(document, 3);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"chosen.pdf"_s));
        CMessageRecorder messages;
        CFixedClock clock{CDate{2026, 12, 8}};
        CReportPrintCommands commands(messages, clock,
                                      [&printer]() -> QPrinter& { return printer; });
        bool answer = false;
        int dialogs = 0;
        bool samePrinter = false;
        int offered = 0;
        commands.SetPrintDialog([&](QWidget*, QPrinter& chosen, int pages) {
            ++dialogs;
            samePrinter = &chosen == &printer;
            offered = pages;
            return answer;
        });
        commands.Print(nullptr, document, BodyAndScale());
        QCOMPARE(dialogs, 1);
        QVERIFY(samePrinter);
        QCOMPARE(offered, 1);
        QVERIFY(!QFileInfo::exists(printer.outputFileName()));
        answer = true;
        commands.Print(nullptr, document, BodyAndScale());
        const QStringList pages = PdfPages(printer.outputFileName());
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(u"Item1003"_s));
        QCOMPARE(messages.Count(), 0);
    }

#ifdef Q_OS_UNIX
    // A PDF that the disk cannot take in full leaves the old one, and says so.
    void printToFileKeepsTheOldPdfWhenTheDiskFills() {
        CSidingWardDoc document;
        Fill(document, 60);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"chosen.pdf"_s);
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        CMessageRecorder messages;
        CFixedClock clock{CDate{2026, 12, 8}};
        CReportPrintCommands commands(messages, clock,
                                      [&printer]() -> QPrinter& { return printer; });
        commands.SetPrintDialog([](QWidget*, QPrinter&, int) { return true; });
        {
            const CFileSizeLimit full(4096);
            commands.Print(nullptr, document, BodyAndScale());
        }
        QCOMPARE(
            messages.Texts(),
            QStringList{pdf + u" could not be written in full; the file was left as it was."_s});
        const auto contents = [&pdf] {
            QFile file(pdf);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QCOMPARE(contents(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"chosen.pdf"_s});
        // The preview's Print button writes the same way.
        CModalAnswerer modals;
        modals.QueueFor<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
            const CFileSizeLimit full(4096);
            preview->findChild<QPrintPreviewWidget*>()->print();
            preview->reject();
        });
        commands.Preview(nullptr, document, BodyAndScale());
        QCOMPARE(messages.Count(), 2);
        QCOMPARE(messages.Last().text, messages.Texts().constFirst());
        QCOMPARE(contents(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"chosen.pdf"_s});
        // With room again the same command replaces it.
        commands.Print(nullptr, document, BodyAndScale());
        QVERIFY(PdfPages(pdf).join(QString()).contains(u"Item1060"_s));
    }
#endif

    // The program prints to PDF from a script, without a display, and says why
    // when it cannot.
    void theProgramPrintsAPdfFromTheCommandLine() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"sample.pdf"_s);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.insert(u"HOME"_s, dir.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
        program.setProcessEnvironment(environment);
        const QString sample = QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv");
        program.start(QStringLiteral(GAUGEWRIGHT_PROGRAM),
                      {u"--print-pdf"_s, pdf, u"--columns"_s, u"0,1"_s, u"--page-size"_s,
                       u"Letter"_s, u"--data-dir"_s, QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR),
                       sample});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(u"Boxcar"_s));
        QVERIFY(pages[0].contains(u"Athearn"_s));
        QVERIFY(!pages[0].contains(u"Great.Northern"_s)); // RoadName is not a chosen column

        program.start(QStringLiteral(GAUGEWRIGHT_PROGRAM),
                      {u"--print-pdf"_s, pdf, dir.filePath(u"missing.inv"_s)});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardError())
                    .contains(dir.filePath(u"missing.inv"_s) + u" was not found."_s));
    }

    // The manual's pictures: the sample as a checklist in the preview, and the
    // page setup that Print Setup opens.
    void sampleScreenshots() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        CSidingWardDoc document;
        QVERIFY(document.OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        inventoryreport::ColumnFlags columns{};
        for (const int attribute : {1, 2, 3, 5, 11})
            columns[static_cast<std::size_t>(attribute)] = true;
        QPrinter printer;
        printer.setPageSize(QPageSize(QPageSize::A4));
        CMessageRecorder messages;
        CFixedClock clock{CDate{2026, 12, 9}};
        CReportPrintCommands commands(messages, clock,
                                      [&printer]() -> QPrinter& { return printer; });
        CModalAnswerer modals;
        modals.QueueFor<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
            preview->resize(760, 640);
            QVERIFY(QTest::qWaitForWindowExposed(preview));
            QCoreApplication::processEvents();
            QVERIFY(SaveScreenshot(*preview, u"PrintPreview.png"_s));
            preview->reject();
        });
        commands.Preview(nullptr, document, columns);
        QPageSetupDialog setup(&printer);
        setup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        QVERIFY(SaveScreenshot(setup, u"PageSetup.png"_s));
    }
};

QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"
