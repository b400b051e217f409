#pragma once
// Realistic images and a fixture that opens document windows on them, with
// the shared fake main window.

#include "document/frmDocument.h"
#include "image/clsVUROVA.h"
#include "platform/widgets/FlexGrid.h"
#include "support/ScriptedResponder.h"
#include "support/TestBytes.h"
#include "support/TestUtil.h"
#include "support_main/FakeMainWindow.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

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
