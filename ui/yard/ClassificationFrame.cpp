#include "ui/yard/ClassificationFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>

namespace {

// The application's style, except that the yard has no close box: neither on its
// title bar (the styles tie that box to the window menu, which the yard keeps) nor
// among the buttons a maximized window puts into the menu bar's corner.
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
        if (control == CC_MdiControls) {
            const QStyleOptionComplex withoutClose = WithoutMdiClose(*option);
            QProxyStyle::drawComplexControl(control, &withoutClose, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& position, const QWidget* widget) const override {
        if (control == CC_MdiControls) {
            const QStyleOptionComplex withoutClose = WithoutMdiClose(*option);
            return QProxyStyle::hitTestComplexControl(control, &withoutClose, position, widget);
        }
        const SubControl hit =
            QProxyStyle::hitTestComplexControl(control, option, position, widget);
        return control == CC_TitleBar && hit == SC_TitleBarCloseButton ? SC_TitleBarLabel : hit;
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override {
        if (control == CC_MdiControls) {
            const QStyleOptionComplex withoutClose = WithoutMdiClose(*option);
            return QProxyStyle::subControlRect(control, &withoutClose, subControl, widget);
        }
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MdiControls) {
            if (const auto* complex = qstyleoption_cast<const QStyleOptionComplex*>(option)) {
                const QStyleOptionComplex withoutClose = WithoutMdiClose(*complex);
                return QProxyStyle::sizeFromContents(type, &withoutClose, size, widget);
            }
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

private:
    static QStyleOptionComplex WithoutMdiClose(const QStyleOptionComplex& option) {
        QStyleOptionComplex withoutClose(option);
        withoutClose.subControls &= ~SC_MdiCloseButton;
        withoutClose.activeSubControls &= ~SC_MdiCloseButton;
        return withoutClose;
    }
};

} // namespace

CClassificationFrame::CClassificationFrame(CYardWindowSettings& settings, CDocument& yard,
                                           QWidget* view, QWidget* parent)
    : CChildFrame(yard, view, parent), m_settings(settings) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/app/classification-yard.svg")));
    // The yard stays open while the program runs: its title bar has no close box.
    m_style = new NoCloseBoxStyle;
    m_style->setParent(this);
    setStyle(m_style);
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

void CClassificationFrame::StyleMaximizedButtons() {
    QWidget* buttons = maximizedButtonsWidget();
    if (buttons != nullptr && buttons->style() != m_style) {
        buttons->setStyle(m_style);
        buttons->adjustSize();
    }
}

void CClassificationFrame::changeEvent(QEvent* event) {
    CChildFrame::changeEvent(event);
    // Maximized, the window's buttons move to the menu bar's corner: without the close
    // box there too.
    if (event->type() == QEvent::WindowStateChange)
        StyleMaximizedButtons();
}

void CClassificationFrame::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    StyleMaximizedButtons();
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
