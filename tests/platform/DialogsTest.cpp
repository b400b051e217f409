#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform;

namespace {

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

// Collects the failures a block reports instead of failing this test.
class CaptureFailures {
public:
    CaptureFailures()
        : reporter_(::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                    &results_) {}
    int count() const { return results_.size(); }
    std::string message(int i) const { return results_.GetTestPartResult(i).message(); }

private:
    ::testing::TestPartResultArray results_;
    ::testing::ScopedFakeTestPartResultReporter reporter_;
};

FileDialogRequest SaveRequest() {
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = "Radio files (*.uvd)|*.uvd|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "uvd";
    return request;
}

} // namespace

TEST(ConvertFilter, PairsBecomeQtNameFilters) {
    EXPECT_EQ(ConvertFilter("Radio files (*.uvd)|*.uvd|All Files (*.*)|*.*"),
              (QStringList{"Radio files (*.uvd)", "All Files (*)"}));
    EXPECT_EQ(ConvertFilter("TravelPlus Files (*.tpe)|*.tpe"),
              QStringList{"TravelPlus Files (*.tpe)"});
    // No patterns in the description, several patterns, a mismatched group.
    EXPECT_EQ(ConvertFilter("CSV Files|*.csv"), QStringList{"CSV Files (*.csv)"});
    EXPECT_EQ(ConvertFilter("Text (*.csv;*.txt)|*.csv;*.txt"), QStringList{"Text (*.csv *.txt)"});
    EXPECT_EQ(ConvertFilter("Images (*.tw)|*.uvd"), QStringList{"Images (*.tw) (*.uvd)"});
    EXPECT_EQ(ConvertFilter("|*.uvd"), QStringList{"*.uvd"});
    // A description without its pattern is dropped; nothing gives nothing.
    EXPECT_EQ(ConvertFilter("Radio files (*.uvd)|*.uvd|Dangling"),
              QStringList{"Radio files (*.uvd)"});
    EXPECT_TRUE(ConvertFilter("").isEmpty());
}

TEST(FileDialogs, ResponderSeesTheRequestAndCurrentFolderFollowsTheFile) {
    const QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("radios"));
    const QString chosen = dir.filePath("radios/home.uvd");

    ScriptedResponder dialogs;
    dialogs.answerSaveFile(chosen, 2);
    const FileDialogResult result = GetSaveFileName(nullptr, SaveRequest());
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.fileName, chosen);
    EXPECT_EQ(result.filterIndex, 2);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("radios")).canonicalPath());

    ASSERT_EQ(dialogs.shown().size(), 1);
    const DialogCall& call = dialogs.shown().front();
    EXPECT_EQ(call.kind, DialogKind::SaveFile);
    EXPECT_EQ(call.title, "Save As");
    EXPECT_EQ(call.file.filter, "Radio files (*.uvd)|*.uvd|All Files (*.*)|*.*");
    EXPECT_EQ(call.file.defaultExt, "uvd");
}

TEST(FileDialogs, CancelLeavesTheFolderAndKeepsTheFilter) {
    const QString before = QDir::currentPath();
    ScriptedResponder dialogs;
    FileDialogRequest request = SaveRequest();
    request.filterIndex = 2;
    dialogs.cancelOpenFile().answerOpenFile("/nowhere/x.uvd");
    const FileDialogResult cancelled = GetOpenFileName(nullptr, request);
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_TRUE(cancelled.fileName.isEmpty());
    EXPECT_EQ(cancelled.filterIndex, 2);
    EXPECT_EQ(QDir::currentPath(), before);

    // A folder that does not exist leaves the current one where it was.
    const FileDialogResult accepted = GetOpenFileName(nullptr, request);
    EXPECT_TRUE(accepted.accepted);
    EXPECT_EQ(accepted.filterIndex, 2);
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(CommonDialogs, ColourFontAndPrinterAnswers) {
    ScriptedResponder dialogs;
    const QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    QFont chosenFont("DejaVu Sans", 11);
    dialogs.answerColor(8454143)
        .answerColor(std::nullopt)
        .answerFont(chosenFont)
        .answerFont(std::nullopt)
        .answerPrint(true, [pdf](QPrinter& printer) { printer.setOutputFileName(pdf); })
        .answerPrint(false);

    EXPECT_EQ(ChooseColor(nullptr, 0xFFFFFF), 8454143);
    EXPECT_EQ(ChooseColor(nullptr, 0), std::nullopt);
    EXPECT_EQ(ChooseFont(nullptr, QFont("DejaVu Serif", 9)), chosenFont);
    EXPECT_EQ(ChooseFont(nullptr, QFont()), std::nullopt);
    QPrinter printer;
    EXPECT_TRUE(ChoosePrinter(nullptr, printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), pdf);
    EXPECT_FALSE(ChoosePrinter(nullptr, printer));

    ASSERT_EQ(dialogs.shown().size(), 6);
    EXPECT_EQ(dialogs.shown()[0].color, 0xFFFFFF);
    EXPECT_EQ(dialogs.shown()[2].font.family(), "DejaVu Serif");
    EXPECT_EQ(dialogs.pending(), 0);
}

TEST(ModalWindows, RunForRealSeesTheWindowShownAndItsResult) {
    QDialog dialog;
    dialog.setObjectName("frmOptions");
    dialog.setWindowTitle("Options");
    auto* ok = new QPushButton("OK", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    ScriptedResponder dialogs;
    bool sawVisible = false;
    dialogs.runModal([&](QDialog& shown) {
        sawVisible = shown.isVisible() && shown.isModal();
        // The window's own boxes go through the same responder meanwhile.
        EXPECT_EQ(MsgBox("Saved.", vbInformation, "Options"), vbOK);
        ok->click();
    });
    dialogs.answerMessage(vbOK);
    EXPECT_EQ(ExecModal(&dialog), QDialog::Accepted);
    EXPECT_TRUE(sawVisible);
    EXPECT_FALSE(dialog.isVisible());

    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].kind, DialogKind::Modal);
    EXPECT_EQ(dialogs.shown()[0].title, "Options");
    EXPECT_EQ(dialogs.shown()[0].objectName, "frmOptions");
    EXPECT_EQ(dialogs.messages(), QStringList{"Saved."});
}

