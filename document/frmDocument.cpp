// The document window: its controls, tabs, load and unload, close prompt,
// placement, the mouse-wheel hook and the whole-image file operations.

#include "document/frmDocument.h"

#include "document/HexCompareView.h"
#include "image/clsVUROVA.h"
#include "mainwindow/IMainWindow.h"
#include "platform/core/Measures.h"
#include "platform/core/ProgramTitle.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/FocusModel.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "rules/DocumentTexts.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QWheelEvent>

using platform::FlexGrid;
using platform::Try;
using platform::MsgBox;

using documenttexts::CrLf;

namespace {

const QString kLoadingCaption = QStringLiteral("Document");

constexpr const char* kTabCaptions[frmDocument::TabCount] = {
    "Main Memories", "Configuration Settings", "VFO Settings", "FM Broadcast Memories",
    "Band Limits",   "Tab 5",                  "Tab 6",        "Tab 7",
    "** Hex Compare **",
};
constexpr int FirstHiddenTab = 4;

// Layout margins of the tab strip and the grids, twips, from the window's
// outer size.
constexpr int StripLeft = 50;
constexpr int StripTop = 50;
constexpr int StripWidthMargin = 250;
constexpr int StripHeightMargin = 500;
constexpr int GridLeft = 50;
constexpr int GridTop = 400;
constexpr int GridWidthMargin = 350;
constexpr int GridHeightMargin = 950;
constexpr int Grid6Top = 1000;
constexpr int Grid6HeightMargin = 1950;

} // namespace

frmDocument::frmDocument(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDocument"));
    platform::FocusModel::Attach(this);
    BuildControls();
    ConnectEditingEvents();
    Form_Load();
}

frmDocument::~frmDocument() = default;

void frmDocument::BuildControls() {
    sstab1_ = new platform::TabStrip(this);
    sstab1_->setObjectName(QStringLiteral("SSTab1"));
    sstab1_->setTabs(TabCount);
    for (int i = 0; i < TabCount; ++i)
        sstab1_->setTabCaption(i, QString::fromLatin1(kTabCaptions[i]));

    // The grids and editors share the strip as their parent, so an editor at
    // grid Left + CellLeft lies over its cell.
    for (int i = 0; i < GridCount; ++i) {
        grids_[static_cast<size_t>(i)] = new FlexGrid(sstab1_);
        grids_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("MSFlexGrid1(%1)").arg(i));
    }
    txtGrid_ = new platform::TextEdit(sstab1_);
    txtGrid_->setObjectName(QStringLiteral("TxtGrid"));
    // A cell takes from the clipboard only what its key filter lets through
    // when typed: a pasted name is upper-cased like a typed one, and a cell
    // that refuses Ctrl+V refuses every other way of pasting too.
    txtGrid_->setPasteAsTyped(true);
    txtGrid_->hide();
    cboGrid_ = new platform::ListEdit(sstab1_);
    cboGrid_->setObjectName(QStringLiteral("CboGrid"));
    cboGrid_->hide();

    frame1_ = new QFrame(sstab1_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->hide();
    frame2_ = new QFrame(sstab1_);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->hide();
    hexView_ = new HexCompareView(sstab1_, this, [this] { return image_->GetBytArry(); });
    platform::MoveTwips(hexView_, GridLeft, GridTop, 8800, 4000);
    hexView_->hide();
    // A close that came while the view was busy is carried out once it is done.
    connect(hexView_, &HexCompareView::heldCloseDue, this, [this](bool exiting) {
        if (exiting)
            window()->close();
        else
            CloseMe();
    });

    picChecked_ = new QLabel(this);
    picChecked_->setObjectName(QStringLiteral("picChecked"));
    picChecked_->hide();
    picUnchecked_ = new QLabel(this);
    picUnchecked_->setObjectName(QStringLiteral("picUnchecked"));
    picUnchecked_->hide();

    connect(sstab1_, &platform::TabStrip::Click, this,
            [this](int previousTab) { SSTab1_Click(previousTab); });
}

// The window's load. No image is loaded: the document stays empty until a
// file is opened, the radio is read or a TW file is imported.
void frmDocument::Form_Load() {
    setCaption(kLoadingCaption);
    bool wheel = false;
    platform::ReadBool(SettingsSection, QStringLiteral("ScrollWheel"), wheel, false);
    if (wheel) {
        Program().ScrollWheel = true;
        InstallWheelHook();
    }
    sstab1_->setTab(0);
    image_ = std::make_unique<clsVUROVA>();
    Form_Resize();
    LoadSettings();
    Initgrid();
    undoStore_.assign(1, RowRecord{});
    for (int tab = FirstHiddenTab; tab < TabCount; ++tab)
        sstab1_->setTabVisible(tab, false);
    ShowTabContent();
}

