#include "rules/FrequencyRules.h"
#include "program/ProgramValues.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

using namespace FrequencyRules;

namespace {

const QLocale kComma = CommaLocale();

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

// Texts typed into a cell and the corrected text, grouped by what corrects them.
struct Group {
    Loc loc;
    const BandLimits* limits;
    const char* format;
    Op op;
    std::vector<std::pair<const char*, const char*>> cases;
};

const char* const Sig = "##0.000##";
const char* const Five = "##0.00000";

QString Bool(bool value) {
    return value ? "true" : "false";
}

QString Apply(const Group& g, QString input) {
    Program().FrequencyFormat = QString::fromLatin1(g.format);
    const BandLimits& limits = *g.limits;
    switch (g.op) {
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
const Group kGroups[] = {
    // Raster snapping and format.
    {Loc::Both, &kStd, Sig, Op::RX,
     {{"145.5", "145.500"}, {"145.50625", "145.50625"}, {"145.503", "145.500"},
      {"145.5123", "145.510"}, {" 146.52 ", "146.520"},
      // Halves of 10 Hz go to the even unit: 14550624.5 -> ...24 (off raster),
      // 14550625.5 -> ...26 (off raster); both snap down to 145.505.
      {"145.506245", "145.505"}, {"145.506255", "145.505"},
      // The result is the snapped value, never the typed one reformatted
      // (which would print 145.50001 and 145.50501, both off the raster).
      {"145.503005", "145.500"}, {"145.505005", "145.505"},
      // Band edges: both belong to the band; the upper one is high + 0.995.
      {"174.995", "174.995"}, {"174.999", "174.995"}, {"174.99501", "174.995"},
      {"136", "136.000"}, {"135.99999", "136.000"}, {"100", "136.000"}, {"-5", "136.000"},
      {"500", "480.995"}, {"300", "400.000"}, {"200", "174.995"},
      // Midway between 174.995 and 400 a tie goes to the higher band's low edge.
      {"287.4975", "400.000"}, {"287.49749", "174.995"},
      // Not a number.
      {"", ""}, {"abc", ""}, {"145.5.5", ""}}},
    {Loc::Both, &kStd, Five, Op::RX,
     {{"146.52", "146.52000"}, {"145.50625", "145.50625"}, {"145.503", "145.50000"},
      {"174.999", "174.99500"}}},
    {Loc::Both, &kReversed, Sig, Op::RX,
     {{"100", "136.000"}, {"500", "480.995"}, {"287.4975", "400.000"}, {"200", "174.995"},
      {"450", "450.000"}}},
    // A band with an unreadable limit is no target.
    {Loc::Both, &kHalfBroken, Sig, Op::RX, {{"145", "400.000"}}},
    {Loc::Both, &kHalfBroken, Sig, Op::InRX, {{"145", "false"}}},
    {Loc::Both, &kStd, Sig, Op::TX, {{"", ""}, {"abc", ""}, {"145.5.5", ""}}},
    {Loc::Point, &kStd, Sig, Op::RX, {{"145,5", ""}}},
    {Loc::Comma, &kStd, Sig, Op::RX, {{"145.5", ""}, {"1.450,5", ""}}},
    // Transmit limits apart from the receive limits.
    {Loc::Both, &kSplitTX, Sig, Op::TX,
     {{"150", "148.995"}, {"300", "430.000"}, {"420.000", "430.000"},
      {"145.50625", "145.50625"}}},
    {Loc::Both, &kSplitTX, Sig, Op::RX, {{"150", "150.000"}}},
    // VFO: empty is 0, which lies below both bands.
    {Loc::Both, &kStd, Sig, Op::VFO, {{"", "136.000"}, {"abc", ""}, {"500", "480.995"}}},
    {Loc::Both, &kStd, Five, Op::VFO, {{"446", "446.00000"}}},
    // FM broadcast: leading number in the locale, clamped, "00.0".
    {Loc::Both, &kStd, Sig, Op::FM,
     {{"", ""}, {"120", "108.0"}, {"50", "76.0"}, {"76", "76.0"}, {"88.5", "88.5"},
      {"88.25", "88.3"}, {"108", "108.0"}, {"108.04", "108.0"}, {"75.99", "76.0"},
      {"abc", "76.0"}}},
    {Loc::Point, &kStd, Sig, Op::FM, {{"88.5 MHz", "88.5"}, {"88,5", "88.0"}}},
    {Loc::Comma, &kStd, Sig, Op::FM, {{"88.5", "88,0"}}},
    // Raster test with its rewrite.
    {Loc::Both, &kStd, Sig, Op::Step,
     {{"", "valid "}, {"145.50625", "valid 145.50625"}, {"145.505", "valid 145.505"},
      {"145.503", "invalid 145.503"}, {"145.50000", "valid 145.5"},
      {" 0146.520 ", "valid 146.52"}, {"145.506245", "invalid 145.506245"},
      {"145.505005", "valid 145.505005"}, {"abc", "invalid abc"}}},
    // Automatic shift: the ranges' ends.
    {Loc::Both, &kStd, Sig, Op::Shift,
     {{"145.300", "144.700"}, {"145.1", "144.500"}, {"145.099", "145.099"},
      {"145.49999", "144.89999"}, {"145.500", "145.500"}, {"146.0", "146.600"},
      {"146.4", "146.400"}, {"146.6", "146.000"}, {"146.999", "146.399"},
      {"147.000", "147.600"}, {"147.4", "147.400"}, {"147.6", "147.000"}, {"148", "148.000"},
      {"223.92", "222.320"}, {"224.980", "223.380"}, {"224.98001", "224.98001"},
      {"440.000", "440.000"}, {"440.00001", "445.00001"}, {"442.000", "447.000"},
      {"445.000", "445.000"}, {"449.000", "444.000"}, {"450.000", "450.000"},
      {"abc", "(unchanged)"}}},
    {Loc::Both, &kStd, Five, Op::Shift, {{"442", "447.00000"}}},
    // Editors' band tests: high + 0.995 is the last frequency in.
    {Loc::Both, &kStd, Sig, Op::InRX,
     {{"174.995", "true"}, {"174.99501", "false"}, {"136", "true"}, {"135.99999", "false"},
      {"450", "true"}, {"abc", "false"}}},
    {Loc::Point, &kSplitTX, Sig, Op::InTX,
     {{"148.995", "true"}, {"148.999", "false"}, {"430", "true"}, {"429.995", "false"},
      {"", "false"}}},
    // The TX test reads its leading number with ".": "148,999" is 148.
    {Loc::Comma, &kSplitTX, Sig, Op::InTX, {{"148,999", "true"}}},
    // Whole-document checks: the whole top megahertz is in, high + 1 is out.
    {Loc::Point, &kStd, Sig, Op::DocRX,
     {{"174.995", "true"}, {"174.999", "true"}, {"175", "false"}, {"136.000", "true"},
      {"135.995", "false"}, {"480.5", "true"}, {"", "false"}, {"145.5 MHz", "true"}}},
    {Loc::Point, &kSplitTX, Sig, Op::DocTX,
     {{"148.999", "true"}, {"149", "false"}, {"435", "true"}}},
    {Loc::Comma, &kStd, Sig, Op::DocRX, {{"174,995", "true"}, {"135,995", "false"}}},
    {Loc::Point, &kHalfBroken, Sig, Op::DocRX, {{"150", "false"}}},
};
// clang-format on

QString ToComma(const char* text) {
    return QString::fromLatin1(text).replace('.', ',');
}

TEST(FrequencyRules, CorrectsTypedTextsUnderBothLocales) {
    for (const Group& g : kGroups) {
        for (const auto& [input, expected] : g.cases) {
            SCOPED_TRACE(testing::Message()
                         << "op " << static_cast<int>(g.op) << " input '" << input << "'");
            if (g.loc != Loc::Comma) {
                SCOPED_TRACE("\".\" locale");
                EXPECT_EQ(Apply(g, input), expected);
            }
            if (g.loc != Loc::Point) {
                SCOPED_TRACE("\",\" locale");
                LocaleGuard comma(kComma);
                const bool asWritten = g.loc == Loc::Comma;
                EXPECT_EQ(Apply(g, asWritten ? QString(input) : ToComma(input)),
                          asWritten ? QString(expected) : ToComma(expected));
            }
        }
    }
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

TEST(FrequencyRules, VfoCheckPutsDefaultsIntoOutOfBandVfos) {
    // The whole top megahertz is in; the document tests cover the defaults.
    EXPECT_TRUE(ValidateVFO(VfoA, "174.999", kStd).ok);
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
