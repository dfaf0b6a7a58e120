#include "ui/inventory/PictureViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "ui/common/Captions.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Text.h"
#include "ui/support/FakeDesktop.h"
#include "ui/support/MessageRecorder.h"

namespace {

const QString kCannotView = QStringLiteral(
    "The Gaugewright cannot view this picture.\n\nOpen this file with Windows Explorer first, "
    "then retry.");

CMessage SystemError(const QString& text) {
    return {text, captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok};
}

// Notes the caption of every progress window shown and the bar's value when it goes.
class ProgressWatcher : public QObject {
public:
    ProgressWatcher() { qApp->installEventFilter(this); }
    ~ProgressWatcher() override { qApp->removeEventFilter(this); }
    QStringList shown;
    QList<int> finalValues;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (auto* window = qobject_cast<CProgressWindow*>(object)) {
            if (event->type() == QEvent::Show)
                shown << window->windowTitle();
            else if (event->type() == QEvent::Hide)
                finalValues << window->Value();
        }
        return false;
    }
};

// A desktop that opens .jpg files with one recorder and .gif files with another;
// the "@" of jpegExec stands for the jpeg recorder's quoted path, "^" for its bare path.
struct PictureDesktop {
    explicit PictureDesktop(QByteArray jpegExec = QByteArray("@ %f")) {
        desktop.AddRecorder(QStringLiteral("jpeg-viewer"));
        desktop.AddRecorder(QStringLiteral("gif-viewer"));
        desktop.Write(QStringLiteral("usr/mime/globs2"),
                      "50:image/jpeg:*.jpg\n50:image/jpeg:*.jpeg\n50:image/gif:*.gif\n");
        jpegExec.replace("@", desktop.ExecOf(QStringLiteral("jpeg-viewer")).toUtf8());
        jpegExec.replace("^", desktop.Path(QStringLiteral("jpeg-viewer")).toUtf8());
        desktop.Write(QStringLiteral("usr/applications/jpeg.desktop"),
                      "[Desktop Entry]\nType=Application\nName=JPEG\nExec=" + jpegExec + "\n");
        desktop.Write(QStringLiteral("usr/applications/gif.desktop"),
                      "[Desktop Entry]\nType=Application\nName=GIF\nExec=" +
                          desktop.ExecOf(QStringLiteral("gif-viewer")).toUtf8() + " %U\n");
        desktop.Write(QStringLiteral("config/mimeapps.list"),
                      "[Default Applications]\nimage/jpeg=jpeg.desktop\nimage/gif=gif.desktop\n");
    }
    // A picture file in the desktop's "pictures" folder.
    QString AddPicture(const QString& name) {
        QDir(desktop.Root()).mkpath(QStringLiteral("pictures"));
        const QString path = desktop.Path(QStringLiteral("pictures/") + name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("GIF89a") != 6)
            qFatal("cannot write a picture");
        return path;
    }
    CFakeDesktop desktop;
};

// Makes folder the current one while it lives.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString m_previous;
};

} // namespace

