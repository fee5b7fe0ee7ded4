#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>

// Small drawing pieces shared by the button and node pictures (16 x 16 pixel grid).
namespace veltrano::qt::shapes {

inline constexpr int kSize = 16;

// A transparent picture and a painter on it; pixel centres at .5 for crisp one-pixel lines.
class Canvas {
public:
    Canvas();
    QPainter& Painter() { return painter_; }
    QPixmap Finish();

private:
    QPixmap pixmap_;
    QPainter painter_;
};

void Cylinder(QPainter& p, QRectF box, QColor body, QColor top, QColor outline);
void TableGrid(QPainter& p, QRectF box, QColor header, QColor outline);
void Person(QPainter& p, QPointF headCentre, qreal scale, QColor shirt);
void Frame(QPainter& p); // the picture of an unknown key

} // namespace veltrano::qt::shapes
