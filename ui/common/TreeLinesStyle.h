#pragma once

#include <memory>

#include <QProxyStyle>

// The application's style, except that a tree's branches are drawn with connecting
// lines and plus/minus boxes, as collectors know them from their file managers.
// Give each tree control its own: setStyle does not take ownership.
class CTreeLinesStyle : public QProxyStyle {
    Q_OBJECT

public:
    CTreeLinesStyle();
    ~CTreeLinesStyle() override;

    // Gives tree a style of this kind, owned by the tree.
    static void Apply(QWidget* tree);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // The style that draws the lines; none where the platform has no such style.
    std::unique_ptr<QStyle> m_lines;
};
