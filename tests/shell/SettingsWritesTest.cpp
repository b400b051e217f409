// When the main window and its documents write the settings file: a closed
// document window, a confirmed settings dialog and the program's exit write
// it; dragging a window's border does not.

#include "ShellFixture.h"

#include "platform/core/Settings.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

namespace {

QByteArray OnDisk() {
    return ReadFileBytes(platform::SettingsFilePath());
}

// A user's store after an earlier run; its first write made the file.
void EarlierRun() {
    platform::SaveSetting(QStringLiteral("Settings"), QStringLiteral("AutoShift"),
                          QStringLiteral("False"));
}

} // namespace

TEST_F(ShellTest, ExitLeavesEveryStoredValueInTheFile) {
    Start();
    main->mnuAutoShift_Click();
    main->AddToMRU(QStringLiteral("/r/a.uvd"));
    main->MdiArea()->subWindowList().at(0)->resize(600, 350);
    Settle();
    main->close();

    // A copy is read afresh: nothing of this run's store can stand in for it.
    const QString copy = tempPath(QStringLiteral("copy.ini"));
    ASSERT_TRUE(QFile::copy(platform::SettingsFilePath(), copy));
    QSettings file(copy, QSettings::IniFormat);
    const QStringList keys = file.allKeys();
    for (const char* key :
         {"Settings/AutoShift", "MRU/mru0", "Settings/DocWidth", "Settings/Caption10",
          "Grid3Settings/ColWid2", "Settings/WindowState", "Settings/Width", "Settings/FilePath"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
    for (const QString& key : keys)
        EXPECT_EQ(file.value(key).toString(),
                  platform::GetSetting(key.section('/', 0, 0), key.section('/', 1)))
            << key.toStdString();
    EXPECT_EQ(file.value("Settings/AutoShift").toString(), "True");
    EXPECT_EQ(file.value("Settings/DocWidth").toString(), "9000");
}

TEST_F(ShellTest, ClosingADocumentWritesItsLayoutAndResizingWritesNothing) {
    EarlierRun();
    Start();
    platform::FlushSettings();
    const QByteArray before = OnDisk();
    QMdiSubWindow* frame = main->MdiArea()->subWindowList().at(0);
    // The store writes what rested a second; a busy machine may let one pass
    // between two resizes, and that write is no fault.
    QElapsedTimer sinceLast;
    qint64 longestGap = 0;
    sinceLast.start();
    for (int width = 600; width < 620; ++width) {
        frame->resize(width, 350);
        Settle();
        longestGap = std::max(longestGap, sinceLast.restart());
    }
    if (longestGap < 900) {
        EXPECT_EQ(OnDisk(), before);
    }
    EXPECT_EQ(platform::GetSetting("Settings", "DocWidth"), "9285");

    main->mnuFileClose_Click();
    Settle();
    EXPECT_TRUE(OnDisk().contains("DocWidth=9285"));
}

TEST_F(ShellTest, ConfirmedPortDialogWritesTheFile) {
    EarlierRun();
    Start();
    platform::FlushSettings();
    ASSERT_FALSE(OnDisk().contains("AutoDetect"));
    dialogs.runModal([](QDialog& window) {
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    main->mnuPort_Click();
    EXPECT_TRUE(OnDisk().contains("AutoDetect=1"));
}
