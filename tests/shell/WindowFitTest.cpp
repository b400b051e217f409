// The band-limits editor shows every caption whole, clear of the boxes, with
// the fonts at hand.

#include "ShellFixture.h"

#include "shell/frmBandLimits.h"
#include "support/WindowFit.h"

#include <QCheckBox>

class WindowFit : public ShellTest {};

TEST_F(WindowFit, BandLimitsEditorCaptionsFitAndKeepClearOfTheBoxes) {
    Start(UvdFile());
    frmBandLimits dialog(main.get());
    dialog.show();
    EXPECT_EQ(CutCaptions(dialog), "");
}
