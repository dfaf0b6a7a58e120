#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Answers modal windows (dialogs run with exec()) as they open, so that a test can
// drive code that shows them. Each queued handler takes the next modal window, in
// order; a modal window that finds no handler waiting is rejected, as Escape would,
// so a test never hangs, and its title is kept in Unexpected().
class CModalAnswerer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget*)>;

    CModalAnswerer();

    void Queue(Handler handler) { m_handlers.append(std::move(handler)); }
    // A handler for a dialog of class T; a modal window of another class fails the
    // test and is rejected.
    template <class T> void QueueFor(std::function<void(T*)> handler) {
        Queue([handler = std::move(handler)](QWidget* window) {
            if (auto* dialog = qobject_cast<T*>(window))
                handler(dialog);
            else
                Fail(window, T::staticMetaObject.className());
        });
    }

    qsizetype Pending() const { return m_handlers.size(); }
    // The window titles of the modal windows answered, in order.
    const QStringList& Seen() const { return m_seen; }
    const QStringList& Unexpected() const { return m_unexpected; }

private:
    void Poll();
    static void Fail(QWidget* window, const char* expected);
    static void Reject(QWidget* window);

    QTimer m_timer;
    QList<Handler> m_handlers;
    QPointer<QWidget> m_current;
    QStringList m_seen;
    QStringList m_unexpected;
};
