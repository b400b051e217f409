#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"

#include <QAction>

namespace {

// Everything a document with data offers, in the order it is switched on.
const QStringList kDataStateMenus = {
    QStringLiteral("mnuView"),         QStringLiteral("mnuWindow"),
    QStringLiteral("mnuFile"),         QStringLiteral("mnuTransfer"),
    QStringLiteral("mnuEdit"),         QStringLiteral("mnuSettings"),
    QStringLiteral("mnuFileSave"),     QStringLiteral("mnuFileSaveAs"),
    QStringLiteral("mnuExportWizard"), QStringLiteral("mnuIMport"),
    QStringLiteral("mnuPrint"),        QStringLiteral("mnuMemories"),
    QStringLiteral("mnuWrite"),        QStringLiteral("mnuHelp"),
    QStringLiteral("mnuabout"),        QStringLiteral("mnuImportTPE"),
    QStringLiteral("mnuImportTW"),     QStringLiteral("mnuExportTW"),
};

// What a document without data cannot use.
const QStringList kNoDataMenus = {
    QStringLiteral("mnuEdit"),       QStringLiteral("mnuFileSave"),
    QStringLiteral("mnuFileSaveAs"), QStringLiteral("mnuExportWizard"),
    QStringLiteral("mnuIMport"),     QStringLiteral("mnuPrint"),
    QStringLiteral("mnuMemories"),   QStringLiteral("mnuWrite"),
    QStringLiteral("mnuImportTPE"),  QStringLiteral("mnuImportTW"),
    QStringLiteral("mnuExportTW"),
};

// And what goes with the last document.
const QStringList kNoDocumentMenus = {
    QStringLiteral("mnuEdit"),
    QStringLiteral("mnuView"),
    QStringLiteral("mnuMemories"),
    QStringLiteral("mnuSettings"),
};

// Toolbar positions that stay usable without data: New, Open, Read.
bool UsableWithoutData(int position) {
    return position <= 2 || position == 18;
}

} // namespace

void frmMain::SetMenusEnabled(const QStringList& names, bool enabled) {
    for (const QString& name : names)
        SetMenuEnabled(name, enabled);
}

void frmMain::SetDocumentControlsEnabled(IDocument* document, bool enabled) {
    for (int i = 0; i < 7; ++i)
        if (platform::FlexGrid* grid = document->MSFlexGrid1(i))
            grid->setEnabled(enabled);
    if (platform::TabStrip* tabs = document->SSTab1())
        tabs->setEnabled(enabled);
}

void frmMain::EnableGUI() {
    SetMenusEnabled(kDataStateMenus, true);
    if (active_)
        SetDocumentControlsEnabled(active_, true);
    for (int position = 1; position <= ToolbarPositions; ++position)
        SetToolbarButtonEnabled(position, true);
}

void frmMain::InitGUI() {
    EnableGUI();
    SetMenusEnabled(kNoDataMenus, false);
    if (active_)
        SetDocumentControlsEnabled(active_, false);
    for (int position = 3; position <= ToolbarPositions; ++position)
        if (!UsableWithoutData(position))
            SetToolbarButtonEnabled(position, false);
}

void frmMain::CheckGUI() {
    if (IsFormLoaded())
        return;
    InitGUI();
    SetMenusEnabled(kNoDocumentMenus, false);
}

void frmMain::SetMenuEnabled(const QString& menuName, bool enabled) {
    // Items of later commands that this window does not have are no error.
    if (QAction* item = MenuItem(menuName))
        item->setEnabled(enabled);
}

void frmMain::SetToolbarButtonEnabled(int index, bool enabled) {
    if (index >= 1 && index <= ToolbarPositions)
        tbButton(index)->setEnabled(enabled);
}
