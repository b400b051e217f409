#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "platform/core/Measures.h"
#include "platform/core/ProgramTitle.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/MsgBox.h"
#include "shell/ToolbarIcons.h"
#include "shell/Version.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The design size of the main window, before the settings are read.
constexpr int InitialWidthTwips = 9990;
constexpr int InitialHeightTwips = 7050;

struct ToolbarButton {
    int position;
    const char* key;
    const char* caption;
};

// Positions 4, 8, 11 and 17 are separators.
constexpr ToolbarButton kToolbarButtons[] = {
    {1, "New", "New"},
    {2, "Open", "Open"},
    {3, "Save", "Save"},
    {5, "Cut", "Cut"},
    {6, "Copy", "Copy"},
    {7, "Paste", "Paste"},
    {9, "Find", "Find"},
    {10, "Print", "Print"},
    {12, "Move Up", "Up"},
    {13, "Move Down", "Down"},
    {14, "Insert Blank", "Insert"},
    {15, "Delete", "Delete"},
    {16, "Clear", "Clear"},
    {18, "Read From Radio", "Read"},
    {19, "Write To Radio", "Write"},
};

const char* const KeyProperty = "Key";
const char* const CaptionProperty = "Caption";

} // namespace

frmMain::frmMain(DocumentFactory factory, QWidget* parent)
    : QMainWindow(parent), factory_(std::move(factory)) {
    setObjectName(QStringLiteral("frmMain"));
    // Message boxes carry the program's title unless they name their own.
    platform::SetApplicationTitle(platform::ProgramTitle());
    setWindowTitle(platform::ProgramTitle());
    setWindowIcon(shell::ProgramIcon());
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    // Closing the active document hands the activation to the one used last.
    mdiArea_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this,
            platform::Guarded([this](QMdiSubWindow* window) { OnSubWindowActivated(window); }));

    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    SetInitialSize();
    SetMainForm(this);
}

frmMain::~frmMain() {
    // The frames die with the frame window; nothing of theirs may reach a
    // main window that is half gone.
    closing_ = true;
    mdiArea_->disconnect(this);
    // Every frame still there, closed ones waiting to be deleted included.
    for (QMdiSubWindow* frame : mdiArea_->findChildren<QMdiSubWindow*>()) {
        frame->disconnect(this);
        frame->removeEventFilter(this);
    }
    documents_.clear();
    activation_.clear();
    active_ = nullptr;
    if (MainForm() == this)
        SetMainForm(nullptr);
}

void frmMain::SetInitialSize() {
    resize(platform::TwipsToPixels(InitialWidthTwips), platform::TwipsToPixels(InitialHeightTwips));
}

// --- menus ---

QMenu* frmMain::AddTopMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menus_.insert(name, menu);
    items_.insert(name, menu->menuAction());
    return menu;
}

QAction* frmMain::AddItem(QMenu* menu, const QString& name, const QString& caption,
                          void (frmMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    items_.insert(name, action);
    if (handler)
        connect(action, &QAction::triggered, this,
                platform::Guarded([this, handler] { (this->*handler)(); }));
    return action;
}

QAction* frmMain::AddCheckItem(QMenu* menu, const QString& name, const QString& caption,
                               void (frmMain::*handler)()) {
    QAction* action = AddItem(menu, name, caption);
    action->setCheckable(true);
    // The handler inverts the check mark itself, as it does when code calls
    // it, so the toggle Qt made on the click is taken back first.
    const auto toggle = [this, action, handler] {
        action->setChecked(!action->isChecked());
        (this->*handler)();
    };
    connect(action, &QAction::triggered, this, platform::Guarded(toggle));
    return action;
}

void frmMain::AddSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    items_.insert(name, separator);
}

QAction* frmMain::MenuItem(const QString& name) const {
    return items_.value(name, nullptr);
}

QMenu* frmMain::TopMenu(const QString& name) const {
    return menus_.value(name, nullptr);
}

void frmMain::BuildMenus() {
    BuildFileMenu();
    BuildEditViewSettingsMenus();
    BuildMemoriesTransferMenus();
    BuildWindowHelpMenus();
    // Before a menu drops down the active document commits or drops a cell
    // being edited, so that no command runs beside an open editor.
    for (QMenu* menu : std::as_const(menus_)) {
        const auto prepare = [this, menu] {
            if (menu == TopMenu(QStringLiteral("mnuTransfer")))
                mnuTransfer_Click();
            else
                HideEditOnActive();
            if (menu == TopMenu(QStringLiteral("mnuFile")))
                LoadMRU();
            if (menu == TopMenu(QStringLiteral("mnuWindow")))
                RebuildWindowList();
        };
        connect(menu, &QMenu::aboutToShow, this, platform::Guarded(prepare));
    }
}

