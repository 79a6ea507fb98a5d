// Program entry. Until the game window lands this shows a plain window.
#include <QApplication>
#include <QLabel>

#include "vessaro/vessaro.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quintavo"));
    window.setWindowTitle(QStringLiteral("Quintavo "));
    window.resize(639, 615);
    window.setAlignment(Qt::AlignCenter);
    (void)NoMeaning();
    window.show();
    return app.exec();
}
