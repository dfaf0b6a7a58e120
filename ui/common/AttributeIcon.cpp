#include "ui/common/AttributeIcon.h"

#include <array>

#include "model/core/InventoryElement.h"
#include "ui/common/HaloIconEngine.h"

namespace {

// The one table of tree icons, by attribute index.
constexpr std::array<const char*, kAttributeCount> kIconFiles = {
    ":/icons/tree/body-classification.svg", ":/icons/tree/manufacturer.svg",
    ":/icons/tree/item-number.svg",         ":/icons/tree/road-name.svg",
    ":/icons/tree/paint-scheme.svg",        ":/icons/tree/scale.svg",
    ":/icons/tree/condition.svg",           ":/icons/tree/original-box.svg",
    ":/icons/tree/date-built.svg",          ":/icons/tree/purchase-date.svg",
    ":/icons/tree/purchase-price.svg",      ":/icons/tree/current-value.svg",
    ":/icons/tree/user-defined-1.svg",      ":/icons/tree/user-defined-2.svg",
};

} // namespace

QIcon AttributeIcon(int attribute) {
    if (attribute < 0 || attribute >= kAttributeCount)
        return {};
    return CHaloIconEngine::Icon(QLatin1String(kIconFiles[static_cast<std::size_t>(attribute)]));
}
