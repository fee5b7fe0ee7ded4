#pragma once

#include <QHeaderView>

namespace veltrano::qt {

// A horizontal header that draws the list's sort indicator the way the header control does from
// its item format: with HDF_IMAGE the image (0 an upward, 1 a downward triangle of 9 x 5 pixels)
// stands right of the text with HDF_BITMAP_ON_RIGHT and left of it otherwise.
class SortHeaderView final : public QHeaderView {
    Q_OBJECT

public:
    static constexpr int kTriangleWidth = 9;
    static constexpr int kTriangleHeight = 5;
    static constexpr int kTriangleGap = 6;

    explicit SortHeaderView(QWidget* parent = nullptr);

    // Where the indicator of a section is drawn, empty when it has none (for tests and sizing).
    QRect IndicatorRect(int logicalIndex) const;
    // Horizontal padding the header adds around a section's text and indicator.
    int TextMargin() const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    struct Layout {
        QRect text;
        QRect indicator; // empty without an image
        int image = -1;
    };
    Layout LayoutSection(const QRect& rect, int logicalIndex) const;
};

} // namespace veltrano::qt
