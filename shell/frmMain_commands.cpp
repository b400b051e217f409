#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "program/modFunctions.h"
#include "rules/CsvFile.h"
#include "shell/DocumentPlacement.h"
#include "shell/ProgramSettings.h"
#include "shell/RecentFiles.h"
#include "shell/frmAbout.h"
#include "shell/frmExportCSV.h"

#include "rules/DocumentTexts.h"
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

using documenttexts::CrLf;

namespace {

const QString UvdFilter = QStringLiteral("KG-UV Files (*.uvd)|*.uvd|All Files (*.*)|*.*");
const QString TwFilter = QStringLiteral("TW Files (*.tw)|*.tw|All Files (*.*)|*.*");
const QString TpeFilter = QStringLiteral("TravelPlus Files (*.tpe)|*.tpe|All Files (*.*)|*.*");

QString ShortName() {
    return clsRadio().ShortName();
}

} // namespace

void frmMain::RunIgnoringErrors(const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        // These handlers ignore every error by design (menu opening, toolbar).
    }
}

void frmMain::HideEditOnActive() {
    RunIgnoringErrors([this] {
        if (active_)
            active_->HideEditB();
    });
}

bool frmMain::HasFile(const IDocument* document) const {
    return !document->Caption().startsWith(ShortName(), Qt::CaseSensitive);
}

// --- dialogs shared by the file commands ---

bool frmMain::UnsavedChangesStep() {
    if (!active_->IsDataChanged())
        return true;
    switch (platform::MsgBox(documenttexts::DataChangedQuestion(active_->Caption()),
                             platform::vbYesNoCancel | platform::vbExclamation)) {
    case platform::vbYes:
        // A save the user asked for that did not happen ends the command.
        return SaveData();
    case platform::vbNo:
        return true;
    default:
        return false;
    }
}

QString frmMain::AskOpenFile(const QString& title, const QString& filter, int filterIndex) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.filterIndex = filterIndex;
    request.defaultExt = dialogDefaultExt_;
    const platform::FileDialogResult result = platform::GetOpenFileName(this, request);
    dialogFilterIndex_ = result.filterIndex;
    return result.accepted ? result.fileName : QString();
}

QString frmMain::OverwriteLoop(const QString& title, const QString& filter,
                               const QString& defaultExt) {
    dialogDefaultExt_ = defaultExt;
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExt = defaultExt;
    return platform::AskSaveFileName(this, request, &dialogFilterIndex_);
}

bool frmMain::SaveDocumentTo(IDocument* document, const QString& path) {
    try {
        return document->SaveFile(path);
    } catch (const platform::RuntimeError& e) {
        platform::MsgBox(platform::ErrorText(e), platform::vbExclamation, QStringLiteral("Error"));
        return false;
    }
}

// --- File ---

void frmMain::mnuFileNew_Click() {
    NewDocument();
}

void frmMain::mnuFileOpen_Click() {
    if (!active_)
        NewDocument();
    if (!UnsavedChangesStep())
        return;
    const QString path = AskOpenFile(QStringLiteral("Open"), UvdFilter);
    if (path.isEmpty())
        return;
    if (active_->OpenFile(path)) {
        active_->setCaption(path);
        AddToMRU(path);
    }
}

void frmMain::mnuFileClose_Click() {
    if (IsFormLoaded())
        active_->CloseMe();
}

void frmMain::mnuFileSave_Click() {
    SaveData();
}

bool frmMain::SaveData() {
    IDocument* document = active_;
    QString path;
    if (document)
        path = HasFile(document)
                   ? document->Caption()
                   : OverwriteLoop(QStringLiteral("Save As"), UvdFilter, QStringLiteral("uvd"));
    if (path.isEmpty() || !SaveDocumentTo(document, path)) {
        Program().SaveCancelled = true;
        return false;
    }
    Program().SaveCancelled = false;
    document->setCaption(path);
    AddToMRU(path);
    return true;
}

void frmMain::mnuFileSaveAs_Click() {
    IDocument* document = active_;
    if (!document)
        return;
    const QString path = OverwriteLoop(QStringLiteral("Save As"), UvdFilter, QStringLiteral("uvd"));
    if (path.isEmpty() || !SaveDocumentTo(document, path))
        return;
    document->Initgrid();
    document->FillGrid();
    document->setCaption(path);
    AddToMRU(path);
}

