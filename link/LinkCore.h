#pragma once
// What both transfer windows do on the wire: the serial port and its set-up,
// the timed receive waits, the pauses, the transfer log with its line formats,
// the details box and the progress bar, the busy guard and the cancel flag,
// and the probe and port detection that find the radio before a transfer.
//
// Each window owns one LinkCore, made with what differs between them (the
// receive window, the time base of the log stamps, the log's name, whether a
// log line that cannot be written is an error). The windows keep their own
// texts and checks.
//
// Single-threaded: waits poll the receive count and yield to the event loop
// until the window's timer ends them. The windows are modal, so only their own
// buttons stay live meanwhile. Once the user cancels, every wait, pause and
// yield throws CommandCancelled; runCommand() catches it and the command ends
// silently: nothing more is sent, logged or shown.

#include "link/ProgressBox.h"
#include "platform/core/CommPort.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QFile;
class QPlainTextEdit;
class QTimer;

namespace platform {
class RuntimeError;
} // namespace platform

namespace clonelink {

enum class TimeBase {
    TimeOfDay, // seconds since midnight, single precision (read window)
    Counter,   // the high-resolution counter (write window)
};

struct LinkOptions {
    int receiveWindowMs = 1000;
    TimeBase timeBase = TimeBase::TimeOfDay;
    QString logName = QStringLiteral("read.log");
    bool statusIgnoresErrors = false;
};

// Thrown out of a wait, pause or yield after the user cancelled.
struct CommandCancelled {};

// The fixed pauses and the receive windows as multiples of their design
// lengths; 1 and 1 unless set. Shorter pauses let a run over many silent
// ports end in moments.
struct TimingScale {
    double pauses = 1.0;
    double receiveWindows = 1.0;
};
void SetTimingScale(const TimingScale& scale);
TimingScale CurrentTimingScale();

// Texts of the probe and detection.
namespace texts {
inline const QString Attempting = QStringLiteral("Attempting communication, please wait...");
inline const QString Detecting = QStringLiteral("Detecting port: ");
inline const QString Complete = QStringLiteral(" Complete...");
inline const QString NoResponseOnSelected =
    QStringLiteral("ERROR: No response on selected COM port!");
inline const QString RadioNotFound = QStringLiteral("ERROR: Radio not found!");
inline const QString InvalidProbeAnswer = QStringLiteral("Invalid response - not the radio.");
inline const QString AttemptingOnPort = QStringLiteral("Attempting communication using COM");
inline const QString RadioIdPrefix = QStringLiteral("Radio ID: ");
} // namespace texts

constexpr double ProbeRetryPauseMs = 2500;

class LinkCore : public QObject {
    Q_OBJECT
public:
    LinkCore(const LinkOptions& options, QPlainTextEdit* details, ProgressBox* progress,
             QObject* parent = nullptr);
    ~LinkCore() override;

    const LinkOptions& options() const { return options_; }
    platform::CommPort& port() { return *port_; }
    QTimer& timer() { return *timer_; }
    QPlainTextEdit* details() const { return details_; }
    ProgressBox* progress() const { return progress_; }

    // --- command, busy guard and cancel ---
    // Runs body as one command unless one is running already (then returns
    // false at once). Busy from start to end; a cancel ends it with port and
    // log closed. Other exceptions pass through to the window.
    bool runCommand(const std::function<void()>& body);
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }
    void requestCancel() { cancelled_ = true; }
    // What Cancel, the close box and Esc do: the running command ends silently
    // at its next wait, and port and log are let go at once.
    void abandon() {
        requestCancel();
        closePort();
        closeLog();
    }
    bool cancelRequested() const { return cancelled_; }
    void checkCancel() const;

    // --- port ---
    // The fixed set-up, each property's failure ignored.
    void initializePort();
    // Closes the port; a port already closed is no failure.
    void closePort();
    // CommPort := number, InitializePort, PortOpen := True; raises the open error.
    void openPort(int number);
    bool portOpen() const;

    // --- exchanges ---
    // One output, logged as a TX line.
    void send(const QByteArray& frame);
    // True when count bytes are in the receive buffer; false when the receive
    // window ended first (timedOut() is then true). The window is counted from
    // the start of the wait and arriving bytes do not extend it.
    bool waitForBytes(int count);
    bool timedOut() const { return timedOut_; }
    void setTimedOut(bool timedOut) { timedOut_ = timedOut; }
    // The whole receive buffer, logged as an RX line.
    QByteArray receive();
    // The whole receive buffer, not logged.
    QByteArray readBuffer();
    void logNoResponse();
    // When the port is open: reads the buffer and logs the dump line.
    void logBufferDump();

    // --- pauses and yields (both check the cancel flag) ---
    void delay(double ms);
    void yield();

    // --- log, details box, progress ---
    // Deletes the transfer log and creates it anew; raises RuntimeError 75.
    void openLog();
    void closeLog();
    bool logOpen() const;
    void startClock();
    QString getTime() const;
    // One line to the details box and the log.
    void Statusoutput(const QString& text);
    void updateProgress(int max, int value, bool showPercent, const QString& label,
                        const QString& suffix = QString());

    // --- probe and detection ---
    static int SavedPort();
    static bool AutoDetectOn();
    // True when the radio answered on port; the port is then left open.
    bool TestPort(int port);
    // The search before a transfer: the saved port, then (when detection is
    // on) every other port 1-16. True with the port open; false after the
    // final error text is shown and logged.
    bool findRadio();

    // "Error n: description" with the exclamation icon, OK and the title "Error".
    static void ShowErrorBox(const platform::RuntimeError& error);

private:
    double clockSeconds() const;
    void writeLogLine(const QString& text);
    bool probeOnce(int port);

    LinkOptions options_;
    QPlainTextEdit* details_;
    ProgressBox* progress_;
    platform::CommPort* port_;
    QTimer* timer_;
    std::unique_ptr<QFile> log_;
    double startTime_ = 0;
    bool timedOut_ = false;
    bool busy_ = false;
    bool cancelled_ = false;
};

} // namespace clonelink
