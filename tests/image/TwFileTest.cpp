// TW export and import.

#include "ImageTestBytes.h"

#include "support/TestUtil.h"

#include <QFile>
#include <gtest/gtest.h>

#include <random>

using namespace imagetest;

namespace {

const QString ReadFailure = QStringLiteral("Error reading TW file: may be unsupported or corrupt.");

QByteArray RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray all(12292, '\0');
    for (char& byte : all)
        byte = static_cast<char>(random() & 0xFF);
    return all;
}

// What an import of source's export must make of target.
QByteArray ExpectedImport(const QByteArray& source, QByteArray target) {
    const auto copy = [&](int from, int to) {
        for (int k = from; k <= to; ++k)
            target[k] = source[k];
    };
    copy(0x0010, 0x080F);
    copy(0x1010, 0x180F);
    copy(0x0810, 0x082F);
    copy(0x1810, 0x184F);
    copy(0x0E06, 0x0E0B);
    for (const int p :
         {0x00, 0x01, 0x02, 0x03, 0x05, 0x06, 0x07, 0x0C, 0x0D, 0x0E, 0x11, 0x13, 0x15, 0x16, 0x17,
          0x18, 0x19, 0x1A, 0x1B, 0x1D, 0x21, 0x22, 0x24, 0x25, 0x2A, 0x30, 0x36, 0x3C, 0x3E, 0x3F})
        target[0x0E20 + p] = source[0x0E20 + p];
    target.replace(0x0E00, 6, QByteArray(" UV2D\0", 6));
    target.replace(0x0E0C, 7, QByteArray(" UV2D \0", 7));
    return target;
}

class TwFile : public TempDirTest {
protected:
    QString path(const QString& name) const { return tempPath(name); }

    QByteArray exportOf(const QByteArray& content) {
        clsVUROVA image;
        image.Sbyt(content);
        image.ExportTWFile(path("export.tw"));
        return ReadFileBytes(path("export.tw"));
    }
};

} // namespace

TEST_F(TwFile, ExportLayout) {
    const QByteArray content = RandomImage(1);
    const QByteArray file = exportOf(content);
    ASSERT_EQ(file.size(), 5172);
    // File offset -> bytes: block heads and the fixed tail (at 4868 the number
    // 3,771,512, at 5124 3,776,648).
    EXPECT_EQ(file.left(8), Hex("02 00 00 00 00 10 00 00"));
    const std::pair<int, const char*> fixed[] = {
        {72, "00 50 00 00"},   {2112, "07 D0 00 00"}, {2180, "10 10"},       {2246, "10 50"},
        {4292, "08 10 00 00"}, {4360, "09 70"},       {4426, "0E 20"},       {4492, "18 10"},
        {4558, "0E 06"},       {4624, "50 59 39 00"}, {4868, "78 8C 39 00"}, {5124, "88 A0 39 00"},
        {5168, "F8 A3 39 00"}};
    for (const auto& [offset, bytes] : fixed)
        EXPECT_EQ(file.mid(offset, Hex(bytes).size()), Hex(bytes)) << offset;
    EXPECT_EQ(file.mid(4566, 58), QByteArray(58, static_cast<char>(0xFF)));
    // File offset, image offset, length of the image bytes carried.
    const int carried[][3] = {{8, 0x0010, 64},    {4 + 31 * 68 + 4, 0x07D0, 64},
                              {2182, 0x1010, 64}, {4296, 0x0810, 64},
                              {4362, 0x0970, 64}, {4428, 0x0E20, 64},
                              {4494, 0x1810, 64}, {4560, 0x0E06, 6}};
    for (const auto& [at, from, length] : carried)
        EXPECT_EQ(file.mid(at, length), content.mid(from, length)) << at;
}

