// One store serves the run: a change stays in memory until a natural point
// or a quiet second writes it out, and a read always sees the last value
// written.

#include "platform/core/Settings.h"
#include "support/TestUtil.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QByteArray OnDisk() {
    return ReadFileBytes(SettingsFilePath());
}

} // namespace

TEST(SettingsStore, ChangesStayInMemoryUntilFlushed) {
    SaveSetting("Settings", "DocWidth", "8430"); // the store's first write creates the file
    const QByteArray created = OnDisk();
    ASSERT_TRUE(created.contains("DocWidth=8430"));

    SaveSetting("Settings", "DocWidth", "9000");
    SaveSetting("MRU", "mru0", "/r/a.uvd");
    SaveSetting("Settings", "DocHeight", "4725");
    DeleteSetting("Settings", "DocHeight");
    EXPECT_EQ(GetSetting("Settings", "DocWidth"), "9000");
    EXPECT_EQ(GetSetting("MRU", "mru0"), "/r/a.uvd");
    EXPECT_FALSE(HasSetting("Settings", "DocHeight"));
    // Nor does the next pass of the event loop write anything.
    QCoreApplication::processEvents();
    EXPECT_EQ(OnDisk(), created);

    FlushSettings();
    const QByteArray flushed = OnDisk();
    EXPECT_TRUE(flushed.contains("DocWidth=9000"));
    EXPECT_TRUE(flushed.contains("mru0=/r/a.uvd"));
    EXPECT_FALSE(flushed.contains("DocHeight"));
}

// While a border is dragged the store changes many times a second: the file
// is written once the changes stop.
TEST(SettingsStore, ChangesReachTheFileOnceTheyHaveRested) {
    SaveSetting("Settings", "DocWidth", "8430");
    const QByteArray created = OnDisk();
    int width = 8430;
    for (int i = 0; i < 14; ++i) {
        width += 15;
        SaveSetting("Settings", "DocWidth", QString::number(width));
        ProcessEventsFor(100);
    }
    EXPECT_EQ(OnDisk(), created);
    const QByteArray last = "DocWidth=" + QByteArray::number(width);
    EXPECT_TRUE(WaitUntil([&] { return OnDisk().contains(last); }, 3000));
}
