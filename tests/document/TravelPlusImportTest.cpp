#include "DocumentFixture.h"

#include "document/ImportStartGroup.h"
#include "document/frmStatus.h"
#include "document/frmTravelPlus.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "support/WindowFit.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString Header = QStringLiteral(
    "Sequence Number,Country,State,Region,Location,Output Frequency,Input Frequency,Call Sign,"
    "Repeater Notes,CTCSS Tones,Sponsor");

const QStringList Repeaters = {
    QStringLiteral("1,XX,YY,Hills,Oakdale,146.940,-,w1abc/r,,100.0,Club A"),
    QStringLiteral("2,XX,YY,Hills,\"Pine Ridge, East\",442.000,+,N1XYZ,,\"\","),
    QStringLiteral("3,XX,YY,Hills,Cedar Falls,150.000,-,W1CED,,,"),
    QStringLiteral("4,XX,YY,Hills,Radio One,100.1,,,,,"),
    QStringLiteral("5,XX,YY,Hills,Bad,abc,,,,,"),
    QString(),
    QStringLiteral("7,XX,YY,Hills,Far,146.520,190,W1FAR,,,"),
    QStringLiteral("8,XX,YY,Hills,Edge,148.000,+,W1EDG,,,"),
};

const QString ExpectedLog =
    QStringLiteral("Warning - No standard shift direction available: 150\n"
                   "You must manually set the TX frequency for memory #3\n"
                   "Cannot import frequency, not a valid number:abc\n"
                   "Memory not imported - TX frequency outside of band limits: 190\n");

QString HeaderWarning() {
    return QStringLiteral("WARNING: the selected file does not contain a valid TPE header. This "
                          "may indicate that the file is not in a valid TPE format.\r\n"
                          "Attempting to import this file may cause errors or other unexpected "
                          "results. Do you want to attempt to import this file anyway?");
}

// A click on an option's round button, where a user clicks.
void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    EXPECT_TRUE(option->isChecked()) << option->objectName().toStdString();
}

frmTravelPlus& Options(QDialog& dialog) {
    return static_cast<frmTravelPlus&>(dialog);
}

class TravelPlusImportTest : public DocumentTest {
protected:
    // A document opened from a file in which every memory is empty; band
    // limits 136-174 and 400-480.
    std::unique_ptr<frmDocument> EmptyDocument() {
        const QLocale locale;
        QLocale::setDefault(QLocale::c()); // the realistic image is written with "."
        clsVUROVA image = RealisticImage();
        for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
            image.BlankMemory(ch);
        for (int bank = 1; bank <= 2; ++bank)
            for (int entry = 1; entry <= 9; ++entry)
                image.setFMBroadcast(bank, entry, QString());
        const QString path = tempPath(QStringLiteral("empty.uvd"));
        image.SaveFile(path);
        QLocale::setDefault(locale);
        auto doc = NewDocument();
        EXPECT_TRUE(doc->OpenFile(path));
        return doc;
    }

    QString ListFile(const QStringList& lines, const QString& lineEnd = QStringLiteral("\r\n")) {
        const QString path = tempPath(QStringLiteral("list.tpe"));
        WriteFileBytes(path, (lines.join(lineEnd) + lineEnd).toLatin1());
        return path;
    }

    // The options dialog, changed by `choose` and then closed with OK.
    void ArmOptions(const std::function<void(frmTravelPlus&)>& choose = {}) {
        dialogs.runModal([choose](QDialog& dialog) {
            if (choose)
                choose(Options(dialog));
            Options(dialog).Command1()->click();
        });
    }

    // The error log, its caption and text kept.
    void ArmLog() {
        dialogs.runModal([this](QDialog& dialog) {
            logCaption = dialog.windowTitle();
            log = static_cast<frmStatus&>(dialog).Text1()->toPlainText();
            dialog.close();
        });
    }

    QStringList Memory(const frmDocument& doc, int row) {
        return RowTexts(*const_cast<frmDocument&>(doc).MSFlexGrid1(0), row).mid(1);
    }
    QStringList FmBank(frmDocument& doc, int bank) {
        return ColumnTexts(*doc.MSFlexGrid1(3), bank, 1);
    }
    int UsedRows(frmDocument& doc) {
        int used = 0;
        for (int r = 1; r <= 128; ++r)
            used += doc.IsRowUsed(r) ? 1 : 0;
        return used;
    }

    ScriptedResponder dialogs;
    QString logCaption;
    QString log;
};

QStringList Cells(const char* text) {
    return QString::fromLatin1(text).split('|');
}

} // namespace

