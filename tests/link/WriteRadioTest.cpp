// The write window and the band-limit prompt end to end: over a
// pseudo-terminal against the simulated radio, from a fake main window that
// holds a real image.

#include "TransferTestSupport.h"

#include "link/BandLimitCompare.h"
#include "link/LinkCore.h"
#include "link/ProgressBox.h"
#include "link/TransferFiles.h"
#include "link/frmBandLimitPrompt.h"
#include "link/frmWriteRadio.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "support/SpecialFiles.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

using radiosim::Fault;
using radiosim::FrameKind;

namespace {

const QString NoResponse = QStringLiteral("ERROR: No response from radio.");
const QString InvalidResponse = QStringLiteral("ERROR: Invalid response from radio!");

const std::array<int, 8> RadioLimits = {136, 174, 400, 480, 136, 174, 400, 480};
const QStringList RadioLimitTexts = {"136", "174", "400", "480", "136", "174", "400", "480"};
const QStringList OtherLimitTexts = {"144", "148", "420", "450", "144", "148", "430", "440"};

const QString CheckFailedBox = QStringLiteral(
    "Cannot write to radio: Some memory channels or the VFOs in the file contain frequencies "
    "that are outside of the band limits programmed into the radio.\r\n\r\n"
    "There are two ways this can be corrected: \r\n\r\n"
    "   1) Edit the memories and VFOs so that they are within the band limits in the radio.\r\n\r\n"
    "   2) Write new band limits to the radio that match the file data.");

QStringList writeFrames(bool withLimits) {
    QStringList frames;
    if (withLimits)
        frames << "write 0970";
    for (int a = 0x10; a < 0x2000; a += 16)
        if (a != 0x0970)
            frames << "write " + Address(a);
    return frames;
}

const QStringList Handshake = {"probe", "identify", "ack"};
const QStringList LimitRead = {"read 0970", "ack"};

} // namespace

class WriteRadioTest : public TransferWindowTest<frmWriteRadio> {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        radio->setBandLimits(RadioLimits);
        radioBefore = radio->memory();
    }

    // The document's image with its band limits, unchanged since saved.
    void loadDocument(const QStringList& limits) {
        loadImage(QByteArray());
        for (int i = 0; i < 8; ++i)
            main.image.setBandLimit(i, limits[i]);
        main.image.SaveFile(tempPath("document.uvd"));
    }

    // The prompt is answered by a click on Yes or No, or closed by its frame.
    void armPrompt(const char* button) {
        if (!armed)
            armRun();
        dialogs->runModal([this, button](QDialog& d) {
            auto& prompt = static_cast<frmBandLimitPrompt&>(d);
            promptText = prompt.comparisonText();
            promptShown = prompt.Text1()->toPlainText();
            if (button)
                prompt.findChild<QPushButton*>(QLatin1String(button))->click();
            else
                prompt.close();
        });
    }

    QStringList log() const override { return logShape(QStringLiteral("write.log")); }

    // The radio holds the image from 0x0010 on; the band-limit block only
    // when it was written, block 0 never.
    void expectRadioHoldsImage(bool withLimits) {
        const QByteArray radioNow = radio->memory();
        const QByteArray image = imageBytes().left(8192);
        EXPECT_EQ(radioNow.left(16), radioBefore.left(16));
        EXPECT_EQ(radioNow.mid(16, 0x0970 - 16), image.mid(16, 0x0970 - 16));
        EXPECT_EQ(radioNow.mid(0x0970, 16), (withLimits ? image : radioBefore).mid(0x0970, 16));
        EXPECT_EQ(radioNow.mid(0x0980), image.mid(0x0980));
    }

    void expectNothingWritten() {
        EXPECT_TRUE(radio->framesOf(FrameKind::Write).isEmpty());
        EXPECT_EQ(radio->memory(), radioBefore);
    }

    QByteArray radioBefore;
    QString promptText;
    QString promptShown;
};

