#include "ui/app/WaveSoundPlayer.h"

#include <memory>
#include <utility>

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

// Far longer than any sound of the program: a sound whose end is never reported
// (a vanished device) is let go after this.
constexpr int kLongestSoundMs = 120'000;

} // namespace

CWaveSoundPlayer::CWaveSoundPlayer(QString dataDirectory, QObject* parent)
    : QObject(parent), m_dataDirectory(std::move(dataDirectory)) {}

QString CWaveSoundPlayer::WaveFilePath(const QString& waveFile) const {
    if (waveFile.isEmpty() || waveFile.contains(u'/') || waveFile.contains(u'\\') ||
        waveFile == QLatin1String(".") || waveFile == QLatin1String(".."))
        return {};
    const QDir directory(m_dataDirectory);
    const QFileInfo exact(directory.filePath(waveFile));
    if (exact.isFile())
        return exact.filePath();
    QString found;
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(waveFile, Qt::CaseInsensitive) != 0)
            continue;
        // Two files that differ only in case: neither is plainly the one meant.
        if (!found.isEmpty())
            return {};
        found = directory.filePath(name);
    }
    return found;
}

void CWaveSoundPlayer::Play(const QString& waveFile) {
    const QString path = WaveFilePath(waveFile);
    if (path.isEmpty() || QMediaDevices::audioOutputs().isEmpty())
        return;

    auto* effect = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
    ++m_active;
    // Once started, the end of playing lets the effect go; before that, loading
    // either succeeds (then it starts) or fails (then it goes).
    auto started = std::make_shared<bool>(false);
    auto startOrRelease = [this, effect, started] {
        if (*started)
            return;
        if (effect->status() == QSoundEffect::Error) {
            Release(effect);
        } else if (effect->status() == QSoundEffect::Ready) {
            *started = true;
            effect->play();
            if (!effect->isPlaying())
                Release(effect);
        }
    };
    connect(effect, &QSoundEffect::statusChanged, this, startOrRelease);
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect, started] {
        if (*started && !effect->isPlaying())
            Release(effect);
    });
    QTimer::singleShot(kLongestSoundMs, effect, [this, effect] { Release(effect); });
    effect->setSource(QUrl::fromLocalFile(path));
    // A sample already in the cache may be ready before any signal.
    startOrRelease();
}

void CWaveSoundPlayer::Release(QObject* effect) {
    // Each effect is released once, whichever of its signals comes first.
    if (effect->property("released").toBool())
        return;
    effect->setProperty("released", true);
    --m_active;
    effect->deleteLater();
}
