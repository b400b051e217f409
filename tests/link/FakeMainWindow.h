#pragma once
// A main window for the transfer windows' tests: it holds a real image, as the
// active document would, and records what the windows ask of it.

#include "image/clsVUROVA.h"
#include "mainwindow/IMainWindow.h"
#include "program/ProgramValues.h"

#include <QStringList>
#include <functional>

class FakeMainWindow : public IMainWindow {
public:
    clsVUROVA image;
    QStringList calls;
    // CheckBandLimits: what it answers and the report a failure leaves.
    bool checkPasses = true;
    QString failureReport = QStringLiteral("5,17,");
    QStringList checkedLimits;
    std::function<void()> onFillGrid;

    void Sbyt(const QByteArray& data) override {
        calls << QStringLiteral("Sbyt");
        image.Sbyt(data);
    }
    void EnableGUI() override { calls << QStringLiteral("EnableGUI"); }
    void FillGrid() override {
        calls << QStringLiteral("FillGrid");
        if (onFillGrid)
            onFillGrid();
    }
    void SetWriteBytes() override {
        calls << QStringLiteral("SetWriteBytes");
        image.SetWriteBytes();
    }
    QString GetBandLimit(int index) override { return image.BandLimit(index); }
    bool CheckBandLimits(QStringList& limits) override {
        calls << QStringLiteral("CheckBandLimits");
        checkedLimits = limits;
        Program().BandLimitReport = checkPasses ? QString() : failureReport;
        return checkPasses;
    }

    void InitGUI() override {}
    void CheckGUI() override {}
    void SetMenuEnabled(const QString&, bool) override {}
    void SetToolbarButtonEnabled(int, bool) override {}
    bool AutoShiftChecked() const override { return false; }
    bool SaveData() override { return false; }
    void ScrollUp() override {}
    void ScrollDown() override {}
    void SetBandLimit(int index, const QString& text) override { image.setBandLimit(index, text); }
    void CellCut() override {}
    void CellCopy() override {}
    void CellPaste() override {}
    void InsertBlank() override {}
    void Delete() override {}
    void InsertCut() override {}
    void SetMass(const QString&) override {}
    void IncrementTags() override {}
    void ShowColumnMenu(const QString&, const QPoint&) override {}
    int32_t GetRow() override { return 0; }
    void Find(const QString&, int16_t) override {}
    void TestSort(const QString&, int, const QString&) override {}
    void TestDups(bool&, bool&, bool&) override {}
    QString GetExportData(bool&, bool&, bool&) override { return QString(); }
    void CopyWindowsClip() override {}
    void ShowStatus(const QString&, const QString&, bool) override {}
};
