#include "ui/common/Text.h"

#include <QTest>

#include "ui/common/Captions.h"

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips() {
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all += static_cast<char>(byte);
        const QString converted = text::FromBytes(all);
        QCOMPARE(converted.size(), 256);
        QCOMPARE(converted[0x80], QChar(0x20AC));
        QCOMPARE(converted[0x81], QChar(0x0081));
        QCOMPARE(converted[0xE9], QChar(0x00E9));
        QCOMPARE(text::ToBytes(converted).value(), all);
    }

    void refusesWhatTheCodePageCannotHold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refused");
        QTest::newRow("chinese") << QStringLiteral(u"Zug \u4E2D\u4E2D")
                                 << QStringLiteral(u"\u4E2D");
        QTest::newRow("emoji") << QStringLiteral(u"\U0001F682 Loco")
                               << QStringLiteral(u"\U0001F682");
        QTest::newRow("greek and cyrillic")
            << QStringLiteral(u"\u03A9 \u0416") << QStringLiteral(u"\u03A9\u0416");
        QTest::newRow("all fine") << QStringLiteral(u"Caf\u00E9 \u20AC5") << QString();
    }

    void refusesWhatTheCodePageCannotHold() {
        QFETCH(QString, typed);
        QFETCH(QString, refused);
        QCOMPARE(text::UnrepresentableCharacters(typed), refused);
        QCOMPARE(text::ToBytes(typed).has_value(), refused.isEmpty());
    }

    // The one place that pins the exact captions; every other test compares with
    // the constants.
    void sharedCaptionsReadAsShown_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("application")
            << captions::ApplicationTitle() << QStringLiteral("TheGaugewright");
        QTest::newRow("error") << captions::Error() << QStringLiteral("Gaugewright Error");
        QTest::newRow("system error")
            << captions::SystemError() << QStringLiteral("Gaugewright System Error");
        QTest::newRow("warning") << captions::Warning() << QStringLiteral("Gaugewright Warning");
        QTest::newRow("information")
            << captions::Information() << QStringLiteral("Gaugewright Information");
        QTest::newRow("search result")
            << captions::SearchResult() << QStringLiteral("Gaugewright Search Result");
        QTest::newRow("yard error")
            << captions::YardError() << QStringLiteral("Classification Yard Error");
        QTest::newRow("yard warning")
            << captions::YardWarning() << QStringLiteral("Classification Yard Warning");
    }

    void sharedCaptionsReadAsShown() {
        QFETCH(QString, caption);
        QTEST(caption, "shown");
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "TextTest.moc"
