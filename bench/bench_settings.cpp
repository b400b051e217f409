// What the settings store costs the user: closing a document window, which
// stores its placement and column layout, and dragging a document window's
// border, which stores its state and size at every resize.
//
// Count the rewrites of the file under strace (each is a rename over it):
//   strace -f -e trace=rename,renameat,renameat2 build/bench/ferrowind_bench
//       --benchmark_filter=BM_CloseDocumentWindow 2>&1 | grep -c 'Ferrowind.ini"'
// Each benchmark runs a fixed number of iterations, so the count divides.

#include "document/frmDocument.h"
#include "platform/core/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int CloseIterations = 10;
constexpr int DragIterations = 5;
constexpr int ResizeEventsPerDrag = 20;

// A store in a folder of its own, holding what a user's store holds after a
// while: the main window, the options, recent files and every grid's layout.
// It is written as a plain file, so that strace sees only the benchmark's own
// rewrites.
class UsersStore {
public:
    UsersStore() {
        QString text = QStringLiteral("[MRU]\n");
        for (int i = 0; i < 5; ++i)
            text += QStringLiteral("mru%1=/home/ham/radio/memories %1.uvd\n").arg(i);
        text += QStringLiteral("\n[Settings]\nWindowState=0\nTop=900\nHeight=7050\nLeft=1500\n"
                               "Width=9990\nFilePath=/home/ham/radio\nAutoShift=True\n"
                               "SysFontName=FIXEDSYS\nSysFontSize=8\nEnterKey=2\n"
                               "CommPort=1\nAutoDetect=0\n");
        for (int n = 1; n <= 10; ++n)
            text += QStringLiteral("Visible%1=True\nOrder%1=%1\nCaption%1=Column %1\n").arg(n);
        for (int g = 0; g <= 4; ++g) {
            text += QStringLiteral("\n[Grid%1Settings]\n").arg(g);
            for (int c = 0; c <= (g == 0 ? 10 : 2); ++c)
                text += QStringLiteral("ColWid%1=%2\n").arg(c).arg(1000 + 10 * c);
        }
        QFile file(dir_.filePath(QStringLiteral("KG-UV Ferrowind.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
        previousFolder_ = platform::SettingsFolder();
        platform::SetSettingsFolder(dir_.path());
    }
    ~UsersStore() { platform::SetSettingsFolder(previousFolder_); }
    UsersStore(const UsersStore&) = delete;
    UsersStore& operator=(const UsersStore&) = delete;

private:
    QTemporaryDir dir_;
    QString previousFolder_;
};

// A document window as the shell leaves it: shown, captioned, no file.
std::unique_ptr<frmDocument> ShownDocument() {
    auto document = std::make_unique<frmDocument>();
    document->show();
    document->setCaption(QStringLiteral("KG-UV File 1"));
    return document;
}

void BM_CloseDocumentWindow(benchmark::State& state) {
    UsersStore store;
    std::unique_ptr<frmDocument> document;
    for (auto _ : state) {
        state.PauseTiming();
        document.reset();
        document = ShownDocument();
        state.ResumeTiming();
        document->close();
    }
    document.reset();
}
BENCHMARK(BM_CloseDocumentWindow)->Unit(benchmark::kMillisecond)->Iterations(CloseIterations);

// One drag: the border moves a pixel at a time, and the event loop runs
// between the moves as it does under the mouse.
void BM_DragDocumentBorder(benchmark::State& state) {
    UsersStore store;
    const std::unique_ptr<frmDocument> document = ShownDocument();
    const QSize start = document->size();
    int step = 0;
    for (auto _ : state) {
        for (int i = 0; i < ResizeEventsPerDrag; ++i) {
            step = (step + 1) % 40;
            document->resize(start.width() + step, start.height());
            QCoreApplication::processEvents();
        }
    }
    state.counters["resize events"] =
        benchmark::Counter(static_cast<double>(state.iterations() * ResizeEventsPerDrag));
}
BENCHMARK(BM_DragDocumentBorder)->Unit(benchmark::kMillisecond)->Iterations(DragIterations);

} // namespace
