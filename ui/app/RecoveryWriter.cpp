#include "ui/app/RecoveryWriter.h"

#include <string>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"
#include "ui/common/UserMessage.h"

namespace {

// Copies hold someone's collection and where it lives: for the user's eyes only.
constexpr QFile::Permissions kFolderMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kFileMode = QFile::ReadOwner | QFile::WriteOwner;

QString FailureText(const QString& reason) {
    return QCoreApplication::translate("CRecoveryWriter",
                                       "Unsaved changes are not kept for recovery: %1")
        .arg(reason);
}

// Runs on the worker thread; an empty result is success.
QString WriteFiles(const QString& folder, const QString& base, const std::string& copy,
                   const QByteArray& record) {
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, kFolderMode))
        return QCoreApplication::translate("CRecoveryWriter", "the folder %1 cannot be made.")
            .arg(folder);
    const struct {
        QString path;
        std::string_view bytes;
    } files[] = {{base + QStringLiteral(".inv"), copy},
                 {base + QStringLiteral(".json"),
                  std::string_view(record.constData(), static_cast<std::size_t>(record.size()))}};
    for (const auto& file : files) {
        const FileResult result = safefile::WriteAll(file.path.toStdString(), file.bytes);
        if (!result.Succeeded())
            return UserMessage(result);
        QFile::setPermissions(file.path, kFileMode);
    }
    return {};
}

} // namespace

CRecoveryWriter::CRecoveryWriter(QString folder, int delayMs, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_delayMs(delayMs) {
    m_pool.setMaxThreadCount(1);
    m_lock = std::make_unique<QLockFile>(LockPath(m_folder, QCoreApplication::applicationPid()));
    // Only a dead owner makes a lock stale, never its age: a run may last for weeks.
    m_lock->setStaleLockTime(0);
    TakeLock();
}

void CRecoveryWriter::TakeLock() {
    if (!m_lock->isLocked() && QDir().mkpath(m_folder)) {
        QFile::setPermissions(m_folder, kFolderMode);
        m_lock->tryLock(0);
    }
}

CRecoveryWriter::~CRecoveryWriter() {
    for (auto& [inventory, watched] : m_watched)
        inventory->SetWatcher(nullptr);
    m_pool.waitForDone();
}

QString CRecoveryWriter::LockPath(const QString& folder, qint64 pid) {
    return QDir(folder).filePath(QStringLiteral("%1.lock").arg(pid));
}

void CRecoveryWriter::Watch(CSidingWardDoc& inventory) {
    Watched& watched = m_watched[&inventory];
    watched.base = QDir(m_folder).filePath(
        QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_serial));
    watched.timer = std::make_unique<QTimer>();
    watched.timer->setSingleShot(true);
    watched.timer->setInterval(m_delayMs);
    CSidingWardDoc* followed = &inventory;
    connect(watched.timer.get(), &QTimer::timeout, this, [this, followed] {
        const auto found = m_watched.find(followed);
        if (found != m_watched.end() && followed->IsModified())
            WriteCopy(*followed, found->second);
    });
    inventory.SetWatcher(this);
    OnDocumentChanged(inventory);
}

void CRecoveryWriter::Forget(CSidingWardDoc& inventory) {
    const auto found = m_watched.find(&inventory);
    if (found == m_watched.end())
        return;
    inventory.SetWatcher(nullptr);
    RemoveCopy(found->second);
    m_watched.erase(found);
}

void CRecoveryWriter::WaitForWrites() {
    m_pool.waitForDone();
}

void CRecoveryWriter::OnDocumentChanged(CDocument& document) {
    const auto found = m_watched.find(static_cast<CSidingWardDoc*>(&document));
    if (found == m_watched.end())
        return;
    Watched& watched = found->second;
    if (!document.IsModified()) {
        // Saved, or back as it was saved: nothing is left to recover.
        watched.timer->stop();
        RemoveCopy(watched);
    } else if (!watched.timer->isActive()) {
        watched.timer->start();
    }
}

void CRecoveryWriter::WriteCopy(CSidingWardDoc& inventory, Watched& watched) {
    // An inventory the file format cannot hold cannot be saved either; its copy
    // would be a damaged file.
    if (inventory.GetItems().size() > inventoryformat::kMaxItems)
        return;
    // The folder may have come into being since the start: the copy is never
    // written without the lock that keeps other starts away from it.
    TakeLock();
    std::string copy = inventoryformat::Write(inventory.GetItems(), inventory.GetSearchHistory());
    const QJsonObject record{
        {QStringLiteral("path"), QString::fromStdString(inventory.GetPathName())},
        {QStringLiteral("title"), QString::fromStdString(inventory.GetTitle())},
        {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("pid"), QCoreApplication::applicationPid()}};
    const QByteArray recordBytes = QJsonDocument(record).toJson();
    watched.written = true;
    m_pool.start(
        [this, folder = m_folder, base = watched.base, copy = std::move(copy), recordBytes] {
            const QString problem = WriteFiles(folder, base, copy, recordBytes);
            if (!problem.isEmpty()) {
                QMetaObject::invokeMethod(
                    this, [this, problem] { ReportFailure(problem); }, Qt::QueuedConnection);
            }
        });
}

void CRecoveryWriter::RemoveCopy(Watched& watched) {
    if (!watched.written)
        return;
    watched.written = false;
    m_pool.start([base = watched.base] {
        QFile::remove(base + QStringLiteral(".inv"));
        QFile::remove(base + QStringLiteral(".json"));
    });
}

void CRecoveryWriter::ReportFailure(const QString& message) {
    if (m_failureReported)
        return;
    m_failureReported = true;
    emit WriteFailed(FailureText(message));
}
