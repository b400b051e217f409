#pragma once
// The grid control the program is written against: a table of text cells with
// fixed header rows and columns, a current cell with a rectangular selection,
// measures in twips and the events the program's handlers expect.
//
// Addressing: rows 0..Rows-1 and columns 0..Cols-1, the fixed ones included
// (FixedRows / FixedCols, 1 each by default). Fixed rows and columns stay in
// view while the rest scrolls; the user cannot make a fixed cell current, code
// can (Row = 0, Col = 0 are valid).
//
// Current cell and selection: Row/Col is the current cell and the anchor of
// the selection, RowSel/ColSel its other corner. Setting Row or Col from code
// collapses the selection onto the new current cell and raises RowColChange
// at once when the current cell changed (never when it did not), then
// SelChange when the selection changed. Setting RowSel/ColSel raises SelChange
// only. Code never scrolls the view, except through TopRow and LeftCol; a key
// that moves the current cell (by the grid itself or by a KeyDown/KeyPress
// handler) brings it into view.
//
// Measures: ColWidth and RowHeight are twips, kept exactly as set (reading
// gives back what was set) until the user drags a column border. A column of
// width 0 is not drawn but stays addressable. CellLeft/CellTop/CellWidth/
// CellHeight are the current cell's rectangle in twips relative to the grid's
// own top-left corner (its border included). The grid's own Left and Top
// (ControlGeometry.h) are twips in its parent, so for an editor that shares
// the grid's parent, Left = grid Left + CellLeft and Top = grid Top + CellTop
// put it exactly over the current cell.
//
// What the grid does not do: edit cells (typing raises KeyDown and KeyPress
// and nothing else), sort, or scroll on the mouse wheel (wheel events go on to
// the parent, which scrolls through TopRow). Tab is no focus key here: it
// reaches KeyDown (9) and KeyPress (9).
//
// Mouse: a left press on a cell makes it current (with Shift it extends the
// selection) and dragging extends the selection; a press on a fixed header
// cell selects the whole column, on a fixed row label the whole row (all
// non-fixed columns), on the fixed corner everything. A right press changes
// nothing but MouseRow/MouseCol. MouseDown is raised after the grid's own
// selection handling. A drag on a column border in the fixed rows resizes the
// column.
//
// Colours are colour numbers (Colors.h); a cell colour of 0 means the grid's
// normal colour. Bad row or column numbers raise RuntimeError 30009
// "Invalid Row value" / 30010 "Invalid Col value".

#include "platform/widgets/FocusModel.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>
#include <cstdint>

class QPainter;

namespace platform {

constexpr int ErrInvalidRowValue = 30009;
constexpr int ErrInvalidColValue = 30010;

// Cell alignment (ColAlignment): 0 left-top ... 8 right-bottom, 9 general
// (numbers right, texts left, vertically centred).
enum FlexAlignment : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9,
};

// HighLight: whether the selection is drawn.
enum FlexHighLight : int {
    flexHighlightNever = 0,
    flexHighlightAlways = 1,
    flexHighlightWithFocus = 2
};

// Mouse buttons of MouseDown/MouseUp.
enum MouseButtonCode : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

class FlexGrid : public QAbstractScrollArea, public FocusTarget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Shape. Growing keeps the cells there are; shrinking drops the rest and
    // pulls the current cell and selection back inside.
    int rows() const { return rows_; }
    void setRows(int rows);
    int cols() const { return cols_; }
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int fixedCols);
    // Empties every cell's text, colours and picture; shape and measures stay.
    void clear();

    // Cell texts and colours.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    QString text() const; // the current cell
    void setText(const QString& text);
    int32_t cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, int32_t color);
    int32_t cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, int32_t color);
    // The same for the current cell.
    int32_t cellBackColor() const { return cellBackColor(row_, col_); }
    void setCellBackColor(int32_t color) { setCellBackColor(row_, col_, color); }
    int32_t cellForeColor() const { return cellForeColor(row_, col_); }
    void setCellForeColor(int32_t color) { setCellForeColor(row_, col_, color); }

    // A cell's picture, drawn centred over its background and under its
    // text; a null image is none.
    QImage cellPicture(int row, int col) const;
    void setCellPicture(int row, int col, const QImage& picture);

    // Current cell and selection.
    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);
    int rowSel() const { return rowSel_; }
    void setRowSel(int row);
    int colSel() const { return colSel_; }
    void setColSel(int col);
    // The selected cells' texts: cells separated by Tab, rows by CR, nothing
    // after the last cell.
    QString clip() const;

    // Scrolling. TopRow is the first non-fixed row in view; setting it clamps
    // to FixedRows .. the last top row that still fills the view. LeftCol
    // likewise for columns. Both raise Scroll when they change.
    int topRow() const { return topRow_; }
    void setTopRow(int row);
    int leftCol() const { return leftCol_; }
    void setLeftCol(int col);

    // The cell under the mouse at the last mouse event.
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }

    // Measures in twips.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const; // the font's row height until one is set
    void setRowHeight(int row, int twips);
    int colAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    // The narrowest column width, twips, that shows each of texts whole in
    // the grid's font.
    int colWidthToShow(const QStringList& texts) const;
    int cellLeft() const;
    int cellTop() const;
    int cellWidth() const;
    int cellHeight() const;

    // Appearance.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on); // off suspends painting only
    int highLight() const { return highLight_; }
    void setHighLight(int mode);
    int32_t backColor() const { return backColor_; }
    void setBackColor(int32_t color);
    int32_t foreColor() const { return foreColor_; }
    void setForeColor(int32_t color);
    int32_t backColorFixed() const { return backColorFixed_; }
    void setBackColorFixed(int32_t color);
    int32_t foreColorFixed() const { return foreColorFixed_; }
    void setForeColorFixed(int32_t color);

    // The focus through the window's focus model (GotFocus/LostFocus raised
    // before it returns). False, and nothing happens, when the grid is hidden
    // or disabled.
    bool takeFocus();

    // The whole grid, every row and column at its size, as drawn on screen
    // (fixed cells shaded, grid lines, cell colours, the selection as it
    // stands), for printing.
    QImage picture() const;
    // The same picture as vector graphics: its size in twips, and the picture
    // drawn onto painter stretched to target (in painter's units), the texts
    // as text in the grid's font, so a printed page keeps them searchable.
    QSizeF pictureSize() const;
    void paintPicture(QPainter& painter, const QRectF& target) const;

    QWidget* focusWidget() override { return this; }

