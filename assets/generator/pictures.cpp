#include "assets/generator/pictures.h"

#include "assets/window_layout.h"

#include <QPainter>
#include <QRegion>
#include <QSaveFile>

#include <array>
#include <cmath>

namespace quintavo::gen {
namespace {

constexpr char32_t WhiteKnight = 0x2658, BlackKnight = 0x265E, WhiteKing = 0x2654;

const QColor WoodDark(0x2E1B0E), WoodLight(0x7E5535);
const QColor Ink(0x24160B);   // dark lines on wood and paper
const QColor Paper(0xF3EAD6); // panels that carry black text
const QColor PaperShade(0xE6D8BC);
const QColor Cream(0xF3E2BF); // light marks on wood

QRect ToQRect(const layout::Rect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

QRegion WindowOutline() {
    QRegion region;
    for (const auto& r : layout::GameWindowOutline)
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return region;
}

// Paper with a faint fibre, lit from the top.
QImage PaperTexture(int width, int height, const QColor& base, int seed, int resolution = 1) {
    QImage image(width * resolution, height * resolution, QImage::Format_RGB32);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const qreal y = resolution == 1 ? py : (py + 0.5) / resolution - 0.5;
        for (int px = 0; px < image.width(); ++px) {
            const qreal x = resolution == 1 ? px : (px + 0.5) / resolution - 0.5;
            const qreal n = Fbm(x / 60.0, y / 60.0, seed, 4) - 0.5;
            const qreal fibre = Fbm(x / 3.0, y / 14.0, seed + 5, 2) - 0.5;
            const qreal light = 1.0 + 0.05 * n + 0.018 * fibre - 0.03 * y / height;
            line[px] = qRgb(qBound(0, int(base.red() * light), 255),
                            qBound(0, int(base.green() * light), 255),
                            qBound(0, int(base.blue() * light), 255));
        }
    }
    image.setDevicePixelRatio(resolution);
    return image;
}

// A sunken panel: the paper, a dark line above and left, a light line below and right.
void SunkenPanel(QPainter& p, const QRect& r, const QColor& base, int seed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const int resolution = static_cast<int>(p.device()->devicePixelRatio());
    p.drawImage(r.topLeft(), PaperTexture(r.width(), r.height(), base, seed, resolution));
    p.setPen(QColor(0, 0, 0, 150));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(QColor(0, 0, 0, 50));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p.setPen(QColor(255, 235, 200, 90));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.restore();
}

// A dark groove around a control that paints itself (the board, the move list).
void Groove(QPainter& p, const QRect& inner, int width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect outer = inner.adjusted(-width, -width, width, width);
    p.fillRect(outer, QColor(0x1C1108));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawLine(outer.left() - 1, outer.top() - 1, outer.right() + 1, outer.top() - 1);
    p.drawLine(outer.left() - 1, outer.top() - 1, outer.left() - 1, outer.bottom() + 1);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawLine(outer.left() - 1, outer.bottom() + 1, outer.right() + 1, outer.bottom() + 1);
    p.drawLine(outer.right() + 1, outer.top() - 1, outer.right() + 1, outer.bottom() + 1);
    p.restore();
}

// A raised face: rounded, lit from above, with a dark edge.
void RaisedFace(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
                const QColor& edge) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
               QPointF(r.right() - radius, r.top() + 1.5));
}

// Scales `shape` (its bounds) into `box`, standing on the box's bottom edge,
// centred, optionally mirrored.
QTransform FitOnBase(const QRectF& shape, const QRectF& box, bool mirrored) {
    const qreal scale = std::min(box.width() / shape.width(), box.height() / shape.height());
    QTransform t;
    t.translate(box.center().x(), box.bottom());
    if (mirrored) t.scale(-1, 1);
    t.scale(scale, scale);
    t.translate(-shape.center().x(), -shape.bottom());
    return t;
}

