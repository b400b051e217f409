#include "rules/TravelPlusFile.h"
#include "program/clsRadio.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

using namespace tpe;

namespace {

const QString Header = QStringLiteral(
    "Sequence Number,Country,State,Region,Location,Output Frequency,Input Frequency,Call Sign,"
    "Repeater Notes,CTCSS Tones,Sponsor");

LineOptions Options(Source name = Location, Source notes = CallSign,
                    const QString& header = Header) {
    LineOptions options;
    options.positions = PositionsOf(HeaderFields(header));
    options.nameSource = name;
    options.notesSource = notes;
    options.limits = FrequencyRules::BandLimits::FromTexts(
        {"136", "174", "400", "480", "136", "174", "400", "480"});
    options.allowedTagCharacters = clsRadio().AllowedTagCharacters();
    return options;
}

// "kind|entry|frequency|name|rx|tx|tone|notes|shift" for a compact comparison.
std::string Describe(const LineOutcome& o) {
    static const char* const kinds[] = {"NoComma", "Refused", "FmStation", "Memory"};
    const Repeater& m = o.memory;
    return QStringList{kinds[o.kind], o.entry, o.frequency,
                       m.name,        m.rx,    m.tx,
                       m.tone,        m.notes, o.noStandardShift ? "shift!" : ""}
        .join('|')
        .toStdString();
}

} // namespace

TEST(TravelPlusFile, FixTagMakesAMemoryNameOfSixAllowedCharacters) {
    const QString allowed = clsRadio().AllowedTagCharacters();
    const std::pair<const char*, const char*> cases[] = {
        {"w1abc/r", "W1ABC"},     {"Pine Ridge  East", "PINE R"},
        {"Cedar Falls", "CEDAR"}, {"", ""},
        {"  ab", "AB"},           {"a-b_c!", "A B C"},
        {"abcdefgh", "ABCDEF"},   {"?+9z", "?+9Z"},
        {"ab\tc", "AB C"},        {"ab    cdef", "AB"},
        {"\xe9t\xe9", "T"},       {"//////x", ""},
    };
    for (const auto& [name, tag] : cases)
        EXPECT_EQ(FixTag(QString::fromLatin1(name), allowed), QString::fromLatin1(tag)) << name;
}

TEST(TravelPlusFile, HeaderDoubtsCountAWrongFieldCountOnceAndEveryUnknownName) {
    QString noSponsor = Header;
    noSponsor.chop(QStringLiteral(",Sponsor").size());
    const std::pair<QString, int> cases[] = {
        {Header, 0},
        {'"' + QString(Header).replace(",", "\",\"") + '"', 0},
        {"  " + Header + "  ", 0},
        {"Sponsor,Country,State,Region,Location,Output Frequency,Input Frequency,Call Sign,"
         "Repeater Notes,CTCSS Tones,Sequence Number",
         0},
        {noSponsor, 1},
        {QString(Header).replace("Call Sign", "Callsign"), 1},
        {QString(Header).replace("Call Sign", "call sign"), 1},
        {QString(Header).replace(",Country", ", Country"), 1},
        {QString(noSponsor).replace("Region", "Regoin"), 2},
        {Header + ",", 2},
        {"", 1},
        {" \"\" ", 1},
    };
    for (const auto& [line, doubts] : cases)
        EXPECT_EQ(HeaderDoubts(HeaderFields(line)), doubts) << line.toStdString();
}

TEST(TravelPlusFile, PositionsFollowTheHeaderAndAMissingNameReadsTheFirstField) {
    const FieldPositions standard = PositionsOf(HeaderFields(Header));
    EXPECT_EQ(standard.of(Region), 3);
    EXPECT_EQ(standard.of(Sponsor), 10);
    EXPECT_EQ(standard.of(static_cast<Source>(7)), 4); // an unknown source reads Location

    const FieldPositions odd =
        PositionsOf(HeaderFields("\"Output Frequency\",Location,call sign,Location"));
    EXPECT_EQ(odd.outputFrequency, 0);
    EXPECT_EQ(odd.location, 3);
    EXPECT_EQ(odd.callSign, 0);
}

