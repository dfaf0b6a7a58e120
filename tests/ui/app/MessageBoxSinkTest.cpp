#include "ui/app/MessageBoxSink.h"

#include <memory>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "ui/common/Captions.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

// Another language, as far as the buttons can tell.
class CUpperCaseTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QString::fromUtf8(source).toUpper();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class MessageBoxSinkTest : public QObject {
    Q_OBJECT

private slots:
    void createBox_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<int>("boxButtons");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("question yes no, no caption")
            << MessageIcon::Question << MessageButtons::YesNo << QString()
            << captions::ApplicationTitle() << int(QMessageBox::Question)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes);
        QTest::newRow("warning ok with caption")
            << MessageIcon::Warning << MessageButtons::Ok << captions::Information()
            << captions::Information() << int(QMessageBox::Warning) << int(QMessageBox::Ok)
            << int(QMessageBox::Ok);
        QTest::newRow("information ok cancel")
            << MessageIcon::Information << MessageButtons::OkCancel << QStringLiteral("Find")
            << QStringLiteral("Find") << int(QMessageBox::Information)
            << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok);
        QTest::newRow("critical yes no cancel")
            << MessageIcon::Critical << MessageButtons::YesNoCancel << QString()
            << captions::ApplicationTitle() << int(QMessageBox::Critical)
            << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
            << int(QMessageBox::Yes);
        QTest::newRow("no icon") << MessageIcon::None << MessageButtons::Ok << QString()
                                 << captions::ApplicationTitle() << int(QMessageBox::NoIcon)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    }

    void createBox() {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        QFETCH(QString, caption);
        const QString text = QStringLiteral("<b>Sample.inv</b> & co");
        const std::unique_ptr<QMessageBox> box(
            CMessageBoxSink::CreateBox(nullptr, {text, caption, icon, buttons}));
        QTEST(box->windowTitle(), "title");
        QTEST(int(box->icon()), "boxIcon");
        QTEST(int(box->standardButtons()), "boxButtons");
        QTEST(int(box->standardButton(box->defaultButton())), "defaultButton");
        QCOMPARE(box->text(), text);
        QCOMPARE(box->textFormat(), Qt::PlainText);
    }

    void show_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("click"); // a standard button, or NoButton for Escape
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("ok") << MessageButtons::Ok << int(QMessageBox::Ok) << MessageAnswer::Ok;
        QTest::newRow("ok escaped")
            << MessageButtons::Ok << int(QMessageBox::NoButton) << MessageAnswer::Ok;
        QTest::newRow("cancel") << MessageButtons::OkCancel << int(QMessageBox::Cancel)
                                << MessageAnswer::Cancel;
        QTest::newRow("ok cancel escaped")
            << MessageButtons::OkCancel << int(QMessageBox::NoButton) << MessageAnswer::Cancel;
        QTest::newRow("yes") << MessageButtons::YesNo << int(QMessageBox::Yes)
                             << MessageAnswer::Yes;
        QTest::newRow("no") << MessageButtons::YesNo << int(QMessageBox::No) << MessageAnswer::No;
        QTest::newRow("yes no cancel: no")
            << MessageButtons::YesNoCancel << int(QMessageBox::No) << MessageAnswer::No;
        QTest::newRow("yes no cancel escaped")
            << MessageButtons::YesNoCancel << int(QMessageBox::NoButton) << MessageAnswer::Cancel;
    }

    void show() {
        QFETCH(MessageButtons, buttons);
        QFETCH(int, click);
        QString seenTitle;
        // The box runs its own event loop; answer it from there.
        QTimer answerer;
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            answerer.stop();
            seenTitle = box->windowTitle();
            if (click == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(click))->click();
        });
        answerer.start();
        CMessageBoxSink sink;
        const MessageAnswer answer =
            sink.Show(nullptr, {QStringLiteral("Exit The Gaugewright?"), QString(),
                                MessageIcon::Question, buttons});
        QTEST(answer, "answer");
        QCOMPARE(seenTitle, captions::ApplicationTitle());
    }

    // The start-up recovery question's buttons are named, not standard ones; in another
    // language they give the same answers.
    void recoverDiscardLater_data() {
        QTest::addColumn<bool>("translated");
        QTest::newRow("English") << false;
        QTest::newRow("translated") << true;
    }
    void recoverDiscardLater() {
        QFETCH(bool, translated);
        CUpperCaseTranslator translator;
        if (translated)
            QCoreApplication::installTranslator(&translator);
        const QString discard = translated ? u"&DISCARD"_s : u"&Discard"_s;
        for (const QString& click : {discard, QString()}) {
            QTimer::singleShot(50, this, [click] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == click)
                        button->click();
                if (click.isEmpty())
                    QTest::keyClick(box, Qt::Key_Escape);
            });
            const MessageAnswer answer = CMessageBoxSink().Show(
                nullptr, {u"?"_s, {}, MessageIcon::Question, MessageButtons::RecoverDiscardLater});
            QCOMPARE(answer, click.isEmpty() ? MessageAnswer::Later : MessageAnswer::Discard);
        }
    }
};

QTEST_MAIN(MessageBoxSinkTest)
#include "MessageBoxSinkTest.moc"
