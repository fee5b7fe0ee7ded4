#include "platform/qt/Divider.h"

#include <QMouseEvent>

namespace veltrano::qt {

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Divider"));
    setCursor(Qt::SplitHCursor);
}

void Divider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    grabOffset_ = event->position().toPoint().x();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
    if (grabOffset_ < 0) {
        return;
    }
    emit dragged(mapToParent(event->position().toPoint()).x() - grabOffset_);
}

void Divider::mouseReleaseEvent(QMouseEvent* event) {
    if (grabOffset_ >= 0 && event->button() == Qt::LeftButton) {
        grabOffset_ = -1;
        emit released();
    }
}

} // namespace veltrano::qt
