#include "ImageTestBytes.h"

#include "image/BandLimitCoding.h"
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

// Nibble 4 codes no digit and is skipped; an entry without any digit raises
// the conversion error.
TEST_F(BandLimits, EntriesReadThroughTheDigitTable) {
    const std::pair<const char*, const char*> cases[] = {{"7A 9E", "136"}, {"A7 77", "1000"},
                                                         {"77 77", "0"},   {"FF FF", "9999"},
                                                         {"74 9E", "36"},  {"72 07", "520"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(read(bytes), text) << bytes;
    EXPECT_EQ(ErrorOf([&] { read("45 6C"); }), 13);
    EXPECT_THROW(DecodeBandLimit(0xCD, 0x88), platform::RuntimeError);
    EXPECT_EQ(DecodeBandLimit(0x7A, 0x9E), "136");
}

TEST_F(BandLimits, TextsStoreFourCodedDigits) {
    EXPECT_EQ(store("520"), Hex("72 07"));
    EXPECT_EQ(image.BandLimit(3), "520");
    // "12345" keeps its last four digits, 2345.
    const std::pair<const char*, const char*> cases[] = {
        {"", "77 77"}, {"136", "7A 9E"}, {"12345", "09 B2"}, {"9999", "FF FF"}};
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(store(text), Hex(bytes)) << text;
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

} // namespace
