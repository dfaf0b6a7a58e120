#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "model/framework/FixedClock.h"
#include "model/quickfacts/AmountSum.h"
#include "ui/app/AppSettings.h"
#include "ui/common/FileChooser.h"
#include "ui/inventory/InsuranceReportCommands.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

Finished Run(const QString& tool, const QStringList& arguments, const QString& home = {}) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.insert(u"HOME"_s, home);
        environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/config"_s);
        environment.insert(u"XDG_CACHE_HOME"_s, home + u"/cache"_s);
        process.setProcessEnvironment(environment);
    }
    const QString program = tool.startsWith(u'/') ? tool : QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        qFatal("%s (poppler-utils) is needed: scripts/install-deps.sh installs it",
               qPrintable(tool));
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// A photo far larger than any printed picture needs.
QString Photo(const QTemporaryDir& dir, const QString& name, Qt::GlobalColor colour) {
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path, "JPEG");
    return path;
}

// Answers every name to save under with the same path.
class SaveAs : public CFileChooser {
public:
    explicit SaveAs(QString path) : m_path(std::move(path)) {}
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return m_path;
    }

private:
    QString m_path;
};

} // namespace

class InsuranceReportTest : public QObject {
    Q_OBJECT

private slots:
    // The report from the command line: the totals are the items' sums, each item
    // is printed once, the pages are counted and the photos go in small.
    void theProgramWritesTheInsuranceReport() {
        QTemporaryDir dir;
        CSidingWardDoc document;
        struct Row {
            const char* body;
            const char* number;
            const char* purchase;
            const char* current;
            QString picture;
        };
        const std::vector<Row> rows{
            {"Boxcar", "NUM-A1", "25.00", "40.00", Photo(dir, u"a.jpg"_s, Qt::red)},
            {"Caboose", "NUM-B2", "30.00", "35.00", {}},
            {"Boxcar", "NUM-C3", "1000.00", "1250.00", Photo(dir, u"c.jpg"_s, Qt::blue)},
            {"Tank Car", "NUM-D4", "7.00", "9.00", {}},
        };
        CAmountSum purchase;
        CAmountSum current;
        for (const Row& row : rows) {
            auto item = std::make_unique<CInventoryElement>();
            item->SetBodyClassification(row.body);
            item->SetItemNumber(row.number);
            item->SetPurchasePrice(row.purchase);
            item->SetCurrentValue(row.current);
            item->SetPicture(row.picture.toStdString());
            purchase.Add(AmountValue(row.purchase));
            current.Add(AmountValue(row.current));
            document.AddItem(std::move(item), nullptr);
        }
        document.GetItemAt(2)->SetReservedText1(*valuehistory::Format(
            {{{2025, 1, 2}, "1000.00", "bought"}, {{2026, 5, 6}, "1250.00", "appraised"}}));
        const QString inventory = dir.filePath(u"Stock.inv"_s);
        QVERIFY(document.OnSaveDocument(inventory.toStdString()).Succeeded());

        const QString pdf = dir.filePath(u"insurance.pdf"_s);
        const Finished run =
            Run(QStringLiteral(GAUGEWRIGHT_PROGRAM),
                {u"--insurance-pdf"_s, pdf, u"--owner"_s, u"Ann Smith"_s, inventory}, dir.path());
        QVERIFY2(run.status == 0, qPrintable(run.err));

        const Finished text = Run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QCOMPARE(text.status, 0);
        const QString all = text.out;
        QVERIFY(all.contains(u"Collection Inventory for Insurance"_s));
        QVERIFY(all.contains(u"Ann Smith"_s));
        QVERIFY(all.contains(u"Summary by Body Classification"_s)); // no "fi" ligature
        QVERIFY(all.contains(u"Total current value: "_s +
                             QString::fromStdString(AmountText(current.Value()))));
        QVERIFY(all.contains(u"Total purchase price: "_s +
                             QString::fromStdString(AmountText(purchase.Value()))));
        for (const Row& row : rows)
            QCOMPARE(all.count(QString::fromLatin1(row.number)), 1);
        QVERIFY(all.contains(u"appraised"_s));
        QStringList pages = all.split(u'\f');
        if (pages.constLast().trimmed().isEmpty())
            pages.removeLast();
        for (qsizetype page = 1; page <= pages.size(); ++page)
            QVERIFY2(pages[page - 1].contains(u"Page %1 of %2"_s.arg(page).arg(pages.size())),
                     qPrintable(pages[page - 1]));

        const Finished images = Run(u"pdfimages"_s, {u"-list"_s, pdf});
        QCOMPARE(images.status, 0);
        const QStringList lines = images.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines) {
            const QStringList fields = line.simplified().split(u' ');
            QVERIFY2(fields.value(3).toInt() > 0 && fields.value(3).toInt() <= 400,
                     qPrintable(line));
            QCOMPARE(fields.value(8), u"jpeg"_s);
        }

