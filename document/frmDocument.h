#pragma once
// The document window: one radio memory image shown in grids on tabs.
//
// The grids are the working copy: editors and commands change cell texts
// only, SaveGrid copies the grids into the image and FillGrid the image into
// the grids. The window reaches the shell only through MainForm().
//
// Its operations are spread over files named after what they hold:
// frmDocument.cpp (window, tabs, life cycle, placement, file operations),
// frmDocument_grids.cpp (grid construction and column layout),
// frmDocument_transfer.cpp (grids <-> image), frmDocument_sort.cpp (sort and
// duplicate check), frmDocument_import.cpp (CSV import),
// frmDocument_travelplus.cpp (TravelPlus import). The hidden hex tab holds a
// HexCompareView.

#include "document/DocumentInterface.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class clsRadio;
class clsVUROVA;
class HexCompareView;
class QFrame;
class QLabel;

class frmDocument : public QWidget, public IDocument {
    Q_OBJECT
public:
    static constexpr int GridCount = 7;
    static constexpr int TabCount = 9;
    static constexpr int HexTab = 8;

    // Builds the window and runs its load: caption "Document", an empty image
    // that counts as not loaded, the grids built, tabs 4 to 8 hidden.
    explicit frmDocument(QWidget* parent = nullptr);
    ~frmDocument() override;

    // --- IDocument ---
    QWidget* Window() override { return this; }
    QString Caption() const override;
    void setCaption(const QString& caption) override;
    void CloseMe() override;
    platform::FlexGrid* MSFlexGrid1(int index) override;
    platform::TabStrip* SSTab1() override { return sstab1_; }
    platform::TextEdit* TxtGrid() override { return txtGrid_; }
    platform::ListEdit* CboGrid() override { return cboGrid_; }

    bool OpenFile(const QString& path) override;
    bool SaveFile(const QString& path) override;
    bool ExportTWFile(const QString& path) override;
    void ImportTWFile(const QString& path) override;
    bool IsTWFile() const override;
    bool IsDataChanged() override;

    void Initgrid() override;
    void FillGrid() override;
    bool SaveGrid() override;
    void SetColWidths() override;
    int GetCurrentGrid() const override;
    void SetSelection() override;
    bool CopyPasteAllowed() const override;
    void SizeCols() override;
    void HighlightSelectedRow() override;
    void RestorePreviousRow() override;

    void Sbyt(const QByteArray& bytes) override;
    void SetWriteBytes() override;
    QString GetBandLimit(int index) const override;
    void SetBandLimit(int index, const QString& text) override;
    bool CheckBandLimits(QStringList& limits) override;

    bool ValidateAll() override;
    bool ValidateBandLimits() override;
    bool ValidateVFOs() override;
    void ApplyDefaults(int32_t row) override;

    void HideEditB() override;

    // --- the document's own operations, which its commands, editors and
    // imports use (and its tests drive) ---
    // Whether the memory row holds a channel: its RX Freq cell is not blank.
    bool IsRowUsed(int32_t row) const;
    // True while the memory tab is shown.
    bool MoveDeleteAllowed() const;
    // The first memory row after the last used one.
    int GetLastEmptyRow();
    QByteArray GetBytArry() const;
    void SetNonVisibleColumns() {}
    void ApplyAutoShift(int32_t row);
    bool IsFreqInRXBandLimits(const QString& frequency) const;
    bool IsFreqInTXBandLimits(const QString& frequency) const;
    bool IsFreqStepValid(QString& frequency) const;
    QString ValidateFMFreq(const QString& frequency) const;
    QString FixTag(const QString& name) const;
    void SaveUndo() {}
    void Undo();
    // The hex compare view's operations.
    void InitHexGrids();
    void FillHexGrid();
    void FillHexGridA(const QString& source);
    void FillHexGridB(const QString& source);

