#include "ui/common/PicturePane.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The pane decodes off the UI thread at the size it shows, turns photos as their
// EXIF orientation says, shows only the newest request and never an error box.
class PicturePaneTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Picture(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = m_dir.filePath(name);
        return image.save(path) ? path : QString();
    }
    // A JPEG stored wide whose EXIF tag says to show it turned a quarter (orientation
    // 6), as cameras write portrait photos. The tag goes after the JFIF header.
    QString TurnedPhoto(const QString& name) {
        const QString path = Picture(name, {400, 200});
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QByteArray bytes = file.readAll();
        file.close();
        const int app0End = 4 + ((uchar(bytes[4]) << 8) | uchar(bytes[5]));
        const QByteArray exif = QByteArray::fromHex(
            "ffe10022457869660000"         // APP1, length 34, "Exif\0\0"
            "4d4d002a00000008"             // big-endian TIFF header, first IFD at 8
            "0001011200030000000100060000" // one entry: Orientation, SHORT, 1, 6
            "00000000");                   // no next IFD
        bytes.insert(app0End, exif);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            return {};
        return path;
    }

private slots:
    void showsTheNewestPictureFittedAndTurned_data() {
        QTest::addColumn<QString>("first"); // asked for first, then replaced at once
        QTest::addColumn<QString>("shown"); // the file finally shown
        QTest::addColumn<bool>("wide");     // the shown picture is wider than high
        QTest::addColumn<QString>("caption");
        QTest::newRow("a large photo") << QString() << u"photo.jpg"_s << true << u"photo.jpg"_s;
        QTest::newRow("turned by its EXIF tag")
            << QString() << u"turned.jpg"_s << false << u"turned.jpg"_s;
        QTest::newRow("the newest wins")
            << u"photo.jpg"_s << u"portrait.png"_s << false << u"portrait.png"_s;
        QTest::newRow("missing") << QString() << u"missing.jpg"_s << false
                                 << u"missing.jpg\n(the picture cannot be read)"_s;
    }

    void showsTheNewestPictureFittedAndTurned() {
        QFETCH(QString, first);
        QFETCH(QString, shown);
        QFETCH(bool, wide);
        QFETCH(QString, caption);
        QVERIFY(!Picture(u"photo.jpg"_s, {4000, 3000}).isEmpty());
        QVERIFY(!TurnedPhoto(u"turned.jpg"_s).isEmpty());
        QVERIFY(!Picture(u"portrait.png"_s, {300, 600}).isEmpty());
        CPicturePane pane;
        pane.resize(320, 320);
        pane.show();
        QSignalSpy decoded(&pane, &CPicturePane::PictureDecoded);
        if (!first.isEmpty())
            pane.ShowPicture(m_dir.filePath(first));
        pane.ShowPicture(m_dir.filePath(shown));
        QVERIFY(decoded.wait(5000));
        QTest::qWait(50);
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(pane.Caption(), caption);
        const QImage image = pane.ShownImage();
        if (caption.contains(u'\n')) {
            QVERIFY(image.isNull());
            return;
        }
        QVERIFY(!image.isNull());
        QVERIFY(image.width() <= 320 && image.height() <= 320);
        QCOMPARE(image.width() > image.height(), wide);
    }

    // A thumbnail stands in at once; the decoded picture replaces it.
    void aQuickImageStandsInUntilThePictureIsDecoded() {
        const QString photo = Picture(u"photo.jpg"_s, {4000, 3000});
        CPicturePane pane;
        pane.resize(320, 320);
        pane.show();
        QImage quick(40, 10, QImage::Format_RGB32);
        quick.fill(Qt::red);
        pane.SetQuickImage([&quick](const QString&) { return quick; });
        QSignalSpy decoded(&pane, &CPicturePane::PictureDecoded);
        pane.ShowPicture(photo);
        const QImage standIn = pane.ShownImage();
        QVERIFY(!standIn.isNull());
        QVERIFY(standIn.width() > 3 * standIn.height());
        QVERIFY(decoded.wait(5000));
        const QImage shown = pane.ShownImage();
        QVERIFY(shown.width() > shown.height() && shown.width() < 2 * shown.height());
    }
};

QTEST_MAIN(PicturePaneTest)
#include "PicturePaneTest.moc"
