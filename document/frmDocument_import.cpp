// The CSV import: the file's lines go into memory rows of the memory grid,
// whatever tab is shown; one SaveGrid and one FillGrid at the end take every
// value through the image. Lines that cannot be imported are listed in the
// "Error Log" afterwards.

#include "document/frmDocument.h"

#include "document/GridGuards.h"
#include "document/GridRows.h"
#include "document/ImportStartGroup.h"
#include "document/frmImportSelect.h"
#include "document/frmStatus.h"
#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "program/modFunctions.h"
#include "rules/CsvImport.h"
#include "rules/ImportLines.h"

namespace {

// One import's pass over the data lines.
class CsvImportPass {
public:
    CsvImportPass(frmDocument& document, QList<int> columns, bool numbered, int32_t startRow)
        : document_(document), grid_(*document.MSFlexGrid1(frmDocument::MemoryGrid)),
          columns_(std::move(columns)), numbered_(numbered), nextRow_(startRow),
          protectQuotedCommas_(modFunctions::DecimalSeparator() != csv::FieldSeparator) {}

    void ImportLine(const QString& line, int lineNumber);
    // The log, with the note that rows ran out when they did.
    QString Log() const;

private:
    // The row a line goes to; false when the line is done with.
    bool TargetRow(const QStringList& fields, int lineNumber, int32_t& row);
    // Writes the line's fields into the row; false, the row emptied, when a
    // frequency is refused.
    bool WriteFields(const QStringList& fields, int lineNumber, int32_t row);
    // The entry for a frequency cell that cannot take value (empty when it can;
    // value becomes the text to write).
    QString FrequencyRefusal(int column, QString& value) const;

    frmDocument& document_;
    platform::FlexGrid& grid_;
    const QList<int> columns_;
    const bool numbered_;
    int32_t nextRow_;
    const bool protectQuotedCommas_;
    const int rxCol_ = GridColumnOf(ColRXFreq);
    const int txCol_ = GridColumnOf(ColTXFreq);
    QString log_;
};

void CsvImportPass::ImportLine(const QString& line, int lineNumber) {
    if (line.isEmpty())
        return;
    const std::optional<QStringList> fields = csv::SplitFields(line, protectQuotedCommas_);
    if (!fields) {
        log_ += csv::LogEntry(csv::InvalidQuotesEntry, lineNumber, line);
        return;
    }
    int32_t row = 0;
    if (!TargetRow(*fields, lineNumber, row))
        return;
    if (WriteFields(*fields, lineNumber, row) && !numbered_)
        ++nextRow_;
}

bool CsvImportPass::TargetRow(const QStringList& fields, int lineNumber, int32_t& row) {
    if (!numbered_) {
        row = nextRow_;
        return row < grid_.rows();
    }
    const QString& first = fields.first();
    switch (csv::ReadChannelNumber(first, row)) {
    case csv::ChannelField::Valid:
        return true;
    case csv::ChannelField::Invalid:
        log_ += csv::LogEntry(csv::ChannelInvalidEntry, lineNumber, first);
        return false;
    case csv::ChannelField::OutOfRange:
        log_ += csv::LogEntry(csv::ChannelOutOfRangeEntry, lineNumber, first);
        return false;
    }
    return false;
}

bool CsvImportPass::WriteFields(const QStringList& fields, int lineNumber, int32_t row) {
    for (int i = numbered_ ? 1 : 0; i < fields.size(); ++i) {
        const int column = columns_.value(i);
        if (column == 0)
            continue;
        QString value = csv::CellValue(fields.at(i));
        const QString refusal = FrequencyRefusal(column, value);
        if (!refusal.isEmpty()) {
            log_ += csv::LogEntry(refusal, lineNumber, value);
            gridrows::EmptyRow(grid_, row);
            return false;
        }
        grid_.setTextMatrix(row, column, value);
    }
    return true;
}

QString CsvImportPass::FrequencyRefusal(int column, QString& value) const {
    const bool rx = column == rxCol_;
    if (!rx && (column != txCol_ || value.isEmpty()))
        return QString();
    if (!platform::IsLocaleNumber(value))
        return rx ? csv::RxNotNumberEntry : csv::TxNotNumberEntry;
    const bool inBand =
        rx ? document_.IsFreqInRXBandLimits(value) : document_.IsFreqInTXBandLimits(value);
    if (!inBand)
        return rx ? csv::RxOutsideBandEntry : csv::TxOutsideBandEntry;
    if (!document_.IsFreqStepValid(value))
        return rx ? csv::RxStepEntry : csv::TxStepEntry;
    return QString();
}

QString CsvImportPass::Log() const {
    if (!numbered_ && nextRow_ >= grid_.rows())
        return log_ + csv::ExceededEntry + csv::LineEnd;
    return log_;
}

// The row the import without channel numbers starts at, as the start dialog
// leaves it; 0 or less when there is none (the dialog was closed before any
// import chose a row).
int32_t AskStartRow(frmDocument& document) {
    frmImportSelect dialog(document.window());
    platform::ExecModal(&dialog);
    int32_t& startRow = Program().ImportStartRow;
    if (startRow == importstart::AfterLastUsed)
        startRow = document.GetLastEmptyRow();
    return startRow;
}

} // namespace

void frmDocument::ImportCSV(const QString& path) {
    try {
        const QStringList lines = importlines::ReadLines(path);
        if (lines.isEmpty())
            throw platform::RuntimeError(platform::ErrInputPastEndOfFile);
        const QString header = csv::HeaderWithoutQuotes(lines.first());
        const auto& table = Program().ColumnTable;
        if (!csv::IsValidHeader(header, table)) {
            platform::MsgBox(csv::InvalidHeaderMessage(), platform::vbExclamation,
                             QStringLiteral("Error"));
            return;
        }
        const bool numbered = csv::IsNumberedHeader(header);
        const int32_t startRow = numbered ? 0 : AskStartRow(*this);
        // A row below 1 is no memory: nothing is imported.
        if (!numbered && startRow < 1)
            return;

        CsvImportPass pass(*this, csv::ColumnMap(header, table), numbered, startRow);
        {
            const WaitPointer hourglass(*this);
            const RedrawOff frozen(*grids_[MemoryGrid]);
            for (int i = 1; i < lines.size(); ++i)
                pass.ImportLine(lines.at(i), i);
        }
        if (SaveGrid())
            FillGrid();
        const QString log = pass.Log();
        if (!log.isEmpty())
            frmStatus::ShowErrorLog(log, window());
    } catch (const platform::RuntimeError& e) {
        platform::MsgBox(QStringLiteral("Error ") + QString::number(e.number()) +
                             QStringLiteral(":") + e.description(),
                         platform::vbExclamation);
    }
}
