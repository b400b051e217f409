// What users wait for at the radio: a full read and a plain write (the radio's
// band limits already match the document's) over a pseudo-terminal against
// the simulated radio, with its real receive windows and pauses.
//
// Paced at 9600 baud the floor is the wire time of the bytes exchanged plus
// the fixed pauses (50 ms after the identity, 1,000 ms before the window
// closes): about 9.94 s to the last answer of a read and 11.30 s for a plain
// write. Unpaced, only the pauses remain. The counters report the measured
// times, the floor, the overhead per exchange above the floor and the median
// gap between an answer and the next frame as the simulated radio saw it.

#include "support_main/FakeMainWindow.h"

#include "link/ProgressBox.h"
#include "link/TransferFiles.h"
#include "link/frmReadRadio.h"
#include "link/frmWriteRadio.h"
#include "platform/core/Settings.h"
#include "radiosim/RadioSim.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr double ByteSeconds = 10.0 / 9600.0;
constexpr double IdentityPause = 0.050;
constexpr double ClosingPause = 1.000;

// Bytes both ways of the handshake: probe 9 + 1, identify 1 + 7, ack 1 + 1.
constexpr int HandshakeBytes = 10 + 8 + 2;
constexpr int ReadBytes = HandshakeBytes + 128 * (4 + 68 + 1 + 1);
constexpr int ReadExchanges = 3 + 128 * 2;
// The band-limit read and its ack, then 510 blocks of 4 + 16 out and 1 back.
constexpr int WriteBytes = HandshakeBytes + (4 + 68) + 2 + 510 * 21;
constexpr int WriteExchanges = 3 + 2 + 510;

// One radio on port 1 (detection off), the transfer files and settings in a
// folder of their own, and a document whose band limits match the radio's.
class Bench {
public:
    explicit Bench(bool paced) : paced_(paced) {
        previousFolder_ = platform::SettingsFolder();
        platform::SetSettingsFolder(dir_.path());
        clonelink::SetTransferFolder(dir_.path());
        platform::SaveSetting(QStringLiteral("PortMap"), QStringLiteral("COM1"),
                              radio_.slavePath());
        platform::SaveSetting(QStringLiteral("Settings"), QStringLiteral("CommPort"),
                              QStringLiteral("1"));
        platform::SaveSetting(QStringLiteral("Settings"), QStringLiteral("AutoDetect"),
                              QStringLiteral("0"));
        radio_.setPaced(paced);
        radio_.start();
        main_.image.Sbyt(radio_.memory());
        SetMainForm(&main_);
    }
    ~Bench() {
        SetMainForm(nullptr);
        radio_.stop();
        clonelink::SetTransferFolder(QString());
        platform::SetSettingsFolder(previousFolder_);
    }
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    // Runs the window's command; returns the seconds to the bar's closing
    // text (the last answer) and, in closed, the seconds to the window closing.
    template <typename Window> double run(const QString& lastText, double& closed) {
        Window window;
        double last = 0;
        QElapsedTimer timer;
        QObject::connect(window.tbflood(), &clonelink::ProgressBox::drawn,
                         [&](const QString& text, int, int) {
                             if (text == lastText)
                                 last = timer.nsecsElapsed() / 1e9;
                         });
        timer.start();
        window.Command1()->click();
        closed = timer.nsecsElapsed() / 1e9;
        if (window.isVisible() || last == 0)
            failed_ = true;
        return last;
    }

    bool failed() const { return failed_; }

    // The median time from the end of one answer on the wire to the start of
    // the next frame: the program's reaction, plus the simulator's own lag.
    double medianGapMs() const {
        const double byteTime = paced_ ? ByteSeconds : 0.0;
        const QList<radiosim::Frame> frames = radio_.frames();
        std::vector<double> gaps;
        for (int i = 1; i < frames.size(); ++i) {
            const double answered = frames[i - 1].time + frames[i - 1].answer.size() * byteTime;
            const double started = frames[i].time - frames[i].bytes.size() * byteTime;
            gaps.push_back((started - answered) * 1000.0);
        }
        return median(gaps);
    }

    // From the write log's stamps (the high-resolution counter): the median
    // time from an answer read to the next frame sent, the program's own part
    // of an exchange (logging and the progress bar included).
    double medianReactionMs() const {
        QFile log(QDir(dir_.path()).filePath(QStringLiteral("write.log")));
        if (!log.open(QIODevice::ReadOnly))
            return 0;
        static const QRegularExpression line(QStringLiteral("^(\\d+\\.\\d{4})   (TX|RX)"));
        std::vector<double> gaps;
        double received = -1;
        for (const QByteArray& raw : log.readAll().split('\n')) {
            const QRegularExpressionMatch m = line.match(QString::fromLatin1(raw));
            if (!m.hasMatch())
                continue;
            const double stamp = m.captured(1).toDouble();
            if (m.captured(2) == QLatin1String("RX"))
                received = stamp;
            else if (received >= 0)
                gaps.push_back((stamp - received) * 1000.0);
            if (m.captured(2) == QLatin1String("TX"))
                received = -1;
        }
        return median(gaps);
    }

private:
    static double median(std::vector<double> values) {
        if (values.empty())
            return 0;
        const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
        std::nth_element(values.begin(), middle, values.end());
        return *middle;
    }

    bool paced_;
    QTemporaryDir dir_;
    QString previousFolder_;
    radiosim::RadioSim radio_;
    FakeMainWindow main_;
    bool failed_ = false;
};

void report(benchmark::State& state, const Bench& bench, double last, double closed, int bytes,
            int exchanges) {
    const bool paced = state.range(0) != 0;
    const double floor = (paced ? bytes * ByteSeconds : 0.0) + IdentityPause;
    state.counters["to_last_answer_s"] = last;
    state.counters["to_close_s"] = closed;
    state.counters["floor_last_answer_s"] = floor;
    state.counters["floor_close_s"] = floor + ClosingPause;
    state.counters["overhead_ms_per_exchange"] = (last - floor) * 1000.0 / exchanges;
    state.counters["median_gap_ms"] = bench.medianGapMs();
}

void BM_ReadFromRadio(benchmark::State& state) {
    Bench bench(state.range(0) != 0);
    double last = 0;
    double closed = 0;
    for (auto _ : state) {
        last = bench.run<frmReadRadio>(QStringLiteral("Data downloaded successfully!"), closed);
        state.SetIterationTime(closed);
    }
    if (bench.failed())
        state.SkipWithError("the read did not complete");
    report(state, bench, last, closed, ReadBytes, ReadExchanges);
}
BENCHMARK(BM_ReadFromRadio)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void BM_WriteToRadio(benchmark::State& state) {
    Bench bench(state.range(0) != 0);
    double last = 0;
    double closed = 0;
    for (auto _ : state) {
        last = bench.run<frmWriteRadio>(QStringLiteral("Data write complete."), closed);
        state.SetIterationTime(closed);
    }
    if (bench.failed())
        state.SkipWithError("the write did not complete");
    report(state, bench, last, closed, WriteBytes, WriteExchanges);
    state.counters["program_ms_per_exchange"] = bench.medianReactionMs();
}
BENCHMARK(BM_WriteToRadio)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
