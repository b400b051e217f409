// Settings > Column Settings..., run for real from the menu over real
// documents: the list, its marks and captions, what OK, Cancel and Defaults
// leave in the column table and the store, and the grids rebuilt after it.

#include "ShellFixture.h"

#include "document/frmDocument.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"
#include "shell/frmColCaption.h"
#include "shell/frmColumns.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

QString Stored(const QString& key) {
    return platform::GetSetting(SettingsSection, key, QStringLiteral("<none>"));
}

// The list as captions in display order, "-" before a hidden one.
QStringList ListOf(const frmColumns& dialog) {
    QStringList list;
    for (int r = 0; r < dialog.MSFlexGrid1()->rows(); ++r)
        list << (dialog.IsChecked(r) ? QString() : QStringLiteral("-")) +
                    dialog.MSFlexGrid1()->textMatrix(r, frmColumns::CaptionColumn) + "#" +
                    dialog.MSFlexGrid1()->textMatrix(r, frmColumns::RecordColumn);
    return list;
}

// A point inside list cell (row, col), in the list's viewport.
QPoint CellPoint(const frmColumns& dialog, int row, int col) {
    const platform::FlexGrid* grid = dialog.MSFlexGrid1();
    const int rowPixels = platform::TwipsToPixels(grid->rowHeight(0));
    const int x = col == frmColumns::MarkColumn ? 10 : platform::TwipsToPixels(300) + 40;
    return QPoint(x, row * rowPixels + rowPixels / 2);
}

class ColumnSettingsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start(UvdFile());
        main->NewDocument();
        ASSERT_TRUE(main->ActiveDocument()->OpenFile(UvdFile(QStringLiteral("second.uvd"))));
        Settle();
    }
    void RunColumns(const std::function<void(frmColumns&)>& work) {
        dialogs.runModal([work](QDialog& d) { work(static_cast<frmColumns&>(d)); });
        main->mnuColumnSettings()->trigger();
        Settle();
    }
    static void Select(frmColumns& dialog, int row) { dialog.MSFlexGrid1()->setRow(row); }
};

} // namespace

TEST_F(ColumnSettingsTest, MovingScanToTheTopReordersEveryDocumentAndLaterOnesToo) {
    IDocument* older = main->Documents().front();
    struct Channel {
        QString name, rx, tx;
    };
    const auto channel = [&](int row) {
        return Channel{Cell(older, row, ColName), Cell(older, row, ColRXFreq),
                       Cell(older, row, ColTXFreq)};
    };
    const Channel one = channel(1);
    const Channel two = channel(2);
    RunColumns([](frmColumns& c) {
        Select(c, 6);
        for (int i = 0; i < 6; ++i)
            c.Command3()->click();
        EXPECT_EQ(c.MSFlexGrid1()->row(), 0);
        EXPECT_EQ(ListOf(c).first(), QStringLiteral("Scan#7"));
        c.Command1()->click();
    });
    EXPECT_EQ(Stored("Order7"), QStringLiteral("1"));
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(Stored(QStringLiteral("Order%1").arg(k)), QString::number(k + 1));
    EXPECT_EQ(Stored("Visible7"), QStringLiteral("True"));
    EXPECT_EQ(Stored("Caption7"), QStringLiteral("Scan"));
    for (IDocument* document : main->Documents()) {
        EXPECT_EQ(document->MSFlexGrid1(0)->textMatrix(0, 1), QStringLiteral("Scan"));
        EXPECT_EQ(document->MSFlexGrid1(0)->textMatrix(0, 2), QStringLiteral("Name   "));
        EXPECT_EQ(Cell(document, 1, ColName), one.name);
    }

    // A document opened now reads the same layout, so the older one's grid
    // still goes back into the right fields.
    main->mnuFileNew()->trigger();
    Settle();
    EXPECT_EQ(GridColumnOf(ColScan), 1);
    const QString path = tempPath(QStringLiteral("older.uvd"));
    ASSERT_TRUE(older->SaveFile(path));
    frmDocument reopened;
    ASSERT_TRUE(reopened.OpenFile(path));
    for (const auto& [row, expected] : {std::pair<int, Channel>{1, one}, {2, two}}) {
        EXPECT_EQ(Cell(&reopened, row, ColName), expected.name) << row;
        EXPECT_EQ(Cell(&reopened, row, ColRXFreq), expected.rx) << row;
        EXPECT_EQ(Cell(&reopened, row, ColTXFreq), expected.tx) << row;
    }
}

TEST_F(ColumnSettingsTest, ClearingATickHidesTheColumnAndKeepsItsCells) {
    RunColumns([](frmColumns& c) {
        QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {},
                          CellPoint(c, 0, frmColumns::MarkColumn));
        // A click on the caption changes no mark.
        QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {},
                          CellPoint(c, 1, frmColumns::CaptionColumn));
        EXPECT_FALSE(c.IsChecked(0));
        EXPECT_TRUE(c.IsChecked(1));
        c.Command1()->click();
    });
    EXPECT_EQ(Stored("Visible1"), QStringLiteral("False"));
    EXPECT_EQ(Stored("Visible2"), QStringLiteral("True"));
    for (IDocument* document : main->Documents()) {
        EXPECT_EQ(document->MSFlexGrid1(0)->colWidth(GridColumnOf(ColName)), 0);
        EXPECT_EQ(Cell(document, 1, ColName), QStringLiteral("GB3WH"));
    }
}

