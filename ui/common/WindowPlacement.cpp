#include "ui/common/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void CentreOn(QWidget& window, const QWidget* owner) {
    const QRect area =
        owner && owner->isVisible() ? owner->frameGeometry() : window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    window.move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}
