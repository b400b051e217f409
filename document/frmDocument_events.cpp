// The document's reaction to keys and the mouse on its grids and tab strip:
// Tab and Enter navigation, starting the editor on a typed key, the row and
// clipboard keys, the memory grid's context menus, the row highlight, and the
// commands that follow the shown tab.

#include "document/frmDocument.h"

#include "mainwindow/IMainWindow.h"
#include "platform/core/Measures.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/FocusModel.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

using platform::AsciiBackspace;
using platform::AsciiCopy;
using platform::AsciiCut;
using platform::AsciiEnter;
using platform::AsciiEscape;
using platform::AsciiLineFeed;
using platform::AsciiPaste;
using platform::AsciiTab;
using platform::FlexGrid;

namespace {

// Toolbar buttons of the cell clipboard and of the row commands.
constexpr int ClipboardButtons[] = {5, 6, 7};
constexpr int RowButtons[] = {9, 12, 13, 14, 15, 16};

// The column menu of each logical column 1..10.
constexpr const char* ColumnMenus[] = {"mnu11", "mnu10", "mnu10", "mnu10", "mnu10",
                                       "mnu7",  "mnu9",  "mnu8",  "mnu12", "mnu10"};

QString MenuForColumn(int col) {
    for (int k = 1; k < ColumnCount; ++k) {
        if (GridColumnOf(k) == col)
            return QString::fromLatin1(ColumnMenus[k - 1]);
    }
    return QStringLiteral("mnu10");
}

// A key event that types the character code again, as the keyboard would.
QKeyEvent KeyEventFor(int keyAscii) {
    const auto press = QEvent::KeyPress;
    switch (keyAscii) {
    case AsciiBackspace:
        return QKeyEvent(press, Qt::Key_Backspace, Qt::NoModifier);
    case AsciiLineFeed:
        return QKeyEvent(press, Qt::Key_Return, Qt::ControlModifier);
    case AsciiEscape:
        return QKeyEvent(press, Qt::Key_Escape, Qt::NoModifier);
    default:
        break;
    }
    if (keyAscii >= 1 && keyAscii <= 26)
        return QKeyEvent(press, Qt::Key_A + keyAscii - 1, Qt::ControlModifier);
    const QChar ch = platform::CharFromAscii(keyAscii);
    const char16_t upper = ch.toUpper().unicode();
    const int key = upper < 256 ? upper : int(Qt::Key_unknown);
    return QKeyEvent(press, key, Qt::NoModifier, QString(ch));
}

} // namespace

void frmDocument::ConnectEditingEvents() {
    for (int i = 0; i < GridCount; ++i) {
        FlexGrid* grid = grids_[static_cast<size_t>(i)];
        connect(grid, &FlexGrid::KeyDown, this,
                [this, i](int& keyCode, int shift) { MSFlexGrid1_KeyDown(i, keyCode, shift); });
        connect(grid, &FlexGrid::KeyPress, this,
                [this, i](int& keyAscii) { MSFlexGrid1_KeyPress(i, keyAscii); });
        connect(grid, &FlexGrid::MouseDown, this, [this, i](int button, int shift, int x, int y) {
            MSFlexGrid1_MouseDown(i, button, shift, x, y);
        });
        connect(grid, &FlexGrid::RowColChange, this, [this, i] { MSFlexGrid1_RowColChange(i); });
        connect(grid, &FlexGrid::Scroll, this, [this, i] { MSFlexGrid1_Scroll(i); });
        connect(grid, &FlexGrid::DblClick, this, [this, i] { MSFlexGrid1_DblClick(i); });
    }
    connect(sstab1_, &platform::TabStrip::MouseDown, this,
            [this](int button, int shift, int x, int y) { SSTab1_MouseDown(button, shift, x, y); });

    using platform::ListEdit;
    using platform::TextEdit;
    connect(txtGrid_, &TextEdit::GotFocus, this, [this] { TxtGrid_GotFocus(); });
    connect(txtGrid_, &TextEdit::LostFocus, this, [this] { TxtGrid_LostFocus(); });
    connect(txtGrid_, &TextEdit::KeyPress, this,
            [this](int& keyAscii) { TxtGrid_KeyPress(keyAscii); });
    connect(txtGrid_, &TextEdit::KeyDown, this,
            [this](int& keyCode, int shift) { TxtGrid_KeyDown(keyCode, shift); });
    connect(txtGrid_, &TextEdit::Change, this, [this] { TxtGrid_Change(); });
    connect(cboGrid_, &ListEdit::GotFocus, this, [this] { CboGrid_GotFocus(); });
    connect(cboGrid_, &ListEdit::LostFocus, this, [this] { CboGrid_LostFocus(); });
    connect(cboGrid_, &ListEdit::Click, this, [this] { CboGrid_Click(); });
    connect(cboGrid_, &ListEdit::KeyDown, this,
            [this](int& keyCode, int shift) { CboGrid_KeyDown(keyCode, shift); });
}

