// Settings > Options..., Grid Colors... and Grid Font..., run for real from
// the menu over real documents: what they store, and what every open document
// shows afterwards.

#include "ShellFixture.h"

#include "document/HexCompareView.h"
#include "document/frmDocument.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Colors.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "shell/ColorSwatch.h"
#include "shell/frmGridColors.h"
#include "shell/frmOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int32_t PureRed = 255;

QString Stored(const char* key) {
    return platform::GetSetting(SettingsSection, QString::fromLatin1(key),
                                QStringLiteral("<none>"));
}

class GridLooksTest : public ShellTest {
protected:
    // The main window with one document per file, the last one active.
    void StartWith(int documents) {
        Start(UvdFile());
        for (int i = 1; i < documents; ++i) {
            main->NewDocument();
            ASSERT_TRUE(
                main->ActiveDocument()->OpenFile(UvdFile(QStringLiteral("d%1.uvd").arg(i))));
        }
        Settle();
    }
    // colors: the answers of the colour dialogs the dialog opens.
    using Colors = std::vector<std::optional<int32_t>>;
    // Runs the command; work drives its dialog once shown.
    template <typename Dialog>
    void Run(QAction* command, const std::function<void(Dialog&)>& work, const Colors& colors) {
        dialogs.runModal([work](QDialog& d) { work(static_cast<Dialog&>(d)); });
        for (const auto& color : colors)
            dialogs.answerColor(color);
        command->trigger();
        Settle();
    }
    void RunOptions(const std::function<void(frmOptions&)>& work, const Colors& colors = {}) {
        Run(main->mnuOptions(), work, colors);
    }
    void RunGridColors(const std::function<void(frmGridColors&)>& work, const Colors& colors = {}) {
        Run(main->mnuGridColors(), work, colors);
    }
    // The editors' and the hex grids' colours, which the colour command leaves.
    static QList<int32_t> UncolouredParts(IDocument* document) {
        auto* doc = dynamic_cast<frmDocument*>(document);
        return {doc->Frame3()->HexGridA()->backColor(), doc->Frame3()->HexGridB()->backColor(),
                static_cast<int32_t>(document->TxtGrid()->palette().color(QPalette::Base).rgb())};
    }
};

} // namespace

