// Shape, cells, selection, measures and scrolling of the grid. Keys and mouse
// are in FlexGrid_input.cpp, drawing in FlexGrid_paint.cpp.

#include "platform/widgets/FlexGrid.h"

#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/ControlGeometry.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>

namespace platform {

namespace {

constexpr int DefaultColWidthTwips = 960;
constexpr int RowPaddingPixels = 3;

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QAbstractScrollArea(parent), backColor_(ColorWindowBackground), foreColor_(ColorWindowText),
      backColorFixed_(ColorButtonFace), foreColorFixed_(ColorButtonText) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The wheel belongs to the window (it scrolls through TopRow), also over
    // the scroll bars.
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
    cells_.resize(rows_ * cols_);
    colWidths_.fill(-1, cols_);
    colAligns_.fill(flexAlignGeneral, cols_);
    rowHeights_.fill(-1, rows_);
}

FlexGrid::~FlexGrid() = default;

// --- shape -----------------------------------------------------------------

void FlexGrid::reshape(int rows, int cols) {
    if (cols == cols_) {
        // Rows are stored one after the other: adding or dropping rows at the
        // end keeps the rest in place (the hex view adds its rows one by one).
        cells_.resize(rows * cols);
    } else {
        QVector<Cell> cells(rows * cols);
        const int keepRows = std::min(rows, rows_);
        const int keepCols = std::min(cols, cols_);
        for (int r = 0; r < keepRows; ++r) {
            for (int c = 0; c < keepCols; ++c)
                cells[r * cols + c] = std::move(cells_[r * cols_ + c]);
        }
        cells_ = std::move(cells);
    }
    colWidths_.resize(cols);
    colAligns_.resize(cols);
    rowHeights_.resize(rows);
    for (int c = cols_; c < cols; ++c) {
        colWidths_[c] = -1;
        colAligns_[c] = flexAlignGeneral;
    }
    for (int r = rows_; r < rows; ++r)
        rowHeights_[r] = -1;
    rows_ = rows;
    cols_ = cols;
}

void FlexGrid::setRows(int rows) {
    if (rows < fixedRows_ || rows < 1)
        throw RuntimeError(ErrInvalidRowValue, QStringLiteral("Invalid Row value"));
    if (rows == rows_)
        return;
    reshape(rows, cols_);
    const int last = rows_ - 1;
    select({std::min(row_, last), col_, std::min(rowSel_, last), colSel_});
    scrollTo(std::min(topRow_, std::max(last, fixedRows_)), leftCol_);
    updateScrollBars();
    repaint();
}

void FlexGrid::setCols(int cols) {
    if (cols < fixedCols_ || cols < 1)
        throw RuntimeError(ErrInvalidColValue, QStringLiteral("Invalid Col value"));
    if (cols == cols_)
        return;
    reshape(rows_, cols);
    const int last = cols_ - 1;
    select({row_, std::min(col_, last), rowSel_, std::min(colSel_, last)});
    scrollTo(topRow_, std::min(leftCol_, std::max(last, fixedCols_)));
    updateScrollBars();
    repaint();
}

void FlexGrid::setFixedRows(int fixedRows) {
    if (fixedRows < 0 || fixedRows > rows_)
        throw RuntimeError(ErrInvalidRowValue, QStringLiteral("Invalid Row value"));
    fixedRows_ = fixedRows;
    scrollTo(std::max(topRow_, fixedRows_), leftCol_);
    updateScrollBars();
    repaint();
}

void FlexGrid::setFixedCols(int fixedCols) {
    if (fixedCols < 0 || fixedCols > cols_)
        throw RuntimeError(ErrInvalidColValue, QStringLiteral("Invalid Col value"));
    fixedCols_ = fixedCols;
    scrollTo(topRow_, std::max(leftCol_, fixedCols_));
    updateScrollBars();
    repaint();
}

void FlexGrid::clear() {
    for (Cell& cell : cells_)
        cell = Cell();
    repaint();
}

// --- cells -----------------------------------------------------------------

void FlexGrid::checkRow(int row) const {
    if (row < 0 || row >= rows_)
        throw RuntimeError(ErrInvalidRowValue, QStringLiteral("Invalid Row value"));
}

void FlexGrid::checkCol(int col) const {
    if (col < 0 || col >= cols_)
        throw RuntimeError(ErrInvalidColValue, QStringLiteral("Invalid Col value"));
}

const FlexGrid::Cell* FlexGrid::cellAt(int row, int col) const {
    checkRow(row);
    checkCol(col);
    return &cells_[row * cols_ + col];
}

FlexGrid::Cell& FlexGrid::cellRef(int row, int col) {
    checkRow(row);
    checkCol(col);
    return cells_[row * cols_ + col];
}

QString FlexGrid::textMatrix(int row, int col) const {
    return cellAt(row, col)->text;
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    Cell& cell = cellRef(row, col);
    if (cell.text == text)
        return;
    cell.text = text;
    repaint();
}

QString FlexGrid::text() const {
    return textMatrix(row_, col_);
}
void FlexGrid::setText(const QString& text) {
    setTextMatrix(row_, col_, text);
}

int32_t FlexGrid::cellBackColor(int row, int col) const {
    return cellAt(row, col)->back;
}

void FlexGrid::setCellBackColor(int row, int col, int32_t color) {
    cellRef(row, col).back = color;
    repaint();
}

int32_t FlexGrid::cellForeColor(int row, int col) const {
    return cellAt(row, col)->fore;
}

void FlexGrid::setCellForeColor(int row, int col, int32_t color) {
    cellRef(row, col).fore = color;
    repaint();
}

QImage FlexGrid::cellPicture(int row, int col) const {
    return cellAt(row, col)->picture;
}

void FlexGrid::setCellPicture(int row, int col, const QImage& picture) {
    cellRef(row, col).picture = picture;
    repaint();
}

// --- selection -------------------------------------------------------------

void FlexGrid::select(const Selection& next) {
    const Selection before = selection();
    if (next == before)
        return;
    row_ = next.row;
    col_ = next.col;
    rowSel_ = next.rowSel;
    colSel_ = next.colSel;
    repaint();
    if (row_ != before.row || col_ != before.col)
        emit RowColChange();
    // A RowColChange handler may have moved the selection again; that move
    // raised its own events.
    if (selection() == next)
        emit SelChange();
}

void FlexGrid::setRow(int row) {
    checkRow(row);
    select({row, col_, row, col_});
}

void FlexGrid::setCol(int col) {
    checkCol(col);
    select({row_, col, row_, col});
}

void FlexGrid::setRowSel(int row) {
    checkRow(row);
    select({row_, col_, row, colSel_});
}

void FlexGrid::setColSel(int col) {
    checkCol(col);
    select({row_, col_, rowSel_, col});
}

QString FlexGrid::clip() const {
    const int top = std::min(row_, rowSel_), bottom = std::max(row_, rowSel_);
    const int left = std::min(col_, colSel_), right = std::max(col_, colSel_);
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c)
            cells << cells_[r * cols_ + c].text;
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\r'));
}

