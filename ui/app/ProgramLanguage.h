#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QProcessEnvironment;

// The language the program speaks: chosen once at start, before any window or
// command table is built, and installed as the application's translators.
namespace programlanguage {

// The languages the program has catalogues of; English is the texts' own.
const QStringList& Available();

// The language of a locale name ("de_DE.UTF-8" -> "de", "fr_CA" -> "fr"), lower case;
// empty for "C" and "POSIX".
QString LanguageOf(const QString& localeName);

// given (--lang) when not empty, else the first of LANGUAGE (a colon list: its first
// entry in a language the program speaks wins), LC_ALL, LC_MESSAGES and LANG that is
// set and not empty. One of Available(), or empty for English.
QString Choose(const QString& given, const QProcessEnvironment& environment);

// The folders that may hold the catalogues: the translations folder of each of
// dataFolders, in that order.
QStringList CatalogueFolders(const QStringList& dataFolders);

// Installs the program's catalogue of language (gaugewright_<language>.qm, from the
// first of folders that holds it) and Qt's own (so its file and print dialogs
// speak the language too) into application. Nothing for English; false when the
// program's catalogue was not found, which leaves the program in English.
bool Install(QCoreApplication& application, const QString& language, const QStringList& folders);

} // namespace programlanguage