TEST(TravelPlusFile, SplitLinePadsProtectsQuotedCommasAndRefusesOddQuotes) {
    QStringList fields;
    ASSERT_TRUE(SplitLine("a,b", fields));
    EXPECT_EQ(fields.size(), 14);
    EXPECT_EQ(fields.mid(0, 3), (QStringList{"a", "b", ""}));

    ASSERT_TRUE(SplitLine("2,\"Pine Ridge, East\", x ,\"\",\"a,b\",\"c,d\"", fields));
    EXPECT_EQ(fields.mid(0, 6), (QStringList{"2", "Pine Ridge  East", "x", "", "a b", "c d"}));

    ASSERT_TRUE(SplitLine("\"b\"\"c\",\td", fields));
    EXPECT_EQ(fields.mid(0, 2), (QStringList{"bc", "\td"}));

    EXPECT_FALSE(SplitLine("1,\"Pine Ridge, East,442.000", fields));
}

TEST(TravelPlusFile, TransmitFrequencyFollowsTheStandardOffsetsWithInclusiveBands) {
    struct Case {
        double rx;
        const char* input;
        TransmitFrequency::Kind kind;
        double tx;
    };
    constexpr auto V = TransmitFrequency::Value;
    constexpr auto N = TransmitFrequency::NoStandardShift;
    constexpr auto E = TransmitFrequency::None;
    const Case cases[] = {
        {146.94, "-", V, 146.34}, {442.0, "+", V, 447.0},    {224.5, "-", V, 222.9},
        {148.0, "+", V, 148.6},   {144.0, "+", V, 144.6},    {143.99375, "+", N, 0},
        {150.0, "-", N, 0},       {220.0, "+", V, 221.6},    {225.0, "-", V, 223.4},
        {420.0, "-", V, 415.0},   {450.0, "+", V, 455.0},    {450.00625, "-", N, 0},
        {146.94, "", E, 0},       {146.94, "190", V, 190.0}, {146.94, "190.000", V, 190.0},
        {146.94, "x", E, 0},      {146.94, "146,34", E, 0},  {146.94, "++", E, 0},
    };
    for (const Case& c : cases) {
        const auto rx = static_cast<int64_t>(std::llround(c.rx * 100000));
        const TransmitFrequency tx = TransmitFrom(QString::fromLatin1(c.input), rx);
        EXPECT_EQ(tx.kind, c.kind) << c.rx << " " << c.input;
        EXPECT_DOUBLE_EQ(tx.mhz, c.tx) << c.rx << " " << c.input;
    }
}

