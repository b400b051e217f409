#include "platform/core/CommPort.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"

#include <QMetaObject>
#include <QSerialPort>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <termios.h>
#endif

namespace platform {

namespace {

struct LineSettings {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

[[noreturn]] void raiseInvalidProperty() {
    throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
}

bool parseParity(const QString& text, QSerialPort::Parity& parity) {
    const QString p = text.trimmed().toLower();
    if (p == QLatin1String("n"))
        parity = QSerialPort::NoParity;
    else if (p == QLatin1String("e"))
        parity = QSerialPort::EvenParity;
    else if (p == QLatin1String("o"))
        parity = QSerialPort::OddParity;
    else if (p == QLatin1String("m"))
        parity = QSerialPort::MarkParity;
    else if (p == QLatin1String("s"))
        parity = QSerialPort::SpaceParity;
    else
        return false;
    return true;
}

bool parseStopBits(const QString& text, QSerialPort::StopBits& stopBits) {
    const QString s = text.trimmed();
    if (s == QLatin1String("1"))
        stopBits = QSerialPort::OneStop;
    else if (s == QLatin1String("1.5"))
        stopBits = QSerialPort::OneAndHalfStop;
    else if (s == QLatin1String("2"))
        stopBits = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

bool parseLineSettings(const QString& text, LineSettings& out) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    out.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || out.baud <= 0)
        return false;
    if (!parseParity(parts[1], out.parity))
        return false;
    const int bits = parts[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8)
        return false;
    out.dataBits = static_cast<QSerialPort::DataBits>(bits);
    return parseStopBits(parts[3], out.stopBits);
}

QSerialPort::FlowControl flowControlOf(int handshaking) {
    switch (handshaking) {
    case 1:
        return QSerialPort::SoftwareControl;
    case 2:
    case 3:
        return QSerialPort::HardwareControl;
    default:
        return QSerialPort::NoFlowControl;
    }
}

void requireNonNegative(int value) {
    if (value < 0)
        raiseInvalidProperty();
}

// Why the device went, in the system's words. A hung-up terminal (a pulled USB
// adaptor, a pseudo-terminal whose other end closed) reads as end of file,
// which Qt reports with whatever errno held before; the descriptor itself
// still answers with the reason.
QString lossReason(const QSerialPort& port) {
#ifdef Q_OS_UNIX
    termios attributes{};
    if (port.handle() >= 0 && ::tcgetattr(port.handle(), &attributes) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return port.errorString();
}

} // namespace

QString DefaultPortDevicePath(int number) {
    if (number >= 1 && number <= 8)
        return QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
    if (number >= 9 && number <= 12)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 9);
    if (number >= 13 && number <= 16)
        return QStringLiteral("/dev/ttyS%1").arg(number - 13);
    return QString();
}

QString PortDevicePath(int number) {
    const QString mapped =
        GetSetting(QStringLiteral("PortMap"), QStringLiteral("COM") + QString::number(number))
            .trimmed();
    return mapped.isEmpty() ? DefaultPortDevicePath(number) : mapped;
}

CommPort::CommPort(QObject* parent) : QObject(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onError(error); });
}

CommPort::~CommPort() {
    closePort();
}

void CommPort::setCommPort(int number) {
    if (portOpen())
        throw RuntimeError(QSerialPort::OpenError, QStringLiteral("Port already open"));
    number_ = number;
}

void CommPort::setSettings(const QString& settings) {
    LineSettings parsed;
    if (!parseLineSettings(settings, parsed))
        raiseInvalidProperty();
    settings_ = settings;
    if (portOpen())
        applyLineSettings();
}

void CommPort::setDTREnable(bool enable) {
    dtrEnable_ = enable;
    if (portOpen())
        applyModemLines();
}

void CommPort::setRTSEnable(bool enable) {
    rtsEnable_ = enable;
    if (portOpen())
        applyModemLines();
}

void CommPort::setHandshaking(int mode) {
    if (mode < 0 || mode > 3)
        raiseInvalidProperty();
    handshaking_ = mode;
    if (portOpen())
        applyLineSettings();
}

void CommPort::setInBufferSize(int size) {
    requireNonNegative(size);
    inBufferSize_ = size;
}

void CommPort::setOutBufferSize(int size) {
    requireNonNegative(size);
    outBufferSize_ = size;
}

void CommPort::setInputLen(int length) {
    requireNonNegative(length);
    inputLen_ = length;
}

void CommPort::setInputMode(int mode) {
    if (mode != 0 && mode != 1)
        raiseInvalidProperty();
    inputMode_ = mode;
}

void CommPort::setRThreshold(int count) {
    requireNonNegative(count);
    rThreshold_ = count;
}

void CommPort::setSThreshold(int count) {
    requireNonNegative(count);
    sThreshold_ = count;
}

bool CommPort::portOpen() const {
    return port_->isOpen();
}

