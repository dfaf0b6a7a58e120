#include "ui/app/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include "model/framework/UserId.h"

namespace {

// A request: the magic and the length of the path, both big-endian, then the
// path's UTF-8 bytes.
constexpr quint32 kMagic = 0x47575231; // "GWR1"
// Far more than any path; a longer request is not one of ours.
constexpr quint32 kLongestPath = 64 * 1024;
constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 3000;
constexpr int kLockMs = 3000;

// Who the user is, for the server's name: the system's user id where there is one,
// since the environment's user name is the user's to change and would let one
// account run two copies.
QString UserKey() {
    if (const std::string id = framework::CurrentUserId(); !id.empty())
        return QString::fromLatin1(id);
    QString name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = QDir::home().dirName();
    // Only characters every local server name may hold.
    QString safe;
    for (const QChar c : name)
        safe += c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : u'_';
    return safe;
}

} // namespace

CSingleInstance::CSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::UserServerName() {
    const QString name = QStringLiteral("TheGaugewright-") + UserKey();
#ifdef Q_OS_UNIX
    // In the runtime directory only the user can create the socket, so no one else
    // can pose as the running copy.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(name);
#endif
    return name;
}

CSingleInstance::Role CSingleInstance::Start(const QString& filePath) {
    const QString absolute =
        filePath.isEmpty() ? QString() : QFileInfo(filePath).absoluteFilePath();
    // Two starts at the same moment must not both find no server and both listen.
    const QString lockPath = QDir::isAbsolutePath(m_serverName)
                                 ? m_serverName + QStringLiteral(".lock")
                                 : QDir::temp().filePath(m_serverName + QStringLiteral(".lock"));
    QLockFile lock(lockPath);
    const bool locked = lock.tryLock(kLockMs);
    if (HandOver(absolute))
        return Role::HandedOver;
    Listen();
    if (locked)
        lock.unlock();
    return Role::Running;
}

bool CSingleInstance::HandOver(const QString& filePath) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    const QByteArray path = filePath.toUtf8();
    QByteArray request(2 * sizeof(quint32), '\0');
    qToBigEndian<quint32>(kMagic, request.data());
    qToBigEndian<quint32>(static_cast<quint32>(path.size()), request.data() + sizeof(quint32));
    request += path;
    socket.write(request);
    const bool written = socket.waitForBytesWritten(kWriteMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWriteMs);
    return written;
}

void CSingleInstance::Listen() {
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        // No copy answered, so what is there is left from one that ended abnormally.
        QLocalServer::removeServer(m_serverName);
        if (!server->listen(m_serverName)) {
            m_error = tr("Later starts of the program cannot reach this one: %1")
                          .arg(server->errorString());
            delete server;
            return;
        }
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // A connection that never completes its request must not stay open for
            // good; the timer goes with the socket.
            QTimer::singleShot(m_requestTimeout, socket, [socket] { socket->abort(); });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(socket); });
            Receive(socket);
        }
    });
    m_server = server;
}

void CSingleInstance::Receive(QLocalSocket* socket) {
    constexpr qint64 header = 2 * sizeof(quint32);
    if (socket->bytesAvailable() < header)
        return;
    const QByteArray head = socket->peek(header);
    const auto magic = qFromBigEndian<quint32>(head.constData());
    const auto length = qFromBigEndian<quint32>(head.constData() + sizeof(quint32));
    if (magic != kMagic || length > kLongestPath) {
        socket->disconnect(this);
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < header + length)
        return;
    socket->skip(header);
    const QString path = QString::fromUtf8(socket->read(length));
    // One request per connection.
    socket->disconnect(this);
    socket->disconnectFromServer();
    emit activationRequested();
    if (!path.isEmpty())
        emit fileRequested(path);
}

void CSingleInstance::BringForward(QWidget* window) {
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // A dialog open over the window is what the user must answer first.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}