// --- tabs -------------------------------------------------------------------

void frmDocument::SSTab1_Click(int /*previousTab*/) {
    ShowTabContent();
    EnableTabCommands();
    if (sstab1_->tab() == HexTab)
        EnterHexTab();
}

void frmDocument::EnterHexTab() {
    hexView_->show();
    SaveGrid();
    hexView_->Enter();
}

void frmDocument::InitHexGrids() {
    hexView_->InitHexGrids();
}
void frmDocument::FillHexGrid() {
    hexView_->FillHexGrid();
}
void frmDocument::FillHexGridA(const QString& source) {
    hexView_->FillHexGridA(source);
}
void frmDocument::FillHexGridB(const QString& source) {
    hexView_->FillHexGridB(source);
}

// Grid i for tab i (0 to 3), every other grid and the hex frame hidden.
void frmDocument::ShowTabContent() {
    const int tab = sstab1_->tab();
    for (int i = 0; i < GridCount; ++i)
        grids_[static_cast<size_t>(i)]->setVisible(i == tab && i <= FmGrid);
    hexView_->hide();
    EditGrid = static_cast<int16_t>(tab);
}

platform::FlexGrid* frmDocument::MSFlexGrid1(int index) {
    if (index < 0 || index >= GridCount)
        return nullptr;
    return grids_[static_cast<size_t>(index)];
}

bool frmDocument::MoveDeleteAllowed() const { return sstab1_->tab() == MemoryGrid; }
bool frmDocument::CopyPasteAllowed() const { return sstab1_->tab() == MemoryGrid; }

bool frmDocument::IsRowUsed(int32_t row) const {
    const FlexGrid& grid = *grids_[MemoryGrid];
    const int col = GridColumnOf(2);
    if (row < 1 || row >= grid.rows() || col < 1 || col >= grid.cols())
        return false;
    return !grid.textMatrix(row, col).trimmed().isEmpty();
}

// The undo store holds only the empty record the load put there.
void frmDocument::Undo() {}

// --- caption, placement -----------------------------------------------------

QString frmDocument::Caption() const { return windowTitle(); }
void frmDocument::setCaption(const QString& caption) { setWindowTitle(caption); }

QWidget* frmDocument::Frame() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

const QWidget* frmDocument::Frame() const {
    return const_cast<frmDocument*>(this)->Frame();
}

int frmDocument::WindowState() const {
    const Qt::WindowStates state = Frame()->windowState();
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

void frmDocument::setWindowState(int state) {
    QWidget* frame = Frame();
    Qt::WindowStates flags = frame->windowState() &
                             ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == 1)
        flags |= Qt::WindowMinimized;
    else if (state == 2)
        flags |= Qt::WindowMaximized;
    frame->setWindowState(flags);
}

int frmDocument::WidthTwips() const { return platform::WidthTwips(Frame()); }
int frmDocument::HeightTwips() const { return platform::HeightTwips(Frame()); }

void frmDocument::setSizeTwips(int width, int height) {
    Frame()->resize(platform::TwipsToPixels(width), platform::TwipsToPixels(height));
}

// The shell puts the window into its MDI frame after the load has read the
// placement; the frame takes it over when it is first shown. Until then the
// frame's passing sizes are no size of the user's and are not stored, and a
// window that opens maximized keeps a normal size to restore to.
void frmDocument::ApplyPlacementToFrame() {
    if (storedWidth_ > 0 && storedHeight_ > 0)
        setSizeTwips(storedWidth_, storedHeight_);
    setWindowState(storedState_);
    placementPending_ = false;
}

void frmDocument::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementPending_ && qobject_cast<QMdiSubWindow*>(parentWidget()))
        ApplyPlacementToFrame();
}