// --- measures --------------------------------------------------------------

int FlexGrid::colWidth(int col) const {
    checkCol(col);
    return colWidths_[col] < 0 ? DefaultColWidthTwips : colWidths_[col];
}

void FlexGrid::setColWidth(int col, int twips) {
    checkCol(col);
    if (twips < -1)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    colWidths_[col] = twips;
    updateScrollBars();
    repaint();
}

int FlexGrid::rowHeight(int row) const {
    checkRow(row);
    return rowHeights_[row] < 0 ? PixelsToTwips(defaultRowPixels()) : rowHeights_[row];
}

void FlexGrid::setRowHeight(int row, int twips) {
    checkRow(row);
    if (twips < -1)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    rowHeights_[row] = twips;
    updateScrollBars();
    repaint();
}

int FlexGrid::colAlignment(int col) const {
    checkCol(col);
    return colAligns_[col];
}

void FlexGrid::setColAlignment(int col, int alignment) {
    checkCol(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    colAligns_[col] = alignment;
    repaint();
}

int FlexGrid::cellLeft() const {
    return PixelsToTwips(viewport()->x() + colX(col_));
}
int FlexGrid::cellTop() const {
    return PixelsToTwips(viewport()->y() + rowY(row_));
}
int FlexGrid::cellWidth() const {
    return PixelsToTwips(colPixels(col_));
}
int FlexGrid::cellHeight() const {
    return PixelsToTwips(rowPixels(row_));
}

int FlexGrid::colPixels(int col) const {
    return colWidths_[col] < 0 ? TwipsToPixels(DefaultColWidthTwips)
                               : TwipsToPixels(colWidths_[col]);
}

int FlexGrid::rowPixels(int row) const {
    return rowHeights_[row] < 0 ? defaultRowPixels() : TwipsToPixels(rowHeights_[row]);
}

int FlexGrid::defaultRowPixels() const {
    return QFontMetrics(font()).height() + RowPaddingPixels;
}

int FlexGrid::fixedWidthPixels() const {
    int width = 0;
    for (int c = 0; c < fixedCols_; ++c)
        width += colPixels(c);
    return width;
}

int FlexGrid::fixedHeightPixels() const {
    int height = 0;
    for (int r = 0; r < fixedRows_; ++r)
        height += rowPixels(r);
    return height;
}

int FlexGrid::colX(int col) const {
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c)
            x += colPixels(c);
        return x;
    }
    x = fixedWidthPixels();
    for (int c = leftCol_; c < col; ++c)
        x += colPixels(c);
    for (int c = col; c < leftCol_; ++c)
        x -= colPixels(c);
    return x;
}

