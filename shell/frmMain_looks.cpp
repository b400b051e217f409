// Settings > Grid Font..., Grid Colors..., Column Settings... and Options...:
// the commands that change how every document shows its grids.
//
// The grids are each document's working copy, so Column Settings and Options
// write every document's grids into its image before their dialog and build
// and fill them again afterwards. A document whose grids the image refused
// would lose the refused values in that rebuild; the command then ends
// before its dialog, the box having said why.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "document/GridFont.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "shell/frmColumns.h"
#include "shell/frmGridColors.h"
#include "shell/frmOptions.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr int GridsPerDocument = 7;
// Room a grid row gives beyond one line of text, twips.
constexpr int RowPadding = 100;

// The memory grid's current cell, to be put back after a rebuild.
struct CurrentCell {
    int row = 0;
    int col = 0;
};

void ApplyFont(IDocument* document, const QFont& font) {
    platform::TextEdit* txt = document->TxtGrid();
    txt->setFont(font);
    platform::SetHeightTwips(txt, 0);
    platform::SetLeftTwips(txt, -500);
    platform::SetTopTwips(txt, -500);
    document->CboGrid()->setFont(font);
    const int height = platform::PixelsToTwips(txt->fontMetrics().height()) + RowPadding;
    for (int g = 0; g < GridsPerDocument; ++g) {
        platform::FlexGrid* grid = document->MSFlexGrid1(g);
        grid->setFont(font);
        // Drawing off rather than hidden: hiding would take the focus away.
        grid->setRedraw(false);
        for (int r = 0; r < grid->rows(); ++r)
            grid->setRowHeight(r, height);
        grid->setRedraw(true);
    }
    document->SizeCols();
}

} // namespace

bool frmMain::SaveEveryGrid() {
    for (IDocument* document : Documents())
        if (!document->SaveGrid())
            return false;
    return true;
}

void frmMain::RebuildEveryGrid() {
    for (IDocument* document : Documents()) {
        document->Initgrid();
        document->FillGrid();
    }
}

void frmMain::SetColors() {
    const ProgramValues& p = Program();
    for (IDocument* document : Documents()) {
        for (int g = 0; g < GridsPerDocument; ++g) {
            platform::FlexGrid* grid = document->MSFlexGrid1(g);
            grid->setForeColor(p.GridForeColor);
            grid->setBackColor(p.GridBackColor);
        }
    }
}

void frmMain::mnuGridColors_Click() {
    frmGridColors dialog(this);
    platform::ExecModal(&dialog);
    SetColors();
    platform::FlushSettings();
}

void frmMain::mnuGridFont_Click() {
    if (!active_)
        return;
    const std::optional<QFont> chosen = platform::ChooseFont(this, active_->MSFlexGrid1(0)->font());
    if (!chosen)
        return;
    SaveGridFont(*chosen);
    platform::FlushSettings();
    const QFont font = GridFontFromSettings();
    std::vector<IDocument*> documents = Documents();
    std::reverse(documents.begin(), documents.end());
    for (IDocument* document : documents)
        ApplyFont(document, font);
    platform::SaveInt(SettingsSection, QStringLiteral("RowHeight"),
                      active_->MSFlexGrid1(0)->rowHeight(0));
    platform::FlushSettings();
}

void frmMain::mnuColumnSettings_Click() {
    CurrentCell cell;
    if (active_) {
        active_->SetColWidths();
        cell = {active_->MSFlexGrid1(0)->row(), active_->MSFlexGrid1(0)->col()};
    }
    if (!SaveEveryGrid())
        return;
    // Copied cells belong to the old layout.
    CellClipboard.resize(1);
    frmColumns dialog(this);
    platform::ExecModal(&dialog);
    // Documents opened later read the table from the store.
    SaveColumnLayout();
    platform::FlushSettings();
    RebuildEveryGrid();
    if (active_) {
        active_->MSFlexGrid1(0)->setRow(cell.row);
        active_->MSFlexGrid1(0)->setCol(cell.col);
        active_->HighlightSelectedRow();
    }
}

void frmMain::mnuOptions_Click() {
    CurrentCell cell;
    if (active_)
        cell = {active_->MSFlexGrid1(0)->row(), active_->MSFlexGrid1(0)->col()};
    if (!SaveEveryGrid())
        return;
    frmOptions dialog(this);
    platform::ExecModal(&dialog);
    platform::FlushSettings();
    RebuildEveryGrid();
    if (Program().UseTextLabels)
        ShowToolbarCaptions();
    else
        HideToolbarCaptions();
    if (active_) {
        active_->RestorePreviousRow();
        active_->MSFlexGrid1(0)->setRow(cell.row);
        active_->MSFlexGrid1(0)->setCol(cell.col);
        active_->HighlightSelectedRow();
    }
}
