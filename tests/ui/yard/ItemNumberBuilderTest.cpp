#include "ui/yard/ItemNumberBuilder.h"

#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"

namespace {

// Records every message box and answers OK.
class RecordingSink : public CMessageSink {
public:
    MessageAnswer Show(QWidget*, const CMessage& message) override {
        shown.push_back(message);
        return MessageAnswer::Ok;
    }
    std::vector<CMessage> shown;
};

const QString kAllKeys = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-");

CMessage EmptyMessage() {
    return {QStringLiteral("Please enter one or more characters!"), captions::Error(),
            MessageIcon::Critical, MessageButtons::Ok};
}

CMessage RefusedMessage(const QString& characters) {
    return {QStringLiteral("The item number cannot hold these characters: ") + characters +
                QStringLiteral("\nGaugewright texts hold only Western European (Windows-1252) "
                               "characters."),
            captions::Error(), MessageIcon::Critical, MessageButtons::Ok};
}

// The controls of a builder, found as the user sees them.
struct Controls {
    explicit Controls(QDialog& dialog)
        : edit(dialog.findChild<QLineEdit*>(QStringLiteral("itemNumber"))),
          clear(dialog.findChild<QPushButton*>(QStringLiteral("clear"))),
          undoLast(dialog.findChild<QPushButton*>(QStringLiteral("undoLast"))),
          ok(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)),
          cancel(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)),
          m_dialog(dialog) {}

    QToolButton* Key(QChar character) const {
        return m_dialog.findChild<QToolButton*>(QStringLiteral("key") + character);
    }
    // OK, Clear and Undo Last go together.
    bool EditingEnabled() const {
        const bool enabled = ok->isEnabled();
        if (clear->isEnabled() != enabled || undoLast->isEnabled() != enabled)
            qWarning("OK, Clear and Undo Last disagree");
        return enabled && clear->isEnabled() && undoLast->isEnabled();
    }

    QLineEdit* edit;
    QPushButton* clear;
    QPushButton* undoLast;
    QPushButton* ok;
    QPushButton* cancel;

private:
    QDialog& m_dialog;
};

