#pragma once

#include <QTreeView>

namespace veltrano::qt {

// What the tree and the list share: the platform's copy keys become copyRequested, and an item
// shown cut (a narrow column, the edge of the viewport) shows its full text as a tooltip.
class CopyableTreeView : public QTreeView {
    Q_OBJECT

public:
    using QTreeView::QTreeView;

signals:
    void copyRequested(); // Ctrl+C (the platform's copy keys)

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};

} // namespace veltrano::qt
