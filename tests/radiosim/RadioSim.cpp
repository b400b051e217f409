#include "radiosim/RadioSim.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace radiosim {

namespace {

// The computer's frames and the radio's fixed answers, byte for byte.
constexpr uint8_t ProbeFrame[] = {0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02};
constexpr uint8_t IdentifyByte = 0x02;
constexpr uint8_t AckByte = 0x06;
constexpr uint8_t ReadHeader = 0x52;
constexpr uint8_t WriteHeader = 0x57;
constexpr uint8_t ShortProbeAnswer[] = {0x06};
constexpr uint8_t LongProbeAnswer[] = {0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56};
constexpr uint8_t ShortIdentity[] = {0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00};
constexpr uint8_t LongIdentity[] = {0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00};

// Decimal digit to the radio's band-limit nibble.
constexpr uint8_t BandDigitNibble[10] = {0x7, 0xA, 0x0, 0x9, 0xB, 0x2, 0xE, 0x1, 0x3, 0xF};

template <size_t N> QByteArray bytesOf(const uint8_t (&data)[N]) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(N));
}

uint8_t at(const QByteArray& bytes, int i) {
    return static_cast<uint8_t>(bytes.at(i));
}

QString hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QByteArray defaultMemory() {
    QByteArray memory(MemorySize, '\0');
    for (int i = 0; i < MemorySize; ++i)
        memory[i] = static_cast<char>((i * 7 + (i >> 8)) & 0xFF);
    return memory;
}

} // namespace

QString FrameKindName(FrameKind kind) {
    switch (kind) {
    case FrameKind::Probe:
        return QStringLiteral("probe");
    case FrameKind::Identify:
        return QStringLiteral("identify");
    case FrameKind::Ack:
        return QStringLiteral("ack");
    case FrameKind::Read:
        return QStringLiteral("read");
    case FrameKind::Write:
        return QStringLiteral("write");
    }
    return QString();
}

QByteArray RadioSim::EncodeBandLimit(int megahertz) {
    const int value = ((megahertz % 10000) + 10000) % 10000;
    const int d[4] = {value / 1000, value / 100 % 10, value / 10 % 10, value % 10};
    QByteArray entry(2, '\0');
    entry[0] = static_cast<char>(BandDigitNibble[d[0]] << 4 | BandDigitNibble[d[1]]);
    entry[1] = static_cast<char>(BandDigitNibble[d[2]] << 4 | BandDigitNibble[d[3]]);
    return entry;
}

RadioSim::RadioSim() : memory_(defaultMemory()) {
    setBandLimits({136, 174, 400, 480, 136, 174, 400, 480});
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    // Raw both ways, so that the terminal layer neither echoes nor translates;
    // the program restores these settings when it closes the port.
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (pipe(wake_) != 0)
        throw std::runtime_error("pipe failed");
    slavePath_ = QString::fromLocal8Bit(name);
    startNs_ = steadyNs();
}

RadioSim::~RadioSim() {
    stop();
    for (int fd : {master_, slave_, wake_[0], wake_[1]})
        if (fd >= 0)
            close(fd);
}

void RadioSim::start() {
    if (running_ || master_ < 0)
        return;
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void RadioSim::stop() {
    if (!running_)
        return;
    running_ = false;
    const char c = 0;
    [[maybe_unused]] const auto n = write(wake_[1], &c, 1);
    if (thread_.joinable())
        thread_.join();
}

void RadioSim::disconnect() {
    stop();
    // The slave end held here kept the device alive across the program's
    // closes; without both ends the program's descriptor reports a hang-up.
    for (int* fd : {&master_, &slave_}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

QByteArray RadioSim::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void RadioSim::setMemory(const QByteArray& bytes) {
    std::lock_guard lock(mutex_);
    memory_ = bytes.left(MemorySize);
    memory_.resize(MemorySize);
}

uint8_t RadioSim::byteAt(int address) const {
    std::lock_guard lock(mutex_);
    return at(memory_, address);
}

void RadioSim::setBandLimits(const std::array<int, 8>& megahertz) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < 8; ++i)
        memory_.replace(BandLimitTableAddress + 2 * i, 2, EncodeBandLimit(megahertz[i]));
}

void RadioSim::setLongProbeAnswer(bool on) {
    std::lock_guard lock(mutex_);
    longProbe_ = on;
}

void RadioSim::setLongIdentity(bool on) {
    std::lock_guard lock(mutex_);
    longIdentity_ = on;
}

void RadioSim::setFault(FrameKind kind, const Fault& fault, int occurrence) {
    std::lock_guard lock(mutex_);
    faults_.append({kind, occurrence, fault});
}

void RadioSim::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

void RadioSim::sendStray(const QByteArray& bytes) {
    {
        std::lock_guard lock(mutex_);
        stray_ += bytes;
    }
    const char c = 1;
    [[maybe_unused]] const auto n = write(wake_[1], &c, 1);
}

void RadioSim::setPaced(bool on) {
    paced_ = on;
}

QList<Frame> RadioSim::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

QList<Frame> RadioSim::framesOf(FrameKind kind) const {
    QList<Frame> out;
    for (const Frame& f : frames())
        if (f.kind == kind)
            out.append(f);
    return out;
}

QStringList RadioSim::violations() const {
    std::lock_guard lock(mutex_);
    return violations_;
}

void RadioSim::clearRecord() {
    std::lock_guard lock(mutex_);
    frames_.clear();
    violations_.clear();
    counts_ = {};
}

double RadioSim::now() const {
    return static_cast<double>(steadyNs() - startNs_) / 1e9;
}

void RadioSim::waitUntil(double t) const {
    const double left = t - now();
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(static_cast<int64_t>(left * 1e9)));
}

