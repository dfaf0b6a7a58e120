#include "ui/support/SoundRecorder.h"

#include "ui/support/EventLog.h"

void CSoundRecorder::Play(const QString& waveFile) {
    m_played.append(waveFile);
    if (m_log)
        m_log->Append(QStringLiteral("sound ") + waveFile);
}
