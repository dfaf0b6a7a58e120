#pragma once

#include <QObject>
#include <QString>

#include "ui/common/SoundPlayer.h"

// Plays the program's wave files from its data directory with QSoundEffect, never
// waiting for them: each sound lives until it has finished (or failed), then goes.
class CWaveSoundPlayer : public QObject, public CSoundPlayer {
    Q_OBJECT

public:
    explicit CWaveSoundPlayer(QString dataDirectory, QObject* parent = nullptr);

    // Starts dataDirectory/waveFile and returns at once. A missing file, a name that is
    // not a plain file name, or a machine without an audio output plays nothing.
    void Play(const QString& waveFile) override;

    // The file Play would play: the exact name, or else the only file of the data
    // directory whose name differs just in case (so "GAUGEEND.WAV" also finds
    // "gaugeend.wav" on a case-sensitive file system); empty when there is none.
    QString WaveFilePath(const QString& waveFile) const;

    // The number of sounds still loading or playing.
    int ActiveSounds() const { return m_active; }

private:
    void Release(QObject* effect);

    QString m_dataDirectory;
    int m_active = 0;
};
