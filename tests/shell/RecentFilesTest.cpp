#include "ShellFixture.h"

#include "platform/core/Settings.h"
#include "platform/widgets/MsgBox.h"
#include "shell/RecentFiles.h"

#include <QAction>
#include <QMenu>

namespace {

void StoreList(const QStringList& entries) {
    for (int i = 0; i < entries.size(); ++i)
        platform::SaveSetting("MRU", QStringLiteral("mru%1").arg(i), entries[i]);
}

} // namespace

// A new path goes on top and the oldest drops; a known one moves up whatever
// its letter case and takes the new spelling; a gap moves down.
TEST(RecentFiles, AddingPutsThePathOnTop) {
    struct Case {
        QStringList stored;
        QString added;
        QStringList expected;
    };
    const QList<Case> cases = {
        {{"/r/1.uvd", "/r/2.uvd", "/r/3.uvd", "/r/4.uvd", "/r/5.uvd"},
         "/r/6.uvd",
         {"/r/6.uvd", "/r/1.uvd", "/r/2.uvd", "/r/3.uvd", "/r/4.uvd"}},
        {{"m0", "m1", "c:\\data\\a.uvd", "m3", "m4"},
         "C:\\Data\\A.uvd",
         {"C:\\Data\\A.uvd", "m0", "m1", "m3", "m4"}},
        {{"C:\\Data\\A.uvd", "m0", "m1", "m3", "m4"},
         "C:\\DATA\\a.uvd",
         {"C:\\DATA\\a.uvd", "m0", "m1", "m3", "m4"}},
        {{"m0", "", "m2", "m3", "m4"}, "new", {"new", "m0", "", "m2", "m3"}}};
    for (const Case& c : cases) {
        StoreList(c.stored);
        shell::AddRecentFile(c.added);
        EXPECT_EQ(shell::ReadRecentFiles(), c.expected) << c.added.toStdString();
    }
}

TEST(RecentFiles, MovingAnEntryToTheTopKeepsTheOthersInOrder) {
    StoreList({"m0", "m1", "m2", "m3", "m4"});
    shell::MoveRecentFileToTop(2);
    EXPECT_EQ(shell::ReadRecentFiles(), (QStringList{"m2", "m0", "m1", "m3", "m4"}));
}

TEST(RecentFiles, CaptionShowsThePartAfterTheLastSeparator) {
    EXPECT_EQ(shell::RecentFileCaption("&1", "C:\\Radio\\home.uvd"), QStringLiteral("&1 home.uvd"));
    EXPECT_EQ(shell::RecentFileCaption("&2", "/home/ham/club.uvd"), QStringLiteral("&2 club.uvd"));
    EXPECT_EQ(shell::RecentFileCaption("&3", "a/b\\c.uvd"), QStringLiteral("&3 c.uvd"));
    EXPECT_EQ(shell::RecentFileCaption("&4", "a\\b/c.uvd"), QStringLiteral("&4 c.uvd"));
    EXPECT_EQ(shell::RecentFileCaption("&5", "plain.uvd"), QStringLiteral("&5 plain.uvd"));
}

TEST_F(ShellTest, RecentFileMenuHidesEmptyEntriesWithoutRenumbering) {
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    Start();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(main->mnuMRU(i)->isVisible()) << i;
    EXPECT_FALSE(main->MenuItem("mnuMRUSep")->isVisible());

    StoreList({"/r/a.uvd", "", "C:\\r\\c.uvd"});
    main->LoadMRU();
    EXPECT_TRUE(main->MenuItem("mnuMRUSep")->isVisible());
    EXPECT_EQ(main->mnuMRU(0)->text(), QStringLiteral("&1 a.uvd"));
    EXPECT_FALSE(main->mnuMRU(1)->isVisible());
    EXPECT_EQ(main->mnuMRU(2)->text(), QStringLiteral("&3 c.uvd"));
    EXPECT_TRUE(main->mnuMRU(2)->isVisible());

    main->AddToMRU("/r/new.uvd");
    EXPECT_EQ(main->mnuMRU(0)->text(), QStringLiteral("&1 new.uvd"));
    EXPECT_EQ(main->mnuMRU(1)->text(), QStringLiteral("&2 a.uvd"));
    EXPECT_FALSE(main->mnuMRU(2)->isVisible());
    EXPECT_EQ(main->mnuMRU(3)->text(), QStringLiteral("&4 c.uvd"));
}

// With no document open, the click opens a new one; the first entry stays
// where it is, so nothing is written.
TEST_F(ShellTest, ClickingTheFirstRecentFileWithNoDocumentOpensItAndWritesNothing) {
    const QString path = UvdFile();
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    StoreList({path, "/r/b.uvd"});
    Start();
    main->mnuFileClose_Click();
    Settle();
    const QByteArray before = ReadFileBytes(platform::SettingsFilePath());
    main->mnuMRU_Click(0);
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(ReadFileBytes(platform::SettingsFilePath()), before);
}

TEST_F(ShellTest, RecentFileClickMovesItToTheTopAndOpensIt) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    const QString c = UvdFile(QStringLiteral("c.uvd"));
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    StoreList({a, b, c, "/x/d.uvd"});
    Start();
    EXPECT_EQ(main->mnuMRU(2)->text(), QStringLiteral("&3 c.uvd"));
    main->mnuMRU(2)->trigger();
    EXPECT_EQ(Captions(), QStringList{c});
    EXPECT_EQ(shell::ReadRecentFiles(), (QStringList{c, a, b, "/x/d.uvd", ""}));
    // The menu shows the new order once the File menu opens.
    emit main->TopMenu("mnuFile")->aboutToShow();
    EXPECT_EQ(main->mnuMRU(0)->text(), QStringLiteral("&1 c.uvd"));
    EXPECT_EQ(main->mnuMRU(1)->text(), QStringLiteral("&2 a.uvd"));
}

TEST_F(ShellTest, RecentFileClickOnAChangedDocumentAsksFirst) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    platform::SaveSetting("MRU", "mru1", b);
    Start(a);
    ChangeDocument(main->ActiveDocument());
    dialogs.answerMessage(platform::vbCancel);
    main->mnuMRU_Click(1);
    EXPECT_EQ(dialogs.messages(), QStringList{a + Changed});
    EXPECT_EQ(Captions(), QStringList{a});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), a);
}
