// Program entry: one game per user, the splash window while the game window
// is built, then the game window until the program is ended.
#include <memory>

#include <QApplication>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "assets/assets.h"

#include "app/splash_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The desktop entry's name: the window system groups the windows under it
    // and finds the menu entry's icon by it.
    constexpr char AppId[] = "com.harbrook.quintavo";
    QApplication::setApplicationName(QString::fromLatin1(AppId));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppId));

    // A second start ends at once, silently, before any window exists.
    quintavo::app::SingleInstance instance;
    if (!instance.Acquire()) return 0;

    quintavo::InitAssets();
    QApplication::setWindowIcon(quintavo::AppIcon());
    // The window hides to the notification area; only the close command or a
    // close that passes the save question ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    quintavo::app::TfrmVessaro::Options options;
    auto splash = std::make_unique<quintavo::app::TfrmSplash>();
    splash->ShowSplash();
    options.CloseSplash = [&splash] {
        splash->hide();
        splash.reset();
    };
    quintavo::app::TfrmVessaro window(std::move(options));
    window.show();
    return app.exec();
}
