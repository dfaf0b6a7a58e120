#include "ui/common/PrintMargins.h"

#include <algorithm>

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

namespace printmargins {

void Apply(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    const QMarginsF current = layout.margins();
    const auto side = [](qreal least, qreal now) {
        return std::max({least, now, kLeastMillimetres});
    };
    const QMarginsF wanted(side(minimum.left(), current.left()), side(minimum.top(), current.top()),
                           side(minimum.right(), current.right()),
                           side(minimum.bottom(), current.bottom()));
    if (wanted != current)
        printer.setPageMargins(wanted, QPageLayout::Millimeter);
}

} // namespace printmargins
