#include "ImageTestBytes.h"

#include "image/BandLimitCoding.h"
#include "image/ImageBytes.h"
#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"

#include <gtest/gtest.h>

using namespace imagetest;

namespace {

constexpr int Table = 0x0970;

class BandLimits : public ::testing::Test {
protected:
    clsVUROVA image;

    QString read(const char* entry) {
        QByteArray bytes(FullSize, '\0');
        Put(bytes, Table + 6, Hex(entry));
        image.Sbyt(bytes);
        return image.BandLimit(3);
    }
    QByteArray store(const QString& text) {
        image.setBandLimit(3, text);
        return At(image, Table + 6, 2);
    }
};

TEST_F(BandLimits, EntriesReadThroughTheDigitTable) {
    EXPECT_EQ(read("7A 9E"), "136");
    EXPECT_EQ(read("A7 77"), "1000");
    EXPECT_EQ(read("77 77"), "0");
    EXPECT_EQ(read("FF FF"), "9999");
    EXPECT_EQ(read("74 9E"), "36"); // nibble 4 codes no digit and is skipped
    EXPECT_EQ(read("72 07"), "520");
}

TEST_F(BandLimits, EntryWithoutAnyDigitRaisesTheConversionError) {
    try {
        read("45 6C");
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 13);
    }
    EXPECT_THROW(DecodeBandLimit(0xCD, 0x88), platform::RuntimeError);
    EXPECT_EQ(DecodeBandLimit(0x7A, 0x9E), "136");
}

TEST_F(BandLimits, TextsStoreFourCodedDigits) {
    EXPECT_EQ(store("520"), Hex("72 07"));
    EXPECT_EQ(image.BandLimit(3), "520");
    EXPECT_EQ(store(""), Hex("77 77"));
    EXPECT_EQ(store("136"), Hex("7A 9E"));
    EXPECT_EQ(store("12345"), Hex("09 B2")); // 2345
    EXPECT_EQ(store("9999"), Hex("FF FF"));
    // Texts whose last four characters are not all digits change nothing.
    for (const char* bad : {" 136", "1.5", "-5", "13a", "\u0663"}) {
        EXPECT_EQ(store(QString::fromUtf8(bad)), Hex("FF FF")) << bad;
    }
}

TEST_F(BandLimits, SetChangesOnlyItsEntry) {
    QByteArray bytes(FullSize, '\x5A');
    image.Sbyt(bytes);
    image.setBandLimit(1, "174");
    Put(bytes, Table + 2, Hex("7A 1B"));
    EXPECT_EQ(image.GetBytArry(), bytes);

    for (int index = 0; index < 8; ++index) {
        image.setBandLimit(index, QString::number(100 + index * 111));
    }
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(image.BandLimit(index), QString::number(100 + index * 111));
    }
    EXPECT_EQ(image.GetBytArry().mid(Table + 16), bytes.mid(Table + 16));
    EXPECT_EQ(image.GetBytArry().left(Table), bytes.left(Table));
}

TEST_F(BandLimits, IndexOutsideTheTableRaises) {
    for (const int index : {-1, 8}) {
        EXPECT_THROW(image.BandLimit(index), platform::RuntimeError);
        EXPECT_THROW(image.setBandLimit(index, "136"), platform::RuntimeError);
    }
    EXPECT_EQ(image.GetBytArry(), QByteArray(FullSize, '\0'));
}

TEST(ImageBytes, BitRoutinesTouchOneBit) {
    EXPECT_EQ(imagebytes::WithBit(0x00, 5, 1), 0x20);
    EXPECT_EQ(imagebytes::WithBit(0xFF, 5, 0), 0xDF);
    EXPECT_EQ(imagebytes::GetBit(0x01, 0), 1);
    EXPECT_EQ(imagebytes::GetBit(0x7F, 7), 0);
}

} // namespace