// --- row tests --------------------------------------------------------------

bool frmDocument::IsRowSelected() {
    SetSelection();
    const FlexGrid* grid = MSFlexGrid1(EditGrid);
    return grid && SelLeftCol == 1 && SelRightCol == grid->cols() - 1;
}

bool frmDocument::IsActiveDocument() const {
    const QWidget* frame = Frame();
    if (const auto* sub = qobject_cast<const QMdiSubWindow*>(frame)) {
        const QMdiArea* area = sub->mdiArea();
        return area && area->currentSubWindow() == sub;
    }
    return isActiveWindow();
}

// --- keys -------------------------------------------------------------------

// Tab walks the cells row by row, Shift (or Ctrl, Alt) + Tab backwards; the
// ends wrap into the next or previous row, except at the first and last row.
void frmDocument::MoveByTab(FlexGrid& grid, int shift) {
    if (shift == 0) {
        if (grid.col() < grid.cols() - 1) {
            grid.setCol(grid.col() + 1);
            return;
        }
        grid.setCol(grid.fixedCols());
        if (grid.row() < grid.rows() - 1)
            grid.setRow(grid.row() + 1);
        return;
    }
    if (grid.col() > grid.fixedCols()) {
        grid.setCol(grid.col() - 1);
        return;
    }
    grid.setCol(grid.cols() - 1);
    if (grid.row() > 1)
        grid.setRow(grid.row() - 1);
}

// Enter in the next-row or next-column mode; the stay mode is the caller's.
void frmDocument::MoveByEnter(FlexGrid& grid) {
    const ProgramValues& p = Program();
    if (p.EnterKeyNextRow) {
        if (grid.row() < grid.rows() - 1)
            grid.setRow(grid.row() + 1);
        return;
    }
    if (!p.EnterKeyNextColumn)
        return;
    if (grid.col() < grid.cols() - 1) {
        grid.setCol(grid.col() + 1);
        return;
    }
    grid.setCol(1);
    if (grid.row() < grid.rows() - 1)
        grid.setRow(grid.row() + 1);
}

void frmDocument::MSFlexGrid1_KeyDown(int /*index*/, int& keyCode, int shift) {
    if (keyCode == platform::vbKeyTab) {
        if (FlexGrid* grid = MSFlexGrid1(EditGrid))
            MoveByTab(*grid, shift);
    }
    const bool rowKeys = Program().RowKeysWithoutSelection;
    if (keyCode == platform::vbKeyInsert && (IsRowSelected() || rowKeys))
        InsertBlank();
    else if (keyCode == platform::vbKeyDelete && (IsRowSelected() || rowKeys))
        DeleteRows(0);
}

void frmDocument::MSFlexGrid1_KeyPress(int index, int& keyAscii) {
    IMainWindow* main = MainForm();
    switch (keyAscii) {
    case AsciiEnter: {
        const ProgramValues& p = Program();
        if (p.EnterKeyNextRow || p.EnterKeyNextColumn)
            MoveByEnter(*MSFlexGrid1(index));
        else
            MSFlexGrid1_DblClick(index);
        return;
    }
    case AsciiCopy:
        if (main)
            main->CellCopy();
        return;
    case AsciiPaste:
        if (main)
            main->CellPaste();
        return;
    case AsciiCut:
        if (main && IsRowSelected())
            main->CellCut();
        return;
    case AsciiTab:
        return;
    default:
        break;
    }
    MSFlexGrid1_DblClick(index);
    // Only an editor that opened takes the key again; the grid itself would
    // hand it straight back to this handler.
    const platform::FocusTarget* focused = platform::FocusModel::For(this)->current();
    if (focused == txtGrid_ || focused == cboGrid_)
        ResendKey(keyAscii);
}