void frmMain::mnuImportTW_Click() {
    if (!active_)
        return;
    const QString path = AskOpenFile(QStringLiteral("Import from TW..."), TwFilter);
    if (!path.isEmpty())
        active_->ImportTWFile(path);
}

// The import works into the open document: no question about unsaved changes.
void frmMain::mnuIMport_Click() {
    if (!active_)
        return;
    const QString path = AskOpenFile(QStringLiteral("Import CSV"), csv::FileFilter);
    if (!path.isEmpty())
        active_->ImportCSV(path);
}

void frmMain::mnuExportTW_Click() {
    IDocument* document = active_;
    if (!document)
        return;
    const QString path =
        OverwriteLoop(QStringLiteral("Export to TW..."), TwFilter, QStringLiteral("tw"));
    if (path.isEmpty())
        return;
    try {
        document->ExportTWFile(path);
    } catch (const platform::RuntimeError& e) {
        platform::MsgBox(platform::ErrorText(e), platform::vbExclamation, QStringLiteral("Error"));
    }
}

// The import works into the open document: no unsaved-changes question.
void frmMain::mnuImportTPE_Click() {
    if (!active_)
        return;
    const QString path =
        AskOpenFile(QStringLiteral("Import TravelPlus"), TpeFilter, dialogFilterIndex_);
    if (!path.isEmpty())
        active_->TravelPlus(path);
}

void frmMain::mnuExportWizard_Click() {
    if (!active_)
        return;
    frmExportCSV dialog(this);
    platform::ExecModal(&dialog);
}

void frmMain::mnuexit_Click() {
    close();
}

void frmMain::mnuMRU_Click(int index) {
    // The file clicked, before a save of the unsaved changes puts another one
    // at this place in the list.
    const QString path =
        platform::GetSetting(QStringLiteral("MRU"), QStringLiteral("mru%1").arg(index));
    if (!active_)
        NewDocument();
    if (!UnsavedChangesStep())
        return;
    if (path.isEmpty())
        return;
    const int now = static_cast<int>(shell::ReadRecentFiles().indexOf(path));
    if (now < 0)
        AddToMRU(path);
    else
        shell::MoveRecentFileToTop(now);
    if (modFunctions::FileExists(path)) {
        active_->OpenFile(path);
        return;
    }
    const QString prompt = path + CrLf + QStringLiteral("This file does not exist.") + CrLf +
                           QStringLiteral("Select another?");
    if (platform::MsgBox(prompt, platform::vbYesNo | platform::vbExclamation) == platform::vbYes)
        mnuFileOpen_Click();
}

// --- View, Settings, Memories, Help ---

void frmMain::mnuViewToolbar_Click() {
    QAction* item = MenuItem(QStringLiteral("mnuViewToolbar"));
    item->setChecked(!item->isChecked());
    toolBar_->setVisible(item->isChecked());
}

void frmMain::mnuViewStatusBar_Click() {
    QAction* item = MenuItem(QStringLiteral("mnuViewStatusBar"));
    item->setChecked(!item->isChecked());
    sbStatusBar()->setVisible(item->isChecked());
}

void frmMain::mnuAutoShift_Click() {
    QAction* item = MenuItem(QStringLiteral("mnuAutoShift"));
    item->setChecked(!item->isChecked());
    platform::SaveBool(shell::SettingsSection, QStringLiteral("AutoShift"), item->isChecked());
}

void frmMain::mnuAutoSizeColumns_Click() {
    if (active_)
        active_->SizeCols();
}

void frmMain::mnuClearMem_Click() {
    if (!active_)
        return;
    if (platform::MsgBox(QStringLiteral("This will clear all main memory data. Are you sure?"),
                         platform::vbQuestion | platform::vbYesNo) != platform::vbYes)
        return;
    active_->ClearAll();
    active_->SaveGrid();
    active_->ClearAll();
}

void frmMain::mnuabout_Click() {
    ShowAbout(this);
}

void frmMain::mnuTransfer_Click() {
    MenuItem(QStringLiteral("mnuRead"))->setText(QStringLiteral("Read From ") + ShortName());
    MenuItem(QStringLiteral("mnuWrite"))->setText(QStringLiteral("Write To ") + ShortName());
    HideEditOnActive();
}

// --- Window ---

