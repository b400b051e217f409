#pragma once
// A main window for the tests of the windows that talk to it: it holds a real
// image, as the active document would, registers itself as the main form for
// its lifetime, and records what the windows ask of it.

#include "image/clsVUROVA.h"
#include "mainwindow/IMainWindow.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <functional>

class FakeMainWindow : public IMainWindow {
public:
    FakeMainWindow();
    ~FakeMainWindow() override;
    FakeMainWindow(const FakeMainWindow&) = delete;
    FakeMainWindow& operator=(const FakeMainWindow&) = delete;

    clsVUROVA image;
    // Every recorded call, by name, in order.
    QStringList calls;
    // What SaveData does; by default it saves nothing and reports so.
    std::function<bool()> saveData = [] { return false; };
    std::function<void()> onFillGrid;
    bool autoShift = false;
    int32_t currentRow = 0; // what GetRow answers
    // CheckBandLimits: what it answers, the report a failure leaves, the texts it saw.
    bool checkPasses = true;
    QString failureReport = QStringLiteral("5,17,");
    QStringList checkedLimits;
    QMap<QString, bool> menuEnabled;
    QMap<int, bool> buttonEnabled;
    QStringList menus;     // the column menus asked for, in order
    QStringList clipboard; // CellCut, CellCopy, CellPaste, in order
    struct StatusShown {
        QString caption;
        QString text;
        bool modal;
    };
    QList<StatusShown> statusShown; // every text-window show, in order

    void InitGUI() override { calls << QStringLiteral("InitGUI"); }
    void EnableGUI() override { calls << QStringLiteral("EnableGUI"); }
    void CheckGUI() override { calls << QStringLiteral("CheckGUI"); }
    void SetMenuEnabled(const QString& name, bool enabled) override { menuEnabled[name] = enabled; }
    void SetToolbarButtonEnabled(int index, bool enabled) override {
        buttonEnabled[index] = enabled;
    }
    bool AutoShiftChecked() const override { return autoShift; }
    bool SaveData() override {
        calls << QStringLiteral("SaveData");
        return saveData();
    }
    void ScrollUp() override { calls << QStringLiteral("ScrollUp"); }
    void ScrollDown() override { calls << QStringLiteral("ScrollDown"); }
    void Sbyt(const QByteArray& data) override {
        calls << QStringLiteral("Sbyt");
        image.Sbyt(data);
    }
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
    void SetBandLimit(int index, const QString& text) override { image.setBandLimit(index, text); }
    bool CheckBandLimits(QStringList& limits) override;
    void CellCut() override { clipboard << QStringLiteral("CellCut"); }
    void CellCopy() override { clipboard << QStringLiteral("CellCopy"); }
    void CellPaste() override { clipboard << QStringLiteral("CellPaste"); }
    void InsertBlank() override {}
    void Delete() override {}
    void InsertCut() override {}
    void SetMass(const QString&) override {}
    void IncrementTags() override {}
    void ShowColumnMenu(const QString& name, const QPoint&) override { menus << name; }
    int32_t GetRow() override { return currentRow; }
    void Find(const QString&, int16_t) override {}
    void TestSort(const QString&, int, const QString&) override {}
    void TestDups(bool&, bool&, bool&) override {}
    QString GetExportData(bool&, bool&, bool&) override { return QString(); }
    void CopyWindowsClip() override {}
    void ShowStatus(const QString& caption, const QString& text, bool modal) override {
        statusShown.append({caption, text, modal});
    }
};
