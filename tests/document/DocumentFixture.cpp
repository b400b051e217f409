#include "DocumentFixture.h"

namespace {

struct Channel {
    int ch;
    const char* name;
    const char* rx;
    const char* tx;
    const char* decode;
    const char* encode;
    const char* power;
    const char* scan;
    const char* wn;
    const char* busy;
    const char* group;
};

// Repeaters, simplex and PMR-style channels as a ham would program them.
constexpr Channel kChannels[] = {
    {1, "GB3WH", "145.6", "145", "OFF", "118.8", "HIGH", "ON", "WIDE", "OFF", "Swindon rpt"},
    {2, "GB3BS", "145.7375", "145.1375", "OFF", "77", "HIGH", "ON", "WIDE", "ON", "Bristol"},
    {3, "S20", "145.5", "145.5", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Calling"},
    {4, "S22", "145.55", "145.55", "OFF", "OFF", "LOW", "OFF", "WIDE", "OFF", ""},
    {5, "GB3ZB", "433.0", "434.6", "71.9", "71.9", "HIGH", "ON", "NARR", "OFF", "70cm rpt"},
    {6, "GB7BS", "439.5375", "430.5375", "OFF", "OFF", "HIGH", "ON", "NARR", "ON", "DV gateway"},
    {7, "PMR1", "446.00625", "446.00625", "D023N", "D023N", "LOW", "ON", "NARR", "OFF", "PMR"},
    {8, "PMR2", "446.01875", "446.01875", "D754I", "D754I", "LOW", "ON", "NARR", "OFF", "PMR"},
    {9, "APRS", "144.8", "", "OFF", "OFF", "LOW", "OFF", "WIDE", "OFF", "RX only"},
    {10, "ISS", "145.8", "", "OFF", "OFF", "HIGH", "OFF", "WIDE", "OFF", "Downlink"},
    {12, "MARINE", "156.8", "", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Ch 16"},
    {15, "GB3NB", "145.6625", "145.0625", "OFF", "94.8", "HIGH", "ON", "WIDE", "OFF", "Norwich"},
    {20, "UHF S", "433.5", "433.5", "OFF", "OFF", "HIGH", "ON", "NARR", "OFF", "70cm call"},
    {21, "RAYNET", "144.775", "144.775", "127.3", "127.3", "HIGH", "ON", "WIDE", "ON", ""},
    {33, "AIR", "136.975", "", "OFF", "OFF", "LOW", "ON", "WIDE", "OFF", "Ops"},
    {64, "SAT UP", "435.3", "145.92", "OFF", "67", "HIGH", "OFF", "NARR", "OFF", "SO-50"},
    {100, "TEST", "440", "445", "D125N", "D125N", "LOW", "OFF", "WIDE", "ON", "Bench"},
    {127, "LAST1", "170.0", "170.0", "OFF", "OFF", "LOW", "ON", "NARR", "OFF", ""},
    {128, "LAST2", "470.0", "470.0", "OFF", "OFF", "LOW", "ON", "NARR", "OFF", "Top row"},
};

void ProgramChannels(clsVUROVA& image) {
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
        image.BlankMemory(ch);
    for (const Channel& c : kChannels) {
        image.setRXFrequency(c.ch, QString::fromLatin1(c.rx));
        image.setTXFrequency(c.ch, QString::fromLatin1(c.tx));
        image.setName(c.ch, QString::fromLatin1(c.name));
        image.setDecode(c.ch, QString::fromLatin1(c.decode));
        image.setEncode(c.ch, QString::fromLatin1(c.encode));
        image.setTXPower(c.ch, QString::fromLatin1(c.power));
        image.setScanAdd(c.ch, QString::fromLatin1(c.scan));
        image.setWN(c.ch, QString::fromLatin1(c.wn));
        image.setBusyLock(c.ch, QString::fromLatin1(c.busy));
        image.setGroup(c.ch, QString::fromLatin1(c.group));
    }
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

    image.setDisplayModeA(image.DisplayMode_OPT().value(1));
    image.setDisplayModeB(image.DisplayMode_OPT().value(2));
    image.setRXFrequency(clsVUROVA::VfoA, QStringLiteral("145.5"));
    image.setRXFrequency(clsVUROVA::VfoB, QStringLiteral("433.5"));
    image.setTXFrequency(clsVUROVA::VfoA, QStringLiteral("145.5"));
    image.setTXFrequency(clsVUROVA::VfoB, QStringLiteral("433.5"));
    image.setSquelchSettingA(image.SquelchSetting_OPT().value(3));
    image.setSquelchSettingB(image.SquelchSetting_OPT().value(5));
    image.setFrequencyStepA(image.FrequencyStep_OPT().value(2));
    image.setFrequencyStepB(image.FrequencyStep_OPT().value(4));
    image.setTXPower(clsVUROVA::VfoA, QStringLiteral("HIGH"));
    image.setTXPower(clsVUROVA::VfoB, QStringLiteral("LOW"));
    image.setEncode(clsVUROVA::VfoA, QStringLiteral("88.5"));
    image.setEncode(clsVUROVA::VfoB, QStringLiteral("OFF"));
    image.setDecode(clsVUROVA::VfoA, QStringLiteral("OFF"));
    image.setDecode(clsVUROVA::VfoB, QStringLiteral("D023N"));
    image.setWN(clsVUROVA::VfoA, QStringLiteral("WIDE"));
    image.setWN(clsVUROVA::VfoB, QStringLiteral("NARR"));
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
