#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "document/frmDocument.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "program/modFunctions.h"
#include "shell/ProgramSettings.h"
#include "shell/RecentFiles.h"
#include "shell/ToolbarIcons.h"
#include "shell/Version.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

int TwipsToPixelsRounded(double twips) {
    return static_cast<int>(std::lround(twips / platform::TwipsPerPixel));
}

QString ShortName() {
    return Program().Radio ? Program().Radio->ShortName() : clsRadio().ShortName();
}

} // namespace

// --- load ---

void frmMain::MDIForm_Load(const QString& commandLine) {
    const QString startFolder = QDir::currentPath();
    SetColumnCaptions();
    SetColumnWidths();
    InitProgramSettings();
    Program().Radio = std::make_shared<clsRadio>();
    LoadSettings();
    NewDocument();
    setWindowTitle(shell::MainCaption());
    panel1_->setText(shell::StatusPanelText());
    InitGUI();
    // The cell clipboard starts empty by construction.
    OpenCommandLine(commandLine, startFolder);
}

void frmMain::OpenCommandLine(const QString& commandLine, const QString& startFolder) {
    if (commandLine.isEmpty()) {
        if (Program().OpenLastUsed)
            mnuMRU_Click(0);
        return;
    }
    // The shell has already taken the quotes off a quoted path; only a path
    // that still carries both is unwrapped.
    QString path = commandLine;
    if (path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty() || !active_)
        return;
    // A relative path names a file beside the user who started the program,
    // not one in the working folder the settings have just restored.
    if (QDir::isRelativePath(path))
        path = QDir::cleanPath(QDir(startFolder).absoluteFilePath(path));
    active_->OpenFile(path);
    AddToMRU(path);
}

// --- documents ---

void frmMain::NewDocument() {
    ++documentCounter_;
    IDocument* document = factory_ ? factory_() : new frmDocument();
    document->setCaption(ShortName() + QStringLiteral(" File ") +
                         QString::number(documentCounter_));
    QMdiSubWindow* frame = mdiArea_->addSubWindow(document->Window());
    frame->setWindowIcon(shell::ProgramIcon());
    frame->installEventFilter(this);
    connect(frame, &QObject::destroyed, this, [this, frame] { DocumentClosed(frame); });
    documents_.push_back({document, frame});
    frame->show();
    placer_.place(frame);
    ActivateDocument(document);
    mdiArea_->setActiveSubWindow(frame);
    // A document without data has its grids disabled, so nothing in it takes
    // the focus; the frame holds it instead, or the window before would get
    // it back, and with it the activation, when a modal window closes.
    QWidget* focus = focusWidget();
    if (focus != frame && !frame->isAncestorOf(focus))
        frame->setFocus();
}

std::vector<IDocument*> frmMain::Documents() const {
    std::vector<IDocument*> list;
    for (const DocumentEntry& entry : documents_)
        list.push_back(entry.document);
    return list;
}

bool frmMain::IsFormLoaded() const {
    return active_ && !active_->Caption().isEmpty();
}

const frmMain::DocumentEntry* frmMain::EntryOf(const QMdiSubWindow* frame) const {
    for (const DocumentEntry& entry : documents_)
        if (entry.frame == frame)
            return &entry;
    return nullptr;
}

const frmMain::DocumentEntry* frmMain::EntryOf(const IDocument* document) const {
    for (const DocumentEntry& entry : documents_)
        if (entry.document == document)
            return &entry;
    return nullptr;
}

void frmMain::OnSubWindowActivated(QMdiSubWindow* frame) {
    // Qt reports no active window while a modal window is open; the active
    // document stays what it was until another one is activated or it closes.
    if (const DocumentEntry* entry = EntryOf(frame))
        ActivateDocument(entry->document);
}

