#include "ImageTestBytes.h"

#include "image/clsVUROVA.h"
#include "program/ProgramValues.h"
#include "support/TestUtil.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace imagetest;

namespace {

// Image bytes with something in every area, and channel 1 in use.
QByteArray Patterned() {
    QByteArray bytes(FullSize, '\0');
    for (int k = 0; k < clsVUROVA::ImageSize; ++k) {
        bytes[k] = static_cast<char>((k * 7 + k / 256) & 0xFF);
    }
    return bytes;
}

class ImageFile : public TempDirTest {
protected:
    QString path(const char* name) const { return tempPath(QString::fromLatin1(name)); }
};

TEST_F(ImageFile, ChecksumOfAllZeroAndAllFFImages) {
    clsVUROVA image;
    image.SaveFile(path("zero.uvd"));
    EXPECT_EQ(ReadFileBytes(path("zero.uvd")).right(4), Hex("00 00 00 00"));

    image.Sbyt(QByteArray(clsVUROVA::ImageSize, '\xFF'));
    image.SaveFile(path("ff.uvd"));
    const QByteArray saved = ReadFileBytes(path("ff.uvd"));
    EXPECT_EQ(saved.size(), 12292);
    EXPECT_EQ(saved.right(4), Hex("00 2F D0 00"));
    EXPECT_EQ(image.GetBytArry().right(4), Hex("00 2F D0 00"));
    EXPECT_TRUE(image.VerifyChecksum(path("ff.uvd")));
}

TEST_F(ImageFile, OpenSaveReopenKeepsEveryByte) {
    clsVUROVA first;
    first.Sbyt(Patterned());
    first.SaveFile(path("a.uvd"));
    const QByteArray written = ReadFileBytes(path("a.uvd"));
    ASSERT_EQ(written.size(), 12292);

    clsVUROVA second;
    ASSERT_TRUE(second.VerifyChecksum(path("a.uvd")));
    second.OpenFile(path("a.uvd"));
    EXPECT_EQ(second.GetBytArry(), written);
    EXPECT_FALSE(second.IsDataChanged());
    second.SaveFile(path("b.uvd"));
    EXPECT_EQ(ReadFileBytes(path("b.uvd")), written);
}

TEST_F(ImageFile, ImageWithoutChecksumIsSavedWithOne) {
    const QByteArray body = Patterned().left(clsVUROVA::ImageSize);
    WriteFileBytes(path("plain.bin"), body);
    clsVUROVA image;
    image.OpenFile(path("plain.bin"));
    image.SaveFile(path("plain.uvd"));
    const QByteArray saved = ReadFileBytes(path("plain.uvd"));
    ASSERT_EQ(saved.size(), 12292);
    EXPECT_EQ(saved.left(clsVUROVA::ImageSize), body);
    EXPECT_TRUE(image.VerifyChecksum(path("plain.uvd")));
}

TEST_F(ImageFile, ChangedChecksumFailsTheTestButStillOpens) {
    clsVUROVA image;
    image.Sbyt(Patterned());
    image.SaveFile(path("a.uvd"));
    QByteArray bytes = ReadFileBytes(path("a.uvd"));
    bytes[12291] = static_cast<char>(bytes[12291] ^ 0x01);
    WriteFileBytes(path("bad.uvd"), bytes);

    clsVUROVA other;
    EXPECT_FALSE(other.VerifyChecksum(path("bad.uvd")));
    EXPECT_EQ(other.GetBytArry(), QByteArray(FullSize, '\0'));
    other.OpenFile(path("bad.uvd"));
    EXPECT_EQ(other.GetBytArry(), bytes);
}

TEST_F(ImageFile, ShortAndLongFilesNeverHalfLoad) {
    clsVUROVA image;
    image.Sbyt(QByteArray(FullSize, '\x55'));

    // A truncated file replaces the whole image; what it lacks reads as zero.
    WriteFileBytes(path("short.uvd"), QByteArray(5000, '\x11'));
    EXPECT_FALSE(image.VerifyChecksum(path("short.uvd")));
    image.OpenFile(path("short.uvd"));
    QByteArray expected(FullSize, '\0');
    Put(expected, 0, QByteArray(5000, '\x11'));
    EXPECT_EQ(image.GetBytArry(), expected);

    // A longer file gives its first 12,292 bytes only.
    QByteArray longer = Patterned();
    longer.append(QByteArray(100, '\x22'));
    WriteFileBytes(path("long.uvd"), longer);
    image.OpenFile(path("long.uvd"));
    EXPECT_EQ(image.GetBytArry(), longer.left(FullSize));

    WriteFileBytes(path("empty.uvd"), QByteArray());
    image.OpenFile(path("empty.uvd"));
    EXPECT_EQ(image.GetBytArry(), QByteArray(FullSize, '\0'));
}

TEST_F(ImageFile, FailedOpenChangesNothing) {
    clsVUROVA image;
    image.Sbyt(Patterned());
    image.SaveFile(path("a.uvd"));
    image.setRXFrequency(1, "146.52");
    const QByteArray before = image.GetBytArry();
    ASSERT_TRUE(image.IsDataChanged());

    try {
        image.OpenFile(path("missing.uvd"));
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_TRUE(e.description().startsWith("File not found")) << e.description().toStdString();
    }
    EXPECT_EQ(ErrorOf([&] { image.OpenFile(tempDir.path()); }), 75);
    EXPECT_EQ(ErrorOf([&] { image.OpenFile(QString()); }), 75);
    EXPECT_EQ(ErrorOf([&] { image.VerifyChecksum(path("missing.uvd")); }), 53);
    EXPECT_EQ(image.GetBytArry(), before);
    EXPECT_TRUE(image.IsDataChanged()); // the snapshot of the save still stands
}

TEST_F(ImageFile, FailedSaveRaisesAndTakesNoSnapshot) {
    clsVUROVA image;
    image.Sbyt(Patterned());
    ASSERT_TRUE(image.IsDataChanged());
    EXPECT_EQ(ErrorOf([&] { image.SaveFile(path("no/such/folder/a.uvd")); }), 75);
    EXPECT_EQ(ErrorOf([&] { image.SaveFile(tempDir.path()); }), 75);
    EXPECT_TRUE(image.IsDataChanged());
    EXPECT_TRUE(QDir(tempDir.path()).exists());

    // Saving over an existing file replaces it whole.
    WriteFileBytes(path("old.uvd"), QByteArray(20000, '\x33'));
    image.SaveFile(path("old.uvd"));
    EXPECT_EQ(ReadFileBytes(path("old.uvd")), image.GetBytArry());
    EXPECT_FALSE(image.IsDataChanged());
}

TEST(ImageState, LoadedAndChangedFollowTheDocumentsLife) {
    clsVUROVA image;
    EXPECT_FALSE(image.IsFileLoaded());
    EXPECT_FALSE(image.IsDataChanged());

    // A radio read: 8,192 bytes, the notes stay as they were.
    QByteArray radio(clsVUROVA::RadioSize, '\0');
    Put(radio, 0x0010, Hex("00 25 40 14"));
    image.Sbyt(radio);
    EXPECT_TRUE(image.IsFileLoaded());
    EXPECT_TRUE(image.IsDataChanged());

    QTemporaryDir dir;
    image.SaveFile(dir.filePath("r.uvd"));
    EXPECT_FALSE(image.IsDataChanged());

    // A new image that was never filled counts as loaded only once bytes
    // 16..32 hold something: a name (at 0x1010) is not enough.
    clsVUROVA edge;
    edge.setName(1, "AB");
    EXPECT_FALSE(edge.IsFileLoaded());
    EXPECT_FALSE(edge.IsDataChanged());
    edge.setRXFrequency(1, "145.5");
    EXPECT_TRUE(edge.IsFileLoaded());
}

// Bytes from a file, the radio or a TW file are data, whatever they are: a
// channel 1 zero-filled by another tool included.
TEST_F(ImageFile, FilledImageHoldsDataWhateverItsBytes) {
    WriteFileBytes(path("zero.bin"), QByteArray(clsVUROVA::ImageSize, '\0'));
    clsVUROVA opened;
    opened.OpenFile(path("zero.bin"));
    EXPECT_TRUE(opened.IsFileLoaded());
    EXPECT_FALSE(opened.IsDataChanged());
    opened.setName(2, "AB");
    EXPECT_TRUE(opened.IsDataChanged());

    clsVUROVA read;
    read.Sbyt(QByteArray(clsVUROVA::RadioSize, '\0'));
    EXPECT_TRUE(read.IsFileLoaded());

    clsVUROVA().ExportTWFile(path("zero.tw"));
    clsVUROVA imported;
    QString message;
    ASSERT_TRUE(imported.ImportTWFile(path("zero.tw"), message));
    EXPECT_TRUE(imported.IsFileLoaded());

    // What failed to fill it, or only wrote it out, leaves a new image empty.
    clsVUROVA fresh;
    EXPECT_FALSE(fresh.ImportTWFile(path("missing.tw"), message));
    EXPECT_EQ(ErrorOf([&] { fresh.OpenFile(path("missing.uvd")); }), 53);
    fresh.SaveFile(path("fresh.uvd"));
    EXPECT_FALSE(fresh.IsFileLoaded());
    EXPECT_FALSE(fresh.IsDataChanged());
}

TEST(ImageState, ChangesThatKeepTheByteSumStillCount) {
    QTemporaryDir dir;
    clsVUROVA image;
    image.setRXFrequency(1, "145.5");
    image.setRXFrequency(2, "433.1");
    image.setName(1, "AB");
    image.setBandLimit(0, "136");
    image.SaveFile(dir.filePath("a.uvd"));
    ASSERT_FALSE(image.IsDataChanged());

    // Exchanging two channel records.
    QByteArray bytes = image.GetBytArry();
    const QByteArray one = bytes.mid(0x10, 16);
    const QByteArray two = bytes.mid(0x20, 16);
    Put(bytes, 0x10, two);
    Put(bytes, 0x20, one);
    image.Sbyt(bytes);
    EXPECT_TRUE(image.IsDataChanged());
    image.SaveFile(dir.filePath("a.uvd"));

    image.setName(1, "BA");
    EXPECT_TRUE(image.IsDataChanged());
    image.setName(1, "AB");
    EXPECT_FALSE(image.IsDataChanged());

    image.setBandLimit(0, "631"); // same digits, same nibble sum
    EXPECT_TRUE(image.IsDataChanged());
    image.setBandLimit(0, "136");

    // The checksum bytes never count.
    QByteArray withSum = image.GetBytArry();
    withSum[12290] = static_cast<char>(0x99);
    image.Sbyt(withSum);
    EXPECT_FALSE(image.IsDataChanged());
}

TEST(ImageState, UsedChannelAndBulkCopies) {
    clsVUROVA image;
    QByteArray bytes(FullSize, '\0');
    Put(bytes, 0x0020, Hex("FF FF FF FF"));
    Put(bytes, 0x0030, Hex("00 00 00 FF"));
    Put(bytes, 0x0800, Hex("00 25 40 14"));
    Put(bytes, 0x0810, Hex("00 25 40 14")); // VFO A is not a memory channel
    image.Sbyt(bytes);
    for (const int ch : {1, 2, 3, 128, 129, 0, -1})
        EXPECT_EQ(image.IsUsedMemoryChannel(ch), ch == 3 || ch == 128) << ch;

    // SetWriteBytes takes the radio's 8,192 bytes and nothing after them.
    QByteArray all = Patterned();
    image.Sbyt(all);
    Program().CloneWriteBuffer = QByteArray(8192, '\x77');
    image.SetWriteBytes();
    EXPECT_EQ(Program().CloneWriteBuffer, all.left(8192));

    // Sbyt copies at most the whole array and nothing beyond what it is given.
    QByteArray huge(20000, '\x44');
    image.Sbyt(huge);
    EXPECT_EQ(image.GetBytArry(), QByteArray(FullSize, '\x44'));
    image.Sbyt(QByteArray(3, '\x01'));
    EXPECT_EQ(image.GetBytArry().left(4), Hex("01 01 01 44"));
}

TEST(ImageState, NameAlphabet) {
    EXPECT_EQ(clsVUROVA().AllowedTagCharacters(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890?+ ");
}

} // namespace
