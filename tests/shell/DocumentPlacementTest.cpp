// Where new document windows go: a cascade by the title-bar step that starts
// again at the top left wherever a window would reach past the workspace.

#include "shell/DocumentPlacement.h"

#include <gtest/gtest.h>

namespace {

// The document's design size in the workspace of a first-start main window.
const QSize Window(562, 315);
const QSize Workspace(652, 375);
constexpr int Step = 26;

} // namespace

TEST(DocumentPlacer, CascadesAndStartsAgainWhereTheBottomWouldReachPast) {
    shell::DocumentPlacer placer;
    EXPECT_EQ(placer.next(Window, Workspace, Step), QPoint(0, 0));
    EXPECT_EQ(placer.next(Window, Workspace, Step), QPoint(26, 26));
    // Its bottom edge on the workspace's last row still fits.
    EXPECT_EQ(placer.next(Window, QSize(652, 367), Step), QPoint(52, 52));
    EXPECT_EQ(placer.next(Window, QSize(652, 367), Step), QPoint(0, 0));
    EXPECT_EQ(placer.next(Window, Workspace, Step), QPoint(26, 26));
}

TEST(DocumentPlacer, StartsAgainWhereTheRightEdgeWouldReachPast) {
    shell::DocumentPlacer placer;
    const QSize wide(600, 100);
    EXPECT_EQ(placer.next(wide, Workspace, Step), QPoint(0, 0));
    EXPECT_EQ(placer.next(wide, Workspace, Step), QPoint(26, 26));
    EXPECT_EQ(placer.next(wide, Workspace, Step), QPoint(52, 52)); // right edge at 651
    EXPECT_EQ(placer.next(wide, Workspace, Step), QPoint(0, 0));
}

// A main window made smaller no longer holds the corner remembered last; a
// window larger than the workspace can only go to the top left.
TEST(DocumentPlacer, AShrunkWorkspaceOrALargerWindowStartsAgain) {
    shell::DocumentPlacer placer;
    EXPECT_EQ(placer.next(QSize(700, 300), Workspace, Step), QPoint(0, 0));
    EXPECT_EQ(placer.next(QSize(700, 300), Workspace, Step), QPoint(0, 0));
    const QSize small(100, 80);
    for (int i = 0; i < 5; ++i)
        placer.next(small, Workspace, Step);
    EXPECT_EQ(placer.next(small, QSize(200, 150), Step), QPoint(0, 0));
    EXPECT_EQ(placer.next(small, QSize(200, 150), Step), QPoint(26, 26));
}
