#include "tests/app/dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace quintavo::app::test {

void WhenModal(std::function<void(QWidget* modal)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        EXPECT_NE(modal, nullptr) << "no modal window is open";
        if (modal) action(modal);
    });
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = QStringLiteral(QUINTAVO_ARTIFACT_DIR "/dialogs");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path, "PNG")) << path.toStdString();
}

} // namespace quintavo::app::test