// A chess glyph fitted into a box: light body, dark contour and inner lines.
void DrawGlyphPiece(QPainter& p, const Fonts& fonts, char32_t outlineGlyph, const QRectF& box,
                    const QColor& body, const QColor& line, bool mirrored = false,
                    qreal extraLine = 0) {
    const QPainterPath outline = GlyphPath(fonts.sans, outlineGlyph);
    const QPainterPath solid = GlyphPath(fonts.sans, outlineGlyph + 6);
    const QPainterPath hull = Silhouette(solid).united(Silhouette(outline));
    const QRectF b = hull.boundingRect();
    const QTransform t = FitOnBase(b, box, mirrored);
    p.fillPath(t.map(hull), body);
    p.fillPath(t.map(outline), line);
    if (extraLine > 0)
        p.strokePath(t.map(hull),
                     QPen(line, extraLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Dark pieces: dark body, light rim, light inner lines.
void DrawDarkGlyphPiece(QPainter& p, const Fonts& fonts, char32_t solidGlyph, const QRectF& box,
                        const QColor& body, const QColor& rim, qreal rimWidth,
                        bool mirrored = false) {
    const QPainterPath solid = GlyphPath(fonts.sans, solidGlyph);
    const QPainterPath hull = Silhouette(solid);
    const QRectF b = hull.boundingRect();
    const QTransform t = FitOnBase(b, box, mirrored);
    p.strokePath(t.map(hull), QPen(rim, 2 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(t.map(hull), rim);
    p.fillPath(t.map(solid), body);
}

void DrawName(QPainter& p, const Fonts& fonts, const QString& text, qreal pixelSize,
              const QPointF& baseline, const QColor& colour, const QColor& shadow) {
    const QPainterPath path = TextPath(fonts.serifBold, text, pixelSize, true);
    p.fillPath(path.translated(baseline + QPointF(1, 1)), shadow);
    p.fillPath(path.translated(baseline), colour);
}

// The outline's own edge: a dark line just inside it and a faint light one inside that,
// so the cut-out shape looks finished. The picture's border counts as outside; what lies
// outside is filled dark, so that a window left unshaped still looks tidy.
void OutlineRim(QImage& image, const QRegion& logicalOutline) {
    // Measured in the picture's own pixels, the rim as wide as at resolution 1.
    const int k = static_cast<int>(image.devicePixelRatio());
    const QRegion outline =
        k == 1 ? logicalOutline : QTransform::fromScale(k, k).map(logicalOutline);
    const int w = image.width(), h = image.height();
    std::vector<int> distance(static_cast<std::size_t>(w * h), 99);
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && outline.contains(QPoint(x, y));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            int d = 99;
            for (int r = 1; r <= 2 * k && d == 99; ++r)
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx)
                        if (std::abs(dx) + std::abs(dy) <= r && !inside(x + dx, y + dy))
                            d = std::min(d, r);
            distance[static_cast<std::size_t>(y * w + x)] = d;
        }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int d = distance[static_cast<std::size_t>(y * w + x)];
            if (d <= k || !inside(x, y))
                line[x] = 0xFF000000 | layout::WindowFillRgb;
            else if (d <= 2 * k)
                line[x] = Mix(QColor(line[x]), QColor(0xD9B98A), 0.35).rgb();
        }
    }
}

} // namespace

