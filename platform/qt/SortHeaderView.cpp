#include "platform/qt/SortHeaderView.h"

#include "platform/controls/ListView.h"
#include "platform/qt/ListModel.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

#include <algorithm>

namespace veltrano::qt {

using controls::ListView;

SortHeaderView::SortHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setStretchLastSection(false);
}

int SortHeaderView::TextMargin() const {
    return style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
}

SortHeaderView::Layout SortHeaderView::LayoutSection(const QRect& rect, int logicalIndex) const {
    Layout layout;
    if (model() == nullptr) {
        return layout;
    }
    const int format =
        model()->headerData(logicalIndex, orientation(), ListModel::HeaderFormatRole).toInt();
    const QVariant imageValue =
        model()->headerData(logicalIndex, orientation(), ListModel::HeaderImageRole);
    const int image = imageValue.isValid() ? imageValue.toInt() : -1;
    const bool hasImage = (format & ListView::HDF_IMAGE) != 0 && (image == 0 || image == 1);

    // The item format's justification wins once it has been written; before that the column's.
    Qt::Alignment alignment = model()
                                  ->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole)
                                  .value<Qt::Alignment>();
    switch (format & 0x3) {
    case ListView::HDF_RIGHT:
        alignment = Qt::AlignRight;
        break;
    case 0x2: // HDF_CENTER
        alignment = Qt::AlignHCenter;
        break;
    default:
        break;
    }

    const QRect inner = rect.adjusted(TextMargin(), 0, -TextMargin(), 0);
    const QString text = model()->headerData(logicalIndex, orientation()).toString();
    const int indicatorRoom = hasImage ? kTriangleWidth + kTriangleGap : 0;
    const int available = std::max(0, inner.width() - indicatorRoom);
    const int textWidth = std::min(fontMetrics().horizontalAdvance(text), available);
    const int groupWidth = textWidth + indicatorRoom;

    int left = inner.left();
    if (alignment & Qt::AlignRight) {
        left = inner.right() + 1 - groupWidth;
    } else if (alignment & Qt::AlignHCenter) {
        left = inner.left() + (inner.width() - groupWidth) / 2;
    }
    left = std::max(left, inner.left());

    const bool imageOnRight = (format & ListView::HDF_BITMAP_ON_RIGHT) != 0;
    const int textLeft = hasImage && !imageOnRight ? left + indicatorRoom : left;
    layout.text = QRect(textLeft, rect.top(), textWidth, rect.height());
    if (hasImage) {
        const int x = imageOnRight ? textLeft + textWidth + kTriangleGap : left;
        const int y = rect.top() + (rect.height() - kTriangleHeight) / 2;
        layout.indicator = QRect(x, y, kTriangleWidth, kTriangleHeight);
        layout.image = image;
    }
    return layout;
}

QRect SortHeaderView::IndicatorRect(int logicalIndex) const {
    const QRect rect(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex),
                     viewport()->height());
    return LayoutSection(rect, logicalIndex).indicator;
}

void SortHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) {
        return;
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text.clear();
    option.icon = QIcon();
    option.sortIndicator = QStyleOptionHeader::None;

    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    const Layout layout = LayoutSection(rect, logicalIndex);
    const QString text = model()->headerData(logicalIndex, orientation()).toString();
    painter->setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                         QPalette::ButtonText));
    painter->setFont(font());
    // Shortened only when it does not fit; elidedText cuts a text that fits to the pixel.
    const bool fits = fontMetrics().horizontalAdvance(text) <= layout.text.width();
    painter->drawText(layout.text.adjusted(0, 0, fits ? 2 : 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      fits ? text
                           : fontMetrics().elidedText(text, Qt::ElideRight, layout.text.width()));

    if (!layout.indicator.isEmpty()) {
        const QRect& r = layout.indicator;
        QPolygon triangle;
        if (layout.image == 0) {
            triangle << QPoint(r.left() + r.width() / 2, r.top()) << r.bottomLeft()
                     << r.bottomRight();
        } else {
            triangle << r.topLeft() << r.topRight() << QPoint(r.left() + r.width() / 2, r.bottom());
        }
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.color(QPalette::ButtonText));
        painter->drawPolygon(triangle);
    }
    painter->restore();
}

QSize SortHeaderView::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.rwidth() += kTriangleWidth + kTriangleGap;
    return size;
}

} // namespace veltrano::qt
