// The settings grids' columns start wide enough for what they show at the
// fonts at hand; widths the user stored, and the memory grid's, stay.

#include "DocumentFixture.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/TabStrip.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>

using platform::FlexGrid;

namespace {

// The leftmost and rightmost pixel column holding text (darker than the grid
// lines) inside rect; {-1, -1} when there is none.
std::pair<int, int> InkColumns(const QImage& image, const QRect& rect) {
    int first = -1;
    int last = -1;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

// How wide text is in ink, drawn whole in font.
int InkWidth(const QString& text, const QFont& font) {
    QImage image(600, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(10, 0, 580, 60), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    const auto [first, last] = InkColumns(image, image.rect());
    return last - first + 1;
}

// Cell (row, col) of the grid's picture in pixels, its grid lines left out.
QRect CellInterior(const FlexGrid& grid, int row, int col) {
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += platform::TwipsToPixels(grid.colWidth(c));
    int y = 0;
    for (int r = 0; r < row; ++r)
        y += platform::TwipsToPixels(grid.rowHeight(r));
    return QRect(x, y, platform::TwipsToPixels(grid.colWidth(col)) - 1,
                 platform::TwipsToPixels(grid.rowHeight(row)) - 1);
}

} // namespace

TEST_F(DocumentTest, VfoDisplayModesShowWholeOnTheScreen) {
    auto doc = OpenedDocument();
    doc->SSTab1()->setTab(frmDocument::VfoGrid);
    const FlexGrid& vfo = *doc->MSFlexGrid1(frmDocument::VfoGrid);
    ASSERT_TRUE(vfo.isVisible());
    ASSERT_EQ(vfo.textMatrix(1, 1), QStringLiteral("CHANNEL+FREQ"));
    ASSERT_EQ(vfo.textMatrix(1, 2), QStringLiteral("CHANNEL+NAME"));

    const QImage shot = vfo.viewport()->grab().toImage();
    for (int col = 1; col <= 2; ++col) {
        const QRect cell = CellInterior(vfo, 1, col);
        ASSERT_LE(cell.right(), shot.width()) << col;
        const auto [first, last] = InkColumns(shot, cell);
        EXPECT_EQ(last - first + 1, InkWidth(vfo.textMatrix(1, col), vfo.font()))
            << vfo.textMatrix(1, col).toStdString() << " is cut";
    }
    // Whichever of the options a cell holds, it fits.
    for (const char* text : {"CHANNEL+NAME", "CHANNEL+FREQ"})
        for (int col = 1; col <= 2; ++col)
            EXPECT_GE(platform::TwipsToPixels(vfo.colWidth(col)),
                      InkWidth(QString::fromLatin1(text), vfo.font()) + 4)
                << text;
}

// The configuration and FM grids fit the same way; a width stored by the
// user wins even when it cuts, and the memory grid keeps its own widths.
TEST_F(DocumentTest, SettingsColumnsFitTheirTextsUnlessTheUserStoredAWidth) {
    platform::SaveSetting(QStringLiteral("Grid2Settings"), QStringLiteral("ColWid2"),
                          QStringLiteral("900"));
    auto doc = NewDocument();
    // With nothing to show, the columns keep their built widths.
    EXPECT_EQ(Widths(*doc->MSFlexGrid1(frmDocument::VfoGrid)), QList<int>({2500, 1500, 900}));
    const QList<int> memoryWidths = Widths(*doc->MSFlexGrid1(frmDocument::MemoryGrid));

    QFont large = doc->MSFlexGrid1(frmDocument::FmGrid)->font();
    large.setPointSizeF(24);
    doc->MSFlexGrid1(frmDocument::ConfigGrid)->setFont(large);
    doc->MSFlexGrid1(frmDocument::FmGrid)->setFont(large);
    ASSERT_TRUE(doc->OpenFile(RealisticFile()));

    const FlexGrid& vfo = *doc->MSFlexGrid1(frmDocument::VfoGrid);
    EXPECT_GE(vfo.colWidth(1), vfo.colWidthToShow({QStringLiteral("CHANNEL+NAME")}));
    EXPECT_EQ(vfo.colWidth(2), 900);
    EXPECT_EQ(vfo.colWidth(0), 2500);

    // "Transmit Over Time Alarm" in the function column; the widest option of
    // any configuration list in the setting column, whatever the cells hold.
    const FlexGrid& config = *doc->MSFlexGrid1(frmDocument::ConfigGrid);
    EXPECT_GE(config.colWidth(1),
              config.colWidthToShow({QStringLiteral("Transmit Over Time Alarm")}));
    const clsVUROVA& image = doc->Image();
    for (const QString& option : image.PowerOnDisplay_OPT() + image.SideKey_OPT() +
                                     image.ScanMode_OPT() + image.Backlight_OPT())
        EXPECT_GE(config.colWidth(2), config.colWidthToShow({option})) << option.toStdString();

    const FlexGrid& fm = *doc->MSFlexGrid1(frmDocument::FmGrid);
    EXPECT_EQ(fm.textMatrix(1, 2), QStringLiteral("100.4"));
    EXPECT_GE(fm.colWidth(2), fm.colWidthToShow({QStringLiteral("100.4")}));
    EXPECT_GT(fm.colWidth(2), 1000);

    EXPECT_EQ(Widths(*doc->MSFlexGrid1(frmDocument::MemoryGrid)), memoryWidths);
}