class PictureViewerTest : public QObject {
    Q_OBJECT

private slots:
    void extension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("extension");
        QTest::newRow("jpg") << QStringLiteral("/p/a.jpg") << QStringLiteral(".jpg");
        QTest::newRow("last dot") << QStringLiteral("/p/a.b.JPEG") << QStringLiteral(".JPEG");
        QTest::newRow("none") << QStringLiteral("/p/picture") << QStringLiteral(".gif");
        QTest::newRow("dot in a folder only")
            << QStringLiteral("/p.v2/picture") << QStringLiteral(".gif");
        QTest::newRow("ends in a dot") << QStringLiteral("/p/a.") << QStringLiteral(".");
        QTest::newRow("relative") << QStringLiteral("a.bmp") << QStringLiteral(".bmp");
    }
    void extension() {
        QFETCH(QString, path);
        QFETCH(QString, extension);
        QCOMPARE(CPictureViewer::ExtensionOf(path), extension);
    }

    // The picture program gets the path as one argument, whatever the path holds,
    // and no shell ever reads it.
    void opensPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QString>("recorder");
        QTest::addColumn<QStringList>("before"); // arguments before the path
        QTest::addColumn<QStringList>("after");  // arguments after it
        const QByteArray plain;
        const QString jpeg = QStringLiteral("jpeg-viewer");
        QTest::newRow("plain") << QStringLiteral("engine.jpg") << plain << jpeg << QStringList()
                               << QStringList();
        QTest::newRow("spaces") << QStringLiteral("my  engine 2.jpg") << plain << jpeg
                                << QStringList() << QStringList();
        QTest::newRow("quotes") << QStringLiteral("the \"Flyer\" & Bob's.jpg") << plain << jpeg
                                << QStringList() << QStringList();
        QTest::newRow("semicolons") << QStringLiteral("a; touch INJECTED; b.jpg") << plain << jpeg
                                    << QStringList() << QStringList();
        QTest::newRow("command substitution")
            << QStringLiteral("$(touch INJECTED) `touch INJECTED` ${HOME}.jpg") << plain << jpeg
            << QStringList() << QStringList();
        QTest::newRow("redirection and backslash")
            << QStringLiteral("a > INJECTED | b \\ \\\" #c.jpg") << plain << jpeg << QStringList()
            << QStringList();
        QTest::newRow("field codes in the name")
            << QStringLiteral("%f %u %% %1.jpg") << plain << jpeg << QStringList() << QStringList();
        QTest::newRow("code page letters") << QStringLiteral(u"Dampflok \u00fc\u00df\u20ac.jpg")
                                           << plain << jpeg << QStringList() << QStringList();
        QTest::newRow("no extension is a gif")
            << QStringLiteral("engine; touch INJECTED") << plain << QStringLiteral("gif-viewer")
            << QStringList() << QStringList();
        QTest::newRow("quoted %f template")
            << QStringLiteral("$(touch INJECTED).jpg") << QByteArray("@ --view \"%f\" --fit")
            << jpeg << QStringList{QStringLiteral("--view")}
            << QStringList{QStringLiteral("--fit")};
        QTest::newRow("template without code")
            << QStringLiteral("b c.jpg") << QByteArray("@ --slideshow") << jpeg
            << QStringList{QStringLiteral("--slideshow")} << QStringList();
        // An entry that hands the file to a shell: the shell must see the name as one
        // word, whatever quotes stand around the code in its text.
        for (const char* exec : {"sh -c \"^ %f\"", "sh -c '^ \"%f\"'", "sh -c \"^ '%f'\""}) {
            for (const char* name :
                 {"a; touch INJECTED; b.jpg", "a\"; touch INJECTED; \"$(touch INJECTED).jpg",
                  "a'; touch INJECTED; '.jpg", "a > INJECTED | b \\ \\\" #c.jpg"}) {
                QTest::addRow("%s with %s", exec, name)
                    << QString::fromUtf8(name) << QByteArray(exec) << jpeg << QStringList()
                    << QStringList();
            }
        }
    }
    void opensPicture() {
        QFETCH(QString, name);
        QFETCH(QByteArray, exec);
        QFETCH(QString, recorder);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        PictureDesktop fake(exec.isEmpty() ? QByteArray("@ %f") : exec);
        const QString picture = fake.AddPicture(name);
        // Whatever a shell would run lands in the desktop's folder.
        const CurrentFolder folder(fake.desktop.Root());
        CMessageRecorder messages;
        ProgressWatcher progress;
        CPictureViewer viewer(messages, CDesktopAssociations(fake.desktop.Directories()), 0);
        const std::optional<std::string> bytes = text::ToBytes(picture);
        QVERIFY(bytes);
        const bool started = viewer.View(nullptr, *bytes);
        QVERIFY2(started, qPrintable(messages.Last().text));
        QCOMPARE(messages.Count(), 0);
        QTRY_VERIFY(fake.desktop.HasRecorded(recorder));
        QCOMPARE(fake.desktop.RecordedArguments(recorder), before + QStringList{picture} + after);
        QVERIFY(!QFileInfo::exists(fake.desktop.Path(QStringLiteral("INJECTED"))));
        QCOMPARE(progress.shown,
                 QStringList{QStringLiteral("Starting Picture Viewer.  Please wait...")});
        QCOMPARE(progress.finalValues, QList<int>{100});
    }

    void failures_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("message"); // "%path" stands for the picture's path
        QTest::addColumn<bool>("launched");
        const QString cannotFind = QStringLiteral(
            "The Gaugewright cannot find the picture file specified.\n\n%path\n\nPlease make sure "
            "the file name is correct.");
        QTest::newRow("file missing") << QStringLiteral("missing") << cannotFind << false;
        QTest::newRow("folder, not a file") << QStringLiteral("folder") << cannotFind << false;
        QTest::newRow("empty path") << QStringLiteral("empty") << cannotFind << false;
        QTest::newRow("named pipe") << QStringLiteral("pipe") << cannotFind << false;
        QTest::newRow("type unknown") << QStringLiteral("no type") << kCannotView << false;
        QTest::newRow("type denied")
            << QStringLiteral("type denied")
            << QStringLiteral("The operating system has denied access to the registry.\n\nThe "
                              "Gaugewright cannot view this picture.")
            << false;
        QTest::newRow("no application") << QStringLiteral("no application") << kCannotView << false;
        QTest::newRow("application denied")
            << QStringLiteral("application denied")
            << QStringLiteral("The operating system has denied access to the registry (shell).\n\n"
                              "The picture cannot be viewed.")
            << false;
        QTest::newRow("no command") << QStringLiteral("no command") << kCannotView << false;
        QTest::newRow("program does not start")
            << QStringLiteral("no program") << kCannotView << true;
    }
    void failures() {
        QFETCH(QString, step);
        QFETCH(QString, message);
        QFETCH(bool, launched);
        PictureDesktop fake;
        QString picture = fake.AddPicture(QStringLiteral("engine.jpg"));
        CDesktopAssociations associations(fake.desktop.Directories());
        if (step == QStringLiteral("missing"))
            picture = fake.desktop.Path(QStringLiteral("pictures/gone.jpg"));
        else if (step == QStringLiteral("folder"))
            picture = fake.desktop.Path(QStringLiteral("pictures"));
        else if (step == QStringLiteral("empty"))
            picture.clear();
        else if (step == QStringLiteral("pipe")) {
            // Opened for reading, a pipe without a writer would never answer.
            picture = fake.desktop.Path(QStringLiteral("pictures/pipe.jpg"));
            if (QProcess::execute(QStringLiteral("mkfifo"), {picture}) != 0)
                QSKIP("mkfifo is not available");
        } else if (step == QStringLiteral("no type"))
            QFile::remove(fake.desktop.Path(QStringLiteral("usr/mime/globs2")));
        else if (step == QStringLiteral("no application"))
            fake.desktop.Write(QStringLiteral("config/mimeapps.list"),
                               "[Default Applications]\nimage/png=jpeg.desktop\n");
        else if (step == QStringLiteral("no command"))
            fake.desktop.Write(QStringLiteral("usr/applications/jpeg.desktop"),
                               "[Desktop Entry]\nType=Application\nName=JPEG\n");
        else if (step == QStringLiteral("no program"))
            fake.desktop.Write(QStringLiteral("usr/applications/jpeg.desktop"),
                               "[Desktop Entry]\nType=Application\nExec=\"" +
                                   fake.desktop.Path(QStringLiteral("no-such-viewer")).toUtf8() +
                                   "\" %f\n");
        const QString denied = step == QStringLiteral("type denied") ? QStringLiteral("globs2")
                               : step == QStringLiteral("application denied")
                                   ? QStringLiteral("jpeg.desktop")
                                   : QString();
        if (!denied.isEmpty()) {
            associations.SetFileReader([denied](const QString& path) {
                if (path.endsWith(denied))
                    return CDesktopAssociations::FileContents{std::nullopt, true};
                return CDesktopAssociations::ReadFromDisk(path);
            });
        }
        CMessageRecorder messages;
        ProgressWatcher progress;
        CPictureViewer viewer(messages, associations, 0);
        int launches = 0;
        viewer.SetLauncher([&](const QString& program, const QStringList& arguments) {
            ++launches;
            return QProcess::startDetached(program, arguments);
        });
        QWidget parent;
        QVERIFY(!viewer.View(&parent, picture));
        QCOMPARE(launches, launched ? 1 : 0);
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(messages.Last(), SystemError(message.replace(QStringLiteral("%path"), picture)));
        QCOMPARE(messages.Recorded().front().parent.data(), &parent);
        QVERIFY(progress.shown.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Most desktop entries name their program without a folder.
    void findsProgramOnPath() {
        PictureDesktop fake("jpeg-viewer --open=%u");
        const QString picture = fake.AddPicture(QStringLiteral("a b.jpg"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(fake.desktop.Root()) + ':' + path);
        CMessageRecorder messages;
        CPictureViewer viewer(messages, CDesktopAssociations(fake.desktop.Directories()), 0);
        const bool started = viewer.View(nullptr, picture);
        qputenv("PATH", path);
        QVERIFY2(started, qPrintable(messages.Last().text));
        QTRY_VERIFY(fake.desktop.HasRecorded(QStringLiteral("jpeg-viewer")));
        QCOMPARE(fake.desktop.RecordedArguments(QStringLiteral("jpeg-viewer")),
                 QStringList{QStringLiteral("--open=") + picture});
    }

    // A relative name beginning with "-" must reach the program as a file, not an option.
    void passesTheWholePathOfARelativePicture_data() {
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("%f") << QByteArray("@ %f");
        QTest::newRow("no code") << QByteArray("@");
    }

    void passesTheWholePathOfARelativePicture() {
        QFETCH(QByteArray, exec);
        PictureDesktop fake(exec);
        const QString picture = fake.AddPicture(QStringLiteral("-rf.jpg"));
        const CurrentFolder folder(QFileInfo(picture).absolutePath());
        CMessageRecorder messages;
        CPictureViewer viewer(messages, CDesktopAssociations(fake.desktop.Directories()), 0);
        QStringList arguments;
        viewer.SetLauncher([&](const QString&, const QStringList& given) {
            arguments = given;
            return true;
        });
        QVERIFY2(viewer.View(nullptr, std::string("-rf.jpg")), qPrintable(messages.Last().text));
        QCOMPARE(arguments, QStringList{QFileInfo(picture).absoluteFilePath()});
        QVERIFY(arguments.front().startsWith(QLatin1Char('/')));
    }

    void startsUnderTheWaitCursor() {
        PictureDesktop fake;
        const QString picture = fake.AddPicture(QStringLiteral("engine.jpg"));
        CMessageRecorder messages;
        CPictureViewer viewer(messages, CDesktopAssociations(fake.desktop.Directories()), 0);
        QStringList command;
        bool waitCursor = false;
        viewer.SetLauncher([&](const QString& program, const QStringList& arguments) {
            command = QStringList{program} + arguments;
            waitCursor = QApplication::overrideCursor() != nullptr &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            return true;
        });
        QVERIFY(viewer.View(nullptr, picture));
        QVERIFY(waitCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(command, (QStringList{fake.desktop.Path(QStringLiteral("jpeg-viewer")), picture}));
    }
};

QTEST_MAIN(PictureViewerTest)
#include "PictureViewerTest.moc"
