#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QSysInfo>
#include <QTemporaryDir>

using quintavo::app::SingleInstance;

TEST(SingleInstance, TheNameWithItsTrailingBlankIsHeldByOneInstanceAtATime) {
    QTemporaryDir folder;
    {
        SingleInstance first(QStringLiteral("Quintavo "), folder.path());
        ASSERT_TRUE(first.Acquire());
        EXPECT_TRUE(first.LockFilePath().endsWith(QStringLiteral("/Quintavo .lock")));
        QLocalSocket probe;
        probe.connectToServer(first.ServerPath());
        EXPECT_TRUE(probe.waitForConnected(2000));

        SingleInstance second(QStringLiteral("Quintavo "), folder.path());
        EXPECT_FALSE(second.Acquire());
        // Another name, "Quintavo" without the blank, is not the game's.
        SingleInstance other(QStringLiteral("Quintavo"), folder.path());
        EXPECT_TRUE(other.Acquire());
    }
    SingleInstance later(QStringLiteral("Quintavo "), folder.path());
    EXPECT_TRUE(later.Acquire());
}

TEST(SingleInstance, HoldsWhateverTheApplicationIsCalled) {
    // The lock names its holder by the application's name, which differs from
    // the program file's; a live holder keeps its lock all the same.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("com.harbrook.quintavo"));
    QTemporaryDir folder;
    SingleInstance first(QStringLiteral("Quintavo "), folder.path());
    ASSERT_TRUE(first.Acquire());
    SingleInstance second(QStringLiteral("Quintavo "), folder.path());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(first.Held());
    QCoreApplication::setApplicationName(name);
}

TEST(SingleInstance, ALockLeftByAProcessThatIsGoneIsTakenOver) {
    QTemporaryDir folder;
    QFile stale(folder.filePath(QStringLiteral("Quintavo .lock")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // Written as a lock of a process that has ended, on this machine.
    stale.write("999999999\nquintavo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance instance(QStringLiteral("Quintavo "), folder.path());
    EXPECT_TRUE(instance.Acquire());
}

TEST(SingleInstance, AFolderWithoutRoomForALockNeverStopsTheGame) {
    SingleInstance instance(QStringLiteral("Quintavo "), QStringLiteral("/proc/no/such/folder"));
    EXPECT_TRUE(instance.Acquire());
    EXPECT_FALSE(instance.Held());
}