int FlexGrid::rowY(int row) const {
    int y = 0;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r)
            y += rowPixels(r);
        return y;
    }
    y = fixedHeightPixels();
    for (int r = topRow_; r < row; ++r)
        y += rowPixels(r);
    for (int r = row; r < topRow_; ++r)
        y -= rowPixels(r);
    return y;
}

QRect FlexGrid::cellRect(int row, int col) const {
    return QRect(colX(col), rowY(row), colPixels(col), rowPixels(row));
}

int FlexGrid::rowAtY(int y) const {
    int top = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        top += rowPixels(r);
        if (y < top)
            return r;
    }
    if (y < top && topRow_ > fixedRows_)
        return topRow_ - 1;
    for (int r = std::max(topRow_, fixedRows_); r < rows_; ++r) {
        top += rowPixels(r);
        if (y < top)
            return r;
    }
    return rows_ - 1;
}

int FlexGrid::colAtX(int x) const {
    int left = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        left += colPixels(c);
        if (x < left)
            return c;
    }
    for (int c = std::max(leftCol_, fixedCols_); c < cols_; ++c) {
        left += colPixels(c);
        if (x < left)
            return c;
    }
    return cols_ - 1;
}

// --- scrolling -------------------------------------------------------------

int FlexGrid::maxTopRow() const {
    if (rows_ <= fixedRows_)
        return fixedRows_;
    const int room = viewport()->height() - fixedHeightPixels();
    int top = rows_ - 1;
    int used = rowPixels(top);
    while (top - 1 >= fixedRows_ && used + rowPixels(top - 1) <= room) {
        --top;
        used += rowPixels(top);
    }
    return top;
}

int FlexGrid::maxLeftCol() const {
    if (cols_ <= fixedCols_)
        return fixedCols_;
    const int room = viewport()->width() - fixedWidthPixels();
    int left = cols_ - 1;
    int used = colPixels(left);
    while (left - 1 >= fixedCols_ && used + colPixels(left - 1) <= room) {
        --left;
        used += colPixels(left);
    }
    return left;
}

void FlexGrid::setTopRow(int row) {
    checkRow(row);
    scrollTo(row, leftCol_);
}

