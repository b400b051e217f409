#pragma once
// The data cells of a grid row: columns 1 to Cols-1. Column 0 holds the
// channel number, which stays with its row whatever moves.

#include "platform/widgets/FlexGrid.h"

#include <QStringList>
#include <cstdint>

namespace gridrows {

inline QStringList RowTexts(const platform::FlexGrid& grid, int32_t row) {
    QStringList texts;
    for (int c = 1; c < grid.cols(); ++c)
        texts << grid.textMatrix(row, c);
    return texts;
}

inline void SetRowTexts(platform::FlexGrid& grid, int32_t row, const QStringList& texts) {
    for (int c = 1; c < grid.cols(); ++c)
        grid.setTextMatrix(row, c, texts.value(c - 1));
}

inline void CopyRow(platform::FlexGrid& grid, int32_t from, int32_t to) {
    SetRowTexts(grid, to, RowTexts(grid, from));
}

inline void EmptyRow(platform::FlexGrid& grid, int32_t row) {
    SetRowTexts(grid, row, QStringList());
}

} // namespace gridrows
