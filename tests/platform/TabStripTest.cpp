#include "WidgetTestUtil.h"

#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"

#include <QTabBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

using namespace platform;

namespace {

class TabStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        strip = new TabStrip(&window);
        strip->setGeometry(0, 0, 700, 400);
        strip->setTabs(9);
        strip->setTabCaption(0, "Main Memories");
        strip->setTabCaption(1, "Configuration Settings");
        window.showActive();
        QObject::connect(strip, &TabStrip::Click, [this](int previous) {
            log.add(QStringLiteral("Click %1 -> %2").arg(previous).arg(strip->tab()));
        });
        QObject::connect(strip, &TabStrip::MouseDown, [this](int button, int, int, int) {
            log.add(QStringLiteral("MouseDown %1 on %2").arg(button).arg(strip->tab()));
        });
    }

    void clickTab(int index) {
        QTest::mouseClick(strip->tabBar(), Qt::LeftButton, {},
                          strip->tabBar()->tabRect(index).center());
    }

    ShownWindow window;
    TabStrip* strip = nullptr;
    EventLog log;
};

TEST_F(TabStripTest, NewTabsAreNumberedAndCaptionsAreKept) {
    EXPECT_EQ(strip->tabs(), 9);
    EXPECT_EQ(strip->tabCaption(0), "Main Memories");
    EXPECT_EQ(strip->tabCaption(8), "Tab 8");
    EXPECT_EQ(strip->tab(), 0);
    EXPECT_THROW(strip->tabCaption(9), RuntimeError);
    EXPECT_THROW(strip->setTab(-1), RuntimeError);
}

TEST_F(TabStripTest, SettingTabRaisesClickWithThePreviousTabOnlyOnAChange) {
    strip->setTab(2);
    strip->setTab(2);
    strip->setTab(0);
    EXPECT_EQ(log.lines.join(", "), "Click 0 -> 2, Click 2 -> 0");
}

TEST_F(TabStripTest, AUserClickRaisesMouseDownBeforeTheTabChanges) {
    clickTab(1);
    clickTab(1);
    EXPECT_EQ(log.lines.join(", "), "MouseDown 1 on 0, Click 0 -> 1, MouseDown 1 on 1");
    EXPECT_EQ(strip->tab(), 1);
}

TEST_F(TabStripTest, HiddenTabsAreNotOfferedButCodeCanShowThem) {
    for (int tab = 4; tab <= 8; ++tab)
        strip->setTabVisible(tab, false);
    EXPECT_FALSE(strip->tabVisible(4));
    EXPECT_TRUE(strip->tabVisible(3));
    EXPECT_FALSE(strip->tabBar()->tabRect(3).isEmpty());
    EXPECT_TRUE(strip->tabBar()->tabRect(8).isEmpty());

    strip->setTab(8);
    EXPECT_EQ(strip->tab(), 8);
    // From the hidden tab the user can come back to any shown one, the one
    // the bar last showed included.
    clickTab(0);
    EXPECT_EQ(strip->tab(), 0);
    EXPECT_EQ(log.lines.join(", "), "Click 0 -> 8, MouseDown 1 on 8, Click 8 -> 0");
}

TEST_F(TabStripTest, APressOnThePageAreaRaisesMouseDownOnly) {
    const QPoint page(300, 300); // below the tabs, no control there
    QTest::mouseClick(strip, Qt::RightButton, {}, page);
    QTest::mouseDClick(strip, Qt::LeftButton, {}, page);
    EXPECT_EQ(log.lines.join(", "), "MouseDown 2 on 0, MouseDown 1 on 0");
    EXPECT_EQ(strip->tab(), 0);
}

TEST_F(TabStripTest, ADisabledStripTakesNoClick) {
    strip->setEnabled(false);
    clickTab(1);
    EXPECT_EQ(strip->tab(), 0);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(TabStripTest, ControlsOnThePagesArePlacedInTwipsWithinTheStrip) {
    auto* grid = new FlexGrid(strip);
    MoveTwips(grid, 50, 400, 6000, 3000);
    grid->show();
    EXPECT_EQ(grid->geometry(), QRect(3, 27, 400, 200));
    EXPECT_GT(strip->tabHeight(), 0);
    // Closing an editor on a press of the tabs: the press comes first.
    auto* editor = new TextEdit(strip);
    editor->show();
    ASSERT_TRUE(editor->takeFocus());
    QObject::connect(strip, &TabStrip::MouseDown, editor, [editor] { editor->hide(); });
    QObject::connect(editor, &TextEdit::LostFocus, [this] { log.add("LostFocus"); });
    clickTab(1);
    EXPECT_EQ(log.lines.join(", "), "MouseDown 1 on 0, LostFocus, Click 0 -> 1");
}

// The wheel belongs to the window (with the wheel option it scrolls the grid
// shown); turning it over the tabs neither changes the tab nor stops there.
TEST_F(TabStripTest, TheWheelChangesNoTabAndGoesOnToTheParent) {
    int wheels = 0;
    struct WheelCounter : QObject {
        int* count;
        explicit WheelCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Wheel)
                ++*count;
            return false;
        }
    } counter(&wheels);
    window.installEventFilter(&counter);
    for (int delta : {-120, 120, -120}) {
        const QPoint at = strip->tabBar()->tabRect(0).center();
        QWheelEvent wheel(at, strip->tabBar()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel); // as from the user: only those propagate
        QCoreApplication::instance()->notify(strip->tabBar(), &wheel);
    }
    EXPECT_EQ(strip->tab(), 0);
    EXPECT_EQ(strip->tabBar()->currentIndex(), 0);
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_EQ(wheels, 3);
}

} // namespace
