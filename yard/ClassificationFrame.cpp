#include "yard/ClassificationFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>

#include "app/AppSettings.h"

namespace {

// The application's style, except that title bars have no close box: the styles tie
// the close box to the window menu, which the yard keeps.
class NoCloseBoxStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control == CC_TitleBar) {
            if (const auto* titleBar = qstyleoption_cast<const QStyleOptionTitleBar*>(option)) {
                QStyleOptionTitleBar withoutClose(*titleBar);
                withoutClose.subControls &= ~SC_TitleBarCloseButton;
                withoutClose.activeSubControls &= ~SC_TitleBarCloseButton;
                QProxyStyle::drawComplexControl(control, &withoutClose, painter, widget);
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& position,
                                     const QWidget* widget) const override {
        const SubControl hit =
            QProxyStyle::hitTestComplexControl(control, option, position, widget);
        return control == CC_TitleBar && hit == SC_TitleBarCloseButton ? SC_TitleBarLabel : hit;
    }
};

} // namespace

CClassificationFrame::CClassificationFrame(CAppSettings& settings, CDocument& yard, QWidget* view,
                                           QWidget* parent)
    : CChildFrame(yard, view, parent), m_settings(settings) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/app/classification-yard.svg")));
    // The yard stays open while the program runs: its title bar has no close box.
    auto* style = new NoCloseBoxStyle;
    style->setParent(this);
    setStyle(style);
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
