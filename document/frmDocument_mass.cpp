// Edits of many cells at once: one value into the selected channels, running
// names, and emptying every channel. Grid cells only; SaveGrid takes them into
// the image.

#include "document/frmDocument.h"

#include "image/clsVUROVA.h"
#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"

#include <algorithm>

using platform::FlexGrid;

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The run of digits at the end of text; empty when it ends in anything else.
QString TrailingDigits(const QString& text) {
    int start = text.size();
    while (start > 0 && IsAsciiDigit(text.at(start - 1)))
        --start;
    return text.mid(start);
}

// digits + n in decimal, as wide as digits at least: "0099" + 1 = "0100",
// "9" + 1 = "10". Works on the text, so no run of digits is too long.
QString AddToDigits(const QString& digits, int n) {
    QString sum = digits;
    int carry = n;
    for (int k = sum.size() - 1; k >= 0 && carry > 0; --k) {
        const int value = sum.at(k).digitValue() + carry;
        sum[k] = QLatin1Char(static_cast<char>('0' + value % 10));
        carry = value / 10;
    }
    return carry > 0 ? QString::number(carry) + sum : sum;
}

} // namespace

void frmDocument::SetMass(const QString& value) {
    SetSelection();
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    const int col = grid->col();
    if (col < grid->fixedCols())
        return;
    for (int32_t r = SelTopRow; r <= SelBottomRow; ++r) {
        if (IsRowUsed(r))
            grid->setTextMatrix(r, col, value);
    }
}

void frmDocument::IncrementTags() {
    SetSelection();
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid || SelTopRow <= 1)
        return;
    const int nameCol = GridColumnOf(ColName);
    if (nameCol < 1 || nameCol >= grid->cols() || SelTopRow - 1 >= grid->rows())
        return;
    const QString seed = grid->textMatrix(SelTopRow - 1, nameCol);
    if (seed.isEmpty())
        return;
    const QString digits = TrailingDigits(seed);
    const QString prefix = seed.left(seed.size() - digits.size());
    int n = 1;
    for (int32_t r = SelTopRow; r <= SelBottomRow; ++r) {
        if (!IsRowUsed(r))
            continue;
        if (digits.isEmpty()) {
            grid->setTextMatrix(r, nameCol, seed.left(image_->MaxNameLength()));
        } else {
            grid->setTextMatrix(r, nameCol,
                                (prefix + AddToDigits(digits, n)).left(image_->MaxNameLength()));
            ++n;
        }
    }
}

void frmDocument::ClearAll() {
    FlexGrid& grid = *grids_[MemoryGrid];
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 1; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, QString());
}
