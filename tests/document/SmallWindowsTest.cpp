// The text and progress windows.

#include "document/frmProgress.h"
#include "document/frmStatus.h"
#include "platform/core/Measures.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"
#include "support/WindowFit.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

TEST(StatusWindow, ShowsCaptionAndReadOnlyScrollingText) {
    frmStatus::ShowText(QStringLiteral("Error Log"), QStringLiteral("5,17"), false);
    QPointer<frmStatus> window = frmStatus::Instance();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Error Log"));
    EXPECT_EQ(window->Command1()->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(window->Text1()->isReadOnly());
    const QString before = window->Text1()->toPlainText();
    QTest::keyClicks(window->Text1(), QStringLiteral("xyz"));
    EXPECT_EQ(window->Text1()->toPlainText(), before);

    // The same window is reused while open; Close ends it and the next use
    // opens a fresh one.
    frmStatus::ShowText(QStringLiteral("Second"), QStringLiteral("x"), false);
    EXPECT_EQ(frmStatus::Instance(), window.data());
    EXPECT_EQ(window->Text1()->toPlainText(), QStringLiteral("x"));
    QTest::mouseClick(window->Command1(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

// A garbage line of an imported file can put a word of hundreds of thousands
// of characters into a log: it still wraps within the box, and showing it
// takes a moment rather than the minutes breaking it at word boundaries took.
TEST(StatusWindow, AHugeWordWrapsAnywhereAndTheNextTextWrapsAtWords) {
    frmStatus window;
    window.resize(500, 360);
    const QString huge = QStringLiteral("Line 3: ") + QString(300000, QLatin1Char('x'));
    window.SetText(huge);
    window.show();
    QCoreApplication::processEvents();
    QPlainTextEdit& text = *window.Text1();
    EXPECT_EQ(text.toPlainText(), huge);
    EXPECT_EQ(text.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(text.document()->firstBlock().layout()->lineCount(), 100);

    window.SetText(QStringLiteral("Memory not imported - channel number invalid. Line 4: x"));
    EXPECT_EQ(text.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

// A text box with a vertical scroll bar only: the band-limit report, one long
// line of channel numbers, wraps within the box instead of running off to the
// right.
TEST(StatusWindow, ALongLineWrapsAndScrollsOnlyVertically) {
    QStringList channels;
    for (int ch = 1; ch <= 128; ++ch)
        channels << QString::number(ch);
    const QString report = channels.join(QLatin1Char(','));
    frmStatus window;
    window.resize(500, 360);
    window.Text1()->setPlainText(report);
    window.show();
    QCoreApplication::processEvents();
    QPlainTextEdit& text = *window.Text1();
    EXPECT_EQ(text.toPlainText(), report);
    EXPECT_EQ(text.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(text.document()->firstBlock().layout()->lineCount(), 3);
    window.resize(500, 120);
    QCoreApplication::processEvents();
    EXPECT_GT(text.verticalScrollBar()->maximum(), 0);
}

TEST(StatusWindow, LayoutFollowsTheWindowAndSurvivesTinySizes) {
    frmStatus window;
    window.resize(600, 400); // 9000 x 6000 twips
    window.show();
    EXPECT_EQ(window.Text1()->width(), platform::TwipsToPixels(9000 - 350));
    EXPECT_EQ(window.Text1()->height(), platform::TwipsToPixels(6000 - 1300));
    EXPECT_EQ(window.Command1()->y(), platform::TwipsToPixels(6000 - 1000));
    EXPECT_NEAR(window.Command1()->x() * 2 + window.Command1()->width(), 600, 2);

    const QSize text = window.Text1()->size();
    window.resize(10, 10);
    EXPECT_EQ(window.Text1()->size(), text);
}

// A report left open by ValidateAll and then shown by the write command must
// become modal, with the new caption and text.
TEST(StatusWindow, OpenWindowIsShownAgainModally) {
    frmStatus::ShowText(QStringLiteral("Report"), QStringLiteral("5,12"), false);
    QPointer<frmStatus> window = frmStatus::Instance();
    ASSERT_TRUE(window->isVisible());
    ASSERT_FALSE(window->isModal());

    ScriptedResponder dialogs;
    bool modal = false;
    bool blocking = false;
    QString caption;
    QString text;
    dialogs.runModal([&](QDialog& dialog) {
        modal = dialog.isModal() && dialog.isVisible();
        blocking = QApplication::activeModalWidget() == &dialog;
        caption = dialog.windowTitle();
        text = static_cast<frmStatus&>(dialog).Text1()->toPlainText();
        static_cast<frmStatus&>(dialog).Command1()->click();
    });
    frmStatus::ShowText(QStringLiteral("Memories in file"), QStringLiteral("7"), true);

    EXPECT_TRUE(modal);
    EXPECT_TRUE(blocking);
    EXPECT_EQ(caption, QStringLiteral("Memories in file"));
    EXPECT_EQ(text, QStringLiteral("7"));
    WaitUntil([&] { return window.isNull(); }, 1000);
}

TEST(ProgressWindow, CancelHidesOnlyUntilTheNextStep) {
    frmProgress* window = frmProgress::Instance();
    window->ShowStep(QStringLiteral("Comparing..."), 40);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Label1()->text(), QStringLiteral("Comparing..."));
    EXPECT_EQ(window->Label1()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(window->ProgressBar1()->value(), 40);
    EXPECT_EQ(window->Command1()->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(CutCaptions(*window), "");
    QTest::mouseClick(window->Command1(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    window->ShowStep(QStringLiteral("Comparing..."), 80);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(frmProgress::Instance(), window);
    window->close();
}

TEST(ProgressWindow, AClosedWindowIsNeverShownAgain) {
    QPointer<frmProgress> closed = frmProgress::Instance();
    closed->ShowStep(QStringLiteral("Reading..."), 10);
    closed->close();
    // The closed window is deleted at the next turn of the event loop; a step
    // shows a new one that outlives that turn.
    frmProgress* next = frmProgress::Instance();
    EXPECT_NE(next, closed.data());
    QPointer<frmProgress> shown = next;
    next->ShowStep(QStringLiteral("Comparing..."), 20);
    WaitUntil([&] { return closed.isNull(); }, 1000);
    ASSERT_FALSE(shown.isNull());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(frmProgress::Instance(), shown.data());
    shown->close();
}

// The import error logs stand in the middle of the screen, also when the
// window was left open elsewhere without modality.
TEST(StatusWindow, ErrorLogIsModalAndCentredOnTheScreen) {
    frmStatus::ShowText(QStringLiteral("Report"), QStringLiteral("5"), false);
    frmStatus::Instance()->move(3, 4);
    ScriptedResponder dialogs;
    QRect frame;
    QRect screen;
    bool modal = false;
    dialogs.runModal([&](QDialog& dialog) {
        frame = dialog.frameGeometry();
        screen = dialog.screen()->geometry();
        modal = QApplication::activeModalWidget() == &dialog;
        dialog.close();
    });
    frmStatus::ShowErrorLog(QStringLiteral("Line 1\r\n"));
    EXPECT_TRUE(modal);
    EXPECT_NEAR(frame.left() - screen.left(), screen.right() - frame.right(), 1);
    EXPECT_NEAR(frame.top() - screen.top(), screen.bottom() - frame.bottom(), 1);
}
