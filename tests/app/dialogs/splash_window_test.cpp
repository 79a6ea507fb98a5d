#include "app/splash_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QTimer>

#include "assets/assets.h"
#include "tests/app/dialogs/dialog_test_support.h"

namespace {

using quintavo::app::TfrmSplash;
namespace T = quintavo::app::test;

class SplashTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quintavo::InitAssets(); }

    void SetUp() override {
        auto* gauge = splash.findChild<QProgressBar*>(QStringLiteral("Gauge1"));
        ASSERT_NE(gauge, nullptr);
        QObject::connect(gauge, &QProgressBar::valueChanged,
                         [this](int value) { steps.push_back(value); });
    }

    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&splash, &activate);
    }

    static std::vector<int> OneToHundred() {
        std::vector<int> all(100);
        for (int i = 0; i < 100; ++i)
            all[static_cast<std::size_t>(i)] = i + 1;
        return all;
    }

    TfrmSplash splash;
    std::vector<int> steps;
};

TEST_F(SplashTest, LayoutAndPicture) {
    EXPECT_EQ(splash.size(), QSize(318, 92));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.Progress(), 0);
    EXPECT_FALSE(splash.SplashDone());
    auto* gauge = splash.findChild<QProgressBar*>(QStringLiteral("Gauge1"));
    EXPECT_EQ(gauge->geometry(), QRect(12, 72, 292, 9));
    EXPECT_FALSE(gauge->isTextVisible());
    splash.ShowSplash();
    const QImage shot = splash.grab().toImage();
    // Frame outline, then the picture from (1, 1).
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    const QImage picture = quintavo::LoadPicture(QString::fromLatin1(quintavo::SplashPath));
    EXPECT_EQ(shot.pixelColor(3, 3), picture.pixelColor(2, 2));
    T::SaveScreenshot(splash, QStringLiteral("splash"));
}

TEST_F(SplashTest, ShowingRunsTheBarOnceToTheEnd) {
    splash.ShowSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.SplashDone());
    EXPECT_EQ(splash.Progress(), 100);
    EXPECT_EQ(steps, OneToHundred());
}

// Close requests and activations that arrive while the bar runs (the bar
// handles window messages between its steps) and after it is full.
TEST_F(SplashTest, RefusesToCloseBeforeTheBarIsFullAndNeverRestarts) {
    EXPECT_FALSE(splash.close()) << "before it ran";

    bool closedEarly = true;
    bool requested = false;
    auto* gauge = splash.findChild<QProgressBar*>(QStringLiteral("Gauge1"));
    QObject::connect(gauge, &QProgressBar::valueChanged, [&](int value) {
        if (value != 30) return;
        // Delivered while the bar handles the window messages after this step.
        QTimer::singleShot(0, [&] {
            requested = true;
            closedEarly = splash.close();
            Activate();
        });
    });
    splash.ShowSplash();
    EXPECT_TRUE(requested);
    EXPECT_FALSE(closedEarly);
    EXPECT_EQ(steps, OneToHundred()) << "the activation inside the run did not restart it";

    Activate();
    splash.FormActivate();
    EXPECT_EQ(steps, OneToHundred()) << "nor did the ones after it";
    EXPECT_TRUE(splash.close());
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
