#pragma once
// The main window: the multiple-document frame with the menu bar, the toolbar
// tbToolBar and the status bar sbStatusBar that serve every document window.
//
// Every command acts on the active document, which the window tracks itself:
// set when a document is created or activated, kept while a modal window
// takes Qt's activation away, cleared when that document closes (the most
// recently active remaining one then takes over).
//
// The implementation is spread over files named after what they hold:
// frmMain.cpp (window, menus, toolbar, status bar), frmMain_life.cpp (load,
// documents, shut-down, settings, recent files), frmMain_gui.cpp (enabling),
// frmMain_commands.cpp (menu and toolbar commands), frmMain_forward.cpp (the
// operations documents and dialogs call), frmMain_clipboard.cpp (the cell
// clipboard and the column menus), frmMain_find.cpp (find), frmMain_sort.cpp
// (the sort and duplicate-check dialogs), frmMain_looks.cpp (grid font,
// colours, column settings, options), frmMain_print.cpp (printing).

#include "mainwindow/IMainWindow.h"
#include "shell/DocumentPlacement.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class IDocument;
class frmPopups;
class frmPrintForm;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolBar;

namespace platform {
class FlexGrid;
class Printer;
} // namespace platform

// The accessor of a menu or item, named after it.
#define FERROWIND_TOP_MENU(name)                                                                   \
    QMenu* name() const {                                                                          \
        return TopMenu(QStringLiteral(#name));                                                     \
    }
#define FERROWIND_MENU_ITEM(name)                                                                  \
    QAction* name() const {                                                                        \
        return MenuItem(QStringLiteral(#name));                                                    \
    }

class frmMain : public QMainWindow, public IMainWindow {
    Q_OBJECT
public:
    // Makes a new document window (its own load runs inside); the main window
    // puts it into the frame. Tests hand in their own.
    using DocumentFactory = std::function<IDocument*()>;

    static constexpr int ToolbarPositions = 19;
    static constexpr int MRUItems = 5;

    explicit frmMain(DocumentFactory factory = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- life cycle ---
    // The load sequence; commandLine is the program's arguments joined by
    // single blanks.
    void MDIForm_Load(const QString& commandLine = QString());
    void NewDocument();
    // An active document whose caption is not empty (an empty caption marks
    // a document that is closing).
    bool IsFormLoaded() const;
    IDocument* ActiveDocument() const { return active_; }
    // Open documents in creation order.
    std::vector<IDocument*> Documents() const;
    QMdiArea* MdiArea() const { return mdiArea_; }

    // --- settings and recent files ---
    void LoadSettings();
    void SaveSettings();
    void LoadMRU();
    void AddToMRU(const QString& path);

    // --- menu and toolbar state ---
    void InitGUI() override;
    void EnableGUI() override;
    void CheckGUI() override;
    void ShowToolbarCaptions();
    void HideToolbarCaptions();

    // --- controls ---
    // Any menu item by name; a top-level menu by its name gives its menu action.
    QAction* MenuItem(const QString& name) const;
    QMenu* TopMenu(const QString& name) const;
    QAction* mnuMRU(int index) const { return mru_.at(static_cast<size_t>(index)); }
    // Named accessors of the menus and their items.
    // clang-format off
    FERROWIND_TOP_MENU(mnuFile)
    FERROWIND_TOP_MENU(mnuEdit)
    FERROWIND_TOP_MENU(mnuView)
    FERROWIND_TOP_MENU(mnuSettings)
    FERROWIND_TOP_MENU(mnuMemories)
    FERROWIND_TOP_MENU(mnuTransfer)
    FERROWIND_TOP_MENU(mnuWindow)
    FERROWIND_TOP_MENU(mnuHelp)
    FERROWIND_MENU_ITEM(mnuFileNew)
    FERROWIND_MENU_ITEM(mnuFileOpen)
    FERROWIND_MENU_ITEM(mnuFileClose)
    FERROWIND_MENU_ITEM(mnuFileSave)
    FERROWIND_MENU_ITEM(mnuFileSaveAs)
    FERROWIND_MENU_ITEM(mnuImportTW)
    FERROWIND_MENU_ITEM(mnuExportTW)
    FERROWIND_MENU_ITEM(mnuIMport)
    FERROWIND_MENU_ITEM(mnuExportWizard)
    FERROWIND_MENU_ITEM(mnuImportTPE)
    FERROWIND_MENU_ITEM(mnuPrint)
    FERROWIND_MENU_ITEM(mnuexit)
    FERROWIND_MENU_ITEM(mnuMRUSep)
    FERROWIND_MENU_ITEM(mnuEditCut)
    FERROWIND_MENU_ITEM(mnuEditCopy)
    FERROWIND_MENU_ITEM(mnuEditPaste)
    FERROWIND_MENU_ITEM(mnuViewToolbar)
    FERROWIND_MENU_ITEM(mnuViewStatusBar)
    FERROWIND_MENU_ITEM(mnuGridFont)
    FERROWIND_MENU_ITEM(mnuGridColors)
    FERROWIND_MENU_ITEM(mnuColumnSettings)
    FERROWIND_MENU_ITEM(mnuOptions)
    FERROWIND_MENU_ITEM(mnuAutoShift)
    FERROWIND_MENU_ITEM(mnuAutoSizeColumns)
    FERROWIND_MENU_ITEM(mnuFind)
    FERROWIND_MENU_ITEM(mnuSort)
    FERROWIND_MENU_ITEM(mnuDupCheck)
    FERROWIND_MENU_ITEM(mnuClearMem)
    FERROWIND_MENU_ITEM(mnuEditBandLimits)
    FERROWIND_MENU_ITEM(mnuPort)
    FERROWIND_MENU_ITEM(mnuRead)
    FERROWIND_MENU_ITEM(mnuWrite)
    FERROWIND_MENU_ITEM(mnuWindowNewWindow)
    FERROWIND_MENU_ITEM(mnuWindowCascade)
    FERROWIND_MENU_ITEM(mnuWindowTileHorizontal)
    FERROWIND_MENU_ITEM(mnuWindowTileVertical)
    FERROWIND_MENU_ITEM(mnuWindowArrangeIcons)
    FERROWIND_MENU_ITEM(mnuReadMe)
    FERROWIND_MENU_ITEM(mnuabout)
    // clang-format on
    QToolBar* tbToolBar() const { return toolBar_; }
    // Toolbar positions 1..19; 4, 8, 11 and 17 are separators.
    QAction* tbButton(int position) const { return buttons_.at(static_cast<size_t>(position)); }
    QString tbButtonKey(int position) const;
    QStatusBar* sbStatusBar() const;
    QLabel* StatusPanel1() const { return panel1_; }

    // --- commands ---
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuImportTW_Click();
    void mnuIMport_Click();
    void mnuExportTW_Click();
    void mnuImportTPE_Click();
    void mnuExportWizard_Click();
    void mnuexit_Click();
    void mnuMRU_Click(int index);
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuAutoShift_Click();
    void mnuAutoSizeColumns_Click();
    void mnuClearMem_Click();
    void mnuSort_Click();
    void mnuDupCheck_Click();
    void mnuabout_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuTransfer_Click();
    void mnuPort_Click();
    void mnuRead_Click();
    void mnuWrite_Click();
    void mnuEditBandLimits_Click();
    void mnuReadMe_Click();
    void mnuFind_Click();
    void mnuGridFont_Click();
    void mnuGridColors_Click();
    void mnuColumnSettings_Click();
    void mnuOptions_Click();
    // Colours grids 0-6 of every document in the grid colours.
    void SetColors();
    void tbToolBar_ButtonClick(const QString& key);

    // --- printing (frmMain_print.cpp) ---
    void mnuPrint_Click();
    // The print dialog on the current printer; confirmed, the grids print.
    void ShowPrinter(QWidget* frmOwner);
    // The active document's grids as one job on the current printer.
    void PrintGrids(const QString& sTitle);

    // --- cell clipboard (frmMain_clipboard.cpp) ---
    // One copied grid row: cell c holds what was copied from grid column c,
    // "" where nothing was copied.
    static constexpr int ClipboardColumns = 41;
    using ClipboardRow = std::array<QString, ClipboardColumns>;
    // Shared by every document. Row 0 never holds data, rows 1..n are the
    // copied rows, top first; n = 0 is empty.
    std::vector<ClipboardRow> CellClipboard = std::vector<ClipboardRow>(1);
    // Whether the last copy or cut took whole rows.
    bool ClipWholeRows = false;
    // The current grid's selection, ascending (SetSelection).
    int32_t SelTop = 0;
    int32_t SelBottom = 0;
    int32_t SelLeft = 0;
    int32_t SelRight = 0;
    void SetSelection();
    // The selection spans every data column of the current grid.
    bool IsRowSelected();
    // The window holding the column menus; made on first use.
    frmPopups* Popups();

    // --- find (frmMain_find.cpp) ---
    // Where the next search starts, shared by every document; 0 means row 1.
    int16_t FindRow = 0;

    // --- IMainWindow ---
    void SetMenuEnabled(const QString& menuName, bool enabled) override;
    void SetToolbarButtonEnabled(int index, bool enabled) override;
    bool AutoShiftChecked() const override;
    bool SaveData() override;
    void ScrollUp() override;
    void ScrollDown() override;
    void Sbyt(const QByteArray& data) override;
    void FillGrid() override;
    void SetWriteBytes() override;
    QString GetBandLimit(int index) override;
    void SetBandLimit(int index, const QString& text) override;
    bool CheckBandLimits(QStringList& limits) override;
    void CellCut() override;
    void CellCopy() override;
    void CellPaste() override;
    void InsertBlank() override;
    void Delete() override;
    void InsertCut() override;
    void SetMass(const QString& value) override;
    void IncrementTags() override;
    void ShowColumnMenu(const QString& menuName, const QPoint& globalPos) override;
    int32_t GetRow() override;
    void Find(const QString& text, int16_t scope) override;
    void TestSort(const QString& scope, int keyIndex, const QString& direction) override;
    void TestDups(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                  bool& deleteDuplicates) override;
    QString GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) override;
    void CopyWindowsClip() override;
    void ShowStatus(const QString& caption, const QString& text, bool modal) override;

signals:
    // The main window has unloaded: the program ends.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DocumentEntry {
        IDocument* document = nullptr;
        QMdiSubWindow* frame = nullptr;
    };

    // Construction (frmMain.cpp).
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditViewSettingsMenus();
    void BuildMemoriesTransferMenus();
    void BuildWindowHelpMenus();
    void BuildToolbar();
    void BuildStatusBar();
    QMenu* AddTopMenu(const QString& name, const QString& caption);
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     void (frmMain::*handler)() = nullptr);
    QAction* AddCheckItem(QMenu* menu, const QString& name, const QString& caption,
                          void (frmMain::*handler)());
    void AddSeparator(QMenu* menu, const QString& name);
    void SetInitialSize();

    // Documents (frmMain_life.cpp).
    void OnSubWindowActivated(QMdiSubWindow* frame);
    void ActivateDocument(IDocument* document);
    void DocumentClosed(QMdiSubWindow* frame);
    const DocumentEntry* EntryOf(const QMdiSubWindow* frame) const;
    const DocumentEntry* EntryOf(const IDocument* document) const;
    bool QueryUnloadDocuments();
    void UnloadDocuments();
    void MDIForm_Unload();
    // startFolder: the current folder before the settings changed it.
    void OpenCommandLine(const QString& commandLine, const QString& startFolder);
    void ReadWindowPlacement();
    void RebuildWindowList();

    // Commands (frmMain_commands.cpp).
    bool HasFile(const IDocument* document) const;
    // False when the command is to end (Cancel).
    bool UnsavedChangesStep();
    // The chosen path, or empty when the user cancelled.
    QString OverwriteLoop(const QString& title, const QString& filter, const QString& defaultExt);
    // filterIndex: the filter shown first, 1-based.
    QString AskOpenFile(const QString& title, const QString& filter, int filterIndex = 1);
    bool SaveDocumentTo(IDocument* document, const QString& path);
    void HideEditOnActive();
    void RunIgnoringErrors(const std::function<void()>& work);
    // The active document's current grid, or nullptr.
    platform::FlexGrid* CurrentGrid() const;

    // Grid looks and options (frmMain_looks.cpp).
    // SaveGrid on every document; false at the first that stopped.
    bool SaveEveryGrid();
    // Initgrid and FillGrid on every document.
    void RebuildEveryGrid();

    // Transfer commands (frmMain_transfer.cpp).
    // Shows BandLimitReport without its final comma, when it holds any.
    void ShowBandLimitReport(const QString& caption);

    // Printing (frmMain_print.cpp).
    frmPrintForm* PrintForm();
    void PrintPages(platform::Printer& printer, IDocument& document, const QString& sTitle);

    // Enabling (frmMain_gui.cpp).
    void SetDocumentControlsEnabled(IDocument* document, bool enabled);
    void SetMenusEnabled(const QStringList& names, bool enabled);

    DocumentFactory factory_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* panel1_ = nullptr;
    QHash<QString, QAction*> items_;
    QHash<QString, QMenu*> menus_;
    std::array<QAction*, MRUItems> mru_{};
    QAction* mruSeparator_ = nullptr;
    std::array<QAction*, ToolbarPositions + 1> buttons_{};
    std::vector<QAction*> windowListItems_;

    std::vector<DocumentEntry> documents_; // creation order
    std::vector<IDocument*> activation_;   // most recently active last
    IDocument* active_ = nullptr;
    int32_t documentCounter_ = 0;
    shell::DocumentPlacer placer_;
    bool closing_ = false;
    frmPopups* popups_ = nullptr;
    frmPrintForm* printForm_ = nullptr;
    // The one file dialog keeps the default extension the last save dialog
    // set; the open dialogs set none of their own.
    QString dialogDefaultExt_;
    // The filter index the dialog last returned; the TravelPlus import opens
    // with it, as it sets none of its own.
    int dialogFilterIndex_ = 1;
};

#undef FERROWIND_TOP_MENU
#undef FERROWIND_MENU_ITEM
