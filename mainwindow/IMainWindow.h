#pragma once
// What the documents, dialogs and transfer windows may ask of the main window.
// The shell's frmMain implements it; tests hand a fake one to the windows they
// drive. Every forwarding operation acts on the active document.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>

class IMainWindow {
public:
    virtual ~IMainWindow() = default;

    // Menu and toolbar state for the active document: with data, without data, none.
    virtual void InitGUI() = 0;
    virtual void EnableGUI() = 0;
    virtual void CheckGUI() = 0;

    // Enabled state of one menu item ("mnuEditCut", ...) or toolbar button
    // (1-based index of tbToolBar), as the document's tab change sets them.
    virtual void SetMenuEnabled(const QString& menuName, bool enabled) = 0;
    virtual void SetToolbarButtonEnabled(int index, bool enabled) = 0;
    // The check mark of mnuAutoShift: automatic repeater shift on new rows.
    virtual bool AutoShiftChecked() const = 0;

    // File > Save for the active document. Returns whether it saved; sets
    // Program().SaveCancelled when it did not (dialog cancelled, save failed).
    virtual bool SaveData() = 0;

    // Mouse wheel: three rows per message on the active document's current grid.
    virtual void ScrollUp() = 0;
    virtual void ScrollDown() = 0;

    // The clone link's and the band-limit editor's way to the active document.
    virtual void Sbyt(const QByteArray& data) = 0;
    virtual void FillGrid() = 0;
    virtual void SetWriteBytes() = 0;
    virtual QString GetBandLimit(int index) = 0;
    virtual void SetBandLimit(int index, const QString& text) = 0;
    virtual bool CheckBandLimits(QStringList& limits) = 0;

    // Cell clipboard and the column context menus.
    virtual void CellCut() = 0;
    virtual void CellCopy() = 0;
    virtual void CellPaste() = 0;
    virtual void InsertBlank() = 0;
    virtual void Delete() = 0;
    virtual void InsertCut() = 0;
    virtual void SetMass(const QString& value) = 0;
    virtual void IncrementTags() = 0;
    // Pops up one of the column context menus ("mnuEdit", "mnu7" .. "mnu12")
    // at a global position.
    virtual void ShowColumnMenu(const QString& menuName, const QPoint& globalPos) = 0;

    // Dialog callbacks.
    virtual int32_t GetRow() = 0;
    virtual void Find(const QString& text, int16_t scope) = 0;
    virtual void TestSort(const QString& scope, int keyIndex, const QString& direction) = 0;
    virtual void TestDups(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                          bool& deleteDuplicates) = 0;
    virtual QString GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) = 0;
    virtual void CopyWindowsClip() = 0;

    // The shell's text window: a caption and a read-only scrolling text.
    virtual void ShowStatus(const QString& caption, const QString& text, bool modal) = 0;
};

// The one main window; null until the shell (or a test) sets it.
IMainWindow* MainForm();
// The main window for a caller that cannot go on without one: raises
// run-time error 91 while none is set.
IMainWindow& RequireMainForm();
void SetMainForm(IMainWindow* mainWindow);
