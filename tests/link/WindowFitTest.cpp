// The link's windows show every caption and the whole band-limit comparison
// whole with the fonts at hand, not only with the ones they were laid out for.

#include "support/WindowFit.h"
#include "link/BandLimitCompare.h"
#include "link/frmBandLimitPrompt.h"
#include "link/frmCommPort.h"
#include "link/frmReadRadio.h"
#include "link/frmWriteRadio.h"
#include "platform/core/Measures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

using platform::TwipsToPixels;

TEST(WindowFit, BandLimitPromptShowsBothLinesAndTheWholeComparison) {
    frmBandLimitPrompt prompt;
    prompt.setComparisonText(clonelink::BandLimitComparisonText(
        {"136", "174", "400", "480", "136", "174", "400", "480"},
        {"118", "174", "350", "520", "144", "148", "420", "450"}));
    prompt.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(CutCaptions(prompt), "");
    // Nine lines and no scrolling: the last line of band 2 is what the answer
    // hangs on as much as the first.
    const QPlainTextEdit* box = prompt.Text1();
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(prompt.rect().contains(QRect(box->mapTo(&prompt, QPoint(0, 0)), box->size())));
    // Captions stay where they were placed; the window only grows.
    EXPECT_EQ(prompt.Label1()->pos(), QPoint(TwipsToPixels(840), TwipsToPixels(180)));
    EXPECT_GE(prompt.width(), TwipsToPixels(5835));
    EXPECT_GE(prompt.height(), TwipsToPixels(3855));
}

TEST(WindowFit, CommPortShowsAutoDetectWhole) {
    frmCommPort form;
    form.show();
    EXPECT_EQ(CutCaptions(form), "");
}

TEST(WindowFit, TransferWindowsShowTheirStepsWhole) {
    frmReadRadio read;
    read.show();
    EXPECT_EQ(CutCaptions(read), "");
    frmWriteRadio write;
    write.show();
    EXPECT_EQ(CutCaptions(write), "");
}
