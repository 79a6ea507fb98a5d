// Program entry: one game per user, the splash window while the game window
// is built, then the game window until the program is ended.
#include <memory>

#include <QApplication>
#include <QWindow>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/splash_window.h"
#include "assets/assets.h"

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

    // X11 takes the window class from the application name once, at the first
    // native window, and the class must be the desktop entry's id. Everything
    // that reads the name later (the D-Bus tray item's title, message boxes)
    // should name the game instead.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QWindow classProbe;
        classProbe.create();
    }
    QApplication::setApplicationName(QStringLiteral("Quintavo"));

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
