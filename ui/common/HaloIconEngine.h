#pragma once

#include <QIcon>
#include <QIconEngine>

// Draws an icon as it is, and, for a selected row, on a halo of the window's base
// colour one icon pixel wide around every drawn pixel: the icon keeps the look it
// has on the window, so that a stroke in the selection's own colour (the blue "2"
// of User Defined 2 on a blue highlight) stays readable on any selection colour.
class CHaloIconEngine : public QIconEngine {
public:
    explicit CHaloIconEngine(QIcon icon);

    // The icon of file (a picture QIcon reads), haloed when selected.
    static QIcon Icon(const QString& file);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;

private:
    QIcon m_icon;
};
