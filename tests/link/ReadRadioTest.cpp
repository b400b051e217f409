// The read window end to end: over a pseudo-terminal against the simulated
// radio, into a fake main window that holds a real image.

#include "TransferTestSupport.h"

#include "link/LinkCore.h"
#include "link/ProgressBox.h"
#include "link/TransferFiles.h"
#include "link/frmReadRadio.h"
#include "platform/core/Settings.h"
#include "platform/widgets/MsgBox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

using radiosim::Fault;
using radiosim::FrameKind;

namespace {

const QString NoResponse = QStringLiteral("ERROR: No response from radio.");
const QString InvalidId = QStringLiteral("ERROR: Invalid radio ID!");

// The frames of a complete read.
QStringList fullReadFrames() {
    QStringList frames{"probe", "identify", "ack"};
    for (int a = 0; a < 8192; a += 64)
        frames << QStringLiteral("read ") + Address(a) << QStringLiteral("ack");
    return frames;
}

} // namespace

class ReadRadioTest : public TransferWindowTest<frmReadRadio> {
protected:
    QStringList log() const override { return logShape(QStringLiteral("read.log")); }
    void expectDocumentUntouched() {
        EXPECT_EQ(main.calls, QStringList());
        EXPECT_EQ(imageBytes(), ImagePattern());
        EXPECT_FALSE(main.image.IsDataChanged());
    }
};

TEST_F(ReadRadioTest, FullReadFillsTheRadioPartOfTheImage) {
    loadImage(QByteArray());
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_FALSE(stayedOpen);

    EXPECT_EQ(imageBytes().left(8192), radio->memory());
    EXPECT_EQ(imageBytes().mid(8192), ImagePattern().mid(8192)) << "the notes were touched";
    EXPECT_TRUE(main.image.IsDataChanged());
    EXPECT_EQ(main.calls, QStringList({"Sbyt", "EnableGUI", "FillGrid"}));
    EXPECT_EQ(frameNames(), fullReadFrames());
    expectIdle();

    const QStringList lines = log();
    ASSERT_EQ(lines.size(), 6 + 2 + 128 * 4);
    const QByteArray block0 = radio->memory().left(64);
    EXPECT_EQ(lines.mid(0, 12),
              QStringList({"Attempting communication using COM1",
                           "T   TX --> [09]    48 69 57 4F 55 58 55 4E 02", "T   RX <-- [01]    06",
                           "T   TX --> [01]    02", "T   RX <-- [07]    4B 47 36 36 39 56 00",
                           "Radio ID: KG669V", "T   TX --> [01]    06", "T   RX <-- [01]    06",
                           "T   TX --> [04]    52 00 00 40",
                           "T   RX <-- [68]    52 00 00 40 " + Hex(block0), "T   TX --> [01]    06",
                           "T   RX <-- [01]    06"}));
    EXPECT_EQ(lines[lines.size() - 4], "T   TX --> [04]    52 1F C0 40");
    EXPECT_EQ(window->Text1()->toPlainText(),
              logLines(QStringLiteral("read.log")).join('\n') + '\n');

    const QStringList reading =
        barTexts.filter(QRegularExpression(QStringLiteral("^Reading From Radio: ")));
    ASSERT_EQ(reading.size(), 128);
    EXPECT_EQ(reading[0], "Reading From Radio:  1% Complete...");
    EXPECT_EQ(reading[15], "Reading From Radio:  12% Complete...");
    EXPECT_EQ(reading[47], "Reading From Radio:  38% Complete...");
    EXPECT_EQ(reading[79], "Reading From Radio:  62% Complete...");
    EXPECT_EQ(reading[111], "Reading From Radio:  88% Complete...");
    EXPECT_EQ(reading[127], "Reading From Radio:  100% Complete...");
    EXPECT_EQ(barTexts.first(), "Attempting communication, please wait...");
    EXPECT_EQ(barTexts.last(), "Data downloaded successfully!");
    EXPECT_EQ(barValues.last(), 100);
    EXPECT_EQ(platform::GetSetting("Settings", "CommPort"), "1");
}

// The eight-byte identity, block answers longer than 68 bytes and an answer
// half a second late (inside the read's receive window of one second; the
// write's is a quarter of a second) all let the read go through.
TEST_F(ReadRadioTest, AcceptsTheLongIdentityLongBlocksAndALateAnswer) {
    loadImage(QByteArray());
    radio->setLongIdentity(true);
    radio->setFault(FrameKind::Read, Fault::Extra(Bytes({0xAA, 0xBB})));
    radio->setFault(FrameKind::Ack, Fault::Late(500), 0);
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(window->link().options().receiveWindowMs, 1000);
    EXPECT_EQ(frameNames(), fullReadFrames());
    EXPECT_EQ(imageBytes().left(8192), radio->memory());
    const QStringList lines = log();
    EXPECT_EQ(lines[4], "T   RX <-- [08]    06 4B 47 36 36 39 56 00");
    EXPECT_EQ(lines[5], "Radio ID: KG669V");
    EXPECT_TRUE(lines[9].startsWith("T   RX <-- [70]    52 00 00 40 ")) << lines[9].toStdString();
    EXPECT_TRUE(lines[9].endsWith(" AA BB"));
}

