#include "ui/support/MessageRecorder.h"

#include <QApplication>
#include <QTest>

#include "ui/support/EventLog.h"

MessageAnswer CMessageRecorder::Show(QWidget* parent, const CMessage& message) {
    m_recorded.append({parent, message, QApplication::overrideCursor() != nullptr,
                       QWidget::mouseGrabber() != nullptr});
    if (m_log)
        m_log->Append(QStringLiteral("message ") + message.text);
    if (m_answers.isEmpty())
        return FirstButton(message.buttons);
    const MessageAnswer answer = m_answers.takeFirst();
    if (!Offers(message.buttons, answer)) {
        const QByteArray failure =
            QStringLiteral("queued answer is not a button of the message \"%1\"")
                .arg(message.text)
                .toUtf8();
        QTest::qFail(failure.constData(), __FILE__, __LINE__);
        return FirstButton(message.buttons);
    }
    return answer;
}

CMessage CMessageRecorder::Last() const {
    return m_recorded.isEmpty() ? CMessage{} : m_recorded.constLast().message;
}

QStringList CMessageRecorder::Texts() const {
    QStringList texts;
    for (const CRecordedMessage& recorded : m_recorded)
        texts.append(recorded.message.text);
    return texts;
}

void CMessageRecorder::Clear() {
    m_recorded.clear();
    m_answers.clear();
}

MessageAnswer CMessageRecorder::FirstButton(MessageButtons buttons) {
    if (buttons == MessageButtons::RecoverDiscardLater)
        return MessageAnswer::Recover;
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

bool CMessageRecorder::Offers(MessageButtons buttons, MessageAnswer answer) {
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No ||
               answer == MessageAnswer::Cancel;
    case MessageButtons::RecoverDiscardLater:
        return answer == MessageAnswer::Recover || answer == MessageAnswer::Discard ||
               answer == MessageAnswer::Later;
    }
    return false;
}
