#include "link/LinkCore.h"

#include "link/CloneProtocol.h"
#include "link/TransferFiles.h"
#include "platform/core/Codec.h"
#include "platform/core/CommPort.h"
#include "platform/core/HiResTimer.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/MsgBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace clonelink {

namespace {

TimingScale& timingScale() {
    static TimingScale scale;
    return scale;
}

constexpr int ErrBadFileNumber = 52;

// Stops the receive timer however the wait is left.
class TimerRun {
public:
    explicit TimerRun(QTimer& timer) : timer_(timer) { timer_.start(); }
    ~TimerRun() { timer_.stop(); }
    TimerRun(const TimerRun&) = delete;
    TimerRun& operator=(const TimerRun&) = delete;

private:
    QTimer& timer_;
};

// One property of the fixed set-up; a value the port refuses is skipped.
template <typename Set> void trySet(Set set) {
    try {
        set();
    } catch (const platform::RuntimeError&) {
    }
}

} // namespace

void SetTimingScale(const TimingScale& scale) {
    timingScale() = scale;
}
TimingScale CurrentTimingScale() {
    return timingScale();
}

LinkCore::LinkCore(const LinkOptions& options, QPlainTextEdit* details, ProgressBox* progress,
                   QObject* parent)
    : QObject(parent), options_(options), details_(details), progress_(progress),
      port_(new platform::CommPort(this)), timer_(new QTimer(this)) {
    port_->setObjectName(QStringLiteral("MSComm1"));
    timer_->setObjectName(QStringLiteral("Timer1"));
    const double window = options_.receiveWindowMs * timingScale().receiveWindows;
    timer_->setInterval(std::max(1, static_cast<int>(std::lround(window))));
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, [this] { timedOut_ = true; });
}

LinkCore::~LinkCore() {
    closePort();
    closeLog();
}

// --- command, busy guard and cancel ---

bool LinkCore::runCommand(const std::function<void()>& body) {
    if (busy_)
        return false;
    busy_ = true;
    cancelled_ = false;
    try {
        body();
    } catch (const CommandCancelled&) {
        closePort();
        closeLog();
    } catch (...) {
        busy_ = false;
        throw;
    }
    busy_ = false;
    return true;
}

void LinkCore::checkCancel() const {
    if (cancelled_)
        throw CommandCancelled{};
}

// --- port ---

void LinkCore::initializePort() {
    platform::CommPort& p = *port_;
    trySet([&] { p.setSettings(QStringLiteral("9600,n,8,1")); });
    trySet([&] { p.setDTREnable(true); });
    trySet([&] { p.setEOFEnable(false); });
    trySet([&] { p.setHandshaking(0); });
    trySet([&] { p.setInBufferSize(4096); });
    trySet([&] { p.setInputLen(0); });
    trySet([&] { p.setInputMode(1); });
    trySet([&] { p.setNullDiscard(false); });
    trySet([&] { p.setOutBufferSize(1024); });
    trySet([&] { p.setParityReplace(QStringLiteral("?")); });
    trySet([&] { p.setRThreshold(8); });
    trySet([&] { p.setRTSEnable(true); });
    trySet([&] { p.setSThreshold(0); });
}

void LinkCore::closePort() {
    try {
        port_->setPortOpen(false);
    } catch (const platform::RuntimeError&) {
    }
}

void LinkCore::openPort(int number) {
    port_->setCommPort(number);
    initializePort();
    port_->setPortOpen(true);
}

bool LinkCore::portOpen() const {
    return port_->portOpen();
}

// --- exchanges ---

void LinkCore::send(const QByteArray& frame) {
    port_->output(frame);
    Statusoutput(TxLine(getTime(), frame));
}

bool LinkCore::waitForBytes(int count) {
    timedOut_ = false;
    {
        const TimerRun run(*timer_);
        while (port_->inBufferCount() < count && !timedOut_) {
            // Sleeps until the port, the timer or the user has something.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            checkCancel();
        }
    }
    return !timedOut_;
}

QByteArray LinkCore::receive() {
    const QByteArray bytes = port_->input();
    Statusoutput(RxLine(getTime(), bytes));
    return bytes;
}

QByteArray LinkCore::readBuffer() {
    return port_->input();
}

void LinkCore::logNoResponse() {
    Statusoutput(NoResponseLine(getTime()));
}

void LinkCore::logBufferDump() {
    if (!port_->portOpen())
        return;
    Statusoutput(BufferDumpLine(port_->input()));
}

// --- pauses and yields ---

void LinkCore::delay(double ms) {
    platform::HiResTimer::Delay(ms * timingScale().pauses);
    checkCancel();
}

void LinkCore::yield() {
    QCoreApplication::processEvents();
    checkCancel();
}

// --- log, details box, progress ---

void LinkCore::openLog() {
    closeLog();
    const QString path = TransferFilePath(options_.logName);
    if (QFile::exists(path))
        QFile::remove(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw platform::RuntimeError(platform::ErrPathFileAccess);
    log_ = std::move(file);
}

void LinkCore::closeLog() {
    if (log_)
        log_->close();
    log_.reset();
}

bool LinkCore::logOpen() const {
    return log_ != nullptr;
}

double LinkCore::clockSeconds() const {
    if (options_.timeBase == TimeBase::Counter)
        return platform::HiResTimer::ElapsedSeconds();
    // The time-of-day clock in single precision, as the read log has always
    // stamped its lines.
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

void LinkCore::startClock() {
    startTime_ = clockSeconds();
}

QString LinkCore::getTime() const {
    return options_.timeBase == TimeBase::Counter ? CounterStamp(clockSeconds(), startTime_)
                                                  : TimeOfDayStamp(clockSeconds(), startTime_);
}

void LinkCore::writeLogLine(const QString& text) {
    if (!log_)
        throw platform::RuntimeError(ErrBadFileNumber, QStringLiteral("Bad file name or number"));
    const QByteArray line = platform::TextToBytes(text) + "\r\n";
    if (log_->write(line) != line.size() || !log_->flush())
        throw platform::RuntimeError(platform::ErrPathFileAccess);
}

void LinkCore::Statusoutput(const QString& text) {
    if (details_) {
        details_->moveCursor(QTextCursor::End);
        details_->insertPlainText(text + QStringLiteral("\n"));
        details_->moveCursor(QTextCursor::End);
    }
    if (!options_.statusIgnoresErrors) {
        writeLogLine(text);
        return;
    }
    try {
        writeLogLine(text);
    } catch (const platform::RuntimeError&) {
    }
}

void LinkCore::updateProgress(int max, int value, bool showPercent, const QString& label,
                              const QString& suffix) {
    if (progress_) {
        try {
            progress_->UpdateProgress(max, value, showPercent, label, suffix);
        } catch (const platform::RuntimeError& e) {
            platform::MsgBox(platform::ErrorText(e), platform::vbExclamation | platform::vbOKOnly);
        }
    }
    yield();
}

void LinkCore::ShowErrorBox(const platform::RuntimeError& error) {
    platform::MsgBox(platform::ErrorText(error), platform::vbExclamation | platform::vbOKOnly,
                     QStringLiteral("Error"));
}

} // namespace clonelink
