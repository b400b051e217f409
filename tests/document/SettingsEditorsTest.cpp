// The editors of the configuration, VFO and FM broadcast grids, opened and
// typed into with real keys: each row's list or length, the key filters, what
// the cell shows while typing, and the coupled VFO display modes.

#include "EditingFixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using OptionList = QStringList (clsVUROVA::*)() const;

constexpr int RxCol = 2; // the RX Freq column while nobody moved it

} // namespace

class SettingsEditorsTest : public EditingTest {
protected:
    // Opens the editor of a settings cell with Enter (the Enter key's stay
    // mode, the default).
    void open(int index, int row, int col) {
        showTab(index);
        go(index, row, col);
        key(Qt::Key_Return);
    }
    // Closes an open editor the way the user leaves it.
    void leave() { key(Qt::Key_Tab); }
    // Empties the memory grid's RX cells except the given channels.
    void keepChannels(const QList<int>& channels) {
        for (int r = 1; r <= 128; ++r) {
            if (!channels.contains(r))
                grid(0).setTextMatrix(r, RxCol, QString());
        }
    }
};

TEST_F(SettingsEditorsTest, ConfigurationListsAreTheImageOptionLists) {
    const clsVUROVA& image = doc->Image();
    const std::pair<int, OptionList> rows[] = {
        {1, &clsVUROVA::BatterySave_OPT}, {2, &clsVUROVA::RogerBeep_OPT},
        {3, &clsVUROVA::TOT_OPT},         {4, &clsVUROVA::VOX_OPT},
        {5, &clsVUROVA::VoicePrompt_OPT}, {6, &clsVUROVA::TOTAlarm_OPT},
        {7, &clsVUROVA::Beep_OPT},        {8, &clsVUROVA::PowerOnDisplay_OPT},
        {9, &clsVUROVA::KeyLock_OPT},     {10, &clsVUROVA::ScanMode_OPT},
        {11, &clsVUROVA::SideKey_OPT},    {12, &clsVUROVA::Backlight_OPT},
        {13, &clsVUROVA::Stopwatch_OPT},  {15, &clsVUROVA::ANITransmit_OPT},
        {16, &clsVUROVA::ANIDelay_OPT},   {18, &clsVUROVA::SideTone_OPT},
        {21, &clsVUROVA::Menu_OPT},       {25, &clsVUROVA::DualReceive_OPT},
        {26, &clsVUROVA::CurrentVFO_OPT},
    };
    for (const auto& [row, list] : rows) {
        open(1, row, 2);
        ASSERT_TRUE(cboOpen()) << row;
        EXPECT_FALSE(txtOpen());
        EXPECT_EQ(entries(), (image.*list)()) << row;
        EXPECT_EQ(cbo().text(), cell(1, row, 2)) << row;
        leave();
        EXPECT_FALSE(cboOpen());
    }

    // A choice goes into the cell, and SaveGrid takes it into the image.
    open(1, 4, 2);
    const QString vox = image.VOX_OPT().last();
    cbo().setListIndex(cbo().listCount() - 1);
    EXPECT_EQ(cell(1, 4, 2), vox);
    leave();
    doc->SaveGrid();
    EXPECT_EQ(doc->Image().VOX(), vox);

    // Only the Setting column edits.
    open(1, 4, 1);
    EXPECT_FALSE(cboOpen());
    EXPECT_FALSE(txtOpen());
}

TEST_F(SettingsEditorsTest, ChannelListsFollowTheMemoryGridAsItStands) {
    keepChannels({1, 5, 9});
    open(1, 14, 2);
    EXPECT_EQ(entries(), QStringList({"0", "1", "5", "9"}));
    leave();
    open(2, 11, 1);
    EXPECT_EQ(entries(), QStringList({"1", "5", "9"}));
    leave();

    // A memory typed in since the last save counts.
    showTab(0);
    go(0, 7, RxCol);
    type("145.5");
    leave();
    open(2, 11, 2);
    EXPECT_EQ(entries(), QStringList({"1", "5", "7", "9"}));
    leave();

    keepChannels({});
    open(1, 14, 2);
    EXPECT_EQ(entries(), QStringList{"0"});
    leave();
    open(2, 11, 1);
    EXPECT_EQ(entries(), QStringList{"1"});
}

// SaveGrid stores a channel whose RX cell holds blanks (its RX bytes stay as
// they were), so the lists offer it too.
TEST_F(SettingsEditorsTest, ARowWithABlankRXCellIsInTheChannelLists) {
    keepChannels({1, 12});
    grid(0).setTextMatrix(12, RxCol, QStringLiteral(" "));
    open(2, 11, 1);
    EXPECT_EQ(entries(), QStringList({"1", "12"}));
    leave();
    open(1, 14, 2);
    ASSERT_EQ(entries(), QStringList({"0", "1", "12"}));
    cbo().setListIndex(2);
    leave();
    doc->SaveGrid();
    EXPECT_EQ(doc->Image().PriorityChannel(), "12");
}

