#include "chrome/tray_icon.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>
#include <QStringList>
#include <QTest>
#include <QWidget>

using quintavo::chrome::TPlainTimer;
using quintavo::chrome::TTrayIcon;

namespace {

// A timer driven by hand: time passes only when the test says so.
class ManualTimer : public TPlainTimer {
public:
    bool Start(int intervalMs) override {
        Stop();
        m_interval = intervalMs;
        m_elapsed = 0;
        m_active = true;
        return true;
    }
    void Stop() override { m_active = false; }
    void Advance(int ms) {
        m_elapsed += ms;
        while (m_active && m_interval > 0 && m_elapsed >= m_interval) {
            m_elapsed -= m_interval;
            Fire();
        }
    }

private:
    int m_elapsed = 0;
};

struct TrayFixture : ::testing::Test {
    QWidget owner;
    TTrayIcon tray{&owner};
    ManualTimer* clock = nullptr;
    std::string events;

    TrayFixture() {
        auto timer = std::make_unique<ManualTimer>();
        clock = timer.get();
        tray.SetClickTimer(std::move(timer));
        tray.SetDoubleClickTime(500);
        tray.OnClick = [this] { events += "click "; };
        tray.OnDblClick = [this] { events += "dbl "; };
    }
    void Click() {
        tray.LeftButtonDown();
        tray.LeftButtonUp();
    }
};

} // namespace

TEST_F(TrayFixture, ASingleClickIsReportedOnlyAfterTheDoubleClickTime) {
    Click();
    EXPECT_EQ(events, "");
    clock->Advance(499);
    EXPECT_EQ(events, "");
    clock->Advance(1);
    EXPECT_EQ(events, "click ");
    EXPECT_FALSE(clock->Active());
    clock->Advance(5000);
    EXPECT_EQ(events, "click ");
}

TEST_F(TrayFixture, ADoubleClickIsReportedAloneWithNoClick) {
    // Windows-style sequence: down, up, double click, up.
    tray.LeftButtonDown();
    tray.LeftButtonUp();
    clock->Advance(100);
    tray.LeftDoubleClick();
    tray.LeftButtonUp();
    clock->Advance(2000);
    EXPECT_EQ(events, "dbl ");
    // Qt-style sequence: a second press before the double click.
    events.clear();
    Click();
    clock->Advance(100);
    Click();
    tray.LeftDoubleClick();
    clock->Advance(2000);
    EXPECT_EQ(events, "dbl ");
    // A later single click is a click again.
    events.clear();
    Click();
    clock->Advance(500);
    EXPECT_EQ(events, "click ");
}

TEST_F(TrayFixture, WithoutADoubleClickHandlerAClickIsReportedAtOnce) {
    tray.OnDblClick = nullptr;
    Click();
    EXPECT_EQ(events, "click ");
    EXPECT_FALSE(clock->Active());
}

TEST_F(TrayFixture, ADisabledIconReportsNothing) {
    tray.SetEnabled(false);
    Click();
    tray.LeftDoubleClick();
    clock->Advance(1000);
    EXPECT_EQ(events, "");
}

TEST_F(TrayFixture, MouseDownAndUpComeForEveryButton) {
    tray.OnMouseDown = [this](Qt::MouseButton b) { events += "down" + std::to_string(b) + " "; };
    tray.OnMouseUp = [this](Qt::MouseButton b) { events += "up" + std::to_string(b) + " "; };
    tray.OnDblClick = nullptr;
    Click();
    tray.RightButtonDown();
    tray.RightButtonUp();
    tray.MiddleButtonDown();
    tray.MiddleButtonUp();
    EXPECT_EQ(events, "down1 click up1 down2 up2 down4 up4 ");
}

TEST_F(TrayFixture, ADoubleClickRunsTheMenusDefaultItem) {
    QMenu menu;
    QAction* plain = menu.addAction(QStringLiteral("plain"));
    QAction* main = menu.addAction(QStringLiteral("main"));
    QObject::connect(plain, &QAction::triggered, [this] { events += "plain "; });
    QObject::connect(main, &QAction::triggered, [this] { events += "main "; });
    tray.SetPopupMenu(&menu);
    tray.LeftDoubleClick();
    EXPECT_EQ(events, "dbl ");
    menu.setDefaultAction(main);
    events.clear();
    tray.LeftDoubleClick();
    EXPECT_EQ(events, "dbl main ");
}

TEST_F(TrayFixture, AHostsActivationIsReportedOnceAndNeverAsAClick) {
    tray.OnActivate = [this] { events += "activate "; };
    tray.HostActivation();
    clock->Advance(2000);
    EXPECT_EQ(events, "activate ");
    tray.SetEnabled(false);
    tray.HostActivation();
    EXPECT_EQ(events, "activate ");
}

TEST(TrayIcon, ReportsEveryShowAndHideOfItsOwnerAfterTheFact) {
    QWidget owner;
    TTrayIcon tray(&owner);
    std::vector<bool> seen;
    tray.OnOwnerShownOrHidden = [&] { seen.push_back(owner.isVisible()); };
    owner.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == 1; }));
    owner.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(TrayIcon, TheHintShowsAtMost127Characters) {
    QWidget owner;
    TTrayIcon tray(&owner);
    const QString hint(200, QLatin1Char('h'));
    tray.SetHint(hint);
    EXPECT_EQ(tray.Hint(), hint);
    EXPECT_EQ(tray.ShownTip(), hint.left(127));
    tray.SetHint(QString(300, QLatin1Char('x')));
    EXPECT_EQ(tray.Hint().size(), 255);
    tray.SetHint(QStringLiteral("Mirabel"));
    EXPECT_EQ(tray.ShownTip(), QStringLiteral("Mirabel"));
    tray.SetShowHint(false);
    EXPECT_EQ(tray.ShownTip(), QString());
}

TEST(TrayIcon, AMenuThatGoesAwayIsForgotten) {
    QWidget owner;
    TTrayIcon tray(&owner);
    auto menu = std::make_unique<QMenu>();
    tray.SetPopupMenu(menu.get());
    EXPECT_EQ(tray.PopupMenu(), menu.get());
    menu.reset();
    EXPECT_EQ(tray.PopupMenu(), nullptr);
    tray.RightButtonDown(); // no menu to open, nothing happens
}

TEST(TrayIcon, WithoutANotificationAreaNothingIsHiddenToIt) {
    if (TTrayIcon::Available()) GTEST_SKIP() << "this desktop has a notification area";
    // Nor is an icon made: showing one would make Qt complain that this
    // platform cannot say when an area appears.
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains(QLatin1String("No such signal"))) warnings << text;
        });
    {
        QWidget owner;
        TTrayIcon tray(&owner);
        tray.SetIcon(QIcon(QPixmap(16, 16)));
        tray.SetMinimizeToTray(true);
        tray.SetIconVisible(true);
        owner.show();
        tray.MinimizeOwnerToTray();
        EXPECT_TRUE(owner.isVisible());
        EXPECT_FALSE(tray.IconShown());
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}
