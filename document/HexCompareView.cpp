// The hex compare view: two grids of raw bytes side by side, grid A the
// document's image or a file, grid B another file; Compare marks in red the
// cells that differ, and the two grids scroll and move their current cell
// together. The view only reads: it never changes the image or a file.
//
// Filling and comparing let the event loop run after every row (the progress
// window shows meanwhile), so one request of the view runs at a time, a close
// arriving meanwhile waits for its end, and a pass stops at once when the
// document has been destroyed under it.

#include "document/HexCompareView.h"

#include "document/GridGuards.h"
#include "document/frmProgress.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/FlexGrid.h"
#include "rules/HexCompare.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>

using platform::FlexGrid;
using platform::Guarded;

namespace {

// Twips within the view: left, top, width, height.
struct Box {
    int left, top, width, height;
};

template <typename W> W* Place(W* widget, const QString& name, const Box& box) {
    widget->setObjectName(name);
    platform::MoveTwips(widget, box.left, box.top, box.width, box.height);
    return widget;
}

// The progress window of one pass. Each step takes the window anew: Cancel
// closes it, and another document's pass may have closed it too.
class HexProgress {
public:
    HexProgress(HexCompareView* view, QWidget* owner) : view_(view), owner_(owner) {}

    // False when the view (with its document) was destroyed while the step
    // let the event loop run.
    bool step(const QString& text, int percent) {
        window_ = frmProgress::Instance(owner_);
        window_->ShowStep(text, percent);
        return !view_.isNull();
    }

    void close() {
        if (window_)
            window_->close();
    }

private:
    QPointer<HexCompareView> view_;
    QWidget* owner_;
    QPointer<frmProgress> window_;
};

// The byte cells of one row, as far as the grid has them.
QStringList ByteCells(const FlexGrid& grid, int row, int bytesPerRow) {
    QStringList cells;
    for (int c = 1; c <= bytesPerRow && c < grid.cols(); ++c)
        cells << grid.textMatrix(row, c);
    return cells;
}

} // namespace

HexCompareView::HexCompareView(QWidget* parent, QWidget* owner,
                               std::function<QByteArray()> currentBytes)
    : QFrame(parent), owner_(owner), currentBytes_(std::move(currentBytes)) {
    setObjectName(QStringLiteral("Frame3"));
    command8_ = Place(new QPushButton(QStringLiteral("Load Current"), this),
                      QStringLiteral("Command8"), {360, 225, 1230, 375});
    command12_ = Place(new QPushButton(QStringLiteral("Open File..."), this),
                       QStringLiteral("Command12"), {360, 675, 1230, 375});
    label2_ = Place(new QLabel(this), QStringLiteral("Label2"), {1620, 630, 2535, 420});
    chkBinary_ = Place(new QCheckBox(QStringLiteral("Binary Mode"), this),
                       QStringLiteral("chkBinary"), {2160, 225, 1275, 240});
    command11_ = Place(new QPushButton(QStringLiteral("Compare"), this),
                       QStringLiteral("Command11"), {3825, 180, 1275, 420});
    command10_ = Place(new QPushButton(QStringLiteral("Open File..."), this),
                       QStringLiteral("Command10"), {4680, 675, 1230, 375});
    label1_ = Place(new QLabel(this), QStringLiteral("Label1"), {5985, 675, 2535, 420});
    hexGridA_ = Place(new FlexGrid(this), QStringLiteral("HexGridA"), {360, 1080, 3975, 2715});
    hexGridB_ = Place(new FlexGrid(this), QStringLiteral("HexGridB"), {4635, 1080, 3975, 2715});
    for (FlexGrid* grid : {hexGridA_, hexGridB_}) {
        grid->setRows(1);
        grid->setFont(platform::FixedPitchFont());
    }
    connect(chkBinary_, &QCheckBox::clicked, this, Guarded([this] { chkBinary_Click(); }));
    connect(command8_, &QPushButton::clicked, this, Guarded([this] { Command8_Click(); }));
    connect(command10_, &QPushButton::clicked, this, Guarded([this] { Command10_Click(); }));
    connect(command11_, &QPushButton::clicked, this, Guarded([this] { Command11_Click(); }));
    connect(command12_, &QPushButton::clicked, this, Guarded([this] { Command12_Click(); }));
    connect(hexGridA_, &FlexGrid::Scroll, this, Guarded([this] { HexGridA_Scroll(); }));
    connect(hexGridB_, &FlexGrid::Scroll, this, Guarded([this] { HexGridB_Scroll(); }));
    connect(hexGridA_, &FlexGrid::SelChange, this, Guarded([this] { HexGridA_SelChange(); }));
    connect(hexGridB_, &FlexGrid::SelChange, this, Guarded([this] { HexGridB_SelChange(); }));
}

