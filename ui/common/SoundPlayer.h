#pragma once

#include <QString>

// Every sound of the program goes through one player: the program plays wave files
// from its data directory without waiting, the tests record the names.
class CSoundPlayer {
public:
    virtual ~CSoundPlayer() = default;
    // Starts the wave file (a name such as "GAUGEEND.WAV") and returns at once; a
    // missing file or a machine without audio plays nothing.
    virtual void Play(const QString& waveFile) = 0;
};
