// The serial port over a real pseudo-terminal, with the simulated radio on
// the other end; and the simulated radio itself: its default answers, memory,
// record, pacing and watch for forbidden frames. Its fault knobs are exercised,
// byte for byte, by the probe, read and write tests.

#include "LinkTestSupport.h"

#include "platform/core/CommPort.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <cerrno>
#include <cstring>
#include <functional>

using platform::CommPort;
using radiosim::FrameKind;

namespace {

const QByteArray Probe = Bytes({0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02});
const QByteArray Identify = Bytes({0x02});
const QByteArray Ack = Bytes({0x06});

} // namespace

TEST(PortNumbers, NameFixedDevicesUnlessMapped) {
    EXPECT_EQ(platform::DefaultPortDevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(platform::DefaultPortDevicePath(8), "/dev/ttyUSB7");
    EXPECT_EQ(platform::DefaultPortDevicePath(9), "/dev/ttyACM0");
    EXPECT_EQ(platform::DefaultPortDevicePath(12), "/dev/ttyACM3");
    EXPECT_EQ(platform::DefaultPortDevicePath(13), "/dev/ttyS0");
    EXPECT_EQ(platform::DefaultPortDevicePath(16), "/dev/ttyS3");
    EXPECT_EQ(platform::DefaultPortDevicePath(0), QString());
    EXPECT_EQ(platform::DefaultPortDevicePath(17), QString());

    EXPECT_EQ(platform::PortDevicePath(3), "/dev/ttyUSB2");
    platform::SaveSetting("PortMap", "COM3", "/tmp/my-cable");
    EXPECT_EQ(platform::PortDevicePath(3), "/tmp/my-cable");
    EXPECT_EQ(platform::PortDevicePath(4), "/dev/ttyUSB3");
}

TEST(PortSettings, RefusesValuesItCannotTake) {
    CommPort port;
    port.setSettings("19200,e,7,2");
    EXPECT_EQ(port.settings(), "19200,e,7,2");
    for (const char* bad : {"9600,n,8", "fast,n,8,1", "9600,x,8,1", "9600,n,9,1", "9600,n,8,3"}) {
        try {
            port.setSettings(QString::fromLatin1(bad));
            ADD_FAILURE() << bad << " was taken";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), 380);
            EXPECT_EQ(e.description(), "Invalid property value");
        }
    }
    EXPECT_EQ(port.settings(), "19200,e,7,2");
}

class CommPortTest : public LinkTest {
protected:
    // A radio on port number n, and port opened on it.
    radiosim::RadioSim& openOn(int n) {
        radiosim::RadioSim& radio = addRadio();
        mapPort(n, radio);
        port.setCommPort(n);
        port.setPortOpen(true);
        return radio;
    }

    // Sends frame and collects the answer until count bytes or a timeout.
    QByteArray exchange(const QByteArray& frame, int count) {
        port.output(frame);
        WaitUntil([&] { return port.inBufferCount() >= count; }, 3000);
        return port.input();
    }

    CommPort port;
};

TEST_F(CommPortTest, MissingDeviceRaisesQtsNumberAndText) {
    port.setCommPort(2);
    try {
        port.setPortOpen(true);
        FAIL() << "a missing device opened";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), QSerialPort::DeviceNotFoundError);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_FALSE(port.portOpen());
    EXPECT_THROW(port.output(Bytes({0x02})), platform::RuntimeError);
    EXPECT_THROW(port.inBufferCount(), platform::RuntimeError);
}

TEST_F(CommPortTest, OpensAPseudoTerminalAndExchangesBytes) {
    port.setSettings("9600,n,8,1");
    port.setDTREnable(true); // a pseudo-terminal has no modem lines: no error
    port.setRTSEnable(true);
    const radiosim::RadioSim& radio = openOn(4);
    ASSERT_TRUE(port.portOpen());
    EXPECT_EQ(port.devicePath(), radio.slavePath());

    EXPECT_EQ(exchange(Probe, 1), Ack);
    EXPECT_EQ(port.inBufferCount(), 0);
    EXPECT_EQ(port.input(), QByteArray()); // an empty buffer reads as no bytes
    port.setPortOpen(false);
    EXPECT_FALSE(port.portOpen());
    port.setPortOpen(false); // closing twice is no failure
}

