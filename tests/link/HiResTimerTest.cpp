#include "platform/core/HiResTimer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using platform::HiResTimer;

TEST(HiResTimer, CounterHasFourDecimals) {
    const double t = HiResTimer::ElapsedSeconds();
    EXPECT_DOUBLE_EQ(t, std::round(t * 10000.0) / 10000.0);
    HiResTimer::Delay(2);
    EXPECT_GT(HiResTimer::ElapsedSeconds(), t);
}

TEST(HiResTimer, PauseTakesNoMessageUntilItEnds) {
    QElapsedTimer timer;
    timer.start();
    qint64 tickedAt = -1;
    QTimer::singleShot(1, [&] { tickedAt = timer.nsecsElapsed(); });
    HiResTimer::Delay(30);
    EXPECT_GT(timer.nsecsElapsed(), 30'000'000);
    // The timer was due long before; it runs in the one turn at the end.
    EXPECT_GT(tickedAt, 30'000'000);

    bool ticked = false;
    QTimer::singleShot(0, [&] { ticked = true; });
    HiResTimer::Delay(-1); // returns at once, still after one turn
    EXPECT_TRUE(ticked);
}
