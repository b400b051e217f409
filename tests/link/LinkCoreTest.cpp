// The link primitives: receive waits, cancel and busy guard, the log and its
// line formats, the details box and the progress bar.

#include "LinkTestSupport.h"

#include "link/CloneProtocol.h"
#include "link/TransferFiles.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/MsgBox.h"
#include "support/ScriptedResponder.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>

using clonelink::CommandCancelled;
using clonelink::LinkCore;
using clonelink::LinkOptions;
using radiosim::Fault;
using radiosim::FrameKind;

namespace {

class LinkCoreTest : public LinkTest {
protected:
    // A core with its log open and its port open on a fresh radio, past the
    // probe.
    void connect(const LinkOptions& options = {}) {
        radio = &addRadio();
        mapPort(1, *radio);
        core = makeCore(options);
        core->openLog();
        core->startClock();
        core->openPort(1);
        core->send(clonelink::HiVurovaCommand());
        ASSERT_TRUE(core->waitForBytes(1));
        core->receive();
    }

    radiosim::RadioSim* radio = nullptr;
    std::unique_ptr<LinkCore> core;
};

} // namespace

TEST_F(LinkCoreTest, PortSetUp) {
    core = makeCore();
    core->initializePort();
    platform::CommPort& port = core->port();
    EXPECT_EQ(port.settings(), "9600,n,8,1");
    EXPECT_TRUE(port.dtrEnable());
    EXPECT_TRUE(port.rtsEnable());
    EXPECT_EQ(port.handshaking(), 0);
    EXPECT_EQ(port.inputLen(), 0);
    EXPECT_EQ(port.inputMode(), 1);
    EXPECT_FALSE(core->portOpen());
    core->closePort(); // closing a closed port is no failure
}

