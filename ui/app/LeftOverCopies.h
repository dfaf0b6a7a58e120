#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct CMessage;

// One copy a run left in the recovery folder when it ended without closing.
struct CLeftOverCopy {
    QString copyPath;           // the inventory file of the copy
    QString recordPath;         // the record beside it
    QString originalPath;       // where the inventory belongs; empty for an untitled one
    QString title;              // the inventory's title when the copy was written
    QDateTime written;          // when the copy was written
    bool damaged = false;       // the copy or its record cannot be read: it can only be discarded
    bool originalNewer = false; // the file at originalPath changed after the copy was written
};

// The copies of the recovery folder whose runs have ended, and the question that
// offers them.
class CLeftOverCopies {
public:
    // The copies in folder that no running copy of the program holds, oldest first.
    // ownPid: this run's process id; its copies are left over, as this run has
    // written none yet.
    static QList<CLeftOverCopy> Find(const QString& folder, qint64 ownPid);
    // "Gaugewright was not closed properly. ..." with each inventory on a line,
    // and the buttons Recover, Discard and Later.
    static CMessage Question(const QList<CLeftOverCopy>& copies);
    // Deletes the copy and its record.
    static void Discard(const CLeftOverCopy& copy);
};
