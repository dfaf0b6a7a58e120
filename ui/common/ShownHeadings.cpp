#include "ui/common/ShownHeadings.h"

#include <QCoreApplication>

#include "ui/common/Text.h"

namespace {

// The headings the bundled catalogue and a new one give each attribute. The two
// user-defined attributes go by "Era" and "Location" in the bundled catalogue and
// by their menu names in a new one.
struct DefaultHeading {
    const char* name;
    const char* alternative;
};

constexpr DefaultHeading kDefaults[kAttributeCount] = {
    {QT_TRANSLATE_NOOP("Headings", "Body Classification"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Manufacturer"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Item Number"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "RoadName"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Paint Scheme"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Scale"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Condition"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Original Box"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Date Built"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Purchase Date"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Purchase Price"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Current Value"), nullptr},
    {QT_TRANSLATE_NOOP("Headings", "Era"), QT_TRANSLATE_NOOP("Headings", "User Defined 1")},
    {QT_TRANSLATE_NOOP("Headings", "Location"), QT_TRANSLATE_NOOP("Headings", "User Defined 2")},
};

// The default among the attribute's that heading is, or null when it was renamed.
const char* DefaultFor(int attribute, const std::string& heading) {
    const DefaultHeading& defaults =
        kDefaults[attribute >= 0 && attribute < kAttributeCount ? attribute : kAttributeCount - 1];
    if (heading == defaults.name)
        return defaults.name;
    if (defaults.alternative && heading == defaults.alternative)
        return defaults.alternative;
    return nullptr;
}

} // namespace

namespace shownheadings {

QString Shown(int attribute, const std::string& heading) {
    if (const char* name = DefaultFor(attribute, heading))
        return QCoreApplication::translate("Headings", name);
    return text::FromBytes(heading);
}

std::string ShownBytes(int attribute, const std::string& heading) {
    if (DefaultFor(attribute, heading) == nullptr)
        return heading;
    return text::ToBytes(Shown(attribute, heading)).value_or(heading);
}

std::array<std::string, kAttributeCount>
ShownBytes(const std::array<std::string, kAttributeCount>& headings) {
    std::array<std::string, kAttributeCount> shown;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        shown[static_cast<std::size_t>(attribute)] =
            ShownBytes(attribute, headings[static_cast<std::size_t>(attribute)]);
    return shown;
}

} // namespace shownheadings
