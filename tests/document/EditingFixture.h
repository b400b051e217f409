#pragma once
// A document opened on the realistic image, shown and active, with the memory
// grid focused, and helpers that work it with real key and mouse events the
// way a user does.

#include "../platform/WidgetTestUtil.h"

#include "DocumentFixture.h"
#include "platform/core/Measures.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"

#include <QAbstractItemView>
#include <algorithm>

class EditingTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        doc = OpenedDocument();
        doc->resize(1400, 900);
        doc->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(doc.get()));
        ASSERT_TRUE(grid(0).takeFocus());
    }
    void TearDown() override { doc.reset(); }

    platform::FlexGrid& grid(int index) { return *doc->MSFlexGrid1(index); }
    platform::TextEdit& txt() { return *doc->TxtGrid(); }
    platform::ListEdit& cbo() { return *doc->CboGrid(); }
    bool txtOpen() { return !txt().isHidden(); }
    bool cboOpen() { return !cbo().isHidden(); }

    // Shows tab `tab` as a click on it would.
    void showTab(int tab) {
        doc->SSTab1()->setTab(tab);
        ASSERT_TRUE(grid(tab).takeFocus());
    }
    // Makes a cell of the shown grid current and gives the grid the focus.
    void go(int index, int row, int col) {
        grid(index).setRow(row);
        grid(index).setCol(col);
        ASSERT_TRUE(grid(index).takeFocus());
    }
    // Real key events, each to whatever has the focus when it is typed.
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    }
    static void type(const QString& text) {
        for (const QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }
    // The centre of a cell in the grid's viewport, while the cell is in view.
    QPoint cellCentre(int index, int row, int col) {
        const platform::FlexGrid& g = grid(index);
        auto px = [](int twips) { return platform::TwipsToPixels(twips); };
        int x = px(g.colWidth(col)) / 2;
        for (int c = 0; c < std::min(col, g.fixedCols()); ++c)
            x += px(g.colWidth(c));
        for (int c = g.leftCol(); c < col; ++c)
            x += px(g.colWidth(c));
        int y = px(g.rowHeight(row)) / 2;
        for (int r = 0; r < std::min(row, g.fixedRows()); ++r)
            y += px(g.rowHeight(r));
        for (int r = g.topRow(); r < row; ++r)
            y += px(g.rowHeight(r));
        return QPoint(x, y);
    }
    void doubleClick(int index, int row, int col) {
        QTest::mouseDClick(grid(index).viewport(), Qt::LeftButton, {}, cellCentre(index, row, col));
    }
    void rightPress(int index, int row, int col) {
        QTest::mousePress(grid(index).viewport(), Qt::RightButton, {}, cellCentre(index, row, col));
        QTest::mouseRelease(grid(index).viewport(), Qt::RightButton, {},
                            cellCentre(index, row, col));
    }
    QStringList entries() {
        QStringList list;
        for (int i = 0; i < cbo().listCount(); ++i)
            list << cbo().list(i);
        return list;
    }
    QString cell(int index, int row, int col) { return grid(index).textMatrix(row, col); }

    std::unique_ptr<frmDocument> doc;
};
