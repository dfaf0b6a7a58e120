#include "ui/support/MessageRecorder.h"

#include <QTest>

#include "ui/support/EventLog.h"
#include "ui/support/SoundRecorder.h"

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

class MessageRecorderTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QList<MessageAnswer>>("queued");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::newRow("default ok") << MessageButtons::OkCancel << QList<MessageAnswer>{}
                                    << QList{MessageAnswer::Ok, MessageAnswer::Ok};
        QTest::newRow("default yes") << MessageButtons::YesNoCancel << QList<MessageAnswer>{}
                                     << QList{MessageAnswer::Yes, MessageAnswer::Yes};
        QTest::newRow("queue then default") << MessageButtons::YesNo << QList{MessageAnswer::No}
                                            << QList{MessageAnswer::No, MessageAnswer::Yes};
        QTest::newRow("queue in order")
            << MessageButtons::YesNoCancel << QList{MessageAnswer::Cancel, MessageAnswer::No}
            << QList{MessageAnswer::Cancel, MessageAnswer::No};
    }

    void answers() {
        QFETCH(MessageButtons, buttons);
        QFETCH(QList<MessageAnswer>, queued);
        QFETCH(QList<MessageAnswer>, answers);
        CMessageRecorder recorder;
        recorder.QueueAnswers(queued);
        QWidget parent;
        QList<MessageAnswer> given;
        for (int i = 0; i < answers.size(); ++i)
            given.append(recorder.Show(i == 0 ? &parent : nullptr, {QString::number(i), QString(),
                                                                    MessageIcon::None, buttons}));
        QCOMPARE(given, answers);
        QCOMPARE(recorder.Texts(), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
        QCOMPARE(recorder.Recorded().at(0).parent.data(), &parent);
        QCOMPARE(recorder.Recorded().at(1).parent.data(), nullptr);
        QCOMPARE(recorder.PendingAnswers(), 0);
    }

    void logsSoundsAndMessagesInOrder() {
        CEventLog log;
        CSoundRecorder sounds(&log);
        CMessageRecorder messages(&log);
        sounds.Play(QStringLiteral("GAUGEEND.WAV"));
        messages.Show(nullptr, {QStringLiteral("Exit The Gaugewright?"), QString(),
                                MessageIcon::Question, MessageButtons::YesNo});
        sounds.Play(QStringLiteral("GAUGEWRT.WAV"));
        QCOMPARE(log.Entries(), (QStringList{QStringLiteral("sound GAUGEEND.WAV"),
                                             QStringLiteral("message Exit The Gaugewright?"),
                                             QStringLiteral("sound GAUGEWRT.WAV")}));
        QCOMPARE(sounds.Played(),
                 (QStringList{QStringLiteral("GAUGEEND.WAV"), QStringLiteral("GAUGEWRT.WAV")}));
        QCOMPARE(messages.Last().caption, QString());
        QCOMPARE(messages.Last().icon, MessageIcon::Question);
    }
};

QTEST_MAIN(MessageRecorderTest)
#include "MessageRecorderTest.moc"
