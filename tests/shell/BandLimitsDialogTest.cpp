// The band-limits editor: the low/high rules as plain functions, and the
// dialog run for real from Memories > Band Limits on a document opened from a
// file.

#include "ShellFixture.h"

#include "image/clsVUROVA.h"
#include "platform/core/Settings.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "shell/frmBandLimits.h"
#include "support/TestBytes.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

using bandlimits::BoxTexts;
using bandlimits::LeaveBox;

namespace {

// The eight boxes from "low,high,low,high,...".
BoxTexts Boxes(const char* texts) {
    BoxTexts boxes;
    const QStringList parts = QString::fromLatin1(texts).split(QLatin1Char(','));
    for (size_t k = 0; k < boxes.size(); ++k)
        boxes.at(k) = parts.value(static_cast<int>(k));
    return boxes;
}

QString AlwaysWriteLimits() {
    return platform::GetSetting("Settings", "AlwaysWriteLimits");
}

const QString WarningMemories = QStringLiteral(
    "Warning: some memory channels contain frequencies which are outside of the band "
    "limits.\r\nThese must be corrected before writing to the radio.");
const QString WarningVfos = QStringLiteral("Warning: one or both VFO frequencies were outside "
                                           "of the specified band limits.\r\nDefault values set.");

} // namespace

TEST(BandLimitRules, NormalisingKeepsTheWholeMegahertzWithin0To999) {
    const QList<QPair<const char*, const char*>> cases = {
        {"", "0"},    {"1.5", "1"}, {"-5", "0"},  {"12a", "12"},
        {"abc", "0"}, {"007", "7"}, {"1e9", "1"}, {"99999", "999"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(bandlimits::NormalisedText(QLatin1String(text)), QLatin1String(expected)) << text;
}

// Leaving a low box moves its high box above it, leaving a high box moves its
// low box below it; an emptied box counts as 0, and no other pair moves.
TEST(BandLimitRules, LeavingABoxMovesTheOtherBoxOfItsPairOnly) {
    struct Case {
        const char* before;
        int left;
        const char* after;
    };
    for (const Case& c : {Case{"150,144,400,480,,,,", 0, "150,151,400,480,,,,"},
                          Case{"999,500,,,,,,", 0, "998,999,,,,,,"},
                          Case{",144,,,,,,", 0, "0,144,,,,,,"}, Case{",0,,,,,,", 0, "0,1,,,,,,"},
                          Case{"150,140,160,170,1,2,3,4", 1, "139,140,160,170,1,2,3,4"},
                          Case{",,,,,,5,", 7, ",,,,,,0,1"}, Case{",,,,,,5,0", 7, ",,,,,,0,1"},
                          Case{",,,,,,5,-3", 7, ",,,,,,0,1"}}) {
        BoxTexts boxes = Boxes(c.before);
        LeaveBox(boxes, c.left);
        EXPECT_EQ(boxes, Boxes(c.after)) << c.before << " leaving " << c.left;
    }
}

class BandLimitsDialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start(UvdFile());
        document = main->ActiveDocument();
    }

    // Runs Band Limits with the dialog really shown; act drives it. The
    // warnings expected afterwards are answered OK.
    void RunBandLimits(const std::function<void(frmBandLimits&)>& act, int warnings = 0) {
        dialogs.runModal([act](QDialog& d) {
            // The dialog takes the keyboard as it does on a desktop.
            QApplication::setActiveWindow(&d);
            EXPECT_TRUE(d.isActiveWindow());
            act(static_cast<frmBandLimits&>(d));
        });
        for (int i = 0; i < warnings; ++i)
            dialogs.answerMessage(platform::vbOK);
        main->mnuEditBandLimits_Click();
    }

    QStringList Limits() const {
        QStringList limits;
        for (int i = 0; i < 8; ++i)
            limits << document->GetBandLimit(i);
        return limits;
    }

    static void Type(platform::TextEdit* box, const QString& keys) {
        ASSERT_TRUE(box->takeFocus());
        QTest::keyClicks(box, keys);
    }

    IDocument* document = nullptr;
};

TEST_F(BandLimitsDialogTest, BoxesShowTheLimitsInFrameOrderAndTheStoredSetting) {
    platform::SaveSetting("Settings", "AlwaysWriteLimits", "1");
    QStringList shown;
    bool ticked = false;
    RunBandLimits([&](frmBandLimits& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Band Limits"));
        for (int k = 0; k < 8; ++k)
            shown << d.Text1(k)->text();
        ticked = d.Check1()->isChecked();
        d.Command5()->click();
    });
    EXPECT_EQ(shown, QStringList({"136", "174", "136", "174", "400", "480", "400", "480"}));
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(Report(), QString());
}