void RadioSim::run() {
    while (running_) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (poll(fds, 2, 200) < 0 && errno != EINTR)
            break;
        if (fds[1].revents & POLLIN) {
            char buf[64];
            [[maybe_unused]] const auto n = read(wake_[0], buf, sizeof buf);
        }
        QByteArray stray;
        {
            std::lock_guard lock(mutex_);
            stray.swap(stray_);
        }
        if (!stray.isEmpty()) {
            send(stray);
            straySent_ += static_cast<int>(stray.size());
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        char buf[512];
        const ssize_t n = read(master_, buf, sizeof buf);
        if (n <= 0)
            continue;
        const double arrival = now();
        {
            std::lock_guard lock(mutex_);
            pending_.append(buf, static_cast<int>(n));
            if (paced_)
                wireFree_ =
                    std::max(wireFree_, arrival) + static_cast<double>(n) * PacedByteSeconds;
        }
        consume();
    }
}

void RadioSim::consume() {
    if (paced_) {
        double until = 0;
        {
            std::lock_guard lock(mutex_);
            until = wireFree_;
        }
        waitUntil(until);
    }
    for (;;) {
        Frame frame;
        QByteArray answer;
        Fault fault;
        {
            std::lock_guard lock(mutex_);
            if (!takeFrame(frame))
                return;
            frame.time = now();
            checkOrder(frame);
            answer = answerFor(frame);
            fault = faultFor(frame.kind, counts_[static_cast<int>(frame.kind)]++).value_or(Fault{});
            if (fault.silent)
                answer.clear();
            else if (fault.replace)
                answer = *fault.replace;
            if (!fault.silent && fault.keepBytes >= 0)
                answer = answer.left(fault.keepBytes);
            if (!fault.silent)
                answer += fault.extra;
            frame.answer = answer;
            frames_.append(frame);
            if (!answer.isEmpty())
                ++answering_;
        }
        deliver(answer, fault);
        if (!answer.isEmpty())
            --answering_;
    }
}

bool RadioSim::takeFrame(Frame& frame) {
    while (!pending_.isEmpty()) {
        const uint8_t first = at(pending_, 0);
        if (first == ProbeFrame[0]) {
            const QByteArray probe = bytesOf(ProbeFrame);
            int k = 0;
            while (k < pending_.size() && k < probe.size() && pending_[k] == probe[k])
                ++k;
            if (k == probe.size()) {
                frame.kind = FrameKind::Probe;
                frame.bytes = pending_.left(k);
                pending_.remove(0, k);
                return true;
            }
            if (k == pending_.size())
                return false;
            violation(QStringLiteral("malformed probe: %1").arg(hex(pending_.left(k + 1))));
            pending_.remove(0, k);
            continue;
        }
        if (first == IdentifyByte || first == AckByte) {
            frame.kind = first == IdentifyByte ? FrameKind::Identify : FrameKind::Ack;
            frame.bytes = pending_.left(1);
            pending_.remove(0, 1);
            return true;
        }
        if (first == ReadHeader || first == WriteHeader) {
            const int before = static_cast<int>(pending_.size());
            if (takeBlockFrame(first == ReadHeader ? FrameKind::Read : FrameKind::Write, frame))
                return true;
            if (pending_.size() == before)
                return false;
            continue;
        }
        violation(QStringLiteral("stray byte %1").arg(hex(pending_.left(1))));
        pending_.remove(0, 1);
    }
    return false;
}