// A wrong identity is refused; no answer at each wait of the transfer in turn,
// fewer than the seven identity bytes awaited (the wait runs out rather than
// the identity being refused) and a short block end with a buffer dump.
TEST_F(ReadRadioTest, EveryFaultEndsWithItsTextsAndLeavesTheDocumentAlone) {
    setReceiveWindows(Windows::Program); // it waits windows out
    const FrameKind id = FrameKind::Identify, ack = FrameKind::Ack, read = FrameKind::Read;
    const QByteArray partial = Bytes({0x52, 0x00, 0xC0, 0x40}) + radio->memory().mid(0xC0, 36);
    const QStringList shortBlock = {"T   TX --> [04]    52 00 C0 40", NoResponse,
                                    "BUFFER DUMP <-- [40]    " + Hex(partial)};
    const QStringList sixBytes = {"T   TX --> [01]    02", NoResponse,
                                  "BUFFER DUMP <-- [06]    4B 47 36 36 39 56"};
    const QStringList noAnswer = {NoResponse, "BUFFER DUMP <-- [00]    "};
    const struct {
        FrameKind kind;
        int occurrence;
        Fault fault;
        int framesSent;
        QStringList tail;
    } cases[] = {
        {id, -1, Answer("KG669X\0", 7), 2, {"Radio ID: KG669X", InvalidId}},
        {id, -1, Answer("kg669v\0", 7), 2, {"Radio ID: kg669v", InvalidId}},
        {id, -1, Answer("\x06KG669V\0\0", 9), 2, {"Radio ID: ", InvalidId}},
        {id, -1, Answer("KG669V", 6), 2, sixBytes},
        {id, 0, Fault::Silent(), 2, noAnswer},
        {ack, 0, Fault::Silent(), 3, noAnswer},
        {read, 5, Fault::Silent(), 3 + 11, noAnswer},
        {ack, 6, Fault::Silent(), 3 + 12, noAnswer},
        {read, 3, Fault::Short(40), 3 + 7, shortBlock},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail.join(" | ").toStdString());
        loadImage(QByteArray());
        runFailing(c.kind, c.occurrence, c.fault, c.tail,
                   c.tail.contains(InvalidId) ? InvalidId : NoResponse);
        EXPECT_EQ(radio->frames().size(), c.framesSent);
        expectDocumentUntouched();
    }
}

TEST_F(ReadRadioTest, LostDeviceIsAnErrorWithItsNumber) {
    loadImage(QByteArray());
    armRun([this](QDialog& w) {
        onLine(w, "TX --> [04]    52 04 00 40", [this] { radio->disconnect(); });
    });
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    ASSERT_EQ(dialogs->messages().size(), 1);
    const QString error = dialogs->messages().first();
    EXPECT_TRUE(error.startsWith("Error ")) << error.toStdString();
    EXPECT_EQ(dialogs->shown().last().title, "Error");
    EXPECT_EQ(dialogs->shown().last().icon, platform::vbExclamation);
    const QStringList lines = log();
    EXPECT_EQ(lines.last(), error) << "no dump of a port that is gone";
    EXPECT_EQ(lines[lines.size() - 2], "T   TX --> [04]    52 04 00 40");
    const QString number = error.section(' ', 1, 1).chopped(1);
    EXPECT_EQ(barTexts.last(), "ERROR " + number);
    EXPECT_EQ(window->tbflood()->value(), 100);
    expectDocumentUntouched();
    expectIdle();
}

// The cable pulled once the first block was asked for: the box, the log and
// the bar tell that the port was lost and why, and the document gets nothing.
TEST_F(ReadRadioTest, APulledCableSaysThePortWasLostAndWhy) {
    loadImage(QByteArray());
    armRun([this](QDialog& w) {
        onLine(w, "TX --> [04]    52 00 00 40", [this] {
            radio->disconnect();
            mapPort(1, missingPath(1));
        });
    });
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    ASSERT_EQ(dialogs->messages().size(), 1);
    const QString error = dialogs->messages().first();
    const QString number = error.section(' ', 1, 1).chopped(1);
    EXPECT_TRUE(error.startsWith("Error ")) << error.toStdString();
    EXPECT_NE(number, "10");
    EXPECT_TRUE(error.endsWith(": Port lost (" + QString::fromLocal8Bit(std::strerror(EIO)) + ")"))
        << error.toStdString();
    EXPECT_FALSE(error.contains("not open")) << error.toStdString();
    const QStringList lines = log();
    EXPECT_EQ(lines.last(), error);
    EXPECT_EQ(lines[lines.size() - 2], "T   TX --> [04]    52 00 00 40");
    EXPECT_EQ(barTexts.last(), "ERROR " + number);
    expectDocumentUntouched();
    expectIdle();
}