TEST_F(SettingsEditorsTest, AniIdTakesDigitsAndAToD) {
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    open(1, 17, 2);
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().maxLength(), 6);
    type("d");
    EXPECT_EQ(txt().text(), "D");
    type("eE!a0");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txt().text(), "DA0");
    type("12345");
    EXPECT_EQ(txt().text(), "DA0123");
    EXPECT_EQ(cell(1, 17, 2), "DA0123");
    key(Qt::Key_Backspace);
    EXPECT_EQ(cell(1, 17, 2), "DA012");
}

TEST_F(SettingsEditorsTest, PasswordsAreAlwaysSixDigitsInTheCell) {
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    for (int row : {19, 20}) {
        open(1, row, 2);
        ASSERT_TRUE(txtOpen());
        type("7");
        EXPECT_EQ(txt().text(), "7");
        EXPECT_EQ(cell(1, row, 2), "700000");
        type("a-8");
        key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(txt().text(), "78");
        EXPECT_EQ(cell(1, row, 2), "780000");
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        EXPECT_EQ(txt().text(), "");
        EXPECT_EQ(cell(1, row, 2), "000000");
        leave();
    }
}

TEST_F(SettingsEditorsTest, MessageLinesTakePrintableCharacters) {
    for (int row : {22, 23, 24}) {
        open(1, row, 2);
        ASSERT_TRUE(txtOpen()) << row;
        key(Qt::Key_Backspace);
        type("Hi~ 73!");
        EXPECT_EQ(txt().text(), "Hi~ 73");
        EXPECT_EQ(cell(1, row, 2), "Hi~ 73");
        leave();
    }
    // A character above 127 is refused.
    open(1, 22, 2);
    key(Qt::Key_Backspace);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(QApplication::focusWidget(), &accented);
    EXPECT_EQ(txt().text(), "");
}

TEST_F(SettingsEditorsTest, VfoListsByRowForBothColumns) {
    const clsVUROVA& image = doc->Image();
    const QStringList tones = QStringList{"OFF"} + image.GetTone_OPT();
    const std::pair<int, QStringList> rows[] = {
        {1, image.DisplayMode_OPT()},
        {3, image.SquelchSetting_OPT()},
        {4, image.FrequencyStep_OPT()},
        {5, {"HIGH", "LOW"}},
        {6, tones},
        {7, tones},
        {8, {"WIDE", "NARR"}},
        {9, image.ShiftDirection_OPT()},
        {10, image.ShiftFrequency_OPT()},
    };
    for (int col : {1, 2}) {
        for (const auto& [row, list] : rows) {
            open(2, row, col);
            ASSERT_TRUE(cboOpen()) << row;
            EXPECT_EQ(entries(), list) << row;
            EXPECT_EQ(cbo().text(), cell(2, row, col)) << row;
            leave();
        }
    }
}

TEST_F(SettingsEditorsTest, VfoFrequencyIsCorrectedAndAnEmptyOneGetsTheBandStart) {
    open(2, 2, 2);
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().maxLength(), 9);
    key(Qt::Key_Backspace);
    EXPECT_EQ(cell(2, 2, 2), "400.025"); // band 2 receive low limit + 0.025
    type("4x46.0,06");
    EXPECT_EQ(txt().text(), "446.006");
    EXPECT_EQ(cell(2, 2, 2), "446.005"); // snapped onto the raster
    leave();

    open(2, 2, 1);
    key(Qt::Key_Backspace);
    EXPECT_EQ(cell(2, 2, 1), "136.025");
    type("2");
    EXPECT_EQ(cell(2, 2, 1), "136.000");
}

TEST_F(SettingsEditorsTest, DisplayModesAreVfoTogetherOrNotAtAll) {
    auto choose = [this](int col, const QString& entry) {
        open(2, 1, col);
        ASSERT_TRUE(cboOpen());
        cbo().setText(entry);
        leave();
    };
    choose(1, "VFO");
    EXPECT_EQ(cell(2, 1, 1), "VFO");
    EXPECT_EQ(cell(2, 1, 2), "VFO");
    choose(2, "CHANNEL");
    EXPECT_EQ(cell(2, 1, 1), "CHANNEL");
    EXPECT_EQ(cell(2, 1, 2), "CHANNEL");
    choose(1, "CHANNEL+NAME"); // neither is "VFO": the other stays
    EXPECT_EQ(cell(2, 1, 1), "CHANNEL+NAME");
    EXPECT_EQ(cell(2, 1, 2), "CHANNEL");
    choose(2, "VFO");
    choose(1, "CHANNEL+FREQ");
    EXPECT_EQ(cell(2, 1, 2), "CHANNEL+FREQ");
}

TEST_F(SettingsEditorsTest, FmFrequenciesTakeTheDecimalSeparator) {
    open(3, 5, 2);
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().maxLength(), 5);
    type("9a9.85");
    EXPECT_EQ(txt().text(), "99.85");
    EXPECT_EQ(cell(3, 5, 2), "99.9");
    leave();
    open(3, 6, 1);
    type("5");
    EXPECT_EQ(cell(3, 6, 1), "76.0");
    key(Qt::Key_Backspace);
    EXPECT_EQ(cell(3, 6, 1), "");
    leave();

    const LocaleGuard comma(CommaLocale());
    open(3, 7, 1);
    type("88.,5");
    EXPECT_EQ(txt().text(), "88,5");
    EXPECT_EQ(cell(3, 7, 1), "88,5");
    leave();
}
