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
    EXPECT_EQ(ByteToChar(0x80).unicode(), 0x20AC); // euro sign
    EXPECT_EQ(ByteToChar(0x85).unicode(), 0x2026);
    EXPECT_EQ(ByteToChar(0x8A).unicode(), 0x0160);
    EXPECT_EQ(ByteToChar(0x93).unicode(), 0x201C);
    EXPECT_EQ(ByteToChar(0x99).unicode(), 0x2122);
    EXPECT_EQ(ByteToChar(0x9F).unicode(), 0x0178);
    EXPECT_EQ(ByteToChar(0xA0).unicode(), 0x00A0);
    EXPECT_EQ(ByteToChar(0xE9).unicode(), 0x00E9);
    EXPECT_EQ(ByteToChar(0xFF).unicode(), 0x00FF);
    EXPECT_EQ(ByteToChar(0x7F).unicode(), 0x007F);
    EXPECT_EQ(ByteToChar(0x00).unicode(), 0x0000);
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
