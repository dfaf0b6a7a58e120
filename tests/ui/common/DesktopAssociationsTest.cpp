#include "ui/common/DesktopAssociations.h"

#include <QProcessEnvironment>
#include <QtTest>

#include "ui/common/DesktopEntry.h"
#include "ui/common/XdgDirectories.h"
#include "ui/support/FakeDesktop.h"

using Outcome = CDesktopAssociations::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

QByteArray Entry(const QByteArray& exec, const QByteArray& extra = QByteArray()) {
    return "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + exec + "\n" + extra;
}

QByteArray Defaults(const QByteArray& line) {
    return "[Added Associations]\nimage/jpeg=added.desktop\n[Default Applications]\n" + line + "\n";
}

// Fails every read of the files whose path ends in one of the given names.
CDesktopAssociations::FileReader Denying(const QStringList& names) {
    return [names](const QString& path) -> CDesktopAssociations::FileContents {
        for (const QString& name : names) {
            if (path.endsWith(name))
                return {std::nullopt, true};
        }
        return CDesktopAssociations::ReadFromDisk(path);
    };
}

} // namespace

class DesktopAssociationsTest : public QObject {
    Q_OBJECT

private slots:
    void splitsExec_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        const auto row = [](const char* name, const QString& exec, const QStringList& arguments,
                            bool valid = true) {
            QTest::newRow(name) << exec << arguments << valid;
        };
        row("plain", QStringLiteral("viewer  --a\t%f"),
            {QStringLiteral("viewer"), QStringLiteral("--a"), QStringLiteral("%f")});
        row("double quotes keep blanks", QStringLiteral("\"/opt/my viewer/bin\" \"%f\""),
            {QStringLiteral("/opt/my viewer/bin"), QStringLiteral("%f")});
        row("escapes inside quotes", QStringLiteral("v \"a\\\"b\\`c\\$d\\\\e\\x\""),
            {QStringLiteral("v"), QStringLiteral("a\"b`c$d\\e\\x")});
        row("pieces join", QStringLiteral("v a\"b c\"'d e'f"),
            {QStringLiteral("v"), QStringLiteral("ab cd ef")});
        row("empty quoted argument", QStringLiteral("v \"\" x"),
            {QStringLiteral("v"), QString(), QStringLiteral("x")});
        row("backslash outside quotes", QStringLiteral("v a\\ b"),
            {QStringLiteral("v"), QStringLiteral("a b")});
        row("shell characters are plain text", QStringLiteral("v ;|&>$(x)"),
            {QStringLiteral("v"), QStringLiteral(";|&>$(x)")});
        row("open double quote", QStringLiteral("v \"abc"), {}, false);
        row("open single quote", QStringLiteral("v 'abc"), {}, false);
        row("escaped closing quote", QStringLiteral("v \"abc\\\""), {}, false);
        row("blank", QStringLiteral("  "), {});
    }
    void splitsExec() {
        QFETCH(QString, exec);
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        const std::optional<QStringList> split = CDesktopEntry::SplitExec(exec);
        QCOMPARE(split.has_value(), valid);
        if (valid)
            QCOMPARE(*split, arguments);
    }

    void commandForFile_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("command");
        const QString file = QStringLiteral("/p/my pic.jpg");
        const auto row = [&](const char* name, const QByteArray& entry, const QStringList& command,
                             const QString& picture = QString()) {
            QTest::newRow(name) << entry << (picture.isEmpty() ? file : picture) << command;
        };
        row("file code", Entry("viewer %f"), {QStringLiteral("viewer"), file});
        row("no file code appends the file", Entry("viewer --x"),
            {QStringLiteral("viewer"), QStringLiteral("--x"), file});
        row("quoted file code gives the bare file", Entry("viewer \"%f\""),
            {QStringLiteral("viewer"), file});
        row("list and url codes", Entry("viewer %U --then %F"),
            {QStringLiteral("viewer"), file, QStringLiteral("--then"), file});
        // A shell reads the file as a positional parameter, never as part of its text.
        const QString shellFile = QStringLiteral("/p/a\"; x '$(y).jpg");
        row("code in a shell's text", Entry("sh -c \"viewer %f\""),
            {QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("viewer \"${1}\""),
             QStringLiteral("sh"), shellFile},
            shellFile);
        row("code in double quotes in a shell's text", Entry("/bin/sh -c 'viewer \"%f\" %U'"),
            {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             QStringLiteral("viewer \"${1}\" \"${1}\""), QStringLiteral("/bin/sh"), shellFile},
            shellFile);
        row("code in single quotes in a shell's text, name and icon",
            Entry("env A=1 bash -e -c \"viewer '%f' %c %i\" view", "Icon=eye\n"),
            {QStringLiteral("env"), QStringLiteral("A=1"), QStringLiteral("bash"),
             QStringLiteral("-e"), QStringLiteral("-c"),
             QStringLiteral("viewer ''\"${1}\"'' \"${2}\" \"${3}\""), QStringLiteral("view"),
             shellFile, QStringLiteral("Viewer"), QStringLiteral("eye")},
            shellFile);
        row("code in quotes with more, not for a shell", Entry("viewer \"--file=%f\""), {});
        row("code in quotes for a terminal", Entry("xterm -e \"vi %f\""), {});
        row("code inside an argument", Entry("viewer --file=%u"),
            {QStringLiteral("viewer"), QStringLiteral("--file=") + file});
        row("icon, name, location, percent", Entry("viewer %i --title=%c %k 100%%", "Icon=eye\n"),
            {QStringLiteral("viewer"), QStringLiteral("--icon"), QStringLiteral("eye"),
             QStringLiteral("--title=Viewer"), QStringLiteral("/apps/v.desktop"),
             QStringLiteral("100%"), file});
        row("icon without Icon is nothing", Entry("viewer %i %f"),
            {QStringLiteral("viewer"), file});
        row("deprecated codes are dropped", Entry("viewer %d %D %n %N %v %m %f"),
            {QStringLiteral("viewer"), file});
        row("codes in the file are not expanded", Entry("viewer %f"),
            {QStringLiteral("viewer"), QStringLiteral("/p/%f %u %%.jpg")},
            QStringLiteral("/p/%f %u %%.jpg"));
        row("string escapes", Entry("viewer\\s--a \"x\\\\\\\\y\" \"\\\\$HOME\""),
            {QStringLiteral("viewer"), QStringLiteral("--a"), QStringLiteral("x\\y"),
             QStringLiteral("$HOME"), file});
        row("no Exec", "[Desktop Entry]\nType=Application\n", {});
        row("empty Exec", Entry(""), {});
        row("unbalanced Exec", Entry("viewer \"%f"), {});
        row("Exec in another group",
            "[Desktop Action x]\nExec=other %f\n[Desktop Entry]\n"
            "Exec=viewer %f\n[Other]\nExec=third %f\n",
            {QStringLiteral("viewer"), file});
    }
    void commandForFile() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, file);
        QFETCH(QStringList, command);
        const CDesktopEntry desktop(QStringLiteral("/apps/v.desktop"), entry);
        const std::optional<QStringList> built = desktop.CommandFor(file);
        QCOMPARE(built.has_value(), !command.isEmpty());
        if (built)
            QCOMPARE(*built, command);
    }

    void usableEntries_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("usable");
        QTest::newRow("application") << Entry("v %f") << true;
        QTest::newRow("hidden") << Entry("v %f", "Hidden=true\n") << false;
        QTest::newRow("link") << QByteArray("[Desktop Entry]\nType=Link\nExec=v\n") << false;
        QTest::newRow("TryExec present") << Entry("v", "TryExec=/bin/sh\n") << true;
        QTest::newRow("TryExec missing")
            << Entry("v", "TryExec=/nonexistent/gaugewright-viewer\n") << false;
        QTest::newRow("TryExec missing from PATH")
            << Entry("v", "TryExec=gaugewright-no-such-viewer\n") << false;
    }
    void usableEntries() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, usable);
        QCOMPARE(CDesktopEntry(QStringLiteral("/a.desktop"), entry).IsUsable(), usable);
    }

    void environmentFolders_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("expected");
        const QStringList defaults{QStringLiteral("/home/u/.config"), QStringLiteral("/etc/xdg"),
                                   QStringLiteral("/home/u/.local/share"),
                                   QStringLiteral("/usr/local/share:/usr/share"), QString()};
        QTest::newRow("unset") << QStringList() << defaults;
        QTest::newRow("relative and empty ignored")
            << QStringList{QStringLiteral("XDG_CONFIG_HOME=rel"),
                           QStringLiteral("XDG_DATA_DIRS=::rel:"),
                           QStringLiteral("XDG_CONFIG_DIRS=")}
            << defaults;
        QTest::newRow("set") << QStringList{QStringLiteral("XDG_CONFIG_HOME=/c"),
                                            QStringLiteral("XDG_CONFIG_DIRS=/x:/y"),
                                            QStringLiteral("XDG_DATA_HOME=/d"),
                                            QStringLiteral("XDG_DATA_DIRS=/s:rel:/t"),
                                            QStringLiteral("XDG_CURRENT_DESKTOP=KDE:GNOME")}
                             << QStringList{QStringLiteral("/c"), QStringLiteral("/x:/y"),
                                            QStringLiteral("/d"), QStringLiteral("/s:/t"),
                                            QStringLiteral("kde:gnome")};
    }
    void environmentFolders() {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, expected);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
        for (const QString& variable : variables)
            environment.insert(variable.section(QLatin1Char('='), 0, 0),
                               variable.section(QLatin1Char('='), 1));
        const CXdgDirectories folders = CXdgDirectories::FromEnvironment(environment);
        QCOMPARE(QStringList({folders.configHome, folders.configDirs.join(QLatin1Char(':')),
                              folders.dataHome, folders.dataDirs.join(QLatin1Char(':')),
                              folders.currentDesktops.join(QLatin1Char(':'))}),
                 expected);
    }

    void mimeTypeOfExtension_data() {
        QTest::addColumn<QStringList>("files"); // "relative path|contents"
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("type");
        const QString system = QStringLiteral("usr/mime/globs2|");
        const QString user = QStringLiteral("data/mime/globs2|");
        const QString jpeg = system + QStringLiteral("# comment\n50:image/jpeg:*.jpg\n"
                                                     "50:image/jpeg:*.jpeg\n");
        QTest::newRow("simple") << QStringList{jpeg} << QStringLiteral(".jpg")
                                << QStringLiteral("image/jpeg");
        QTest::newRow("case does not count")
            << QStringList{jpeg} << QStringLiteral(".JPG") << QStringLiteral("image/jpeg");
        QTest::newRow("case-sensitive glob")
            << QStringList{system + QStringLiteral("50:text/x-c:*.C:cs\n50:text/x-c2:*.c\n")}
            << QStringLiteral(".C") << QStringLiteral("text/x-c");
        QTest::newRow("case-sensitive glob misses")
            << QStringList{system + QStringLiteral("60:text/x-c:*.C:cs\n50:text/x-c2:*.c\n")}
            << QStringLiteral(".c") << QStringLiteral("text/x-c2");
        QTest::newRow("higher weight wins")
            << QStringList{system + QStringLiteral("40:image/a:*.pic\n80:image/b:*.pic\n")}
            << QStringLiteral(".pic") << QStringLiteral("image/b");
        QTest::newRow("longer glob wins a tie")
            << QStringList{system + QStringLiteral("50:image/a:*.ic\n50:image/b:*.pic\n")}
            << QStringLiteral(".pic") << QStringLiteral("image/b");
        QTest::newRow("wildcards") << QStringList{system + QStringLiteral("50:image/w:*.[pP]?c\n")}
                                   << QStringLiteral(".Pxc") << QStringLiteral("image/w");
        QTest::newRow("user folder first")
            << QStringList{jpeg, user + QStringLiteral("50:image/mine:*.jpg\n")}
            << QStringLiteral(".jpg") << QStringLiteral("image/mine");
        QTest::newRow("noglobs hides later folders")
            << QStringList{jpeg, user + QStringLiteral("50:image/jpeg:__NOGLOBS__\n"
                                                       "50:image/jpeg:*.jpe\n")}
            << QStringLiteral(".jpg") << QString();
        QTest::newRow("old globs file")
            << QStringList{QStringLiteral("usr2/mime/globs|image/gif:*.gif\n")}
            << QStringLiteral(".gif") << QStringLiteral("image/gif");
        QTest::newRow("unknown extension")
            << QStringList{jpeg} << QStringLiteral(".xyz") << QString();
        QTest::newRow("no glob files") << QStringList() << QStringLiteral(".jpg") << QString();
        QTest::newRow("broken lines skipped")
            << QStringList{system + QStringLiteral("x:image/a:*.jpg\nimage/b\n\n50:image/c:*.jpg")}
            << QStringLiteral(".jpg") << QStringLiteral("image/c");
    }
    void mimeTypeOfExtension() {
        QFETCH(QStringList, files);
        QFETCH(QString, extension);
        QFETCH(QString, type);
        CFakeDesktop desktop;
        for (const QString& file : files)
            desktop.Write(file.section(QLatin1Char('|'), 0, 0),
                          file.section(QLatin1Char('|'), 1).toUtf8());
        const CDesktopAssociations associations(desktop.Directories());
        const CDesktopAssociations::TypeLookup found = associations.MimeTypeOfExtension(extension);
        QCOMPARE(found.outcome, type.isEmpty() ? Outcome::NotFound : Outcome::Found);
        QCOMPARE(found.mimeType, type);
    }

    // The real shared-mime-info database, where the machine has one.
    void systemMimeDatabase_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("type");
        QTest::newRow("jpg") << QStringLiteral(".jpg") << QStringLiteral("image/jpeg");
        QTest::newRow("JPEG") << QStringLiteral(".JPEG") << QStringLiteral("image/jpeg");
        QTest::newRow("gif") << QStringLiteral(".gif") << QStringLiteral("image/gif");
        QTest::newRow("bmp") << QStringLiteral(".bmp") << QStringLiteral("image/bmp");
        QTest::newRow("png") << QStringLiteral(".png") << QStringLiteral("image/png");
    }
    void systemMimeDatabase() {
        QFETCH(QString, extension);
        QFETCH(QString, type);
        if (!QFileInfo::exists(QStringLiteral("/usr/share/mime/globs2")))
            QSKIP("no shared-mime-info database here");
        CXdgDirectories folders;
        folders.dataDirs = {QStringLiteral("/usr/share")};
        QCOMPARE(CDesktopAssociations(folders).MimeTypeOfExtension(extension).mimeType, type);
    }

    void mimeTypeAccessDenied() {
        CFakeDesktop desktop;
        desktop.Write(QStringLiteral("usr/mime/globs2"), "50:image/jpeg:*.jpg\n");
        desktop.Write(QStringLiteral("data/mime/globs2"), "50:image/x-mine:*.mine\n");
        CDesktopAssociations associations(desktop.Directories());
        associations.SetFileReader(Denying({QStringLiteral("data/mime/globs2")}));
        // A type found elsewhere still counts; only nothing at all is a denial.
        QCOMPARE(associations.MimeTypeOfExtension(QStringLiteral(".jpg")).mimeType,
                 QStringLiteral("image/jpeg"));
        QCOMPARE(associations.MimeTypeOfExtension(QStringLiteral(".mine")).outcome,
                 Outcome::AccessDenied);
    }

    void defaultApplication_data() {
        QTest::addColumn<QStringList>("files"); // "relative path|contents"
        QTest::addColumn<QStringList>("desktops");
        QTest::addColumn<QString>("application"); // the Name of the entry found
        const auto app = [](const char* path, const char* name, const char* extra = "") {
            return QString::fromLatin1(path) +
                   QStringLiteral("|[Desktop Entry]\nType=Application\n"
                                  "Exec=v %f\nName=") +
                   QString::fromLatin1(name) + QStringLiteral("\n") + QString::fromLatin1(extra);
        };
        const QStringList apps{
            app("usr/applications/a.desktop", "A"), app("usr/applications/b.desktop", "B"),
            app("data/applications/c.desktop", "C"), app("usr2/applications/kde/d.desktop", "D"),
            app("usr/applications/hidden.desktop", "H", "Hidden=true\n")};
        const auto list = [](const char* path, const char* line) {
            return QString::fromLatin1(path) + QStringLiteral("|") +
                   QString::fromUtf8(Defaults(line));
        };
        QTest::newRow("config home first")
            << apps + QStringList{list("config/mimeapps.list", "image/jpeg=a.desktop"),
                                  list("etc/mimeapps.list", "image/jpeg=b.desktop")}
            << QStringList() << QStringLiteral("A");
        QTest::newRow("config dirs before data home")
            << apps + QStringList{list("etc/mimeapps.list", "image/jpeg=b.desktop"),
                                  list("data/applications/mimeapps.list", "image/jpeg=c.desktop")}
            << QStringList() << QStringLiteral("B");
        QTest::newRow("data home before data dirs")
            << apps + QStringList{list("usr/applications/mimeapps.list", "image/jpeg=a.desktop"),
                                  list("data/applications/mimeapps.list", "image/jpeg=c.desktop")}
            << QStringList() << QStringLiteral("C");
        QTest::newRow("desktop-specific list first")
            << apps + QStringList{list("config/mimeapps.list", "image/jpeg=a.desktop"),
                                  list("config/kde-mimeapps.list", "image/jpeg=b.desktop")}
            << QStringList{QStringLiteral("kde")} << QStringLiteral("B");
        QTest::newRow("other desktop's list ignored")
            << apps + QStringList{list("config/mimeapps.list", "image/jpeg=a.desktop"),
                                  list("config/gnome-mimeapps.list", "image/jpeg=b.desktop")}
            << QStringList{QStringLiteral("kde")} << QStringLiteral("A");
        QTest::newRow("first installed of the list")
            << apps +
                   QStringList{list("config/mimeapps.list",
                                    "image/jpeg=gone.desktop;hidden.desktop;b.desktop;a.desktop;")}
            << QStringList() << QStringLiteral("B");
        QTest::newRow("nothing installed: next list")
            << apps + QStringList{list("config/mimeapps.list", "image/jpeg=gone.desktop"),
                                  list("etc/mimeapps.list", "image/jpeg=c.desktop")}
            << QStringList() << QStringLiteral("C");
        QTest::newRow("type compares without case")
            << apps + QStringList{list("config/mimeapps.list", "Image/JPEG = a.desktop")}
            << QStringList() << QStringLiteral("A");
        QTest::newRow("added associations are not defaults")
            << apps + QStringList{app("usr/applications/added.desktop", "Added"),
                                  list("config/mimeapps.list", "image/png=a.desktop")}
            << QStringList() << QString();
        QTest::newRow("id with a subfolder")
            << apps + QStringList{list("config/mimeapps.list", "image/jpeg=kde-d.desktop")}
            << QStringList() << QStringLiteral("D");
        QTest::newRow("defaults.list fallback")
            << apps + QStringList{list("usr/applications/defaults.list", "image/jpeg=a.desktop"),
                                  QStringLiteral("usr/applications/mimeinfo.cache|[MIME Cache]\n"
                                                 "image/jpeg=b.desktop;\n")}
            << QStringList() << QStringLiteral("A");
        QTest::newRow("mimeinfo.cache fallback")
            << apps + QStringList{QStringLiteral("usr2/applications/mimeinfo.cache|[MIME Cache]\n"
                                                 "image/jpeg=b.desktop;c.desktop;\n")}
            << QStringList() << QStringLiteral("B");
        QTest::newRow("mimeapps before the fallbacks")
            << apps + QStringList{list("data/applications/defaults.list", "image/jpeg=c.desktop"),
                                  list("usr2/applications/mimeapps.list", "image/jpeg=b.desktop")}
            << QStringList() << QStringLiteral("B");
        QTest::newRow("none") << apps << QStringList() << QString();
    }
    void defaultApplication() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, desktops);
        QFETCH(QString, application);
        CFakeDesktop desktop;
        for (const QString& file : files)
            desktop.Write(file.section(QLatin1Char('|'), 0, 0),
                          file.section(QLatin1Char('|'), 1).toUtf8());
        CXdgDirectories folders = desktop.Directories();
        folders.currentDesktops = desktops;
        const CDesktopAssociations associations(folders);
        const CDesktopAssociations::ApplicationLookup found =
            associations.DefaultApplication(QStringLiteral("image/jpeg"));
        QCOMPARE(found.outcome, application.isEmpty() ? Outcome::NotFound : Outcome::Found);
        QCOMPARE(found.application.has_value(), !application.isEmpty());
        if (found.application)
            QCOMPARE(found.application->Value(QStringLiteral("Name")), application);
    }

    void defaultApplicationAccessDenied_data() {
        QTest::addColumn<QStringList>("denied");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("list denied, nothing else")
            << QStringList{QStringLiteral("config/mimeapps.list")} << Outcome::AccessDenied;
        QTest::newRow("entry denied")
            << QStringList{QStringLiteral("a.desktop")} << Outcome::AccessDenied;
        QTest::newRow("denied list, found later")
            << QStringList{QStringLiteral("config/mimeapps.list"), QStringLiteral("nothing-else")}
            << Outcome::Found;
    }
    void defaultApplicationAccessDenied() {
        QFETCH(QStringList, denied);
        QFETCH(Outcome, outcome);
        CFakeDesktop desktop;
        desktop.Write(QStringLiteral("usr/applications/a.desktop"), Entry("v %f"));
        desktop.Write(QStringLiteral("config/mimeapps.list"), Defaults("image/jpeg=a.desktop"));
        if (outcome == Outcome::Found) {
            desktop.Write(QStringLiteral("usr/applications/b.desktop"), Entry("w %f"));
            desktop.Write(QStringLiteral("etc/mimeapps.list"), Defaults("image/jpeg=b.desktop"));
        }
        CDesktopAssociations associations(desktop.Directories());
        associations.SetFileReader(Denying(denied));
        QCOMPARE(associations.DefaultApplication(QStringLiteral("image/jpeg")).outcome, outcome);
    }
};

QTEST_MAIN(DesktopAssociationsTest)
#include "DesktopAssociationsTest.moc"