TEST_F(LinkCoreTest, CancelEndsTheCommandSilently) {
    connect();
    radio->setFault(FrameKind::Identify, Fault::Silent());
    const int linesBefore = static_cast<int>(logLines().size());
    bool reachedEnd = false;
    QTimer::singleShot(20, [this] { core->requestCancel(); });
    const bool ran = core->runCommand([&] {
        core->send(clonelink::IdentifyCommand());
        core->waitForBytes(7);
        reachedEnd = true;
        core->Statusoutput("after the wait");
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(reachedEnd);
    EXPECT_FALSE(core->busy());
    EXPECT_FALSE(core->portOpen());
    EXPECT_FALSE(core->logOpen());
    EXPECT_EQ(logLines().size(), linesBefore + 1); // the frame sent, nothing after
    EXPECT_FALSE(core->timer().isActive());
}

TEST_F(LinkCoreTest, CancelDuringAPauseActsWhenThePauseEnds) {
    core = makeCore();
    QTimer::singleShot(0, [this] { core->requestCancel(); });
    int afterPause = 0;
    core->runCommand([&] {
        core->delay(clonelink::ProbeRetryPauseMs);
        ++afterPause;
    });
    EXPECT_EQ(afterPause, 0);
    EXPECT_TRUE(core->cancelRequested());
    // The next command starts with the flag cleared.
    core->runCommand([&] {
        core->yield();
        ++afterPause;
    });
    EXPECT_EQ(afterPause, 1);
}

TEST_F(LinkCoreTest, BusyGuardKeepsACommandFromRunningTwice) {
    core = makeCore();
    int inner = 0;
    bool secondRan = true;
    core->runCommand([&] {
        EXPECT_TRUE(core->busy());
        secondRan = core->runCommand([&] { ++inner; });
    });
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(inner, 0);
    EXPECT_FALSE(core->busy());
    // An error leaves the command with the guard released.
    EXPECT_THROW(core->runCommand([] { throw platform::RuntimeError(platform::ErrOverflow); }),
                 platform::RuntimeError);
    EXPECT_FALSE(core->busy());
}

TEST_F(LinkCoreTest, LogIsRecreatedWithWindowsLineEndsAndSingleByteText) {
    WriteFileBytes(tempPath("read.log"), "old contents\r\n");
    core = makeCore();
    core->openLog();
    core->Statusoutput(QString::fromUtf8("Radio ID: KG\u00e9"));
    core->Statusoutput("second");
    core->closeLog();
    EXPECT_EQ(ReadFileBytes(tempPath("read.log")), "Radio ID: KG\xe9\r\nsecond\r\n");
    EXPECT_EQ(details.toPlainText(), QString::fromUtf8("Radio ID: KG\u00e9\nsecond\n"));
}

TEST_F(LinkCoreTest, LogLineThatCannotBeWritten) {
    core = makeCore();
    try {
        core->Statusoutput("no log open");
        ADD_FAILURE() << "the read window's status line hid its failure";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 52);
    }
    LinkOptions write;
    write.receiveWindowMs = 250;
    write.timeBase = clonelink::TimeBase::Counter;
    write.logName = "write.log";
    write.statusIgnoresErrors = true;
    const auto writeCore = makeCore(write);
    writeCore->Statusoutput("skipped in the log");
    EXPECT_TRUE(details.toPlainText().endsWith("skipped in the log\n"));
}

TEST_F(LinkCoreTest, TimeStampsOfBothTimeBases) {
    const QRegularExpression stamp("^\\d+\\.\\d{4}$");
    core = makeCore();
    core->startClock();
    EXPECT_TRUE(stamp.match(core->getTime()).hasMatch()) << core->getTime().toStdString();
    EXPECT_LT(core->getTime().toDouble(), 5.0);
    LinkOptions write;
    write.timeBase = clonelink::TimeBase::Counter;
    const auto counter = makeCore(write);
    counter->startClock();
    counter->delay(5000); // 10 ms with the tests' pauses
    const QString t = counter->getTime();
    EXPECT_TRUE(stamp.match(t).hasMatch()) << t.toStdString();
    EXPECT_GE(t.toDouble(), 0.0099);
}

TEST_F(LinkCoreTest, TransferFilesGoBesideTheProgramWhenItsFolderIsWritable) {
    clonelink::SetTransferFolder(QString());
    EXPECT_EQ(clonelink::TransferFolder(), QCoreApplication::applicationDirPath());
    clonelink::SetTransferFolder(tempDir.path());
    EXPECT_EQ(clonelink::TransferFilePath("write.dat"), tempPath("write.dat"));
}

TEST_F(LinkCoreTest, ProgressTexts) {
    core = makeCore();
    core->updateProgress(100, 50, true, "Reading From Radio: ", " Complete...");
    EXPECT_EQ(progress.text(), "Reading From Radio:  50% Complete...");
    core->updateProgress(100, 101, true, "beyond the end", "");
    EXPECT_EQ(progress.text(), "Reading From Radio:  50% Complete...");
    core->updateProgress(100, 100, false, "Data downloaded successfully!", "");
    EXPECT_EQ(progress.text(), "Data downloaded successfully!");
    EXPECT_EQ(progress.value(), 100);
    EXPECT_EQ(progressTexts.size(), 2);
}

TEST_F(LinkCoreTest, ProgressBarInvertsWhatItCovers) {
    progress.resize(300, 25);
    progress.UpdateProgress(100, 0, false, "", "");
    const QImage empty = progress.canvas();
    progress.UpdateProgress(100, 50, false, "", "");
    const QImage half = progress.canvas();
    EXPECT_EQ(half.pixel(200, 2), empty.pixel(200, 2)); // beyond the bar
    const QRgb background = empty.pixel(10, 2);
    const QRgb bar = half.pixel(10, 2);
    // Not-Xor pen: the bar colour 0x400000 (blue 0x40) over the background.
    EXPECT_EQ(qRed(bar), 255 - qRed(background));
    EXPECT_EQ(qGreen(bar), 255 - qGreen(background));
    EXPECT_EQ(qBlue(bar), 255 - (qBlue(background) ^ 0x40));
}

// The text is printed in the drawing colour too, so the bar turns it white.
TEST_F(LinkCoreTest, ProgressTextInTheDrawingColour) {
    const auto hasPixel = [](const QImage& image, QRgb colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    return true;
        return false;
    };
    progress.resize(300, 40);
    progress.setFont(QFont("Arial", 22, QFont::Black));
    progress.UpdateProgress(100, 0, false, "MMMMMM", "");
    EXPECT_TRUE(hasPixel(progress.canvas(), qRgb(0, 0, 0x40)));
    progress.UpdateProgress(100, 100, false, "MMMMMM", "");
    EXPECT_TRUE(hasPixel(progress.canvas(), qRgb(255, 255, 255)));
}

TEST_F(LinkCoreTest, ProgressDrawingErrorIsShownAndTheCallerGoesOn) {
    platform::SetApplicationTitle("KG-UV Ferrowind");
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    core = makeCore();
    core->updateProgress(0, 0, false, "nothing to scale", "");
    ASSERT_EQ(dialogs.shown().size(), 1);
    const platform::DialogCall& box = dialogs.shown().first();
    EXPECT_EQ(box.text, "Error 380: Invalid property value");
    EXPECT_EQ(box.icon, 48);
    EXPECT_EQ(box.buttons, 0);
    EXPECT_TRUE(box.title.isEmpty() || box.title == "KG-UV Ferrowind");
}
