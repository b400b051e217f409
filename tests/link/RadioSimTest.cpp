// The simulated radio itself: its default answers, its memory, its record and
// its fault knobs, driven through the program's own serial port.

#include "LinkTestSupport.h"

#include "platform/core/CommPort.h"

#include <QElapsedTimer>

using radiosim::FrameKind;
using radiosim::RadioSim;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

const QByteArray Probe = bytes({0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02});
const QByteArray Identify = bytes({0x02});
const QByteArray Ack = bytes({0x06});

class RadioSimTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        radio = &addRadio();
        mapPort(1, *radio);
        port.setCommPort(1);
        port.setPortOpen(true);
    }

    // Sends a frame and collects the answer until count bytes or the timeout.
    QByteArray exchange(const QByteArray& frame, int count, int timeoutMs = 2000) {
        port.output(frame);
        WaitUntil([&] { return port.inBufferCount() >= count; }, timeoutMs);
        return port.input();
    }

    void handshake() {
        ASSERT_EQ(exchange(Probe, 1), Ack);
        ASSERT_EQ(exchange(Identify, 7).size(), 7);
        ASSERT_EQ(exchange(Ack, 1), Ack);
    }

    RadioSim* radio = nullptr;
    platform::CommPort port;
};

} // namespace

TEST_F(RadioSimTest, DefaultAnswersAndRecord) {
    EXPECT_EQ(exchange(Probe, 1), Ack);
    EXPECT_EQ(exchange(Identify, 7), bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00}));
    EXPECT_EQ(exchange(Ack, 1), Ack);
    const QByteArray read = exchange(bytes({0x52, 0x09, 0x70, 0x40}), 68);
    EXPECT_EQ(read.left(4), bytes({0x52, 0x09, 0x70, 0x40}));
    EXPECT_EQ(read.mid(4), radio->memory().mid(0x0970, 64));
    EXPECT_EQ(read.mid(4, 4), bytes({0x7A, 0x9E, 0x7A, 0x1B})); // 136 and 174 MHz

    QByteArray data;
    for (int i = 0; i < 16; ++i)
        data.append(static_cast<char>(0xA0 + i));
    port.output(bytes({0x57, 0x1F, 0xF0, 0x10}));
    EXPECT_EQ(exchange(data, 1), Ack); // header and data may come as two outputs
    EXPECT_EQ(radio->memory().mid(0x1FF0, 16), data);

    const QList<radiosim::Frame> frames = radio->frames();
    ASSERT_EQ(frames.size(), 5);
    const FrameKind kinds[] = {FrameKind::Probe, FrameKind::Identify, FrameKind::Ack,
                               FrameKind::Read, FrameKind::Write};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frames[i].kind, kinds[i]) << i;
    EXPECT_EQ(frames[3].address, 0x0970);
    EXPECT_EQ(frames[4].address, 0x1FF0);
    EXPECT_EQ(frames[4].bytes.size(), 20);
    for (int i = 1; i < 5; ++i)
        EXPECT_GE(frames[i].time, frames[i - 1].time);
}

TEST_F(RadioSimTest, LongAnswerForms) {
    radio->setLongProbeAnswer(true);
    radio->setLongIdentity(true);
    EXPECT_EQ(exchange(Probe, 8), bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56}));
    EXPECT_EQ(exchange(Identify, 8), bytes({0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00}));
}

TEST_F(RadioSimTest, FaultKnobs) {
    radio->setFault(FrameKind::Probe, radiosim::Fault::Silent(), 0);
    radio->setFault(FrameKind::Identify, radiosim::Fault::Short(6));
    radio->setFault(FrameKind::Ack, radiosim::Fault::Replace(bytes({0x15})), 0);
    radio->setFault(FrameKind::Ack, radiosim::Fault::Extra(bytes({0x99, 0x98})), 1);
    EXPECT_EQ(exchange(Probe, 1, 150), QByteArray());
    EXPECT_EQ(exchange(Probe, 1), Ack);
    EXPECT_EQ(exchange(Identify, 7, 150), bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56}));
    EXPECT_EQ(exchange(Ack, 1), bytes({0x15}));
    EXPECT_EQ(exchange(Ack, 3), bytes({0x06, 0x99, 0x98}));
    EXPECT_EQ(radio->frames().first().answer, QByteArray());
}

TEST_F(RadioSimTest, LateAnswerAndStrayBytes) {
    radio->setFault(FrameKind::Probe, radiosim::Fault::Late(300));
    EXPECT_EQ(exchange(Probe, 1, 100), QByteArray());
    EXPECT_EQ(exchange(QByteArray(), 1, 2000), Ack);
    radio->sendStray(bytes({0xEE}));
    EXPECT_EQ(exchange(QByteArray(), 1), bytes({0xEE}));
}

TEST_F(RadioSimTest, PacedAnswerTakesItsWireTime) {
    radio->setPaced(true);
    handshake();
    QElapsedTimer timer;
    timer.start();
    const QByteArray read = exchange(bytes({0x52, 0x00, 0x00, 0x40}), 68);
    EXPECT_EQ(read.size(), 68);
    // 4 bytes to the radio and 68 back at 9600 baud cannot take less.
    EXPECT_GE(timer.nsecsElapsed(), static_cast<qint64>(72 * radiosim::PacedByteSeconds * 1e9));
}

TEST_F(RadioSimTest, ForbiddenFramesAreRecordedAsViolations) {
    EXPECT_EQ(exchange(bytes({0x52, 0x00, 0x00, 0x40}), 68).size(), 68); // before any handshake
    handshake();
    port.output(bytes({0x57, 0x00, 0x00, 0x10}) + QByteArray(16, '\x01')); // the first block
    port.output(bytes({0x52, 0x00, 0x00, 0x20}));                          // wrong length
    port.output(bytes({0x77}));                                            // no frame at all
    port.output(bytes({0x48, 0x69, 0x00}));                                // broken probe
    ProcessEventsFor(100);
    const QStringList violations = radio->violations();
    EXPECT_EQ(violations, QStringList({"read block before the handshake", "write to address 0000",
                                       "malformed read frame: 52 00 00 20", "stray byte 77",
                                       "malformed probe: 48 69 00", "stray byte 00"}));
    EXPECT_NE(radio->byteAt(0), 0x01);
    radio->clearRecord(); // these were provoked on purpose
}