TEST_F(WriteRadioTest, EqualLimitsWriteAtOnceWithoutTheLimitBlock) {
    loadDocument(RadioLimitTexts);
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + writeFrames(false));
    expectRadioHoldsImage(false);
    EXPECT_EQ(main.calls, QStringList({"SetWriteBytes"}));
    EXPECT_EQ(window->RadioBandLimits(), RadioLimitTexts);
    EXPECT_EQ(ReadFileBytes(tempPath("write.dat")), imageBytes().left(8192));
    expectIdle();

    const QStringList lines = log();
    const QByteArray limitBlock = radioBefore.mid(0x0970, 64);
    EXPECT_EQ(
        lines.mid(0, 18),
        QStringList({"Attempting communication using COM1", ProbeTxShape, "T   RX <-- [01]    06",
                     "T   TX --> [01]    02", "T   RX <-- [07]    4B 47 36 36 39 56 00",
                     "Radio ID: KG669V", "T   TX --> [01]    06", "T   RX <-- [01]    06",
                     "Reading band limits from radio...", "T   TX --> [04]    52 09 70 40",
                     "T   RX <-- [68]    52 09 70 40 " + Hex(limitBlock), "T   TX --> [01]    06",
                     "T   RX <-- [01]    06",
                     "Radio band limits already match file. Skipping band limits.",
                     "T   TX --> [04]    57 00 10 10",
                     "T   TX --> [16]    " + Hex(imageBytes().mid(0x10, 16)),
                     "T   RX <-- [01]    06", "T   TX --> [04]    57 00 20 10"}));
    EXPECT_EQ(lines.size(), 14 + 510 * 3);
    EXPECT_FALSE(lines.contains("T   TX --> [04]    57 09 70 10"));

    const QStringList writing = barTexts.filter(QRegularExpression("^Writing to radio: "));
    ASSERT_EQ(writing.size(), 511);
    EXPECT_EQ(writing[0], "Writing to radio:  0% Complete...");
    EXPECT_EQ(writing[1024 / 16 - 1], "Writing to radio:  12% Complete...");
    EXPECT_EQ(writing[3072 / 16 - 1], "Writing to radio:  38% Complete...");
    EXPECT_EQ(writing[5120 / 16 - 1], "Writing to radio:  62% Complete...");
    EXPECT_EQ(writing[7168 / 16 - 1], "Writing to radio:  88% Complete...");
    EXPECT_EQ(writing.last(), "Writing to radio:  100% Complete...");
    EXPECT_EQ(barTexts.last(), "Data write complete.");
    EXPECT_EQ(window->tbflood()->value(), 100);
}

TEST_F(WriteRadioTest, AlwaysWriteLimitsSendsTheLimitBlockFirstUnasked) {
    loadDocument(OtherLimitTexts);
    platform::SaveSetting("Settings", "AlwaysWriteLimits", "1");
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(frameNames(), Handshake + writeFrames(true));
    expectRadioHoldsImage(true);
    const QStringList lines = log();
    EXPECT_EQ(lines[8], "Always write band limits enabled. Writing band limits.");
    EXPECT_EQ(lines[9], "T   TX --> [04]    57 09 70 10");
    EXPECT_EQ(lines.size(), 9 + 511 * 3);
    EXPECT_EQ(barTexts.filter(QRegularExpression("^Writing to radio: ")).size(), 511);
}

// Equal limits again, with an AlwaysWriteLimits that is no number (it reads as
// off) and the radio's eight-byte identity (accepted).
TEST_F(WriteRadioTest, AlwaysWriteLimitsThatIsNoNumberReadsAsOff) {
    loadDocument(RadioLimitTexts);
    platform::SaveSetting("Settings", "AlwaysWriteLimits", "yes");
    radio->setLongIdentity(true);
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + writeFrames(false));
    EXPECT_EQ(log().mid(4, 2),
              QStringList({"T   RX <-- [08]    06 4B 47 36 36 39 56 00", "Radio ID: KG669V"}));
    expectRadioHoldsImage(false);
}

TEST_F(WriteRadioTest, DifferentLimitsAnsweredYesWriteThemAfterAFreshHandshake) {
    loadDocument(OtherLimitTexts);
    armPrompt("Command1");
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(dialogs->shown().size(), 2);
    EXPECT_EQ(dialogs->shown()[1].objectName, "frmBandLimitPrompt");
    EXPECT_EQ(BandLimitPromptResult(), platform::vbYes);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + Handshake + writeFrames(true));
    expectRadioHoldsImage(true);
    EXPECT_TRUE(log().contains("User chose to write band limits."));
    EXPECT_FALSE(main.calls.contains("CheckBandLimits"));
}

