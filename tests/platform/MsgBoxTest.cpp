#include "platform/widgets/MsgBox.h"
#include "platform/widgets/Dialogs.h"
#include "support/ScriptedResponder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Swaps the strict handler for one that records, for tests of the strict mode itself.
class RecordUnexpected {
public:
    RecordUnexpected() : previous_(CurrentUnexpectedDialogHandler()) {
        SetUnexpectedDialogHandler([this](const DialogCall& call) { calls.append(call); });
    }
    ~RecordUnexpected() { SetUnexpectedDialogHandler(previous_); }
    QList<DialogCall> calls;

private:
    UnexpectedDialogHandler previous_;
};

// Runs the real box; act gets it once it shows.
int RunRealBox(int flags, const std::function<void(QMessageBox&)>& act,
               const QString& prompt = QStringLiteral("Prompt")) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
    return RunMessageBox(prompt, flags, QStringLiteral("Title"));
}

QAbstractButton* Button(QMessageBox& box, QMessageBox::StandardButton which) {
    return box.button(which);
}

} // namespace

TEST(MsgBox, ResponderSeesTitleTextIconButtonsAndDefault) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbNo);
    EXPECT_EQ(
        MsgBox("Delete the selected rows?", vbYesNo + vbQuestion + vbDefaultButton2, "Confirm "),
        vbNo);
    ASSERT_EQ(dialogs.shown().size(), 1);
    const DialogCall& call = dialogs.shown().front();
    EXPECT_EQ(call.kind, DialogKind::Message);
    EXPECT_EQ(call.title, "Confirm "); // trailing blank kept
    EXPECT_EQ(call.text, "Delete the selected rows?");
    EXPECT_EQ(call.icon, vbQuestion);
    EXPECT_EQ(call.buttons, vbYesNo);
    EXPECT_EQ(call.defaultButton, vbDefaultButton2);
    EXPECT_EQ(dialogs.messages(), QStringList{"Delete the selected rows?"});
}

TEST(MsgBox, EmptyTitleIsTheApplicationTitle) {
    SetApplicationTitle("KG-UV Ferrowind");
    ScriptedResponder dialogs;
    dialogs.answerMessage(vbOK).answerMessage(vbOK);
    MsgBox("Done");
    SetApplicationTitle(QString());
    MsgBox("Done");
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].title, "KG-UV Ferrowind");
    EXPECT_EQ(dialogs.shown()[0].icon, 0);
    EXPECT_EQ(dialogs.shown()[1].title, QGuiApplication::applicationDisplayName());
}

TEST(MsgBox, UnarmedBoxReportsAndGetsTheSafeAnswer) {
    RecordUnexpected strict;
    EXPECT_EQ(MsgBox("a", vbOKOnly), vbOK);
    EXPECT_EQ(MsgBox("b", vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox("c", vbAbortRetryIgnore + vbCritical), vbAbort);
    EXPECT_EQ(MsgBox("d", vbYesNoCancel), vbCancel);
    EXPECT_EQ(MsgBox("e", vbYesNo + vbExclamation), vbNo);
    EXPECT_EQ(MsgBox("f", vbRetryCancel), vbCancel);
    ASSERT_EQ(strict.calls.size(), 6);
    EXPECT_EQ(strict.calls[4].text, "e");
    EXPECT_EQ(strict.calls[4].icon, vbExclamation);
    EXPECT_TRUE(DescribeDialogCall(strict.calls[2]).contains("\"c\""));
}

TEST(MsgBoxReal, EscapeGivesCancelOrOk) {
    auto escape = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    EXPECT_EQ(RunRealBox(vbOKOnly, escape), vbOK);
    EXPECT_EQ(RunRealBox(vbOKCancel, escape), vbCancel);
    EXPECT_EQ(RunRealBox(vbYesNoCancel, escape), vbCancel);
    EXPECT_EQ(RunRealBox(vbRetryCancel, escape), vbCancel);
}

TEST(MsgBoxReal, YesNoCannotBeEscapedOrClosed) {
    for (const int flags : {int(vbYesNo), int(vbAbortRetryIgnore)}) {
        const int answer = RunRealBox(flags, [flags](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            EXPECT_FALSE(box.close());
            EXPECT_TRUE(box.isVisible());
            Button(box, flags == vbYesNo ? QMessageBox::Yes : QMessageBox::Retry)->click();
        });
        EXPECT_EQ(answer, flags == vbYesNo ? vbYes : vbRetry);
    }
}

TEST(MsgBoxReal, ButtonsAnswerWithTheirNumbers) {
    const std::pair<int, QMessageBox::StandardButton> cases[] = {
        {vbOKCancel, QMessageBox::Ok},
        {vbAbortRetryIgnore, QMessageBox::Abort},
        {vbAbortRetryIgnore, QMessageBox::Ignore},
        {vbYesNoCancel, QMessageBox::No},
        {vbRetryCancel, QMessageBox::Retry},
    };
    const int expected[] = {vbOK, vbAbort, vbIgnore, vbNo, vbRetry};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto [flags, button] = cases[i];
        EXPECT_EQ(RunRealBox(flags,
                             [button = button](QMessageBox& box) { Button(box, button)->click(); }),
                  expected[i]);
    }
}

TEST(MsgBoxReal, DefaultButtonIconAndPlainText) {
    const int answer = RunRealBox(
        vbYesNoCancel + vbCritical + vbDefaultButton3,
        [](QMessageBox& box) {
            EXPECT_EQ(box.icon(), QMessageBox::Critical);
            EXPECT_EQ(box.text(), "1 < 2\n<b>x</b>");
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.windowTitle(), "Title");
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Cancel));
            box.defaultButton()->click();
        },
        "1 < 2\r\n<b>x</b>");
    EXPECT_EQ(answer, vbCancel);

    // A default beyond the buttons is the first button.
    EXPECT_EQ(RunRealBox(vbYesNo + vbDefaultButton3 + vbInformation,
                         [](QMessageBox& box) {
                             EXPECT_EQ(box.icon(), QMessageBox::Information);
                             box.defaultButton()->click();
                         }),
              vbYes);
}
