#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/DocumentView.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/ProgressWindow.h"
#include "ui/inventory/CommentsEdit.h"
#include "ui/inventory/CommentsEditor.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/CommentsViewer.h"
#include "ui/inventory/PictureDialog.h"
#include "ui/inventory/PictureViewer.h"
#include "ui/support/FakeDesktop.h"
#include "ui/support/MessageRecorder.h"

using OptionalBytes = std::optional<std::string>;
Q_DECLARE_METATYPE(OptionalBytes)

namespace {

const QString kNoPicture = QStringLiteral("No picture currently specified");
const QString kLinked = QStringLiteral("File path Link to picture");

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

CMessage Refused(const QString& subject, const QString& characters) {
    return {QStringLiteral("The ") + subject + QStringLiteral(" cannot hold these characters: ") +
                characters +
                QStringLiteral("\nGaugewright texts hold only Western European (Windows-1252) "
                               "characters."),
            captions::Error(), MessageIcon::Critical, MessageButtons::Ok};
}

CMessage CannotFind(const QString& path) {
    return {QStringLiteral("The Gaugewright cannot find the picture file specified.\n\n") + path +
                QStringLiteral("\n\nPlease make sure the file name is correct."),
            captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok};
}

// One key press that produces text, as a keyboard or input method of any layout would.
void SendText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Answers the file dialog with queued paths (nothing: cancelled) and notes each request.
class ScriptedChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override {
        qFatal("the picture dialog asks with its title");
        return std::nullopt;
    }
    std::optional<QString> ChooseFileToOpenTitled(QWidget* parent, const QString& title,
                                                  const QStringList& filters,
                                                  const QString& defaultSuffix,
                                                  const QString&) override {
        parents << parent;
        requests << (QStringList{title, defaultSuffix} + filters);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return std::nullopt;
    }
    QList<std::optional<QString>> answers;
    QList<QWidget*> parents;
    QList<QStringList> requests;
};

// A view of a document that counts what it was told.
class CountingView : public CDocumentView {
public:
    void OnDocumentUpdate(CDocumentView*, int) override { ++updates; }
    int updates = 0;
};

// Runs action on the modal dialog once it is up (the code under test runs exec()).
void WhenModal(const std::function<void(QDialog*)>& action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        action(dialog);
    });
}

QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(widget.grab().save(QDir(folder).filePath(name)));
}

} // namespace

class CommentsPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_desktop = std::make_unique<CFakeDesktop>();
        m_messages = std::make_unique<CMessageRecorder>();
        // An empty desktop: the viewer says which path it was asked to show.
        m_viewer = std::make_unique<CPictureViewer>(
            *m_messages, CDesktopAssociations(m_desktop->Directories()), 0);
        m_viewer->SetLauncher([this](const QString&, const QStringList&) {
            ++m_launches;
            return true;
        });
        m_launches = 0;
    }

    void viewerShowsComments_data() {
        QTest::addColumn<QByteArray>("classification");
        QTest::addColumn<QByteArray>("comments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Boxcar") << QByteArray("Mint\r\nin box")
                               << QStringLiteral("Comments for Boxcar")
                               << QStringLiteral("Mint\nin box");
        QTest::newRow("code page")
            << QByteArray("Wagen \x80") << QByteArray("gr\xFCn\nalt")
            << QStringLiteral(u"Comments for Wagen \u20ac") << QStringLiteral(u"gr\u00fcn\nalt");
        QTest::newRow("empty") << QByteArray() << QByteArray() << QStringLiteral("Comments for ")
                               << QString();
    }
    void viewerShowsComments() {
        QFETCH(QByteArray, classification);
        QFETCH(QByteArray, comments);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        CInventoryElement item;
        item.SetBodyClassification(classification.toStdString());
        item.SetComments(comments.toStdString());
        CCommentsViewer viewer(item);
        QCOMPARE(viewer.windowTitle(), title);
        auto* text = viewer.findChild<CCommentsEdit*>(QStringLiteral("comments"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), shown);
        const QList<QPushButton*> buttons = viewer.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("OK"));
        viewer.show();
        SendText(text, QStringLiteral("x"));
        QCOMPARE(text->toPlainText(), shown);
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
        QCOMPARE(viewer.result(), int(QDialog::Accepted));
        QCOMPARE(m_messages->Count(), 0);
    }

    void editorResult_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QStringList>("steps"); // "text:<t>", "enter", "paste:<t>", "end"
        QTest::addColumn<QString>("button");
        QTest::addColumn<OptionalBytes>("result");
        const QString ok = QStringLiteral("ok");
        QTest::newRow("unchanged keeps every byte")
            << QByteArray("a\nb\xA0\x81\r\nc\x9D\t") << QStringList() << ok
            << OptionalBytes("a\nb\xA0\x81\r\nc\x9D\t");
        QTest::newRow("no-break space survives a change")
            << QByteArray("x\xA0y") << QStringList{QStringLiteral("text:Z")} << ok
            << OptionalBytes("x\xA0yZ");
        QTest::newRow("Enter starts a new line")
            << QByteArray()
            << QStringList{QStringLiteral("text:a"), QStringLiteral("enter"),
                           QStringLiteral("text:b")}
            << ok << OptionalBytes("a\r\nb");
        QTest::newRow("changed text breaks lines with CR LF")
            << QByteArray("a\nb") << QStringList{QStringLiteral("text:c")} << ok
            << OptionalBytes("a\r\nbc");
        QTest::newRow("code page characters")
            << QByteArray() << QStringList{QStringLiteral(u"text:\u20ac \u00e9\u0178")} << ok
            << OptionalBytes("\x80 \xE9\x9F");
        QTest::newRow("refused character leaves the rest")
            << QByteArray("a")
            << QStringList{QStringLiteral(u"text:\u2713"), QStringLiteral("text:b")} << ok
            << OptionalBytes("ab");
        QTest::newRow("refused paste")
            << QByteArray("a") << QStringList{QStringLiteral(u"paste:x\u2603y")} << ok
            << OptionalBytes("a");
        QTest::newRow("paste") << QByteArray("a") << QStringList{QStringLiteral("paste:b\nc")} << ok
                               << OptionalBytes("ab\r\nc");
        QTest::newRow("emptied") << QByteArray("abc")
                                 << QStringList{QStringLiteral("backspace"),
                                                QStringLiteral("backspace"),
                                                QStringLiteral("backspace")}
                                 << ok << OptionalBytes("");
        QTest::newRow("No Comments") << QByteArray("keep") << QStringList{QStringLiteral("text:x")}
                                     << QStringLiteral("noComments") << OptionalBytes();
    }
    void editorResult() {
        QFETCH(QByteArray, original);
        QFETCH(QStringList, steps);
        QFETCH(QString, button);
        QFETCH(OptionalBytes, result);
        std::optional<std::string> edited;
        WhenModal([&](QDialog* dialog) {
            auto* text = dialog->findChild<CCommentsEdit*>(QStringLiteral("comments"));
            text->moveCursor(QTextCursor::End);
            for (const QString& step : steps) {
                if (step.startsWith(QStringLiteral("text:"))) {
                    SendText(text, step.mid(5));
                } else if (step.startsWith(QStringLiteral("paste:"))) {
                    QApplication::clipboard()->setText(step.mid(6));
                    text->paste();
                } else if (step == QStringLiteral("enter")) {
                    QTest::keyClick(text, Qt::Key_Return);
                    QVERIFY(dialog->isVisible());
                } else {
                    QTest::keyClick(text, Qt::Key_Backspace);
                }
            }
            QTest::mouseClick(Button(dialog, qPrintable(button)), Qt::LeftButton);
        });
        edited = CCommentsEditor::Run(nullptr, original.toStdString(), *m_messages);
        QCOMPARE(edited.has_value(), result.has_value());
        if (result)
            QCOMPARE(Bytes(*edited), Bytes(*result));
        QStringList refusals;
        for (const QString& step : steps) {
            if (step.contains(QChar(0x2713)))
                refusals << Refused(QStringLiteral("comments"), QStringLiteral(u"\u2713")).text;
            if (step.contains(QChar(0x2603)))
                refusals << Refused(QStringLiteral("comments"), QStringLiteral(u"\u2603")).text;
        }
        QCOMPARE(m_messages->Texts(), refusals);
        for (const CRecordedMessage& recorded : m_messages->Recorded())
            QCOMPARE(recorded.message.caption, captions::Error());
    }

    void editorLayout() {
        CCommentsEditor editor(std::string(400, 'w'), *m_messages);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Comments"));
        QCOMPARE(Button(&editor, "ok")->text(), QStringLiteral("OK"));
        QCOMPARE(Button(&editor, "noComments")->text(), QStringLiteral("No Comments"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* text = editor.findChild<CCommentsEdit*>(QStringLiteral("comments"));
        // Long lines wrap at the field's width: no sideways scrolling.
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!text->horizontalScrollBar()->isVisible());
        QVERIFY(text->width() > text->fontMetrics().averageCharWidth() * 40);
        SaveScreenshot(editor, QStringLiteral("CommentsEditor.png"));
        CInventoryElement item;
        item.SetBodyClassification("Caboose");
        item.SetComments("Bought at the Easton show.\r\nOriginal box, small tear on one end.");
        CCommentsViewer viewer(item);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(!viewer.findChild<CCommentsEdit*>()->horizontalScrollBar()->isVisible());
        SaveScreenshot(viewer, QStringLiteral("CommentsViewer.png"));
        CCommentsEditor written("Turbine with smoke unit; runs well.\r\nBought at the York meet, "
                                "1998. Box worn at the corners.",
                                *m_messages);
        written.show();
        QVERIFY(QTest::qWaitForWindowExposed(&written));
        SaveScreenshot(written, QStringLiteral("CommentsEditor-sample.png"));
    }

    void pictureDialogOpens_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no picture") << QByteArray() << kNoPicture << QString();
        QTest::newRow("picture") << QByteArray("/pictures/gp9 \xE9.jpg") << kLinked
                                 << QStringLiteral(u"/pictures/gp9 \u00e9.jpg");
    }
    void pictureDialogOpens() {
        QFETCH(QByteArray, path);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        ScriptedChooser files;
        CPictureDialog dialog(path.toStdString(), false, *m_viewer, files, *m_messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Picture"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("label"))->text(), label);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("path"))->text(), shown);
        const bool hasPath = !path.isEmpty();
        QCOMPARE(Button(&dialog, "add")->isEnabled(), !hasPath);
        QCOMPARE(Button(&dialog, "change")->isEnabled(), hasPath);
        QCOMPARE(Button(&dialog, "delete")->isEnabled(), hasPath);
        QCOMPARE(Button(&dialog, "view")->isEnabled(), hasPath);
        QCOMPARE(Button(&dialog, "ok")->text(), QStringLiteral("OK"));
        QCOMPARE(Button(&dialog, "noPicture")->text(), QStringLiteral("No Picture"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SaveScreenshot(dialog, hasPath ? QStringLiteral("PictureDialog-path.png")
                                       : QStringLiteral("PictureDialog-empty.png"));
    }

    void pictureDialogSteps_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QStringList>("steps"); // add:<answer>, add, change:<answer>, delete, view
        QTest::addColumn<QString>("button");
        QTest::addColumn<OptionalBytes>("result");
        QTest::addColumn<QStringList>("messages");
        const QString ok = QStringLiteral("ok");
        const QString none = QStringLiteral("noPicture");
        const QByteArray old("/p/old.jpg");
        QTest::newRow("OK unchanged")
            << old << QStringList() << ok << OptionalBytes("/p/old.jpg") << QStringList();
        QTest::newRow("add") << QByteArray() << QStringList{QStringLiteral("add:/p/new.gif")} << ok
                             << OptionalBytes("/p/new.gif") << QStringList();
        QTest::newRow("add cancelled") << QByteArray() << QStringList{QStringLiteral("add")} << ok
                                       << OptionalBytes("") << QStringList();
        QTest::newRow("change") << old
                                << QStringList{QStringLiteral(u"change:/p/Z\u00fcrich \u20ac.bmp")}
                                << ok << OptionalBytes("/p/Z\xFCrich \x80.bmp") << QStringList();
        QTest::newRow("change cancelled") << old << QStringList{QStringLiteral("change")} << ok
                                          << OptionalBytes("/p/old.jpg") << QStringList();
        QTest::newRow("change refused")
            << old << QStringList{QStringLiteral(u"change:/p/\u6c7d\u8f66.jpg")} << ok
            << OptionalBytes("/p/old.jpg")
            << QStringList{
                   Refused(QStringLiteral("picture path"), QStringLiteral(u"\u6c7d\u8f66")).text};
        QTest::newRow("delete") << old << QStringList{QStringLiteral("delete")} << ok
                                << OptionalBytes("") << QStringList();
        QTest::newRow("delete then add")
            << old << QStringList{QStringLiteral("delete"), QStringLiteral("add:/p/other.jpg")}
            << ok << OptionalBytes("/p/other.jpg") << QStringList();
        QTest::newRow("delete then No Picture") << old << QStringList{QStringLiteral("delete")}
                                                << none << OptionalBytes() << QStringList();
        QTest::newRow("view shows the current path")
            << old << QStringList{QStringLiteral("change:/p/new.jpg"), QStringLiteral("view")} << ok
            << OptionalBytes("/p/new.jpg")
            << QStringList{CannotFind(QStringLiteral("/p/new.jpg")).text};
    }
    void pictureDialogSteps() {
        QFETCH(QByteArray, path);
        QFETCH(QStringList, steps);
        QFETCH(QString, button);
        QFETCH(OptionalBytes, result);
        QFETCH(QStringList, messages);
        ScriptedChooser files;
        QWidget* dialogSeen = nullptr;
        WhenModal([&](QDialog* dialog) {
            dialogSeen = dialog;
            for (const QString& step : steps) {
                const QString name = step.section(QLatin1Char(':'), 0, 0);
                if (step.contains(QLatin1Char(':')))
                    files.answers << step.section(QLatin1Char(':'), 1);
                else if (name == QStringLiteral("add") || name == QStringLiteral("change"))
                    files.answers << std::nullopt;
                QPushButton* pressed = Button(dialog, qPrintable(name));
                QVERIFY2(pressed->isEnabled(), qPrintable(step));
                QTest::mouseClick(pressed, Qt::LeftButton);
                const bool hasPath =
                    !dialog->findChild<QLineEdit*>(QStringLiteral("path"))->text().isEmpty();
                QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("label"))->text(),
                         hasPath ? kLinked : kNoPicture);
                QCOMPARE(Button(dialog, "add")->isEnabled(), !hasPath);
                QCOMPARE(Button(dialog, "view")->isEnabled(), hasPath);
            }
            QTest::mouseClick(Button(dialog, qPrintable(button)), Qt::LeftButton);
        });
        const OptionalBytes chosen =
            CPictureDialog::Run(nullptr, path.toStdString(), false, *m_viewer, files, *m_messages);
        QCOMPARE(chosen.has_value(), result.has_value());
        if (result)
            QCOMPARE(Bytes(*chosen), Bytes(*result));
        QCOMPARE(m_messages->Texts(), messages);
        for (const QStringList& request : files.requests) {
            QCOMPARE(request,
                     (QStringList{QStringLiteral("Please select a file containing the picture"),
                                  QStringLiteral("jpg"), QStringLiteral("JPG File(*.jpg) (*.jpg)"),
                                  QStringLiteral("GIF File(*.gif) (*.gif)"),
                                  QStringLiteral("Bitmaps(*.bmp) (*.bmp)"),
                                  QStringLiteral("All Files(*.*) (*)")}));
        }
        for (QWidget* parent : files.parents)
            QCOMPARE(parent, dialogSeen);
    }

    // View Item Picture shows the picture program starting and never the dialog.
    void viewOnly_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("picture there") << true;
        QTest::newRow("picture gone") << false;
    }
    void viewOnly() {
        QFETCH(bool, exists);
        m_desktop->Write(QStringLiteral("usr/mime/globs2"), "50:image/jpeg:*.jpg\n");
        m_desktop->Write(QStringLiteral("usr/applications/v.desktop"),
                         "[Desktop Entry]\nType=Application\nExec=viewer %f\n");
        m_desktop->Write(QStringLiteral("config/mimeapps.list"),
                         "[Default Applications]\nimage/jpeg=v.desktop\n");
        const QString picture = exists ? m_desktop->Write(QStringLiteral("engine.jpg"), "jpeg")
                                       : m_desktop->Path(QStringLiteral("gone.jpg"));
        ScriptedChooser files;
        QWidget parent;
        bool dialogShown = false;
        ShowWatcher watcher([&](QWidget* widget) {
            dialogShown = dialogShown || qobject_cast<CPictureDialog*>(widget) != nullptr;
        });
        const OptionalBytes chosen = CPictureDialog::Run(&parent, picture.toStdString(), true,
                                                         *m_viewer, files, *m_messages);
        QVERIFY(!dialogShown);
        QCOMPARE(chosen, OptionalBytes(picture.toStdString()));
        QCOMPARE(m_launches, exists ? 1 : 0);
        QCOMPARE(m_messages->Texts(),
                 exists ? QStringList() : QStringList{CannotFind(picture).text});
        if (!exists)
            QCOMPARE(m_messages->Recorded().front().parent.data(), &parent);
    }

    // With no path the view-only dialog opens as the change dialog does.
    void viewOnlyWithoutPath() {
        ScriptedChooser files;
        bool shown = false;
        WhenModal([&](QDialog* dialog) {
            shown = dialog->isVisible();
            QVERIFY(Button(dialog, "add")->isEnabled());
            QTest::mouseClick(Button(dialog, "noPicture"), Qt::LeftButton);
        });
        QCOMPARE(CPictureDialog::Run(nullptr, std::string(), true, *m_viewer, files, *m_messages),
                 OptionalBytes());
        QVERIFY(shown);
        QCOMPARE(m_launches, 0);
    }

    void commands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("steps"); // buttons pressed in the dialog, in order
        QTest::addColumn<QByteArray>("comments");
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("modified");
        const QByteArray comments("Mint\r\nboxed");
        const QByteArray picture("/p/old.jpg");
        QTest::newRow("comments OK unchanged still modifies")
            << QStringLiteral("comments") << QStringList{QStringLiteral("ok")} << comments
            << picture << true;
        QTest::newRow("comments edited")
            << QStringLiteral("comments")
            << QStringList{QStringLiteral("text:!"), QStringLiteral("ok")}
            << QByteArray("Mint\r\nboxed!") << picture << true;
        QTest::newRow("No Comments")
            << QStringLiteral("comments")
            << QStringList{QStringLiteral("text:!"), QStringLiteral("noComments")} << comments
            << picture << false;
        QTest::newRow("picture OK unchanged")
            << QStringLiteral("picture") << QStringList{QStringLiteral("ok")} << comments << picture
            << false;
        QTest::newRow("picture deleted")
            << QStringLiteral("picture")
            << QStringList{QStringLiteral("delete"), QStringLiteral("ok")} << comments
            << QByteArray() << true;
        QTest::newRow("picture changed by case only")
            << QStringLiteral("picture")
            << QStringList{QStringLiteral("change:/p/OLD.jpg"), QStringLiteral("ok")} << comments
            << QByteArray("/p/OLD.jpg") << true;
        QTest::newRow("picture changed back")
            << QStringLiteral("picture")
            << QStringList{QStringLiteral("delete"), QStringLiteral("add:/p/old.jpg"),
                           QStringLiteral("ok")}
            << comments << picture << false;
        QTest::newRow("delete then No Picture")
            << QStringLiteral("picture")
            << QStringList{QStringLiteral("delete"), QStringLiteral("noPicture")} << comments
            << picture << false;
        QTest::newRow("view a deleted file")
            << QStringLiteral("view") << QStringList() << comments << picture << false;
        QTest::newRow("view comments")
            << QStringLiteral("view comments") << QStringList{QStringLiteral("OK")} << comments
            << picture << false;
    }
    void commands() {
        QFETCH(QString, command);
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, comments);
        QFETCH(QByteArray, picture);
        QFETCH(bool, modified);
        CSidingWardDoc document;
        CountingView sender;
        CountingView other;
        document.AddView(&sender);
        document.AddView(&other);
        auto owned = std::make_unique<CInventoryElement>();
        CInventoryElement* item = owned.get();
        item->SetComments("Mint\r\nboxed");
        item->SetPicture("/p/old.jpg");
        document.AddItem(std::move(owned), &sender);
        document.SetModifiedFlag(false);
        other.updates = 0;
        sender.updates = 0;

        ScriptedChooser files;
        if (!steps.isEmpty()) {
            WhenModal([&](QDialog* dialog) {
                for (const QString& step : steps) {
                    if (step.startsWith(QStringLiteral("text:"))) {
                        auto* text = dialog->findChild<CCommentsEdit*>(QStringLiteral("comments"));
                        text->moveCursor(QTextCursor::End);
                        SendText(text, step.mid(5));
                        continue;
                    }
                    const QString name = step.section(QLatin1Char(':'), 0, 0);
                    if (step.contains(QLatin1Char(':')))
                        files.answers << step.section(QLatin1Char(':'), 1);
                    QPushButton* button = Button(dialog, qPrintable(name));
                    if (button == nullptr) // the viewer's only button
                        button = dialog->findChild<QPushButton*>();
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            });
        }
        CCommentsPictureCommands commands(*m_messages, files, *m_viewer);
        QWidget parent;
        bool changed = false;
        if (command == QStringLiteral("comments"))
            changed = commands.ChangeComments(&parent, document, *item, &sender);
        else if (command == QStringLiteral("picture"))
            changed = commands.ChangePicture(&parent, document, *item, &sender);
        else if (command == QStringLiteral("view"))
            changed = commands.ViewPicture(&parent, document, *item, &sender);
        else
            commands.ViewComments(&parent, *item);
        QCOMPARE(Bytes(item->GetComments()), comments);
        QCOMPARE(Bytes(item->GetPicture()), picture);
        QCOMPARE(document.IsModified(), modified);
        QCOMPARE(other.updates, modified ? 1 : 0);
        QCOMPARE(sender.updates, other.updates);
        if (command != QStringLiteral("comments"))
            QCOMPARE(changed, modified);
        QCOMPARE(m_messages->Texts(),
                 command == QStringLiteral("view")
                     ? QStringList{CannotFind(QStringLiteral("/p/old.jpg")).text}
                     : QStringList());
        document.RemoveView(&sender);
        document.RemoveView(&other);
    }

    // The window saying that the picture program starts stands in the middle of the
    // window the user viewed the picture from.
    void startingProgressIsCentredOnTheWindow() {
        m_desktop->Write(QStringLiteral("usr/mime/globs2"), "50:image/jpeg:*.jpg\n");
        m_desktop->Write(QStringLiteral("usr/applications/v.desktop"),
                         "[Desktop Entry]\nType=Application\nExec=viewer %f\n");
        m_desktop->Write(QStringLiteral("config/mimeapps.list"),
                         "[Default Applications]\nimage/jpeg=v.desktop\n");
        const QString picture = m_desktop->Write(QStringLiteral("engine.jpg"), "jpeg");
        QWidget window;
        window.setGeometry(120, 90, 600, 440);
        QWidget view(&window);
        view.setGeometry(10, 10, 200, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QRect> progress;
        ShowWatcher watcher(
            [&](QWidget* widget) {
                if (qobject_cast<CProgressWindow*>(widget))
                    progress << widget->frameGeometry();
            },
            QEvent::Hide);
        QVERIFY(m_viewer->View(&view, picture));
        QCOMPARE(progress.size(), 1);
        const QPointF offset =
            QRectF(progress.front()).center() - QRectF(window.frameGeometry()).center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void progressScreenshot() {
        CProgressWindow progress(QStringLiteral("Starting Picture Viewer.  Please wait..."), 10);
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        for (int step = 0; step < 4; ++step)
            progress.StepIt();
        SaveScreenshot(progress, QStringLiteral("StartingPictureViewer.png"));
    }

private:
    // Calls shown for every widget shown (or given an event of type) while it lives.
    class ShowWatcher : public QObject {
    public:
        explicit ShowWatcher(std::function<void(QWidget*)> shown, QEvent::Type type = QEvent::Show)
            : m_shown(std::move(shown)), m_type(type) {
            qApp->installEventFilter(this);
        }
        ~ShowWatcher() override { qApp->removeEventFilter(this); }

    protected:
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == m_type && object->isWidgetType())
                m_shown(static_cast<QWidget*>(object));
            return false;
        }

    private:
        std::function<void(QWidget*)> m_shown;
        QEvent::Type m_type;
    };

    std::unique_ptr<CFakeDesktop> m_desktop;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CPictureViewer> m_viewer;
    int m_launches = 0;
};

QTEST_MAIN(CommentsPicturesTest)
#include "CommentsPicturesTest.moc"
