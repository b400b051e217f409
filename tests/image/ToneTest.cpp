#include "ImageTestBytes.h"

#include "image/Tones.h"
#include "image/clsVUROVA.h"

#include <gtest/gtest.h>

using namespace imagetest;

namespace {

constexpr int Decode1 = 0x0018;
constexpr int Encode1 = 0x001A;

class ToneCoding : public ::testing::Test {
protected:
    clsVUROVA image;

    QString readDecode(const char* lowHigh) {
        QByteArray bytes(FullSize, '\0');
        Put(bytes, Decode1, Hex(lowHigh));
        image.Sbyt(bytes);
        return image.Decode(1);
    }
    QByteArray storeEncode(const QString& text) {
        image.setEncode(1, text);
        return At(image, Encode1, 2);
    }
};

// 14 28 is no listed code; EE 09 is a tone above the list.
TEST_F(ToneCoding, StoredCodesReadAsTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"FF FF", "OFF"},   {"75 03", "88.5"},   {"13 28", "D023N"}, {"13 A8", "D023I"},
        {"EE 09", ""},      {"14 28", "10260N"}, {"ED 09", "254.1"}, {"00 00", "0.0"},
        {"EC A9", "D754I"}, {"FE FF", "32766I"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(readDecode(bytes), text) << bytes;
}

TEST_F(ToneCoding, TextsStoreLittleEndianCodes) {
    // Texts that are neither a tone of the list nor a code store OFF.
    for (const char* off : {"66", "255", "ABC", "", "off", "d023N", "-100", "88.5x"}) {
        image.setEncode(1, "88.5");
        EXPECT_EQ(storeEncode(off), Hex("FF FF")) << off;
    }
    // 88.25 gives 882.5, which rounds to the even 882; a "D" text with no listed
    // code stores 0 (and its polarity).
    const std::pair<const char*, const char*> cases[] = {
        {"D754I", "EC A9"}, {"D023N", "13 28"}, {"88.5", "75 03"},
        {"254.1", "ED 09"}, {"67", "9E 02"},    {"OFF", "FF FF"},
        {"88.25", "72 03"}, {"D024N", "00 00"}, {"D999I", "00 80"}};
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(storeEncode(text), Hex(bytes)) << text;
    // Decode and encode have their own bytes.
    image.setDecode(1, "D023I");
    EXPECT_EQ(At(image, Decode1, 4), Hex("13 A8 00 80"));
}

TEST_F(ToneCoding, DcsConversions) {
    EXPECT_EQ(image.LongToDCS(0x2813), "D023N");
    EXPECT_EQ(image.LongToDCS(0xA9EC), "D754I");
    EXPECT_EQ(image.LongToDCS(0x2814), "10260N");
    const std::pair<const char*, int> cases[] = {
        {"D023", 0x2813}, {"D023N", 0x2813}, {"D023I", 0xA813}, {"D02", 0},
        {"D+23", 0},      {"I", 0x8000},     {"D023i", 0x2813}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(image.DCSToLong(text), code) << text;
}

TEST_F(ToneCoding, ToneListHoldsTheOfferedTextsInOrder) {
    const QStringList list = image.GetTone_OPT();
    ASSERT_EQ(list.size(), 260);
    EXPECT_EQ(list.at(0), "67.0");
    EXPECT_EQ(list.at(8), "88.5");
    EXPECT_EQ(list.at(49), "254.1");
    EXPECT_EQ(list.at(50), "D023N");
    EXPECT_EQ(list.at(154), "D754N");
    EXPECT_EQ(list.at(155), "D023I");
    EXPECT_EQ(list.at(259), "D754I");
    EXPECT_FALSE(list.contains("OFF"));
}

TEST_F(ToneCoding, EveryListEntryRoundTripsInBothLocales) {
    for (const QLocale& locale : {QLocale(QLocale::C), CommaLocale()}) {
        LocaleGuard guard(locale);
        const QStringList list = image.GetTone_OPT();
        ASSERT_EQ(list.size(), 260);
        for (const QString& tone : list) {
            image.setDecode(7, tone);
            EXPECT_EQ(image.Decode(7), tone) << tone.toStdString();
        }
        image.setEncode(7, "OFF");
        EXPECT_EQ(image.Encode(7), "OFF");
    }
}

TEST_F(ToneCoding, CommaLocale) {
    LocaleGuard comma(CommaLocale());
    EXPECT_TRUE(image.GetTone_OPT().contains("88,5"));
    EXPECT_EQ(readDecode("75 03"), "88,5");
    EXPECT_EQ(storeEncode("88,5"), Hex("75 03"));
    EXPECT_EQ(storeEncode("88.5"), Hex("FF FF")); // not a number here
}

} // namespace
