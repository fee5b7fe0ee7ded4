#include "platform/qt/PictureShapes.h"
#include "platform/qt/Pictures.h"

#include <QPainterPath>
#include <QPolygonF>

namespace veltrano::qt {

namespace {

using shapes::Canvas;

const QColor kOutline(60, 60, 60);
const QColor kArrowGreen(46, 150, 60);
const QColor kBlue(40, 100, 190);

void Database(QPainter& p) {
    shapes::Cylinder(p, QRectF(2.5, 1.5, 11, 13), QColor(90, 140, 210), QColor(170, 200, 240),
                     QColor(30, 70, 140));
}

void Sheet(QPainter& p, QRectF box) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setPen(QPen(QColor(120, 150, 200), 1));
    for (qreal y = box.top() + 2; y < box.bottom() - 1; y += 2) {
        p.drawLine(QPointF(box.left() + 2, y), QPointF(box.right() - 2, y));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Copy(QPainter& p) {
    Sheet(p, QRectF(1, 1, 8, 10));
    Sheet(p, QRectF(6, 5, 8, 10));
}

void Arrow(QPainter& p, bool pointsLeft) {
    QPolygon arrow{{1, 8}, {7, 2}, {7, 5}, {14, 5}, {14, 11}, {7, 11}, {7, 14}};
    if (!pointsLeft) {
        for (QPoint& point : arrow) {
            point.setX(15 - point.x());
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kArrowGreen.darker(160), 1));
    p.setBrush(kArrowGreen);
    p.drawPolygon(arrow);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(QColor(110, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QPointF(6.2, 6.2), 4.6, 4.6);
}

void Replace(QPainter& p) {
    // "A" becomes "B": the old letter, a bent arrow, the new letter.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.4));
    p.drawPolyline(QPolygonF{{1, 9}, {3.5, 1.5}, {6, 9}});
    p.drawLine(QPointF(2.2, 6), QPointF(4.8, 6));
    QPainterPath letterB;
    letterB.moveTo(9.5, 8.5);
    letterB.lineTo(12, 8.5);
    letterB.cubicTo(14, 8.5, 14, 11.5, 12, 11.5);
    letterB.lineTo(9.5, 11.5);
    letterB.moveTo(12, 11.5);
    letterB.cubicTo(14.5, 11.5, 14.5, 14.5, 12, 14.5);
    letterB.lineTo(9.5, 14.5);
    letterB.lineTo(9.5, 8.5);
    p.setPen(QPen(kBlue, 1.5));
    p.drawPath(letterB);
    QPainterPath bend;
    bend.moveTo(7, 2.5);
    bend.quadTo(12, 2.5, 12, 5);
    p.setPen(QPen(kArrowGreen.darker(120), 1.5));
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(kArrowGreen.darker(120));
    p.drawPolygon(QPolygonF{{9.5, 4.5}, {14.5, 4.5}, {12, 7.5}});
}

void Disk(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawPolygon(QPolygon{{1, 1}, {13, 1}, {14, 2}, {14, 14}, {1, 14}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 205, 215)); // shutter
    p.drawRect(4, 2, 7, 4);
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(8, 3, 2, 2);
    p.setBrush(Qt::white); // label
    p.drawRect(3, 8, 9, 6);
    p.setPen(QPen(QColor(150, 150, 160), 1));
    p.drawLine(4, 10, 10, 10);
    p.drawLine(4, 12, 10, 12);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Information(QPainter& p) {
    p.setPen(QPen(kBlue.darker(150), 1));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 2, 2);
    p.drawRect(7, 6, 2, 7);
    p.drawRect(6, 6, 1, 1);
    p.drawRect(6, 12, 4, 1);
}

} // namespace

QPixmap DrawButtonPicture(std::string_view key) {
    Canvas canvas;
    QPainter& p = canvas.Painter();
    if (key == "SurveyDatabase") {
        Database(p);
    } else if (key == "CopyTable") {
        Copy(p);
    } else if (key == "Back") {
        Arrow(p, true);
    } else if (key == "For") {
        Arrow(p, false);
    } else if (key == "Search") {
        Magnifier(p);
    } else if (key == "Replace") {
        Replace(p);
    } else if (key == "Save") {
        Disk(p);
    } else if (key == "Info") {
        Information(p);
    } else {
        shapes::Frame(p);
    }
    return canvas.Finish();
}

QHash<QString, QIcon> IconsFor(const controls::ImageList& list,
                               QPixmap (*draw)(std::string_view key)) {
    QHash<QString, QIcon> icons;
    for (const std::string& key : list.Keys()) {
        icons.insert(QString::fromStdString(key), QIcon(draw(key)));
    }
    return icons;
}

} // namespace veltrano::qt