        // A folder in place of the PDF: refused, and nothing is left beside it.
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(u"out.pdf"_s));
        const Finished refused =
            Run(QStringLiteral(GAUGEWRIGHT_PROGRAM),
                {u"--insurance-pdf"_s, work.filePath(u"out.pdf"_s), inventory}, dir.path());
        QCOMPARE(refused.status, 2);
        QVERIFY(!refused.err.isEmpty());
        QCOMPARE(
            QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{u"out.pdf"_s});
        QCOMPARE(
            QDir(work.filePath(u"out.pdf"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
    }

    // File > Insurance Report: the owner typed once is offered the next time, and
    // a file that cannot be written is reported, not left half-written.
    void theMenuCommandAsksAndRemembersTheOwner() {
        QTemporaryDir dir;
        CSidingWardDoc document;
        auto item = std::make_unique<CInventoryElement>();
        item->SetItemNumber("NUM-A1");
        item->SetComments("Kept in its box.");
        document.AddItem(std::move(item), nullptr);
        CAppSettings settings(dir.filePath(u"settings.ini"_s));
        CMessageRecorder messages;
        const CFixedClock clock(CDate{2026, 12, 9});
        const QString pdf = dir.filePath(u"report.pdf"_s);
        SaveAs chooser(pdf);
        CInsuranceReportCommands commands(messages, chooser, clock, settings,
                                          CThumbnailStore(dir.filePath(u"cache"_s), u"test"_s));
        CModalAnswerer answerer;
        answerer.QueueFor<CInsuranceReportDialog>([](CInsuranceReportDialog* dialog) {
            dialog->findChildren<QLineEdit*>().at(0)->setText(u"Ann Smith"_s);
            dialog->findChild<QPlainTextEdit*>()->setPlainText(u"1 Main Street\nSpringfield"_s);
            dialog->findChildren<QLineEdit*>().at(1)->setText(u"POL-778"_s);
            dialog->findChildren<QCheckBox*>().at(1)->setChecked(false); // no comments
            QVERIFY(SaveScreenshot(*dialog, u"InsuranceReportDialog.png"_s));
            dialog->accept();
        });
        commands.Run(nullptr, document);
        QCOMPARE(messages.Count(), 0);
        const Finished text = Run(u"pdftotext"_s, {pdf, u"-"_s});
        for (const QString& shown :
             {u"Ann Smith"_s, u"Springfield"_s, u"POL-778"_s, u"December 9, 2026"_s, u"NUM-A1"_s})
            QVERIFY2(text.out.contains(shown), qPrintable(shown));
        QVERIFY(!text.out.contains(u"Kept in its box."_s));

        QVERIFY(QDir(dir.path()).mkdir(u"folder.pdf"_s));
        SaveAs folder(dir.filePath(u"folder.pdf"_s));
        CInsuranceReportCommands again(messages, folder, clock, settings,
                                       CThumbnailStore(dir.filePath(u"cache"_s), u"test"_s));
        QString offered;
        answerer.QueueFor<CInsuranceReportDialog>([&](CInsuranceReportDialog* dialog) {
            offered = dialog->Options().owner + u'|' + dialog->Options().address;
            dialog->accept();
        });
        again.Run(nullptr, document);
        QCOMPARE(offered, u"Ann Smith|1 Main Street\nSpringfield"_s);
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(QDir(dir.filePath(u"folder.pdf"_s)).isEmpty(), true);
    }
};

QTEST_MAIN(InsuranceReportTest)
#include "InsuranceReportTest.moc"
