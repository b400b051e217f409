// Drawing of the grid, on screen and as a picture of the whole grid.

#include "platform/widgets/FlexGrid.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Colors.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace platform {

namespace {

constexpr int TextPaddingPixels = 2;

// A row or column as drawn: its index, where it starts and how wide it is.
struct Span {
    int index;
    int pos;
    int size;
};

Qt::Alignment QtAlignment(int alignment, const QString& text) {
    if (alignment == flexAlignGeneral) {
        bool number = false;
        text.trimmed().toDouble(&number);
        return Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft);
    }
    static constexpr Qt::AlignmentFlag Horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                       Qt::AlignRight};
    static constexpr Qt::AlignmentFlag Vertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                     Qt::AlignBottom};
    return Horizontal[alignment / 3] | Vertical[alignment % 3];
}

} // namespace

// Draws cells from a list of rows and columns; the screen and the picture
// differ only in the spans they hand in.
class FlexGrid::Painter {
public:
    // font: the cell font when it is not the grid's own (the picture's).
    Painter(const FlexGrid& grid, QPainter& painter, bool onScreen, const QFont* font = nullptr)
        : grid_(grid), painter_(painter), top_(std::min(grid.row_, grid.rowSel_)),
          bottom_(std::max(grid.row_, grid.rowSel_)), left_(std::min(grid.col_, grid.colSel_)),
          right_(std::max(grid.col_, grid.colSel_)) {
        const QPalette& pal = grid.palette();
        normalBack_ = ColorFromNumber(grid.backColor_, pal);
        normalFore_ = ColorFromNumber(grid.foreColor_, pal);
        fixedBack_ = ColorFromNumber(grid.backColorFixed_, pal);
        fixedFore_ = ColorFromNumber(grid.foreColorFixed_, pal);
        selBack_ = ColorFromNumber(ColorHighlight, pal);
        selFore_ = ColorFromNumber(ColorHighlightText, pal);
        const bool focused = onScreen && grid.hasFocus();
        showSelection_ = grid.highLight_ == flexHighlightAlways ||
                         (grid.highLight_ == flexHighlightWithFocus && focused);
        // One selected cell shows no highlight, only the current-cell frame.
        if (top_ == bottom_ && left_ == right_)
            showSelection_ = false;
        focusFrame_ = focused;
        painter_.setFont(font ? *font : grid.font());
    }

    void paint(const QVector<Span>& rows, const QVector<Span>& cols) {
        for (const Span& r : rows) {
            for (const Span& c : cols) {
                if (r.size > 0 && c.size > 0)
                    paintCell(r, c);
            }
        }
    }

private:
    void paintCell(const Span& r, const Span& c) {
        const Cell& cell = grid_.cells_[r.index * grid_.cols_ + c.index];
        const bool fixed = r.index < grid_.fixedRows_ || c.index < grid_.fixedCols_;
        const bool current = r.index == grid_.row_ && c.index == grid_.col_;
        const bool selected = showSelection_ && !fixed && !current && r.index >= top_ &&
                              r.index <= bottom_ && c.index >= left_ && c.index <= right_;
        const QRect rect(c.pos, r.pos, c.size, r.size);
        QColor back = fixed ? fixedBack_ : normalBack_;
        QColor fore = fixed ? fixedFore_ : normalFore_;
        if (cell.back != 0)
            back = ColorFromNumber(cell.back, grid_.palette());
        if (cell.fore != 0)
            fore = ColorFromNumber(cell.fore, grid_.palette());
        if (selected) {
            back = selBack_;
            fore = selFore_;
        }
        painter_.fillRect(rect, back);
        paintLines(rect, fixed);
        if (!cell.picture.isNull()) {
            QRect target(QPoint(0, 0), cell.picture.size());
            target.moveCenter(rect.center());
            painter_.drawImage(target, cell.picture);
        }
        if (!cell.text.isEmpty()) {
            painter_.setPen(fore);
            const QRect textRect = rect.adjusted(TextPaddingPixels, 0, -TextPaddingPixels - 1, -1);
            painter_.drawText(textRect, QtAlignment(grid_.colAligns_[c.index], cell.text),
                              cell.text);
        }
        if (current && focusFrame_ && !fixed) {
            QPen pen(normalFore_, 1, Qt::DotLine);
            painter_.setPen(pen);
            painter_.drawRect(rect.adjusted(1, 1, -2, -2));
        }
    }

