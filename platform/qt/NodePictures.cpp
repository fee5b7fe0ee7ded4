#include "platform/qt/PictureShapes.h"
#include "platform/qt/Pictures.h"

#include <QPolygonF>

namespace veltrano::qt {

namespace {

using shapes::Canvas;

const QColor kOutline(70, 70, 70);
const QColor kHeader(110, 150, 210);

void Database(QPainter& p) {
    shapes::Cylinder(p, QRectF(2.5, 1.5, 11, 13), QColor(225, 180, 60), QColor(250, 225, 140),
                     QColor(140, 100, 20));
}

void Tables(QPainter& p) {
    shapes::TableGrid(p, QRectF(4, 1, 11, 9), kHeader, kOutline);
    shapes::TableGrid(p, QRectF(1, 6, 11, 9), kHeader, kOutline);
}

void Table(QPainter& p) {
    shapes::TableGrid(p, QRectF(1, 2, 14, 12), kHeader, kOutline);
}

void InputBox(QPainter& p, QRectF box) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
}

void Fields(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < 3; ++row) {
        const int y = 1 + row * 5;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(0, y + 1, 4, 2);
        InputBox(p, QRectF(5, y, 10, 4));
    }
}

void Field(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    InputBox(p, QRectF(1, 4, 14, 8));
    p.setPen(QPen(QColor(40, 90, 180), 1));
    p.drawLine(3, 8, 8, 8);
    p.setPen(QPen(Qt::black, 1)); // caret
    p.drawLine(10, 6, 10, 10);
}

void Property(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(150, 110, 30), 1));
    p.setBrush(QColor(255, 235, 160));
    p.drawRect(2, 2, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 10));
    p.drawRect(5, 5, 6, 2);
    p.drawRect(5, 9, 6, 2);
}

void PopupList(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    InputBox(p, QRectF(0, 1, 15, 5));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRect(10, 1, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon{{11, 3}, {14, 3}, {12, 5}});
    InputBox(p, QRectF(0, 6, 10, 9));
    p.setBrush(QColor(110, 150, 210));
    p.drawRect(1, 9, 9, 3);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(2, 8, 7, 8);
    p.drawLine(2, 13, 7, 13);
}

void PopupItem(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(60, 100, 170), 1));
    p.setBrush(QColor(190, 215, 250));
    p.drawRect(0, 4, 15, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 120));
    p.drawRect(2, 7, 2, 2);
    p.drawRect(6, 7, 7, 1);
}

void User(QPainter& p) {
    shapes::Person(p, QPointF(8, 5), 1.0, QColor(60, 120, 200));
}

void Users(QPainter& p) {
    shapes::Person(p, QPointF(10.5, 4.5), 0.85, QColor(90, 160, 90));
    shapes::Person(p, QPointF(5.5, 6.5), 0.85, QColor(60, 120, 200));
}

} // namespace

QPixmap DrawNodePicture(std::string_view key) {
    Canvas canvas;
    QPainter& p = canvas.Painter();
    if (key == "Datenbank") {
        Database(p);
    } else if (key == "Tabellen") {
        Tables(p);
    } else if (key == "Tabelle") {
        Table(p);
    } else if (key == "Felder") {
        Fields(p);
    } else if (key == "Feld") {
        Field(p);
    } else if (key == "Eigenschaft") {
        Property(p);
    } else if (key == "PopupListe") {
        PopupList(p);
    } else if (key == "PopupItem") {
        PopupItem(p);
    } else if (key == "User") {
        User(p);
    } else if (key == "Users") {
        Users(p);
    } else {
        shapes::Frame(p);
    }
    return canvas.Finish();
}

} // namespace veltrano::qt
