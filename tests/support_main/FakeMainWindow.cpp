#include "support_main/FakeMainWindow.h"

#include "program/ProgramValues.h"

FakeMainWindow::FakeMainWindow() {
    SetMainForm(this);
}

FakeMainWindow::~FakeMainWindow() {
    SetMainForm(nullptr);
}

bool FakeMainWindow::CheckBandLimits(QStringList& limits) {
    calls << QStringLiteral("CheckBandLimits");
    checkedLimits = limits;
    Program().BandLimitReport = checkPasses ? QString() : failureReport;
    return checkPasses;
}
