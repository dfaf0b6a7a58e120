#include "ui/app/ProgramLanguage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>
#include <QTranslator>

#include "ui/app/ProgramArguments.h"
#include "ui/common/LocalDates.h"

using namespace Qt::StringLiterals;

namespace {

// The build's data folder, which holds the catalogues the build made.
const QString kBuiltData =
    QFileInfo(QStringLiteral(GAUGEWRIGHT_PROGRAM)).dir().filePath(u"../data"_s);

void RemoveCatalogues() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

class ProgramLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RemoveCatalogues(); }

    void choose_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("language");
        const QStringList none;
        QTest::newRow("nothing set") << none << none << QString();
        QTest::newRow("LANG") << none << QStringList{u"LANG=de_DE.UTF-8"_s} << u"de"_s;
        QTest::newRow("territory") << none << QStringList{u"LANG=fr_CA"_s} << u"fr"_s;
        QTest::newRow("modifier") << none << QStringList{u"LANG=de_AT@euro"_s} << u"de"_s;
        QTest::newRow("C") << none << QStringList{u"LANG=C"_s} << QString();
        QTest::newRow("POSIX") << none << QStringList{u"LC_ALL=POSIX"_s, u"LANG=de_DE"_s}
                               << QString();
        QTest::newRow("other language") << none << QStringList{u"LANG=it_IT.UTF-8"_s} << QString();
        QTest::newRow("LC_ALL before LANG")
            << none << QStringList{u"LC_ALL=fr_FR.UTF-8"_s, u"LANG=de_DE.UTF-8"_s} << u"fr"_s;
        QTest::newRow("empty LC_ALL skipped")
            << none << QStringList{u"LC_ALL="_s, u"LC_MESSAGES=fr_BE"_s, u"LANG=de_DE"_s}
            << u"fr"_s;
        QTest::newRow("LANGUAGE first")
            << none << QStringList{u"LANGUAGE=fr:de"_s, u"LC_ALL=de_DE.UTF-8"_s} << u"fr"_s;
        QTest::newRow("LANGUAGE's first spoken entry")
            << none << QStringList{u"LANGUAGE=es:it:de_CH:fr"_s} << u"de"_s;
        QTest::newRow("LANGUAGE English first")
            << none << QStringList{u"LANGUAGE=en_GB:de"_s, u"LANG=fr_FR"_s} << QString();
        QTest::newRow("--lang wins")
            << QStringList{u"--lang"_s, u"de"_s} << QStringList{u"LANGUAGE=fr"_s} << u"de"_s;
        QTest::newRow("--lang=") << QStringList{u"--lang=fr_FR.UTF-8"_s}
                                 << QStringList{u"LANG=de_DE"_s} << u"fr"_s;
        QTest::newRow("--lang en")
            << QStringList{u"--lang"_s, u"en"_s} << QStringList{u"LANG=de_DE"_s} << QString();
        QTest::newRow("--lang unknown")
            << QStringList{u"--lang"_s, u"xx"_s} << QStringList{u"LANG=de_DE"_s} << QString();
    }

    void choose() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, language);
        QProcessEnvironment variables;
        for (const QString& variable : environment)
            variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const CProgramArguments parsed =
            CProgramArguments::Parse(QStringList{u"gaugewright"_s} + arguments);
        QCOMPARE(parsed.request, CProgramArguments::Request::Run);
        QCOMPARE(programlanguage::Choose(parsed.language, variables), language);
    }

    // The printed and shown dates follow the installed language; English keeps its form.
    void dates_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("day");
        QTest::newRow("English") << QString() << u"December 9, 2026"_s;
        QTest::newRow("German") << u"de"_s << u"9. Dezember 2026"_s;
        QTest::newRow("French") << u"fr"_s << u"9 décembre 2026"_s;
    }

    void dates() {
        QFETCH(QString, language);
        QFETCH(QString, day);
        QVERIFY(programlanguage::Install(
            *QCoreApplication::instance(), language,
            programlanguage::CatalogueFolders({u"/nonexistent"_s, kBuiltData})));
        QCOMPARE(localdates::DayText({2026, 12, 9}), day);
        QCOMPARE(localdates::DayText({2026, 13, 40}), u"December 40, 2026"_s);
        const QDateTime moment(QDate(2026, 3, 4), QTime(17, 5));
        QCOMPARE(localdates::MomentText(moment),
                 (language.isEmpty() ? QLocale() : QLocale(language))
                     .toString(moment, QLocale::ShortFormat));
    }

    void missing_catalogue_leaves_english() {
        QVERIFY(!programlanguage::Install(*QCoreApplication::instance(), u"de"_s,
                                          {QDir::tempPath() + u"/no-such-folder"_s}));
        QCOMPARE(localdates::DayText({2026, 12, 9}), u"December 9, 2026"_s);
    }
};

QTEST_GUILESS_MAIN(ProgramLanguageTest)
#include "ProgramLanguageTest.moc"