// --- requests ---------------------------------------------------------------

void HexCompareView::RunHexRequest(const std::function<void()>& request) {
    if (hexBusy_)
        return;
    hexBusy_ = true;
    QPointer<HexCompareView> self(this);
    try {
        request();
    } catch (...) {
        if (self) {
            hexBusy_ = false;
            hexGridA_->setRedraw(true);
            hexGridB_->setRedraw(true);
        }
        throw;
    }
    if (!self)
        return;
    hexBusy_ = false;
    if (hexExitHeld_ || hexCloseHeld_) {
        const bool exiting = hexExitHeld_;
        hexExitHeld_ = false;
        hexCloseHeld_ = false;
        emit heldCloseDue(exiting);
    }
}

bool HexCompareView::HoldCloseWhileBusy(bool exiting) {
    if (!hexBusy_)
        return false;
    (exiting ? hexExitHeld_ : hexCloseHeld_) = true;
    return true;
}

void HexCompareView::Enter() {
    RunHexRequest([this] {
        if (FillHexCurrent())
            CompareHexGrids();
    });
}

// --- the four operations ----------------------------------------------------

// Both grids always have the same columns; rows and cell texts are the fill's.
void HexCompareView::InitHexGrids() {
    const hexcompare::GridLayout layout = hexcompare::LayoutFor(BinaryMode);
    for (FlexGrid* grid : {hexGridA_, hexGridB_}) {
        grid->setCols(layout.columns);
        grid->setColWidth(0, hexcompare::AddressWidth);
        grid->setColAlignment(0, platform::flexAlignRightCenter);
        for (int c = 1; c <= layout.bytesPerRow; ++c) {
            grid->setColWidth(c, layout.byteWidth);
            grid->setTextMatrix(0, c, hexcompare::HeaderText(c));
        }
        if (layout.textColumn) {
            grid->setColWidth(hexcompare::TextColumn, hexcompare::TextWidth);
            grid->setColAlignment(hexcompare::TextColumn, platform::flexAlignLeftCenter);
            grid->setTextMatrix(0, hexcompare::TextColumn, QString());
        }
    }
}

void HexCompareView::FillHexGrid() {
    RunHexRequest([this] { FillHexCurrent(); });
}

void HexCompareView::FillHexGridA(const QString& source) {
    RunHexRequest([&] { FillHex(*hexGridA_, *label2_, source); });
}

void HexCompareView::FillHexGridB(const QString& source) {
    RunHexRequest([&] { FillHex(*hexGridB_, *label1_, source); });
}

bool HexCompareView::FillHexCurrent() {
    HexTextColumn = true;
    return FillHex(*hexGridA_, *label2_, hexcompare::CurrentFileSource);
}

// The bytes are taken before the grid is touched, so a file that cannot be
// read leaves the grid and its label as they were.
bool HexCompareView::FillHex(FlexGrid& grid, QLabel& label, const QString& source) {
    if (source.isEmpty())
        return true;
    const std::optional<QByteArray> bytes = source == hexcompare::CurrentFileSource
                                                ? std::optional(currentBytes_())
                                                : hexcompare::ReadSourceFile(source);
    if (!bytes)
        return true;
    grid.setRedraw(false);
    grid.clear();
    grid.setRows(1);
    InitHexGrids();
    const bool binary = BinaryMode;
    const int perRow = hexcompare::BytesPerRow(binary);
    const qint64 last = bytes->size() - 1;
    HexProgress progress(this, owner_);
    for (qint64 off = 0; off <= last; off += perRow) {
        const int row = grid.rows();
        grid.setRows(row + 1);
        QString text;
        for (int j = 0; j < perRow && off + j <= last; ++j) {
            const auto byte = static_cast<uint8_t>(bytes->at(off + j));
            grid.setTextMatrix(row, j + 1, hexcompare::ByteCellText(byte, binary));
            text += hexcompare::TextChar(byte);
        }
        if (!binary && HexTextColumn)
            grid.setTextMatrix(row, hexcompare::TextColumn, text);
        grid.setTextMatrix(row, 0, hexcompare::AddressText(off));
        const int percent = hexcompare::Percent(off, last);
        if (!progress.step(hexcompare::FillProgressText(percent), percent))
            return false;
    }
    label.setText(source);
    progress.close();
    grid.setRedraw(true);
    return true;
}

// --- compare ----------------------------------------------------------------