namespace {

// The document frames that are shown as windows (not minimised).
QList<QMdiSubWindow*> OpenFrames(const QMdiArea* area) {
    QList<QMdiSubWindow*> frames;
    for (QMdiSubWindow* frame : area->subWindowList(QMdiArea::CreationOrder))
        if (!frame->isMinimized() && !frame->isHidden())
            frames << frame;
    return frames;
}

// Lays frames out in equal bands across (vertical = false: one above the
// other, full width) or along the area.
void Tile(QMdiArea* area, bool sideBySide) {
    const QList<QMdiSubWindow*> frames = OpenFrames(area);
    if (frames.isEmpty())
        return;
    const QRect space = area->viewport()->rect();
    const int n = static_cast<int>(frames.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* frame = frames[i];
        if (frame->isMaximized())
            frame->showNormal();
        const int from = (sideBySide ? space.width() : space.height()) * i / n;
        const int to = (sideBySide ? space.width() : space.height()) * (i + 1) / n;
        frame->setGeometry(sideBySide ? QRect(from, 0, to - from, space.height())
                                      : QRect(0, from, space.width(), to - from));
    }
}

} // namespace

void frmMain::mnuWindowCascade_Click() {
    // Each window keeps its size, shrunk only where it would leave the area;
    // Qt's own cascade would size them by their (empty) size hints.
    const QList<QMdiSubWindow*> frames = OpenFrames(mdiArea_);
    const QRect space = mdiArea_->viewport()->rect();
    int offset = 0;
    for (QMdiSubWindow* frame : frames) {
        if (frame->isMaximized())
            frame->showNormal();
        const QSize room(std::max(1, space.width() - offset), std::max(1, space.height() - offset));
        frame->setGeometry(QRect(QPoint(offset, offset), frame->size().boundedTo(room)));
        frame->raise();
        offset += shell::CascadeStep(frame);
    }
    if (const DocumentEntry* entry = EntryOf(active_))
        mdiArea_->setActiveSubWindow(entry->frame);
}

void frmMain::mnuWindowTileHorizontal_Click() {
    Tile(mdiArea_, false);
}

void frmMain::mnuWindowTileVertical_Click() {
    Tile(mdiArea_, true);
}

void frmMain::mnuWindowArrangeIcons_Click() {
    // Minimised windows line up along the bottom edge, left to right.
    const QRect space = mdiArea_->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* frame : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!frame->isMinimized() || frame->isHidden())
            continue;
        const QSize size = frame->size();
        frame->move(x, space.height() - size.height());
        x += size.width();
    }
}

// --- toolbar ---

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    // First what opening a menu does: the active document's editor closes, so
    // the cell being edited is committed before the command sees the grid.
    HideEditOnActive();
    RunIgnoringErrors([this, &key] {
        // Buttons that stand for a menu item run that item's handler, as its
        // click does (errors shown the same way), whatever state another
        // document's tab left the item in: the handlers keep their own guards.
        static const QHash<QString, void (frmMain::*)()> handlerOf = {
            {QStringLiteral("New"), &frmMain::mnuFileNew_Click},
            {QStringLiteral("Open"), &frmMain::mnuFileOpen_Click},
            {QStringLiteral("Save"), &frmMain::mnuFileSave_Click},
            {QStringLiteral("Find"), &frmMain::mnuFind_Click},
            {QStringLiteral("Print"), &frmMain::mnuPrint_Click},
            {QStringLiteral("Read From Radio"), &frmMain::mnuRead_Click},
            {QStringLiteral("Write To Radio"), &frmMain::mnuWrite_Click},
        };
        if (const auto handler = handlerOf.value(key, nullptr)) {
            platform::RunGuarded([this, handler] { (this->*handler)(); });
            return;
        }
        if (key == QLatin1String("Cut"))
            CellCut();
        else if (key == QLatin1String("Copy"))
            CellCopy();
        else if (key == QLatin1String("Paste"))
            CellPaste();
        else if (!active_)
            return;
        else if (key == QLatin1String("Move Up"))
            active_->MoveUp();
        else if (key == QLatin1String("Move Down"))
            active_->MoveDown();
        else if (key == QLatin1String("Insert Blank"))
            active_->InsertBlank();
        else if (key == QLatin1String("Delete"))
            active_->DeleteRows(0);
        else if (key == QLatin1String("Clear"))
            active_->ClearRows();
    });
}
