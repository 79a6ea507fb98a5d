#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

using quintavo::app::ReadPlacement;
using quintavo::app::ScreenVariantName;
using quintavo::app::WindowPlacement;
using quintavo::app::WritePlacement;

namespace {

struct Store {
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat};
};

const QSize Screen(1024, 768);

WindowPlacement Sample() {
    WindowPlacement p;
    p.ShowCmd = 1;
    p.PixelsPerInch = 96;
    p.NormPos = {120, 80, 759, 695};
    return p;
}

} // namespace

TEST(WindowPlacement, WritesEveryValueAsTextWithTheScreenSizeVariants) {
    Store store;
    WritePlacement(store.settings, Sample(), Screen);
    EXPECT_EQ(store.settings.value("Flags").toString(), QStringLiteral("0"));
    EXPECT_EQ(store.settings.value("ShowCmd").toString(), QStringLiteral("1"));
    EXPECT_EQ(store.settings.value("PixelsPerInch").toString(), QStringLiteral("96"));
    EXPECT_EQ(store.settings.value("MinMaxPos").toString(), QStringLiteral("-1,-1,-1,-1"));
    EXPECT_EQ(store.settings.value("NormPos").toString(), QStringLiteral("120,80,759,695"));
    EXPECT_EQ(store.settings.value("NormPos(1024x768)").toString(),
              QStringLiteral("120,80,759,695"));
    EXPECT_EQ(store.settings.value("MinMaxPos(1024x768)").toString(),
              QStringLiteral("-1,-1,-1,-1"));
    EXPECT_EQ(store.settings.value("FormVersion").toString(), QStringLiteral("0"));
    EXPECT_EQ(ScreenVariantName(QStringLiteral("NormPos"), QSize(1920, 1080)),
              QStringLiteral("NormPos(1920x1080)"));
    EXPECT_EQ(ReadPlacement(store.settings, Screen, 96), Sample());
}

TEST(WindowPlacement, PrefersTheVariantOfTheCurrentScreenSize) {
    Store store;
    WritePlacement(store.settings, Sample(), Screen);
    WindowPlacement other = Sample();
    other.NormPos = {5, 6, 644, 621};
    WritePlacement(store.settings, other, QSize(1920, 1080)); // also rewrites the plain names
    EXPECT_EQ(ReadPlacement(store.settings, Screen, 96)->NormPos, Sample().NormPos);
    EXPECT_EQ(ReadPlacement(store.settings, QSize(1920, 1080), 96)->NormPos, other.NormPos);
    EXPECT_EQ(ReadPlacement(store.settings, QSize(800, 600), 96)->NormPos, other.NormPos);
}

TEST(WindowPlacement, IsIgnoredWhenItDoesNotApply) {
    struct Case {
        const char* what;
        const char* name;
        const char* value; // nullptr removes the value
    };
    const Case cases[] = {
        {"another density", "PixelsPerInch", "120"},
        {"no density", "PixelsPerInch", nullptr},
        {"a negative version", "FormVersion", "-1"},
        {"no normal position", "NormPos", nullptr},
        {"a malformed position", "NormPos", "1,2,three,4"},
        {"three numbers", "NormPos", "1,2,3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store store;
        WritePlacement(store.settings, Sample(), QSize(1, 1)); // plain names only for Screen
        store.settings.remove(ScreenVariantName(QStringLiteral("NormPos"), QSize(1, 1)));
        if (c.value)
            store.settings.setValue(c.name, QString::fromLatin1(c.value));
        else
            store.settings.remove(c.name);
        EXPECT_FALSE(ReadPlacement(store.settings, Screen, 96).has_value());
    }
    // A missing version counts as 0.
    Store store;
    WritePlacement(store.settings, Sample(), Screen);
    store.settings.remove("FormVersion");
    EXPECT_TRUE(ReadPlacement(store.settings, Screen, 96).has_value());
}

TEST(WindowPlacement, CaptureAndApplyTakeOnlyThePositionAndTheShowState) {
    QWidget window;
    window.setFixedSize(639, 615);
    window.move(40, 30);
    WindowPlacement p = quintavo::app::CapturePlacement(window);
    EXPECT_EQ(p.ShowCmd, 1);
    EXPECT_EQ(p.NormPos[0], 40);
    EXPECT_EQ(p.NormPos[1], 30);
    EXPECT_EQ(p.NormPos[2] - p.NormPos[0], 639);
    p.NormPos = {200, 100, 300, 150}; // a stored size is not taken
    quintavo::app::ApplyPlacement(window, p);
    EXPECT_EQ(window.pos(), QPoint(200, 100));
    EXPECT_EQ(window.size(), QSize(639, 615));
    p.ShowCmd = 6;
    quintavo::app::ApplyPlacement(window, p);
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
    p.ShowCmd = 9;
    quintavo::app::ApplyPlacement(window, p);
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
}

TEST(WindowPlacement, WithoutPositionsOnlyTheShowStateIsWrittenAndRead) {
    // A session whose window system hides positions writes none, so the
    // positions an X11 session stored stay for the next X11 start.
    Store store;
    WritePlacement(store.settings, Sample(), Screen);
    WindowPlacement hidden = Sample();
    hidden.ShowCmd = 2;
    hidden.NormPos = {0, 0, 639, 615};
    WritePlacement(store.settings, hidden, QSize(1280, 800), false);
    EXPECT_EQ(store.settings.value("ShowCmd").toString(), QStringLiteral("2"));
    EXPECT_EQ(store.settings.value("NormPos").toString(), QStringLiteral("120,80,759,695"));
    EXPECT_FALSE(
        store.settings.contains(ScreenVariantName(QStringLiteral("NormPos"), QSize(1280, 800))));
    EXPECT_FALSE(
        store.settings.contains(ScreenVariantName(QStringLiteral("MinMaxPos"), QSize(1280, 800))));
    EXPECT_EQ(ReadPlacement(store.settings, Screen, 96)->NormPos, Sample().NormPos);

    // Nor does such a session need positions to read the rest.
    Store fresh;
    WritePlacement(fresh.settings, hidden, Screen, false);
    const auto read = ReadPlacement(fresh.settings, Screen, 96, false);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ShowCmd, 2);
    EXPECT_FALSE(ReadPlacement(fresh.settings, Screen, 96).has_value());
}

TEST(WindowPlacement, ATopLeftCornerOrNoPositionLeavesTheWindowWhereItIs) {
    QWidget window;
    window.setFixedSize(639, 615);
    window.move(192, 76); // centred by its owner
    WindowPlacement p = Sample();
    p.NormPos = {0, 0, 639, 615}; // what a session without positions reports
    quintavo::app::ApplyPlacement(window, p);
    EXPECT_EQ(window.pos(), QPoint(192, 76));
    p.NormPos = {300, 200, 939, 815};
    p.ShowCmd = 2;
    quintavo::app::ApplyPlacement(window, p, false);
    EXPECT_EQ(window.pos(), QPoint(192, 76));
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
    p.ShowCmd = 1;
    quintavo::app::ApplyPlacement(window, p);
    EXPECT_EQ(window.pos(), QPoint(300, 200));
}