TEST_F(GridLooksTest, OptionsOkWithoutChangesStoresEveryOptionAndCancelKeepsOnlyTheColour) {
    StartWith(1);
    RunOptions([](frmOptions& o) {
        EXPECT_TRUE(o.Option1()->isChecked());
        EXPECT_TRUE(o.Option4()->isChecked());
        EXPECT_FALSE(o.Check4()->isChecked());
        EXPECT_EQ(o.windowTitle(), QStringLiteral("Options"));
        o.Command6()->click();
    });
    const std::pair<const char*, const char*> expected[] = {{"EnterKey", "0"},
                                                            {"SignificantDigitsOnly", "True"},
                                                            {"HighlightSelectedRow", "True"},
                                                            {"OpenLastUsed", "True"},
                                                            {"UseTextLabels", "True"},
                                                            {"ConfirmRowDelete", "True"},
                                                            {"ConfirmRowClear", "True"},
                                                            {"ScrollWheel", "False"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(Stored(key), QLatin1String(value)) << key;

    // A colour chosen is kept at once; Cancel writes nothing else.
    platform::SaveSetting(SettingsSection, "EnterKey", "7");
    RunOptions(
        [](frmOptions& o) {
            o.Option3()->setChecked(true);
            o.Check1()->setChecked(false);
            o.Command1()->click();
            EXPECT_EQ(o.Label1()->color(), PureRed);
            o.Command1()->click(); // cancelled: the swatch keeps red
            EXPECT_EQ(o.Label1()->color(), PureRed);
            o.Command5()->click();
        },
        {PureRed, std::nullopt});
    EXPECT_EQ(Stored("HighlightColor"), QStringLiteral("255"));
    EXPECT_EQ(Program().HighlightColor, PureRed);
    EXPECT_EQ(Stored("EnterKey"), QStringLiteral("7"));
    EXPECT_EQ(Stored("UseTextLabels"), QStringLiteral("True"));
    EXPECT_FALSE(Program().EnterKeyNextColumn);
}

TEST_F(GridLooksTest, OptionsTakeEffectInEveryDocumentAndOnTheToolbar) {
    StartWith(2);
    RunOptions([](frmOptions& o) {
        o.Option5()->setChecked(true);
        o.Option3()->setChecked(true);
        o.Check1()->setChecked(false);
        o.Command6()->click();
    });
    for (IDocument* document : main->Documents()) {
        EXPECT_EQ(Cell(document, 1, ColRXFreq), QStringLiteral("145.60000"));
        EXPECT_EQ(Cell(document, 2, ColTXFreq), QStringLiteral("433.50000"));
    }
    EXPECT_EQ(Stored("SignificantDigitsOnly"), QStringLiteral("False"));
    EXPECT_EQ(Stored("EnterKey"), QStringLiteral("2"));
    EXPECT_TRUE(Program().EnterKeyNextColumn);
    int buttons = 0;
    for (int position = 1; position <= frmMain::ToolbarPositions; ++position) {
        if (main->tbButton(position)->isSeparator())
            continue;
        ++buttons;
        EXPECT_EQ(main->tbButton(position)->text(), QString()) << position;
    }
    EXPECT_EQ(buttons, 15);
}

// The box shows what is stored, not whether this run's documents turned the
// wheel on, so OK keeps the user's choice.
TEST_F(GridLooksTest, TheWheelBoxFollowsTheStoredChoice) {
    StartWith(1);
    RunOptions([](frmOptions& o) {
        o.Check4()->setChecked(true);
        o.Command6()->click();
    });
    EXPECT_FALSE(Program().ScrollWheel);
    RunOptions([](frmOptions& o) {
        EXPECT_TRUE(o.Check4()->isChecked());
        o.Command6()->click();
    });
    EXPECT_EQ(Stored("ScrollWheel"), QStringLiteral("True"));
}

TEST_F(GridLooksTest, OptionsKeepTheCurrentCellAndWorkWithNoDocument) {
    StartWith(1);
    IDocument* document = main->ActiveDocument();
    document->MSFlexGrid1(0)->setRow(7);
    document->MSFlexGrid1(0)->setCol(3);
    RunOptions([](frmOptions& o) { o.Command6()->click(); });
    EXPECT_EQ(document->MSFlexGrid1(0)->row(), 7);
    EXPECT_EQ(document->MSFlexGrid1(0)->col(), 3);
    EXPECT_EQ(document->MSFlexGrid1(0)->cellBackColor(7, 1), Program().HighlightColor);

    main->mnuFileClose()->trigger();
    Settle();
    ASSERT_EQ(main->ActiveDocument(), nullptr);
    RunOptions([](frmOptions& o) { o.Command6()->click(); });
    EXPECT_EQ(Stored("EnterKey"), QStringLiteral("0"));
}

TEST_F(GridLooksTest, GridColorsStoreAndColourGridsZeroToSixOfEveryDocument) {
    StartWith(2);
    RunGridColors([](frmGridColors& g) {
        EXPECT_EQ(g.Label1()->color(), platform::ColorWindowBackground);
        // Opens on its first control in tab order, not on OK.
        EXPECT_EQ(g.focusWidget(), g.Command1());
        g.Command6()->click();
    });
    EXPECT_EQ(Stored("SysBackColor"), QStringLiteral("-2147483643"));
    EXPECT_EQ(Stored("SysForeColor"), QStringLiteral("-2147483640"));

    const QList<int32_t> before = UncolouredParts(main->ActiveDocument());
    RunGridColors(
        [](frmGridColors& g) {
            g.Command1()->click();
            g.Command2()->click(); // cancelled
            g.Command6()->click();
        },
        {PureRed, std::nullopt});
    EXPECT_EQ(Stored("SysBackColor"), QStringLiteral("255"));
    EXPECT_EQ(Stored("SysForeColor"), QStringLiteral("-2147483640"));
    for (IDocument* document : main->Documents())
        for (int g = 0; g < frmDocument::GridCount; ++g)
            EXPECT_EQ(document->MSFlexGrid1(g)->backColor(), PureRed) << g;
    EXPECT_EQ(UncolouredParts(main->ActiveDocument()), before);

    RunGridColors(
        [](frmGridColors& g) {
            g.Command1()->click();
            g.Command5()->click();
        },
        {0x00FF00});
    EXPECT_EQ(Stored("SysBackColor"), QStringLiteral("255"));
    for (IDocument* document : main->Documents())
        EXPECT_EQ(document->MSFlexGrid1(3)->backColor(), PureRed);
}

TEST_F(GridLooksTest, GridFontGoesToEveryDocumentWithRowsOneEditorLineHigh) {
    StartWith(3);
    QFont chosen;
    chosen.setFamily(QString());
    chosen.setPointSizeF(9.75);
    chosen.setBold(true);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dialogs.answerFont(chosen);
    main->mnuGridFont()->trigger();
    EXPECT_EQ(Stored("SysFontName"), QStringLiteral("Fixedsys"));
    EXPECT_EQ(Stored("SysFontItalic"), QStringLiteral("False"));
    EXPECT_EQ(Stored("SysFontBold"), QStringLiteral("True"));
    EXPECT_EQ(Stored("SysFontSize"), QStringLiteral("9.75"));
    for (IDocument* document : main->Documents()) {
        const int line = platform::PixelsToTwips(document->TxtGrid()->fontMetrics().height()) + 100;
        EXPECT_TRUE(document->TxtGrid()->font().bold());
        EXPECT_EQ(document->TxtGrid()->height(), 0);
        EXPECT_TRUE(document->CboGrid()->font().bold());
        for (int g = 0; g < frmDocument::GridCount; ++g) {
            const platform::FlexGrid* grid = document->MSFlexGrid1(g);
            EXPECT_DOUBLE_EQ(grid->font().pointSizeF(), 9.75) << g;
            for (int r = 0; r < grid->rows(); ++r)
                ASSERT_EQ(grid->rowHeight(r), line) << g << " " << r;
        }
    }
    EXPECT_EQ(Stored("RowHeight"),
              QString::number(main->ActiveDocument()->MSFlexGrid1(0)->rowHeight(0)));

    // A document opened afterwards, still under the "," locale, reads the size.
    main->NewDocument();
    Settle();
    EXPECT_DOUBLE_EQ(main->ActiveDocument()->MSFlexGrid1(0)->font().pointSizeF(), 9.75);
    EXPECT_TRUE(main->ActiveDocument()->MSFlexGrid1(0)->font().bold());

    // Cancel writes nothing.
    platform::DeleteSetting(SettingsSection, "RowHeight");
    dialogs.answerFont(std::nullopt);
    main->mnuGridFont()->trigger();
    EXPECT_EQ(Stored("RowHeight"), QStringLiteral("<none>"));
    EXPECT_EQ(Stored("SysFontBold"), QStringLiteral("True"));
}

TEST_F(GridLooksTest, GridFontWithNoDocumentShowsNoDialog) {
    Start();
    main->mnuFileClose()->trigger();
    Settle();
    ASSERT_EQ(main->ActiveDocument(), nullptr);
    main->mnuGridFont()->trigger();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(Stored("SysFontName"), QStringLiteral("<none>"));
}

// Either value would stop every document's grid building at a type mismatch.
TEST_F(GridLooksTest, AStoredFontValueThatDoesNotConvertIsSkippedAtStart) {
    for (const auto& [key, value] : {std::pair<const char*, const char*>{"SysFontSize", "abc"},
                                     {"SysFontBold", "maybe"},
                                     {"SysFontSize", "-3"}}) {
        ResetProgramValues();
        platform::SaveSetting(SettingsSection, key, value);
        Start(UvdFile());
        const QFont font = main->ActiveDocument()->MSFlexGrid1(0)->font();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8) << key << value;
        EXPECT_FALSE(font.bold()) << key << value;
        EXPECT_EQ(Cell(main->ActiveDocument(), 1, ColName), QStringLiteral("GB3WH"));
        main.reset();
        Settle();
        platform::DeleteSetting(SettingsSection, key);
    }
}

// A cell the image refuses (ANI ID "12 34", error 13) stops SaveGrid; the
// rebuild after the dialog would put the image's values over the user's
// edits, so the command ends at the refusal, the grids as they were.
TEST_F(GridLooksTest, ARefusedCellEndsOptionsAndColumnSettingsBeforeTheirDialog) {
    StartWith(2);
    IDocument* document = main->Documents().front();
    document->MSFlexGrid1(1)->setTextMatrix(17, 2, QStringLiteral("12 34"));
    document->MSFlexGrid1(0)->setTextMatrix(9, GridColumnOf(ColName), QStringLiteral("EDITED"));
    for (QAction* command : {main->mnuOptions(), main->mnuColumnSettings()}) {
        dialogs.answerMessage(platform::vbOK);
        command->trigger();
        Settle();
        EXPECT_EQ(dialogs.messages().last(), QStringLiteral("Error 13: Type mismatch"));
        EXPECT_EQ(document->MSFlexGrid1(1)->textMatrix(17, 2), QStringLiteral("12 34"));
        EXPECT_EQ(Cell(document, 9, ColName), QStringLiteral("EDITED"));
    }
    EXPECT_EQ(dialogs.messages().size(), 2);
}
