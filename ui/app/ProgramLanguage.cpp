#include "ui/app/ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QTranslator>

#include "ui/common/LocalDates.h"

namespace programlanguage {

const QStringList& Available() {
    static const QStringList languages = {QStringLiteral("de"), QStringLiteral("fr")};
    return languages;
}

QString LanguageOf(const QString& localeName) {
    // language[_territory][.codeset][@modifier]
    const QString language = localeName.section(u'.', 0, 0)
                                 .section(u'@', 0, 0)
                                 .section(u'_', 0, 0)
                                 .section(u'-', 0, 0)
                                 .trimmed()
                                 .toLower();
    return language == u"c" || language == u"posix" ? QString() : language;
}

QString Choose(const QString& given, const QProcessEnvironment& environment) {
    const auto spoken = [](const QString& language) {
        return Available().contains(language) ? language : QString();
    };
    if (!given.isEmpty())
        return spoken(LanguageOf(given));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(name));
        if (value.isEmpty())
            continue;
        // English is spoken too: "en:de" stays English.
        for (const QString& entry : value.split(u':', Qt::SkipEmptyParts)) {
            const QString language = LanguageOf(entry);
            if (language == u"en" || Available().contains(language))
                return spoken(language);
        }
        return {};
    }
    return {};
}

QStringList CatalogueFolders(const QStringList& dataFolders) {
    QStringList folders;
    for (const QString& folder : dataFolders)
        if (!folder.isEmpty())
            folders << QDir(folder).filePath(QStringLiteral("translations"));
    folders.removeDuplicates();
    return folders;
}

bool Install(QCoreApplication& application, const QString& language, const QStringList& folders) {
    if (language.isEmpty())
        return true;
    auto* program = new QTranslator(&application);
    bool found = false;
    for (const QString& folder : folders) {
        if (program->load(QStringLiteral("gaugewright_") + language, folder)) {
            found = true;
            break;
        }
    }
    if (!found) {
        delete program;
        return false;
    }
    // Qt's dialogs are translated where Qt's catalogues are installed; without them
    // they stay English, the rest of the program does not.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    program->setObjectName(localdates::kCatalogueName);
    QCoreApplication::installTranslator(program);
    return true;
}

} // namespace programlanguage