TEST_F(WriteRadioTest, AnsweredNoWithAPassedCheckWritesWithoutTheLimits) {
    loadDocument(OtherLimitTexts);
    armPrompt("Command2");
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(BandLimitPromptResult(), platform::vbNo);
    EXPECT_EQ(main.checkedLimits, RadioLimitTexts);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + Handshake + writeFrames(false));
    expectRadioHoldsImage(false);
    const QStringList lines = log();
    const int at = static_cast<int>(lines.indexOf(
        "User chose not to write band limits. Checking radio band limits against file data..."));
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines.mid(at + 1, 3),
              QStringList({"Check passed: all memory channels contain frequencies that are within "
                           "the band limits in the radio.",
                           "Writing to radio (skipping band limits)...", ProbeTxShape}));
}

TEST_F(WriteRadioTest, AnsweredNoWithAFailedCheckWritesNothingAndCloses) {
    loadDocument(OtherLimitTexts);
    main.checkPasses = false;
    armPrompt("Command2");
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_FALSE(stayedOpen) << "a refused write closes the window";
    EXPECT_EQ(dialogs->messages(), QStringList({CheckFailedBox}));
    EXPECT_EQ(dialogs->shown().last().icon, platform::vbExclamation);
    EXPECT_EQ(dialogs->shown().last().buttons, platform::vbOKOnly);
    EXPECT_EQ(Program().BandLimitReport, "5,17,");
    EXPECT_EQ(frameNames(), Handshake + LimitRead);
    expectNothingWritten();
    expectIdle();
    const QStringList lines = log();
    EXPECT_EQ(lines.mid(lines.size() - 2),
              QStringList({"Check failed: file contains frequencies outside of the band limits in "
                           "the radio.",
                           "Write aborted."}));
}

TEST_F(WriteRadioTest, PromptShowsBothSetsAndItsCloseBoxCountsAsNo) {
    loadDocument(OtherLimitTexts);
    armPrompt(nullptr);
    EXPECT_EQ(run(), QDialog::Accepted);
    EXPECT_EQ(BandLimitPromptResult(), platform::vbNo);
    EXPECT_TRUE(main.calls.contains("CheckBandLimits"));
    const QString expected = "Band 1\r\n"
                             "     Radio:    File:\r\n"
                             "RX   136-174   144-148\r\n"
                             "TX   136-174   144-148\r\n"
                             "\r\n"
                             "Band 2\r\n"
                             "     Radio:    File:\r\n"
                             "RX   400-480   420-450\r\n"
                             "TX   400-480   430-440\r\n";
    EXPECT_EQ(promptText, expected);
    EXPECT_EQ(promptShown, QString(expected).replace("\r\n", "\n"));
    expectRadioHoldsImage(false);
}

TEST(BandLimitPrompt, WindowTextsAndAnswers) {
    frmBandLimitPrompt prompt;
    EXPECT_EQ(BandLimitPromptResult(), 0);
    EXPECT_EQ(prompt.windowTitle(), "KG-UV Ferrowind");
    EXPECT_EQ(prompt.Label1()->text(),
              "The band limits in the file do not match the band limits in the radio:");
    EXPECT_EQ(prompt.Label2()->text(),
              "Would you like to write the file band limits to the radio?");
    EXPECT_EQ(prompt.Command1()->text(), "&Yes");
    EXPECT_EQ(prompt.Command2()->text(), "&No");
    prompt.Command1()->click();
    EXPECT_EQ(BandLimitPromptResult(), 6);
    prompt.reject(); // a close after an answer keeps the answer
    EXPECT_EQ(BandLimitPromptResult(), 6);

    frmBandLimitPrompt escaped;
    EXPECT_EQ(BandLimitPromptResult(), 0);
    escaped.reject();
    EXPECT_EQ(BandLimitPromptResult(), 7);
}