void CommPort::setPortOpen(bool open) {
    if (open == portOpen())
        return;
    if (open)
        openPort();
    else
        closePort();
}

QString CommPort::devicePath() const {
    return PortDevicePath(number_);
}

void CommPort::openPort() {
    const QString path = devicePath();
    if (path.isEmpty())
        raisePortError(QSerialPort::DeviceNotFoundError, QStringLiteral("Invalid port number"));
    lostError_ = QSerialPort::NoError;
    lostReason_.clear();
    port_->setPortName(path);
    if (!port_->open(QIODevice::ReadWrite)) {
        const int error = port_->error();
        const QString text = port_->errorString();
        port_->clearError();
        raisePortError(error, text);
    }
    try {
        applyLineSettings();
    } catch (...) {
        closePort();
        throw;
    }
    applyModemLines();
    // The receive buffer starts empty. The output is left alone: what an
    // earlier opening sent is on its way, and on a pseudo-terminal a flush
    // takes back bytes the other end has not been handed yet.
    port_->clear(QSerialPort::Input);
    port_->clearError();
}

void CommPort::closePort() {
    if (port_->isOpen())
        port_->close();
    port_->clearError();
    lostError_ = QSerialPort::NoError;
    lostReason_.clear();
}

void CommPort::applyLineSettings() {
    LineSettings s;
    parseLineSettings(settings_, s);
    const bool ok = port_->setBaudRate(s.baud) && port_->setParity(s.parity) &&
                    port_->setDataBits(s.dataBits) && port_->setStopBits(s.stopBits) &&
                    port_->setFlowControl(flowControlOf(handshaking_));
    if (!ok) {
        const int error = port_->error();
        const QString text = port_->errorString();
        port_->clearError();
        raisePortError(error, text);
    }
}

void CommPort::applyModemLines() {
    // A pseudo-terminal has no modem lines; refusing to set them is no fault
    // of the link, so the answer is not looked at.
    port_->setDataTerminalReady(dtrEnable_);
    if (flowControlOf(handshaking_) != QSerialPort::HardwareControl)
        port_->setRequestToSend(rtsEnable_);
    port_->clearError();
}

void CommPort::pullPending() {
    // The kernel's queue is the receive buffer the program polls; take what it
    // holds now instead of waiting for the event loop's notifier.
    if (!port_->isOpen())
        return;
    while (port_->isOpen() && port_->waitForReadyRead(0)) {
    }
    if (port_->error() == QSerialPort::TimeoutError)
        port_->clearError();
}

int CommPort::inBufferCount() {
    closeLostDevice();
    requireOpen();
    pullPending();
    closeLostDevice();
    requireOpen();
    return static_cast<int>(port_->bytesAvailable());
}

QByteArray CommPort::input() {
    closeLostDevice();
    requireOpen();
    pullPending();
    QByteArray data = inputLen_ > 0 ? port_->read(inputLen_) : port_->readAll();
    if (nullDiscard_)
        data.replace(QByteArray(1, '\0'), QByteArray());
    closeLostDevice();
    return data;
}

void CommPort::output(const QByteArray& data) {
    closeLostDevice();
    requireOpen();
    if (port_->write(data) != data.size()) {
        const int error = port_->error();
        const QString text = port_->errorString();
        port_->clearError();
        raisePortError(error == QSerialPort::NoError ? QSerialPort::WriteError : error, text);
    }
    // Hand the bytes to the driver now, as the control's output does; the
    // program polls for the answer straight after.
    while (port_->isOpen() && port_->bytesToWrite() > 0 && port_->waitForBytesWritten(1000)) {
    }
    closeLostDevice();
}

void CommPort::onError(int error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    // The system's reason is taken now: closing the port clears it. The
    // first error of a loss is the one that tells what happened.
    if (lostError_ == QSerialPort::NoError) {
        lostError_ = error;
        lostReason_ = lossReason(*port_);
    }
    // Closing here would pull the port out from under the call that raised
    // the error; close on the next use or the next turn of the loop.
    QMetaObject::invokeMethod(this, &CommPort::closeLostDevice, Qt::QueuedConnection);
}

// The loss stays on record after the close, so every later use reports it
// instead of a port that was merely not opened.
void CommPort::closeLostDevice() {
    if (lostError_ == QSerialPort::NoError || !port_->isOpen())
        return;
    port_->close();
    port_->clearError();
}

void CommPort::raisePortError(int error, const QString& text) const {
    throw RuntimeError(error, text);
}

void CommPort::requireOpen() const {
    if (port_->isOpen())
        return;
    if (lostError_ != QSerialPort::NoError) {
        QString description = QStringLiteral("Port lost");
        if (!lostReason_.isEmpty())
            description += QStringLiteral(" (") + lostReason_ + QLatin1Char(')');
        raisePortError(lostError_, description);
    }
    raisePortError(QSerialPort::NotOpenError, QStringLiteral("Port is not open"));
}

} // namespace platform
