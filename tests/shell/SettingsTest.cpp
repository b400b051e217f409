#include "ShellFixture.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "program/ProgramValues.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

namespace {

void Store(const QString& key, const QString& value) {
    platform::SaveSetting(QStringLiteral("Settings"), key, value);
}

QString Stored(const QString& key) {
    return platform::GetSetting(QStringLiteral("Settings"), key, QStringLiteral("<none>"));
}

} // namespace

TEST_F(ShellTest, EmptyStoreGivesTheFirstStartDefaults) {
    Start();
    const ProgramValues& p = Program();
    EXPECT_FALSE(p.EnterKeyNextRow);
    EXPECT_FALSE(p.EnterKeyNextColumn);
    EXPECT_EQ(p.FrequencyFormat, QStringLiteral("##0.000##"));
    EXPECT_TRUE(p.HighlightSelectedRow);
    EXPECT_EQ(p.HighlightColor, 8454143);
    EXPECT_TRUE(p.OpenLastUsed);
    EXPECT_TRUE(p.UseTextLabels);
    EXPECT_TRUE(p.ConfirmRowDelete);
    EXPECT_TRUE(p.ConfirmRowClear);
    EXPECT_TRUE(p.RowKeysWithoutSelection);
    EXPECT_FALSE(p.ScrollWheel);
    EXPECT_EQ(p.GridFontName, QStringLiteral("FIXEDSYS"));
    EXPECT_EQ(p.GridFontItalic, QStringLiteral("False"));
    EXPECT_EQ(p.GridFontBold, QStringLiteral("False"));
    EXPECT_EQ(p.GridFontSize, QStringLiteral("8"));
    EXPECT_EQ(p.GridBackColor, platform::ColorWindowBackground);
    EXPECT_EQ(p.GridForeColor, platform::ColorWindowText);
    EXPECT_FALSE(main->AutoShiftChecked());
    EXPECT_EQ(main->tbButton(1)->text(), QStringLiteral("New"));

    EXPECT_FALSE(main->isMaximized());
    const QRect g = main->geometry();
    EXPECT_EQ(g.width(), platform::TwipsToPixels(9990));
    EXPECT_EQ(g.height(), platform::TwipsToPixels(7050));
    const QRect screen = main->screen()->geometry();
    EXPECT_NEAR(g.left(), (screen.width() - g.width()) / 2, 1);
    EXPECT_NEAR(g.top(), (screen.height() - g.height()) / 2, 1);
}

