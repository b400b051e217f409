#pragma once
// The program-wide values: one copy for the whole program, read and written by
// the documents, the transfer windows and the shell.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class clsRadio;

// One column of the memory grid. Record k describes logical column k:
// 1 Name, 2 RX Freq, 3 TX Freq, 4 Decode, 5 Encode, 6 TX Pwr, 7 Scan, 8 TX Dev,
// 9 Busy Lck, 10 Group/Notes. Record 0 (the "#" column) is never written.
struct ColumnInfo {
    QString Caption;
    QString DefaultCaption;
    int32_t Order = 0; // grid column at which the logical column stands
    int32_t Width = 0; // twips, while the column is shown
    bool Visible = false;
};

constexpr int ColumnCount = 11; // records 0..10

// Logical memory-grid columns (record numbers of the column table).
enum LogicalColumn : int {
    ColName = 1,
    ColRXFreq = 2,
    ColTXFreq = 3,
    ColDecode = 4,
    ColEncode = 5,
    ColTXPwr = 6,
    ColScan = 7,
    ColTXDev = 8,
    ColBusyLck = 9,
    ColGroupNotes = 10,
};
constexpr int CloneMemorySize = 8192;

// The section of the settings store that holds the program's own settings.
inline const QString SettingsSection = QStringLiteral("Settings");

// Frequency formats: significant digits only, or always five decimals.
inline const QString FormatSignificantDigits = QStringLiteral("##0.000##");
inline const QString FormatFiveDecimals = QStringLiteral("##0.00000");

struct ProgramValues {
    std::array<ColumnInfo, ColumnCount> ColumnTable;

    // Number pattern of every frequency text.
    QString FrequencyFormat;

    // Channel numbers that failed a band-limit check, each followed by ",".
    QString BandLimitReport;

    // The 8,192 bytes of the image about to be written to the radio.
    QByteArray CloneWriteBuffer = QByteArray(CloneMemorySize, '\0');

    // Editing and display options.
    bool EnterKeyNextRow = false;
    bool EnterKeyNextColumn = false;
    bool ConfirmRowDelete = false;
    bool ConfirmRowClear = false;
    bool RowKeysWithoutSelection = false;
    bool OpenLastUsed = false;
    bool HighlightSelectedRow = false;
    int32_t HighlightColor = 0;
    bool UseTextLabels = false;
    bool ScrollWheel = false;

    // Grid appearance; the font values are kept as the texts the store holds.
    QString GridFontName;
    QString GridFontItalic;
    QString GridFontBold;
    QString GridFontSize;
    int32_t GridBackColor = 0;
    int32_t GridForeColor = 0;

    // Set when a save the user asked for did not happen (cancelled or failed).
    bool SaveCancelled = false;

    // Choices handed back by the import dialogs.
    int32_t ImportStartRow = 0;
    int32_t TpeNameSource = 0;
    int32_t TpeNotesSource = 0;
    int32_t TpeStartRow = 0;
    bool TpeImportFM = false;

    // The one radio description, alive from the main window's load to its unload.
    std::shared_ptr<clsRadio> Radio;
};

ProgramValues& Program();

// Puts every value back to what a freshly started program holds after reading
// an empty settings store: column table defaults, Enter stays in the cell,
// significant digits only, highlight on in pale yellow, confirmations on,
// FIXEDSYS 8, system window colours. Tests call it before each test.
void ResetProgramValues();

// The grid font's face when the settings name none.
inline const QString DefaultGridFontName = QStringLiteral("FIXEDSYS");

// The built-in defaults, set before the settings are read (the rest of the
// values start False, 0 or empty).
void InitProgramSettings();

// Column table defaults: captions, order 1..10 and visibility of records 1..10;
// widths of records 1..10.
void SetColumnCaptions();
void SetColumnWidths();

// Writes "Visible" & k, "Order" & k and "Caption" & k of records 1..10 into
// section "Settings", so that a document loaded later reads the table back as
// the open ones show it.
void SaveColumnLayout();

// Grid column of logical column k (1..10) and back (0 when no record has it).
int32_t GridColumnOf(int logicalColumn);
int LogicalColumnAt(int32_t gridColumn);