TEST(TravelPlusFile, ReadLineTurnsRepeatersIntoMemoriesAndRefusesWhatCannotBeOne) {
    const LineOptions options = Options();
    const std::pair<const char*, const char*> cases[] = {
        {"1,XX,YY,Hills,Oakdale,146.940,-,w1abc/r,,100.0,Club A",
         "Memory||146.94|OAKDAL|146.940|146.340|100.0|w1abc/r|"},
        {"2,XX,YY,Hills,\"Pine Ridge, East\",442.000,+,N1XYZ,,\"\",",
         "Memory||442|PINE R|442.000|447.000||N1XYZ|"},
        {"3,XX,YY,Hills,Cedar Falls,150.000,-,W1CED,,,",
         "Memory||150|CEDAR|150.000|||W1CED|shift!"},
        {"3,XX,YY,Hills,Cedar,150.000,152.5,W1CED,,D023N,",
         "Memory||150|CEDAR|150.000|152.500|D023N|W1CED|"},
        {"3,XX,YY,Hills,Cedar,150.000,x,W1CED,,,", "Memory||150|CEDAR|150.000|||W1CED|"},
        {"4,XX,YY,Hills,Radio One,100.1,,,,,", "FmStation||100.1||||||"},
        {"4,XX,YY,Hills,Low,76,,,,,", "FmStation||76||||||"},
        {"4,XX,YY,Hills,High,108.000,,,,,", "FmStation||108||||||"},
        {"4,XX,YY,Hills,Above,108.1,,,,,",
         "Refused|Memory not imported - RX frequency outside of band limits: 108.1\r\n|||||||"},
        {"5,XX,YY,Hills,Bad,abc,,,,,",
         "Refused|Cannot import frequency, not a valid number:abc\r\n|||||||"},
        {"5,XX,YY,Hills,Comma,\"146,52\",,,,,",
         "Refused|Cannot import frequency, not a valid number:146 52\r\n|||||||"},
        {"6,XX,YY,Hills,Step,146.5225,,,,,",
         "Refused|Memory not imported - RX frequency uses unsupported step size: 146.5225\r\n|||"
         "||||"},
        {"7,XX,YY,Hills,Far,146.520,190,W1FAR,,,",
         "Refused|Memory not imported - TX frequency outside of band limits: 190\r\n|||||||"},
        {"8,XX,YY,Hills,Edge,148.000,+,W1EDG,,,", "Memory||148|EDGE|148.000|148.600||W1EDG|"},
        {"9,\"XX,Hills",
         "Refused|Memory not imported - invalid quotes: 9,\"XX,Hills,,,,,,,,,,,,\r\n|||"
         "||||"},
        {"", "NoComma||||||||"},
        {"no comma here", "NoComma||||||||"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(Describe(ReadLine(QString::fromLatin1(line), options)), expected) << line;
}

TEST(TravelPlusFile, ReadLineTakesNameAndNotesFromTheChosenFields) {
    const QString line = QStringLiteral("1,XX,YY,Hills,Oakdale,146.940,-,w1abc/r,,100.0,Club A");
    const LineOutcome byCall = ReadLine(line, Options(CallSign, Sponsor));
    EXPECT_EQ(byCall.memory.name, "W1ABC");
    EXPECT_EQ(byCall.memory.notes, "Club A");
    const LineOutcome byRegion = ReadLine(line, Options(Region, Region));
    EXPECT_EQ(byRegion.memory.name, "HILLS");
    EXPECT_EQ(byRegion.memory.notes, "Hills");

    // A header without Call Sign: the call-sign source reads the first field.
    QString header = Header;
    header.replace("Call Sign", "Callsign");
    EXPECT_EQ(ReadLine(line, Options(CallSign, CallSign, header)).memory.name, "1");
}

TEST(TravelPlusFile, UnderADecimalCommaTheListStillReadsPointsAndHandsOnLocaleTexts) {
    LocaleGuard comma(CommaLocale());
    const LineOptions options = Options();
    EXPECT_EQ(Describe(ReadLine("1,XX,YY,Hills,Oakdale,146.940,-,w1abc/r,,100.0,Club A", options)),
              "Memory||146,94|OAKDAL|146,940|146,340|100,0|w1abc/r|");
    EXPECT_EQ(Describe(ReadLine("4,XX,YY,Hills,Radio One,100.1,,,,,", options)),
              "FmStation||100,1||||||");
    EXPECT_EQ(Describe(ReadLine("7,XX,YY,Hills,Far,146.520,190.000,W1FAR,,,", options)),
              "Refused|Memory not imported - TX frequency outside of band limits: 190\r\n|||||||");
    // The transmit test judges the value, not its leading whole megahertz.
    EXPECT_EQ(ReadLine("7,XX,YY,Hills,Top,470.000,480.999,W1TOP,,,", options).kind,
              LineOutcome::Refused);
    EXPECT_EQ(Describe(ReadLine("9,XX,YY,Hills,Half,150.000,+,W1HLF,,,", options)),
              "Memory||150|HALF|150,000|||W1HLF|shift!");
}

TEST(TravelPlusFile, TheShiftWarningIsOneEntryOfTwoLines) {
    EXPECT_EQ(NoStandardShiftEntry("150", 3),
              "Warning - No standard shift direction available: 150\r\n"
              "You must manually set the TX frequency for memory #3\r\n");
}
