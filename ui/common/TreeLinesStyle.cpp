#include "ui/common/TreeLinesStyle.h"

#include <QStyleFactory>
#include <QWidget>

CTreeLinesStyle::CTreeLinesStyle() : m_lines(QStyleFactory::create(QStringLiteral("Windows"))) {}

CTreeLinesStyle::~CTreeLinesStyle() = default;

void CTreeLinesStyle::Apply(QWidget* tree) {
    auto* style = new CTreeLinesStyle;
    style->setParent(tree);
    tree->setStyle(style);
}

void CTreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorBranch && m_lines) {
        m_lines->drawPrimitive(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