TEST_F(TravelPlusImportTest, RepeatersFillRowsFromTheFirstEmptyOneAndTheRestIsLogged) {
    for (const QString& lineEnd : {QStringLiteral("\r\n"), QStringLiteral("\n")}) {
        auto doc = EmptyDocument();
        ArmOptions();
        ArmLog();
        doc->TravelPlus(ListFile(QStringList{Header} + Repeaters, lineEnd));

        EXPECT_EQ(Memory(*doc, 1),
                  Cells("OAKDAL|146.940|146.340|OFF|100.0|HIGH|ON|WIDE|OFF|w1abc/r"));
        EXPECT_EQ(Memory(*doc, 2), Cells("PINE R|442.000|447.000|OFF|OFF|HIGH|ON|WIDE|OFF|N1XYZ"));
        EXPECT_EQ(Memory(*doc, 3), Cells("CEDAR|150.000||OFF|OFF|HIGH|ON|WIDE|OFF|W1CED"));
        EXPECT_EQ(Memory(*doc, 4), EmptyRow(4).mid(1));
        EXPECT_EQ(Memory(*doc, 5), Cells("EDGE|148.000|148.600|OFF|OFF|HIGH|ON|WIDE|OFF|W1EDG"));
        EXPECT_EQ(UsedRows(*doc), 4);
        EXPECT_EQ(FmBank(*doc, 1).first(), QStringLiteral("100.1"));
        EXPECT_EQ(logCaption, QStringLiteral("Error Log"));
        EXPECT_EQ(log, ExpectedLog);
        // Everything went through the image.
        EXPECT_EQ(doc->Image().Name(2), QStringLiteral("PINE R"));
        EXPECT_EQ(doc->Image().FMBroadcast(1, 1), QStringLiteral("100.1"));
        EXPECT_EQ(dialogs.pending(), 0);
    }
}

TEST_F(TravelPlusImportTest, UnderADecimalCommaTheSameListGivesTheSameMemories) {
    LocaleGuard comma(CommaLocale());
    auto doc = EmptyDocument();
    ArmOptions();
    ArmLog();
    doc->TravelPlus(ListFile(QStringList{Header} + Repeaters));

    EXPECT_EQ(Memory(*doc, 1), Cells("OAKDAL|146,940|146,340|OFF|100,0|HIGH|ON|WIDE|OFF|w1abc/r"));
    EXPECT_EQ(Memory(*doc, 2), Cells("PINE R|442,000|447,000|OFF|OFF|HIGH|ON|WIDE|OFF|N1XYZ"));
    EXPECT_EQ(Memory(*doc, 3), Cells("CEDAR|150,000||OFF|OFF|HIGH|ON|WIDE|OFF|W1CED"));
    EXPECT_EQ(Memory(*doc, 5), Cells("EDGE|148,000|148,600|OFF|OFF|HIGH|ON|WIDE|OFF|W1EDG"));
    EXPECT_EQ(FmBank(*doc, 1).first(), QStringLiteral("100,1"));
    EXPECT_EQ(log, ExpectedLog);
}

TEST_F(TravelPlusImportTest, OptionsChooseTheNameAndWhetherFmStationsAreKept) {
    auto doc = EmptyDocument();
    ArmOptions([](frmTravelPlus& options) {
        options.Option3()->setChecked(true);  // name: Call Sign
        options.Option11()->setChecked(true); // notes: Sponsor
        options.Check1()->setChecked(false);
    });
    ArmLog();
    doc->TravelPlus(ListFile(QStringList{Header} + Repeaters));

    EXPECT_EQ(Memory(*doc, 1).value(0), QStringLiteral("W1ABC"));
    EXPECT_EQ(Memory(*doc, 1).value(9), QStringLiteral("Club A"));
    EXPECT_EQ(Memory(*doc, 2).value(0), QStringLiteral("N1XYZ"));
    EXPECT_EQ(Memory(*doc, 3).value(0), QStringLiteral("W1CED"));
    EXPECT_EQ(Memory(*doc, 5).value(0), QStringLiteral("W1EDG"));
    EXPECT_EQ(FmBank(*doc, 1).first(), QString());
    EXPECT_EQ(log, QStringLiteral("Warning - No standard shift direction available: 150\n"
                                  "You must manually set the TX frequency for memory #3\n"
                                  "FM broadcast frequency not imported: 100.1\n"
                                  "Cannot import frequency, not a valid number:abc\n"
                                  "Memory not imported - TX frequency outside of band limits: "
                                  "190\n"));
}

TEST_F(TravelPlusImportTest, TwentyStationsFillBothFmBanksAndUseNoMemory) {
    QStringList lines{Header};
    for (int mhz = 88; mhz <= 107; ++mhz)
        lines << QStringLiteral("%1,XX,YY,Air,Station,%2.0,,,,,").arg(mhz).arg(mhz);
    auto doc = EmptyDocument();
    ArmOptions();
    ArmLog();
    doc->TravelPlus(ListFile(lines));

    EXPECT_EQ(FmBank(*doc, 1), QString("88.0|89.0|90.0|91.0|92.0|93.0|94.0|95.0|96.0").split('|'));
    EXPECT_EQ(FmBank(*doc, 2),
              QString("97.0|98.0|99.0|100.0|101.0|102.0|103.0|104.0|105.0").split('|'));
    EXPECT_EQ(UsedRows(*doc), 0);
    EXPECT_EQ(log, QStringLiteral("FM Broadcast memories full. Frequency not imported: 106\n"
                                  "FM Broadcast memories full. Frequency not imported: 107\n"));
}

