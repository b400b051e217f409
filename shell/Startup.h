#pragma once
// The program's entry: the previous-instance test, then the main window.

#include "shell/frmMain.h"

#include <QStringList>
#include <memory>

namespace platform {
class SingleInstance;
}

namespace shell {

// The command line as the load sequence takes it: the arguments after the
// program's own name, joined by single blanks.
QString CommandLine(const QStringList& arguments);

// Refuses a second running copy with "KG-UV Ferrowind is already running."
// (critical, OK, no title) and returns nullptr. Otherwise creates the main
// window, runs its load sequence with the command line and shows it.
std::unique_ptr<frmMain> Main(platform::SingleInstance& instance, const QStringList& arguments,
                              frmMain::DocumentFactory factory = {});

// Everything main() does: the application object, Main, the event loop.
int RunFerrowind(int argc, char** argv);

} // namespace shell
