#include "ui/common/Text.h"

#include <cerrno>

#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "model/framework/FileMessages.h"
#include "model/framework/SafeFile.h"
#include "model/yard/ManufacturerFile.h"
#include "ui/common/Captions.h"
#include "ui/common/UserMessage.h"

using namespace Qt::StringLiterals;

namespace {

// Some of the model's messages in German, as an installed catalogue gives them.
class GermanMessages : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QByteArray, QString> german = {
            {"%1 was not found.", u"%1 wurde nicht gefunden."_s},
            {"A file error has been detected!\nThe external manufacturer file cannot be "
             "loaded.\n%1",
             u"Dateifehler!\nDie Herstellerdatei kann nicht geladen werden.\n%1"_s},
            {"This external manufacturer record is incomplete!\n%1",
             u"Dieser Eintrag der Herstellerdatei ist unvollst\u00E4ndig!\n%1"_s}};
        return qstrcmp(context, "Messages") == 0 ? german.value(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

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

    // Translated whole, quoted messages too, each part converted as it is held.
    void modelMessagesShowInTheProgramsLanguage() {
        GermanMessages german;
        QCoreApplication::installTranslator(&german);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"G\u00FCterwagen %2.inv"_s);
        std::string bytes;
        const FileResult read = safefile::ReadAll(path.toStdString(), bytes);
        QCOMPARE(UserMessage(read), path + u" wurde nicht gefunden."_s);
        QCOMPARE(UserMessage(manufacturerfile::LoadFailure(read.text)),
                 u"Dateifehler!\nDie Herstellerdatei kann nicht geladen werden.\n"_s + path +
                     u" wurde nicht gefunden."_s);
        QCOMPARE(
            UserMessage(manufacturerfile::IncompleteRecordMessage("M\xE4rklin|3000"),
                        MessageBytes::Windows1252),
            u"Dieser Eintrag der Herstellerdatei ist unvollst\u00E4ndig!\nM\u00E4rklin|3000"_s);
        // A text no catalogue knows, such as a step named after a heading, keeps its bytes.
        QCOMPARE(UserMessage(CUserText::Make("Change D\xE9"
                                             "cor"),
                             MessageBytes::Windows1252),
                 u"Change D\u00E9cor"_s);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(UserMessage(read), QString::fromStdString(read.message));
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "TextTest.moc"
