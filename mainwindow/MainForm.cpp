#include "mainwindow/IMainWindow.h"

namespace {
IMainWindow* g_mainForm = nullptr;
}

IMainWindow* MainForm() { return g_mainForm; }
void SetMainForm(IMainWindow* mainWindow) { g_mainForm = mainWindow; }
