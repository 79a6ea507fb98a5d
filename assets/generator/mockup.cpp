#include "assets/generator/mockup.h"

#include "assets/window_layout.h"

#include <QPainter>
#include <QRegion>

namespace quintavo::gen {
namespace {

QRegion Outline() {
    // Enough of the outline for a look: the exact rectangles are in pictures.cpp.
    QRegion region(1, 4, 630, 567);
    region += QRect(5, 0, 621, 1);
    region += QRect(3, 1, 625, 1);
    region += QRect(2, 2, 627, 2);
    const int rows[][2] = {{1, 629},   {2, 628},   {4, 627},   {6, 625},   {8, 623},   {10, 621},
                           {13, 618},  {16, 615},  {19, 612},  {22, 608},  {26, 604},  {31, 600},
                           {35, 595},  {40, 590},  {45, 585},  {50, 580},  {56, 574},  {62, 568},
                           {69, 561},  {76, 554},  {83, 547},  {92, 539},  {100, 531}, {109, 522},
                           {119, 511}, {129, 501}, {140, 489}, {152, 478}, {166, 463}, {180, 448},
                           {197, 431}, {218, 408}};
    for (int i = 0; i < 32; ++i)
        region += QRect(rows[i][0], 571 + i, rows[i][1] - rows[i][0], 1);
    return region;
}

void Text(QPainter& p, const QString& family, int pixelSize, bool bold, const QRect& r, int flags,
          const QString& text, const QColor& colour = Qt::black) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

} // namespace

QImage WindowMockup(const Fonts& fonts, const QImage& background, const QImage& pieceSet) {
    using namespace layout;
    QImage window(639 + 40, 615 + 40, QImage::Format_RGB32);
    window.fill(QColor(0x4F6F8F)); // a desktop behind the window
    QPainter p(&window);
    p.translate(20, 20);
    p.setClipRegion(Outline());
    p.fillRect(0, 0, 639, 615, QColor(0x140B05));
    p.drawImage(0, 0, background);

    // The board as the game window configures it: squares of 45, a silver border of 20.
    const int s = 45, b = 20, cell = pieceSet.height() / 4;
    const QRect board(Board.x, Board.y, Board.w, Board.h);
    p.fillRect(board, QColor(0xC0C0C0));
    const char* position = "rnbqkbnrpppp ppp            p       P        N  PPPP PPPRNBQKB R";
    const QString letters = QStringLiteral("PNBRQKpnbrqk");
    for (int q = 0; q < 64; ++q) {
        const int col = q % 8, row = q / 8;
        const QRect square(board.x() + b + col * s, board.y() + b + row * s, s, s);
        p.fillRect(square, (col + row) % 2 ? QColor(0x808080) : QColor(0xFFFFFF));
        const int k = letters.indexOf(QLatin1Char(position[q]));
        if (k < 0) continue;
        const int colourRow = k / 6 * 2, column = k % 6;
        QImage piece = pieceSet.copy(column * cell, colourRow * cell, cell, cell)
                           .convertToFormat(QImage::Format_ARGB32);
        const QImage mask = pieceSet.copy(column * cell, (colourRow + 1) * cell, cell, cell);
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) piece.setPixel(x, y, 0);
        p.drawImage(square.topLeft() + QPoint((s - cell) / 2, (s - cell) / 2), piece);
    }

    const QString sans = fonts.sans;
    Text(p, sans, 11, true, QRect(GameTitle.x, GameTitle.y, GameTitle.w, GameTitle.h),
         Qt::AlignCenter, QStringLiteral("Spiel: Neu.vsr"));
    Text(p, sans, 11, false, QRect(544, 81, 40, 13), 0, QStringLiteral("Weiß"), Qt::red);
    Text(p, sans, 11, false, QRect(576, 81, 50, 13), 0, QStringLiteral("Schwarz"));
    Text(p, sans, 11, false, QRect(456, 97, 110, 13), 0, QStringLiteral("Zeitlimit in [sec]:"));
    Text(p, sans, 11, false, QRect(568, 97, 40, 13), 0, QStringLiteral("287"));
    const QStringList moves{QStringLiteral("1. E2-E4"), QStringLiteral("              E7-E5"),
                            QStringLiteral("2. G1-F3"), QStringLiteral("              D7-D6")};
    for (int i = 0; i < moves.size(); ++i)
        Text(p, sans, 11, false, QRect(MoveList.x + 2, MoveList.y + i * 13, MoveList.w, 13), 0,
             moves[i]);
    Text(p, sans, 11, false, QRect(FixedLines.x, FixedLines.y, FixedLines.w, FixedLines.h),
         Qt::AlignHCenter | Qt::TextWordWrap,
         QStringLiteral("Das einfach zu benutzende Schachspiel Quintavo 2.0\n"
                        "The easy-to-use chess game Quintavo 2.0"));
    const QStringList commands{QStringLiteral("Neu"),       QStringLiteral("Laden"),
                               QStringLiteral("Speichern"), QStringLiteral("Zurück"),
                               QStringLiteral("Vor"),       QStringLiteral("Start"),
                               QStringLiteral("Optionen"),  QStringLiteral("Info...")};
    const auto faces = CommandFaces();
    for (int i = 0; i < 8; ++i)
        Text(p, sans, 11, false, QRect(faces[i].x, CommandLabelTop, faces[i].w, 14),
             Qt::AlignHCenter, commands[i], i == 2 ? QColor(0, 255, 0) : QColor(Qt::black));
    return window;
}

QImage SplashMockup(const Fonts& fonts, const QImage& picture) {
    QImage window(318, 92, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter p(&window);
    p.drawImage(layout::SplashPicture.x, layout::SplashPicture.y, picture);
    const QString title = QStringLiteral("Loading Quintavo...");
    Text(p, fonts.sans, 13, true, QRect(5, 16, 308, 21), Qt::AlignHCenter, title, Qt::white);
    Text(p, fonts.sans, 13, true, QRect(6, 17, 308, 21), Qt::AlignHCenter, title, Qt::black);
    p.fillRect(12, 72, 292, 9, QColor(0xF0F0F0));
    p.fillRect(12, 72, 146, 9, QColor(0x808080));
    p.setPen(QColor(0x606060));
    p.drawRect(12, 72, 291, 8);
    return window;
}

QImage AboutMockup(const Fonts& fonts, const QImage& logo) {
    QImage window(452, 217, QImage::Format_RGB32);
    window.fill(QColor(0xEFEFEF));
    QPainter p(&window);
    p.drawImage(layout::AboutLogo.x, layout::AboutLogo.y, logo);
    Text(p, fonts.sans, 11, false, QRect(180, 46, 40, 13), 0, QStringLiteral("v2.0"));
    Text(p, fonts.sans, 11, false, QRect(240, 48, 173, 13), 0,
         QStringLiteral("quintavo.example.org"), Qt::blue);
    Text(p, fonts.sans, 11, false, QRect(40, 80, 380, 17), 0,
         QStringLiteral("Questions and suggestions:"));
    p.setPen(Qt::black);
    p.drawRect(0, 0, 451, 216);
    return window;
}

} // namespace quintavo::gen
