#include "platform/core/RuntimeError.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace platform;

namespace {

class ThrowingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw RuntimeError(ErrFileNotFound);
        }
        return QObject::event(event);
    }
};

void ExpectErrorBox(const ScriptedResponder& dialogs, const QString& text) {
    ASSERT_EQ(dialogs.shown().size(), 1);
    const DialogCall& call = dialogs.shown().front();
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.title, "Error");
    EXPECT_EQ(call.icon, vbExclamation);
    EXPECT_EQ(call.buttons, vbOKOnly);
}

} // namespace

TEST(SafetyNet, ThrowFromATimerSlotShowsTheErrorAndCarriesOn) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbOK);
    bool laterRan = false;
    QTimer::singleShot(0, [] { throw RuntimeError(ErrTypeMismatch); });
    QTimer::singleShot(5, [&] { laterRan = true; });
    EXPECT_TRUE(WaitUntil([&] { return laterRan; }));
    ExpectErrorBox(dialogs, "Error 13: Type mismatch");
}

TEST(SafetyNet, ThrowFromAQueuedCallIsAnInternalError) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbOK);
    QObject receiver;
    QMetaObject::invokeMethod(
        &receiver, [] { throw std::runtime_error("index past the end"); }, Qt::QueuedConnection);
    EXPECT_TRUE(WaitUntil([&] { return dialogs.pending() == 0; }));
    ExpectErrorBox(dialogs, "Error 51: Internal error (index past the end)");
}

TEST(SafetyNet, ThrowFromAPostedEventHandler) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbOK);
    ThrowingObject receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    EXPECT_TRUE(WaitUntil([&] { return dialogs.pending() == 0; }));
    ExpectErrorBox(dialogs, "Error 53: File not found");
}

// A box that stays up, with the event loop running under it, until done.
class SlowResponder : public ScriptedResponder {
public:
    explicit SlowResponder(const bool& done) : done_(done) {}
    bool message(const DialogCall& call, int& answer) override {
        WaitUntil([this] { return done_; });
        return ScriptedResponder::message(call, answer);
    }

private:
    const bool& done_;
};

TEST(SafetyNet, ErrorsWhileTheBoxIsUpDoNotStackBoxes) {
    bool secondThrew = false;
    SlowResponder dialogs(secondThrew);
    dialogs.answerMessage(vbOK);
    QTimer::singleShot(0, [] { throw RuntimeError(ErrOverflow); });
    QTimer::singleShot(10, [&] {
        secondThrew = true;
        throw RuntimeError(ErrTypeMismatch);
    });
    EXPECT_TRUE(WaitUntil([&] { return dialogs.pending() == 0 && secondThrew; }));
    ExpectErrorBox(dialogs, "Error 6: Overflow");
}

TEST(SafetyNet, ThrowFromAButtonClickHandler) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbOK);
    QPushButton button(QStringLiteral("Write"));
    button.show();
    int clicks = 0;
    // Connected as the program connects its buttons: the error is reported
    // before it can unwind through Qt's mouse dispatch, which would leak.
    QObject::connect(&button, &QPushButton::clicked, Guarded([&clicks] {
        ++clicks;
        throw RuntimeError(ErrPathFileAccess);
    }));
    QTest::mouseClick(&button, Qt::LeftButton);
    ExpectErrorBox(dialogs, "Error 75: Path/File access error");
    // The button is not left pressed: a second click reaches the handler again.
    dialogs.answerMessage(vbOK);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button.isDown());
}

// A grid handler that raises on a real key or click: the box, and the rest of
// that key (the grid's own move) abandoned as an escaping error would; the
// grid goes on taking keys.
TEST(SafetyNet, ThrowFromAGridKeyOrMouseHandler) {
    ScriptedResponder dialogs;
    QWidget window;
    auto* grid = new FlexGrid(&window);
    grid->setRows(5);
    grid->setCols(3);
    grid->resize(300, 120);
    window.resize(320, 140);
    window.show();
    grid->setFocus();
    grid->setRow(1);
    grid->setCol(1);
    bool raise = true;
    QObject::connect(grid, &FlexGrid::KeyDown, [&](int&, int) {
        if (raise)
            throw RuntimeError(ErrOverflow);
    });
    QObject::connect(grid, &FlexGrid::MouseDown,
                     [](int, int, int, int) { throw RuntimeError(ErrTypeMismatch); });

    dialogs.answerMessage(vbOK);
    QTest::keyClick(grid, Qt::Key_Down);
    ExpectErrorBox(dialogs, "Error 6: Overflow");
    EXPECT_EQ(grid->row(), 1);

    raise = false;
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->row(), 2);

    dialogs.answerMessage(vbOK);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown().back().text, "Error 13: Type mismatch");
}