TEST_F(ColumnSettingsTest, DoubleClickedCaptionIsEditedWholeAndMayBeEmptied) {
    dialogs.runModal([](QDialog& d) {
        auto& c = static_cast<frmColumns&>(d);
        // The first press of a double-click makes the cell current.
        const QPoint caption = CellPoint(c, 1, frmColumns::CaptionColumn);
        QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, caption);
        QTest::mouseDClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, caption);
        EXPECT_EQ(c.MSFlexGrid1()->textMatrix(1, frmColumns::CaptionColumn), QString());
        c.Command1()->click();
    });
    QString selected;
    dialogs.runModal([&selected](QDialog& d) {
        auto& caption = static_cast<frmColCaption&>(d);
        EXPECT_EQ(caption.windowTitle(), QStringLiteral("Column Name"));
        selected = caption.Text1()->selectedText();
        EXPECT_EQ(caption.Text1()->selectionStart(), 0);
        caption.Text1()->clear();
        QTest::keyClick(caption.Text1(), Qt::Key_Return);
    });
    main->mnuColumnSettings()->trigger();
    Settle();
    EXPECT_EQ(selected, QStringLiteral("RX Freq   "));
    EXPECT_EQ(Stored("Caption2"), QString());
    EXPECT_EQ(main->ActiveDocument()->MSFlexGrid1(0)->textMatrix(0, GridColumnOf(ColRXFreq)),
              QString());
}

// The list has the focus when the dialog opens and takes every key.
TEST_F(ColumnSettingsTest, EscAndEnterReachTheButtonsTheyName) {
    const auto untickNameThen = [this](Qt::Key key) {
        RunColumns([key](frmColumns& c) {
            QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {},
                              CellPoint(c, 0, frmColumns::MarkColumn));
            QTest::keyClick(c.MSFlexGrid1(), key);
            EXPECT_FALSE(c.isVisible());
            if (c.isVisible())
                c.Command2()->click();
        });
    };
    untickNameThen(Qt::Key_Escape);
    EXPECT_TRUE(Program().ColumnTable[ColName].Visible);
    untickNameThen(Qt::Key_Return);
    EXPECT_FALSE(Program().ColumnTable[ColName].Visible);

    // Enter on a focused Cancel in "Column Name" cancels.
    dialogs.runModal([](QDialog& d) {
        auto& c = static_cast<frmColumns&>(d);
        const QPoint caption = CellPoint(c, 1, frmColumns::CaptionColumn);
        QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, caption);
        QTest::mouseDClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, caption);
        c.Command1()->click();
    });
    dialogs.runModal([](QDialog& d) {
        auto& caption = static_cast<frmColCaption&>(d);
        caption.Text1()->clear();
        caption.Command5()->setFocus();
        QTest::keyClick(caption.Command5(), Qt::Key_Return);
    });
    main->mnuColumnSettings()->trigger();
    Settle();
    EXPECT_EQ(Program().ColumnTable[ColRXFreq].Caption, QStringLiteral("RX Freq   "));
}

TEST_F(ColumnSettingsTest, DefaultsThenCancelLeavesTheDefaultsAndTheWidths) {
    RunColumns([](frmColumns& c) {
        Select(c, 9);
        c.Command3()->click();
        QTest::mouseClick(c.MSFlexGrid1()->viewport(), Qt::LeftButton, {},
                          CellPoint(c, 3, frmColumns::MarkColumn));
        c.Command1()->click();
    });
    main->ActiveDocument()->MSFlexGrid1(0)->setColWidth(GridColumnOf(ColGroupNotes), 3000);
    ASSERT_EQ(GridColumnOf(ColGroupNotes), 9);
    RunColumns([](frmColumns& c) {
        c.Command5()->click();
        EXPECT_EQ(ListOf(c).first(), QStringLiteral("Name   #1"));
        EXPECT_EQ(ListOf(c).last(), QStringLiteral("Group/Notes#10"));
        c.Command2()->click();
    });
    const auto& table = Program().ColumnTable;
    for (int k = 1; k < ColumnCount; ++k) {
        EXPECT_EQ(table[k].Order, k);
        EXPECT_TRUE(table[k].Visible);
        EXPECT_EQ(table[k].Caption, table[k].DefaultCaption);
    }
    EXPECT_EQ(table[ColGroupNotes].Width, 3000);
    EXPECT_EQ(Stored("Visible4"), QStringLiteral("True"));
    EXPECT_EQ(Stored("Order10"), QStringLiteral("10"));
}

TEST_F(ColumnSettingsTest, MovesStopAtTheEndsOfTheList) {
    RunColumns([](frmColumns& c) {
        const QStringList before = ListOf(c);
        Select(c, 0);
        c.Command3()->click();
        Select(c, 9);
        c.Command4()->click();
        EXPECT_EQ(ListOf(c), before);
        Select(c, 4);
        c.Command4()->click();
        EXPECT_EQ(c.MSFlexGrid1()->row(), 5);
        EXPECT_EQ(ListOf(c).at(5), before.at(4));
        c.Command2()->click();
    });
    EXPECT_EQ(GridColumnOf(ColEncode), 5);
}

TEST_F(ColumnSettingsTest, CellsCopiedBeforeCannotBePastedAfter) {
    IDocument* document = main->ActiveDocument();
    platform::FlexGrid* grid = document->MSFlexGrid1(0);
    grid->setRow(1);
    grid->setCol(GridColumnOf(ColName));
    main->CellCopy();
    RunColumns([](frmColumns& c) { c.Command2()->click(); });
    grid->setRow(20);
    grid->setCol(GridColumnOf(ColName));
    main->CellPaste();
    EXPECT_EQ(Cell(document, 20, ColName), QString());
    EXPECT_EQ(main->CellClipboard.size(), 1u);
}