TEST(ModalWindows, NestedWindowsEachGetTheirCallback) {
    QDialog outer;
    QDialog inner(&outer);
    ScriptedResponder dialogs;
    QStringList order;
    dialogs.runModal([&](QDialog& shown) {
        order << "outer";
        EXPECT_EQ(&shown, &outer);
        EXPECT_EQ(ExecModal(&inner), 7);
        shown.reject();
    });
    dialogs.runModal([&](QDialog& shown) {
        order << "inner";
        EXPECT_EQ(&shown, &inner);
        shown.done(7);
    });
    EXPECT_EQ(ExecModal(&outer), QDialog::Rejected);
    EXPECT_EQ(order, (QStringList{"outer", "inner"}));
}

TEST(ModalWindows, AnsweredWithoutShowing) {
    QDialog dialog;
    ScriptedResponder dialogs;
    dialogs.answerModal([](QDialog& shown) {
        EXPECT_FALSE(shown.isVisible());
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(ExecModal(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(PopupMenus, ChosenItemIsTriggeredAndItemsRecorded) {
    QMenu menu;
    menu.setObjectName("mnuEdit");
    QAction* copy = menu.addAction("&Copy");
    menu.addSeparator();
    menu.addAction("Paste")->setEnabled(false);
    menu.addAction("Hidden")->setVisible(false);
    menu.addAction("Delete &Rows");
    int triggered = 0;
    QObject::connect(copy, &QAction::triggered, [&] { ++triggered; });

    ScriptedResponder dialogs;
    dialogs.choosePopup("Copy").dismissPopup();
    EXPECT_EQ(ExecPopup(&menu, QPoint(10, 10)), copy);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(ExecPopup(&menu, QPoint(10, 10)), nullptr);
    EXPECT_EQ(triggered, 1);

    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].objectName, "mnuEdit");
    EXPECT_EQ(dialogs.shown()[0].items, (QStringList{"&Copy", "Delete &Rows"}));
}

TEST(StrictMode, EveryUnansweredKindGetsItsSafeAnswerWithoutShowing) {
    RecordUnexpected strict;
    QDialog dialog;
    QMenu menu;
    menu.addAction("Copy");
    QPrinter printer;

    const QString before = QDir::currentPath();
    EXPECT_FALSE(GetOpenFileName(nullptr, SaveRequest()).accepted);
    EXPECT_FALSE(GetSaveFileName(nullptr, SaveRequest()).accepted);
    EXPECT_EQ(ChooseColor(nullptr, 0), std::nullopt);
    EXPECT_EQ(ChooseFont(nullptr, QFont()), std::nullopt);
    EXPECT_FALSE(ChoosePrinter(nullptr, printer));
    EXPECT_EQ(ExecModal(&dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ExecPopup(&menu, QPoint()), nullptr);
    EXPECT_EQ(QDir::currentPath(), before);

    QList<DialogKind> kinds;
    for (const DialogCall& call : strict.calls) {
        kinds << call.kind;
    }
    EXPECT_EQ(kinds, (QList<DialogKind>{DialogKind::OpenFile, DialogKind::SaveFile,
                                        DialogKind::Color, DialogKind::Font, DialogKind::Print,
                                        DialogKind::Modal, DialogKind::Popup}));
}

TEST(ScriptedResponderChecks, WrongKindAndOverrunFailAndFallToStrictMode) {
    RecordUnexpected strict;
    CaptureFailures failures;
    {
        ScriptedResponder dialogs;
        dialogs.answerMessage(vbYes);
        EXPECT_EQ(ChooseColor(nullptr, 0), std::nullopt); // a colour dialog, a box was armed
        EXPECT_EQ(MsgBox("Sure?", vbYesNo), vbYes);
        EXPECT_EQ(MsgBox("Again?", vbYesNo), vbNo); // nothing armed any more
        EXPECT_EQ(dialogs.shown().size(), 3);
    }
    EXPECT_EQ(strict.calls.size(), 2);
    ASSERT_EQ(failures.count(), 2);
    EXPECT_NE(failures.message(0).find("colour dialog"), std::string::npos);
    EXPECT_NE(failures.message(1).find("\"Again?\""), std::string::npos);
}

TEST(ScriptedResponderChecks, HandlersLeftArmedFailAndTheOldResponderReturns) {
    CaptureFailures failures;
    ScriptedResponder outer;
    {
        ScriptedResponder inner;
        EXPECT_EQ(CurrentDialogResponder(), &inner);
        inner.answerSaveFile("/tmp/never.uvd");
        EXPECT_EQ(inner.pending(), 1);
    }
    EXPECT_EQ(CurrentDialogResponder(), &outer);
    ASSERT_EQ(failures.count(), 1);
    EXPECT_NE(failures.message(0).find("armed but never shown"), std::string::npos);
    EXPECT_NE(failures.message(0).find("/tmp/never.uvd"), std::string::npos);
}

namespace {

// Runs the service's real Qt dialogs: no responder, strict mode off.
class RealDialogs {
public:
    RealDialogs()
        : previousHandler_(CurrentUnexpectedDialogHandler()),
          previousResponder_(SetDialogResponder(nullptr)) {
        SetUnexpectedDialogHandler({});
    }
    ~RealDialogs() {
        SetUnexpectedDialogHandler(previousHandler_);
        SetDialogResponder(previousResponder_);
    }

    // act gets the dialog of type T once it shows.
    template <typename T> static void WhenShown(std::function<void(T&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no dialog of the expected type is up";
                return;
            }
            act(*dialog);
        });
    }

private:
    UnexpectedDialogHandler previousHandler_;
    DialogResponder* previousResponder_;
};

// Runs the real box; act gets it once it shows.
int RunRealBox(int flags, const std::function<void(QMessageBox&)>& act,
               const QString& prompt = QStringLiteral("Prompt")) {
    RealDialogs::WhenShown<QMessageBox>(act);
    return RunMessageBox(prompt, flags, QStringLiteral("Title"));
}

} // namespace

TEST(RealFileDialog, FiltersFolderAndNoOverwriteQuestion) {
    const QTemporaryDir dir;
    const QString existing = dir.filePath("old.uvd");
    WriteFileBytes(existing, "x");
    FileDialogRequest request = SaveRequest();
    request.filterIndex = 2;
    request.initialDir = dir.path();

    RealDialogs real;
    RealDialogs::WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save As");
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Radio files (*.uvd)", "All Files (*)"}));
        EXPECT_EQ(dialog.selectedNameFilter(), "All Files (*)");
        EXPECT_EQ(dialog.directory().canonicalPath(), QDir(dir.path()).canonicalPath());
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.defaultSuffix(), "uvd");
        dialog.selectFile(existing);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    const FileDialogResult result = GetSaveFileName(nullptr, request);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(QFileInfo(result.fileName).canonicalFilePath(),
              QFileInfo(existing).canonicalFilePath());
    EXPECT_EQ(result.filterIndex, 2);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
}

TEST(RealColorDialog, StartsAtTheNumberAndAnswersANumber) {
    RealDialogs real;
    RealDialogs::WhenShown<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(255, 255, 128));
        dialog.setCurrentColor(QColor(0, 0, 255));
        dialog.accept();
    });
    EXPECT_EQ(ChooseColor(nullptr, 8454143), 0xFF0000);

    RealDialogs::WhenShown<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ChooseColor(nullptr, 0), std::nullopt);
}

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
            box.button(flags == vbYesNo ? QMessageBox::Yes : QMessageBox::Retry)->click();
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
        EXPECT_EQ(
            RunRealBox(flags, [button = button](QMessageBox& box) { box.button(button)->click(); }),
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
