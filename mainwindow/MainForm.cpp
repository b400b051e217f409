#include "mainwindow/IMainWindow.h"

#include "platform/core/RuntimeError.h"

namespace {
IMainWindow* g_mainForm = nullptr;
constexpr int ErrObjectNotSet = 91;
} // namespace

IMainWindow* MainForm() {
    return g_mainForm;
}
void SetMainForm(IMainWindow* mainWindow) {
    g_mainForm = mainWindow;
}

IMainWindow& RequireMainForm() {
    if (!g_mainForm)
        throw platform::RuntimeError(
            ErrObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return *g_mainForm;
}