TEST_F(CommPortTest, ReopeningStartsWithEmptyBuffers) {
    radiosim::RadioSim& radio = openOn(1);
    port.output(Probe);
    ASSERT_TRUE(WaitUntil([&] { return radio.frames().size() == 1; }));
    port.setPortOpen(false);
    // Bytes that reach the device while it is closed stay queued in it.
    radio.sendStray(Bytes({0x11, 0x22}));
    ASSERT_TRUE(WaitUntil([&] { return radio.straySent() == 2; }));
    port.setPortOpen(true);
    ProcessEventsFor(50);
    EXPECT_EQ(port.inBufferCount(), 0);
    radio.sendStray(Bytes({0x33}));
    EXPECT_EQ(exchange(QByteArray(), 1), Bytes({0x33}));
}

// What was sent stays sent: opening the port again empties what came in, not
// what is still on its way out. A pseudo-terminal whose other end has not
// read yet holds the bytes beyond its first 4 KiB where a flush would drop
// them.
TEST_F(CommPortTest, ReopeningKeepsWhatWasSent) {
    radios.push_back(std::make_unique<radiosim::RadioSim>()); // not reading yet
    radiosim::RadioSim& radio = *radios.back();
    radio.setFault(FrameKind::Probe, radiosim::Fault::Silent());
    mapPort(1, radio);
    port.setCommPort(1);
    port.setPortOpen(true);
    constexpr int Probes = 1000;
    port.output(Probe.repeated(Probes));
    port.setPortOpen(false);
    port.setPortOpen(true);
    radio.start();
    EXPECT_TRUE(WaitUntil([&] { return radio.frames().size() == Probes; }));
    EXPECT_EQ(radio.frames().size(), Probes);
}

TEST_F(CommPortTest, InputLenAndNullDiscard) {
    radiosim::RadioSim& radio = openOn(1);
    radio.sendStray(Bytes({0x01, 0x00, 0x02, 0x00, 0x03}));
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() == 5; }));
    port.setInputLen(2);
    EXPECT_EQ(port.input(), Bytes({0x01, 0x00}));
    port.setInputLen(0);
    port.setNullDiscard(true);
    EXPECT_EQ(port.input(), Bytes({0x02, 0x03}));
}

TEST_F(CommPortTest, LostDeviceClosesThePort) {
    radiosim::RadioSim& radio = openOn(6);
    radio.disconnect();
    mapPort(6, missingPath(6)); // the node goes with the device
    EXPECT_TRUE(WaitUntil([&] {
        try {
            port.inBufferCount();
        } catch (const platform::RuntimeError&) {
        }
        return !port.portOpen();
    }));
    EXPECT_THROW(port.setPortOpen(true), platform::RuntimeError);
}

// The loss keeps its own error after the port is closed: every use until the
// next open says the device went and why, not merely that the port is shut.
TEST_F(CommPortTest, LostDeviceRaisesItsOwnErrorUntilOpenedAgain) {
    radiosim::RadioSim& radio = openOn(6);
    radio.disconnect();
    mapPort(6, missingPath(6));
    QStringList errors;
    const auto use = [&](const std::function<void()>& call) {
        try {
            call();
        } catch (const platform::RuntimeError& e) {
            errors << platform::ErrorText(e);
        }
    };
    ASSERT_TRUE(WaitUntil([&] {
        use([&] { port.inBufferCount(); });
        return !errors.isEmpty();
    }));
    port.setPortOpen(false); // the window's close of a port that is gone
    use([&] { port.output(Ack); });
    // Qt calls a hang-up a read or a resource error depending on what errno
    // held before; the reason comes from the device either way.
    const QString reason = QString::fromLocal8Bit(std::strerror(EIO));
    const QString lost = QStringLiteral(": Port lost (") + reason + QLatin1Char(')');
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0] == QStringLiteral("Error %1").arg(QSerialPort::ReadError) + lost ||
                errors[0] == QStringLiteral("Error %1").arg(QSerialPort::ResourceError) + lost)
        << errors[0].toStdString();
    EXPECT_EQ(errors[1], errors[0]);

    openOn(7);
    EXPECT_EQ(port.inBufferCount(), 0);
}