    void paintLines(const QRect& rect, bool fixed) {
        if (fixed) {
            painter_.setPen(grid_.palette().color(QPalette::Light));
            painter_.drawLine(rect.topLeft(), rect.topRight());
            painter_.drawLine(rect.topLeft(), rect.bottomLeft());
            painter_.setPen(grid_.palette().color(QPalette::Dark));
        } else {
            painter_.setPen(QColor(192, 192, 192));
        }
        painter_.drawLine(rect.topRight(), rect.bottomRight());
        painter_.drawLine(rect.bottomLeft(), rect.bottomRight());
    }

    const FlexGrid& grid_;
    QPainter& painter_;
    int top_, bottom_, left_, right_;
    bool showSelection_ = false;
    bool focusFrame_ = false;
    QColor normalBack_, normalFore_, fixedBack_, fixedFore_, selBack_, selFore_;
};

// The text is drawn clipped to the cell less its padding and grid line.
// Shaping a text is slow, and an option list can run to a thousand texts.
// The letters' own advances add up to the shaped width give or take kerning,
// so the texts are shaped in the order of their sums, until a sum falls a
// letter's width short of the widest shaped so far.
int FlexGrid::colWidthToShow(const QStringList& texts) const {
    const QFontMetricsF metrics(font(), viewport());
    std::vector<std::pair<double, const QString*>> sums;
    sums.reserve(static_cast<size_t>(texts.size()));
    for (const QString& text : texts) {
        double sum = 0;
        for (const QChar ch : text)
            sum += metrics.horizontalAdvance(ch);
        sums.emplace_back(sum, &text);
    }
    std::sort(sums.begin(), sums.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    const double slack = metrics.averageCharWidth();
    double widest = 0;
    for (const auto& [sum, text] : sums) {
        if (sum + slack <= widest)
            break;
        widest = std::max(widest, metrics.horizontalAdvance(*text));
    }
    const int pixels = static_cast<int>(std::ceil(widest)) + 2 * TextPaddingPixels + 1;
    return PixelsToTwips(pixels);
}

void FlexGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, ColorFromNumber(ColorButtonFace, palette()).darker(115));

    // Fixed rows and columns first in the list, then the scrolled ones that
    // fit the view.
    auto spans = [](int fixed, int first, int count, int limit, auto sizeOf) {
        QVector<Span> list;
        int pos = 0;
        for (int i = 0; i < fixed && i < count; ++i) {
            list.push_back({i, pos, sizeOf(i)});
            pos += sizeOf(i);
        }
        for (int i = std::max(first, fixed); i < count && pos < limit; ++i) {
            list.push_back({i, pos, sizeOf(i)});
            pos += sizeOf(i);
        }
        return list;
    };
    const QVector<Span> rows =
        spans(fixedRows_, topRow_, rows_, area.height(), [this](int r) { return rowPixels(r); });
    const QVector<Span> cols =
        spans(fixedCols_, leftCol_, cols_, area.width(), [this](int c) { return colPixels(c); });
    Painter(*this, painter, true).paint(rows, cols);
}

// Every row and column of the grid, laid out from the top-left corner.
struct FlexGrid::PictureSpans {
    QVector<Span> rows, cols;
    int width = 0, height = 0;
};

FlexGrid::PictureSpans FlexGrid::pictureSpans() const {
    PictureSpans spans;
    for (int r = 0; r < rows_; ++r) {
        spans.rows.push_back({r, spans.height, rowPixels(r)});
        spans.height += rowPixels(r);
    }
    for (int c = 0; c < cols_; ++c) {
        spans.cols.push_back({c, spans.width, colPixels(c)});
        spans.width += colPixels(c);
    }
    return spans;
}

QImage FlexGrid::picture() const {
    const PictureSpans spans = pictureSpans();
    QImage image(std::max(1, spans.width), std::max(1, spans.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Painter(*this, painter, false).paint(spans.rows, spans.cols);
    return image;
}

QSizeF FlexGrid::pictureSize() const {
    const PictureSpans spans = pictureSpans();
    return QSizeF(PixelsToTwips(spans.width), PixelsToTwips(spans.height));
}

void FlexGrid::paintPicture(QPainter& painter, const QRectF& target) const {
    const PictureSpans spans = pictureSpans();
    if (spans.width <= 0 || spans.height <= 0)
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / spans.width, target.height() / spans.height);
    // The cells are laid out in screen pixels and the painter's transform
    // takes them to the target. A point size would be resolved at the
    // device's own resolution and then scaled once more (12.5 times too big
    // on a 1200-dpi printer), so the font is sized in those pixels as well.
    QFont cellFont = font();
    if (cellFont.pointSizeF() > 0) {
        const double pixels = cellFont.pointSizeF() * 1440.0 / 72.0 / TwipsPerPixel;
        cellFont.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    Painter(*this, painter, false, &cellFont).paint(spans.rows, spans.cols);
    painter.restore();
}

} // namespace platform
