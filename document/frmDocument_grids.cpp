// Grid construction, the memory grid's column layout, and the window's
// placement and column layout in the settings store.

#include "document/frmDocument.h"

#include "document/GridFont.h"
#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"

#include <QFont>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <tuple>

using platform::FlexGrid;

namespace {

const QString kGrid0Settings = QStringLiteral("Grid0Settings");

constexpr int NumberColumnWidth = 510;
constexpr int MaxColumnWidth = 32767;
constexpr int WidthStoreColumns = 42;

// Number and label columns of the configuration grid; rows 14 onward have no
// menu number.
struct ConfigRowLabel {
    const char* menu;
    const char* function;
};
constexpr ConfigRowLabel kConfigLabels[26] = {
    {"3", "Battery Save Mode"},
    {"5", "Roger Beep"},
    {"6", "Transmit Over Timer"},
    {"7", "VOX"},
    {"9", "Voice Prompt"},
    {"10", "Transmit Over Time Alarm"},
    {"11", "Beep Prompt"},
    {"12", "Power On Display"},
    {"14", "Keypad Lock"},
    {"19", "Scan Mode"},
    {"20", "Side Key 1"},
    {"22", "Auto Backlight"},
    {"25", "Stopwatch"},
    {"", "Priority Channel"},
    {"", "ANI Transmit"},
    {"", "ANI Delay"},
    {"", "ANI ID"},
    {"", "Sidetone"},
    {"", "Mode Password"},
    {"", "Reset Password"},
    {"", "Menu"},
    {"", "Welcome Msg Line 1"},
    {"", "Welcome Msg Line 2"},
    {"", "Single Receive Msg"},
    {"", "Dual Receive"},
    {"", "Current VFO"},
};

constexpr const char* kVfoLabels[11] = {
    "Display Mode",    "RX Frequency",     "Squelch Level",    "Frequency Step",
    "TX Power",        "Encode DCS/CTCSS", "Decode DCS/CTCSS", "TX Deviation",
    "Shift Direction", "Offset Frequency", "Start Channel",
};

// The widths, twips, each settings grid is built with.
using GridWidths = std::array<int, 3>;
constexpr GridWidths ConfigWidths = {850, 3250, 2000};
constexpr GridWidths VfoWidths = {2500, 1500, 1500};
constexpr GridWidths FmWidths = {510, 1000, 1000};
constexpr GridWidths BandWidths = {2500, 1500, 1500};

constexpr const char* kBandLabels[4] = {"Band 1 Receive", "Band 1 Transmit", "Band 2 Receive",
                                        "Band 2 Transmit"};

QString Label(const char* text) {
    return QString::fromLatin1(text);
}

// A settings grid's common shape: rows, three columns, every row as high as
// the memory grid's header row, the two data columns left-aligned.
void ShapeSettingsGrid(FlexGrid& grid, int rows, int fixedCols, int rowHeight,
                       const GridWidths& widths) {
    grid.setRows(rows);
    grid.setCols(3);
    grid.setFixedCols(fixedCols);
    for (int r = 0; r < rows; ++r)
        grid.setRowHeight(r, rowHeight);
    grid.setColAlignment(1, platform::flexAlignLeftCenter);
    grid.setColAlignment(2, platform::flexAlignLeftCenter);
    for (int c = 0; c < 3; ++c)
        grid.setColWidth(c, widths[static_cast<size_t>(c)]);
}

void SetHeader(FlexGrid& grid, const char* c0, const char* c1, const char* c2) {
    grid.setTextMatrix(0, 0, Label(c0));
    grid.setTextMatrix(0, 1, Label(c1));
    grid.setTextMatrix(0, 2, Label(c2));
}

// Whole-number width read from the store into target; a value that does not
// convert or lies outside 0..32767 leaves target alone.
bool ReadWidth(const QString& section, const QString& key, int32_t& target) {
    int32_t value = target;
    if (!platform::ReadInt32(section, key, value))
        return false;
    if (value < 0 || value > MaxColumnWidth)
        return false;
    target = value;
    return true;
}

} // namespace

