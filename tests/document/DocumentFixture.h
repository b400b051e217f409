#pragma once
// A fake main window that records what a document asks of it, realistic
// images, and a fixture that opens document windows on them.

#include "document/frmDocument.h"
#include "image/clsVUROVA.h"
#include "mainwindow/IMainWindow.h"
#include "platform/widgets/FlexGrid.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <functional>
#include <memory>

class FakeMainWindow : public IMainWindow {
public:
    FakeMainWindow() { SetMainForm(this); }
    ~FakeMainWindow() override { SetMainForm(nullptr); }

    // Every call, by name, in order.
    QStringList calls;
    // What SaveData does; by default it saves nothing and reports so.
    std::function<bool()> saveData = [] { return false; };
    bool autoShift = false;
    QMap<QString, bool> menuEnabled;
    QMap<int, bool> buttonEnabled;
    QStringList menus;     // the column menus asked for, in order
    QStringList clipboard; // CellCut, CellCopy, CellPaste, in order

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
    void Sbyt(const QByteArray&) override {}
    void FillGrid() override {}
    void SetWriteBytes() override {}
    QString GetBandLimit(int) override { return QString(); }
    void SetBandLimit(int, const QString&) override {}
    bool CheckBandLimits(QStringList&) override { return true; }
    void CellCut() override { clipboard << QStringLiteral("CellCut"); }
    void CellCopy() override { clipboard << QStringLiteral("CellCopy"); }
    void CellPaste() override { clipboard << QStringLiteral("CellPaste"); }
    void InsertBlank() override {}
    void Delete() override {}
    void InsertCut() override {}
    void SetMass(const QString&) override {}
    void IncrementTags() override {}
    void ShowColumnMenu(const QString& name, const QPoint&) override { menus << name; }
    int32_t GetRow() override { return 0; }
    void Find(const QString&, int16_t) override {}
    void TestSort(const QString&, int, const QString&) override {}
    void TestDups(bool&, bool&, bool&) override {}
    QString GetExportData(bool&, bool&, bool&) override { return QString(); }
    void CopyWindowsClip() override {}
    struct StatusShown {
        QString caption;
        QString text;
        bool modal;
    };
    // Every text-window show, in order.
    QList<StatusShown> statusShown;
    void ShowStatus(const QString& caption, const QString& text, bool modal) override {
        statusShown.append({caption, text, modal});
    }
};

// An image as a user's radio holds it: 20 programmed channels with names,
// tones, notes and both power levels, the settings away from their zero
// values, both VFOs, FM memories and the usual band limits. Every channel that
// is not programmed is blank, as the program writes it.
clsVUROVA RealisticImage();
// A radio whose memory was erased (bytes 0..8191 FF, notes zero) and then given
// only the channels and band limits of the realistic image: settings, VFOs and
// FM memories stay erased.
QByteArray ErasedRadioBytes();

// A grid's texts: one row, one column from firstRow down, and its column widths.
QStringList RowTexts(const platform::FlexGrid& grid, int row);
QStringList ColumnTexts(const platform::FlexGrid& grid, int col, int firstRow = 0);
QList<int> Widths(const platform::FlexGrid& grid);
// Row, Col, then the other corner, as a drag from (row, col) leaves them.
void Select(platform::FlexGrid& grid, int row, int col, int rowSel, int colSel);
// The cells of an unused memory row.
QStringList EmptyRow(int row);
// The last message box the responder saw: its text, title, icon and, when
// given, its buttons.
void ExpectLastBox(const ScriptedResponder& dialogs, const QString& text, const QString& title,
                   int icon, int buttons = -1);

class DocumentTest : public TempDirTest {
protected:
    // A document window, shown, with the shell's caption for a new document.
    std::unique_ptr<frmDocument> NewDocument();
    // A new document with the realistic file open.
    std::unique_ptr<frmDocument> OpenedDocument();
    // A .uvd file of the realistic image.
    QString RealisticFile();

    FakeMainWindow mainWindow;
};