TEST_F(TwFile, ExportTakesNoSnapshotAndReplacesOrRefuses) {
    clsVUROVA image;
    image.Sbyt(RandomImage(2));
    ASSERT_TRUE(image.IsDataChanged());
    WriteFileBytes(path("old.tw"), QByteArray(9000, 'x'));
    image.ExportTWFile(path("old.tw"));
    EXPECT_EQ(ReadFileBytes(path("old.tw")).size(), 5172);
    EXPECT_TRUE(image.IsDataChanged());
    EXPECT_FALSE(image.IsTWFile());

    try {
        image.ExportTWFile(path("no/such/folder/a.tw"));
        ADD_FAILURE() << "export into a missing folder succeeded";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 75);
        EXPECT_TRUE(e.description().startsWith("Path/File access error (")) << e.what();
    }
    EXPECT_EQ(ErrorOf([&] { image.ExportTWFile(path("")); }), 75);
    EXPECT_EQ(ErrorOf([&] { image.ExportTWFile(""); }), 75);
}

TEST_F(TwFile, ImportOverAnotherImageCopiesExactlyTheCarriedBytes) {
    const QByteArray source = RandomImage(3);
    const QByteArray target = RandomImage(4);
    exportOf(source);
    clsVUROVA image;
    image.Sbyt(target);
    EXPECT_FALSE(image.IsTWFile());
    QString message = "stale";
    ASSERT_TRUE(image.ImportTWFile(path("export.tw"), message));
    EXPECT_EQ(message, "");
    EXPECT_TRUE(image.IsTWFile());
    const QByteArray expected = ExpectedImport(source, target);
    EXPECT_EQ(DifferingOffsets(expected, image.GetBytArry()), QList<int>{});
    EXPECT_EQ(image.PowerUpMsgLine1(), " UV2D");
    EXPECT_EQ(image.SingleReceiveMsg(), " UV2D ");

    // OpenFile and SaveFile clear the mark.
    image.SaveFile(path("a.uvd"));
    EXPECT_FALSE(image.IsTWFile());
}

TEST_F(TwFile, MissingPowerUpLineBlockEmptiesTheLine) {
    QByteArray file = exportOf(RandomImage(5));
    file[4558] = 0x0E;
    file[4559] = 0x07;
    WriteFileBytes(path("b.tw"), file.left(4560));
    clsVUROVA image;
    image.Sbyt(RandomImage(6));
    QString message;
    ASSERT_TRUE(image.ImportTWFile(path("b.tw"), message));
    EXPECT_EQ(At(image, 0x0E06, 6), QByteArray(6, static_cast<char>(0xFF)));
    EXPECT_EQ(image.PowerUpMsgLine2(), "");
}

TEST_F(TwFile, ShortOrUnreadableFilesAreRefusedAndChangeNothing) {
    const QByteArray file = exportOf(RandomImage(7));
    clsVUROVA image;
    image.Sbyt(RandomImage(8));
    const QByteArray before = image.GetBytArry();

    for (const int length : {0, 4, 4000, 4559, 4565}) {
        WriteFileBytes(path("short.tw"), file.left(length));
        QString message;
        EXPECT_FALSE(image.ImportTWFile(path("short.tw"), message)) << length;
        EXPECT_EQ(message, ReadFailure) << length;
    }
    QString message;
    EXPECT_FALSE(image.ImportTWFile(path("missing.tw"), message));
    EXPECT_EQ(message, ReadFailure + "File not found");
    EXPECT_FALSE(image.ImportTWFile(path(""), message));
    EXPECT_EQ(message, ReadFailure + "Path/File access error (is a folder)");
    WriteFileBytes(path("locked.tw"), file);
    QFile::setPermissions(path("locked.tw"), QFileDevice::WriteOwner);
    if (!QFile(path("locked.tw")).open(QIODevice::ReadOnly)) { // root reads it anyway
        EXPECT_FALSE(image.ImportTWFile(path("locked.tw"), message));
        EXPECT_TRUE(message.startsWith(ReadFailure + "Path/File access error ("))
            << message.toStdString();
    }
    EXPECT_EQ(image.GetBytArry(), before);
    EXPECT_FALSE(image.IsTWFile());

    WriteFileBytes(path("exact.tw"), file.left(4566));
    EXPECT_TRUE(image.ImportTWFile(path("exact.tw"), message));
}
