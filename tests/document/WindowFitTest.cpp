// The document's small windows show their captions whole with the fonts at
// hand.

#include "support/WindowFit.h"
#include "document/frmAbout.h"
#include "document/frmProgress.h"

#include <gtest/gtest.h>

TEST(WindowFit, AboutAndProgressShowTheirCaptionsWhole) {
    frmAbout about;
    about.show();
    EXPECT_EQ(CutCaptions(about), "");
    frmProgress progress;
    progress.ShowStep(QStringLiteral("Comparing..."), 40);
    EXPECT_EQ(CutCaptions(progress), "");
    progress.close();
}