TEST_F(ShellTest, StoredValuesReachTheFlags) {
    Store("SysFontName", "Courier New");
    Store("SysFontItalic", "True");
    Store("SysFontBold", "1");
    Store("SysFontSize", "10");
    Store("SysBackColor", "&H80000005");
    Store("SysForeColor", "255");
    Store("EnterKey", "1");
    Store("SignificantDigitsOnly", "False");
    Store("HighlightSelectedRow", "False");
    Store("HighlightColor", "65280");
    Store("OpenLastUsed", "False");
    Store("UseTextLabels", "False");
    Store("ConfirmRowDelete", "0");
    Store("ConfirmRowClear", "False");
    Store("AutoShift", "True");
    Start();
    const ProgramValues& p = Program();
    EXPECT_EQ(p.GridFontName, QStringLiteral("Courier New"));
    // The font texts are kept as stored.
    EXPECT_EQ(p.GridFontItalic, QStringLiteral("True"));
    EXPECT_EQ(p.GridFontBold, QStringLiteral("1"));
    EXPECT_EQ(p.GridFontSize, QStringLiteral("10"));
    EXPECT_EQ(p.GridBackColor, -2147483643);
    EXPECT_EQ(p.GridForeColor, 255);
    EXPECT_TRUE(p.EnterKeyNextRow);
    EXPECT_FALSE(p.EnterKeyNextColumn);
    EXPECT_EQ(p.FrequencyFormat, QStringLiteral("##0.00000"));
    EXPECT_FALSE(p.HighlightSelectedRow);
    EXPECT_EQ(p.HighlightColor, 65280);
    EXPECT_FALSE(p.OpenLastUsed);
    EXPECT_FALSE(p.UseTextLabels);
    EXPECT_FALSE(p.ConfirmRowDelete);
    EXPECT_FALSE(p.ConfirmRowClear);
    EXPECT_TRUE(main->AutoShiftChecked());
    EXPECT_EQ(main->tbButton(1)->text(), QString());
    EXPECT_EQ(main->tbToolBar()->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(ShellTest, EnterKeyModes) {
    struct Case {
        const char* stored;
        bool nextRow;
        bool nextColumn;
    };
    // Another number keeps the built-in mode (next column); text that is no
    // number counts as 0 (stay in the cell).
    for (const Case& c : {Case{"0", false, false}, Case{"2", false, true}, Case{"7", false, true},
                          Case{"abc", false, false}}) {
        Store("EnterKey", c.stored);
        Start();
        EXPECT_EQ(Program().EnterKeyNextRow, c.nextRow) << c.stored;
        EXPECT_EQ(Program().EnterKeyNextColumn, c.nextColumn) << c.stored;
        main.reset();
        Settle();
    }
}

TEST_F(ShellTest, ValuesThatDoNotConvertAreSkipped) {
    Store("SignificantDigitsOnly", "maybe");
    Store("ConfirmRowDelete", "abc");
    Store("ConfirmRowClear", "abc");
    Store("HighlightSelectedRow", "abc");
    Store("HighlightColor", "pale");
    Store("OpenLastUsed", "x");
    Store("UseTextLabels", "x");
    Store("SysBackColor", "&HXYZ");
    Store("AutoShift", "often");
    Store("Width", "wide");
    Store("WindowState", "big");
    Program().GridBackColor = 12345;
    Start();
    const ProgramValues& p = Program();
    EXPECT_EQ(p.FrequencyFormat, QStringLiteral("##0.000##"));
    // The built-in values stay.
    EXPECT_FALSE(p.ConfirmRowDelete);
    EXPECT_FALSE(p.ConfirmRowClear);
    EXPECT_FALSE(p.HighlightSelectedRow);
    EXPECT_EQ(p.HighlightColor, 0);
    EXPECT_TRUE(p.OpenLastUsed);
    EXPECT_FALSE(p.UseTextLabels);
    EXPECT_EQ(p.GridBackColor, 12345);
    EXPECT_FALSE(main->AutoShiftChecked());
    EXPECT_FALSE(main->isMaximized());
    EXPECT_EQ(main->geometry().width(), platform::TwipsToPixels(9990));
}

TEST_F(ShellTest, PlacementRoundTripsExactly) {
    Store("WindowState", "0");
    Store("Top", "900");
    Store("Height", "8010");
    Store("Left", "1500");
    Store("Width", "12000");
    Start();
    EXPECT_EQ(main->geometry(), QRect(100, 60, 800, 534));
    main->close();
    EXPECT_EQ(Stored("WindowState"), QStringLiteral("0"));
    EXPECT_EQ(Stored("Top"), QStringLiteral("900"));
    EXPECT_EQ(Stored("Height"), QStringLiteral("8010"));
    EXPECT_EQ(Stored("Left"), QStringLiteral("1500"));
    EXPECT_EQ(Stored("Width"), QStringLiteral("12000"));
    EXPECT_EQ(Stored("FilePath"), QDir::currentPath());

    // A second start puts the window where the first one left it.
    Start();
    EXPECT_EQ(main->geometry(), QRect(100, 60, 800, 534));
}

TEST_F(ShellTest, MaximisedStartReadsNoPlacementAndExitKeepsIt) {
    Store("WindowState", "2");
    Store("Width", "12000");
    Store("Top", "900");
    Start();
    EXPECT_TRUE(main->isMaximized());
    main->close();
    EXPECT_EQ(Stored("WindowState"), QStringLiteral("2"));
    EXPECT_EQ(Stored("Width"), QStringLiteral("12000"));
    EXPECT_EQ(Stored("Top"), QStringLiteral("900"));
    EXPECT_EQ(Stored("Height"), QStringLiteral("<none>"));
}

TEST_F(ShellTest, MinimisedExitWritesOnlyTheFolder) {
    Start();
    main->setWindowState(Qt::WindowMinimized);
    main->close();
    EXPECT_EQ(Stored("WindowState"), QStringLiteral("<none>"));
    EXPECT_EQ(Stored("Width"), QStringLiteral("<none>"));
    EXPECT_EQ(Stored("FilePath"), QDir::currentPath());
}

TEST_F(ShellTest, StoredFolderBecomesTheWorkingFolderWhenItExists) {
    const QString folder = tempPath(QStringLiteral("radio"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Store("FilePath", folder);
    Start();
    EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
    main.reset();

    const QString before = QDir::currentPath();
    Store("FilePath", tempPath(QStringLiteral("deleted")));
    Start();
    EXPECT_EQ(QDir::currentPath(), before);
}
