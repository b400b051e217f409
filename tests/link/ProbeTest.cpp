// Finding the radio: the probe on the saved port and the search over ports
// 1-16, over pseudo-terminals against the simulated radio.

#include "LinkTestSupport.h"

#include "link/CloneProtocol.h"
#include "platform/core/Settings.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>

using clonelink::LinkCore;
using radiosim::Fault;
using radiosim::FrameKind;

namespace {

const QString AckRx = QStringLiteral("T   RX <-- [01]    06");
const QString Attempting = QStringLiteral("Attempting communication, please wait...");

QString savedPortText() {
    return platform::GetSetting(QStringLiteral("Settings"), QStringLiteral("CommPort"));
}

QStringList portsTried(const QStringList& shape) {
    QStringList ports;
    for (const QString& line : shape)
        if (line.startsWith("Attempting communication using COM"))
            ports.append(line.mid(34));
    return ports;
}

class ProbeTest : public LinkTest {
protected:
    radiosim::RadioSim& silentRadio() {
        radiosim::RadioSim& radio = addRadio();
        radio.setFault(FrameKind::Probe, Fault::Silent());
        return radio;
    }

    bool find() {
        core = makeCore();
        core->openLog();
        const bool found = core->findRadio();
        core->closeLog();
        return found;
    }

    std::unique_ptr<LinkCore> core;
};

} // namespace

TEST_F(ProbeTest, SavedPortAnswers) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(3, radio);
    setSaved(3, true);
    ASSERT_TRUE(find());
    EXPECT_TRUE(core->portOpen());
    EXPECT_EQ(logShape(),
              QStringList({"Attempting communication using COM3", ProbeTxShape, AckRx}));
    EXPECT_EQ(progressTexts, QStringList({Attempting}));
    EXPECT_EQ(savedPortText(), "3");
    EXPECT_EQ(radio.frames().size(), 1);
    EXPECT_EQ(details.toPlainText(), logLines().join('\n') + '\n');
}

TEST_F(ProbeTest, AbsentSettingMeansPortOneAndLongAnswerNamesTheRadio) {
    radiosim::RadioSim& radio = addRadio();
    radio.setLongProbeAnswer(true);
    mapPort(1, radio);
    ASSERT_TRUE(find());
    EXPECT_EQ(logShape(),
              QStringList({"Attempting communication using COM1", ProbeTxShape,
                           "T   RX <-- [08]    06 06 4B 47 36 36 39 56", "Radio ID: KG669V"}));
    EXPECT_EQ(savedPortText(), "1");
}

TEST_F(ProbeTest, WrongAnswersAreRefusedOnEveryTry) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(2, radio);
    setSaved(2, false);
    radio.setFault(FrameKind::Probe, Fault::Replace(Bytes({0x15})), 0);
    radio.setFault(FrameKind::Probe, Fault::Extra(Bytes({0x06})), 1); // 06 06: two bytes
    radio.setFault(FrameKind::Probe,
                   Fault::Replace(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39})), 2);
    radio.setFault(FrameKind::Probe,
                   Fault::Replace(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x57})), 3);
    EXPECT_FALSE(find());
    EXPECT_FALSE(core->portOpen());
    const QStringList shape = logShape();
    EXPECT_EQ(shape.count("Invalid response - not the radio."), 4);
    EXPECT_TRUE(shape.contains("T   RX <-- [02]    06 06"));
    EXPECT_EQ(shape.last(), "ERROR: No response on selected COM port!");
    EXPECT_EQ(progressTexts.last(), "ERROR: No response on selected COM port!");
    EXPECT_EQ(progressValues.last(), 100);
}

