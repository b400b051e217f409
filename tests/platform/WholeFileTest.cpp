#include "platform/core/WholeFile.h"
#include "platform/core/RuntimeError.h"
#include "support/SpecialFiles.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using platform::RuntimeError;

namespace {

// The error WriteWholeFile raised, or none.
QString WriteError(const QString& path, const QByteArray& bytes) {
    try {
        platform::WriteWholeFile(path, bytes);
    } catch (const RuntimeError& e) {
        return platform::ErrorText(e);
    }
    return QString();
}

} // namespace

class WholeFileTest : public TempDirTest {};

TEST_F(WholeFileTest, WritesExactlyTheBytesOrRaisesWithTheReason) {
    const QString path = tempPath(QStringLiteral("a.bin"));
    WriteFileBytes(path, QByteArray(20000, 'x'));
    const QByteArray bytes("\x00\x01\xFF\r\n", 5);
    EXPECT_EQ(WriteError(path, bytes), QString());
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(WriteError(path, QByteArray()), QString());
    EXPECT_EQ(ReadFileBytes(path), QByteArray());

    EXPECT_EQ(WriteError(tempPath(QStringLiteral("no/such/a.bin")), bytes),
              QStringLiteral("Error 75: Path/File access error (No such file or directory)"));
    EXPECT_EQ(WriteError(QString(), bytes),
              QStringLiteral("Error 75: Path/File access error (no file name)"));
    EXPECT_EQ(QDir(tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.bin"});
}

// The new file is renamed over the old one: over a pipe (or, for root, over a
// device such as /dev/full) that would put a plain file in its place.
TEST_F(WholeFileTest, WritesNothingOverAFolderOrAPipe) {
    const NamedPipe pipe(tempPath(QStringLiteral("pipe.pdf")));
    ASSERT_TRUE(pipe.made());
    EXPECT_EQ(WriteError(pipe.path(), "x"),
              QStringLiteral("Error 75: Path/File access error (not a regular file)"));
    EXPECT_FALSE(QFileInfo(pipe.path()).isFile());
    const QString folder = tempPath(QStringLiteral("folder.pdf"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(WriteError(folder, "x"),
              QStringLiteral("Error 75: Path/File access error (is a folder)"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A write smaller than Qt's buffer used to fail only in the final flush, which
// commit() ignored: the old file became an empty one. A write with room for
// part of it stops short first and fails on the rest.
TEST_F(WholeFileTest, FullDiskLeavesTheOldFileByteForByte) {
    FullDisk disk(tempPath(QStringLiteral("disk")));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString path = disk.path(QStringLiteral("old.bin"));
    const QByteArray old(3000, 'o');
    WriteFileBytes(path, old);
    ASSERT_TRUE(disk.fill());
    const QString full =
        QStringLiteral("Error 75: Path/File access error (No space left on device)");
    EXPECT_EQ(WriteError(path, QByteArray(1, 'n')), full);
    QFile filler(disk.path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.resize(filler.size() - 8192));
    EXPECT_EQ(WriteError(path, QByteArray(12292, 'n')), full);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList({"filler", "old.bin"}));
}

TEST_F(WholeFileTest, OnlyRegularFilesCountAsFiles) {
    const QString file = tempPath(QStringLiteral("a.uvd"));
    WriteFileBytes(file, "x");
    const NamedPipe pipe(tempPath(QStringLiteral("pipe.uvd")));
    ASSERT_TRUE(pipe.made());
    EXPECT_EQ(platform::NotRegularFileReason(file), QString());
    EXPECT_EQ(platform::NotRegularFileReason(tempPath(QStringLiteral("missing.uvd"))), QString());
    EXPECT_EQ(platform::NotRegularFileReason(QString()), QString());
    EXPECT_EQ(platform::NotRegularFileReason(tempDir.path()), QStringLiteral("is a folder"));
    EXPECT_EQ(platform::NotRegularFileReason(pipe.path()), QStringLiteral("not a regular file"));
    EXPECT_EQ(platform::NotRegularFileReason(QStringLiteral("/dev/null")),
              QStringLiteral("not a regular file"));
}

namespace {

// The error ReadWholeFile raised, or none.
QString ReadError(const QString& path) {
    try {
        platform::ReadWholeFile(path);
    } catch (const RuntimeError& e) {
        return platform::ErrorText(e);
    }
    return QString();
}

} // namespace

TEST_F(WholeFileTest, ReadsEveryByteOrRaisesWithTheReason) {
    const QString path = tempPath(QStringLiteral("a.csv"));
    QByteArray bytes(70000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    WriteFileBytes(path, bytes);
    EXPECT_EQ(platform::ReadWholeFile(path), bytes);
    WriteFileBytes(path, QByteArray());
    EXPECT_EQ(platform::ReadWholeFile(path), QByteArray());

    EXPECT_EQ(ReadError(tempPath(QStringLiteral("missing.csv"))),
              QStringLiteral("Error 53: File not found (No such file or directory)"));
    EXPECT_EQ(ReadError(QString()),
              QStringLiteral("Error 75: Path/File access error (no file name)"));
    EXPECT_EQ(ReadError(tempDir.path()),
              QStringLiteral("Error 75: Path/File access error (is a folder)"));
    const NamedPipe pipe(tempPath(QStringLiteral("pipe.csv")));
    ASSERT_TRUE(pipe.made());
    EXPECT_EQ(ReadError(pipe.path()),
              QStringLiteral("Error 75: Path/File access error (not a regular file)"));
}
