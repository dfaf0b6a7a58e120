#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/common/MessageSink.h"

class QWidget;

// The files later starts of the program hand over, opened one after another.
//
// Every message box runs an event loop of its own, in which the next request
// arrives; were each request opened where it arrives, a flood of them would stack
// one box over another until the program ran out of stack. So a request that
// arrives while another is being opened, or while the queue's message is open,
// waits its turn; the messages of the opens are held back and shown as one box
// when the queue is empty; and only so many requests wait, the rest are dropped
// and the box says how many.
//
// The queue is the message sink of whatever opens the files: while it opens a
// request it keeps the messages that only inform (an OK button alone); every other
// message, and every message outside a request, goes on to the program's sink.
class COpenRequestQueue : public CMessageSink {
public:
    // How many requests may wait at once.
    static constexpr qsizetype kMostWaiting = 50;
    // How many file names the combined message lists.
    static constexpr qsizetype kMostNamed = 10;

    using Opener = std::function<void(const QString& path)>;
    using ParentFinder = std::function<QWidget*()>;

    explicit COpenRequestQueue(CMessageSink& messages) : m_messages(messages) {}

    // open opens one file and reports its problems through this sink; parent
    // gives the window the combined message is shown over.
    void SetOpener(Opener open, ParentFinder parent);

    // Opens path now, or after the requests before it; dropped when too many wait.
    void Request(const QString& path);

    MessageAnswer Show(QWidget* parent, const CMessage& message) override;

private:
    struct Failure {
        QString path;
        CMessage message;
    };

    // The message that tells of the failures and drops since the last one.
    CMessage Summary() const;

    CMessageSink& m_messages;
    Opener m_open;
    ParentFinder m_parent;
    QStringList m_waiting;
    std::vector<Failure> m_failures;
    qsizetype m_dropped = 0;
    QString m_opening;
    bool m_inOpen = false;
    bool m_busy = false;
};