signals:
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& keyAscii);
    void KeyUp(int& keyCode, int shift);
    // Button 1 left, 2 right, 4 middle; x and y in twips from the grid's
    // top-left corner.
    void MouseDown(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void Click();
    void DblClick();
    void RowColChange();
    void SelChange();
    void Scroll();
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void raiseGotFocus() override { emit GotFocus(); }
    void raiseLostFocus() override { emit LostFocus(); }

private:
    struct Cell {
        QString text;
        int32_t back = 0;
        int32_t fore = 0;
        QImage picture;
    };
    struct Selection {
        int row, col, rowSel, colSel;
        bool operator==(const Selection& o) const {
            return row == o.row && col == o.col && rowSel == o.rowSel && colSel == o.colSel;
        }
    };
    enum class Drag { None, Cells, Rows, Cols, Resize };
    class Painter;
    struct PictureSpans;
    PictureSpans pictureSpans() const;

    void checkRow(int row) const;
    void checkCol(int col) const;
    const Cell* cellAt(int row, int col) const;
    Cell& cellRef(int row, int col);
    void reshape(int rows, int cols);

    // Applies a new selection and raises RowColChange / SelChange for what
    // changed.
    void select(const Selection& next);
    Selection selection() const { return {row_, col_, rowSel_, colSel_}; }

    // Pixel geometry.
    int colPixels(int col) const;
    int rowPixels(int row) const;
    int defaultRowPixels() const;
    int fixedWidthPixels() const;
    int fixedHeightPixels() const;
    int colX(int col) const; // viewport x of the column's left edge
    int rowY(int row) const; // viewport y of the row's top edge
    QRect cellRect(int row, int col) const;
    int rowAtY(int y) const; // nearest row for a viewport y
    int colAtX(int x) const;
    int maxTopRow() const;
    int maxLeftCol() const;
    int resizeBorderAt(const QPoint& pos) const; // column whose right border is near, or -1
    bool hitCell(const QPoint& pos, int& row, int& col) const;

    void updateScrollBars();
    void scrollTo(int topRow, int leftCol);
    void ensureVisible(int row, int col);
    void updateMouseCell(const QPoint& pos);
    void repaint();

    // User input.
    void moveByKey(int keyCode, int shift);
    int nextVisibleCol(int col, int step) const;
    void pressAt(const QPoint& pos, Qt::KeyboardModifiers mods);
    void dragTo(const QPoint& pos);
    int mouseX(const QPoint& viewportPos) const;
    int mouseY(const QPoint& viewportPos) const;

    int rows_ = 2;
    int cols_ = 2;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    QVector<Cell> cells_;
    QVector<int> colWidths_;  // twips; -1 the default width
    QVector<int> rowHeights_; // twips; -1 the font's row height
    QVector<int> colAligns_;

    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    int topRow_ = 1, leftCol_ = 1;
    int mouseRow_ = 0, mouseCol_ = 0;

    bool redraw_ = true;
    int highLight_ = flexHighlightAlways;
    int32_t backColor_;
    int32_t foreColor_;
    int32_t backColorFixed_;
    int32_t foreColorFixed_;

    Drag drag_ = Drag::None;
    int resizeCol_ = -1;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
    bool syncingBars_ = false;
    bool pressed_ = false;
};

} // namespace platform
