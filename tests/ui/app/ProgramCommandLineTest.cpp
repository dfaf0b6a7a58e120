#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString kSample = QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv");

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

// Runs the program as a script would: no display, and a home of its own.
Finished RunProgram(const QString& home, const QStringList& arguments,
                    const QString& workingFolder = {}, const QString& command = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s,
                                u"XDG_CONFIG_HOME"_s, u"XDG_DATA_HOME"_s})
        environment.remove(name);
    environment.insert(u"HOME"_s, home);
    // Font caches are not the program's own files.
    const QTemporaryDir cache;
    environment.insert(u"XDG_CACHE_HOME"_s, cache.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        program.setWorkingDirectory(workingFolder);
    program.start(command.isEmpty() ? QStringLiteral(GAUGEWRIGHT_PROGRAM) : command, arguments);
    Finished finished;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return finished;
    }
    finished.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    finished.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    finished.err = QString::fromLocal8Bit(program.readAllStandardError());
    return finished;
}

QStringList Entries(const QString& folder) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class ProgramCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // Answers from the command line need no display and leave the user's home as
    // it was; mistakes are usage errors.
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        const QString pdf = u"out.pdf"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"usage: gaugewright"_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"gaugewright "_s;
        QTest::newRow("unknown") << QStringList{u"--bogus"_s} << 64 << u"unknown option --bogus"_s;
        for (const QString& columns : {u" 1"_s, u"+1"_s, u"1 "_s})
            QTest::addRow("columns '%s'", qPrintable(columns))
                << QStringList{u"--print-pdf"_s, pdf, u"--columns"_s, columns, kSample} << 64
                << u"is not a number from 0 to 13"_s;
        QTest::newRow("columns twice")
            << QStringList{u"--print-pdf"_s, pdf,    u"--columns"_s, u"1"_s,
                           u"--columns"_s,   u"2"_s, kSample}
            << 64 << u"--columns is given twice."_s;
        QTest::newRow("print twice")
            << QStringList{u"--print-pdf"_s, pdf, u"--print-pdf"_s, u"b.pdf"_s, kSample} << 64
            << u"--print-pdf is given twice."_s;
        QTest::newRow("group by 14")
            << QStringList{u"--insurance-pdf"_s, pdf, u"--group-by"_s, u"14"_s, kSample} << 64
            << u"--group-by takes a number from 0 to 13."_s;
        QTest::newRow("owner alone")
            << QStringList{u"--owner"_s, u"Ann"_s, kSample} << 64 << u"go with --insurance-pdf."_s;
        QTest::newRow("both reports")
            << QStringList{u"--insurance-pdf"_s, pdf, u"--print-pdf"_s, pdf, kSample} << 64
            << u"are given together."_s;
        QTest::newRow("report") << QStringList{u"--print-pdf"_s, pdf, kSample} << 0 << QString();
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QTemporaryDir home;
        QTemporaryDir work;
        const Finished run = RunProgram(home.path(), arguments, work.path());
        QCOMPARE(run.status, status);
        QVERIFY2((run.out + run.err).contains(printed), qPrintable(run.out + run.err));
        QCOMPARE(Entries(home.path()), QStringList());
        const bool report = status == 0 && arguments.contains(u"--print-pdf"_s);
        QCOMPARE(Entries(work.path()), report ? QStringList{u"out.pdf"_s} : QStringList());
    }

    // The PDF is written as a save writes a file: never into a pipe or the
    // inventory being read, and never cut short.
    void printingRefusesWhatASaveRefuses() {
#ifdef Q_OS_UNIX
        QTemporaryDir home;
        QTemporaryDir dir;
        const QString pipe = dir.filePath(u"pipe.pdf"_s);
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString inventory = dir.filePath(u"X.inv"_s);
        QVERIFY(QFile::copy(kSample, inventory));
        QVERIFY(QFile::setPermissions(inventory, QFile::ReadOwner | QFile::WriteOwner));
        const QString old = dir.filePath(u"old.pdf"_s);
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        const QByteArray before = Contents(inventory);
        const QString refused[][2] = {
            {pipe, pipe + u" is not a regular file."_s},
            {inventory, inventory + u" is the same file as "_s + inventory},
        };
        for (const auto& [output, message] : refused) {
            const Finished run = RunProgram(home.path(), {u"--print-pdf"_s, output, inventory});
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        }
        // A disk that fills up half way: every write past 4 KiB fails.
        const QString script = u"trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\""_s;
        const Finished full = RunProgram(home.path(),
                                         {u"-c"_s, script, QStringLiteral(GAUGEWRIGHT_PROGRAM),
                                          u"--print-pdf"_s, old, inventory},
                                         {}, u"/bin/sh"_s);
        QCOMPARE(full.status, 2);
        QVERIFY2(full.err.contains(old + u" could not be written in full"_s), qPrintable(full.err));

        QCOMPARE(Contents(inventory), before);
        QCOMPARE(Contents(old), QByteArray("old"));
        struct stat status {};
        QVERIFY(stat(QFile::encodeName(pipe).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
        QCOMPARE(Entries(dir.path()), QStringList({u"X.inv"_s, u"old.pdf"_s, u"pipe.pdf"_s}));
#else
        QSKIP("named pipes and file size limits are POSIX");
#endif
    }
};

QTEST_GUILESS_MAIN(ProgramCommandLineTest)
#include "ProgramCommandLineTest.moc"
