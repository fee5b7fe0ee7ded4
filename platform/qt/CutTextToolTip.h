#pragma once

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace veltrano::qt {

// Answers a view's tooltip event with the full text of the item under the pointer when the
// view shows less of it than the item needs (a narrow column, or the edge of the viewport).
inline void ShowCutTextToolTip(QAbstractItemView& view, QHelpEvent& event) {
    const QModelIndex index = view.indexAt(event.pos());
    const QRect shown =
        index.isValid() ? view.visualRect(index).intersected(view.viewport()->rect()) : QRect();
    if (!index.isValid() || view.sizeHintForIndex(index).width() <= shown.width()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event.globalPos(), index.data(Qt::DisplayRole).toString(), view.viewport(),
                       shown);
}

} // namespace veltrano::qt
