#pragma once

#include <QWidget>

namespace veltrano::qt {

// The strip between tree and list that the user drags sideways, as a splitter's handle.
class Divider final : public QWidget {
    Q_OBJECT

public:
    explicit Divider(QWidget* parent = nullptr);

signals:
    // The pointer dragged the divider's left edge to x, in the parent's coordinates.
    void dragged(int x);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int grabOffset_ = -1; // where in the divider it was taken; -1 while not dragged
};

} // namespace veltrano::qt
