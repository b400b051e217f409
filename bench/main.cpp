// Benchmarks run with an application object, as the code under test expects
// one (the document windows need a widget application; without a display they
// draw offscreen), and the program-wide values a freshly started program holds.
//
// No benchmark may wait for a click: a box or dialog that one did not arm an
// answer for ends the run at once, with the box's text, and a failing status.

#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "program/ProgramValues.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

void StopAtUnexpectedDialog(const platform::DialogCall& call) {
    std::fprintf(stderr, "Benchmark stopped: a dialog it did not expect: %s\n",
                 qUtf8Printable(platform::DescribeDialogCall(call)));
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::SafeApplication app(argc, argv);
    // A run never touches the user's own settings.
    const QTemporaryDir settings;
    platform::SetSettingsFolder(settings.path());
    ResetProgramValues();
    platform::SetUnexpectedDialogHandler(StopAtUnexpectedDialog);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
