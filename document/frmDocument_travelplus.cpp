// The TravelPlus import: repeaters of a .tpe list into memory rows, FM
// broadcast stations into the FM memories. The list's rules are in
// TravelPlusFile; this file walks the lines, keeps the row and the FM slots,
// and writes the cells.

#include "document/frmDocument.h"

#include "document/DocumentBandLimits.h"
#include "document/GridGuards.h"
#include "document/GridRows.h"
#include "document/ImportStartGroup.h"
#include "document/frmStatus.h"
#include "document/frmTravelPlus.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "rules/DocumentTexts.h"
#include "rules/ImportLines.h"
#include "rules/TravelPlusFile.h"

#include <functional>
#include <optional>
#include <vector>

using platform::FlexGrid;

namespace {

std::function<void(int32_t)>& RowWrittenHook() {
    static std::function<void(int32_t)> hook;
    return hook;
}

QString HeaderWarning() {
    return QStringLiteral("WARNING: the selected file does not contain a valid TPE header. This "
                          "may indicate that the file is not in a valid TPE format.") +
           documenttexts::CrLf +
           QStringLiteral("Attempting to import this file may cause errors or other unexpected "
                          "results. Do you want to attempt to import this file anyway?");
}

// One Yes/No question per doubt; false at the first No.
bool GoOnDespiteHeader(int doubts) {
    for (int i = 0; i < doubts; ++i) {
        if (platform::MsgBox(HeaderWarning(), platform::vbYesNo | platform::vbExclamation,
                             documenttexts::WarningTitle) != platform::vbYes)
            return false;
    }
    return true;
}

// The data cells of a grid, to be put back when the import fails half-way.
class GridCells {
public:
    explicit GridCells(const FlexGrid& grid) {
        for (int r = 1; r < grid.rows(); ++r)
            rows_.push_back(gridrows::RowTexts(grid, r));
    }
    void restore(FlexGrid& grid) const {
        RedrawOff redraw(grid);
        for (int r = 1; r < grid.rows() && r <= static_cast<int>(rows_.size()); ++r)
            gridrows::SetRowTexts(grid, r, rows_[static_cast<size_t>(r - 1)]);
    }

private:
    std::vector<QStringList> rows_;
};

// The next free FM broadcast memory: bank 1, position 1 first.
struct FmSlot {
    int bank = 1;
    int position = 1;
    bool free() const { return bank <= tpe::FmBanks; }
    void advance() {
        if (++position > tpe::FmPositions) {
            position = 1;
            ++bank;
        }
    }
};

// Writes what the lines ask for into the document's grids, from the first
// row on, and keeps the log of what it could not write.
class ListWriter {
public:
    ListWriter(frmDocument& document, int32_t row)
        : document_(document), grid_(*document.MSFlexGrid1(frmDocument::MemoryGrid)),
          fm_(*document.MSFlexGrid1(frmDocument::FmGrid)), row_(row) {}

    bool roomLeft() const { return row_ <= tpe::LastRow; }

    void take(const tpe::LineOutcome& line) {
        switch (line.kind) {
        case tpe::LineOutcome::NoComma:
            ++row_;
            break;
        case tpe::LineOutcome::Refused:
            log_ += line.entry;
            break;
        case tpe::LineOutcome::FmStation:
            writeStation(line.frequency);
            break;
        case tpe::LineOutcome::Memory:
            writeMemory(line);
            break;
        }
    }

    // The log, with the entry for lines left over when the rows ran out.
    QString finish() {
        if (!roomLeft())
            log_ += tpe::ExceededEntry();
        return log_;
    }

private:
    void writeStation(const QString& frequency) {
        if (!Program().TpeImportFM) {
            log_ += tpe::FmNotImportedEntry(frequency);
        } else if (!slot_.free()) {
            log_ += tpe::FmFullEntry(frequency);
        } else {
            fm_.setTextMatrix(slot_.position, slot_.bank, document_.ValidateFMFreq(frequency));
            slot_.advance();
        }
    }

    void writeMemory(const tpe::LineOutcome& line) {
        if (line.noStandardShift)
            log_ += tpe::NoStandardShiftEntry(line.frequency, row_);
        const tpe::Repeater& memory = line.memory;
        document_.ApplyDefaults(row_);
        setCell(ColName, memory.name);
        setCell(ColRXFreq, memory.rx);
        setCell(ColTXFreq, memory.tx);
        if (!memory.tone.isEmpty())
            setCell(ColEncode, memory.tone);
        setCell(ColGroupNotes, memory.notes);
        if (RowWrittenHook())
            RowWrittenHook()(row_);
        ++row_;
    }

    void setCell(int logicalColumn, const QString& text) {
        grid_.setTextMatrix(row_, GridColumnOf(logicalColumn), text);
    }

    frmDocument& document_;
    FlexGrid& grid_;
    FlexGrid& fm_;
    int32_t row_;
    FmSlot slot_;
    QString log_;
};

} // namespace

void frmDocument::SetTravelPlusRowObserver(std::function<void(int32_t row)> hook) {
    RowWrittenHook() = std::move(hook);
}

QString frmDocument::FixTag(const QString& name) const {
    return tpe::FixTag(name, Radio().AllowedTagCharacters());
}

void frmDocument::TravelPlus(const QString& path) {
    std::optional<GridCells> memories;
    std::optional<GridCells> fmMemories;
    try {
        const QStringList lines = importlines::ReadLines(path);
        if (lines.isEmpty())
            throw platform::RuntimeError(platform::ErrInputPastEndOfFile);
        const QStringList header = tpe::HeaderFields(lines.first());
        if (!GoOnDespiteHeader(tpe::HeaderDoubts(header)))
            return;

        frmTravelPlus options(this);
        platform::ExecModal(&options);
        const ProgramValues& program = Program();
        int32_t row = program.TpeStartRow;
        if (row == importstart::AfterLastUsed)
            row = GetLastEmptyRow();
        else if (row == frmTravelPlus::AtCurrentRow)
            row = grids_[MemoryGrid]->row();
        if (row < 1)
            return; // the header row is no memory

        tpe::LineOptions lineOptions;
        lineOptions.positions = tpe::PositionsOf(header);
        lineOptions.nameSource = static_cast<tpe::Source>(program.TpeNameSource);
        lineOptions.notesSource = static_cast<tpe::Source>(program.TpeNotesSource);
        lineOptions.limits = LimitsOf(*this);
        lineOptions.allowedTagCharacters = Radio().AllowedTagCharacters();

        memories.emplace(*grids_[MemoryGrid]);
        fmMemories.emplace(*grids_[FmGrid]);
        QString log;
        {
            BusyHold busy(RowChangeBusy);
            RedrawOff redraw(*grids_[MemoryGrid]);
            ListWriter writer(*this, row);
            for (int i = 1; i < lines.size() && writer.roomLeft(); ++i)
                writer.take(tpe::ReadLine(lines.at(i), lineOptions));
            log = writer.finish();
        }
        SaveGrid();
        FillGrid();
        if (!log.isEmpty())
            frmStatus::ShowErrorLog(log, this);
    } catch (const platform::RuntimeError& e) {
        // The grids go back to what they showed, edits not yet in the image
        // included; refilling them from the image would drop those.
        if (memories)
            memories->restore(*grids_[MemoryGrid]);
        if (fmMemories)
            fmMemories->restore(*grids_[FmGrid]);
        ShowError(platform::ErrorText(e));
    }
}
