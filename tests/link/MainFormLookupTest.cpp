#include "mainwindow/IMainWindow.h"
#include "platform/core/RuntimeError.h"
#include "support_main/FakeMainWindow.h"

#include <gtest/gtest.h>

// The read and write windows and the band-limit editor all reach the main
// window through this one lookup; without one they must fail with error 91.
TEST(RequireMainForm, RaisesError91WhileNoneIsSetAndGivesTheOneThatIs) {
    ASSERT_EQ(MainForm(), nullptr);
    try {
        RequireMainForm();
        FAIL() << "no error raised";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(platform::ErrorText(e),
                  QStringLiteral("Error 91: Object variable or With block variable not set"));
    }
    FakeMainWindow main;
    EXPECT_EQ(&RequireMainForm(), &main);
}
