// GoogleTest main for the board on dense screens: Qt's offscreen platform
// with every logical pixel QUINTAVO_TEST_SCALE device pixels wide, or with
// two screens side by side, "left" at ratio 1 and "right" at ratio 2.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
#ifdef QUINTAVO_TEST_SCALE
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QUINTAVO_TEST_SCALE);
#else
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUINTAVO_TEST_DATA "/two_screens.json");
    qputenv("QT_SCREEN_SCALE_FACTORS", "left=1;right=2");
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