void frmDocument::SetRedrawAll(bool on) {
    for (FlexGrid* grid : grids_)
        grid->setRedraw(on);
}

void frmDocument::ApplyGridFont() {
    const QFont font = GridFontFromSettings();
    txtGrid_->setFont(font);
    cboGrid_->setFont(font);
    // The list editor's height follows its font; the rows are made as high.
    cboGrid_->resize(cboGrid_->width(), cboGrid_->sizeHint().height());
}

void frmDocument::Initgrid() {
    try {
        SetRedrawAll(false);
        ApplyGridFont();
        InitMemoryGrid();
        SetRedrawAll(true);
        InitConfigGrid();
        InitVFOGrid();
        InitFMGrid();
        InitBandGrid();
        ApplyStoredGridWidths();
    } catch (const platform::RuntimeError& e) {
        // Drawing back on: a grid left frozen would never show anything again.
        SetRedrawAll(true);
        ShowError(platform::ErrorText(e));
    }
}

void frmDocument::InitMemoryGrid() {
    FlexGrid& grid = *grids_[MemoryGrid];
    const ProgramValues& p = Program();
    grid.setCols(Radio().NumColumns());
    grid.setRows(Radio().NumRows());
    grid.clear();
    grid.setFont(GridFontFromSettings());
    grid.setBackColor(p.GridBackColor);
    grid.setForeColor(p.GridForeColor);
    grid.setColWidth(0, NumberColumnWidth);
    grid.setTextMatrix(0, 0, QStringLiteral("#"));
    for (int n = 1; n < ColumnCount; ++n) {
        const ColumnInfo& column = p.ColumnTable[static_cast<size_t>(n)];
        grid.setTextMatrix(0, column.Order, column.Caption);
        grid.setColAlignment(n, platform::flexAlignLeftCenter);
        grid.setColWidth(column.Order, column.Visible ? column.Width : 0);
    }
    const int rowHeight = platform::HeightTwips(cboGrid_);
    for (int r = 0; r < grid.rows(); ++r)
        grid.setRowHeight(r, rowHeight);
    for (int r = 1; r < grid.rows(); ++r)
        grid.setTextMatrix(r, 0, QString::number(r));
}

void frmDocument::InitConfigGrid() {
    FlexGrid& grid = *grids_[ConfigGrid];
    ShapeSettingsGrid(grid, 27, 2, grids_[MemoryGrid]->rowHeight(0), ConfigWidths);
    SetHeader(grid, "Menu #", "Function", "Setting");
    for (int r = 1; r <= 26; ++r) {
        grid.setTextMatrix(r, 0, Label(kConfigLabels[r - 1].menu));
        grid.setTextMatrix(r, 1, Label(kConfigLabels[r - 1].function));
    }
}

void frmDocument::InitVFOGrid() {
    FlexGrid& grid = *grids_[VfoGrid];
    ShapeSettingsGrid(grid, 12, 1, grids_[MemoryGrid]->rowHeight(0), VfoWidths);
    SetHeader(grid, "", "VFO A", "VFO B");
    for (int r = 1; r <= 11; ++r)
        grid.setTextMatrix(r, 0, Label(kVfoLabels[r - 1]));
}

void frmDocument::InitFMGrid() {
    FlexGrid& grid = *grids_[FmGrid];
    ShapeSettingsGrid(grid, 10, 1, grids_[MemoryGrid]->rowHeight(0), FmWidths);
    SetHeader(grid, "#", "Bank 1", "Bank 2");
    for (int r = 1; r <= 9; ++r)
        grid.setTextMatrix(r, 0, QString::number(r));
}