TEST_F(TravelPlusImportTest, AListThatRunsPastTheLastMemoryFillsItAndSaysSo) {
    auto doc = EmptyDocument();
    ArmOptions([](frmTravelPlus& options) {
        options.Frame2()->Option5()->setChecked(true);
        options.Frame2()->Text1()->setText(QStringLiteral("128"));
    });
    ArmLog();
    doc->TravelPlus(ListFile({Header, Repeaters.at(0), Repeaters.at(1)}));

    EXPECT_EQ(Memory(*doc, 128).value(0), QStringLiteral("OAKDAL"));
    EXPECT_EQ(UsedRows(*doc), 1);
    EXPECT_EQ(log, QStringLiteral("File data exceeded available memories.\n"));
}

TEST_F(TravelPlusImportTest, ABlankLineSkipsARowAndTheCurrentRowCanBeTheStart) {
    auto doc = EmptyDocument();
    doc->MSFlexGrid1(0)->setRow(40);
    ArmOptions([](frmTravelPlus& options) { options.Frame2()->Option7()->setChecked(true); });
    doc->TravelPlus(ListFile({Header, Repeaters.at(0), QString(), Repeaters.at(1)}));

    EXPECT_EQ(Memory(*doc, 40).value(0), QStringLiteral("OAKDAL"));
    EXPECT_EQ(Memory(*doc, 41), EmptyRow(41).mid(1));
    EXPECT_EQ(Memory(*doc, 42).value(0), QStringLiteral("PINE R"));
}

TEST_F(TravelPlusImportTest, ADoubtfulHeaderAsksOnceAndNoChangesNothing) {
    QString noSponsor = Header;
    noSponsor.chop(QStringLiteral(",Sponsor").size());
    QString callsign = Header;
    callsign.replace(QStringLiteral("Call Sign"), QStringLiteral("Callsign"));

    for (const QString& header : {noSponsor, callsign}) {
        auto doc = EmptyDocument();
        const QByteArray before = doc->GetBytArry();
        dialogs.answerMessage(platform::vbNo);
        doc->TravelPlus(ListFile(QStringList{header} + Repeaters));

        ExpectLastBox(dialogs, HeaderWarning(), QStringLiteral("Warning"), platform::vbExclamation,
                      platform::vbYesNo);
        EXPECT_EQ(UsedRows(*doc), 0);
        EXPECT_EQ(doc->GetBytArry(), before);
        EXPECT_EQ(dialogs.pending(), 0);
    }

    // Yes goes on; the Call Sign the header lacks reads the first field.
    auto doc = EmptyDocument();
    dialogs.answerMessage(platform::vbYes);
    ArmOptions([](frmTravelPlus& options) { options.Option3()->setChecked(true); });
    ArmLog();
    doc->TravelPlus(ListFile(QStringList{callsign} + Repeaters));
    EXPECT_EQ(Memory(*doc, 1).value(0), QStringLiteral("1"));
    EXPECT_EQ(dialogs.pending(), 0);
}

TEST_F(TravelPlusImportTest, AnErrorHalfWayPutsBothGridsBackAsTheUserLeftThem) {
    auto doc = EmptyDocument();
    platform::FlexGrid& grid = *doc->MSFlexGrid1(0);
    platform::FlexGrid& fm = *doc->MSFlexGrid1(3);
    // Edits not yet in the image.
    grid.setTextMatrix(2, 1, QStringLiteral("TYPED"));
    grid.setTextMatrix(2, 2, QStringLiteral("145.500"));
    fm.setTextMatrix(1, 1, QStringLiteral("99.9"));
    const QList<QStringList> memoriesBefore = [&] {
        QList<QStringList> rows;
        for (int r = 0; r < grid.rows(); ++r)
            rows << RowTexts(grid, r);
        return rows;
    }();
    const QList<QStringList> fmBefore = {FmBank(*doc, 1), FmBank(*doc, 2)};
    const QByteArray imageBefore = doc->GetBytArry();

    frmDocument::SetTravelPlusRowObserver([](int32_t row) {
        if (row == 4)
            throw platform::RuntimeError(platform::ErrOverflow);
    });
    ArmOptions();
    dialogs.answerMessage(platform::vbOK);
    doc->TravelPlus(ListFile({Header, Repeaters.at(3), Repeaters.at(0), Repeaters.at(1)}));
    frmDocument::SetTravelPlusRowObserver({});

    ExpectLastBox(dialogs, QStringLiteral("Error 6: Overflow"), QStringLiteral("Error"),
                  platform::vbExclamation);
    for (int r = 0; r < grid.rows(); ++r)
        EXPECT_EQ(RowTexts(grid, r), memoriesBefore.at(r)) << r;
    EXPECT_EQ((QList<QStringList>{FmBank(*doc, 1), FmBank(*doc, 2)}), fmBefore);
    EXPECT_EQ(doc->GetBytArry(), imageBefore);
}

