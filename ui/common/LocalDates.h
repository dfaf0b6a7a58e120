#pragma once

#include <optional>
#include <string>

#include <QLatin1String>
#include <QLocale>
#include <QString>

#include "model/framework/Clock.h"

class QDateTime;

// Dates as people of the program's language write them, for texts that are shown
// or printed. English keeps the forms the program has always written; dates kept
// in files never go through here.
namespace localdates {

// The object name of the program's installed catalogue, whose language is the
// program's language.
inline constexpr QLatin1String kCatalogueName("gaugewright");

// The locale of the language the program speaks; nothing while it speaks English.
std::optional<QLocale> ProgramLocale();

// A day: "December 9, 2026" in English, "9. Dezember 2026", "9 décembre 2026".
QString DayText(const CDate& date);

// The same in the 8-bit text of the reports built from the items' texts.
std::string DayBytes(const CDate& date);

// A moment, short: in English in the user's own locale's form, as always.
QString MomentText(const QDateTime& moment);

} // namespace localdates
