#include "document/FrequencyRules.h"
#include "program/ProgramValues.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <iterator>

using namespace FrequencyRules;

namespace {

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

const QLocale kComma(QLocale::German, QLocale::Germany);

BandLimits Limits(const char* rx1lo, const char* rx1hi, const char* rx2lo, const char* rx2hi,
                  const char* tx1lo, const char* tx1hi, const char* tx2lo, const char* tx2hi) {
    return BandLimits::FromTexts({rx1lo, rx1hi, rx2lo, rx2hi, tx1lo, tx1hi, tx2lo, tx2hi});
}

const BandLimits kStd = Limits("136", "174", "400", "480", "136", "174", "400", "480");
const BandLimits kSplitTX = Limits("136", "174", "400", "480", "144", "148", "430", "440");
// Band 2 below band 1: the corrections must not assume an order.
const BandLimits kReversed = Limits("400", "480", "136", "174", "400", "480", "136", "174");
const BandLimits kHalfBroken = Limits("", "174", "400", "480", "136", "174", "400", "480");

enum class Op { RX, TX, VFO, FM, Step, Shift, InRX, InTX, DocRX, DocTX };
// Both: as written under ".", and with every "." turned into "," under ",".
enum class Loc { Both, Point, Comma };

struct Case {
    Loc loc;
    const BandLimits* limits;
    const char* format;
    Op op;
    const char* input;
    const char* expected;
};

const char* const Sig = "##0.000##";
const char* const Five = "##0.00000";

QString Bool(bool value) {
    return value ? "true" : "false";
}

QString Apply(const Case& c, QString input) {
    Program().FrequencyFormat = QString::fromLatin1(c.format);
    const BandLimits& limits = *c.limits;
    switch (c.op) {
    case Op::RX:
        return ValidateRXFreq(input, limits);
    case Op::TX:
        return ValidateTXFreq(input, limits);
    case Op::VFO:
        return ValidateVFOFreq(input, limits);
    case Op::FM:
        return ValidateFMFreq(input);
    case Op::Step: {
        const bool valid = IsFreqStepValid(input);
        return (valid ? "valid " : "invalid ") + input;
    }
    case Op::Shift:
        return AutoShiftTXFreq(input).value_or("(unchanged)");
    case Op::InRX:
        return Bool(IsFreqInRXBandLimits(input, limits));
    case Op::InTX:
        return Bool(IsFreqInTXBandLimits(input, limits));
    case Op::DocRX:
        return Bool(PassesRXBandLimits(input, limits));
    case Op::DocTX:
        return Bool(PassesTXBandLimits(input, limits));
    }
    return {};
}

// clang-format off
const Case kCases[] = {
    // Raster snapping and format.
    {Loc::Both, &kStd, Sig, Op::RX, "145.5", "145.500"},
    {Loc::Both, &kStd, Sig, Op::RX, "145.50625", "145.50625"},
    {Loc::Both, &kStd, Sig, Op::RX, "145.503", "145.500"},
    {Loc::Both, &kStd, Sig, Op::RX, "145.5123", "145.510"},
    {Loc::Both, &kStd, Sig, Op::RX, " 146.52 ", "146.520"},
    {Loc::Both, &kStd, Five, Op::RX, "146.52", "146.52000"},
    {Loc::Both, &kStd, Five, Op::RX, "145.50625", "145.50625"},
    {Loc::Both, &kStd, Five, Op::RX, "145.503", "145.50000"},
    // Halves of 10 Hz go to the even unit: 14550624.5 -> ...24 (off raster),
    // 14550625.5 -> ...26 (off raster); both snap down to 145.505.
    {Loc::Both, &kStd, Sig, Op::RX, "145.506245", "145.505"},
    {Loc::Both, &kStd, Sig, Op::RX, "145.506255", "145.505"},
    // The result is the snapped value, never the typed one reformatted
    // (which would print 145.50001 and 145.50501, both off the raster).
    {Loc::Both, &kStd, Sig, Op::RX, "145.503005", "145.500"},
    {Loc::Both, &kStd, Sig, Op::RX, "145.505005", "145.505"},
    // Band edges: both belong to the band; the upper one is high + 0.995.
    {Loc::Both, &kStd, Sig, Op::RX, "174.995", "174.995"},
    {Loc::Both, &kStd, Sig, Op::RX, "174.999", "174.995"},
    {Loc::Both, &kStd, Five, Op::RX, "174.999", "174.99500"},
    {Loc::Both, &kStd, Sig, Op::RX, "174.99501", "174.995"},
    {Loc::Both, &kStd, Sig, Op::RX, "136", "136.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "135.99999", "136.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "100", "136.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "-5", "136.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "500", "480.995"},
    {Loc::Both, &kStd, Sig, Op::RX, "300", "400.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "200", "174.995"},
    // Midway between 174.995 and 400 a tie goes to the higher band's low edge.
    {Loc::Both, &kStd, Sig, Op::RX, "287.4975", "400.000"},
    {Loc::Both, &kStd, Sig, Op::RX, "287.49749", "174.995"},
    {Loc::Both, &kReversed, Sig, Op::RX, "100", "136.000"},
    {Loc::Both, &kReversed, Sig, Op::RX, "500", "480.995"},
    {Loc::Both, &kReversed, Sig, Op::RX, "287.4975", "400.000"},
    {Loc::Both, &kReversed, Sig, Op::RX, "200", "174.995"},
    {Loc::Both, &kReversed, Sig, Op::RX, "450", "450.000"},
    // A band with an unreadable limit is no target.
    {Loc::Both, &kHalfBroken, Sig, Op::RX, "145", "400.000"},
    {Loc::Both, &kHalfBroken, Sig, Op::InRX, "145", "false"},
    // Not a number.
    {Loc::Both, &kStd, Sig, Op::RX, "", ""},
    {Loc::Both, &kStd, Sig, Op::RX, "abc", ""},
    {Loc::Both, &kStd, Sig, Op::RX, "145.5.5", ""},
    {Loc::Both, &kStd, Sig, Op::TX, "", ""},
    {Loc::Both, &kStd, Sig, Op::TX, "abc", ""},
    {Loc::Both, &kStd, Sig, Op::TX, "145.5.5", ""},
    {Loc::Point, &kStd, Sig, Op::RX, "145,5", ""},
    {Loc::Comma, &kStd, Sig, Op::RX, "145.5", ""},
    {Loc::Comma, &kStd, Sig, Op::RX, "1.450,5", ""},
    // Transmit limits apart from the receive limits.
    {Loc::Both, &kSplitTX, Sig, Op::TX, "150", "148.995"},
    {Loc::Both, &kSplitTX, Sig, Op::RX, "150", "150.000"},
    {Loc::Both, &kSplitTX, Sig, Op::TX, "300", "430.000"},
    {Loc::Both, &kSplitTX, Sig, Op::TX, "420.000", "430.000"},
    {Loc::Both, &kSplitTX, Sig, Op::TX, "145.50625", "145.50625"},
    // VFO: empty is 0, which lies below both bands.
    {Loc::Both, &kStd, Sig, Op::VFO, "", "136.000"},
    {Loc::Both, &kStd, Sig, Op::VFO, "abc", ""},
    {Loc::Both, &kStd, Sig, Op::VFO, "500", "480.995"},
    {Loc::Both, &kStd, Five, Op::VFO, "446", "446.00000"},
    // FM broadcast: leading number in the locale, clamped, "00.0".
    {Loc::Both, &kStd, Sig, Op::FM, "", ""},
    {Loc::Both, &kStd, Sig, Op::FM, "120", "108.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "50", "76.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "76", "76.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "88.5", "88.5"},
    {Loc::Both, &kStd, Sig, Op::FM, "88.25", "88.3"},
    {Loc::Both, &kStd, Sig, Op::FM, "108", "108.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "108.04", "108.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "75.99", "76.0"},
    {Loc::Both, &kStd, Sig, Op::FM, "abc", "76.0"},
    {Loc::Point, &kStd, Sig, Op::FM, "88.5 MHz", "88.5"},
    {Loc::Point, &kStd, Sig, Op::FM, "88,5", "88.0"},
    {Loc::Comma, &kStd, Sig, Op::FM, "88.5", "88,0"},
    // Raster test with its rewrite.
    {Loc::Both, &kStd, Sig, Op::Step, "", "valid "},
    {Loc::Both, &kStd, Sig, Op::Step, "145.50625", "valid 145.50625"},
    {Loc::Both, &kStd, Sig, Op::Step, "145.505", "valid 145.505"},
    {Loc::Both, &kStd, Sig, Op::Step, "145.503", "invalid 145.503"},
    {Loc::Both, &kStd, Sig, Op::Step, "145.50000", "valid 145.5"},
    {Loc::Both, &kStd, Sig, Op::Step, " 0146.520 ", "valid 146.52"},
    {Loc::Both, &kStd, Sig, Op::Step, "145.506245", "invalid 145.506245"},
    {Loc::Both, &kStd, Sig, Op::Step, "145.505005", "valid 145.505005"},
    {Loc::Both, &kStd, Sig, Op::Step, "abc", "invalid abc"},
    // Automatic shift: the ranges' ends.
    {Loc::Both, &kStd, Sig, Op::Shift, "145.300", "144.700"},
    {Loc::Both, &kStd, Sig, Op::Shift, "145.1", "144.500"},
    {Loc::Both, &kStd, Sig, Op::Shift, "145.099", "145.099"},
    {Loc::Both, &kStd, Sig, Op::Shift, "145.49999", "144.89999"},
    {Loc::Both, &kStd, Sig, Op::Shift, "145.500", "145.500"},
    {Loc::Both, &kStd, Sig, Op::Shift, "146.0", "146.600"},
    {Loc::Both, &kStd, Sig, Op::Shift, "146.4", "146.400"},
    {Loc::Both, &kStd, Sig, Op::Shift, "146.6", "146.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "146.999", "146.399"},
    {Loc::Both, &kStd, Sig, Op::Shift, "147.000", "147.600"},
    {Loc::Both, &kStd, Sig, Op::Shift, "147.4", "147.400"},
    {Loc::Both, &kStd, Sig, Op::Shift, "147.6", "147.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "148", "148.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "223.92", "222.320"},
    {Loc::Both, &kStd, Sig, Op::Shift, "224.980", "223.380"},
    {Loc::Both, &kStd, Sig, Op::Shift, "224.98001", "224.98001"},
    {Loc::Both, &kStd, Sig, Op::Shift, "440.000", "440.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "440.00001", "445.00001"},
    {Loc::Both, &kStd, Sig, Op::Shift, "442.000", "447.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "445.000", "445.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "449.000", "444.000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "450.000", "450.000"},
    {Loc::Both, &kStd, Five, Op::Shift, "442", "447.00000"},
    {Loc::Both, &kStd, Sig, Op::Shift, "abc", "(unchanged)"},
    // Editors' band tests: high + 0.995 is the last frequency in.
    {Loc::Both, &kStd, Sig, Op::InRX, "174.995", "true"},
    {Loc::Both, &kStd, Sig, Op::InRX, "174.99501", "false"},
    {Loc::Both, &kStd, Sig, Op::InRX, "136", "true"},
    {Loc::Both, &kStd, Sig, Op::InRX, "135.99999", "false"},
    {Loc::Both, &kStd, Sig, Op::InRX, "450", "true"},
    {Loc::Both, &kStd, Sig, Op::InRX, "abc", "false"},
    {Loc::Point, &kSplitTX, Sig, Op::InTX, "148.995", "true"},
    {Loc::Point, &kSplitTX, Sig, Op::InTX, "148.999", "false"},
    {Loc::Point, &kSplitTX, Sig, Op::InTX, "430", "true"},
    {Loc::Point, &kSplitTX, Sig, Op::InTX, "429.995", "false"},
    {Loc::Point, &kSplitTX, Sig, Op::InTX, "", "false"},
    // The TX test reads its leading number with ".": "148,999" is 148.
    {Loc::Comma, &kSplitTX, Sig, Op::InTX, "148,999", "true"},
    // Whole-document checks: the whole top megahertz is in, high + 1 is out.
    {Loc::Point, &kStd, Sig, Op::DocRX, "174.995", "true"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "174.999", "true"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "175", "false"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "136.000", "true"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "135.995", "false"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "480.5", "true"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "", "false"},
    {Loc::Point, &kStd, Sig, Op::DocRX, "145.5 MHz", "true"},
    {Loc::Point, &kSplitTX, Sig, Op::DocTX, "148.999", "true"},
    {Loc::Point, &kSplitTX, Sig, Op::DocTX, "149", "false"},
    {Loc::Point, &kSplitTX, Sig, Op::DocTX, "435", "true"},
    {Loc::Comma, &kStd, Sig, Op::DocRX, "174,995", "true"},
    {Loc::Comma, &kStd, Sig, Op::DocRX, "135,995", "false"},
    {Loc::Point, &kHalfBroken, Sig, Op::DocRX, "150", "false"},
};
// clang-format on

QString ToComma(const char* text) {
    return QString::fromLatin1(text).replace('.', ',');
}

TEST(FrequencyRules, CorrectsTypedTextsUnderBothLocales) {
    int index = 0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "case " << index++ << " input '" << c.input << "'");
        if (c.loc != Loc::Comma) {
            SCOPED_TRACE("\".\" locale");
            EXPECT_EQ(Apply(c, c.input), c.expected);
        }
        if (c.loc != Loc::Point) {
            SCOPED_TRACE("\",\" locale");
            LocaleGuard comma(kComma);
            const bool asWritten = c.loc == Loc::Comma;
            EXPECT_EQ(Apply(c, asWritten ? QString(c.input) : ToComma(c.input)),
                      asWritten ? QString(c.expected) : ToComma(c.expected));
        }
    }
}

TEST(FrequencyRules, VfoValidatorTurnsAnEmptyArgumentIntoZero) {
    QString text;
    EXPECT_EQ(ValidateVFOFreq(text, kStd), "136.000");
    EXPECT_EQ(text, "0");
    QString typed = "145.5";
    ValidateVFOFreq(typed, kStd);
    EXPECT_EQ(typed, "145.5");
}

TEST(FrequencyRules, BandLimitTextsAreWholeDecimalNumbers) {
    const BandLimits limits =
        BandLimits::FromTexts({" 136 ", "0174", "", "13a", "1.5", "-5", "1234567890", "9999"});
    EXPECT_EQ(limits.value[0], 136);
    EXPECT_EQ(limits.value[1], 174);
    for (int i = 2; i <= 6; ++i)
        EXPECT_FALSE(limits.value[i].has_value()) << i;
    EXPECT_EQ(limits.value[7], 9999);
    const BandLimits shortList = BandLimits::FromTexts({"136", "174"});
    EXPECT_FALSE(shortList.value[2].has_value());
    EXPECT_FALSE(shortList.value[7].has_value());
}

TEST(FrequencyRules, NewRowDefaultsAndTheFilledTest) {
    const auto defaults = RowDefaults("420.000", kSplitTX);
    const std::pair<int, QString> expected[] = {
        {ColTXFreq, "430.000"}, {ColDecode, "OFF"}, {ColEncode, "OFF"},  {ColTXPwr, "HIGH"},
        {ColScan, "ON"},        {ColTXDev, "WIDE"}, {ColBusyLck, "OFF"},
    };
    ASSERT_EQ(defaults.size(), std::size(expected));
    for (size_t i = 0; i < defaults.size(); ++i) {
        EXPECT_EQ(defaults[i].logicalColumn, expected[i].first) << i;
        EXPECT_EQ(defaults[i].text, expected[i].second) << i;
    }
    EXPECT_EQ(RowDefaults("abc", kStd)[0].text, "");

    QString cells[11] = {"", "", "145.500", "145.500", "OFF", "OFF", "HIGH", "ON", "WIDE", ""};
    const auto row = [&](int k) { return cells[k]; };
    EXPECT_FALSE(IsRowFilled(row)); // Busy Lck empty
    cells[ColBusyLck] = " ";
    EXPECT_TRUE(IsRowFilled(row)); // a blank counts; Name and Notes do not matter
    cells[ColTXFreq] = "";
    EXPECT_FALSE(IsRowFilled(row));
}

TEST(FrequencyRules, ChannelCheckListsEachFailingUsedChannelOnce) {
    std::vector<ChannelFreqs> rows;
    for (int ch = 1; ch <= 40; ++ch)
        rows.push_back({ch, "146.520", "146.520"});
    rows[4].rx = "175.000";          // 5: RX above band 1 by the whole top megahertz
    rows[16].tx = "100";             // 17: TX out
    rows[32] = {33, "50", "600"};    // 33: both out, listed once
    rows[1] = {2, "", "999"};        // unused: skipped whatever its TX says
    rows[2] = {3, "   ", "999"};     // blanks only: unused too
    rows[3] = {4, "450.000", ""};    // band 2; blank TX reads 0 and is not tested
    rows[5] = {6, "174.999", "0"};   // top megahertz; TX 0 is not tested
    rows[6] = {7, "136", "135.995"}; // TX just below band 1
    const BandLimitOutcome outcome = CheckChannels(rows, kStd);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.report, "5,7,17,33,");

    rows[4].rx = rows[16].tx = rows[32].rx = rows[32].tx = rows[6].tx = "145.000";
    const BandLimitOutcome clean = CheckChannels(rows, kStd);
    EXPECT_TRUE(clean.ok);
    EXPECT_EQ(clean.report, "");

    LocaleGuard comma(kComma);
    EXPECT_TRUE(CheckChannels({{1, "174,995", "174,995"}}, kStd).ok);
}

TEST(FrequencyRules, VfoCheckPutsDefaultsIntoOutOfBandVfos) {
    EXPECT_EQ(ValidateVFO(VfoA, "50.000", kStd).text, "136.025");
    EXPECT_FALSE(ValidateVFO(VfoA, "50.000", kStd).ok);
    EXPECT_EQ(ValidateVFO(VfoB, "520.000", kStd).text, "400.025");
    EXPECT_EQ(ValidateVFO(VfoB, "", kStd).text, "400.025");
    const VfoOutcome inside = ValidateVFO(VfoB, "446.000", kStd);
    EXPECT_TRUE(inside.ok);
    EXPECT_EQ(inside.text, "446.000");
    EXPECT_TRUE(ValidateVFO(VfoA, "174.999", kStd).ok);

    Program().FrequencyFormat = FormatFiveDecimals;
    EXPECT_EQ(ValidateVFO(VfoA, "50.000", kStd).text, "136.02500");

    // A receive band starting at 0 admits the empty cell.
    const BandLimits fromZero = Limits("0", "10", "400", "480", "0", "10", "400", "480");
    EXPECT_TRUE(ValidateVFO(VfoA, "", fromZero).ok);
    // Without a readable low limit there is no default to put in.
    const VfoOutcome broken = ValidateVFO(VfoA, "50.000", kHalfBroken);
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.text, "50.000");

    LocaleGuard comma(kComma);
    Program().FrequencyFormat = FormatSignificantDigits;
    EXPECT_EQ(ValidateVFO(VfoA, "50,000", kStd).text, "136,025");
}

} // namespace
