#include "chrome/plain_timer.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

using quintavo::chrome::TPlainTimer;

TEST(PlainTimer, FiresEveryIntervalUntilStoppedAndSwallowsExceptions) {
    int fired = 0;
    TPlainTimer timer([&] {
        ++fired;
        throw std::runtime_error("a callback's failure stays in the timer");
    });
    EXPECT_FALSE(timer.Active());
    ASSERT_TRUE(timer.Start(5));
    EXPECT_TRUE(timer.Active());
    EXPECT_EQ(timer.Interval(), 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, 5000));
    timer.Stop();
    EXPECT_FALSE(timer.Active());
    const int after = fired;
    // A second timer of the same interval shows how long "no more ticks" was watched.
    int witnessed = 0;
    TPlainTimer witness([&] { ++witnessed; });
    witness.Start(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return witnessed >= 4; }, 5000));
    EXPECT_EQ(fired, after);
}

TEST(PlainTimer, StartingAgainRestartsWithTheNewInterval) {
    int fired = 0;
    TPlainTimer timer([&] { ++fired; });
    timer.Start(10000);
    timer.Start(1);
    EXPECT_EQ(timer.Interval(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 1; }, 5000));
    EXPECT_FALSE(timer.Start(-1));
    EXPECT_FALSE(timer.Active());
}
