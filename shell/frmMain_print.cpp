// File > Print...: the print dialog on the current printer, then the grids of
// the active document, page by page through the hidden print grid. The
// memory channels come first, then one page each for the configuration
// settings, the VFO settings and (unless the image came from a TW file) the
// FM broadcast memories. The band-limit grid is not printed.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "platform/core/ProgramTitle.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Printer.h"
#include "program/ProgramValues.h"
#include "shell/frmPrintForm.h"

#include <QDateTime>
#include <QLocale>
#include <array>

using platform::FlexGrid;
using platform::Printer;

namespace {

constexpr int LandscapeRowsPerPage = 29;
constexpr int PortraitRowsPerPage = 55;
constexpr int PrintRowHeight = 345;

// Twips by logical column of the column table.
constexpr std::array<int, ColumnCount> MemoryPrintWidths = {510,  1110, 1250, 1250, 870, 870,
                                                            1230, 870,  870,  1110, 5000};

struct SectionPage {
    int grid;
    const char* title;
    std::array<int, 3> widths;
};
constexpr std::array<SectionPage, 3> SectionPages = {{
    {1, "Configuration Settings", {1000, 3000, 1750}},
    {2, "VFO Settings", {2200, 1500, 1500}},
    {3, "FM Broadcast Memories", {300, 1000, 1000}},
}};
constexpr int FmBroadcastGrid = 3;

// Page layout, twips from the printable area's corner.
constexpr double TextLeft = 720;
constexpr double TitleTop = 250;
constexpr double CaptionTop = 600;
constexpr double SectionTitleTop = 400;
constexpr double PageLineTop = 100;
constexpr double PageLineRightMargin = 720;
constexpr double TableLeft = 600;
constexpr double TableTop = 900;
constexpr double PortraitTableWidth = 11400;
constexpr double PortraitTableHeight = 13950;

QFont TitleFont() {
    QFont font(QStringLiteral("Ariel"));
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QFont TextFont() {
    QFont font(QStringLiteral("MS Sans Seriff"));
    font.setPointSize(10);
    return font;
}

void PrintAt(Printer& printer, const QFont& font, double x, double y, const QString& text) {
    printer.setFont(font);
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.print(text);
}

// "<date time> - Page n of total" at the top, ending 720 twips before the
// paper's right edge.
void PrintPageLine(Printer& printer, int page, int total) {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(now.time(), QLocale::ShortFormat) +
                         QStringLiteral(" - Page ") + QString::number(page) +
                         QStringLiteral(" of ") + QString::number(total);
    printer.setFont(TextFont());
    const double x = printer.pageWidth() - PageLineRightMargin - printer.textWidth(text);
    PrintAt(printer, TextFont(), x, PageLineTop, text);
}

void ShapePrintGrid(FlexGrid& grid, int rows, int cols) {
    grid.setRows(rows);
    grid.setCols(cols);
    for (int c = 0; c < cols; ++c)
        grid.setColAlignment(c, platform::flexAlignLeftCenter);
    for (int r = 0; r < rows; ++r)
        grid.setRowHeight(r, PrintRowHeight);
}

void CopyRow(const FlexGrid& source, int sourceRow, FlexGrid& target, int targetRow) {
    const int cols = std::min(source.cols(), target.cols());
    for (int c = 0; c < cols; ++c)
        target.setTextMatrix(targetRow, c, source.textMatrix(sourceRow, c));
}

// No selection block in the picture.
void ResetSelection(FlexGrid& grid) {
    grid.setRow(0);
    grid.setCol(0);
    grid.setRowSel(0);
    grid.setColSel(0);
}

} // namespace

void frmMain::mnuPrint_Click() {
    ShowPrinter(this);
}

void frmMain::ShowPrinter(QWidget* frmOwner) {
    if (!Printer::Current().choose(frmOwner))
        return;
    // An error ends the page run where it happened, without a word.
    RunIgnoringErrors([this] { PrintGrids(platform::ProgramTitle()); });
}

frmPrintForm* frmMain::PrintForm() {
    if (!printForm_)
        printForm_ = new frmPrintForm(this); // hidden for good, owned by the main window
    return printForm_;
}

void frmMain::PrintGrids(const QString& sTitle) {
    IDocument* document = active_;
    if (!document)
        return;
    Printer& printer = Printer::Current();
    if (!printer.startDoc())
        return;
    try {
        PrintPages(printer, *document, sTitle);
    } catch (...) {
        // The pages drawn so far stay in the job.
        printer.endDoc();
        throw;
    }
    printer.endDoc();
}

void frmMain::PrintPages(Printer& printer, IDocument& document, const QString& sTitle) {
    FlexGrid& grid = *PrintForm()->MSFlexGrid1();
    const FlexGrid& memories = *document.MSFlexGrid1(0);
    grid.setFixedCols(0);
    grid.clear();

    const bool landscape = printer.orientation() == 2;
    const int rowsPerPage = landscape ? LandscapeRowsPerPage : PortraitRowsPerPage;
    const int channels = memories.rows() - 1;
    const int memoryPages = (channels + rowsPerPage - 2) / (rowsPerPage - 1);
    const bool withFm = !document.IsTWFile();
    const int total = memoryPages + (withFm ? 3 : 2);

    ShapePrintGrid(grid, rowsPerPage, memories.cols());
    // Each width goes where its column stands on screen, hidden or not.
    for (int k = 0; k < ColumnCount; ++k)
        grid.setColWidth(Program().ColumnTable[k].Order, MemoryPrintWidths[k]);

    int next = 1;
    for (int page = 1; page <= memoryPages; ++page) {
        if (page == 1) {
            PrintAt(printer, TitleFont(), TextLeft, TitleTop, sTitle);
            PrintAt(printer, TextFont(), TextLeft, CaptionTop, document.Caption());
        }
        PrintPageLine(printer, page, total);
        CopyRow(memories, 0, grid, 0);
        for (int r = 1; r < rowsPerPage; ++r, ++next) {
            if (next <= channels)
                CopyRow(memories, next, grid, r);
        }
        ResetSelection(grid);
        if (landscape)
            printer.paintPicture(grid, TableLeft, TableTop);
        else
            printer.paintPicture(grid, TableLeft, TableTop, PortraitTableWidth,
                                 PortraitTableHeight);
        printer.newPage();
        grid.clear();
    }

    int page = memoryPages;
    for (const SectionPage& section : SectionPages) {
        if (section.grid == FmBroadcastGrid && !withFm)
            continue;
        ++page;
        const FlexGrid& source = *document.MSFlexGrid1(section.grid);
        ShapePrintGrid(grid, source.rows(), source.cols());
        for (int c = 0; c < 3 && c < grid.cols(); ++c)
            grid.setColWidth(c, section.widths[static_cast<size_t>(c)]);
        for (int r = 0; r < source.rows(); ++r)
            CopyRow(source, r, grid, r);
        PrintAt(printer, TitleFont(), TextLeft, SectionTitleTop,
                QString::fromLatin1(section.title));
        PrintPageLine(printer, page, total);
        ResetSelection(grid);
        printer.paintPicture(grid, TableLeft, TableTop);
        printer.newPage();
        grid.clear();
    }
}