// Only rows and byte columns both grids have are compared, so the rows past
// the end of the shorter source stay unmarked. Marks are never cleared here:
// they stay until their grid is filled again. The current cell of both grids
// ends on the last marked cell, and the first row with a difference becomes
// the top row of both.
bool HexCompareView::CompareHexGrids() {
    QPointer<HexCompareView> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return false;
    FlexGrid& a = *hexGridA_;
    FlexGrid& b = *hexGridB_;
    a.setRedraw(false);
    b.setRedraw(false);
    const int perRow = hexcompare::BytesPerRow(BinaryMode);
    const int lastRow = a.rows() - 1;
    int first = 0;
    int markedRow = 0;
    int markedCol = 0;
    HexProgress progress(this, owner_);
    for (int r = 1; r <= lastRow; ++r) {
        if (r < a.rows() && r < b.rows()) {
            const QVector<int> columns =
                hexcompare::DifferingColumns(ByteCells(a, r, perRow), ByteCells(b, r, perRow));
            for (int c : columns) {
                b.setCellBackColor(r, c, hexcompare::DifferenceColor);
                a.setCellBackColor(r, c, hexcompare::DifferenceColor);
                first = first == 0 ? r : first;
                markedRow = r;
                markedCol = c;
            }
        }
        const int percent = hexcompare::Percent(r, lastRow);
        if (!progress.step(hexcompare::CompareProgressText(percent), percent))
            return false;
    }
    progress.close();
    if (markedRow != 0) {
        b.setRow(markedRow);
        b.setCol(markedCol);
        a.setRow(markedRow);
        a.setCol(markedCol);
    }
    if (first != 0) {
        BusyHold hold(hexScrollSyncing_);
        a.setTopRow(first);
        b.setTopRow(first);
    }
    a.setRedraw(true);
    b.setRedraw(true);
    return true;
}

// --- buttons and the check box ----------------------------------------------

// The box follows the mode it switches; while a request runs it goes back to
// the mode in force.
void HexCompareView::chkBinary_Click() {
    if (hexBusy_) {
        const QSignalBlocker quiet(chkBinary_);
        chkBinary_->setChecked(BinaryMode);
        return;
    }
    RunHexRequest([this] {
        BinaryMode = chkBinary_->isChecked();
        hexGridA_->clear();
        hexGridB_->clear();
        InitHexGrids();
        if (FillHex(*hexGridA_, *label2_, label2_->text()))
            FillHex(*hexGridB_, *label1_, label1_->text());
    });
}

void HexCompareView::Command8_Click() {
    FillHexGrid();
}

void HexCompareView::Command11_Click() {
    RunHexRequest([this] { CompareHexGrids(); });
}

void HexCompareView::Command12_Click() {
    RunHexRequest([this] { OpenHexFile(*hexGridA_, *label2_); });
}

void HexCompareView::Command10_Click() {
    RunHexRequest([this] { OpenHexFile(*hexGridB_, *label1_); });
}

// The dialog service is asked directly: no default extension, since one
// appended to a typed name would open another file than the one typed.
bool HexCompareView::OpenHexFile(FlexGrid& grid, QLabel& label) {
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = QStringLiteral("All Files (*.*)|*.*");
    QPointer<HexCompareView> self(this);
    const platform::FileDialogResult chosen = platform::GetOpenFileName(owner_, request);
    if (!self)
        return false;
    if (!chosen.accepted || chosen.fileName.isEmpty())
        return true;
    return FillHex(grid, label, chosen.fileName) && CompareHexGrids();
}

// --- keeping the grids in step ----------------------------------------------

void HexCompareView::HexGridA_Scroll() {
    FollowTopRow(*hexGridA_, *hexGridB_);
}
void HexCompareView::HexGridB_Scroll() {
    FollowTopRow(*hexGridB_, *hexGridA_);
}

// The other grid may have to stop short of the row (fewer rows below it to
// fill its view); the flag keeps its own Scroll from pulling this grid back,
// so a longer source can still be scrolled to its end.
void HexCompareView::FollowTopRow(const FlexGrid& from, FlexGrid& to) {
    if (hexScrollSyncing_)
        return;
    const int top = from.topRow();
    if (top >= to.rows())
        return;
    BusyHold hold(hexScrollSyncing_);
    to.setTopRow(top);
}

void HexCompareView::HexGridA_SelChange() {
    FollowCurrentCell(*hexGridA_, *hexGridB_);
}
void HexCompareView::HexGridB_SelChange() {
    FollowCurrentCell(*hexGridB_, *hexGridA_);
}

void HexCompareView::FollowCurrentCell(const FlexGrid& from, FlexGrid& to) {
    if (HexSelSyncing)
        return;
    BusyHold hold(HexSelSyncing);
    if (from.row() < to.rows())
        to.setRow(from.row());
    if (from.col() < to.cols())
        to.setCol(from.col());
}