void FlexGrid::setLeftCol(int col) {
    checkCol(col);
    scrollTo(topRow_, col);
}

void FlexGrid::scrollTo(int topRow, int leftCol) {
    // Before the grid is laid out its view has no size yet, so the value is
    // kept as asked and clamped when the grid is shown.
    const bool laidOut = isVisible();
    topRow = std::max(topRow, fixedRows_);
    leftCol = std::max(leftCol, fixedCols_);
    if (laidOut) {
        topRow = std::min(topRow, maxTopRow());
        leftCol = std::min(leftCol, maxLeftCol());
    }
    if (topRow == topRow_ && leftCol == leftCol_)
        return;
    topRow_ = topRow;
    leftCol_ = leftCol;
    updateScrollBars();
    repaint();
    emit Scroll();
}

void FlexGrid::updateScrollBars() {
    syncingBars_ = true;
    QScrollBar* vbar = verticalScrollBar();
    vbar->setRange(0, std::max(0, maxTopRow() - fixedRows_));
    vbar->setPageStep(std::max(1, (viewport()->height() - fixedHeightPixels()) /
                                      std::max(1, defaultRowPixels())));
    vbar->setValue(topRow_ - fixedRows_);
    QScrollBar* hbar = horizontalScrollBar();
    hbar->setRange(0, std::max(0, maxLeftCol() - fixedCols_));
    hbar->setPageStep(1);
    hbar->setValue(leftCol_ - fixedCols_);
    syncingBars_ = false;
}

void FlexGrid::scrollContentsBy(int, int) {
    if (syncingBars_)
        return;
    scrollTo(fixedRows_ + verticalScrollBar()->value(),
             fixedCols_ + horizontalScrollBar()->value());
}

void FlexGrid::ensureVisible(int row, int col) {
    int top = topRow_;
    if (row >= fixedRows_) {
        const int room = viewport()->height() - fixedHeightPixels();
        if (row < top)
            top = row;
        int used = 0;
        for (int r = top; r <= row; ++r)
            used += rowPixels(r);
        while (used > room && top < row)
            used -= rowPixels(top++);
    }
    int left = leftCol_;
    if (col >= fixedCols_) {
        const int room = viewport()->width() - fixedWidthPixels();
        if (col < left)
            left = col;
        int used = 0;
        for (int c = left; c <= col; ++c)
            used += colPixels(c);
        while (used > room && left < col)
            used -= colPixels(left++);
    }
    scrollTo(top, left);
}

void FlexGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    updateScrollBars();
    scrollTo(topRow_, leftCol_);
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    scrollTo(topRow_, leftCol_);
}

// --- appearance ------------------------------------------------------------

void FlexGrid::repaint() {
    if (redraw_)
        viewport()->update();
}

void FlexGrid::setRedraw(bool on) {
    if (on == redraw_)
        return;
    redraw_ = on;
    viewport()->setUpdatesEnabled(on);
    if (on)
        viewport()->update();
}

void FlexGrid::setHighLight(int mode) {
    highLight_ = mode;
    repaint();
}

void FlexGrid::setBackColor(int32_t color) {
    backColor_ = color;
    repaint();
}

void FlexGrid::setForeColor(int32_t color) {
    foreColor_ = color;
    repaint();
}

void FlexGrid::setBackColorFixed(int32_t color) {
    backColorFixed_ = color;
    repaint();
}

void FlexGrid::setForeColorFixed(int32_t color) {
    foreColorFixed_ = color;
    repaint();
}

void FlexGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollBars();
        repaint();
    }
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        FocusModel::For(this)->controlUnavailable(this);
}

void FlexGrid::hideEvent(QHideEvent* event) {
    QAbstractScrollArea::hideEvent(event);
    FocusModel::For(this)->controlUnavailable(this);
}

bool FlexGrid::takeFocus() {
    return FocusModel::For(this)->setFocus(this);
}

} // namespace platform
