#pragma once

#include <chrono>

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

// Keeps one running copy of the program per user. The first start listens on a local
// server only its user may reach; a later start hands its file (or just the wish to
// be seen) to the running copy and ends.
class CSingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role {
        Running,    // this is the running copy: go on starting
        HandedOver, // another copy got the request: end this one
    };

    // serverName: the local server's name or socket path; tests give their own.
    explicit CSingleInstance(QString serverName = UserServerName(), QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The server name of the current user: in the user's runtime directory where
    // there is one, and carrying the user's id (the user's name where the system has
    // no ids), whatever the environment says the user is called.
    static QString UserServerName();

    // Hands filePath (made absolute; empty just asks to be seen) to a running copy,
    // or else becomes the running copy. A server that cannot listen is reported in
    // Error() and the program runs on as the only copy it knows of.
    Role Start(const QString& filePath);

    // How long a later start may take to send its whole request before the running
    // copy closes the connection; counts for connections made after the call.
    void SetRequestTimeout(std::chrono::milliseconds timeout) { m_requestTimeout = timeout; }

    // Why this copy could not listen for later starts; empty when it could.
    QString Error() const { return m_error; }

    // Brings window forward: restored when minimized, raised and activated, and the
    // modal dialog open over it with it.
    static void BringForward(QWidget* window);

signals:
    // A later start asked for this copy's window.
    void activationRequested();
    // A later start named a file to open (an absolute path).
    void fileRequested(const QString& path);

private:
    bool HandOver(const QString& filePath);
    void Listen();
    void Receive(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    QString m_error;
    std::chrono::milliseconds m_requestTimeout{3000};
};
