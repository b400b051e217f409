#include "ShellFixture.h"

#include "platform/core/SingleInstance.h"
#include "platform/widgets/MsgBox.h"
#include "shell/Startup.h"

#include <QFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SingleInstanceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        platform::SetSingleInstanceFolder(tempPath(QStringLiteral("locks")));
    }
    void TearDown() override {
        ShellTest::TearDown();
        platform::SetSingleInstanceFolder(QString());
    }
};

} // namespace

TEST_F(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    {
        platform::SingleInstance first(QStringLiteral("KG-UV Ferrowind"));
        ASSERT_TRUE(first.tryAcquire());
        EXPECT_TRUE(QFile::exists(first.lockFilePath()));
        platform::SingleInstance second(QStringLiteral("KG-UV Ferrowind"));
        EXPECT_FALSE(second.tryAcquire());
    }
    platform::SingleInstance later(QStringLiteral("KG-UV Ferrowind"));
    EXPECT_TRUE(later.tryAcquire());
}

TEST_F(SingleInstanceTest, SecondStartShowsTheMessageAndMakesNoWindow) {
    platform::SingleInstance running(QStringLiteral("KG-UV Ferrowind"));
    ASSERT_TRUE(running.tryAcquire());
    platform::SingleInstance instance(QStringLiteral("KG-UV Ferrowind"));
    dialogs.answerMessage(platform::vbOK);
    const auto window = shell::Main(instance, {QStringLiteral("ferrowind")});
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(MainForm(), nullptr);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("KG-UV Ferrowind is already running."));
    EXPECT_EQ(dialogs.shown()[0].title, QString());
    EXPECT_EQ(dialogs.shown()[0].icon, platform::vbCritical);
    EXPECT_EQ(dialogs.shown()[0].buttons, platform::vbOKOnly);
}

TEST_F(SingleInstanceTest, LockOfAKilledCopyDoesNotBlockAStart) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // The killed copy: takes the lock and dies without letting go.
        platform::SingleInstance killed(QStringLiteral("KG-UV Ferrowind"));
        if (!killed.tryAcquire())
            _exit(2);
        raise(SIGKILL);
        _exit(3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    platform::SingleInstance instance(QStringLiteral("KG-UV Ferrowind"));
    ASSERT_TRUE(QFile::exists(instance.lockFilePath()));

    const auto window = shell::Main(instance, {QStringLiteral("ferrowind")});
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(instance.acquired());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KG-UV Ferrowind v1.0.0 (BETA)"));
}

TEST(CommandLine, ArgumentsAreJoinedByBlanks) {
    EXPECT_EQ(shell::CommandLine({"ferrowind"}), QString());
    EXPECT_EQ(shell::CommandLine({"ferrowind", "/home/ham/My", "Radio.uvd"}),
              QStringLiteral("/home/ham/My Radio.uvd"));
}
