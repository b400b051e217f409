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

TEST_F(ToneCoding, StoredCodesReadAsTexts) {
    EXPECT_EQ(readDecode("FF FF"), "OFF");
    EXPECT_EQ(readDecode("75 03"), "88.5");
    EXPECT_EQ(readDecode("13 28"), "D023N");
    EXPECT_EQ(readDecode("13 A8"), "D023I");
    EXPECT_EQ(readDecode("EE 09"), "");
    EXPECT_EQ(readDecode("14 28"), "10260N"); // not a listed code
    EXPECT_EQ(readDecode("ED 09"), "254.1");
    EXPECT_EQ(readDecode("00 00"), "0.0");
    EXPECT_EQ(readDecode("EC A9"), "D754I");
    EXPECT_EQ(readDecode("FE FF"), "32766I");
}

TEST_F(ToneCoding, TextsStoreLittleEndianCodes) {
    EXPECT_EQ(storeEncode("D754I"), Hex("EC A9"));
    EXPECT_EQ(storeEncode("D023N"), Hex("13 28"));
    EXPECT_EQ(storeEncode("88.5"), Hex("75 03"));
    EXPECT_EQ(storeEncode("254.1"), Hex("ED 09"));
    EXPECT_EQ(storeEncode("67"), Hex("9E 02"));
    EXPECT_EQ(storeEncode("OFF"), Hex("FF FF"));
    EXPECT_EQ(storeEncode("88.25"), Hex("72 03")); // 882.5 rounds to the even 882
    // Fallbacks.
    for (const char* off : {"66", "255", "ABC", "", "off", "d023N", "-100", "88.5x"}) {
        image.setEncode(1, "88.5");
        EXPECT_EQ(storeEncode(off), Hex("FF FF")) << off;
    }
    EXPECT_EQ(storeEncode("D024N"), Hex("00 00")); // a "D" text with no listed code
    EXPECT_EQ(storeEncode("D999I"), Hex("00 80"));
    // Decode and encode have their own bytes.
    image.setDecode(1, "D023I");
    EXPECT_EQ(At(image, Decode1, 4), Hex("13 A8 00 80"));
}

TEST_F(ToneCoding, DcsConversions) {
    EXPECT_EQ(image.LongToDCS(0x2813), "D023N");
    EXPECT_EQ(image.LongToDCS(0xA9EC), "D754I");
    EXPECT_EQ(image.LongToDCS(0x2814), "10260N");
    EXPECT_EQ(image.DCSToLong("D023"), 0x2813);
    EXPECT_EQ(image.DCSToLong("D023N"), 0x2813);
    EXPECT_EQ(image.DCSToLong("D023I"), 0xA813);
    EXPECT_EQ(image.DCSToLong("D02"), 0);
    EXPECT_EQ(image.DCSToLong("D+23"), 0);
    EXPECT_EQ(image.DCSToLong("I"), 0x8000);
    EXPECT_EQ(image.DCSToLong("D023i"), 0x2813);
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
