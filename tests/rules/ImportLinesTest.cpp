#include "rules/ImportLines.h"
#include "platform/core/RuntimeError.h"
#include "support/TestUtil.h"

using importlines::SplitLines;

TEST(ImportLines, WithACrAnywhereLinesEndAtCrLfOrALoneCr) {
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\r\n")), QStringList({"a", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\rb\r\rc")), QStringList({"a", "b", "", "c"}));
    // A lone LF stays in its line once the file holds a CR.
    EXPECT_EQ(SplitLines(QStringLiteral("a\nb\r\nc\n")), QStringList({"a\nb", "c\n"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\n\r\n\r\nb\r\n")), QStringList({"a", "", "", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("\r\n")), QStringList({""}));
    EXPECT_EQ(SplitLines(QStringLiteral("\n\r")), QStringList({"\n"}));
}

// Without any CR the same lines read as with CR LF: the final line end opens
// no extra line, blank lines inside stay.
TEST(ImportLines, WithoutACrLinesEndAtEveryLf) {
    EXPECT_EQ(SplitLines(QStringLiteral("a\nb\n")), QStringList({"a", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\n\nb\n\n")), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(SplitLines(QStringLiteral("\n")), QStringList({""}));
    EXPECT_EQ(SplitLines(QStringLiteral("abc")), QStringList({"abc"}));
    EXPECT_EQ(SplitLines(QString()), QStringList());
}

class ImportLinesFileTest : public TempDirTest {};

TEST_F(ImportLinesFileTest, ReadsTheBytesThroughTheSingleByteCodec) {
    const QString path = tempPath(QStringLiteral("a.csv"));
    WriteFileBytes(path, QByteArray("N\xE9,\x81\r\nx\x00y\r\n", 11));
    EXPECT_EQ(importlines::ReadLines(path),
              QStringList({QStringLiteral(u"N\u00E9,\u0081"),
                           QString(QStringLiteral("x")) + QChar(0) + QStringLiteral("y")}));
    try {
        importlines::ReadLines(tempPath(QStringLiteral("missing.csv")));
        ADD_FAILURE() << "no error raised";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
    }
}
