#include "platform/qt/PictureShapes.h"

#include <QPainterPath>

namespace veltrano::qt::shapes {

Canvas::Canvas() : pixmap_(kSize, kSize) {
    pixmap_.fill(Qt::transparent);
    painter_.begin(&pixmap_);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

QPixmap Canvas::Finish() {
    painter_.end();
    return pixmap_;
}

void Cylinder(QPainter& p, QRectF box, QColor body, QColor top, QColor outline) {
    const qreal capHeight = box.height() / 4;
    QPainterPath side;
    side.moveTo(box.left(), box.top() + capHeight / 2);
    side.lineTo(box.left(), box.bottom() - capHeight / 2);
    side.arcTo(QRectF(box.left(), box.bottom() - capHeight, box.width(), capHeight), 180, 180);
    side.lineTo(box.right(), box.top() + capHeight / 2);
    side.closeSubpath();
    p.setPen(QPen(outline, 1));
    p.setBrush(body);
    p.drawPath(side);
    // Two bands, as on the usual database symbol.
    p.setBrush(Qt::NoBrush);
    for (const qreal band : {box.height() / 3, box.height() * 2 / 3}) {
        p.drawArc(QRectF(box.left(), box.top() + band - capHeight / 2, box.width(), capHeight),
                  180 * 16, 180 * 16);
    }
    p.setBrush(top);
    p.drawEllipse(QRectF(box.left(), box.top(), box.width(), capHeight));
}

void TableGrid(QPainter& p, QRectF box, QColor header, QColor outline) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setBrush(header);
    p.drawRect(QRectF(box.left(), box.top(), box.width(), box.height() / 4));
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    const qreal rowHeight = box.height() / 4;
    for (int row = 1; row < 4; ++row) {
        const qreal y = box.top() + row * rowHeight;
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    const qreal x = box.left() + box.width() * 0.4;
    p.drawLine(QPointF(x, box.top() + rowHeight), QPointF(x, box.bottom()));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Person(QPainter& p, QPointF headCentre, qreal scale, QColor shirt) {
    const QColor outline = shirt.darker(170);
    p.setPen(QPen(outline, 1));
    p.setBrush(shirt);
    QPainterPath body;
    const qreal shoulders = 5.5 * scale;
    const qreal top = headCentre.y() + 2.5 * scale;
    const qreal bottom = headCentre.y() + 9 * scale;
    body.moveTo(headCentre.x() - shoulders, bottom);
    body.cubicTo(headCentre.x() - shoulders, top, headCentre.x() + shoulders, top,
                 headCentre.x() + shoulders, bottom);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(QColor(140, 90, 50), 1));
    p.setBrush(QColor(245, 200, 150));
    p.drawEllipse(headCentre, 3 * scale, 3 * scale);
}

void Frame(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
}

} // namespace veltrano::qt::shapes