void frmDocument::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The controls do not depend on the tab shown, so the layout leaves the tab
// alone; painting is held back until everything is in place.
void frmDocument::Form_Resize() {
    const int w = WidthTwips();
    const int h = HeightTwips();
    setUpdatesEnabled(false);
    Try([&] { platform::SetLeftTwips(sstab1_, StripLeft); });
    Try([&] { platform::SetTopTwips(sstab1_, StripTop); });
    Try([&] { platform::SetHeightTwips(sstab1_, h - StripHeightMargin); });
    Try([&] { platform::SetWidthTwips(sstab1_, w - StripWidthMargin); });
    for (FlexGrid* grid : grids_) {
        Try([&] { platform::SetLeftTwips(grid, GridLeft); });
        Try([&] { platform::SetTopTwips(grid, GridTop); });
        Try([&] { platform::SetWidthTwips(grid, w - GridWidthMargin); });
        Try([&] { platform::SetHeightTwips(grid, h - GridHeightMargin); });
    }
    FlexGrid* grid6 = grids_[6];
    Try([&] { platform::SetTopTwips(grid6, Grid6Top); });
    Try([&] { platform::SetHeightTwips(grid6, h - Grid6HeightMargin); });
    setUpdatesEnabled(true);

    if (Caption() == kLoadingCaption)
        return;
    if (placementPending_ && qobject_cast<QMdiSubWindow*>(parentWidget()))
        return;
    const int state = WindowState();
    if (state == 1)
        return;
    const QString& settings = SettingsSection;
    platform::SaveInt(settings, QStringLiteral("DocWindowState"), state);
    if (state == 0) {
        platform::SaveInt(settings, QStringLiteral("DocWidth"), w);
        platform::SaveInt(settings, QStringLiteral("DocHeight"), h);
    }
}

// --- activation, double click ----------------------------------------------

void frmDocument::Form_Activate() {
    IMainWindow* main = MainForm();
    if (!main)
        return;
    if (image_->IsFileLoaded())
        main->EnableGUI();
    else
        main->InitGUI();
}

void frmDocument::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    Form_DblClick();
}

void frmDocument::Form_DblClick() {
    if (sstab1_->isEnabled())
        return;
    MsgBox(QStringLiteral(
               "You must open a saved file or read from the radio before you can edit data!"),
           platform::vbExclamation, platform::ProgramTitle());
}

// --- close ------------------------------------------------------------------

void frmDocument::CloseMe() { Frame()->close(); }

bool frmDocument::QueryUnload() {
    if (hexView_->HoldCloseWhileBusy(true))
        return false;
    return !Form_QueryUnload();
}

void frmDocument::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && (hexView_->HoldCloseWhileBusy(false) || Form_QueryUnload())) {
        event->ignore();
        return;
    }
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

// Returns true to keep the window open. A Yes whose save did not happen
// (Save As cancelled, or the save failed) keeps it open as Cancel does, so
// no unsaved change is ever dropped.
bool frmDocument::Form_QueryUnload() {
    if (!IsDataChanged())
        return false;
    const int answer =
        MsgBox(documenttexts::DataChangedQuestion(Caption()),
               platform::vbYesNoCancel | platform::vbExclamation, platform::ProgramTitle());
    if (answer == platform::vbNo)
        return false;
    if (answer != platform::vbYes)
        return true;
    Program().SaveCancelled = false;
    IMainWindow* main = MainForm();
    const bool saved = main && main->SaveData();
    return !saved || Program().SaveCancelled;
}

// The image object stays with the window object until it is destroyed, so a
// late call from the shell never meets a missing image.
void frmDocument::Form_Unload() {
    unloaded_ = true;
    SaveSettings();
    platform::FlushSettings();
    setCaption(QString());
    if (IMainWindow* main = MainForm())
        main->CheckGUI();
    RemoveWheelHook();
}

// --- mouse wheel ------------------------------------------------------------

// Every wheel message over the window, its grids included, becomes one
// ScrollUp or ScrollDown of the main window. The grids never scroll on the
// wheel themselves.
QList<QObject*> frmDocument::WheelSources() {
    QList<QObject*> sources{this};
    for (FlexGrid* grid : grids_)
        sources << grid << grid->viewport();
    return sources;
}

void frmDocument::InstallWheelHook() {
    for (QObject* source : WheelSources())
        source->installEventFilter(this);
    wheelHooked_ = true;
}

void frmDocument::RemoveWheelHook() {
    if (!wheelHooked_)
        return;
    for (QObject* source : WheelSources())
        source->removeEventFilter(this);
    wheelHooked_ = false;
}

bool frmDocument::eventFilter(QObject* watched, QEvent* event) {
    if (wheelHooked_ && event->type() == QEvent::Wheel)
        return WheelWindowProc(event);
    return QWidget::eventFilter(watched, event);
}

