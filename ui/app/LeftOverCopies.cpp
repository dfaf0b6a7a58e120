#include "ui/app/LeftOverCopies.h"

#include <algorithm>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include "model/core/InventoryFormat.h"
#include "model/framework/SafeFile.h"
#include "ui/app/RecoveryWriter.h"
#include "ui/common/Captions.h"
#include "ui/common/LocalDates.h"
#include "ui/common/MessageSink.h"

namespace {

// A record is small; anything larger is not one of ours.
constexpr std::uintmax_t kMaxRecordBytes = 64 * 1024;

// Whether a run that is over wrote the copies of pid: nobody holds its lock.
bool RunHasEnded(const QString& folder, qint64 pid, qint64 ownPid) {
    if (pid == ownPid)
        return true;
    QLockFile lock(CRecoveryWriter::LockPath(folder, pid));
    lock.setStaleLockTime(0);
    // Taking the lock of a dead run clears it away; a live run keeps its own.
    return lock.tryLock(0);
}

bool CopyReadable(const QString& path) {
    std::string bytes;
    if (!safefile::ReadAll(path.toStdString(), bytes).Succeeded())
        return false;
    CInventoryFileContents contents;
    return !bytes.empty() && inventoryformat::Read(bytes, contents).outcome == FileOutcome::Ok;
}

CLeftOverCopy ReadCopy(const QString& folder, const QString& base) {
    CLeftOverCopy copy;
    copy.copyPath = QDir(folder).filePath(base + QStringLiteral(".inv"));
    copy.recordPath = QDir(folder).filePath(base + QStringLiteral(".json"));
    copy.title = base;
    std::string bytes;
    QJsonObject record;
    if (safefile::ReadAll(copy.recordPath.toStdString(), bytes, kMaxRecordBytes).Succeeded())
        record = QJsonDocument::fromJson(QByteArray::fromStdString(bytes)).object();
    copy.originalPath = record.value(QStringLiteral("path")).toString();
    copy.written =
        QDateTime::fromString(record.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    const QString title = record.value(QStringLiteral("title")).toString();
    if (!title.isEmpty())
        copy.title = title;
    copy.damaged = title.isEmpty() || !copy.written.isValid() || !CopyReadable(copy.copyPath);
    if (!copy.damaged && !copy.originalPath.isEmpty()) {
        const QFileInfo original(copy.originalPath);
        copy.originalNewer = original.isFile() && original.lastModified() > copy.written;
    }
    return copy;
}

} // namespace

QList<CLeftOverCopy> CLeftOverCopies::Find(const QString& folder, qint64 ownPid) {
    // Copies are named "<pid>-<n>"; a copy or a record alone still counts, as damaged.
    QStringList bases;
    const QStringList files = QDir(folder).entryList(
        {QStringLiteral("*.inv"), QStringLiteral("*.json")}, QDir::Files | QDir::Hidden);
    for (const QString& file : files) {
        const QString base = QFileInfo(file).completeBaseName();
        if (!bases.contains(base))
            bases << base;
    }
    // Locks of runs that ended with nothing to recover: taking one clears it away.
    for (const QString& lock : QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files)) {
        bool numbered = false;
        const qint64 pid = QFileInfo(lock).completeBaseName().toLongLong(&numbered);
        if (numbered && pid != ownPid)
            RunHasEnded(folder, pid, ownPid);
    }
    QList<CLeftOverCopy> copies;
    for (const QString& base : bases) {
        bool numbered = false;
        const qint64 pid = base.section(u'-', 0, 0).toLongLong(&numbered);
        if (!numbered || !RunHasEnded(folder, pid, ownPid))
            continue;
        copies << ReadCopy(folder, base);
    }
    std::stable_sort(
        copies.begin(), copies.end(),
        [](const CLeftOverCopy& a, const CLeftOverCopy& b) { return a.written < b.written; });
    return copies;
}

CMessage CLeftOverCopies::Question(const QList<CLeftOverCopy>& copies) {
    QString text =
        QCoreApplication::translate("CLeftOverCopies",
                                    "Gaugewright was not closed properly. Recover the unsaved "
                                    "changes of %1 inventories?\n")
            .arg(copies.size());
    for (const CLeftOverCopy& copy : copies) {
        if (copy.damaged) {
            text += QCoreApplication::translate("CLeftOverCopies",
                                                "\n%1: damaged, can only be discarded")
                        .arg(copy.title);
            continue;
        }
        const QString folder = copy.originalPath.isEmpty()
                                   ? QCoreApplication::translate("CLeftOverCopies", "never saved")
                                   : QDir::toNativeSeparators(QFileInfo(copy.originalPath).path());
        text += QStringLiteral("\n%1 (%2), %3")
                    .arg(copy.title, folder, localdates::MomentText(copy.written.toLocalTime()));
        if (copy.originalNewer)
            text += QCoreApplication::translate("CLeftOverCopies",
                                                " - the file on disk is newer than this copy");
    }
    return {text, captions::ApplicationTitle(), MessageIcon::Question,
            MessageButtons::RecoverDiscardLater};
}

void CLeftOverCopies::Discard(const CLeftOverCopy& copy) {
    QFile::remove(copy.copyPath);
    QFile::remove(copy.recordPath);
}
