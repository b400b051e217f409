#include "document/ImportStartGroup.h"
#include "platform/widgets/Colors.h"
#include "platform/widgets/TextEdit.h"
#include "support/TestUtil.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The group in a window of its own, as a dialog holds it, with one more
// control to take the focus away from the box.
class ImportStartGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        group = new ImportStartGroup(&window);
        other = new QPushButton(QStringLiteral("other"), &window);
        layout->addWidget(group);
        layout->addWidget(other);
        window.show();
        QCoreApplication::processEvents();
    }

    QString Box() const { return group->Text1()->text(); }
    QColor BoxBackground() const { return group->Text1()->palette().color(QPalette::Base); }

    void Type(const QString& keys) {
        ASSERT_TRUE(group->Text1()->takeFocus());
        QTest::keyClicks(group->Text1(), keys);
    }
    void Leave() { other->setFocus(); }

    QDialog window;
    ImportStartGroup* group = nullptr;
    QPushButton* other = nullptr;
};

} // namespace

TEST(ImportStart, NormalisedChannelKeepsTheWholeLeadingNumberWithin1To128) {
    using importstart::NormalisedChannel;
    EXPECT_EQ(NormalisedChannel(QString()), QStringLiteral("1"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("-5")), QStringLiteral("1"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("12abc")), QStringLiteral("12"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("12.9")), QStringLiteral("12"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("128")), QStringLiteral("128"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("500")), QStringLiteral("128"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("99999999999999999999")), QStringLiteral("128"));
    EXPECT_EQ(NormalisedChannel(QStringLiteral("abc")), QStringLiteral("1"));
}

TEST_F(ImportStartGroupTest, StartsAtLastEmptyWithTheNumberOff) {
    EXPECT_EQ(group->title(), QStringLiteral("Import Starting At:"));
    EXPECT_EQ(group->Option5()->text(), QStringLiteral("Memory Channel Number:"));
    EXPECT_EQ(group->Option6()->text(), QStringLiteral("Last Empty Memory Channel"));
    EXPECT_EQ(group->Option7()->text(), QStringLiteral("Currently Selected Row"));
    EXPECT_EQ(group->Command8()->text(), QStringLiteral("+"));
    EXPECT_EQ(group->Command9()->text(), QStringLiteral("-"));
    EXPECT_TRUE(group->Option6()->isChecked());
    EXPECT_EQ(group->choice(), ImportStartGroup::Choice::LastEmpty);
    EXPECT_EQ(Box(), QStringLiteral("1"));
    EXPECT_FALSE(group->Text1()->isEnabled());
    EXPECT_FALSE(group->Command8()->isEnabled());
    EXPECT_FALSE(group->Command9()->isEnabled());
    EXPECT_EQ(BoxBackground(), platform::ColorFromNumber(static_cast<int32_t>(0x8000000F)));

    QTest::mouseClick(group->Option5(), Qt::LeftButton);
    EXPECT_EQ(group->choice(), ImportStartGroup::Choice::ChannelNumber);
    EXPECT_TRUE(group->Text1()->isEnabled());
    EXPECT_TRUE(group->Command8()->isEnabled());
    EXPECT_TRUE(group->Command9()->isEnabled());
    EXPECT_EQ(BoxBackground(), QColor(Qt::white));

    QTest::mouseClick(group->Option7(), Qt::LeftButton);
    EXPECT_EQ(group->choice(), ImportStartGroup::Choice::CurrentRow);
    EXPECT_FALSE(group->Text1()->isEnabled());
    EXPECT_FALSE(group->Command8()->isEnabled());
    EXPECT_EQ(BoxBackground(), platform::ColorFromNumber(static_cast<int32_t>(0x8000000F)));
}

TEST_F(ImportStartGroupTest, PlusAndMinusWrapAndLeaveTheBoxSelectedAndFocused) {
    group->Option5()->click();
    group->Text1()->setText(QStringLiteral("128"));
    QTest::mouseClick(group->Command8(), Qt::LeftButton);
    EXPECT_EQ(Box(), QStringLiteral("1"));
    EXPECT_TRUE(group->Text1()->hasFocus());
    EXPECT_EQ(group->Text1()->selectedText(), QStringLiteral("1"));
    QTest::mouseClick(group->Command9(), Qt::LeftButton);
    EXPECT_EQ(Box(), QStringLiteral("128"));
    QTest::mouseClick(group->Command9(), Qt::LeftButton);
    EXPECT_EQ(Box(), QStringLiteral("127"));
    QTest::mouseClick(group->Command8(), Qt::LeftButton);
    QTest::mouseClick(group->Command8(), Qt::LeftButton);
    EXPECT_EQ(Box(), QStringLiteral("1"));
    EXPECT_EQ(group->Text1()->selectedText(), QStringLiteral("1"));

    // Typed over and the box left by clicking "+": the box is set right first.
    Type(QStringLiteral("500"));
    QTest::mouseClick(group->Command8(), Qt::LeftButton);
    EXPECT_EQ(Box(), QStringLiteral("1"));
}

TEST_F(ImportStartGroupTest, TheBoxTakesDigitsOnlyAndIsSetRightWhenLeft) {
    group->Option5()->click();
    Type(QStringLiteral("x1a.2-3 "));
    EXPECT_EQ(Box(), QStringLiteral("1123")); // typed after the "1" already there
    Leave();
    EXPECT_EQ(Box(), QStringLiteral("128"));

    Type(QString());
    group->Text1()->selectAll();
    QTest::keyClick(group->Text1(), Qt::Key_Backspace);
    EXPECT_EQ(Box(), QString());
    Leave();
    EXPECT_EQ(Box(), QStringLiteral("1"));

    // A paste is not filtered key by key; leaving the box keeps its number.
    QApplication::clipboard()->setText(QStringLiteral("12abc"));
    Type(QString());
    group->Text1()->selectAll();
    QTest::keyClick(group->Text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(), QStringLiteral("12abc"));
    Leave();
    EXPECT_EQ(Box(), QStringLiteral("12"));

    // Read while the box still has the focus: set right all the same.
    Type(QStringLiteral("0"));
    EXPECT_EQ(group->ChannelNumber(), 120);
    group->Text1()->setText(QStringLiteral("0"));
    EXPECT_EQ(group->ChannelNumber(), 1);
    EXPECT_EQ(Box(), QStringLiteral("1"));
}