// A block frame is the header byte, the address high and low byte and the
// length byte, followed by the data of a write. Returns true with the frame
// taken; false either because more bytes are needed (pending kept) or because
// the header was malformed (recorded and dropped).
bool RadioSim::takeBlockFrame(FrameKind kind, Frame& frame) {
    const int total = kind == FrameKind::Write ? 4 + WriteBlockLength : 4;
    if (pending_.size() < 4)
        return false;
    const int address = at(pending_, 1) << 8 | at(pending_, 2);
    const int length = at(pending_, 3);
    const int expected = kind == FrameKind::Read ? ReadBlockLength : WriteBlockLength;
    if (length != expected) {
        violation(QStringLiteral("malformed %1 frame: %2")
                      .arg(FrameKindName(kind), hex(pending_.left(4))));
        pending_.remove(0, 4);
        return false;
    }
    if (pending_.size() < total)
        return false;
    frame.kind = kind;
    frame.bytes = pending_.left(total);
    frame.address = address;
    pending_.remove(0, total);
    return true;
}

void RadioSim::checkOrder(const Frame& frame) {
    switch (frame.kind) {
    case FrameKind::Probe:
        awake_ = true;
        identified_ = acknowledged_ = false;
        return;
    case FrameKind::Identify:
        if (!awake_)
            violation(QStringLiteral("identify before a probe"));
        identified_ = true;
        return;
    case FrameKind::Ack:
        if (!identified_)
            violation(QStringLiteral("ack before identification"));
        acknowledged_ = identified_;
        return;
    case FrameKind::Read:
    case FrameKind::Write:
        if (!acknowledged_)
            violation(
                QStringLiteral("%1 block before the handshake").arg(FrameKindName(frame.kind)));
        break;
    }
    const int length = frame.kind == FrameKind::Read ? ReadBlockLength : WriteBlockLength;
    if (frame.address + length > MemorySize)
        violation(QStringLiteral("%1 beyond the memory at %2")
                      .arg(FrameKindName(frame.kind))
                      .arg(frame.address, 4, 16, QLatin1Char('0')));
    if (frame.kind == FrameKind::Write && frame.address % WriteBlockLength != 0)
        violation(QStringLiteral("write to an unaligned address %1")
                      .arg(frame.address, 4, 16, QLatin1Char('0')));
    if (frame.kind == FrameKind::Write && frame.address == 0)
        violation(QStringLiteral("write to address 0000"));
}

QByteArray RadioSim::answerFor(Frame& frame) {
    switch (frame.kind) {
    case FrameKind::Probe:
        return longProbe_ ? bytesOf(LongProbeAnswer) : bytesOf(ShortProbeAnswer);
    case FrameKind::Identify:
        return longIdentity_ ? bytesOf(LongIdentity) : bytesOf(ShortIdentity);
    case FrameKind::Ack:
        return QByteArray(1, static_cast<char>(AckByte));
    case FrameKind::Read: {
        QByteArray data = memory_.mid(frame.address, ReadBlockLength);
        data.resize(ReadBlockLength);
        return frame.bytes.left(4) + data;
    }
    case FrameKind::Write:
        if (frame.address > 0 && frame.address + WriteBlockLength <= MemorySize)
            memory_.replace(frame.address, WriteBlockLength, frame.bytes.mid(4));
        return QByteArray(1, static_cast<char>(AckByte));
    }
    return QByteArray();
}

std::optional<Fault> RadioSim::faultFor(FrameKind kind, int occurrence) const {
    std::optional<Fault> found;
    for (const ArmedFault& armed : faults_)
        if (armed.kind == kind && (armed.occurrence < 0 || armed.occurrence == occurrence))
            found = armed.fault;
    return found;
}

void RadioSim::deliver(QByteArray answer, const Fault& fault) {
    if (fault.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(fault.delayMs));
    if (!answer.isEmpty())
        send(answer);
}

void RadioSim::send(const QByteArray& bytes) {
    if (!paced_) {
        int done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.constData() + done, bytes.size() - done);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return;
            if (n > 0)
                done += static_cast<int>(n);
            else
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return;
    }
    double slot = now();
    for (char c : bytes) {
        slot += PacedByteSeconds;
        waitUntil(slot);
        while (write(master_, &c, 1) < 0 && (errno == EAGAIN || errno == EINTR))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void RadioSim::violation(const QString& text) {
    violations_.append(text);
}

} // namespace radiosim
