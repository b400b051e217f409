#include "platform/core/Codec.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Codec, AllBytesRoundTrip) {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    const QString text = BytesToText(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(TextToBytes(text), bytes);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(CharToByte(ByteToChar(static_cast<unsigned char>(b))), b) << b;
}

TEST(Codec, HighBytesAreTheCodePage) {
    // 0x80 is the euro sign.
    const std::pair<unsigned char, ushort> cases[] = {
        {0x80, 0x20AC}, {0x85, 0x2026}, {0x8A, 0x0160}, {0x93, 0x201C},
        {0x99, 0x2122}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9},
        {0xFF, 0x00FF}, {0x7F, 0x007F}, {0x00, 0x0000}};
    for (const auto& [byte, unicode] : cases)
        EXPECT_EQ(ByteToChar(byte).unicode(), unicode) << int(byte);
}

TEST(Codec, UndefinedBytesKeepTheirNumber) {
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(ByteToChar(b).unicode(), b);
        EXPECT_EQ(CharToByte(QChar(b)), b);
    }
}

TEST(Codec, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(CharToByte(QChar(0x0080)), '?'); // a C1 control, not the euro sign
    EXPECT_EQ(CharToByte(QChar(0x009F)), '?');
    EXPECT_EQ(CharToByte(QChar(0x0100)), '?');
    EXPECT_EQ(CharToByte(QChar(0x20AC)), 0x80);
    // One '?' for a character outside the basic plane, not one per surrogate.
    const QString text =
        QStringLiteral("A") + QString::fromUcs4(U"\U0001F4FB") + QStringLiteral("\u03A9B\u00E9");
    EXPECT_EQ(TextToBytes(text), QByteArray("A??B\xE9"));
}