TEST(BandLimitCompare, DecodesTheRadiosDigitsAndComparesTexts) {
    // 0136 and 0174 through the digit coding; an entry with one digit outside
    // the coding keeps the others.
    QByteArray table = radiosim::RadioSim::EncodeBandLimit(136) +
                       radiosim::RadioSim::EncodeBandLimit(174) + Bytes({0x74, 0x7A}) +
                       radiosim::RadioSim::EncodeBandLimit(9999);
    table += radiosim::RadioSim::EncodeBandLimit(0) + radiosim::RadioSim::EncodeBandLimit(1) +
             radiosim::RadioSim::EncodeBandLimit(520) + radiosim::RadioSim::EncodeBandLimit(10);
    const QStringList decoded = clonelink::DecodeBandLimits(table);
    EXPECT_EQ(decoded, QStringList({"136", "174", "1", "9999", "0", "1", "520", "10"}));
    EXPECT_FALSE(clonelink::BandLimitsDiffer(decoded, decoded));
    QStringList padded = decoded;
    padded[7] = "010";
    EXPECT_TRUE(clonelink::BandLimitsDiffer(decoded, padded)) << "texts compare, not numbers";

    QByteArray noDigits = table;
    noDigits[4] = noDigits[5] = static_cast<char>(0x44);
    EXPECT_THROW(clonelink::DecodeBandLimits(noDigits), platform::RuntimeError);
}

// Each step's fault: no answer, a six-byte identity (the wait runs out), a
// nine-byte or wrong identity, a wrong acknowledgement, no answer in time to
// either acknowledgement (half a second late is outside the write's receive
// window of a quarter of a second) or to the band-limit read.
TEST_F(WriteRadioTest, EveryFaultBeforeTheBlocksEndsWithItsTextsAndWritesNothing) {
    setReceiveWindows(Windows::Wide); // it waits windows out
    const FrameKind id = FrameKind::Identify, ack = FrameKind::Ack;
    const QStringList noIdentity = {"T   TX --> [01]    02", NoResponseShape};
    const QStringList noAck = {"T   TX --> [01]    06", NoResponseShape};
    const QStringList nineBytes = {"T   RX <-- [09]    06 4B 47 36 36 39 56 00 00",
                                   InvalidResponse};
    const QStringList noLimits = {"Reading band limits from radio...",
                                  "T   TX --> [04]    52 09 70 40", NoResponseShape};
    const QString invalidId = QStringLiteral("ERROR: Invalid radio ID!");
    const QStringList wrongAck = {"T   RX <-- [01]    15", InvalidResponse};
    const QStringList identified = {"probe", "identify"};
    const QStringList limitsAsked = Handshake + QStringList{"read 0970"};
    const struct {
        FrameKind kind;
        int occurrence;
        Fault fault;
        QString bar;
        QStringList frames;
        QStringList tail;
    } cases[] = {
        {id, -1, Fault::Silent(), NoResponse, identified, noIdentity},
        {id, -1, Answer("KG669V", 6), NoResponse, identified, noIdentity},
        {id, -1, Answer("\x06KG669V\0\0", 9), InvalidResponse, identified, nineBytes},
        {id, -1, Answer("KG669X\0", 7), invalidId, identified, {"Radio ID: KG669X", invalidId}},
        {ack, 0, Answer("\x15", 1), InvalidResponse + ".", Handshake, wrongAck},
        {ack, 0, Fault::Silent(), NoResponse, Handshake, noAck},
        {ack, 0, Fault::Late(2000), NoResponse, Handshake, noAck}, // after the window
        {ack, 1, Fault::Silent(), NoResponse, Handshake + LimitRead, noAck},
        {FrameKind::Read, -1, Fault::Silent(), NoResponse, limitsAsked, noLimits},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail.join(" | ").toStdString());
        loadDocument(RadioLimitTexts);
        runFailing(c.kind, c.occurrence, c.fault, c.tail, c.bar);
        // The radio may still be taking in the last frame, or answer it late:
        // that answer lands on the closed port, not on the next case's.
        WaitUntil([&] { return radio->frames().size() >= c.frames.size() && !radio->answering(); });
        EXPECT_EQ(window->link().options().receiveWindowMs, 250);
        EXPECT_EQ(frameNames(), c.frames);
        expectNothingWritten();
    }
}

TEST_F(WriteRadioTest, NoAnswerToABlockStopsAfterIt) {
    setReceiveWindows(Windows::Wide); // it waits windows out
    loadDocument(RadioLimitTexts);
    // The silent block and those before it reached the radio; nothing follows.
    radio->setFault(FrameKind::Write, Fault::Silent(), 5);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + writeFrames(false).mid(0, 6));
    EXPECT_EQ(radio->memory().mid(0x10, 0x60), imageBytes().mid(0x10, 0x60));
    EXPECT_EQ(radio->memory().mid(0x70), radioBefore.mid(0x70));
    const QStringList lines = log();
    EXPECT_EQ(
        lines.mid(lines.size() - 3),
        QStringList({"T   TX --> [04]    57 00 60 10",
                     "T   TX --> [16]    " + Hex(imageBytes().mid(0x60, 16)), NoResponseShape}));
    EXPECT_EQ(barTexts.last(), NoResponse);
    expectIdle();
}

