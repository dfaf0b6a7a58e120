#include "ui/app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Server() const { return m_dir.filePath(QStringLiteral("instance")); }

private slots:
    void userServerNameNamesTheUser() {
        const QString name = CSingleInstance::UserServerName();
        QVERIFY(QFileInfo(name).fileName().startsWith(QStringLiteral("TheGaugewright-")));
        QVERIFY(QFileInfo(name).fileName().size() > QStringLiteral("TheGaugewright-").size());
    }

    // The environment's user name is the user's to change; a second copy started
    // under another USER must still find the first.
    void userServerNameIgnoresTheEnvironmentsUserName() {
        const QString before = CSingleInstance::UserServerName();
        const QByteArray user = qgetenv("USER");
        const QByteArray userName = qgetenv("USERNAME");
        qputenv("USER", "someone-else");
        qputenv("USERNAME", "someone-else");
        const QString after = CSingleInstance::UserServerName();
        qputenv("USER", user);
        qputenv("USERNAME", userName);
        QCOMPARE(after, before);
    }

    void secondStartHandsOver_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("received"); // empty: no file asked for
        QTest::newRow("absolute") << QStringLiteral("/home/c/Sample.inv")
                                  << QStringLiteral("/home/c/Sample.inv");
        QTest::newRow("relative made absolute")
            << QStringLiteral("trains/My Cars.inv")
            << QDir::current().absoluteFilePath(QStringLiteral("trains/My Cars.inv"));
        QTest::newRow("unicode") << QStringLiteral(u"/tmp/W\u00E4gen \u20AC.inv")
                                 << QStringLiteral(u"/tmp/W\u00E4gen \u20AC.inv");
        QTest::newRow("activate only") << QString() << QString();
    }

    void secondStartHandsOver() {
        QFETCH(QString, given);
        QFETCH(QString, received);
        CSingleInstance running(Server());
        QCOMPARE(running.Start(QString()), CSingleInstance::Role::Running);
        QCOMPARE(running.Error(), QString());
        QSignalSpy activated(&running, &CSingleInstance::activationRequested);
        QSignalSpy opened(&running, &CSingleInstance::fileRequested);

        CSingleInstance second(Server());
        QCOMPARE(second.Start(given), CSingleInstance::Role::HandedOver);
        QVERIFY(activated.wait());
        QCOMPARE(activated.size(), 1);
        if (received.isEmpty()) {
            QCOMPARE(opened.size(), 0);
        } else {
            QTRY_COMPARE(opened.size(), 1);
            QCOMPARE(opened.at(0).at(0).toString(), received);
        }
    }

    void staleSocketIsReplaced() {
        Put(Server(), "left over");
        CSingleInstance running(Server());
        QCOMPARE(running.Start(QString()), CSingleInstance::Role::Running);
        QCOMPARE(running.Error(), QString());
        QCOMPARE(CSingleInstance(Server()).Start(QString()), CSingleInstance::Role::HandedOver);
    }

    void nextStartRunsAfterTheRunningCopyEnded() {
        {
            CSingleInstance first(Server());
            QCOMPARE(first.Start(QString()), CSingleInstance::Role::Running);
        }
        CSingleInstance next(Server());
        QCOMPARE(next.Start(QString()), CSingleInstance::Role::Running);
    }

    void foreignRequestIsIgnored_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("wrong magic") << QByteArray("HELLO WORLD\n");
        QTest::newRow("huge length") << QByteArray("GWR1\xFF\xFF\xFF\xF0", 8);
    }

    void foreignRequestIsIgnored() {
        QFETCH(QByteArray, request);
        CSingleInstance running(Server());
        QCOMPARE(running.Start(QString()), CSingleInstance::Role::Running);
        QSignalSpy activated(&running, &CSingleInstance::activationRequested);
        QLocalSocket foreign;
        foreign.connectToServer(Server());
        QVERIFY(foreign.waitForConnected(1000));
        foreign.write(request);
        foreign.flush();
        QTRY_COMPARE(foreign.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(activated.size(), 0);
        // The running copy still serves real starts.
        QCOMPARE(CSingleInstance(Server()).Start(QString()), CSingleInstance::Role::HandedOver);
        QVERIFY(activated.wait());
    }

    // A start that connects and never finishes its request is cut off after the
    // time-out, and the running copy goes on serving complete requests.
    void partialRequestTimesOut_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("part of the header") << QByteArray("GWR", 3);
        QTest::newRow("path shorter than promised") << QByteArray("GWR1\0\0\0\x10/home", 13);
    }

    void partialRequestTimesOut() {
        QFETCH(QByteArray, request);
        CSingleInstance running(Server());
        running.SetRequestTimeout(std::chrono::milliseconds(200));
        QCOMPARE(running.Start(QString()), CSingleInstance::Role::Running);
        QSignalSpy activated(&running, &CSingleInstance::activationRequested);
        QLocalSocket partial;
        partial.connectToServer(Server());
        QVERIFY(partial.waitForConnected(1000));
        partial.write(request);
        partial.flush();
        QTRY_COMPARE(partial.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(activated.size(), 0);
        QCOMPARE(CSingleInstance(Server()).Start(QString()), CSingleInstance::Role::HandedOver);
        QVERIFY(activated.wait());
    }

    void bringForwardRestoresAMinimizedWindow() {
        QWidget window;
        window.showMaximized();
        window.showMinimized();
        QVERIFY(window.isMinimized());
        CSingleInstance::BringForward(&window);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
        QVERIFY(window.isMaximized());
    }

private:
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
