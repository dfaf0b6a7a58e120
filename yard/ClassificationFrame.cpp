#include "yard/ClassificationFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

#include "app/AppSettings.h"

CClassificationFrame::CClassificationFrame(CAppSettings& settings, CDocument& yard, QWidget* view,
                                           QWidget* parent)
    : CChildFrame(yard, view, parent), m_settings(settings) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/app/classification-yard.svg")));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);
    // The system menu ends with a separator and "Close"; both go.
    if (QMenu* menu = systemMenu()) {
        QList<QAction*> actions = menu->actions();
        if (!actions.isEmpty())
            menu->removeAction(actions.takeLast());
        if (!actions.isEmpty() && actions.last()->isSeparator())
            menu->removeAction(actions.last());
    }
}

CClassificationFrame::~CClassificationFrame() {
    if (isMinimized())
        m_settings.SetYardState(YardWindowState::Minimized);
    else if (isMaximized())
        m_settings.SetYardState(YardWindowState::Maximized);
    else
        m_settings.SetYardState(YardWindowState::Normal);
}

void CClassificationFrame::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (m_placementRestored)
        return;
    m_placementRestored = true;
    switch (m_settings.YardState()) {
    case YardWindowState::Minimized:
        showMinimized();
        break;
    case YardWindowState::Maximized:
        showMaximized();
        break;
    case YardWindowState::Normal:
        break;
    }
}

void CClassificationFrame::closeEvent(QCloseEvent* event) {
    if (m_closeAllowed)
        CChildFrame::closeEvent(event);
    else
        event->ignore();
}
