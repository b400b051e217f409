#include "shell/Startup.h"

#include "platform/core/ProgramTitle.h"
#include "platform/core/SingleInstance.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "shell/Version.h"

namespace shell {

QString CommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

std::unique_ptr<frmMain> Main(platform::SingleInstance& instance, const QStringList& arguments,
                              frmMain::DocumentFactory factory) {
    if (!instance.tryAcquire()) {
        // Before any window exists, with an empty title.
        platform::ShowMessage(platform::ProgramTitle() + QStringLiteral(" is already running."),
                              platform::vbCritical | platform::vbOKOnly, QString());
        return nullptr;
    }
    auto mainWindow = std::make_unique<frmMain>(std::move(factory));
    mainWindow->MDIForm_Load(CommandLine(arguments));
    mainWindow->show();
    return mainWindow;
}

int RunFerrowind(int argc, char** argv) {
    platform::SafeApplication app(argc, argv);
    QCoreApplication::setApplicationName(platform::ProgramTitle());
    QCoreApplication::setApplicationVersion(VersionNumbers());
    platform::SingleInstance instance(platform::ProgramTitle());
    const std::unique_ptr<frmMain> mainWindow = Main(instance, QCoreApplication::arguments());
    if (!mainWindow)
        return 0;
    QObject::connect(mainWindow.get(), &frmMain::Unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}

} // namespace shell
