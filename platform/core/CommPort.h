#pragma once
// The serial communications control the clone link is written against: a port
// number, a settings string ("9600,n,8,1"), open/close, a receive count, binary
// input and output, over QSerialPort.
//
// Port numbers name fixed devices so that a stored number always means the same
// one: 1-8 are /dev/ttyUSB0-7, 9-12 /dev/ttyACM0-3, 13-16 /dev/ttyS0-3. The
// settings section "PortMap", key "COM" & n, points a number at any other path
// (a pseudo-terminal included).
//
// Failures raise RuntimeError with QSerialPort's error number and text; the
// settings properties raise 380 "Invalid property value" for a value they
// cannot take. A device that goes away (read or resource error) closes the
// port instead of repeating its error on every poll; until the port is opened
// again, every use then raises the error of that loss, described as
// "Port lost (" & the system's reason & ")".

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

namespace platform {

constexpr int FirstPortNumber = 1;
constexpr int LastPortNumber = 16;
constexpr int ErrInvalidPropertyValue = 380;

// The device path of port number n: the "PortMap" entry when there is one,
// else the fixed device; empty for a number outside 1-16 with no entry.
QString PortDevicePath(int number);
QString DefaultPortDevicePath(int number);

class CommPort : public QObject {
    Q_OBJECT
public:
    explicit CommPort(QObject* parent = nullptr);
    ~CommPort() override;

    int commPort() const { return number_; }
    void setCommPort(int number);

    // "baud,parity,data bits,stop bits", parity one of n, e, o, m, s.
    QString settings() const { return settings_; }
    void setSettings(const QString& settings);

    bool dtrEnable() const { return dtrEnable_; }
    void setDTREnable(bool enable);
    bool rtsEnable() const { return rtsEnable_; }
    void setRTSEnable(bool enable);
    // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both.
    int handshaking() const { return handshaking_; }
    void setHandshaking(int mode);

    bool eofEnable() const { return eofEnable_; }
    void setEOFEnable(bool enable) { eofEnable_ = enable; }
    int inBufferSize() const { return inBufferSize_; }
    void setInBufferSize(int size);
    int outBufferSize() const { return outBufferSize_; }
    void setOutBufferSize(int size);
    // Bytes one input() takes at most; 0 takes the whole receive buffer.
    int inputLen() const { return inputLen_; }
    void setInputLen(int length);
    // 0 text, 1 binary. input() hands over bytes either way; the program
    // only uses binary.
    int inputMode() const { return inputMode_; }
    void setInputMode(int mode);
    // Drop received zero bytes.
    bool nullDiscard() const { return nullDiscard_; }
    void setNullDiscard(bool discard) { nullDiscard_ = discard; }
    QString parityReplace() const { return parityReplace_; }
    void setParityReplace(const QString& text) { parityReplace_ = text; }
    int rThreshold() const { return rThreshold_; }
    void setRThreshold(int count);
    int sThreshold() const { return sThreshold_; }
    void setSThreshold(int count);

    bool portOpen() const;
    // Opening clears both directions' buffers: a pseudo-terminal or a USB
    // adaptor keeps bytes across a close, and every open is meant to start clean.
    void setPortOpen(bool open);

    // The device path that opening uses, resolved at open time.
    QString devicePath() const;

    int inBufferCount();
    QByteArray input();
    void output(const QByteArray& data);

private:
    void openPort();
    void closePort();
    void applyLineSettings();
    void applyModemLines();
    void pullPending();
    void onError(int error);
    void closeLostDevice();
    [[noreturn]] void raisePortError(int error, const QString& text) const;
    void requireOpen() const;

    QSerialPort* port_;
    int number_ = 1;
    QString settings_ = QStringLiteral("9600,n,8,1");
    bool dtrEnable_ = false;
    bool rtsEnable_ = false;
    int handshaking_ = 0;
    bool eofEnable_ = false;
    int inBufferSize_ = 1024;
    int outBufferSize_ = 512;
    int inputLen_ = 0;
    int inputMode_ = 0;
    bool nullDiscard_ = false;
    QString parityReplace_ = QStringLiteral("?");
    int rThreshold_ = 0;
    int sThreshold_ = 0;
    // The error of a device that went away while open, and the system's
    // reason; NoError while there was no loss since the port was opened.
    int lostError_ = 0;
    QString lostReason_;
};

} // namespace platform