void frmMain::ActivateDocument(IDocument* document) {
    if (document == active_)
        return;
    active_ = document;
    activation_.erase(std::remove(activation_.begin(), activation_.end(), document),
                      activation_.end());
    activation_.push_back(document);
    if (!closing_)
        document->Form_Activate();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A document frame whose close was accepted is hidden at once and deleted
    // later; from the moment it is hidden it no longer counts as open.
    // Minimizing, maximizing and restoring hide the frame (and on the way back
    // from minimized the document too) for a moment: only an unloaded
    // document is a closed one.
    if (event->type() == QEvent::Hide) {
        auto* frame = qobject_cast<QMdiSubWindow*>(watched);
        const DocumentEntry* entry = frame ? EntryOf(frame) : nullptr;
        if (entry && entry->document->IsUnloaded())
            DocumentClosed(frame);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::DocumentClosed(QMdiSubWindow* frame) {
    const DocumentEntry* entry = EntryOf(frame);
    if (!entry)
        return;
    IDocument* document = entry->document;
    frame->removeEventFilter(this);
    documents_.erase(documents_.begin() + (entry - documents_.data()));
    activation_.erase(std::remove(activation_.begin(), activation_.end(), document),
                      activation_.end());
    if (document != active_)
        return;
    active_ = nullptr;
    if (closing_)
        return;
    if (activation_.empty()) {
        CheckGUI();
        return;
    }
    IDocument* next = activation_.back();
    ActivateDocument(next);
    mdiArea_->setActiveSubWindow(EntryOf(next)->frame);
}

// --- shut-down ---

void frmMain::closeEvent(QCloseEvent* event) {
    if (!QueryUnloadDocuments()) {
        event->ignore();
        return;
    }
    closing_ = true;
    UnloadDocuments();
    MDIForm_Unload();
    event->accept();
    emit Unloaded();
}

bool frmMain::QueryUnloadDocuments() {
    // A copy: a document's save may not change the list, but nothing here
    // should depend on that.
    const std::vector<DocumentEntry> entries = documents_;
    IDocument* const wasActive = active_;
    for (const DocumentEntry& entry : entries) {
        // The prompt's Yes saves the active document, so the document asked
        // is made the active one first.
        ActivateDocument(entry.document);
        mdiArea_->setActiveSubWindow(entry.frame);
        if (!entry.document->QueryUnload()) {
            // A cancelled close leaves the windows as they were, the active
            // one included.
            if (const DocumentEntry* before = EntryOf(wasActive)) {
                ActivateDocument(wasActive);
                mdiArea_->setActiveSubWindow(before->frame);
            }
            return false;
        }
    }
    return true;
}

void frmMain::UnloadDocuments() {
    const std::vector<DocumentEntry> entries = documents_;
    for (const DocumentEntry& entry : entries)
        entry.document->Unload();
}

void frmMain::MDIForm_Unload() {
    Program().Radio.reset();
    SaveSettings();
    platform::FlushSettings();
}

// --- settings ---

void frmMain::LoadSettings() {
    ReadWindowPlacement();
    bool autoShift = false;
    platform::ReadBool(shell::SettingsSection, QStringLiteral("AutoShift"), autoShift, false);
    MenuItem(QStringLiteral("mnuAutoShift"))->setChecked(autoShift);
    shell::ReadProgramFlags();
    if (Program().UseTextLabels)
        ShowToolbarCaptions();
    else
        HideToolbarCaptions();
    const QString folder = platform::GetSetting(shell::SettingsSection, QStringLiteral("FilePath"));
    if (modFunctions::FileExists(folder))
        QDir::setCurrent(folder);
    LoadMRU();
}

void frmMain::ReadWindowPlacement() {
    int32_t state = 0;
    platform::ReadInt32(shell::SettingsSection, QStringLiteral("WindowState"), state, 0);
    if (state == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    if (state == 1) {
        setWindowState(Qt::WindowMinimized);
        return;
    }
    // The defaults of Top and Left centre the window for the size it has at
    // the moment each is read, as Height and Width follow them.
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
    QRect g = geometry();
    double top = platform::PixelsToTwips((screen.height() - g.height()) / 2);
    platform::ReadDouble(shell::SettingsSection, QStringLiteral("Top"), top, top);
    g.moveTop(TwipsToPixelsRounded(top));
    double height = 7050;
    platform::ReadDouble(shell::SettingsSection, QStringLiteral("Height"), height, height);
    g.setHeight(TwipsToPixelsRounded(height));
    double left = platform::PixelsToTwips((screen.width() - g.width()) / 2);
    platform::ReadDouble(shell::SettingsSection, QStringLiteral("Left"), left, left);
    g.moveLeft(TwipsToPixelsRounded(left));
    double width = 9990;
    platform::ReadDouble(shell::SettingsSection, QStringLiteral("Width"), width, width);
    g.setWidth(TwipsToPixelsRounded(width));
    setGeometry(g);
}

void frmMain::SaveSettings() {
    platform::SaveSetting(shell::SettingsSection, QStringLiteral("FilePath"), QDir::currentPath());
    if (isMinimized())
        return;
    platform::SaveInt(shell::SettingsSection, QStringLiteral("WindowState"), isMaximized() ? 2 : 0);
    if (isMaximized())
        return;
    // The client area, which is also what the next start places.
    const QRect g = geometry();
    platform::SaveInt(shell::SettingsSection, QStringLiteral("Width"),
                      platform::PixelsToTwips(g.width()));
    platform::SaveInt(shell::SettingsSection, QStringLiteral("Height"),
                      platform::PixelsToTwips(g.height()));
    platform::SaveInt(shell::SettingsSection, QStringLiteral("Left"),
                      platform::PixelsToTwips(g.x()));
    platform::SaveInt(shell::SettingsSection, QStringLiteral("Top"),
                      platform::PixelsToTwips(g.y()));
}

// --- recent files ---

void frmMain::LoadMRU() {
    const QStringList entries = shell::ReadRecentFiles();
    bool found = false;
    for (int i = 0; i < MRUItems; ++i) {
        QAction* item = mnuMRU(i);
        const QString prefix = item->text().left(2);
        const QString& entry = entries[i];
        item->setVisible(!entry.isEmpty());
        item->setText(entry.isEmpty() ? prefix : shell::RecentFileCaption(prefix, entry));
        found = found || !entry.isEmpty();
    }
    mruSeparator_->setVisible(found);
}

void frmMain::AddToMRU(const QString& path) {
    shell::AddRecentFile(path);
    LoadMRU();
}

// --- window list ---

void frmMain::RebuildWindowList() {
    QMenu* menu = TopMenu(QStringLiteral("mnuWindow"));
    for (QAction* item : windowListItems_) {
        menu->removeAction(item);
        item->deleteLater();
    }
    windowListItems_.clear();
    if (documents_.empty())
        return;
    windowListItems_.push_back(menu->addSeparator());
    int number = 0;
    for (const DocumentEntry& entry : documents_) {
        QAction* item =
            menu->addAction(QStringLiteral("&%1 ").arg(++number) + entry.document->Caption());
        item->setCheckable(true);
        item->setChecked(entry.document == active_);
        QMdiSubWindow* frame = entry.frame;
        const auto activate = [this, frame] {
            if (EntryOf(frame))
                mdiArea_->setActiveSubWindow(frame);
        };
        connect(item, &QAction::triggered, this, platform::Guarded(activate));
        windowListItems_.push_back(item);
    }
}