TEST_F(ProbeTest, SilentSavedPortWithoutDetection) {
    setReceiveWindows(Windows::Short);
    radiosim::RadioSim& radio = silentRadio();
    for (int n = 1; n <= 16; ++n)
        mapPort(n, radio);
    setSaved(4, false);
    EXPECT_FALSE(find());
    QStringList expected;
    for (int i = 0; i < 4; ++i)
        expected << "Attempting communication using COM4" << ProbeTxShape << NoResponseShape;
    EXPECT_EQ(logShape(), expected << "ERROR: No response on selected COM port!");
    EXPECT_EQ(progressTexts, QStringList({Attempting, Attempting, Attempting, Attempting,
                                          "ERROR: No response on selected COM port!"}));
    EXPECT_EQ(progressValues, QList<int>({0, 33, 67, 100, 100}));
    EXPECT_EQ(savedPortText(), "4");
}

TEST_F(ProbeTest, DetectionTriesThePortsInOrderAndSavesTheOneThatAnswers) {
    radiosim::RadioSim& silent = silentRadio();
    radiosim::RadioSim& radio = addRadio();
    for (int n = 1; n <= 16; ++n)
        mapPort(n, silent);
    mapPort(7, radio);
    setSaved(5, true);
    ASSERT_TRUE(find());
    const QStringList shape = logShape();
    EXPECT_EQ(portsTried(shape), QStringList({"5", "5", "5", "5", "1", "1", "2", "2", "3", "3", "4",
                                              "4", "6", "6", "7"}));
    EXPECT_EQ(shape.count(NoResponseShape), 14);
    EXPECT_EQ(shape.last(), AckRx);
    EXPECT_EQ(savedPortText(), "7");
    EXPECT_TRUE(core->portOpen());
    // The saved port's retries, then the search: the saved port 5 is skipped
    // but still counts for progress.
    EXPECT_EQ(progressTexts.mid(0, 5), QStringList({Attempting, Attempting, Attempting, Attempting,
                                                    "Detecting port:  0% Complete..."}));
    EXPECT_EQ(
        progressTexts.mid(5),
        QStringList({"Detecting port:  6% Complete...", "Detecting port:  12% Complete...",
                     "Detecting port:  19% Complete...", "Detecting port:  25% Complete...",
                     "Detecting port:  31% Complete...", "Detecting port:  38% Complete..."}));
    // Frames are counted as the radio records them, which on a busy machine
    // may be a moment after the program has moved on.
    WaitUntil([&] { return silent.framesOf(FrameKind::Probe).size() >= 14; });
    EXPECT_EQ(silent.framesOf(FrameKind::Probe).size(), 14);
    EXPECT_EQ(radio.framesOf(FrameKind::Probe).size(), 1);
}

TEST_F(ProbeTest, NoPortAnswers) {
    setReceiveWindows(Windows::Short);
    radiosim::RadioSim& silent = silentRadio();
    for (int n = 1; n <= 16; ++n)
        mapPort(n, silent);
    mapPort(9, missingPath(9)); // no such device: one line, no retry
    setSaved(1, true);
    EXPECT_FALSE(find());
    const QStringList shape = logShape();
    EXPECT_EQ(portsTried(shape).size(), 4 + 2 * 14 + 1);
    EXPECT_EQ(portsTried(shape).count("9"), 1);
    const int at = static_cast<int>(shape.indexOf("Attempting communication using COM9"));
    ASSERT_GE(at, 0);
    EXPECT_TRUE(shape[at + 1].startsWith(
        QStringLiteral("Error %1: ").arg(QSerialPort::DeviceNotFoundError)))
        << shape[at + 1].toStdString();
    EXPECT_EQ(shape.last(), "ERROR: Radio not found!");
    EXPECT_EQ(progressTexts.last(), "ERROR: Radio not found!");
    EXPECT_EQ(progressValues.last(), 100);
    QList<int> detection;
    for (int i = 0; i < progressTexts.size(); ++i)
        if (progressTexts[i].startsWith("Detecting port: "))
            detection.append(progressValues[i]);
    EXPECT_EQ(detection,
              QList<int>({0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100}));
    EXPECT_EQ(progressTexts[progressTexts.size() - 2], "Detecting port:  100% Complete...");
    EXPECT_EQ(savedPortText(), "1");
}

