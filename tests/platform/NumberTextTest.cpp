#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace platform;

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// Switches the default locale for one test and puts the old one back.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_ = QLocale();
};

int ErrorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

// A decimal comma ends the number; blanks are skipped everywhere.
TEST(Val, ReadsTheLeadingNumberWithAPoint) {
    const std::pair<const char*, double> cases[] = {
        {"145.500", 145.5}, {"  -12.25 MHz", -12.25}, {"+.5", 0.5},       {"145.", 145.0},
        {"145,500", 145.0}, {"1.2.3", 1.2},           {"1 4 5.5", 145.5}, {"1e3", 1.0},
        {"&H10", 0.0}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(Val(text), value) << text;
}

TEST(Val, GivesZeroWithoutANumber) {
    for (const char* text : {"", "   ", "abc", "-", ".", "+-1", "OFF"})
        EXPECT_EQ(Val(text), 0.0) << text;
}

TEST(DecimalSeparator, FollowsTheLocale) {
    EXPECT_EQ(DecimalSeparator(QLocale::c()), ".");
    EXPECT_EQ(DecimalSeparator(German), ",");
    DefaultLocale guard(German);
    EXPECT_EQ(DecimalSeparator(), ",");
}

TEST(LocaleNumber, AcceptsSignDigitsAndOneSeparator) {
    for (const char* text : {"145.5", "145.", ".5", "-3", "+3", "  7  ", "0", "0001.2500"})
        EXPECT_TRUE(IsLocaleNumber(text, QLocale::c())) << text;
    EXPECT_DOUBLE_EQ(ToDouble("145.", QLocale::c()), 145.0);
    EXPECT_DOUBLE_EQ(ToDouble(".5", QLocale::c()), 0.5);
    EXPECT_DOUBLE_EQ(ToDouble(" -12.75 ", QLocale::c()), -12.75);
}

TEST(LocaleNumber, RejectsGroupsExponentsHexAndInnerBlanks) {
    for (const char* text : {"", " ", ".", "-", "1,445.5", "1e3", "&H10", "0x10", " 1 2", "1.2.3",
                             "- 5", "5-", "145.5 MHz", "1.445,5"})
        EXPECT_FALSE(IsLocaleNumber(text, QLocale::c())) << text;
    EXPECT_EQ(ErrorNumberOf([] { ToDouble("1,445.5", QLocale::c()); }), ErrTypeMismatch);
}

TEST(LocaleNumber, UnderACommaLocaleTheCommaIsTheSeparator) {
    EXPECT_TRUE(IsLocaleNumber("1445,5", German));
    EXPECT_DOUBLE_EQ(ToDouble("1445,5", German), 1445.5);
    EXPECT_DOUBLE_EQ(ToDouble(",5", German), 0.5);
    EXPECT_FALSE(IsLocaleNumber("1445.5", German));
    EXPECT_FALSE(IsLocaleNumber("1.445,5", German));
}

TEST(WholeNumbers, RoundHalvesToEven) {
    const std::pair<double, double> cases[] = {{0.5, 0.0},   {1.5, 2.0},   {2.5, 2.0},
                                               {-2.5, -2.0}, {-3.5, -4.0}, {2.5000001, 3.0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_EQ(ToInt32(2.5), 2);
    EXPECT_EQ(ToInt32(3.5), 4);
    EXPECT_EQ(ToInt16(QStringLiteral("6.5"), QLocale::c()), 6);
    EXPECT_EQ(ToInt16(QStringLiteral("6,5"), German), 6);
    EXPECT_EQ(ToByte(254.5), 254);
}

TEST(WholeNumbers, OverflowAtTheEndsOfEachRange) {
    EXPECT_EQ(ToInt16(32767.0), 32767);
    EXPECT_EQ(ToInt16(-32768.0), -32768);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(32768.0); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(-32768.5); }), 0); // -32768 is even
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(-32769.0); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(32767.5); }), ErrOverflow); // rounds to 32768
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0), INT32_MIN);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(2147483648.0); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(-2147483649.0); }), ErrOverflow);
    EXPECT_EQ(ToByte(255.0), 255);
    EXPECT_EQ(ToByte(-0.5), 0);
    EXPECT_EQ(ErrorNumberOf([] { ToByte(255.5); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToByte(-1.0); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToWhole(std::nan(""), 0, 10); }), ErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToWhole(1e300, INT64_MIN, INT64_MAX); }), ErrOverflow);
}

