#pragma once

#include <QStringList>

#include "ui/common/SoundPlayer.h"

class CEventLog;

// Records the name of every sound played, in order, and appends "sound <name>" to
// the shared log when one is given.
class CSoundRecorder : public CSoundPlayer {
public:
    explicit CSoundRecorder(CEventLog* log = nullptr) : m_log(log) {}

    void Play(const QString& waveFile) override;

    const QStringList& Played() const { return m_played; }
    void Clear() { m_played.clear(); }

private:
    CEventLog* m_log;
    QStringList m_played;
};
