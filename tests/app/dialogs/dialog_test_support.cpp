#include "tests/app/dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "lang/app_languages.h"

namespace quintavo::app::test {

LanguageState LanguageState::Capture() {
    LanguageState state;
    state.CurrentLanguageID = lang::CurrentLanguageID;
    for (std::string_view name : lang::SharedTextNames)
        state.Texts << *lang::SharedText(name);
    return state;
}

void LanguageState::Restore() const {
    lang::CurrentLanguageID = CurrentLanguageID;
    for (std::size_t i = 0; i < lang::SharedTextNames.size(); ++i)
        *lang::SharedText(lang::SharedTextNames[i]) = Texts.value(static_cast<qsizetype>(i));
}

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
