#pragma once
// What the shell and the radio link ask of a memory document, and nothing
// more. frmDocument implements it; the shell holds documents only through
// this interface, and its tests can hand it fake documents.
//
// Rows are memory-grid rows 1..128, grids are indices into MSFlexGrid1
// (0 memory channels, 1 configuration, 2 VFO, 3 FM broadcast, 4 band limits).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace platform {
class FlexGrid;
class ListEdit;
class TabStrip;
class TextEdit;
} // namespace platform

class IDocument {
public:
    // The grids by index into MSFlexGrid1, as GetCurrentGrid gives them.
    static constexpr int MemoryGrid = 0;
    static constexpr int ConfigGrid = 1;
    static constexpr int VfoGrid = 2;
    static constexpr int FmGrid = 3;
    static constexpr int BandGrid = 4;

    virtual ~IDocument() = default;

    // --- the window ---
    virtual QWidget* Window() = 0;
    // The caption is the document's file name: the new-document name
    // (ShortName & " File " & n) until it has a file, then the file's full path.
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Closes the window through its close prompt.
    virtual void CloseMe() = 0;
    // The window became the active document: the shell's menus follow it.
    virtual void Form_Activate() = 0;
    // The application's shut-down asks every document before any closes.
    // QueryUnload is the close request alone (grids into the image and, when
    // the image changed, the save prompt); true when the document may close.
    // Unload then closes the window without asking again.
    virtual bool QueryUnload() = 0;
    virtual void Unload() = 0;
    // The close was accepted and the window unloaded; until then the document
    // is open, whatever its window shows (a minimized one hides it).
    virtual bool IsUnloaded() const = 0;

    // Controls whose properties the shell sets (fonts, colours, Enabled,
    // TopRow, Row, Col, ...). index 0..6; nullptr outside.
    virtual platform::FlexGrid* MSFlexGrid1(int index) = 0;
    virtual platform::TabStrip* SSTab1() = 0;
    virtual platform::TextEdit* TxtGrid() = 0;
    virtual platform::ListEdit* CboGrid() = 0;

    // --- whole-image file operations ---
    // False after a refusal, which has already been shown to the user.
    virtual bool OpenFile(const QString& path) = 0;
    // SaveGrid, then the image to the file. False, with nothing written, when
    // SaveGrid stopped at a value the image refused (it has shown why); raises
    // RuntimeError when the file cannot be written (the old file stays intact).
    virtual bool SaveFile(const QString& path) = 0;
    virtual bool ExportTWFile(const QString& path) = 0;
    virtual void ImportTWFile(const QString& path) = 0;
    virtual bool IsTWFile() const = 0;
    // SaveGrid first when the image is loaded; then whether the image differs
    // from the last opened or saved state. A SaveGrid that stopped counts as
    // a change: the grids hold what the image does not.
    virtual bool IsDataChanged() = 0;

    // --- grids and image ---
    virtual void Initgrid() = 0;
    virtual void FillGrid() = 0;
    // False when it stopped at a value the image refused, after its box.
    virtual bool SaveGrid() = 0;
    virtual void SetColWidths() = 0;
    // The shown tab; callers treat anything outside 0..6 as "no grid".
    virtual int GetCurrentGrid() const = 0;
    virtual void SetSelection() = 0;
    virtual bool CopyPasteAllowed() const = 0;
    virtual void SizeCols() = 0;
    virtual void HighlightSelectedRow() = 0;
    virtual void RestorePreviousRow() = 0;

    // --- the radio link's way in ---
    virtual void Sbyt(const QByteArray& bytes) = 0;
    virtual void SetWriteBytes() = 0;
    // Band limit 0..7 in whole megahertz; "" for an entry that holds no digit,
    // which the checks read as a band that admits nothing.
    virtual QString GetBandLimit(int index) const = 0;
    virtual void SetBandLimit(int index, const QString& text) = 0;
    // limits: eight texts in band-limit-table order. Rewrites BandLimitReport.
    virtual bool CheckBandLimits(QStringList& limits) = 0;

    // --- validation and defaults ---
    virtual bool ValidateAll() = 0;
    virtual bool ValidateBandLimits() = 0;
    virtual bool ValidateVFOs() = 0;
    virtual void ApplyDefaults(int32_t row) = 0;

    // --- editors ---
    // Closes an open cell editor without moving the focus.
    virtual void HideEditB() = 0;

    // --- row operations and mass edits ---
    virtual void MoveUp() = 0;
    virtual void MoveDown() = 0;
    virtual void InsertBlank() = 0;
    // count 0: as many rows as are selected, written back. False when nothing
    // was inserted (the user declined to lose memories off the end).
    virtual bool InsertRows(int32_t& count) = 0;
    // row 0: the selected rows.
    virtual void DeleteRows(int32_t row) = 0;
    virtual void ClearRows() = 0;
    virtual void ClearAll() = 0;
    virtual void SetMass(const QString& value) = 0;
    virtual void IncrementTags() = 0;

    // --- sorting, duplicates, export, imports ---
    // keyIndex 0..3, direction "Asc" or "Dec".
    virtual void SortGrid(int32_t firstRow, int32_t lastRow, int keyIndex,
                          const QString& direction) = 0;
    virtual void DupCheck(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                          bool& deleteDuplicates) = 0;
    virtual QString GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) = 0;
    virtual void ImportCSV(const QString& path) = 0;
    virtual void TravelPlus(const QString& path) = 0;
};