TEST_F(TravelPlusImportTest, AMissingOrEmptyFileIsReportedAndChangesNothing) {
    auto doc = EmptyDocument();
    dialogs.answerMessage(platform::vbOK);
    doc->TravelPlus(tempPath(QStringLiteral("none.tpe")));
    EXPECT_TRUE(dialogs.messages().last().startsWith(QStringLiteral("Error 53: File not found")));

    dialogs.answerMessage(platform::vbOK);
    WriteFileBytes(tempPath(QStringLiteral("empty.tpe")), QByteArray());
    doc->TravelPlus(tempPath(QStringLiteral("empty.tpe")));
    ExpectLastBox(dialogs, QStringLiteral("Error 62: Input past end of file"),
                  QStringLiteral("Error"), platform::vbExclamation);
    EXPECT_EQ(UsedRows(*doc), 0);
}

// --- the options dialog ------------------------------------------------------

class TravelPlusOptionsTest : public ::testing::Test {
protected:
    // Shows the dialog; `drive` works it and closes it.
    void Run(const std::function<void(frmTravelPlus&)>& drive) {
        ScriptedResponder dialogs;
        dialogs.runModal([drive](QDialog& dialog) { drive(Options(dialog)); });
        frmTravelPlus options;
        platform::ExecModal(&options);
        EXPECT_EQ(dialogs.pending(), 0);
    }
    void TypeStart(frmTravelPlus& options, const QString& keys) {
        Click(options.Frame2()->Option5());
        ASSERT_TRUE(options.Frame2()->Text1()->takeFocus());
        options.Frame2()->Text1()->selectAll();
        QTest::keyClicks(options.Frame2()->Text1(), keys);
    }
};

TEST_F(TravelPlusOptionsTest, OkUnchangedGivesLocationCallSignLastEmptyAndFm) {
    ProgramValues& program = Program();
    program.TpeNameSource = 3;
    program.TpeNotesSource = 3;
    program.TpeStartRow = 5;
    program.TpeImportFM = false;
    Run([](frmTravelPlus& options) {
        EXPECT_EQ(options.windowTitle(), QStringLiteral("Import TPE"));
        EXPECT_EQ(options.Option1()->text(), QStringLiteral("Location (City)"));
        EXPECT_EQ(options.Option11()->text(), QStringLiteral("Sponsor"));
        EXPECT_EQ(options.Check1()->text(),
                  QStringLiteral("Import FM Broadcast frequencies to FM Broadcast memories"));
        EXPECT_EQ(options.Frame2()->title(), QStringLiteral("Import Starting At:"));
        EXPECT_EQ(CutCaptions(options), "");
        options.Command1()->click();
    });
    EXPECT_EQ(program.TpeNameSource, 0);
    EXPECT_EQ(program.TpeNotesSource, 2);
    EXPECT_EQ(program.TpeStartRow, 888);
    EXPECT_TRUE(program.TpeImportFM);
}

TEST_F(TravelPlusOptionsTest, TheCloseBoxStoresTheChoicesAsOkWould) {
    Run([](frmTravelPlus& options) {
        Click(options.Option2());
        Click(options.Frame2()->Option7());
        options.close();
    });
    EXPECT_EQ(Program().TpeNameSource, 1);
    EXPECT_EQ(Program().TpeStartRow, frmTravelPlus::AtCurrentRow);
}

TEST_F(TravelPlusOptionsTest, TheStartRowIsAMemoryHoweverItWasTypedOrPasted) {
    const std::pair<QString, int32_t> typed[] = {{"0", 1}, {"200", 128}, {"", 1}, {"57", 57}};
    for (const auto& [keys, row] : typed) {
        Run([this, keys = keys](frmTravelPlus& options) {
            TypeStart(options, keys);
            options.Command1()->click();
        });
        EXPECT_EQ(Program().TpeStartRow, row) << keys.toStdString();
    }
    for (const QString& pasted : {QStringLiteral("0.5"), QStringLiteral("-5")}) {
        Run([this, pasted](frmTravelPlus& options) {
            TypeStart(options, QString());
            options.Frame2()->Text1()->setText(pasted);
            options.close();
        });
        EXPECT_EQ(Program().TpeStartRow, 1) << pasted.toStdString();
    }
}
