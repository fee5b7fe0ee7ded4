#include "platform/qt/CopyableTreeView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace veltrano::qt {

void CopyableTreeView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool CopyableTreeView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QTreeView::viewportEvent(event);
    }
    const auto& help = static_cast<QHelpEvent&>(*event);
    const QModelIndex index = indexAt(help.pos());
    const QRect shown =
        index.isValid() ? visualRect(index).intersected(viewport()->rect()) : QRect();
    if (!index.isValid() || sizeHintForIndex(index).width() <= shown.width()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help.globalPos(), index.data(Qt::DisplayRole).toString(), viewport(),
                           shown);
    }
    return true;
}

} // namespace veltrano::qt
