#pragma once
// Shared by the read and write window tests: a fake main window holding a real
// image, one simulated radio on the saved port 1 (detection off), the window
// run modally through the dialog service with Read or Write clicked once it
// shows, and the progress bar's drawings.

#include "LinkTestSupport.h"
#include "link/ProgressBox.h"
#include "platform/widgets/Dialogs.h"
#include "support/ScriptedResponder.h"
#include "support_main/FakeMainWindow.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class TransferTest : public LinkTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Arms the next modal window: follows its progress bar, runs prepare,
    // clicks its Command1, notes whether it stayed open and, if it did,
    // closes it as the user would. The run helpers of the tests arm it
    // themselves unless the test did so first (to arm message boxes after it).
    void armRun(const std::function<void(QDialog&)>& prepare = {});
    // Once the nth line holding tail reaches the details box, the window is
    // closed at the next turn of the event loop: by Cancel, its close box or Esc.
    enum class CloseBy { CancelButton, CloseBox, EscKey };
    static void cancelAfterLine(QDialog& window, const QString& tail, int nth = 1,
                                CloseBy how = CloseBy::CancelButton);
    // Once the nth line holding tail reaches the details box, runs action.
    static void onLine(QDialog& window, const QString& tail, const std::function<void()>& action,
                       int nth = 1);
    // Clicks the window's button at the next turn of the event loop.
    static void clickLater(QDialog& window, const char* button);

    // A fresh start for the next case of a table: no frames, faults, bar
    // texts, calls of the main window or dialogs recorded.
    void restart();
    static void expectIdle(const clonelink::LinkCore& link);

    // The image the fake document holds: a pattern over all 12,288 bytes,
    // saved so that the document counts as unchanged.
    void loadImage(const QByteArray& radioPart);
    QByteArray imageBytes() const { return main.image.GetBytArry().left(12288); }

    // Frames the radio saw, as "probe", "identify", "ack", "read 0970",
    // "write 0010", ...
    QStringList frameNames() const;

    FakeMainWindow main;
    std::unique_ptr<ScriptedResponder> dialogs;
    radiosim::RadioSim* radio = nullptr;
    bool armed = false;
    bool stayedOpen = false;
    QStringList barTexts;
    QList<int> barValues;
};

// The read and write windows' tests: the window run modally, Command1 clicked.
template <typename Window> class TransferWindowTest : public TransferTest {
protected:
    int run(const std::function<void(QDialog&)>& prepare = {}) {
        if (!armed)
            armRun(prepare);
        window = std::make_unique<Window>();
        return platform::ExecModal(window.get());
    }
    void expectIdle() const { TransferTest::expectIdle(window->link()); }
    // The window's log, time stamps stripped.
    virtual QStringList log() const = 0;

    // The fault given makes the command fail: the window stays open with the
    // last log lines tail and the bar at 100 % showing bar.
    void runFailing(radiosim::FrameKind kind, int occurrence, const radiosim::Fault& fault,
                    const QStringList& tail, const QString& bar) {
        restart();
        radio->setFault(kind, fault, occurrence);
        EXPECT_EQ(run(), QDialog::Rejected);
        EXPECT_TRUE(stayedOpen);
        const QStringList lines = log();
        EXPECT_EQ(lines.mid(lines.size() - tail.size()), tail);
        EXPECT_EQ(barTexts.last(), bar);
        EXPECT_EQ(window->tbflood()->value(), 100);
        expectIdle();
    }

    // Once the nth line holding tail is logged the window is closed as how
    // says, while the radio keeps silent: nothing more is sent or logged.
    struct CancelCase {
        const char* name;
        radiosim::FrameKind kind;
        int occurrence;
        QString tail;
        int nth;
        int framesSent;
        CloseBy how = CloseBy::CancelButton;
    };
    void runCancelled(const CancelCase& c) {
        restart();
        radio->setFault(c.kind, radiosim::Fault::Silent(), c.occurrence);
        EXPECT_EQ(run([&c](QDialog& w) { cancelAfterLine(w, c.tail, c.nth, c.how); }),
                  QDialog::Rejected);
        EXPECT_FALSE(stayedOpen) << "Cancel closes the window";
        // The radio may take in the last frame a moment later on a busy
        // machine; a frame sent after the cancel would come later still.
        WaitUntil([&] { return radio->frames().size() >= c.framesSent; });
        ProcessEventsFor(50);
        EXPECT_EQ(radio->frames().size(), c.framesSent);
        const QStringList lines = log();
        EXPECT_TRUE(lines.last().contains(c.tail)) << lines.last().toStdString();
        expectIdle();
    }

    std::unique_ptr<Window> window;
};

// The radio answers these n bytes instead.
inline radiosim::Fault Answer(const char* bytes, int n) {
    return radiosim::Fault::Replace(QByteArray(bytes, n));
}

// A recognisable 12,288-byte pattern that differs from the radio's memory.
QByteArray ImagePattern();

// "0970" for address 0x0970, as frame names and log lines give it.
QString Address(int address);