TEST_F(CommPortTest, PortInUseFailsToOpen) {
    openOn(2);
    CommPort second;
    second.setCommPort(2);
    try {
        second.setPortOpen(true);
        FAIL() << "the port opened twice";
    } catch (const platform::RuntimeError& e) {
        EXPECT_NE(e.number(), 0);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_TRUE(port.portOpen());
}

class RadioSimTest : public CommPortTest {
protected:
    void SetUp() override {
        CommPortTest::SetUp();
        radio = &openOn(1);
    }

    void handshake() {
        ASSERT_EQ(exchange(Probe, 1), Ack);
        ASSERT_EQ(exchange(Identify, 7).size(), 7);
        ASSERT_EQ(exchange(Ack, 1), Ack);
    }

    radiosim::RadioSim* radio = nullptr;
};

TEST_F(RadioSimTest, DefaultAnswersAndRecord) {
    EXPECT_EQ(exchange(Probe, 1), Ack);
    EXPECT_EQ(exchange(Identify, 7), Bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00}));
    EXPECT_EQ(exchange(Ack, 1), Ack);
    const QByteArray read = exchange(Bytes({0x52, 0x09, 0x70, 0x40}), 68);
    EXPECT_EQ(read.left(4), Bytes({0x52, 0x09, 0x70, 0x40}));
    EXPECT_EQ(read.mid(4), radio->memory().mid(0x0970, 64));
    EXPECT_EQ(read.mid(4, 4), Bytes({0x7A, 0x9E, 0x7A, 0x1B})); // 136 and 174 MHz

    QByteArray data;
    for (int i = 0; i < 16; ++i)
        data.append(static_cast<char>(0xA0 + i));
    port.output(Bytes({0x57, 0x1F, 0xF0, 0x10}));
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
    EXPECT_EQ(frames[3].answer, read);
    for (int i = 1; i < 5; ++i)
        EXPECT_GE(frames[i].time, frames[i - 1].time);
}

TEST_F(RadioSimTest, PacedAnswerTakesItsWireTime) {
    radio->setPaced(true);
    handshake();
    QElapsedTimer timer;
    timer.start();
    const QByteArray read = exchange(Bytes({0x52, 0x00, 0x00, 0x40}), 68);
    EXPECT_EQ(read.size(), 68);
    // 4 bytes to the radio and 68 back at 9600 baud cannot take less.
    EXPECT_GE(timer.nsecsElapsed(), static_cast<qint64>(72 * radiosim::PacedByteSeconds * 1e9));
}

TEST_F(RadioSimTest, ForbiddenFramesAreRecordedAsViolations) {
    EXPECT_EQ(exchange(Bytes({0x52, 0x00, 0x00, 0x40}), 68).size(), 68); // before any handshake
    handshake();
    port.output(Bytes({0x57, 0x00, 0x00, 0x10}) + QByteArray(16, '\x01')); // the first block
    port.output(Bytes({0x52, 0x00, 0x00, 0x20}));                          // wrong length
    port.output(Bytes({0x77}));                                            // no frame at all
    port.output(Bytes({0x48, 0x69, 0x00}));                                // broken probe
    WaitUntil([&] { return radio->violations().size() >= 6; });
    const QStringList violations = radio->violations();
    EXPECT_EQ(violations, QStringList({"read block before the handshake", "write to address 0000",
                                       "malformed read frame: 52 00 00 20", "stray byte 77",
                                       "malformed probe: 48 69 00", "stray byte 00"}));
    EXPECT_NE(radio->byteAt(0), 0x01);
    radio->clearRecord(); // these were provoked on purpose
}