TEST_F(ProbeTest, MissingDeviceFailsAtOnce) {
    setSaved(2, false);
    QElapsedTimer timer;
    timer.start();
    clonelink::SetTimingScale({}); // a retry would cost seconds
    EXPECT_FALSE(find());
    EXPECT_LT(timer.elapsed(), 2000);
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Attempting communication using COM2");
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("Error %1: ").arg(QSerialPort::DeviceNotFoundError)));
    EXPECT_GT(lines[1].size(), 9);
    EXPECT_EQ(lines[2], "ERROR: No response on selected COM port!");
}

TEST_F(ProbeTest, DeviceLostDuringTheProbeEndsThePort) {
    radiosim::RadioSim& radio = silentRadio();
    mapPort(1, radio);
    setSaved(1, false);
    // The cable is pulled once the radio has seen the first probe. A pulled
    // USB adapter takes its device node with it, and the node must not
    // reappear: a freed pseudo-terminal number may be handed to another test.
    QTimer pull;
    QObject::connect(&pull, &QTimer::timeout, [&] {
        if (radio.framesOf(FrameKind::Probe).isEmpty())
            return;
        pull.stop();
        radio.disconnect();
        mapPort(1, missingPath(1));
    });
    pull.start(1);
    EXPECT_FALSE(find());
    const QStringList shape = logShape();
    // The try that lost the device fails, the next one cannot reopen the port
    // and ends the search. On a very slow machine the first try may time out
    // before the cable is pulled, which costs one more try.
    const QStringList tried = portsTried(shape);
    EXPECT_TRUE(tried == QStringList({"1", "1"}) || tried == QStringList({"1", "1", "1"}))
        << tried.join(',').toStdString();
    EXPECT_TRUE(shape[shape.size() - 2].startsWith("Error ")) << shape.join('\n').toStdString();
    EXPECT_FALSE(core->portOpen());
}

// The only test that runs the probe's real receive window and pauses: a silent
// saved port costs four receive windows of 1 s and three pauses of 2.5 s.
TEST_F(ProbeTest, SilentSavedPortAtFullSpeed) {
    radiosim::RadioSim& radio = silentRadio();
    mapPort(1, radio);
    clonelink::SetTimingScale({});
    core = makeCore();
    core->openLog();
    core->startClock();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(core->TestPort(1));
    const qint64 elapsed = timer.elapsed();
    core->closeLog();
    EXPECT_GE(elapsed, 4 * 1000 + 3 * 2500);
    EXPECT_EQ(logShape().count(NoResponseShape), 4);
    EXPECT_EQ(progressValues, QList<int>({33, 67, 100}));
    const QList<radiosim::Frame> probes = radio.framesOf(FrameKind::Probe);
    ASSERT_EQ(probes.size(), 4);
    // The radio stamps a frame when it has read it, which a busy machine may
    // delay for one probe and not the next; the 2.5 s pause shows all the same.
    for (int i = 1; i < 4; ++i)
        EXPECT_GE(probes[i].time - probes[i - 1].time, 3.0);
}

TEST_F(ProbeTest, SettingsThatAreNotNumbersReadAsTheirDefaults) {
    EXPECT_EQ(LinkCore::SavedPort(), 1);
    EXPECT_TRUE(LinkCore::AutoDetectOn());
    platform::SaveSetting("Settings", "CommPort", "COM4");
    platform::SaveSetting("Settings", "AutoDetect", "on");
    EXPECT_EQ(LinkCore::SavedPort(), 1);
    EXPECT_TRUE(LinkCore::AutoDetectOn());
    platform::SaveSetting("Settings", "CommPort", " 12 ");
    platform::SaveSetting("Settings", "AutoDetect", "2");
    EXPECT_EQ(LinkCore::SavedPort(), 12);
    EXPECT_FALSE(LinkCore::AutoDetectOn());
}
