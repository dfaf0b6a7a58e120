#pragma once

#include <map>
#include <memory>

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include "model/framework/DocumentWatcher.h"

class CSidingWardDoc;
class QTimer;

// Keeps a copy of every modified inventory in the recovery folder, so that a crash
// loses nothing: an ordinary inventory file ("<pid>-<n>.inv") beside a record of
// where it belongs ("<pid>-<n>.json": original path or untitled title, time, process
// id). The GUI thread turns the items into bytes; a worker thread writes them with
// the safe writer, one write after the other. A copy goes when its inventory is
// saved, closed, or no longer modified. While the writer lives it holds the lock
// "<pid>.lock" in the folder, so that no other start takes its copies for left over.
class CRecoveryWriter : public QObject, public CDocumentWatcher {
    Q_OBJECT

public:
    // delayMs: how long after a change the copy is written; a stream of changes
    // does not put the write off further.
    explicit CRecoveryWriter(QString folder, int delayMs = 2000, QObject* parent = nullptr);
    // Finishes the writes and removals under way.
    ~CRecoveryWriter() override;

    // Follows the inventory from now on; a modified one gets its copy after the delay.
    void Watch(CSidingWardDoc& inventory);
    // The inventory goes away: its copy goes too.
    void Forget(CSidingWardDoc& inventory);
    // Returns when every write and removal asked for so far has reached the disk.
    void WaitForWrites();

    // The lock a run holds while it keeps copies; its name carries the run's process id.
    static QString LockPath(const QString& folder, qint64 pid);

    void OnDocumentChanged(CDocument& document) override;

signals:
    // The folder cannot be written; sent once however many copies fail.
    void WriteFailed(const QString& message);

private:
    struct Watched {
        QString base; // the copy's path without its extension
        std::unique_ptr<QTimer> timer;
        bool written = false;
    };

    void TakeLock();
    void WriteCopy(CSidingWardDoc& inventory, Watched& watched);
    void RemoveCopy(Watched& watched);
    void ReportFailure(const QString& message);

    QString m_folder;
    int m_delayMs;
    int m_serial = 0;
    bool m_failureReported = false;
    std::unique_ptr<QLockFile> m_lock;
    std::map<CSidingWardDoc*, Watched> m_watched;
    // One thread, so writes and removals of a copy reach the disk in the order asked.
    QThreadPool m_pool;
};
