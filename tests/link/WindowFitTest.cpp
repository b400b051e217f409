// The link's windows show every caption whole with the fonts at hand, not
// only with the ones they were laid out for.

#include "support/WindowFit.h"
#include "link/frmCommPort.h"
#include "link/frmReadRadio.h"
#include "link/frmWriteRadio.h"

#include <gtest/gtest.h>

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
