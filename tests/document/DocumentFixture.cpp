#include "DocumentFixture.h"

#include <iterator>

namespace {

// Per-channel setters in the order a channel is programmed: RX first, as it
// puts the channel in use.
using FieldSetter = void (clsVUROVA::*)(int, const QString&);
constexpr FieldSetter kFields[] = {&clsVUROVA::setRXFrequency, &clsVUROVA::setTXFrequency,
                                   &clsVUROVA::setName,        &clsVUROVA::setDecode,
                                   &clsVUROVA::setEncode,      &clsVUROVA::setTXPower,
                                   &clsVUROVA::setScanAdd,     &clsVUROVA::setWN,
                                   &clsVUROVA::setBusyLock,    &clsVUROVA::setGroup};

struct Channel {
    int ch;
    const char* field[std::size(kFields)]; // nullptr: not set
};

void Program(clsVUROVA& image, const Channel& c) {
    for (size_t k = 0; k < std::size(kFields); ++k) {
        if (c.field[k])
            (image.*kFields[k])(c.ch, QString::fromLatin1(c.field[k]));
    }
}

// Repeaters, simplex and PMR-style channels as a ham would program them.
// clang-format off
constexpr Channel kChannels[] = {
    {1, {"145.6", "145", "GB3WH", "OFF", "118.8", "HIGH", "ON", "WIDE", "OFF", "Swindon rpt"}},
    {2, {"145.7375", "145.1375", "GB3BS", "OFF", "77", "HIGH", "ON", "WIDE", "ON", "Bristol"}},
    {3, {"145.5", "145.5", "S20", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Calling"}},
    {4, {"145.55", "145.55", "S22", "OFF", "OFF", "LOW", "OFF", "WIDE", "OFF", ""}},
    {5, {"433.0", "434.6", "GB3ZB", "71.9", "71.9", "HIGH", "ON", "NARR", "OFF", "70cm rpt"}},
    {6, {"439.5375", "430.5375", "GB7BS", "OFF", "OFF", "HIGH", "ON", "NARR", "ON", "DV gateway"}},
    {7, {"446.00625", "446.00625", "PMR1", "D023N", "D023N", "LOW", "ON", "NARR", "OFF", "PMR"}},
    {8, {"446.01875", "446.01875", "PMR2", "D754I", "D754I", "LOW", "ON", "NARR", "OFF", "PMR"}},
    {9, {"144.8", "", "APRS", "OFF", "OFF", "LOW", "OFF", "WIDE", "OFF", "RX only"}},
    {10, {"145.8", "", "ISS", "OFF", "OFF", "HIGH", "OFF", "WIDE", "OFF", "Downlink"}},
    {12, {"156.8", "", "MARINE", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Ch 16"}},
    {15, {"145.6625", "145.0625", "GB3NB", "OFF", "94.8", "HIGH", "ON", "WIDE", "OFF", "Norwich"}},
    {20, {"433.5", "433.5", "UHF S", "OFF", "OFF", "HIGH", "ON", "NARR", "OFF", "70cm call"}},
    {21, {"144.775", "144.775", "RAYNET", "127.3", "127.3", "HIGH", "ON", "WIDE", "ON", ""}},
    {33, {"136.975", "", "AIR", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Ops"}},
    {64, {"435.3", "145.92", "SAT UP", "OFF", "67", "HIGH", "OFF", "NARR", "OFF", "SO-50"}},
    {100, {"440", "445", "TEST", "D125N", "D125N", "LOW", "OFF", "WIDE", "ON", "Bench"}},
    {127, {"170.0", "170.0", "LAST1", "OFF", "OFF", "LOW", "ON", "NARR", "OFF", ""}},
    {128, {"470.0", "470.0", "LAST2", "OFF", "OFF", "LOW", "ON", "NARR", "OFF", "Top row"}},
};
constexpr Channel kVfos[] = {
    {clsVUROVA::VfoA, {"145.5", "145.5", nullptr, "OFF", "88.5", "HIGH", nullptr, "WIDE"}},
    {clsVUROVA::VfoB, {"433.5", "433.5", nullptr, "D023N", "OFF", "LOW", nullptr, "NARR"}},
};
// clang-format on

void ProgramChannels(clsVUROVA& image) {
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
        image.BlankMemory(ch);
    for (const Channel& c : kChannels)
        Program(image, c);
    const char* limits[8] = {"136", "174", "400", "480", "136", "174", "400", "480"};
    for (int i = 0; i < 8; ++i)
        image.setBandLimit(i, QString::fromLatin1(limits[i]));
}

void ProgramSettings(clsVUROVA& image) {
    image.setBatterySave(image.BatterySave_OPT().value(1));
    image.setRogerBeep(image.RogerBeep_OPT().value(1));
    image.setTOT(image.TOT_OPT().value(3));
    image.setVOX(image.VOX_OPT().value(2));
    image.setVoicePrompt(image.VoicePrompt_OPT().value(1));
    image.setTOTAlarm(image.TOTAlarm_OPT().value(2));
    image.setBeep(image.Beep_OPT().value(1));
    image.setPowerOnDisplay(image.PowerOnDisplay_OPT().value(1));
    image.setScanMode(image.ScanMode_OPT().value(1));
    image.setSideKey(image.SideKey_OPT().value(1));
    image.setBacklight(image.Backlight_OPT().value(1));
    image.setPriorityChannel(QStringLiteral("3"));
    image.setANITransmit(image.ANITransmit_OPT().value(1));
    image.setANIDelay(image.ANIDelay_OPT().value(2));
    image.setANI_ID(QStringLiteral("12345"));
    image.setSideTone(image.SideTone_OPT().value(1));
    image.setModePassword(QStringLiteral("000000"));
    image.setResetPassword(QStringLiteral("123456"));
    image.setMenu(image.Menu_OPT().value(1));
    image.setPowerUpMsgLine1(QStringLiteral("M0ABC "));
    image.setPowerUpMsgLine2(QStringLiteral("KG-UV "));
    image.setSingleReceiveMsg(QStringLiteral("HELLO "));
    image.setDualReceive(QStringLiteral("ON"));
    image.setCurrentVFO(QStringLiteral("VFO A"));

    for (const Channel& vfo : kVfos)
        Program(image, vfo);
    image.setDisplayModeA(image.DisplayMode_OPT().value(1));
    image.setDisplayModeB(image.DisplayMode_OPT().value(2));
    image.setSquelchSettingA(image.SquelchSetting_OPT().value(3));
    image.setSquelchSettingB(image.SquelchSetting_OPT().value(5));
    image.setFrequencyStepA(image.FrequencyStep_OPT().value(2));
    image.setFrequencyStepB(image.FrequencyStep_OPT().value(4));
    image.setShiftDirectionA(image.ShiftDirection_OPT().value(1));
    image.setShiftDirectionB(image.ShiftDirection_OPT().value(0));
    image.setShiftFrequencyA(QStringLiteral("0.60"));
    image.setShiftFrequencyB(QStringLiteral("7.60"));
    image.setStartChannelA(QStringLiteral("1"));
    image.setStartChannelB(QStringLiteral("5"));

    const char* fm[2][9] = {{"88.6", "90.8", "93", "98.5", "", "", "", "", ""},
                            {"100.4", "104.3", "107.9", "", "", "", "", "", ""}};
    for (int bank = 1; bank <= 2; ++bank)
        for (int entry = 1; entry <= 9; ++entry)
            image.setFMBroadcast(bank, entry, QString::fromLatin1(fm[bank - 1][entry - 1]));
}

} // namespace

clsVUROVA RealisticImage() {
    clsVUROVA image;
    ProgramChannels(image);
    ProgramSettings(image);
    return image;
}

QByteArray ErasedRadioBytes() {
    clsVUROVA image;
    QByteArray erased(clsVUROVA::ImageSize, '\0');
    erased.fill('\xFF', clsVUROVA::RadioSize);
    image.Sbyt(erased);
    ProgramChannels(image);
    return image.GetBytArry().left(clsVUROVA::ImageSize);
}

std::unique_ptr<frmDocument> DocumentTest::NewDocument() {
    auto doc = std::make_unique<frmDocument>();
    doc->setCaption(QStringLiteral("KG-UV File 1"));
    doc->show();
    return doc;
}

std::unique_ptr<frmDocument> DocumentTest::OpenedDocument() {
    auto doc = NewDocument();
    EXPECT_TRUE(doc->OpenFile(RealisticFile()));
    return doc;
}

QString DocumentTest::RealisticFile() {
    const QString path = tempPath(QStringLiteral("radio.uvd"));
    RealisticImage().SaveFile(path);
    return path;
}

QStringList RowTexts(const platform::FlexGrid& grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid.cols(); ++c)
        texts << grid.textMatrix(row, c);
    return texts;
}

QStringList ColumnTexts(const platform::FlexGrid& grid, int col, int firstRow) {
    QStringList texts;
    for (int r = firstRow; r < grid.rows(); ++r)
        texts << grid.textMatrix(r, col);
    return texts;
}

QList<int> Widths(const platform::FlexGrid& grid) {
    QList<int> widths;
    for (int c = 0; c < grid.cols(); ++c)
        widths << grid.colWidth(c);
    return widths;
}

QStringList EmptyRow(int row) {
    QStringList cells(11);
    cells[0] = QString::number(row);
    return cells;
}

void ExpectLastBox(const ScriptedResponder& dialogs, const QString& text, const QString& title,
                   int icon, int buttons) {
    ASSERT_FALSE(dialogs.shown().isEmpty());
    const platform::DialogCall& box = dialogs.shown().last();
    EXPECT_EQ(box.kind, platform::DialogKind::Message);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.icon, icon);
    if (buttons >= 0) {
        EXPECT_EQ(box.buttons, buttons);
    }
}

void Select(platform::FlexGrid& grid, int row, int col, int rowSel, int colSel) {
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
}
