#include "ui/inventory/TextEditor.h"

#include <QtTest>

#include "ui/support/FakeDesktop.h"
#include "ui/support/MessageRecorder.h"

using namespace Qt::StringLiterals;

// The plain text editor of the desktop, graphical or one that runs in a terminal.
class TextEditorTest : public QObject {
    Q_OBJECT

private slots:
    void aTerminalEditorOpensInATerminal_data() {
        QTest::addColumn<bool>("inTerminal");
        QTest::addColumn<QString>("terminal"); // $TERMINAL; "-" for no terminal at all
        QTest::newRow("graphical editor") << false << QString();
        QTest::newRow("terminal editor, TERMINAL set") << true << u"term --tab"_s;
        QTest::newRow("terminal editor, no terminal") << true << u"-"_s;
    }
    void aTerminalEditorOpensInATerminal() {
        QFETCH(bool, inTerminal);
        QFETCH(QString, terminal);
        CFakeDesktop desktop;
        desktop.AddRecorder(u"editor"_s);
        desktop.AddRecorder(u"term"_s);
        desktop.Write(u"usr/applications/vim.desktop"_s,
                      "[Desktop Entry]\nType=Application\nName=Vim\nExec=" +
                          desktop.ExecOf(u"editor"_s).toUtf8() +
                          " %F\nTerminal=" + (inTerminal ? "true" : "false") + "\n");
        desktop.Write(u"config/mimeapps.list"_s,
                      "[Default Applications]\ntext/plain=vim.desktop\n");
        const QString file = desktop.Write(u"records.txt"_s, "names\r\n");
        CXdgDirectories directories = desktop.Directories();
        directories.terminal = terminal.replace(u"term"_s, desktop.Path(u"term"_s));
        // Nowhere to find x-terminal-emulator on the way either.
        const QByteArray path = qgetenv("PATH");
        if (terminal == u"-"_s) {
            directories.terminal.clear();
            qputenv("PATH", desktop.Root().toUtf8());
        }
        CMessageRecorder messages;
        CTextEditor editor(messages, CDesktopAssociations(directories));
        const bool opened = editor.Open(nullptr, file);
        qputenv("PATH", path);

        if (terminal == u"-"_s) {
            QVERIFY(!opened);
            QVERIFY2(messages.Last().text.startsWith(u"The text editor Vim runs in a terminal"_s),
                     qPrintable(messages.Last().text));
            return;
        }
        QVERIFY2(opened, qPrintable(messages.Last().text));
        const QString started = inTerminal ? u"term"_s : u"editor"_s;
        QTRY_VERIFY(desktop.HasRecorded(started));
        const QStringList expected =
            inTerminal ? QStringList{u"--tab"_s, u"-e"_s, desktop.Path(u"editor"_s), file}
                       : QStringList{file};
        QCOMPARE(desktop.RecordedArguments(started), expected);
    }
};

QTEST_MAIN(TextEditorTest)
#include "TextEditorTest.moc"