void frmDocument::InitBandGrid() {
    FlexGrid& grid = *grids_[BandGrid];
    ShapeSettingsGrid(grid, 5, 1, grids_[MemoryGrid]->rowHeight(0), BandWidths);
    SetHeader(grid, "", "Low Limit", "High Limit");
    for (int r = 1; r <= 4; ++r)
        grid.setTextMatrix(r, 0, Label(kBandLabels[r - 1]));
}

// The user's widths of grids 1 to 4; 0 or nothing stored keeps the built width.
void frmDocument::ApplyStoredGridWidths() {
    for (int g = ConfigGrid; g <= BandGrid; ++g) {
        const QString section = QStringLiteral("Grid%1Settings").arg(g);
        FlexGrid& grid = *grids_[static_cast<size_t>(g)];
        auto& store = colWidthStore_[static_cast<size_t>(g)];
        for (int c = 0; c < grid.cols() && c < WidthStoreColumns; ++c) {
            const QString key = QStringLiteral("ColWid%1").arg(c);
            // Missing: 0. Unreadable or out of range: the store keeps its value.
            int32_t width = platform::HasSetting(section, key) ? store[static_cast<size_t>(c)] : 0;
            ReadWidth(section, key, width);
            store[static_cast<size_t>(c)] = static_cast<int16_t>(width);
            if (width != 0)
                grid.setColWidth(c, width);
        }
    }
}

// The fonts here are often wider than the ones the widths were designed for.
// A column still at its built width that would cut a text it shows -- its
// header, labels and values, or an option of its lists -- is widened to show
// it whole. Any other width was the user's and stays.
void frmDocument::FitSettingsColumns() {
    using Options = QStringList (frmDocument::*)(int) const;
    const std::tuple<int, GridWidths, Options> grids[] = {
        {ConfigGrid, ConfigWidths, &frmDocument::ConfigOptions},
        {VfoGrid, VfoWidths, &frmDocument::VfoOptions},
        {FmGrid, FmWidths, nullptr}};
    for (const auto& [g, widths, optionsOf] : grids) {
        FlexGrid& grid = *grids_[static_cast<size_t>(g)];
        // Every data column offers the lists of all its rows; some are long,
        // so they are measured once, and only when a column is to be fitted.
        std::optional<int> optionsWidth;
        const auto widestOption = [&, optionsOf = optionsOf] {
            if (!optionsWidth) {
                QStringList options;
                for (int r = 1; r < grid.rows(); ++r)
                    options += (this->*optionsOf)(r);
                optionsWidth = grid.colWidthToShow(options);
            }
            return *optionsWidth;
        };
        for (int c = 0; c < grid.cols(); ++c) {
            const int built = widths[static_cast<size_t>(c)];
            if (grid.colWidth(c) != built)
                continue;
            QStringList shown;
            for (int r = 0; r < grid.rows(); ++r)
                shown << grid.textMatrix(r, c);
            int needed = std::max(built, grid.colWidthToShow(shown));
            if (optionsOf && c >= grid.fixedCols())
                needed = std::max(needed, widestOption());
            grid.setColWidth(c, needed);
        }
    }
}

int frmDocument::GetCurrentGrid() const {
    return sstab1_->tab();
}

void frmDocument::SetSelection() {
    const FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    SelTopRow = std::min(grid->row(), grid->rowSel());
    SelBottomRow = std::max(grid->row(), grid->rowSel());
    SelLeftCol = std::min(grid->col(), grid->colSel());
    SelRightCol = std::max(grid->col(), grid->colSel());
}

// A hidden column (width 0) keeps the width it had when shown.
void frmDocument::SetColWidths() {
    auto& table = Program().ColumnTable;
    const FlexGrid& grid = *grids_[MemoryGrid];
    for (int n = 1; n < ColumnCount; ++n) {
        ColumnInfo& column = table[static_cast<size_t>(n)];
        if (column.Order < 0 || column.Order >= grid.cols())
            continue;
        const int width = grid.colWidth(column.Order);
        if (width != 0)
            column.Width = width;
    }
}

