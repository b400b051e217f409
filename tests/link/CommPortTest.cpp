// The serial port over a real pseudo-terminal, with the simulated radio on
// the other end.

#include "LinkTestSupport.h"

#include "platform/core/CommPort.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"

#include <QSerialPort>
#include <fcntl.h>
#include <unistd.h>

using platform::CommPort;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray collect(CommPort& port, int count) {
    WaitUntil([&] { return port.inBufferCount() >= count; }, 3000);
    return port.input();
}

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

class CommPortTest : public LinkTest {};

TEST_F(CommPortTest, MissingDeviceRaisesQtsNumberAndText) {
    CommPort port;
    port.setCommPort(2);
    try {
        port.setPortOpen(true);
        FAIL() << "a missing device opened";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), QSerialPort::DeviceNotFoundError);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_FALSE(port.portOpen());
    EXPECT_THROW(port.output(bytes({0x02})), platform::RuntimeError);
    EXPECT_THROW(port.inBufferCount(), platform::RuntimeError);
}

TEST_F(CommPortTest, OpensAPseudoTerminalAndExchangesBytes) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(4, radio);
    CommPort port;
    port.setCommPort(4);
    port.setSettings("9600,n,8,1");
    port.setDTREnable(true); // a pseudo-terminal has no modem lines: no error
    port.setRTSEnable(true);
    port.setPortOpen(true);
    ASSERT_TRUE(port.portOpen());
    EXPECT_EQ(port.devicePath(), radio.slavePath());

    port.output(bytes({0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02}));
    EXPECT_EQ(collect(port, 1), bytes({0x06}));
    EXPECT_EQ(port.inBufferCount(), 0);
    EXPECT_EQ(port.input(), QByteArray()); // an empty buffer reads as no bytes
    port.setPortOpen(false);
    EXPECT_FALSE(port.portOpen());
    port.setPortOpen(false); // closing twice is no failure
}

TEST_F(CommPortTest, ReopeningStartsWithEmptyBuffers) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(1, radio);
    CommPort port;
    port.setCommPort(1);
    port.setPortOpen(true);
    port.output(bytes({0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02}));
    ASSERT_TRUE(WaitUntil([&] { return radio.frames().size() == 1; }));
    port.setPortOpen(false);
    // Bytes that reach the device while it is closed stay queued in it.
    radio.sendStray(bytes({0x11, 0x22}));
    ProcessEventsFor(50);
    port.setPortOpen(true);
    ProcessEventsFor(50);
    EXPECT_EQ(port.inBufferCount(), 0);
    radio.sendStray(bytes({0x33}));
    EXPECT_EQ(collect(port, 1), bytes({0x33}));
}

TEST_F(CommPortTest, InputLenAndNullDiscard) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(1, radio);
    CommPort port;
    port.setCommPort(1);
    port.setPortOpen(true);
    radio.sendStray(bytes({0x01, 0x00, 0x02, 0x00, 0x03}));
    ASSERT_TRUE(WaitUntil([&] { return port.inBufferCount() == 5; }));
    port.setInputLen(2);
    EXPECT_EQ(port.input(), bytes({0x01, 0x00}));
    port.setInputLen(0);
    port.setNullDiscard(true);
    EXPECT_EQ(port.input(), bytes({0x02, 0x03}));
}

TEST_F(CommPortTest, LostDeviceClosesThePort) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(6, radio);
    CommPort port;
    port.setCommPort(6);
    port.setPortOpen(true);
    radio.disconnect();
    EXPECT_TRUE(WaitUntil([&] {
        try {
            port.inBufferCount();
        } catch (const platform::RuntimeError&) {
        }
        return !port.portOpen();
    }));
    EXPECT_THROW(port.setPortOpen(true), platform::RuntimeError);
}

TEST_F(CommPortTest, PortInUseFailsToOpen) {
    radiosim::RadioSim& radio = addRadio();
    mapPort(2, radio);
    CommPort first;
    first.setCommPort(2);
    first.setPortOpen(true);
    CommPort second;
    second.setCommPort(2);
    try {
        second.setPortOpen(true);
        FAIL() << "the port opened twice";
    } catch (const platform::RuntimeError& e) {
        EXPECT_NE(e.number(), 0);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_TRUE(first.portOpen());
}
