#include "ui/common/FrameActivation.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void ActivateFrameOf(QWidget* widget) {
    for (QWidget* ancestor = widget; ancestor != nullptr; ancestor = ancestor->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(ancestor)) {
            if (frame->isMinimized())
                frame->showNormal();
            if (QMdiArea* area = frame->mdiArea())
                area->setActiveSubWindow(frame);
            return;
        }
    }
}
