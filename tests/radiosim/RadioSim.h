#pragma once
// The simulated radio: the radio's side of the clone protocol on the master end
// of a pseudo-terminal. The program under test opens the slave path like any
// serial device. The radio runs in a thread of its own, reads the computer's
// bytes as a stream, answers from an 8,192-byte memory and records every frame
// with its time. Frames the program must never send are recorded as violations.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace radiosim {

constexpr int MemorySize = 8192;
constexpr int BandLimitTableAddress = 0x0970;
constexpr int ReadBlockLength = 64;
constexpr int WriteBlockLength = 16;
// One byte of 10 bits (start, 8 data, stop) at 9600 baud.
constexpr double PacedByteSeconds = 10.0 / 9600.0;

enum class FrameKind { Probe, Identify, Ack, Read, Write };

struct Frame {
    FrameKind kind = FrameKind::Probe;
    QByteArray bytes;  // as received
    int address = -1;  // block frames
    double time = 0;   // seconds since the radio started, when the frame was complete
    QByteArray answer; // what the radio sent back (empty when it kept silent)
};

// A fault applied to the answer of one kind of frame.
struct Fault {
    bool silent = false;               // no answer at all
    int delayMs = 0;                   // answer late
    int keepBytes = -1;                // short answer: only the first n bytes
    QByteArray extra;                  // extra bytes after the answer
    std::optional<QByteArray> replace; // wrong values: this answer instead

    static Fault Silent() {
        Fault f;
        f.silent = true;
        return f;
    }
    static Fault Late(int ms) {
        Fault f;
        f.delayMs = ms;
        return f;
    }
    static Fault Short(int keep) {
        Fault f;
        f.keepBytes = keep;
        return f;
    }
    static Fault Extra(const QByteArray& bytes) {
        Fault f;
        f.extra = bytes;
        return f;
    }
    static Fault Replace(const QByteArray& bytes) {
        Fault f;
        f.replace = bytes;
        return f;
    }
};

class RadioSim {
public:
    RadioSim();
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    // The pseudo-terminal's slave device, for the program to open.
    QString slavePath() const { return slavePath_; }

    void start();
    void stop();
    // The cable pulled: the master end closes, so the slave reports an error
    // and its path disappears.
    void disconnect();

    QByteArray memory() const;
    void setMemory(const QByteArray& bytes); // 8,192 bytes
    uint8_t byteAt(int address) const;
    void setBandLimits(const std::array<int, 8>& megahertz);
    static QByteArray EncodeBandLimit(int megahertz);

    // Answers the 8-byte forms instead of the default ones.
    void setLongProbeAnswer(bool on);
    void setLongIdentity(bool on);
    // A fault for frames of one kind: for every one (occurrence -1) or only
    // the n-th (0-based) of that kind. The latest matching fault wins.
    void setFault(FrameKind kind, const Fault& fault, int occurrence = -1);
    void clearFaults();
    // Bytes the radio sends on its own, as soon as possible.
    void sendStray(const QByteArray& bytes);
    // How many of them have gone out so far.
    int straySent() const { return straySent_; }
    // Byte by byte at 9600 baud, both ways.
    void setPaced(bool on);

    QList<Frame> frames() const;
    // An answer is on its way: waited for (late) or being sent.
    bool answering() const { return answering_ > 0; }
    QList<Frame> framesOf(FrameKind kind) const;
    QStringList violations() const;
    void clearRecord();

private:
    struct ArmedFault {
        FrameKind kind;
        int occurrence;
        Fault fault;
    };

    void run();
    void consume();
    bool takeFrame(Frame& frame);
    bool takeBlockFrame(FrameKind kind, Frame& frame);
    QByteArray answerFor(Frame& frame);
    void checkOrder(const Frame& frame);
    std::optional<Fault> faultFor(FrameKind kind, int occurrence) const;
    void deliver(QByteArray answer, const Fault& fault);
    void send(const QByteArray& bytes);
    void violation(const QString& text);
    double now() const;
    void waitUntil(double t) const;

    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    QString slavePath_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> paced_{false};
    std::atomic<int> straySent_{0};
    std::atomic<int> answering_{0};
    int64_t startNs_ = 0;

    mutable std::mutex mutex_;
    QByteArray memory_;
    QByteArray pending_; // received, not yet a whole frame
    QByteArray stray_;
    bool longProbe_ = false;
    bool longIdentity_ = false;
    QList<ArmedFault> faults_;
    QList<Frame> frames_;
    QStringList violations_;
    std::array<int, 5> counts_{};
    bool awake_ = false;      // a probe was answered
    bool identified_ = false; // and the radio identified itself
    bool acknowledged_ = false;
    double wireFree_ = 0; // paced: when the line towards the radio is idle again
};

QString FrameKindName(FrameKind kind);

} // namespace radiosim
