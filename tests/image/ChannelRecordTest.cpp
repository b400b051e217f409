#include "ImageTestBytes.h"

#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"
#include "program/ProgramValues.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace imagetest;

namespace {

constexpr int Rec1 = 0x0010;
constexpr int Rec5 = 0x0050;
constexpr int VfoARec = 0x0810;
constexpr int VfoBRec = 0x0820;

class ChannelRecord : public ::testing::Test {
protected:
    clsVUROVA image;
    QByteArray bytes = QByteArray(FullSize, '\0');

    void load() { image.Sbyt(bytes); }
};

TEST_F(ChannelRecord, FrequenciesReadInTheProgramsFormat) {
    Put(bytes, Rec1, Hex("00 25 40 14 00 00 00 00"));
    Put(bytes, Rec5, Hex("99 99 99 99 FF FF FF FF"));
    load();
    EXPECT_EQ(image.RXFrequency(1), "144.025");
    EXPECT_EQ(image.TXFrequency(1), "0.000"); // TX 00 00 00 00 is frequency 0
    EXPECT_EQ(image.RXFrequency(5), "999.99999");
    EXPECT_EQ(image.TXFrequency(5), "");

    Program().FrequencyFormat = "##0.00000";
    EXPECT_EQ(image.RXFrequency(1), "144.02500");
    EXPECT_EQ(image.TXFrequency(1), "0.00000");

    LocaleGuard comma(CommaLocale());
    EXPECT_EQ(image.RXFrequency(1), "144,02500");
}

TEST_F(ChannelRecord, FrequenciesStoreRoundedBcdDigits) {
    load();
    // Rounded to the nearest 10 Hz step, not truncated; typed halves of a step
    // go to the even neighbour, whatever the binary product of the text makes
    // of them.
    const std::pair<const char*, const char*> cases[] = {
        {"146.52", "00 20 65 14"},      {"144.0125", "50 12 40 14"},
        {"145.2", "00 00 52 14"},       {"145.0000049", "00 00 50 14"},
        {"145.0000051", "01 00 50 14"}, {"0.00001", "01 00 00 00"},
        {"144.000015", "02 00 40 14"},  {"144.000025", "02 00 40 14"},
        {"144.000005", "00 00 40 14"}};
    for (const auto& [text, bytes] : cases) {
        image.setRXFrequency(1, text);
        EXPECT_EQ(At(image, Rec1, 4), Hex(bytes)) << text;
    }

    // A negative or endless number is an overflow, not digits.
    for (const QString& wild : {QString("-145.5"), "1" + QString(400, '0')}) {
        EXPECT_EQ(ErrorOf([&] { image.setRXFrequency(1, wild); }), 6);
        EXPECT_EQ(At(image, Rec1, 4), Hex("00 00 40 14"));
    }

    // A zero or empty RX text changes nothing.
    image.setRXFrequency(1, "146.52");
    for (const char* zero : {"", "0", "0.000", "abc"}) {
        image.setRXFrequency(1, zero);
        EXPECT_EQ(At(image, Rec1, 4), Hex("00 20 65 14")) << zero;
    }

    // TX: empty or zero means no TX frequency.
    image.setTXFrequency(1, "146.52");
    EXPECT_EQ(At(image, Rec1 + 4, 4), Hex("00 20 65 14"));
    image.setTXFrequency(1, "");
    EXPECT_EQ(At(image, Rec1 + 4, 4), Hex("FF FF FF FF"));
    EXPECT_EQ(image.TXFrequency(1), "");
    image.setTXFrequency(1, "146.52");
    image.setTXFrequency(1, "0");
    EXPECT_EQ(At(image, Rec1 + 4, 4), Hex("FF FF FF FF"));

    // Nothing outside the field moved.
    QByteArray expected(FullSize, '\0');
    Put(expected, Rec1, Hex("00 20 65 14 FF FF FF FF"));
    EXPECT_EQ(image.GetBytArry(), expected);
}

TEST_F(ChannelRecord, FrequencyTextFollowsTheLocale) {
    load();
    LocaleGuard comma(CommaLocale());
    image.setRXFrequency(1, "146,52");
    EXPECT_EQ(At(image, Rec1, 4), Hex("00 20 65 14"));
    EXPECT_EQ(image.RXFrequency(1), "146,520");
    // A point is no decimal separator here: the conversion error reaches the
    // caller and the field stays.
    EXPECT_EQ(ErrorOf([&] { image.setRXFrequency(1, "145.5"); }), 13);
    EXPECT_EQ(At(image, Rec1, 4), Hex("00 20 65 14"));
}

TEST_F(ChannelRecord, FieldsThatAreNotDigitsReadEmpty) {
    Put(bytes, VfoARec, Hex("FF FF FF FF FF FF FF FF"));
    Put(bytes, VfoBRec, Hex("00 2A 40 14 00 25 40 1F"));
    Put(bytes, Rec1, Hex("00 25 40 14 12 34 56 FF"));
    load();
    EXPECT_EQ(image.RXFrequency(129), "");
    EXPECT_EQ(image.TXFrequency(129), "");
    EXPECT_EQ(image.RXFrequency(130), "");
    EXPECT_EQ(image.TXFrequency(130), "");
    EXPECT_EQ(image.TXFrequency(1), "");

    // The empty TX text the grid hands back stores "no TX".
    image.setTXFrequency(1, image.TXFrequency(1));
    EXPECT_EQ(At(image, Rec1 + 4, 4), Hex("FF FF FF FF"));
    // An empty RX cell changes nothing here; the document blanks such a channel.
    image.setRXFrequency(130, image.RXFrequency(130));
    EXPECT_EQ(At(image, VfoBRec, 4), Hex("00 2A 40 14"));
}

TEST_F(ChannelRecord, VfoRecordsAreChannels129And130) {
    load();
    image.setRXFrequency(129, "145.5");
    image.setTXFrequency(130, "435.25");
    image.setDecode(129, "88.5");
    image.setTXPower(130, "HIGH");
    EXPECT_EQ(At(image, VfoARec, 4), Hex("00 00 55 14"));
    EXPECT_EQ(At(image, VfoARec + 8, 2), Hex("75 03"));
    EXPECT_EQ(At(image, VfoBRec + 4, 4), Hex("00 50 52 43"));
    EXPECT_EQ(At(image, VfoBRec + 13, 1), Hex("20"));
    EXPECT_EQ(image.RXFrequency(129), "145.500");
    EXPECT_EQ(image.TXFrequency(130), "435.250");
}

TEST_F(ChannelRecord, IndicesOutsideTheirRangeNeverTouchMemory) {
    bytes.fill('\x5A');
    load();
    for (const int ch : {0, 131, -1, 1000}) {
        for (const auto& call : std::vector<std::function<void()>>{
                 [&] { image.RXFrequency(ch); }, [&] { image.setRXFrequency(ch, "145.5"); },
                 [&] { image.TXFrequency(ch); }, [&] { image.setTXFrequency(ch, ""); },
                 [&] { image.Decode(ch); }, [&] { image.setEncode(ch, "OFF"); },
                 [&] { image.TXPower(ch); }, [&] { image.setScanAdd(ch, "ON"); },
                 [&] { image.WN(ch); }, [&] { image.setBusyLock(ch, "ON"); }}) {
            EXPECT_EQ(ErrorOf(call), 9) << "channel " << ch;
        }
    }
    // Names, notes and blanking exist for the 128 memory channels only.
    for (const int ch : {0, 129, 130, -5}) {
        EXPECT_EQ(image.Name(ch), "");
        EXPECT_EQ(image.Group(ch), "");
        image.setName(ch, "ABC");
        image.setGroup(ch, "notes");
        image.BlankMemory(ch);
    }
    EXPECT_EQ(image.GetBytArry(), QByteArray(FullSize, '\x5A'));
}

TEST_F(ChannelRecord, NamesUseTheRadiosCharacterCodes) {
    Put(bytes, 0x1010, Hex("0A 0B 24 25 26 09"));
    Put(bytes, 0x1020, Hex("0A FF FF FF FF FF"));
    Put(bytes, 0x1030, Hex("27 0A FE 26 26 FF"));
    load();
    EXPECT_EQ(image.Name(1), "AB?+ 9");
    EXPECT_EQ(image.Name(2), "A");
    EXPECT_EQ(image.Name(3), "A  "); // codes without a character vanish, blanks stay

    image.setName(4, "ab1");
    EXPECT_EQ(At(image, 0x1040, 6), Hex("26 26 01 FF FF FF"));
    image.setName(4, "Z0.?+");
    EXPECT_EQ(At(image, 0x1040, 6), Hex("23 00 26 24 25 FF"));
    image.setName(4, "");
    EXPECT_EQ(At(image, 0x1040, 6), Hex("FF FF FF FF FF FF"));

    // A longer text is cut to the field; the rest of the slot is untouched.
    image.setName(5, "ABCDEFGH");
    EXPECT_EQ(At(image, 0x1050, 16), Hex("0A 0B 0C 0D 0E 0F 00 00 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(image.Name(5), "ABCDEF");
}

TEST_F(ChannelRecord, NotesKeepToTheirOwn32Bytes) {
    Put(bytes, 0x2020, QByteArray(32, '\x11'));
    Put(bytes, 0x2040, Hex("41 00 42 FF FF E9 43"));
    load();
    image.setGroup(1, "ABC");
    QByteArray expected = Hex("41 42 43");
    expected.append(QByteArray(29, '\xFF'));
    EXPECT_EQ(At(image, 0x2000, 32), expected);
    EXPECT_EQ(At(image, 0x2020, 32), QByteArray(32, '\x11'));
    EXPECT_EQ(image.Group(1), "ABC");
    EXPECT_EQ(image.Group(3), QString::fromUtf8("AB\u00E9C"));

    const QString forty = QString("0123456789").repeated(4);
    image.setGroup(1, forty);
    EXPECT_EQ(At(image, 0x2000, 32), forty.left(32).toLatin1());
    EXPECT_EQ(At(image, 0x2020, 1), Hex("11"));
    EXPECT_EQ(image.Group(1), forty.left(32));

    image.setGroup(128, QString::fromUtf8("caf\u00E9 \u20AC\u00FF"));
    EXPECT_EQ(At(image, 0x2FE0, 8), Hex("63 61 66 E9 20 80 FF FF"));
    EXPECT_EQ(image.Group(128), QString::fromUtf8("caf\u00E9 \u20AC")); // 0xFF reads as nothing
    EXPECT_EQ(image.GetBytArry().size(), FullSize);
}

TEST_F(ChannelRecord, FlagsChangeOnlyTheirOwnBit) {
    Put(bytes, Rec1 + 12, Hex("00 00"));
    Put(bytes, Rec5 + 12, Hex("FF FF"));
    load();
    const auto flags = [this](int ch) {
        return QStringList{image.TXPower(ch), image.ScanAdd(ch), image.WN(ch), image.BusyLock(ch)};
    };
    EXPECT_EQ(flags(1), QStringList({"LOW", "OFF", "NARR", "OFF"}));
    EXPECT_EQ(flags(5), QStringList({"HIGH", "ON", "WIDE", "ON"}));

    image.setTXPower(1, "high"); // only "LOW" clears
    EXPECT_EQ(At(image, Rec1 + 12, 2), Hex("00 20"));
    image.setScanAdd(1, "ON");
    image.setWN(1, "WIDE");
    image.setBusyLock(1, "ON");
    EXPECT_EQ(At(image, Rec1 + 12, 2), Hex("08 70"));

    image.setTXPower(5, "LOW");
    EXPECT_EQ(At(image, Rec5 + 12, 2), Hex("FF DF"));
    image.setScanAdd(5, "on"); // only "ON" sets
    EXPECT_EQ(At(image, Rec5 + 12, 2), Hex("FF 9F"));
    image.setWN(5, "NARR");
    image.setBusyLock(5, "");
    EXPECT_EQ(At(image, Rec5 + 12, 2), Hex("F7 8F"));
    image.setWN(5, "narr");
    EXPECT_EQ(At(image, Rec5 + 12, 2), Hex("F7 9F"));
}

TEST_F(ChannelRecord, BlankMemoryEmptiesRecordNameAndNotes) {
    bytes.fill('\x12');
    load();
    ASSERT_TRUE(image.IsUsedMemoryChannel(5));
    image.BlankMemory(5);
    EXPECT_FALSE(image.IsUsedMemoryChannel(5));
    EXPECT_EQ(image.Name(5), "");
    EXPECT_EQ(image.Group(5), "");
    QByteArray expected(FullSize, '\x12');
    Put(expected, Rec5, QByteArray(16, '\xFF'));
    Put(expected, 0x1050, QByteArray(6, '\xFF'));
    Put(expected, 0x2080, QByteArray(32, '\xFF'));
    EXPECT_EQ(image.GetBytArry(), expected);
}

TEST_F(ChannelRecord, BlankMemoryKeepsNotesOfATwImportUntilTheNextOpen) {
    QTemporaryDir dir;
    bytes.fill('\x12');
    load();
    image.ExportTWFile(dir.filePath("a.tw"));
    QString failure;
    ASSERT_TRUE(image.ImportTWFile(dir.filePath("a.tw"), failure));
    ASSERT_TRUE(image.IsTWFile());
    image.BlankMemory(5);
    EXPECT_EQ(At(image, 0x2080, 32), QByteArray(32, '\x12'));
    EXPECT_EQ(At(image, 0x1050, 6), QByteArray(6, '\xFF'));

    image.SaveFile(dir.filePath("a.uvd"));
    EXPECT_FALSE(image.IsTWFile());
    image.BlankMemory(5);
    EXPECT_EQ(At(image, 0x2080, 32), QByteArray(32, '\xFF'));
}

} // namespace