bool frmDocument::WheelWindowProc(QEvent* event) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint delta = wheel->angleDelta();
    // Only the vertical wheel; a touchpad's begin and end markers carry no turn.
    if (delta.y() == 0 && (delta.x() != 0 || wheel->phase() != Qt::NoScrollPhase))
        return false;
    wheel->accept();
    IMainWindow* main = MainForm();
    if (!main || !IsActiveDocument())
        return true;
    if (delta.y() < 0)
        main->ScrollDown();
    else
        main->ScrollUp();
    return true;
}

// --- whole-image operations -------------------------------------------------

const clsRadio& frmDocument::Radio() {
    static const clsRadio fallback;
    const auto& radio = Program().Radio;
    return radio ? *radio : fallback;
}

QString frmDocument::ShortName() { return Radio().ShortName(); }

void frmDocument::ShowError(const QString& text) {
    MsgBox(text, platform::vbExclamation, QStringLiteral("Error"));
}

namespace {
QString OpenError(const QString& path, const QString& reason) {
    return QStringLiteral("Error opening file: ") + CrLf + path + CrLf + reason;
}
} // namespace

bool frmDocument::OpenFile(const QString& path) {
    if (path.right(2).toLower() == QStringLiteral("tw")) {
        MsgBox(QStringLiteral("TW Files must be imported (not opened).") + CrLf + CrLf +
                   QStringLiteral("To import a TW file:") + CrLf +
                   QStringLiteral("Select File -> Import From .TW..."),
               platform::vbInformation, QStringLiteral("Error"));
        return false;
    }
    const QString refusal = platform::NotRegularFileReason(path);
    if (!refusal.isEmpty()) {
        ShowError(OpenError(path, refusal));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(OpenError(path, file.errorString()));
        return false;
    }
    const qint64 length = file.size();
    file.close();
    if (length != image_->FileSize() && length != image_->FileSize2()) {
        ShowError(OpenError(path, QStringLiteral("Wrong file size!")));
        return false;
    }
    if (length == image_->FileSize() && !image_->VerifyChecksum(path)) {
        ShowError(OpenError(path, QStringLiteral("Checksum mismatch, file may be corrupt!")));
        return false;
    }
    try {
        image_->OpenFile(path);
    } catch (const platform::RuntimeError& e) {
        ShowError(OpenError(path, e.description()));
        return false;
    }
    SetColWidths();
    Initgrid();
    FillGrid();
    if (IMainWindow* main = MainForm())
        main->EnableGUI();
    setCaption(path);
    FlexGrid& grid = *grids_[MemoryGrid];
    grid.setRedraw(false);
    grid.setCol(2);
    grid.setCol(1);
    grid.setRedraw(true);
    return true;
}

// An image that took only part of the grids is never written out.
bool frmDocument::SaveFile(const QString& path) {
    if (!SaveGrid())
        return false;
    image_->SaveFile(path);
    return true;
}

bool frmDocument::ExportTWFile(const QString& path) {
    if (!SaveGrid())
        return false;
    image_->ExportTWFile(path);
    return true;
}

// A failed import leaves the image as it was; SaveGrid then writes the
// unchanged grids back so that image and grids agree again.
void frmDocument::ImportTWFile(const QString& path) {
    QString failure;
    if (image_->ImportTWFile(path, failure)) {
        Initgrid();
        FillGrid();
        return;
    }
    ShowError(failure);
    SaveGrid();
}

bool frmDocument::IsTWFile() const { return image_->IsTWFile(); }

bool frmDocument::IsDataChanged() {
    if (image_->IsFileLoaded() && !SaveGrid())
        return true;
    return image_->IsDataChanged();
}

void frmDocument::Sbyt(const QByteArray& bytes) { image_->Sbyt(bytes); }
QByteArray frmDocument::GetBytArry() const { return image_->GetBytArry(); }
void frmDocument::SetWriteBytes() { image_->SetWriteBytes(); }
// An entry with no digit at all (a radio or file that never held a table)
// reads as a limit that is no number rather than as an error, so the document
// can be opened, edited and its table repaired in the band-limits editor.
QString frmDocument::GetBandLimit(int index) const {
    try {
        return image_->BandLimit(index);
    } catch (const platform::RuntimeError& e) {
        if (e.number() != platform::ErrTypeMismatch)
            throw;
        return QString();
    }
}
void frmDocument::SetBandLimit(int index, const QString& text) {
    image_->setBandLimit(index, text);
}