TEST_F(WriteRadioTest, NoWakeUpAfterThePromptGivesUpAfterFourTries) {
    setReceiveWindows(Windows::Wide); // it waits windows out
    loadDocument(OtherLimitTexts);
    armPrompt("Command1");
    for (int n = 1; n <= 4; ++n)
        radio->setFault(FrameKind::Probe, Fault::Silent(), n);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(frameNames(),
              Handshake + LimitRead + QStringList({"probe", "probe", "probe", "probe"}));
    const QStringList lines = log();
    EXPECT_EQ(lines.mid(lines.size() - 9),
              QStringList({"User chose to write band limits.", ProbeTxShape, NoResponseShape,
                           ProbeTxShape, NoResponseShape, ProbeTxShape, NoResponseShape,
                           ProbeTxShape, NoResponseShape}));
    EXPECT_EQ(barTexts.last(), "ERROR: No response from radio!");
    expectNothingWritten();
}

// Band limits that cannot be decoded, the radio's or the document's own, are a
// run-time failure outside the steps: its box, port and log closed, the window
// left open.
TEST_F(WriteRadioTest, UndecodableLimitsAreARuntimeError) {
    for (const bool radioSide : {false, true}) { // the radio's stay spoilt
        SCOPED_TRACE(radioSide ? "radio" : "document");
        loadDocument(RadioLimitTexts);
        restart();
        QByteArray bytes = radioSide ? radio->memory() : main.image.GetBytArry();
        const int entry = radioSide ? 0x0972 : 0x0970;
        bytes[entry] = bytes[entry + 1] = static_cast<char>(0x44);
        if (radioSide)
            radio->setMemory(bytes);
        else
            main.image.Sbyt(bytes);
        radioBefore = radio->memory();
        armRun();
        dialogs->answerMessage(platform::vbOK);
        EXPECT_EQ(run(), QDialog::Rejected);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(dialogs->messages(), QStringList({"Error 13: Type mismatch"}));
        EXPECT_EQ(dialogs->shown().last().title, "Error");
        EXPECT_EQ(log().last(), "Error 13: Type mismatch");
        EXPECT_EQ(barTexts.last(), "ERROR 13");
        EXPECT_EQ(frameNames(), Handshake + (radioSide ? QStringList{"read 0970"} : LimitRead));
        expectNothingWritten();
        expectIdle();
    }
}

TEST_F(WriteRadioTest, LostDeviceDuringTheBlocks) {
    loadDocument(RadioLimitTexts);
    armRun([this](QDialog& w) {
        onLine(w, "TX --> [04]    57 01 00 10", [this] { radio->disconnect(); });
    });
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(dialogs->messages().size(), 1);
    const QString error = dialogs->messages().first();
    EXPECT_TRUE(error.startsWith("Error ")) << error.toStdString();
    EXPECT_EQ(log().last(), error);
    EXPECT_EQ(barTexts.last(), "ERROR " + error.section(' ', 1, 1).chopped(1));
    expectIdle();
}

TEST_F(WriteRadioTest, SilentRadioStillLeavesWriteDat) {
    setReceiveWindows(Windows::Short); // the radio never answers
    loadDocument(RadioLimitTexts);
    radio->setFault(FrameKind::Probe, Fault::Silent());
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_EQ(ReadFileBytes(tempPath("write.dat")), imageBytes().left(8192));
    EXPECT_EQ(log().last(), "ERROR: No response on selected COM port!");
    EXPECT_EQ(log().count(NoResponseShape), 4);
    EXPECT_EQ(barTexts.last(), "ERROR: No response on selected COM port!");
    expectIdle();
}

