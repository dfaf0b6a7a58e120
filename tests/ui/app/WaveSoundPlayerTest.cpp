#include "ui/app/WaveSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// A short, valid 8-bit mono wave file.
QByteArray Wave() {
    const QByteArray samples(800, char(0x80));
    QByteArray wave("RIFF....WAVEfmt ");
    auto put32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    auto put16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wave.append("data");
    put32(static_cast<quint32>(samples.size()));
    wave.append(samples);
    qToLittleEndian<quint32>(static_cast<quint32>(wave.size() - 8), wave.data() + 4);
    return wave;
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class WaveSoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void wavePath_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        const QString upper = QStringLiteral("GAUGEEND.WAV");
        const QString lower = QStringLiteral("gaugeend.wav");
        QTest::newRow("exact") << QStringList{upper} << upper << upper;
        QTest::newRow("lower case on disk") << QStringList{lower} << upper << lower;
        QTest::newRow("mixed case") << QStringList{QStringLiteral("GaugeEnd.Wav")} << upper
                                    << QStringLiteral("GaugeEnd.Wav");
        QTest::newRow("exact among variants") << QStringList{lower, upper} << upper << upper;
        QTest::newRow("two variants, none exact")
            << QStringList{lower, QStringLiteral("GaugeEnd.wav")} << upper << QString();
        QTest::newRow("missing") << QStringList{QStringLiteral("GAUGEWRT.WAV")} << upper
                                 << QString();
        QTest::newRow("directory, not file")
            << QStringList{QStringLiteral("sub/")} << QStringLiteral("sub") << QString();
        QTest::newRow("outside the directory")
            << QStringList{upper} << QStringLiteral("../") + upper << QString();
        QTest::newRow("empty") << QStringList{upper} << QString() << QString();
    }

    void wavePath() {
        QFETCH(QStringList, files);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("data"));
        QDir().mkpath(data);
        Put(root.filePath(QStringLiteral("GAUGEEND.WAV")), Wave());
        for (const QString& file : files) {
            if (file.endsWith(u'/'))
                QDir().mkpath(data + u'/' + file);
            else
                Put(data + u'/' + file, Wave());
        }
        const CWaveSoundPlayer player(data);
        QCOMPARE(player.WaveFilePath(asked), found.isEmpty() ? QString() : data + u'/' + found);
    }

    void playReturnsAndLetsGo_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("valid") << Wave();
        QTest::newRow("damaged") << QByteArray("RIFF\x10\0\0\0WAVEjunk", 16);
        QTest::newRow("missing") << QByteArray();
    }

    void playReturnsAndLetsGo() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir data;
        if (!bytes.isEmpty())
            Put(data.filePath(QStringLiteral("GAUGEWRT.WAV")), bytes);
        CWaveSoundPlayer player(data.path());
        player.Play(QStringLiteral("GAUGEWRT.WAV"));
        player.Play(QStringLiteral("GAUGEWRT.WAV"));
        // Whether or not this machine has audio, every sound ends and is let go.
        QTRY_COMPARE(player.ActiveSounds(), 0);
    }
};

QTEST_MAIN(WaveSoundPlayerTest)
#include "WaveSoundPlayerTest.moc"
