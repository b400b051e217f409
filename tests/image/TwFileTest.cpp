// TW export and import.

#include "SettingsFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace settingstest;

namespace {

const QString ReadFailure = QStringLiteral("Error reading TW file: may be unsupported or corrupt.");

QByteArray RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray all(12292, '\0');
    for (char& byte : all)
        byte = static_cast<char>(random() & 0xFF);
    return all;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
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

class TwFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QByteArray exportOf(const QByteArray& content) {
        clsVUROVA image;
        image.Sbyt(content);
        image.ExportTWFile(path("export.tw"));
        return ReadAll(path("export.tw"));
    }

private:
    QTemporaryDir dir_;
};

} // namespace

TEST_F(TwFile, ExportLayout) {
    const QByteArray content = RandomImage(1);
    const QByteArray file = exportOf(content);
    ASSERT_EQ(file.size(), 5172);
    EXPECT_EQ(file.left(8), Bytes({0x02, 0, 0, 0, 0x00, 0x10, 0, 0}));
    EXPECT_EQ(file.mid(72, 4), Bytes({0x00, 0x50, 0, 0}));
    EXPECT_EQ(file.mid(2112, 4), Bytes({0x07, 0xD0, 0, 0}));
    EXPECT_EQ(file.mid(2180, 2), Bytes({0x10, 0x10}));
    EXPECT_EQ(file.mid(2246, 2), Bytes({0x10, 0x50}));
    EXPECT_EQ(file.mid(4292, 4), Bytes({0x08, 0x10, 0, 0}));
    EXPECT_EQ(file.mid(4360, 2), Bytes({0x09, 0x70}));
    EXPECT_EQ(file.mid(4426, 2), Bytes({0x0E, 0x20}));
    EXPECT_EQ(file.mid(4492, 2), Bytes({0x18, 0x10}));
    EXPECT_EQ(file.mid(4558, 2), Bytes({0x0E, 0x06}));
    EXPECT_EQ(file.mid(4566, 58), QByteArray(58, static_cast<char>(0xFF)));
    EXPECT_EQ(file.mid(4624, 4), Bytes({0x50, 0x59, 0x39, 0x00}));
    EXPECT_EQ(file.mid(4868, 4), Bytes({0x78, 0x8C, 0x39, 0x00})); // 3,771,512
    EXPECT_EQ(file.mid(5124, 4), Bytes({0x88, 0xA0, 0x39, 0x00})); // 3,776,648
    EXPECT_EQ(file.mid(5168, 4), Bytes({0xF8, 0xA3, 0x39, 0x00}));

    EXPECT_EQ(file.mid(8, 64), content.mid(0x0010, 64));
    EXPECT_EQ(file.mid(4 + 31 * 68 + 4, 64), content.mid(0x07D0, 64));
    EXPECT_EQ(file.mid(2182, 64), content.mid(0x1010, 64));
    EXPECT_EQ(file.mid(4296, 64), content.mid(0x0810, 64));
    EXPECT_EQ(file.mid(4362, 64), content.mid(0x0970, 64));
    EXPECT_EQ(file.mid(4428, 64), content.mid(0x0E20, 64));
    EXPECT_EQ(file.mid(4494, 64), content.mid(0x1810, 64));
    EXPECT_EQ(file.mid(4560, 6), content.mid(0x0E06, 6));
}

TEST_F(TwFile, ExportTakesNoSnapshotAndReplacesOrRefuses) {
    clsVUROVA image;
    image.Sbyt(RandomImage(2));
    ASSERT_TRUE(image.IsDataChanged());
    WriteAll(path("old.tw"), QByteArray(9000, 'x'));
    image.ExportTWFile(path("old.tw"));
    EXPECT_EQ(ReadAll(path("old.tw")).size(), 5172);
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
    WriteAll(path("b.tw"), file.left(4560));
    clsVUROVA image;
    image.Sbyt(RandomImage(6));
    QString message;
    ASSERT_TRUE(image.ImportTWFile(path("b.tw"), message));
    EXPECT_EQ(BytesAt(image, 0x0E06, 6), QByteArray(6, static_cast<char>(0xFF)));
    EXPECT_EQ(image.PowerUpMsgLine2(), "");
}

TEST_F(TwFile, ShortOrUnreadableFilesAreRefusedAndChangeNothing) {
    const QByteArray file = exportOf(RandomImage(7));
    clsVUROVA image;
    image.Sbyt(RandomImage(8));
    const QByteArray before = image.GetBytArry();

    for (const int length : {0, 4, 4000, 4559, 4565}) {
        WriteAll(path("short.tw"), file.left(length));
        QString message;
        EXPECT_FALSE(image.ImportTWFile(path("short.tw"), message)) << length;
        EXPECT_EQ(message, ReadFailure) << length;
    }
    QString message;
    EXPECT_FALSE(image.ImportTWFile(path("missing.tw"), message));
    EXPECT_EQ(message, ReadFailure + "File not found");
    EXPECT_FALSE(image.ImportTWFile(path(""), message));
    EXPECT_EQ(message, ReadFailure + "Path/File access error (is a folder)");
    WriteAll(path("locked.tw"), file);
    QFile::setPermissions(path("locked.tw"), QFileDevice::WriteOwner);
    if (!QFile(path("locked.tw")).open(QIODevice::ReadOnly)) { // root reads it anyway
        EXPECT_FALSE(image.ImportTWFile(path("locked.tw"), message));
        EXPECT_TRUE(message.startsWith(ReadFailure + "Path/File access error ("))
            << message.toStdString();
    }
    EXPECT_EQ(image.GetBytArry(), before);
    EXPECT_FALSE(image.IsTWFile());

    WriteAll(path("exact.tw"), file.left(4566));
    EXPECT_TRUE(image.ImportTWFile(path("exact.tw"), message));
}