void frmMain::BuildFileMenu() {
    QMenu* m = AddTopMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    AddItem(m, QStringLiteral("mnuFileNew"), QStringLiteral("&New"), &frmMain::mnuFileNew_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddItem(m, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open..."),
            &frmMain::mnuFileOpen_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AddItem(m, QStringLiteral("mnuFileClose"), QStringLiteral("&Close"),
            &frmMain::mnuFileClose_Click);
    AddSeparator(m, QStringLiteral("mnuFileBar0"));
    AddItem(m, QStringLiteral("mnuFileSave"), QStringLiteral("&Save"), &frmMain::mnuFileSave_Click);
    AddItem(m, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As..."),
            &frmMain::mnuFileSaveAs_Click);
    AddSeparator(m, QStringLiteral("mnuFileBar1"));
    AddItem(m, QStringLiteral("mnuImportTW"), QStringLiteral("Import From .TW..."),
            &frmMain::mnuImportTW_Click);
    AddItem(m, QStringLiteral("mnuExportTW"), QStringLiteral("Export to .TW..."),
            &frmMain::mnuExportTW_Click);
    AddSeparator(m, QStringLiteral("mnuSepTW"));
    AddItem(m, QStringLiteral("mnuIMport"), QStringLiteral("&Import From .CSV..."),
            &frmMain::mnuIMport_Click);
    AddItem(m, QStringLiteral("mnuExportWizard"), QStringLiteral("&Export to .CSV..."),
            &frmMain::mnuExportWizard_Click);
    AddSeparator(m, QStringLiteral("mnuTpeSep"));
    AddItem(m, QStringLiteral("mnuImportTPE"), QStringLiteral("Import from TravelPlus .TPE..."),
            &frmMain::mnuImportTPE_Click);
    AddSeparator(m, QStringLiteral("mnusep3"));
    AddItem(m, QStringLiteral("mnuPrint"), QStringLiteral("&Print..."), &frmMain::mnuPrint_Click);
    AddSeparator(m, QStringLiteral("mnusepimpt"));
    AddItem(m, QStringLiteral("mnuexit"), QStringLiteral("E&xit"), &frmMain::mnuexit_Click);
    mruSeparator_ = m->addSeparator();
    mruSeparator_->setObjectName(QStringLiteral("mnuMRUSep"));
    items_.insert(QStringLiteral("mnuMRUSep"), mruSeparator_);
    for (int i = 0; i < MRUItems; ++i) {
        QAction* item = m->addAction(QStringLiteral("&%1").arg(i + 1));
        item->setObjectName(QStringLiteral("mnuMRU"));
        item->setProperty("Index", i);
        connect(item, &QAction::triggered, this, platform::Guarded([this, i] { mnuMRU_Click(i); }));
        mru_[static_cast<size_t>(i)] = item;
    }
}

void frmMain::BuildEditViewSettingsMenus() {
    QMenu* edit = AddTopMenu(QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    AddItem(edit, QStringLiteral("mnuEditCut"), QStringLiteral("Cu&t"), &frmMain::CellCut);
    AddItem(edit, QStringLiteral("mnuEditCopy"), QStringLiteral("&Copy"), &frmMain::CellCopy);
    AddItem(edit, QStringLiteral("mnuEditPaste"), QStringLiteral("&Paste"), &frmMain::CellPaste);

    QMenu* view = AddTopMenu(QStringLiteral("mnuView"), QStringLiteral("&View"));
    AddCheckItem(view, QStringLiteral("mnuViewToolbar"), QStringLiteral("&Toolbar"),
                 &frmMain::mnuViewToolbar_Click)
        ->setChecked(true);
    AddCheckItem(view, QStringLiteral("mnuViewStatusBar"), QStringLiteral("Status &Bar"),
                 &frmMain::mnuViewStatusBar_Click)
        ->setChecked(true);

    QMenu* settings = AddTopMenu(QStringLiteral("mnuSettings"), QStringLiteral("&Settings"));
    AddItem(settings, QStringLiteral("mnuGridFont"), QStringLiteral("Grid &Font..."),
            &frmMain::mnuGridFont_Click);
    AddItem(settings, QStringLiteral("mnuGridColors"), QStringLiteral("Grid &Colors..."),
            &frmMain::mnuGridColors_Click);
    AddItem(settings, QStringLiteral("mnuColumnSettings"), QStringLiteral("&Column Settings..."),
            &frmMain::mnuColumnSettings_Click);
    AddItem(settings, QStringLiteral("mnuOptions"), QStringLiteral("&Options..."),
            &frmMain::mnuOptions_Click);
    AddSeparator(settings, QStringLiteral("mnusepgrid"));
    AddCheckItem(settings, QStringLiteral("mnuAutoShift"), QStringLiteral("Use Auto-&Shift"),
                 &frmMain::mnuAutoShift_Click);
    AddSeparator(settings, QStringLiteral("mnusepdebug"));
    AddItem(settings, QStringLiteral("mnuAutoSizeColumns"), QStringLiteral("&Auto-Size Columns"),
            &frmMain::mnuAutoSizeColumns_Click);
}

void frmMain::BuildMemoriesTransferMenus() {
    QMenu* memories = AddTopMenu(QStringLiteral("mnuMemories"), QStringLiteral("&Memories"));
    AddItem(memories, QStringLiteral("mnuFind"), QStringLiteral("&Find..."),
            &frmMain::mnuFind_Click);
    AddItem(memories, QStringLiteral("mnuSort"), QStringLiteral("Sort..."),
            &frmMain::mnuSort_Click);
    AddItem(memories, QStringLiteral("mnuDupCheck"), QStringLiteral("Check for &Duplicate Freqs"),
            &frmMain::mnuDupCheck_Click);
    AddSeparator(memories, QStringLiteral("mnusep888"));
    AddItem(memories, QStringLiteral("mnuClearMem"), QStringLiteral("&Clear All Memories"),
            &frmMain::mnuClearMem_Click);
    AddSeparator(memories, QStringLiteral("mnuBandSep"));
    AddItem(memories, QStringLiteral("mnuEditBandLimits"), QStringLiteral("&Band Limits..."),
            &frmMain::mnuEditBandLimits_Click);

    QMenu* transfer = AddTopMenu(QStringLiteral("mnuTransfer"), QStringLiteral("&Transfer"));
    AddItem(transfer, QStringLiteral("mnuPort"), QStringLiteral("&Port..."),
            &frmMain::mnuPort_Click);
    AddSeparator(transfer, QStringLiteral("mnusepct"));
    AddItem(transfer, QStringLiteral("mnuRead"), QStringLiteral("&Read from Radio"),
            &frmMain::mnuRead_Click);
    AddItem(transfer, QStringLiteral("mnuWrite"), QStringLiteral("&Write To Radio"),
            &frmMain::mnuWrite_Click);
}

void frmMain::BuildWindowHelpMenus() {
    QMenu* window = AddTopMenu(QStringLiteral("mnuWindow"), QStringLiteral("&Window"));
    AddItem(window, QStringLiteral("mnuWindowNewWindow"), QStringLiteral("&New Window"),
            &frmMain::mnuFileNew_Click);
    AddSeparator(window, QStringLiteral("mnuWindowBar0"));
    AddItem(window, QStringLiteral("mnuWindowCascade"), QStringLiteral("&Cascade"),
            &frmMain::mnuWindowCascade_Click);
    AddItem(window, QStringLiteral("mnuWindowTileHorizontal"), QStringLiteral("Tile &Horizontal"),
            &frmMain::mnuWindowTileHorizontal_Click);
    AddItem(window, QStringLiteral("mnuWindowTileVertical"), QStringLiteral("Tile &Vertical"),
            &frmMain::mnuWindowTileVertical_Click);
    AddItem(window, QStringLiteral("mnuWindowArrangeIcons"), QStringLiteral("&Arrange Icons"),
            &frmMain::mnuWindowArrangeIcons_Click);

    QMenu* help = AddTopMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    AddItem(help, QStringLiteral("mnuReadMe"), QStringLiteral("&ReadMe..."),
            &frmMain::mnuReadMe_Click);
    AddItem(help, QStringLiteral("mnuabout"), QStringLiteral("&About..."),
            &frmMain::mnuabout_Click);
}

// --- toolbar and status bar ---

void frmMain::BuildToolbar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(16, 16));
    // Nineteen positions with captions fit the window's design width only
    // when the buttons keep their padding small.
    toolBar_->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; } "
                                           "QToolButton { padding: 1px 1px; font-size: 8pt; }"));
    size_t next = 0;
    for (int position = 1; position <= ToolbarPositions; ++position) {
        if (next >= std::size(kToolbarButtons) || kToolbarButtons[next].position != position) {
            buttons_[static_cast<size_t>(position)] = toolBar_->addSeparator();
            continue;
        }
        const ToolbarButton& b = kToolbarButtons[next++];
        const QString key = QString::fromLatin1(b.key);
        QAction* button = toolBar_->addAction(shell::ToolbarIcon(key), QString());
        button->setObjectName(QStringLiteral("tbButton%1").arg(position));
        button->setProperty(KeyProperty, key);
        button->setProperty(CaptionProperty, QString::fromLatin1(b.caption));
        button->setToolTip(key);
        connect(button, &QAction::triggered, this,
                platform::Guarded([this, key] { tbToolBar_ButtonClick(key); }));
        buttons_[static_cast<size_t>(position)] = button;
    }
    ShowToolbarCaptions();
}

QString frmMain::tbButtonKey(int position) const {
    return tbButton(position)->property(KeyProperty).toString();
}

void frmMain::ShowToolbarCaptions() {
    for (const ToolbarButton& b : kToolbarButtons)
        tbButton(b.position)->setText(QString::fromLatin1(b.caption));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void frmMain::HideToolbarCaptions() {
    for (const ToolbarButton& b : kToolbarButtons)
        tbButton(b.position)->setText(QString());
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    panel1_ = new QLabel(bar);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    bar->addWidget(panel1_, 1);
}

QStatusBar* frmMain::sbStatusBar() const {
    return statusBar();
}
