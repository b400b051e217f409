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

// Stores "key=value" entries.
void Store(const QStringList& entries) {
    for (const QString& entry : entries)
        Store(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
}

QString Stored(const QString& key) {
    return platform::GetSetting(QStringLiteral("Settings"), key, QStringLiteral("<none>"));
}

// Each "key=value" entry is stored so; "<none>" for a key that is not.
void ExpectStored(const QStringList& entries) {
    for (const QString& entry : entries)
        EXPECT_EQ(Stored(entry.section(QLatin1Char('='), 0, 0)), entry.section(QLatin1Char('='), 1))
            << entry.toStdString();
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
    Store(QStringList{"SysFontName=Courier New", "SysFontItalic=True", "SysFontBold=1",
                      "SysFontSize=10", "SysBackColor=&H80000005", "SysForeColor=255", "EnterKey=1",
                      "SignificantDigitsOnly=False", "HighlightSelectedRow=False",
                      "HighlightColor=65280", "OpenLastUsed=False", "UseTextLabels=False",
                      "ConfirmRowDelete=0", "ConfirmRowClear=False", "AutoShift=True"});
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
    Store(QStringList{"SignificantDigitsOnly=maybe", "ConfirmRowDelete=abc", "ConfirmRowClear=abc",
                      "HighlightSelectedRow=abc", "HighlightColor=pale", "OpenLastUsed=x",
                      "UseTextLabels=x", "SysBackColor=&HXYZ", "AutoShift=often", "Width=wide",
                      "WindowState=big"});
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
    const QStringList placement = {"WindowState=0", "Top=900", "Height=8010", "Left=1500",
                                   "Width=12000"};
    Store(placement);
    Start();
    EXPECT_EQ(main->geometry(), QRect(100, 60, 800, 534));
    main->close();
    ExpectStored(placement);
    EXPECT_EQ(Stored("FilePath"), QDir::currentPath());

    // A second start puts the window where the first one left it.
    Start();
    EXPECT_EQ(main->geometry(), QRect(100, 60, 800, 534));
}

TEST_F(ShellTest, MaximisedStartReadsNoPlacementAndExitKeepsIt) {
    Store(QStringList{"WindowState=2", "Width=12000", "Top=900"});
    Start();
    EXPECT_TRUE(main->isMaximized());
    main->close();
    ExpectStored({"WindowState=2", "Width=12000", "Top=900", "Height=<none>"});
}

TEST_F(ShellTest, MinimisedExitWritesOnlyTheFolder) {
    Start();
    main->setWindowState(Qt::WindowMinimized);
    main->close();
    ExpectStored({"WindowState=<none>", "Width=<none>"});
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