QImage DrawBackground(const Fonts& fonts, int resolution) {
    using namespace layout;
    const int width = Background.w, height = Background.h;
    QImage image = WoodTexture(width, height, WoodDark, WoodLight, 11, 1.0, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Title bar: a darker band with the name on the left and the two buttons on the right.
    QLinearGradient bar(0, 0, 0, TitleBarHeight);
    bar.setColorAt(0, QColor(255, 230, 190, 45));
    bar.setColorAt(0.45, QColor(0, 0, 0, 40));
    bar.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(0, 0, width, TitleBarHeight, bar);
    p.fillRect(0, TitleBarHeight, width, 1, QColor(0, 0, 0, 140));
    p.fillRect(0, TitleBarHeight + 1, width, 1, QColor(255, 225, 180, 45));
    DrawGlyphPiece(p, fonts, WhiteKnight, QRectF(9, 4, 16, 17), Cream, Ink, true, 0.6);
    DrawName(p, fonts, QStringLiteral("Quintavo"), 15, QPointF(31, 18), Cream,
             QColor(0, 0, 0, 160));

    const QRect hide = ToQRect(HideButton), close = ToQRect(CloseButton);
    RaisedFace(p, QRectF(hide).adjusted(1, 1, -1, -1), 3, QColor(0x7A5535), QColor(0x3E2615), Ink);
    RaisedFace(p, QRectF(close).adjusted(1, 1, -1, -1), 3, QColor(0x8E3B2A), QColor(0x521A10), Ink);
    p.setPen(QPen(Cream, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(hide.left() + 5, hide.top() + 11),
               QPointF(hide.right() - 4, hide.top() + 11));
    p.setPen(QPen(Cream, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = QRectF(close).center();
    p.drawLine(c + QPointF(-3.2, -3.2), c + QPointF(3.2, 3.2));
    p.drawLine(c + QPointF(-3.2, 3.2), c + QPointF(3.2, -3.2));

    // The paper that carries the title, the board, the move list and the two fixed lines.
    const QRect paper(6, 29, 618, 510);
    p.fillRect(paper.adjusted(-2, -2, 2, 2), QColor(0, 0, 0, 60));
    SunkenPanel(p, paper, Paper, 3);

    const QRect board = ToQRect(Board);
    p.fillRect(board.adjusted(-4, -2, 6, 8), QColor(60, 35, 15, 25)); // soft shadow
    Groove(p, board, 3);

    const QRect list = ToQRect(MoveList);
    const QRect side(list.left() - 6, 74, list.width() + 12, list.bottom() + 6 - 74 + 1);
    SunkenPanel(p, side, PaperShade, 5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(list, Qt::white);
    p.setPen(QColor(0xB39B76));
    p.drawRect(list.adjusted(-1, -1, 0, 0));
    p.setRenderHint(QPainter::Antialiasing);

    // A rule between the playing area and the two fixed lines.
    const int ruleY = 482;
    QLinearGradient rule(40, 0, 590, 0);
    rule.setColorAt(0, QColor(138, 106, 69, 0));
    rule.setColorAt(0.5, QColor(138, 106, 69));
    rule.setColorAt(1, QColor(138, 106, 69, 0));
    p.fillRect(QRectF(40, ruleY, 550, 1), rule);
    p.save();
    p.translate(width / 2.0, ruleY + 0.5);
    p.rotate(45);
    p.fillRect(QRectF(-3, -3, 6, 6), QColor(0x8A6A45));
    p.restore();

    // The command bar: a recessed tray on the wood with one raised face per command.
    const auto faces = CommandFaces();
    const QRectF tray(faces.front().x - 7, CommandFaceTop - 5,
                      faces.back().Right() - faces.front().x + 14, CommandFaceHeight + 10);
    QLinearGradient trayFill(tray.topLeft(), tray.bottomLeft());
    trayFill.setColorAt(0, QColor(0, 0, 0, 120));
    trayFill.setColorAt(1, QColor(0, 0, 0, 60));
    p.setPen(QPen(QColor(255, 225, 180, 60), 1));
    p.setBrush(trayFill);
    p.drawRoundedRect(tray.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    for (const Rect& f : faces)
        RaisedFace(p, QRectF(f.x, f.y, f.w, f.h), 4, QColor(0xFBF3E0), QColor(0xD9C6A0), Ink);

    // A small medallion in the bow below the bar.
    const QRectF medal(width / 2.0 - 7, 587, 14, 14);
    p.setPen(QPen(QColor(0xC9A46A), 1));
    p.setBrush(QColor(0x3A2414));
    p.drawEllipse(medal);
    DrawGlyphPiece(p, fonts, WhiteKnight, medal.adjusted(3, 2.5, -3, -2.5), QColor(0xE8CFA0),
                   QColor(0x3A2414));
    p.end();

    OutlineRim(image, WindowOutline());
    return image;
}

QImage DrawSplash(const Fonts& fonts, int resolution) {
    const int width = layout::SplashPicture.w, height = layout::SplashPicture.h;
    QImage image = PaperTexture(width, height, Paper, 21, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint board under everything, fading towards the middle.
    const int square = 15;
    for (int y = 0; y < height; y += square)
        for (int x = 0; x < width; x += square) {
            if ((x / square + y / square) % 2 == 0) continue;
            const qreal fromMiddle = std::abs((x + square / 2.0) - width / 2.0) / (width / 2.0);
            p.fillRect(QRectF(x, y, square, square),
                       QColor(138, 106, 69, int(std::pow(fromMiddle, 1.6) * 46)));
        }

    // Two knights facing each other, the title between them.
    DrawGlyphPiece(p, fonts, WhiteKnight, QRectF(10, 8, 56, 56), QColor(0xFFFBF1), Ink, true, 1.2);
    DrawDarkGlyphPiece(p, fonts, BlackKnight, QRectF(250, 8, 56, 56), QColor(0x2A180B),
                       QColor(0xF3E6CC), 1.4);

    // A quiet row of the six pieces under the title.
    QPainterPath row;
    qreal x = 0;
    for (char32_t g = 0x2659; g >= 0x2654; --g) {
        QPainterPath glyph = GlyphPath(fonts.sans, g);
        row.addPath(glyph.translated(x - glyph.boundingRect().left(), 0));
        x += glyph.boundingRect().width() + 120;
    }
    const qreal scale = 15.0 / row.boundingRect().height();
    QTransform t;
    t.translate(width / 2.0, 60);
    t.scale(scale, scale);
    t.translate(-row.boundingRect().center().x(), -row.boundingRect().bottom());
    p.fillPath(t.map(row), QColor(0x9C7B53));

    // Frame lines inside the window's own one-pixel outline.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x8A6A45));
    p.setBrush(Qt::NoBrush);
    p.drawRect(2, 2, width - 5, height - 5);
    return image;
}

QImage DrawAboutLogo(const Fonts& fonts, int resolution) {
    const int width = layout::AboutLogo.w, height = layout::AboutLogo.h;
    QImage image = WoodTexture(width, height, WoodDark, WoodLight, 31, 0.5, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, width, height, QColor(0, 0, 0, 50));
    DrawGlyphPiece(p, fonts, WhiteKnight, QRectF(6, 4, 22, 23), Cream, Ink, true, 0.7);
    DrawName(p, fonts, QStringLiteral("Quintavo"), 21, QPointF(33, 23), Cream,
             QColor(0, 0, 0, 170));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0xC9A46A));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, width - 3, height - 3);
    p.setPen(QColor(0x140B05));
    p.drawRect(0, 0, width - 1, height - 1);
    return image;
}

QImage DrawIcon(const Fonts& fonts, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal inset = size <= 24 ? 0.5 : s / 32.0;
    const QRectF tile(inset, inset, s - 2 * inset, s - 2 * inset);
    const qreal radius = s * 0.18;
    QPainterPath shape;
    shape.addRoundedRect(tile, radius, radius);
    QLinearGradient wood(tile.topLeft(), tile.bottomRight());
    wood.setColorAt(0, QColor(0x8A5E3A));
    wood.setColorAt(1, QColor(0x3A2312));
    p.fillPath(shape, wood);
    if (size >= 32) {
        // A two-by-two board behind the knight.
        p.save();
        p.setClipPath(shape);
        p.fillRect(QRectF(tile.left(), tile.top(), tile.width() / 2, tile.height() / 2),
                   QColor(233, 210, 168, 90));
        p.fillRect(QRectF(tile.center(), tile.bottomRight()), QColor(233, 210, 168, 90));
        p.restore();
    }
    p.setPen(QPen(QColor(0x1A0F07), std::max(1.0, s / 64.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    const qreal margin = size <= 24 ? s * 0.1 : s * 0.14;
    DrawGlyphPiece(p, fonts, WhiteKnight, QRectF(margin, margin, s - 2 * margin, s - 2 * margin),
                   QColor(0xFFF8EA), QColor(0x1A0F07), true, std::max(0.8, s / 48.0));
    return image;
}

QString IconSvg(const Fonts& fonts) {
    // The 256-pixel icon as vectors: the same tile, board and knight.
    const qreal s = 256, inset = s / 32.0, radius = s * 0.18, margin = s * 0.14;
    const QPainterPath outline = GlyphPath(fonts.sans, WhiteKnight);
    const QPainterPath hull =
        Silhouette(GlyphPath(fonts.sans, BlackKnight)).united(Silhouette(outline));
    const QRectF b = hull.boundingRect();
    const QRectF box(margin, margin, s - 2 * margin, s - 2 * margin);
    const qreal scale = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.bottom());
    t.scale(-1, 1);
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.bottom());

    auto pathData = [](const QPainterPath& path) {
        QString d;
        auto num = [](qreal v) { return QString::number(v, 'f', 2); };
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            if (e.isMoveTo())
                d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
            else if (e.isLineTo())
                d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
            else if (e.isCurveTo()) {
                const auto c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
                d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                         .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
                i += 2;
            }
        }
        return d + QLatin1Char('Z');
    };
    const QString tile = QStringLiteral("x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\"")
                             .arg(inset)
                             .arg(s - 2 * inset)
                             .arg(radius);
    QString svg;
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("<title>Quintavo</title>\n");
    svg += QStringLiteral("<defs><linearGradient id=\"wood\" gradientUnits=\"userSpaceOnUse\" "
                          "x1=\"0\" y1=\"0\" x2=\"256\" y2=\"256\">"
                          "<stop offset=\"0\" stop-color=\"#8a5e3a\"/><stop offset=\"1\" "
                          "stop-color=\"#3a2312\"/></linearGradient></defs>\n");
    svg += QStringLiteral("<rect %1 fill=\"url(#wood)\"/>\n").arg(tile);
    // The two light squares of the little board, each with the tile's rounded corner.
    const qreal a = inset, m = 128, e = s - inset, r = radius;
    auto n = [](qreal v) { return QString::number(v, 'f', 2); };
    svg += QStringLiteral("<path fill=\"#e9d2a8\" fill-opacity=\"0.35\" d=\"M%1 %2H%3V%3H%2V%4"
                          "A%5 %5 0 0 1 %1 %2ZM%3 %3H%6V%7A%5 %5 0 0 1 %7 %6H%3Z\"/>\n")
               .arg(n(a + r), n(a), n(m), n(a + r), n(r), n(e), n(e - r));
    svg += QStringLiteral("<rect %1 fill=\"none\" stroke=\"#1a0f07\" stroke-width=\"4\"/>\n")
               .arg(tile);
    svg += QStringLiteral("<path fill=\"#fff8ea\" stroke=\"#1a0f07\" stroke-width=\"5.3\" "
                          "stroke-linejoin=\"round\" d=\"%1\"/>\n")
               .arg(pathData(t.map(hull)));
    svg += QStringLiteral("<path fill=\"#1a0f07\" d=\"%1\"/>\n").arg(pathData(t.map(outline)));
    svg += QStringLiteral("</svg>\n");
    return svg;
}

std::vector<Picture> Pictures() {
    std::vector<Picture> pictures{
        {QStringLiteral("pictures/background.jpg"), 92,
         [](const Fonts& f) { return DrawBackground(f); }},
        {QStringLiteral("pictures/splash.jpg"), 92, [](const Fonts& f) { return DrawSplash(f); }},
        {QStringLiteral("pictures/about_logo.jpg"), 95,
         [](const Fonts& f) { return DrawAboutLogo(f); }},
        {QStringLiteral("pictures/background@2x.jpg"), 92,
         [](const Fonts& f) { return DrawBackground(f, 2); }},
        {QStringLiteral("pictures/splash@2x.jpg"), 92,
         [](const Fonts& f) { return DrawSplash(f, 2); }},
        {QStringLiteral("pictures/about_logo@2x.jpg"), 95,
         [](const Fonts& f) { return DrawAboutLogo(f, 2); }},
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        pictures.push_back({QStringLiteral("icons/quintavo-%1.png").arg(size), 0,
                            [size](const Fonts& fonts) { return DrawIcon(fonts, size); }});
    return pictures;
}

bool WriteText(const QString& text, const QString& path, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace quintavo::gen
