// The column width a grid needs to show texts whole: long lists are measured
// by shortcut, and the shortcut never misses the widest text.

#include "platform/core/Measures.h"
#include "platform/widgets/FlexGrid.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace platform;

TEST(GridTextWidth, AListNeedsWhatItsWidestTextNeeds) {
    FlexGrid grid;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(11);
    grid.setFont(font);
    // Offsets as the VFO lists offer them, and texts whose kerning or narrow
    // letters make their letter-by-letter widths misleading.
    QStringList texts;
    for (int i = 0; i < 1400; ++i)
        texts << QString::number(i * 0.05, 'f', 2);
    texts << QStringLiteral("AVAVAVAVAVAV") << QStringLiteral("CHANNEL+NAME")
          << QStringLiteral("iiiiiiiiiiiiiiiiii") << QStringLiteral("WAVE TAV");
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, grid.colWidthToShow({text}));
    EXPECT_EQ(grid.colWidthToShow(texts), widest);
    std::reverse(texts.begin(), texts.end());
    EXPECT_EQ(grid.colWidthToShow(texts), widest);
    // A wider text needs more; nothing at all needs only the cell's margins.
    EXPECT_GT(grid.colWidthToShow({QStringLiteral("CHANNEL+NAME+")}),
              grid.colWidthToShow({QStringLiteral("CHANNEL+NAME")}));
    EXPECT_EQ(grid.colWidthToShow({}), grid.colWidthToShow({QString()}));
}