    // --- grid events and editors ---
    // True when the selection of grid EditGrid spans every data column.
    bool IsRowSelected();
    // Open the text or list editor over the current cell of grid `index`; the
    // caller sets the text editor's MaxLength or fills the list first.
    void ShowTextEdit(int index);
    void ShowCboEdit(int index);
    // Closes whichever editor is open and gives grid EditGrid the focus.
    void HideEdit();
    // Whether this window is the shell's active document.
    bool IsActiveDocument() const;
    // The RX frequency cell whose text editor is open (0 when it is another).
    int32_t EditRow = 0;
    int32_t EditCol = 0;

    void MoveUp() override;
    void MoveDown() override;
    void InsertBlank() override;
    bool InsertRows(int32_t& count) override;
    void DeleteRows(int32_t row) override;
    void ClearRows() override;
    void ClearAll() override;
    void SetMass(const QString& value) override;
    void IncrementTags() override;

    void SortGrid(int32_t firstRow, int32_t lastRow, int keyIndex,
                  const QString& direction) override;
    void DupCheck(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                  bool& deleteDuplicates) override;
    // Removes one memory row: the rows below move up one, the last row ends
    // empty; the channel numbers stay.
    void DupCheckDeleteRows(int32_t row);
    QString GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) override;
    void ImportCSV(const QString& path) override;
    void TravelPlus(const QString& path) override;
    // Called after each memory row the TravelPlus import has written; none
    // unless set, an empty function removes it.
    static void SetTravelPlusRowObserver(std::function<void(int32_t row)> hook);

    // --- window events the shell forwards ---
    // The window became the active document: EnableGUI when it holds data,
    // else InitGUI.
    void Form_Activate() override;
    bool QueryUnload() override;
    void Unload() override {
        if (!unloaded_)
            Form_Unload();
        Frame()->close();
    }
    bool IsUnloaded() const override { return unloaded_; }
    // A double click on the window outside an enabled control.
    void Form_DblClick();

    // --- window state and measures (twips), of the MDI frame when there is one
    // 0 normal, 1 minimised, 2 maximised.
    int WindowState() const;
    void setWindowState(int state);
    int WidthTwips() const;
    int HeightTwips() const;
    void setSizeTwips(int width, int height);

    // The image, for the document's own operations and their tests.
    clsVUROVA& Image() { return *image_; }
    const clsVUROVA& Image() const { return *image_; }

    // Whether the mouse-wheel hook was installed at load.
    bool WheelHooked() const { return wheelHooked_; }

    // --- document members other operations share ---
    int16_t EditGrid = 0;
    bool EditorLoading = false;
    int32_t PreviousRow = 0;
    bool RowChangeBusy = false;
    // Selection bounds of grid EditGrid, ascending (SetSelection).
    int32_t SelTopRow = 0;
    int32_t SelBottomRow = 0;
    int32_t SelLeftCol = 0;
    int32_t SelRightCol = 0;

    // --- validation, state and sizing ---
    // Typed frequencies corrected against the image's band limits: moved into
    // the bands, onto the raster, formatted; "" for a text that is no number.
    // ValidateVFOFreq first turns an empty argument into "0".
    QString ValidateRXFreq(const QString& frequency) const;
    QString ValidateTXFreq(const QString& frequency) const;
    QString ValidateVFOFreq(QString& frequency) const;
    // True when the TX Freq to Busy Lck cells of the row of grid EditGrid all
    // hold text.
    bool IsRowFilled(int32_t row) const;

    // Controls of the hidden tabs.
    QFrame* Frame1() const { return frame1_; }
    QFrame* Frame2() const { return frame2_; }
    // The hex tab's frame: the hex compare view.
    HexCompareView* Frame3() const { return hexView_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Life cycle.
    void BuildControls();
    void Form_Load();
    void EnterHexTab();
    // Returns true when the close is to be cancelled.
    bool Form_QueryUnload();
    void Form_Unload();
    void Form_Resize();
    void SSTab1_Click(int previousTab);
    QList<QObject*> WheelSources();
    void InstallWheelHook();
    void RemoveWheelHook();
    bool WheelWindowProc(QEvent* event);
    QWidget* Frame();
    const QWidget* Frame() const;
    void ApplyPlacementToFrame();

    // Grid construction and layout (frmDocument_grids.cpp).
    void InitMemoryGrid();
    void InitConfigGrid();
    void InitVFOGrid();
    void InitFMGrid();
    void InitBandGrid();
    void ApplyStoredGridWidths();
    void FitSettingsColumns();
    void ApplyGridFont();
    void LoadSettings();
    void SaveSettings();
    void LoadColumnSettings();
    void SetRedrawAll(bool on);

    // Transfer (frmDocument_transfer.cpp).
    void FillMemoryRows();
    void FillSettingsGrids();
    void SaveMemoryRows();
    void SaveSettingsGrids();

    // --- grid events and editors ---
    // frmDocument_events.cpp: grid and tab-strip events.
    void ConnectEditingEvents();
    void MSFlexGrid1_KeyDown(int index, int& keyCode, int shift);
    void MSFlexGrid1_KeyPress(int index, int& keyAscii);
    void MSFlexGrid1_MouseDown(int index, int button, int shift, int x, int y);
    void MSFlexGrid1_RowColChange(int index);
    void MSFlexGrid1_Scroll(int index);
    void SSTab1_MouseDown(int button, int shift, int x, int y);
    void EnableTabCommands();
    void MoveByTab(platform::FlexGrid& grid, int shift);
    void MoveByEnter(platform::FlexGrid& grid);
    void BringCellIntoView(platform::FlexGrid& grid);
    void ResendKey(int keyAscii);
    // frmDocument_editors.cpp: the in-place editors.
    void MSFlexGrid1_DblClick(int index);
    void EditMemoryCell();
    void TxtGrid_GotFocus();
    void TxtGrid_KeyPress(int& keyAscii);
    void TxtGrid_Change();
    void TxtGrid_KeyDown(int& keyCode, int shift);
    void TxtGrid_LostFocus();
    void CboGrid_GotFocus();
    void CboGrid_Click();
    void CboGrid_KeyDown(int& keyCode, int shift);
    void CboGrid_LostFocus();
    void LeaveEditor(int keyCode, int shift);
    void FillList(const QStringList& entries);
    // frmDocument_settingseditors.cpp: editors of the settings grids.
    void ProcessConfigSettings();
    void ProcessOtherSettings();
    void ProcessFMSettings();
    int SettingsKeyFilter(int keyAscii) const;
    QString SettingsCellText(const QString& typed) const;
    void CoupleDisplayModes();
    QStringList UsedChannelList(const QString& first, int from) const;
    // What the list editor of a configuration row (1..26) or a VFO row
    // (1..11, both VFOs alike) offers; empty for a row edited as text.
    QStringList ConfigOptions(int row) const;
    QStringList VfoOptions(int row) const;

    void ShowTabContent();
    static const clsRadio& Radio();
    static QString ShortName();
    static void ShowError(const QString& text);

    std::unique_ptr<clsVUROVA> image_;

    platform::TabStrip* sstab1_ = nullptr;
    std::array<platform::FlexGrid*, GridCount> grids_{};
    platform::TextEdit* txtGrid_ = nullptr;
    platform::ListEdit* cboGrid_ = nullptr;
    QFrame* frame1_ = nullptr;
    QFrame* frame2_ = nullptr;
    HexCompareView* hexView_ = nullptr;
    QLabel* picChecked_ = nullptr;
    QLabel* picUnchecked_ = nullptr;

    // Widths of grids 1..4 read from the settings store; 0 = none stored.
    std::array<std::array<int16_t, 42>, GridCount> colWidthStore_{};

    // One record per memory row: the ten data cells.
    struct RowRecord {
        std::array<QString, 10> cells;
    };
    std::vector<RowRecord> undoStore_;

    bool wheelHooked_ = false;
    bool unloaded_ = false;
    // Placement read at load, applied to the MDI frame once there is one.
    int storedState_ = 0;
    int storedWidth_ = 0;
    int storedHeight_ = 0;
    bool placementPending_ = true;
};