TEST_F(ReadRadioTest, ALogThatCannotBeCreatedStopsBeforeTheRadio) {
    clonelink::SetTransferFolder(tempPath("no/such/folder"));
    armRun();
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_EQ(dialogs->messages(), QStringList({"Error 75: Path/File access error"}));
    EXPECT_EQ(dialogs->shown().last().title, "Error");
    EXPECT_TRUE(radio->frames().isEmpty());
    expectIdle();
}

// Cancel, the close box and Esc end the command where it waits: nothing more
// is sent, logged or shown, and the document gets nothing.
TEST_F(ReadRadioTest, CancelAtEachWaitEndsSilently) {
    setReceiveWindows(Windows::Program); // it waits windows out
    const CancelCase cases[] = {
        {"probe", FrameKind::Probe, -1, "TX --> [09]    48 69 57 4F 55 58 55 4E 02", 1, 1},
        {"pause between probes", FrameKind::Probe, 0, "RX --> [00]    No Response", 1, 1},
        {"identify", FrameKind::Identify, 0, "TX --> [01]    02", 1, 2},
        {"ack", FrameKind::Ack, 0, "TX --> [01]    06", 1, 3},
        {"block", FrameKind::Read, 2, "TX --> [04]    52 00 80 40", 1, 3 + 5},
        {"block ack", FrameKind::Ack, 3, "TX --> [01]    06", 4, 3 + 6},
        {"block, close box", FrameKind::Read, 2, "TX --> [04]    52 00 80 40", 1, 3 + 5,
         CloseBy::CloseBox},
        {"block, Esc", FrameKind::Read, 2, "TX --> [04]    52 00 80 40", 1, 3 + 5, CloseBy::EscKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loadImage(QByteArray());
        runCancelled(c);
        EXPECT_TRUE(log().last().endsWith(c.tail)) << log().last().toStdString();
        expectDocumentUntouched();
    }
}

TEST_F(ReadRadioTest, CancelDuringTheClosingPauseKeepsTheRead) {
    loadImage(QByteArray());
    EXPECT_EQ(run([this](QDialog& w) { main.onFillGrid = [&w] { clickLater(w, "Command2"); }; }),
              QDialog::Rejected);
    EXPECT_EQ(main.calls, QStringList({"Sbyt", "EnableGUI", "FillGrid"}));
    EXPECT_EQ(imageBytes().left(8192), radio->memory());
    expectIdle();
}

TEST_F(ReadRadioTest, ASecondReadClickWhileReadingDoesNothing) {
    loadImage(QByteArray());
    EXPECT_EQ(run([](QDialog& w) {
                  onLine(w, "TX --> [04]    52 00 80 40", [&w] { clickLater(w, "Command1"); });
              }),
              QDialog::Accepted);
    EXPECT_EQ(frameNames(), fullReadFrames());
    EXPECT_TRUE(window->Text1()->toPlainText().startsWith("Attempting communication using COM1"))
        << "the details box was emptied";
    EXPECT_EQ(main.calls, QStringList({"Sbyt", "EnableGUI", "FillGrid"}));
}

TEST_F(ReadRadioTest, WindowLayoutAndTexts) {
    frmReadRadio w;
    EXPECT_EQ(w.windowTitle(), "Read From KG-UV");
    EXPECT_EQ(w.Label1()->text(), "1. Be sure the cable is connected and the radio is");
    EXPECT_EQ(w.Label3()->text(), "powered on.");
    EXPECT_EQ(w.Label2()->text(), "2. Click the Read button");
    EXPECT_EQ(w.Command1()->text(), "Read");
    EXPECT_EQ(w.Command2()->text(), "&Cancel");
    EXPECT_GE(w.Text1()->y(), w.height()) << "the details box stays out of view";
}

TEST_F(ReadRadioTest, ReadCanBeTriedAgainAfterAFailure) {
    setReceiveWindows(Windows::Program); // it waits windows out
    loadImage(QByteArray());
    radio->setFault(FrameKind::Ack, Fault::Silent(), 0);
    dialogs->runModal([this](QDialog& w) {
        auto* read = w.findChild<QPushButton*>("Command1");
        read->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(log().last(), "BUFFER DUMP <-- [00]    ");
        radio->clearFaults();
        radio->clearRecord();
        read->click();
        EXPECT_FALSE(w.isVisible());
    });
    window = std::make_unique<frmReadRadio>();
    EXPECT_EQ(platform::ExecModal(window.get()), QDialog::Accepted);
    EXPECT_EQ(frameNames(), fullReadFrames());
    EXPECT_EQ(log().first(), "Attempting communication using COM1") << "a fresh log";
    EXPECT_EQ(imageBytes().left(8192), radio->memory());
}