TEST_F(WriteRadioTest, CancelAtEachWaitEndsSilently) {
    const CancelCase cases[] = {
        {"probe", FrameKind::Probe, -1, "TX --> [09]    48 69 57 4F 55 58 55 4E 02", 1, 1},
        {"identify", FrameKind::Identify, 0, "TX --> [01]    02", 1, 2},
        {"ack", FrameKind::Ack, 0, "TX --> [01]    06", 1, 3},
        {"limit read", FrameKind::Read, 0, "TX --> [04]    52 09 70 40", 1, 4},
        {"block", FrameKind::Write, 3, "TX --> [16]", 4, 5 + 4},
        {"block, close box", FrameKind::Write, 3, "TX --> [16]", 4, 5 + 4, CloseBy::CloseBox},
        {"block, Esc", FrameKind::Write, 3, "TX --> [16]", 4, 5 + 4, CloseBy::EscKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loadDocument(RadioLimitTexts);
        runCancelled(c);
        EXPECT_EQ(main.calls, QStringList({"SetWriteBytes"}));
    }
}

TEST_F(WriteRadioTest, CancelDuringTheWakeUpPauseActsWhenItEnds) {
    setReceiveWindows(Windows::Wide); // it waits windows out
    loadDocument(OtherLimitTexts);
    armRun([](QDialog& w) { cancelAfterLine(w, "RX --> [00]    No Response"); });
    armPrompt("Command1");
    radio->setFault(FrameKind::Probe, Fault::Silent(), 1);
    EXPECT_EQ(run(), QDialog::Rejected);
    ProcessEventsFor(50);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + QStringList({"probe"}));
    EXPECT_EQ(log().last(), NoResponseShape);
    expectNothingWritten();
    expectIdle();
}

TEST_F(WriteRadioTest, ASecondWriteClickOnlyEmptiesTheDetailsBox) {
    loadDocument(RadioLimitTexts);
    EXPECT_EQ(run([](QDialog& w) {
                  onLine(w, "TX --> [04]    57 01 00 10", [&w] { clickLater(w, "Command1"); });
              }),
              QDialog::Accepted);
    EXPECT_EQ(frameNames(), Handshake + LimitRead + writeFrames(false));
    EXPECT_FALSE(window->Text1()->toPlainText().contains("Attempting communication"));
    EXPECT_TRUE(log().contains("Attempting communication using COM1"));
}

TEST_F(WriteRadioTest, WindowLayoutAndTexts) {
    frmWriteRadio w;
    EXPECT_EQ(w.windowTitle(), "Write To KG-UV");
    EXPECT_EQ(w.Label1()->text(), "1. Be sure the cable is connected and the radio is");
    EXPECT_EQ(w.Label3()->text(), "powered on.");
    EXPECT_EQ(w.Label4()->text(), "2. Click the Write button ");
    EXPECT_EQ(w.Command1()->text(), "&Write");
    EXPECT_EQ(w.Command2()->text(), "&Cancel");
    EXPECT_GE(w.Text1()->y(), w.height());
}

// A failure before the radio is sought ("write.dat" cannot be written) shows
// only its box: nothing is sent, logged or drawn as an error.
TEST_F(WriteRadioTest, AFailureBeforeTheProbeShowsOnlyTheErrorBox) {
    loadDocument(RadioLimitTexts);
    clonelink::SetTransferFolder(tempPath("no/such/folder"));
    armRun();
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialogs->messages(),
              QStringList({"Error 75: Path/File access error (No such file or directory)"}));
    EXPECT_EQ(dialogs->shown().last().title, "Error");
    EXPECT_EQ(dialogs->shown().last().icon, platform::vbExclamation);
    EXPECT_EQ(window->Text1()->toPlainText(), QString());
    EXPECT_TRUE(barTexts.isEmpty());
    EXPECT_TRUE(radio->frames().isEmpty());
    expectIdle();
}

// A "write.dat" cut short by a full disk is no copy of what is sent: the
// write stops there, as for any other failure to write it.
TEST_F(WriteRadioTest, FullDiskFailsWriteDatAndSendsNothing) {
    FullDisk disk(tempPath("disk"));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    loadDocument(RadioLimitTexts);
    WriteFileBytes(disk.path("write.dat"), "old");
    clonelink::SetTransferFolder(disk.path(QString()));
    ASSERT_TRUE(disk.fill());
    armRun();
    dialogs->answerMessage(platform::vbOK);
    EXPECT_EQ(run(), QDialog::Rejected);
    clonelink::SetTransferFolder(tempDir.path());
    EXPECT_EQ(dialogs->messages(),
              QStringList({"Error 75: Path/File access error (No space left on device)"}));
    EXPECT_EQ(ReadFileBytes(disk.path("write.dat")), QByteArray("old"));
    EXPECT_TRUE(radio->frames().isEmpty());
    expectIdle();
}
