#pragma once
// Small helpers every test program may use.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// Runs the event loop for about ms milliseconds.
void ProcessEventsFor(int ms);

// Runs the event loop until predicate holds or timeoutMs passes; returns the
// predicate's last value. Objects deleted later are deleted on the way.
bool WaitUntil(const std::function<bool()>& predicate, int timeoutMs = 5000);

// Whole-file helpers for checking exact bytes.
QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// A fixture with a fresh temporary folder.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tempDir.isValid()); }
    QString tempPath(const QString& name) const { return tempDir.filePath(name); }

    QTemporaryDir tempDir;
};