TEST_F(BandLimitsDialogTest, TypingClipboardKeysAndTabInTheBoxes) {
    RunBandLimits([&](frmBandLimits& d) {
        // Digits only, three of them.
        Type(d.Text1(0), QStringLiteral("1a.4-5"));
        EXPECT_EQ(d.Text1(0)->text(), QStringLiteral("145"));
        QTest::keyClick(d.Text1(0), Qt::Key_Backspace);
        EXPECT_EQ(d.Text1(0)->text(), QStringLiteral("14"));
        QTest::keyClicks(d.Text1(0), QStringLiteral("0123"));
        EXPECT_EQ(d.Text1(0)->text(), QStringLiteral("140"));

        ASSERT_TRUE(d.Text1(4)->takeFocus()); // 400, selected on entry
        QTest::keyClick(d.Text1(4), Qt::Key_C, Qt::ControlModifier);
        ASSERT_TRUE(d.Text1(5)->takeFocus());
        QTest::keyClick(d.Text1(5), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d.Text1(5)->text(), QStringLiteral("400"));
        QTest::keyClick(d.Text1(5), Qt::Key_Home);
        QTest::keyClick(d.Text1(5), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(d.Text1(5), Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(d.Text1(5)->text(), QStringLiteral("00"));
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("4"));

        // Tab walks the boxes, and leaving one applies its pair rules.
        Type(d.Text1(0), QStringLiteral("180"));
        QTest::keyClick(d.Text1(0), Qt::Key_Tab);
        EXPECT_TRUE(d.Text1(1)->hasFocus());
        EXPECT_EQ(d.Text1(1)->text(), QStringLiteral("181"));
        EXPECT_EQ(d.Text1(1)->selectedText(), QStringLiteral("181"));
        QTest::keyClick(d.Text1(1), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_TRUE(d.Text1(0)->hasFocus());
        d.Command5()->click();
    });
}

TEST_F(BandLimitsDialogTest, OkStoresEveryBoxWarnsAndListsTheMemoriesOutside) {
    RunBandLimits(
        [&](frmBandLimits& d) {
            Type(d.Text1(3), QStringLiteral("150")); // band 1 transmit high
            Type(d.Text1(4), QStringLiteral("410")); // leaving box 3 on the way
            Type(d.Text1(5), QStringLiteral("405")); // band 2 receive high below its low
            ASSERT_TRUE(d.Text1(6)->takeFocus());    // leaving it pulls the low box down
            EXPECT_EQ(d.Text1(4)->text(), QStringLiteral("404"));
            d.Check1()->setChecked(true);
            d.Command6()->click();
        },
        2);
    EXPECT_EQ(Limits(), QStringList({"136", "174", "404", "405", "136", "150", "400", "480"}));
    EXPECT_EQ(AlwaysWriteLimits(), QStringLiteral("1"));
    // Channel 2 receives on 433.5, VFO B on 433.5.
    ASSERT_EQ(dialogs.messages(), QStringList({WarningMemories, WarningVfos}));
    EXPECT_EQ(dialogs.shown().at(1).title, QStringLiteral("Warning"));
    EXPECT_EQ(dialogs.shown().at(1).icon, platform::vbExclamation);
    EXPECT_EQ(Report(), QStringLiteral("Memories with frequencies outside of the band limits:\n2"));
    EXPECT_EQ(Program().BandLimitReport, QStringLiteral("2"));
}

TEST_F(BandLimitsDialogTest, PastedTextIsNormalisedWhenOkIsPressedWithTheKeyboard) {
    RunBandLimits(
        [&](frmBandLimits& d) {
            // Text that no key could type, put in as a paste would; Enter presses
            // OK while the box still has the focus.
            ASSERT_TRUE(d.Text1(0)->takeFocus());
            d.Text1(0)->setText(QStringLiteral("1.5"));
            d.Text1(1)->setText(QStringLiteral("-5"));
            d.Text1(2)->setText(QStringLiteral("12a"));
            QTest::keyClick(d.Text1(0), Qt::Key_Return);
        },
        2);
    EXPECT_EQ(Limits(), QStringList({"1", "2", "400", "480", "12", "174", "400", "480"}));
    EXPECT_EQ(AlwaysWriteLimits(), QStringLiteral("0"));
}

// Enter presses OK with the box still holding the focus: the box counts as
// left first, as it is when OK is clicked, so the edited high box moves its
// low box instead of being pushed above it.
TEST_F(BandLimitsDialogTest, EnterInAnEditedBoxGivesWhatAClickOnOkGives) {
    RunBandLimits(
        [&](frmBandLimits& d) {
            Type(d.Text1(0), QStringLiteral("150"));
            Type(d.Text1(1), QStringLiteral("140")); // below its low box, not yet left
            QTest::keyClick(d.Text1(1), Qt::Key_Return);
        },
        2);
    EXPECT_EQ(Limits().mid(0, 2), QStringList({"139", "140"}));
}

TEST_F(BandLimitsDialogTest, CancelAndTheCloseBoxStoreNothing) {
    platform::SaveSetting("Settings", "AlwaysWriteLimits", "0");
    const QStringList before = Limits();
    RunBandLimits([&](frmBandLimits& d) {
        Type(d.Text1(1), QStringLiteral("150"));
        ASSERT_TRUE(d.Text1(2)->takeFocus());
        d.Check1()->setChecked(true);
        d.Command5()->click();
    });
    RunBandLimits([&](frmBandLimits& d) {
        Type(d.Text1(0), QStringLiteral("150"));
        d.close();
    });
    EXPECT_EQ(Limits(), before);
    EXPECT_EQ(AlwaysWriteLimits(), QStringLiteral("0"));
    EXPECT_FALSE(document->IsDataChanged());
}

// A file whose first band-limit entry holds no digit (bytes 44 44): band 1
// receive admits nothing, which is reported as such and can be repaired.
class UndecodableBandLimitTest : public BandLimitsDialogTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const QString path = UvdFile();
        QByteArray bytes = ReadFileBytes(path);
        bytes[0x0970] = '\x44';
        bytes[0x0971] = '\x44';
        clsVUROVA image;
        image.Sbyt(bytes.left(clsVUROVA::ImageSize));
        image.SaveFile(path);
        // Channel 1 (145.6) and VFO A (145.5) lie in the band that admits nothing.
        dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
        Start(path);
        EXPECT_EQ(dialogs.messages(), QStringList({WarningMemories, WarningVfos}));
        document = main->ActiveDocument();
    }

    // Types an RX frequency into a free row and leaves the cell with Tab.
    void TypeRX(int row, const QString& text) {
        TypeIntoCell(document, row, 2, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
};

TEST_F(UndecodableBandLimitTest, TypingWorksAndTheBandLimitsEditorRepairsIt) {
    EXPECT_EQ(document->GetBandLimit(0), QString());
    // Moved into band 2, the only receive band there is; no error on the way.
    TypeRX(10, QStringLiteral("145.5"));
    EXPECT_EQ(Cell(document, 10, 2), QStringLiteral("400.000"));
    EXPECT_EQ(Cell(document, 10, 3), QStringLiteral("400.000"));
    EXPECT_EQ(dialogs.messages().size(), 2);

    QStringList shown;
    RunBandLimits([&](frmBandLimits& d) {
        for (int k = 0; k < 8; ++k)
            shown << d.Text1(k)->text();
        Type(d.Text1(0), QStringLiteral("136"));
        d.Command6()->click();
    });
    EXPECT_EQ(shown, QStringList({"", "174", "136", "174", "400", "480", "400", "480"}));
    EXPECT_EQ(Limits(), QStringList({"136", "174", "400", "480", "136", "174", "400", "480"}));
    EXPECT_EQ(WindowOf(document).GetBytArry().mid(0x0970, 2), Bytes({0x7A, 0x9E}));
    EXPECT_EQ(dialogs.messages().size(), 2) << "no warning: every memory is inside now";

    TypeRX(11, QStringLiteral("145.5"));
    EXPECT_EQ(Cell(document, 11, 2), QStringLiteral("145.500"));
}

// Write stops at the document's own check, as for any band that admits
// nothing; the write window never opens.
TEST_F(UndecodableBandLimitTest, WriteStopsAtTheBandLimitWarnings) {
    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    main->mnuWrite_Click();
    EXPECT_EQ(dialogs.messages(),
              QStringList({WarningMemories, WarningVfos, WarningMemories, WarningVfos}));
    EXPECT_EQ(dialogs.shown().size(), 4);
}
