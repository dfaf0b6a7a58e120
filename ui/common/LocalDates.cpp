#include "ui/common/LocalDates.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTranslator>

#include "model/core/InventoryReport.h"
#include "ui/common/Text.h"

namespace localdates {

std::optional<QLocale> ProgramLocale() {
    const QCoreApplication* application = QCoreApplication::instance();
    const auto* catalogue =
        application != nullptr ? application->findChild<QTranslator*>(kCatalogueName) : nullptr;
    if (catalogue == nullptr || catalogue->language().isEmpty())
        return std::nullopt;
    return QLocale(catalogue->language());
}

QString DayText(const CDate& date) {
    const std::optional<QLocale> locale = ProgramLocale();
    const QDate day(date.year, date.month, date.day);
    if (!locale || !day.isValid())
        return text::FromBytes(inventoryreport::DateText(date));
    // The long form without the weekday, which a dated paper does not name.
    static const QRegularExpression weekday(QStringLiteral("d{4},?\\s*"));
    return locale->toString(day, locale->dateFormat(QLocale::LongFormat).remove(weekday));
}

std::string DayBytes(const CDate& date) {
    return text::ToBytes(DayText(date)).value_or(inventoryreport::DateText(date));
}

QString MomentText(const QDateTime& moment) {
    return ProgramLocale().value_or(QLocale()).toString(moment, QLocale::ShortFormat);
}

} // namespace localdates
