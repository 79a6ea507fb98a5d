// Draws every picture of the game into the assets folder:
//   quintavo_asset_generator --out <assets folder> [--fonts <folder>] [--preview <folder>]
// The previews are PNG files for looking at the results (piece sets placed on squares,
// the pictures as they will be decoded).
#include "assets/generator/art.h"
#include "assets/generator/image_files.h"
#include "assets/generator/mockup.h"
#include "assets/generator/pictures.h"
#include "assets/generator/piece_sets.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

using namespace quintavo::gen;

namespace {

int Fail(const QString& message) {
    QTextStream(stderr) << "quintavo_asset_generator: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString out, preview, fontFolder = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--out"))
            out = args[i + 1];
        else if (args[i] == QLatin1String("--preview"))
            preview = args[i + 1];
        else if (args[i] == QLatin1String("--fonts"))
            fontFolder = args[i + 1];
        else
            return Fail(QStringLiteral("unknown option %1").arg(args[i]));
    }
    if (out.isEmpty())
        return Fail(
            QStringLiteral("usage: --out <assets folder> [--fonts <folder>] [--preview <folder>]"));

    Fonts fonts;
    QString error;
    if (!LoadFonts(fontFolder, &fonts, &error)) return Fail(error);
    const QDir root(out);
    for (const char* sub : {"pieces", "pictures", "icons"})
        if (!root.mkpath(QLatin1String(sub)))
            return Fail(QStringLiteral("cannot create %1").arg(sub));
    if (!preview.isEmpty() && !QDir().mkpath(preview))
        return Fail(QStringLiteral("cannot create %1").arg(preview));

    for (const PieceSetPlan& plan : PieceSetPlans()) {
        const QImage set = DrawPieceSet(fonts, plan);
        if (!WriteBmp8(set, root.filePath(QStringLiteral("pieces/") + plan.fileName), &error))
            return Fail(error);
        const QImage sharp = DrawPieceSet(fonts, plan, 2);
        const QString sharpName = HiDpiFileName(plan.fileName);
        if (!WritePng(sharp, root.filePath(QStringLiteral("pieces/") + sharpName), &error))
            return Fail(error);
        if (!preview.isEmpty()) {
            const QString base = QDir(preview).filePath(QFileInfo(plan.fileName).baseName());
            const QImage stored = ToIndexed8(set);
            if (!WritePng(stored, base + QStringLiteral("-sheet.png"), &error) ||
                !WritePng(PreviewOnBoard(stored, std::max(45, stored.height() / 4 + 8)),
                          base + QStringLiteral("-board.png"), &error) ||
                !WritePng(PreviewOnBoard(sharp, std::max(90, sharp.height() / 4 + 16)),
                          base + QStringLiteral("@2x-board.png"), &error))
                return Fail(error);
        }
    }

    for (const Picture& picture : Pictures()) {
        const QImage image = picture.draw(fonts);
        const QString path = root.filePath(picture.fileName);
        const bool ok = picture.fileName.endsWith(QLatin1String(".jpg"))
                            ? WriteJpeg(image, path, picture.quality, &error)
                            : WritePng(image, path, &error);
        if (!ok) return Fail(error);
        if (!preview.isEmpty() && picture.fileName.endsWith(QLatin1String(".jpg"))) {
            const QString name = QFileInfo(picture.fileName).baseName() + QStringLiteral(".png");
            if (!WritePng(QImage(path), QDir(preview).filePath(name), &error)) return Fail(error);
        }
    }

    if (!preview.isEmpty()) {
        const QImage background(root.filePath(QStringLiteral("pictures/background.jpg")));
        const QImage pieces(root.filePath(QStringLiteral("pieces/DEFAULTSET40.bmp")));
        if (!WritePng(WindowMockup(fonts, background, pieces),
                      QDir(preview).filePath(QStringLiteral("window-mockup.png")), &error))
            return Fail(error);
        const QImage splash(root.filePath(QStringLiteral("pictures/splash.jpg")));
        const QImage logo(root.filePath(QStringLiteral("pictures/about_logo.jpg")));
        if (!WritePng(SplashMockup(fonts, splash),
                      QDir(preview).filePath(QStringLiteral("splash-mockup.png")), &error) ||
            !WritePng(AboutMockup(fonts, logo),
                      QDir(preview).filePath(QStringLiteral("about-mockup.png")), &error))
            return Fail(error);
    }

    const QString svg = IconSvg(fonts);
    const QString svgPath = root.filePath(QStringLiteral("icons/quintavo.svg"));
    if (!WriteText(svg, svgPath, &error)) return Fail(error);
    if (!preview.isEmpty()) {
        // Drawn by Qt's own SVG reader where the plugin is installed.
        const QImage drawn(svgPath);
        if (!drawn.isNull() &&
            !WritePng(drawn, QDir(preview).filePath(QStringLiteral("icon-svg.png")), &error))
            return Fail(error);
    }
    return 0;
}