// Types text into widget one character at a time, as a keyboard with any layout
// would (QTest's own typing knows Latin-1 only).
void Type(QWidget* widget, const QString& text) {
    for (qsizetype k = 0; k < text.size(); ++k) {
        QString character(text[k]);
        if (text[k].isHighSurrogate() && k + 1 < text.size())
            character += text[++k];
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

// Carries out one step: "key:<c>", "clear", "undo", "type:<text>", "backspace".
void Perform(const Controls& controls, const QString& step) {
    if (step.startsWith(QStringLiteral("key:")))
        QTest::mouseClick(controls.Key(step.back()), Qt::LeftButton);
    else if (step == QStringLiteral("clear"))
        QTest::mouseClick(controls.clear, Qt::LeftButton);
    else if (step == QStringLiteral("undo"))
        QTest::mouseClick(controls.undoLast, Qt::LeftButton);
    else if (step.startsWith(QStringLiteral("type:")))
        Type(controls.edit, step.mid(5));
    else if (step == QStringLiteral("backspace"))
        QTest::keyClick(controls.edit, Qt::Key_Backspace);
    else
        QFAIL("unknown step");
}

} // namespace

class ItemNumberBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyAndTitled_data() {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("default") << QByteArray("Item Number Builder")
                                 << QStringLiteral("Item Number Builder");
        QTest::newRow("code page")
            << QByteArray("Nr. \xB0\x80 Builder") << QStringLiteral(u"Nr. \u00B0\u20AC Builder");
    }

    void opensEmptyAndTitled() {
        QFETCH(QByteArray, title);
        QFETCH(QString, shown);
        RecordingSink sink;
        CItemNumberBuilder dialog(title.toStdString(), sink);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const Controls controls(dialog);
        QCOMPARE(dialog.windowTitle(), shown);
        QCOMPARE(controls.edit->text(), QString());
        QVERIFY(!controls.ok->isEnabled());
        QVERIFY(!controls.clear->isEnabled());
        QVERIFY(!controls.undoLast->isEnabled());
        QVERIFY(controls.cancel->isEnabled());
        QVERIFY(controls.ok->isDefault());
        QCOMPARE(dialog.focusWidget(), controls.edit);
        QCOMPARE(controls.clear->text(), QStringLiteral("Clear"));
        QCOMPARE(controls.undoLast->text(), QStringLiteral("Undo Last"));
    }

    void everyKeyAppendsItsCaption() {
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        QCOMPARE(dialog.findChildren<QToolButton*>().size(), kAllKeys.size());
        QString expected;
        for (const QChar character : kAllKeys) {
            QToolButton* key = controls.Key(character);
            QVERIFY2(key, qPrintable(QString(character)));
            QCOMPARE(key->text(), QString(character));
            QTest::mouseClick(key, Qt::LeftButton);
            expected += character;
            QCOMPARE(controls.edit->text(), expected);
            // The keys leave the focus in the field so typing goes on there.
            QCOMPARE(dialog.focusWidget(), controls.edit);
        }
        QVERIFY(controls.EditingEnabled());
        QVERIFY(sink.shown.empty());
    }

    void keyboardRowsStayApart_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("small") << 7;
        QTest::newRow("normal") << 10;
        QTest::newRow("large") << 20;
    }

    // Whatever the font, each row lies below the one before, its keys side by side
    // without overlapping, every caption fits its key and the field spans the keys.
    void keyboardRowsStayApart() {
        QFETCH(int, pointSize);
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        QFont font = dialog.font();
        font.setPointSize(pointSize);
        dialog.setFont(font);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const Controls controls(dialog);
        Type(controls.edit, QStringLiteral("HO-4711"));
        const QStringList rows{QStringLiteral("01234"),   QStringLiteral("56789"),
                               QStringLiteral("ABCDEFG"), QStringLiteral("HIJKLMN"),
                               QStringLiteral("OPQRSTU"), QStringLiteral("VWXYZ"),
                               QStringLiteral("-")};
        int bottom = controls.edit->geometry().bottom();
        for (const QString& row : rows) {
            const int top = controls.Key(row[0])->geometry().top();
            QVERIFY2(top > bottom, qPrintable(row));
            int right = -1;
            for (const QChar character : row) {
                const QToolButton* key = controls.Key(character);
                const QRect geometry = key->geometry();
                QCOMPARE(geometry.top(), top);
                QVERIFY(geometry.left() > right);
                QVERIFY(geometry.left() >= controls.edit->geometry().left());
                QVERIFY(geometry.right() <= controls.edit->geometry().right());
                QVERIFY(key->width() >= key->fontMetrics().horizontalAdvance(character));
                QVERIFY(key->height() >= key->fontMetrics().height());
                right = geometry.right();
            }
            bottom = controls.Key(row[0])->geometry().bottom();
        }
        QVERIFY(controls.ok->mapTo(&dialog, QPoint(0, 0)).y() > bottom);
        QVERIFY(controls.undoLast->geometry().top() > bottom);
        QVERIFY(controls.ok->width() >= controls.ok->sizeHint().width());
        QVERIFY(controls.undoLast->width() >= controls.undoLast->sizeHint().width());
        SaveScreenshot(dialog, QStringLiteral("ItemNumberBuilder-%1pt.png").arg(pointSize));
    }

    void steps_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::newRow("undo replaces the last key")
            << QStringList{QStringLiteral("key:1"), QStringLiteral("key:2"), QStringLiteral("undo"),
                           QStringLiteral("key:A")}
            << QStringLiteral("1A");
        QTest::newRow("clear disables again")
            << QStringList{QStringLiteral("key:4"), QStringLiteral("key:-"),
                           QStringLiteral("clear")}
            << QString();
        QTest::newRow("undo to empty disables again")
            << QStringList{QStringLiteral("key:Q"), QStringLiteral("undo")} << QString();
        QTest::newRow("lower case typed stays")
            << QStringList{QStringLiteral("type:ab-12")} << QStringLiteral("ab-12");
        QTest::newRow("keys append after typing")
            << QStringList{QStringLiteral("type:x"), QStringLiteral("key:7")}
            << QStringLiteral("x7");
        QTest::newRow("undo after typing")
            << QStringList{QStringLiteral("type:abc"), QStringLiteral("undo")}
            << QStringLiteral("ab");
        QTest::newRow("backspace to empty disables")
            << QStringList{QStringLiteral("key:9"), QStringLiteral("backspace")} << QString();
        QTest::newRow("western characters typed")
            << QStringList{QStringLiteral(u"type:\u00E9\u20AC")} << QStringLiteral(u"\u00E9\u20AC");
    }

    void steps() {
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        for (const QString& step : steps)
            Perform(controls, step);
        QCOMPARE(controls.edit->text(), text);
        QCOMPARE(controls.EditingEnabled(), !text.isEmpty());
        QVERIFY(sink.shown.empty());
        if (text.isEmpty())
            return;
        QTest::mouseClick(controls.ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetResult(), text::ToBytes(text).value());
    }

    void undoLastOnEmptyIsDisabled() {
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        QTest::mouseClick(controls.undoLast, Qt::LeftButton);
        QTest::mouseClick(controls.clear, Qt::LeftButton);
        QTest::mouseClick(controls.ok, Qt::LeftButton);
        QCOMPARE(controls.edit->text(), QString());
        QVERIFY(dialog.isVisible());
        QVERIFY(sink.shown.empty());
    }

    void emptyTextIsRefused_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("OK") << false;
    }

    void emptyTextIsRefused() {
        QFETCH(bool, byEnter);
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        if (byEnter)
            QTest::keyClick(controls.edit, Qt::Key_Return);
        else
            dialog.accept(); // what OK does; the button itself is disabled
        QCOMPARE(sink.shown, std::vector<CMessage>{EmptyMessage()});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.GetResult(), std::string());
        // The dialog stays usable.
        QTest::mouseClick(controls.Key(QLatin1Char('5')), Qt::LeftButton);
        QTest::keyClick(controls.edit, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetResult(), std::string("5"));
        QCOMPARE(sink.shown.size(), std::size_t(1));
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("composed");
        QTest::newRow("OK") << QStringLiteral("ok") << int(QDialog::Accepted) << QByteArray("B-7");
        QTest::newRow("Enter") << QStringLiteral("enter") << int(QDialog::Accepted)
                               << QByteArray("B-7");
        QTest::newRow("Cancel") << QStringLiteral("cancel") << int(QDialog::Rejected)
                                << QByteArray();
        QTest::newRow("Escape") << QStringLiteral("escape") << int(QDialog::Rejected)
                                << QByteArray();
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(QByteArray, composed);
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        for (const QChar character : QStringLiteral("B-7"))
            QTest::mouseClick(controls.Key(character), Qt::LeftButton);
        if (how == QStringLiteral("ok"))
            QTest::mouseClick(controls.ok, Qt::LeftButton);
        else if (how == QStringLiteral("enter"))
            QTest::keyClick(controls.edit, Qt::Key_Enter);
        else if (how == QStringLiteral("cancel"))
            QTest::mouseClick(controls.cancel, Qt::LeftButton);
        else
            QTest::keyClick(controls.edit, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
        QCOMPARE(dialog.GetResult(), composed.toStdString());
        QVERIFY(sink.shown.empty());
    }

    void foreignCharactersAreRefused_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("refused");
        QTest::newRow("at the end")
            << QStringLiteral("12") << 2 << QStringLiteral(u"\u4E2D") << QStringLiteral(u"\u4E2D");
        QTest::newRow("in the middle")
            << QStringLiteral("12") << 1 << QStringLiteral(u"a\u03A9b\u0416\u03A9")
            << QStringLiteral(u"\u03A9\u0416");
        QTest::newRow("emoji pasted") << QStringLiteral("X") << 0 << QStringLiteral(u"\U0001F682")
                                      << QStringLiteral(u"\U0001F682");
        QTest::newRow("into empty")
            << QString() << 0 << QStringLiteral(u"\u2603") << QStringLiteral(u"\u2603");
    }

    // Nothing of the insertion is kept, and the user is told why.
    void foreignCharactersAreRefused() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, inserted);
        QFETCH(QString, refused);
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        QTest::keyClicks(controls.edit, before);
        controls.edit->setCursorPosition(cursor);
        controls.edit->insert(inserted);
        QCOMPARE(controls.edit->text(), before);
        QCOMPARE(controls.edit->cursorPosition(), cursor);
        QCOMPARE(sink.shown, std::vector<CMessage>{RefusedMessage(refused)});
        QCOMPARE(controls.EditingEnabled(), !before.isEmpty());
        // The keys go on appending to the kept text.
        QTest::mouseClick(controls.Key(QLatin1Char('Z')), Qt::LeftButton);
        QCOMPARE(controls.edit->text(), before + QLatin1Char('Z'));
    }

    void typedForeignCharacterIsRefused() {
        RecordingSink sink;
        CItemNumberBuilder dialog("Item Number Builder", sink);
        dialog.show();
        const Controls controls(dialog);
        Type(controls.edit, QStringLiteral(u"4\u4E2D5\U0001F682"));
        QCOMPARE(controls.edit->text(), QStringLiteral("45"));
        QCOMPARE(sink.shown,
                 (std::vector<CMessage>{RefusedMessage(QStringLiteral(u"\u4E2D")),
                                        RefusedMessage(QStringLiteral(u"\U0001F682"))}));
    }

    void runGivesTheResult_data() {
        QTest::addColumn<QByteArray>("heading");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("title");
        QTest::newRow("OK") << QByteArray("Item Number") << true
                            << QStringLiteral("Item Number Builder");
        QTest::newRow("renamed heading")
            << QByteArray("Stock \xE9") << true << QStringLiteral(u"Stock \u00E9 Builder");
        QTest::newRow("Cancel") << QByteArray("Item Number") << false
                                << QStringLiteral("Item Number Builder");
    }

    void runGivesTheResult() {
        QFETCH(QByteArray, heading);
        QFETCH(bool, accept);
        QFETCH(QString, title);
        RecordingSink sink;
        QString seenTitle;
        bool seenEmpty = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CItemNumberBuilder*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const Controls controls(*dialog);
            seenTitle = dialog->windowTitle();
            seenEmpty = controls.edit->text().isEmpty();
            QTest::mouseClick(controls.Key(QLatin1Char('7')), Qt::LeftButton);
            QTest::keyClicks(controls.edit, QStringLiteral("a"));
            QTest::mouseClick(accept ? controls.ok : controls.cancel, Qt::LeftButton);
        });
        const std::optional<std::string> result =
            CItemNumberBuilder::Run(nullptr, heading.toStdString(), sink);
        QCOMPARE(seenTitle, title);
        QVERIFY(seenEmpty);
        QCOMPARE(result, accept ? std::optional<std::string>("7a") : std::nullopt);
        QVERIFY(sink.shown.empty());
    }

private:
    // Writes a picture of the dialog when GAUGEWRIGHT_SCREENSHOTS names a folder.
    static void SaveScreenshot(QWidget& widget, const QString& name) {
        const QString folder = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QVERIFY(widget.grab().save(QDir(folder).filePath(name)));
    }
};

QTEST_MAIN(ItemNumberBuilderTest)
#include "ItemNumberBuilderTest.moc"