TEST(WholeNumbers, TextThatIsNoNumberIsATypeMismatch) {
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(QStringLiteral("abc"), QLocale::c()); }), ErrTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(QString(), QLocale::c()); }), ErrTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(QStringLiteral("40000"), QLocale::c()); }), ErrOverflow);
}

TEST(FormatNumber, FrequencyPatterns) {
    const std::pair<double, const char*> threeToFive[] = {
        {145.5125, "145.5125"}, {145.5, "145.500"},        {145.50625, "145.50625"},
        {0.5, "0.500"},         {145.506254, "145.50625"}, {145.506255, "145.50626"},
        {439.999996, "440.000"}};
    for (const auto& [value, text] : threeToFive)
        EXPECT_EQ(FormatNumber(value, "##0.000##", QLocale::c()), text) << value;
    const std::pair<double, const char*> five[] = {
        {145.5, "145.50000"}, {0.0, "0.00000"}, {1445.5, "1445.50000"}};
    for (const auto& [value, text] : five)
        EXPECT_EQ(FormatNumber(value, "##0.00000", QLocale::c()), text) << value;
}

TEST(FormatNumber, ShortPatternsRoundHalvesAwayFromZero) {
    // 88.25 is exact in binary, so it shows the half rule, not binary noise;
    // 88.35 is 88.349999... in binary; -0.04 gives no "-0.0".
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {88.25, "00.0", "88.3"},    {88.35, "00.0", "88.4"},       {-88.25, "00.0", "-88.3"},
        {7.6, "00.0", "07.6"},      {67.0, "0.0", "67.0"},         {2.5, "00", "03"},
        {1.0005, "0.000", "1.001"}, {0.00005, "0.0000", "0.0001"}, {9.99, "0.0", "10.0"},
        {123.0, "00", "123"},       {-0.04, "0.0", "0.0"},         {-0.0, "0.000", "0.000"},
        {-0.05, "0.0", "-0.1"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern, QLocale::c()), c.text) << c.value;
}

TEST(FormatNumber, GeneralFormatIsTheShortestText) {
    const QLocale c = QLocale::c();
    EXPECT_EQ(FormatNumber(145.5, "", c), "145.5");
    EXPECT_EQ(FormatNumber(0.0, "", c), "0");
    EXPECT_EQ(FormatNumber(-0.0, "", c), "0");
    EXPECT_EQ(NumberToText(0.1 + 0.2, c), "0.3");
    EXPECT_EQ(NumberToText(-12.0, c), "-12");
    EXPECT_EQ(NumberToText(0.025, c), "0.025");
    EXPECT_EQ(NumberToText(2147483648.0, c), "2147483648");
    EXPECT_EQ(NumberToText(1e20, c), "100000000000000000000");
}

TEST(FormatNumber, CommaLocaleUsesTheCommaAndNeverGroups) {
    EXPECT_EQ(FormatNumber(1445.5, "", German), "1445,5");
    EXPECT_EQ(FormatNumber(1445.5, "##0.000##", German), "1445,500");
    EXPECT_EQ(FormatNumber(12345678.5, "0.0", German), "12345678,5");
    DefaultLocale guard(German);
    EXPECT_EQ(FormatNumber(1445.5, ""), "1445,5");
    EXPECT_EQ(NumberToText(1445.5), "1445,5");
    EXPECT_EQ(FormatNumber(88.25, "00.0"), "88,3");
}

TEST(FormatNumber, EnglishLocaleNeverGroups) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatNumber(1445.5, "", english), "1445.5");
    EXPECT_EQ(FormatNumber(1234567.0, "##0.00000", english), "1234567.00000");
}