void frmDocument::LoadSettings() {
    int32_t state = 0;
    int32_t stored = 0;
    if (platform::ReadInt32(SettingsSection, QStringLiteral("DocWindowState"), stored, 0) &&
        stored >= 0 && stored <= 2)
        state = stored;
    storedState_ = state;
    // A maximized or minimized window restores to the design size.
    storedWidth_ = 8430;
    storedHeight_ = 4725;
    if (state == 0) {
        int32_t height = 4725;
        int32_t width = 8430;
        int32_t value = 0;
        if (platform::ReadInt32(SettingsSection, QStringLiteral("DocHeight"), value, 4725) && value > 0)
            height = value;
        if (platform::ReadInt32(SettingsSection, QStringLiteral("DocWidth"), value, 8430) && value > 0)
            width = value;
        storedWidth_ = width;
        storedHeight_ = height;
        setSizeTwips(width, height);
    }
    setWindowState(state);
    LoadColumnSettings();
}

// Every value is checked: one that does not convert is skipped, widths outside
// 0..32767 are ignored, and orders that are not 1..10 once each are all put
// back to their defaults, since two columns on one grid column would make
// SaveGrid hand one cell to two fields.
void frmDocument::LoadColumnSettings() {
    auto& table = Program().ColumnTable;
    for (int n = 1; n < ColumnCount; ++n) {
        ColumnInfo& column = table[static_cast<size_t>(n)];
        int32_t width = 0;
        if (ReadWidth(kGrid0Settings, QStringLiteral("ColWid%1").arg(n), width) && width != 0)
            column.Width = width;
        platform::ReadBool(SettingsSection, QStringLiteral("Visible%1").arg(n), column.Visible, true);
        platform::ReadInt32(SettingsSection, QStringLiteral("Order%1").arg(n), column.Order, n);
        column.Caption =
            platform::GetSetting(SettingsSection, QStringLiteral("Caption%1").arg(n), column.Caption);
    }
    std::set<int32_t> orders;
    for (int n = 1; n < ColumnCount; ++n)
        orders.insert(table[static_cast<size_t>(n)].Order);
    const bool permutation =
        orders.size() == ColumnCount - 1 && *orders.begin() == 1 && *orders.rbegin() == 10;
    if (!permutation)
        for (int n = 1; n < ColumnCount; ++n)
            table[static_cast<size_t>(n)].Order = n;
}

void frmDocument::SaveSettings() {
    const int state = WindowState();
    if (state != 1) {
        platform::SaveInt(SettingsSection, QStringLiteral("DocWindowState"), state);
        if (state == 0) {
            platform::SaveInt(SettingsSection, QStringLiteral("DocWidth"), WidthTwips());
            platform::SaveInt(SettingsSection, QStringLiteral("DocHeight"), HeightTwips());
            platform::SaveInt(SettingsSection, QStringLiteral("DocLeft"), platform::LeftTwips(Frame()));
            platform::SaveInt(SettingsSection, QStringLiteral("DocTop"), platform::TopTwips(Frame()));
        }
    }
    SetColWidths();
    const auto& table = Program().ColumnTable;
    for (int n = 1; n < ColumnCount; ++n)
        platform::SaveInt(kGrid0Settings, QStringLiteral("ColWid%1").arg(n),
                          table[static_cast<size_t>(n)].Width);
    SaveColumnLayout();
    for (int g = ConfigGrid; g <= BandGrid; ++g) {
        const QString section = QStringLiteral("Grid%1Settings").arg(g);
        const FlexGrid& grid = *grids_[static_cast<size_t>(g)];
        for (int c = 0; c < grid.cols(); ++c)
            platform::SaveInt(section, QStringLiteral("ColWid%1").arg(c), grid.colWidth(c));
    }
}