void frmDocument::ResendKey(int keyAscii) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent event = KeyEventFor(keyAscii);
    QApplication::sendEvent(target, &event);
}

// --- mouse ------------------------------------------------------------------

void frmDocument::MSFlexGrid1_MouseDown(int index, int button, int /*shift*/, int x, int y) {
    if (index != MemoryGrid)
        return;
    FlexGrid& grid = *grids_[MemoryGrid];
    grid.setHighLight(platform::flexHighlightAlways);
    if (button != platform::vbRightButton)
        return;
    cboGrid_->hide();
    txtGrid_->hide();
    if (grid.colSel() == grid.col() && grid.rowSel() == grid.row()) {
        grid.setCol(grid.mouseCol());
        // A press on the header row keeps the row: row 0 is no memory.
        if (grid.mouseRow() >= grid.fixedRows())
            grid.setRow(grid.mouseRow());
    }
    const QString menu =
        grid.mouseCol() == 0 ? QStringLiteral("mnuEdit") : MenuForColumn(grid.col());
    if (IMainWindow* main = MainForm()) {
        const QPoint at(platform::TwipsToPixels(x), platform::TwipsToPixels(y));
        main->ShowColumnMenu(menu, grid.mapToGlobal(at));
    }
}

void frmDocument::MSFlexGrid1_RowColChange(int /*index*/) {
    if (RowChangeBusy)
        return;
    if (Program().HighlightSelectedRow)
        HighlightSelectedRow();
    PreviousRow = grids_[MemoryGrid]->row();
}

// Hiding the text editor is its focus loss, so an open edit is still
// committed.
void frmDocument::MSFlexGrid1_Scroll(int /*index*/) {
    cboGrid_->hide();
    txtGrid_->hide();
}

// --- tabs -------------------------------------------------------------------

void frmDocument::SSTab1_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    EditorLoading = true;
    HideEdit();
    EditorLoading = false;
}

void frmDocument::EnableTabCommands() {
    IMainWindow* main = MainForm();
    if (!main)
        return;
    const bool clipboard = CopyPasteAllowed();
    for (int button : ClipboardButtons)
        main->SetToolbarButtonEnabled(button, clipboard);
    for (const char* item : {"mnuEditCut", "mnuEditCopy", "mnuEditPaste"})
        main->SetMenuEnabled(QString::fromLatin1(item), clipboard);
    const bool rows = MoveDeleteAllowed();
    for (int button : RowButtons)
        main->SetToolbarButtonEnabled(button, rows);
    const bool memories = EditGrid == MemoryGrid;
    for (const char* item :
         {"mnuFind", "mnuSort", "mnuDupCheck", "mnuClearMem", "mnuValidateBandLimits"})
        main->SetMenuEnabled(QString::fromLatin1(item), memories);
}

// Code moves the current cell without scrolling; after a move from an editor
// the view follows as it does for the grid's own keys.
void frmDocument::BringCellIntoView(FlexGrid& grid) {
    const QWidget* view = grid.viewport();
    const int bottom = platform::PixelsToTwips(view->y() + view->height());
    const int right = platform::PixelsToTwips(view->x() + view->width());
    if (grid.row() >= grid.fixedRows() && grid.row() < grid.topRow())
        grid.setTopRow(grid.row());
    while (grid.cellTop() + grid.cellHeight() > bottom && grid.topRow() < grid.row()) {
        const int before = grid.topRow();
        grid.setTopRow(before + 1);
        if (grid.topRow() == before)
            break;
    }
    if (grid.col() >= grid.fixedCols() && grid.col() < grid.leftCol())
        grid.setLeftCol(grid.col());
    while (grid.cellLeft() + grid.cellWidth() > right && grid.leftCol() < grid.col()) {
        const int before = grid.leftCol();
        grid.setLeftCol(before + 1);
        if (grid.leftCol() == before)
            break;
    }
}
