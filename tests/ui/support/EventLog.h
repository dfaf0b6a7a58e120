#pragma once

#include <QStringList>

// One log that several recorders append to, so a test can assert the order of
// sounds and messages: entries read "sound GAUGEEND.WAV", "message Exit ...?".
class CEventLog {
public:
    void Append(const QString& entry) { m_entries.append(entry); }
    const QStringList& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    QStringList m_entries;
};
