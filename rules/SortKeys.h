#pragma once
// The ordering behind Sort and the duplicate-frequency check, over cell texts
// alone: the sort keys, their order, and the walk over neighbouring keys that
// finds duplicates. The document window reads the cells and moves the rows.
//
// A key is a sort text and the grid row it came from. Keys are ordered by
// their text without regard to case, and only keys of equal text by the row
// number compared as text ("10" before "9"). Comparing the two as one joined
// text would let the separator rank against letters and digits, so that "RPT2"
// came before "RPT".

#include "program/ProgramValues.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace sortkeys {

// The columns a sort may go by, in the order the sort dialog lists them; the
// position in this list is the key index the sort receives.
inline constexpr std::array<int, 4> SortColumns = {ColName, ColRXFreq, ColTXFreq, ColGroupNotes};

struct Key {
    QString text;
    int row = 0;
};

bool KeyLess(const Key& a, const Key& b);

// A frequency text padded in front with "0" until the part before the decimal
// separator has three characters, so that text order is numeric order within
// one display format: "50.000" -> "050.000". An empty text counts as zero.
QString PaddedFrequency(const QString& text, const QString& separator);

// --- sorting ---

// What the sort needs of one grid row.
struct SortRow {
    int row = 0;
    QString rx;  // a row with exactly empty RX text is unused and takes no key
    QString key; // the text of the column sorted by
};

// The used rows in the order they are to fill the sorted range from its top.
std::vector<int> SortedRows(const std::vector<SortRow>& rows, bool frequencyKey, bool descending,
                            const QString& separator);

// --- duplicate check ---

struct DupRow {
    int row = 0;
    QString rx;
    QString name;
    QString decode;
    QString encode;
};

struct DupOptions {
    // A pair is a duplicate only when its Decode and Encode texts are equal too.
    bool ignoreDifferentTones = false;
    // ... only when its Name texts are equal too (case matters).
    bool ignoreDifferentNames = false;
    // Delete mode lists the rows to go; report mode the report lines.
    bool deleteDuplicates = false;
};

struct DupResult {
    // "Duplicates: 17, 40, 5", one per run of equal frequencies, in text order.
    QStringList reportLines;
    // Rows to delete, ascending; each later member of a duplicate pair.
    std::vector<int> rowsToDelete;
};

// Only neighbours in key order are compared; a pair an option excludes leaves
// the run's report line open, so a run P, Q, R, S with Q-R excluded reports
// P, Q, S and deletes Q and S.
DupResult FindDuplicates(const std::vector<DupRow>& rows, const DupOptions& options,
                         const QString& separator);

// The report lines, each followed by CR LF.
QString ReportText(const QStringList& lines);

} // namespace sortkeys
