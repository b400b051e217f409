// The About box.

#include "shell/frmAbout.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"
#include "support/WindowFit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

TEST(AboutWindow, TitleVersionAndOk) {
    EXPECT_EQ(frmAbout::VersionText(QStringLiteral("1.0.10")), QStringLiteral("Version 1.0.10"));
    EXPECT_EQ(frmAbout::VersionText(QStringLiteral("01.00.010")), QStringLiteral("Version 1.0.10"));
    EXPECT_EQ(frmAbout::VersionText(QStringLiteral("2")), QStringLiteral("Version 2.0.0"));

    const QString oldVersion = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    ScriptedResponder dialogs;
    dialogs.runModal([](QDialog& dialog) {
        auto& about = static_cast<frmAbout&>(dialog);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About..."));
        EXPECT_EQ(about.Label1()->text(), QStringLiteral("KG-UV Ferrowind"));
        EXPECT_EQ(about.Label2()->text(), QStringLiteral("Version 1.2.3"));
        EXPECT_EQ(about.Command1()->text(), QStringLiteral("&OK"));
        EXPECT_EQ(CutCaptions(about), "");
        about.Command1()->click();
    });
    ShowAbout();
    QCoreApplication::setApplicationVersion(oldVersion);
    EXPECT_EQ(dialogs.pending(), 0);
}
