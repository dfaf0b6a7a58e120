#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "ui/common/MessageSink.h"

class CEventLog;

// One message as the program asked for it.
struct CRecordedMessage {
    QPointer<QWidget> parent;
    CMessage message;
    // What stood in the user's way when it was shown: an application-wide cursor
    // (a wait or drag cursor) and a widget grabbing the mouse.
    bool overrideCursor = false;
    bool mouseGrabbed = false;
};

// Records every message, in order, and answers each with the next queued answer,
// or with the message's first button (Ok or Yes) when none is queued. Appends
// "message <text>" to the shared log when one is given. An answer that is not one
// of the message's buttons fails the running test.
class CMessageRecorder : public CMessageSink {
public:
    explicit CMessageRecorder(CEventLog* log = nullptr) : m_log(log) {}

    MessageAnswer Show(QWidget* parent, const CMessage& message) override;

    // Answers for the next messages, in order.
    void QueueAnswers(const QList<MessageAnswer>& answers) { m_answers += answers; }
    qsizetype PendingAnswers() const { return m_answers.size(); }

    const QList<CRecordedMessage>& Recorded() const { return m_recorded; }
    qsizetype Count() const { return m_recorded.size(); }
    // The message shown last; an empty one when none was.
    CMessage Last() const;
    // The texts of all messages, in order.
    QStringList Texts() const;
    void Clear();

    // The first button of buttons: the answer when none is queued.
    static MessageAnswer FirstButton(MessageButtons buttons);
    static bool Offers(MessageButtons buttons, MessageAnswer answer);

private:
    CEventLog* m_log;
    QList<MessageAnswer> m_answers;
    QList<CRecordedMessage> m_recorded;
};
