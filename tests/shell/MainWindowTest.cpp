#include "ShellFixture.h"

#include "platform/widgets/MsgBox.h"
#include "support/ScriptedResponder.h"

#include <QAction>
#include <QLabel>

TEST_F(ShellTest, StartsWithOneEmptyDocumentAndTheVersionCaption) {
    Start();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("KG-UV Ferrowind v1.0.0 (BETA)"));
    EXPECT_EQ(main->StatusPanel1()->text(),
              QStringLiteral("KG-UV Ferrowind v1.0.0 - KG-UV Ferrowind developers"));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    ASSERT_NE(main->ActiveDocument(), nullptr);
    EXPECT_TRUE(main->IsFormLoaded());
}
