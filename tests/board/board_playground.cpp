// A window to play against the engine by hand: the board as the game window
// holds it (45-pixel squares, 20-pixel border, the computer plays Black).
// Arguments: [search depth, default 3] [animation delay in ms, default 1].
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <string>

#include "board/chess_board.h"

using namespace quintavo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int depth = argc > 1 ? std::stoi(argv[1]) : 3;
    const int delay = argc > 2 ? std::stoi(argv[2]) : 1;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Board playground"));
    window.resize(432, 520);

    auto* board = new TChessBoard(&window);
    board->BeginLoading();
    board->setGeometry(16, 16, 400, 400);
    board->SetAnimationDelay(delay);
    board->SetBorderColor(0xC0C0C0);
    board->SetComputerPlaysBlack(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    board->SetCoordFont(font);
    board->SetCoordFontColor(0x000000);
    board->SetDisplayCoords(West | South);
    board->SetLineStyle(QPen(Qt::NoPen));
    board->SetSearchDepth(depth);
    board->SetSizeOfBorder(20);
    board->SetSizeOfSquare(45);
    board->SetSquareColorDark(0x808080);
    board->SetSquareColorLight(0xFFFFFF);
    board->EndLoading();

    auto* status = new QLabel(QStringLiteral("White to move: drag a piece."), &window);
    status->setGeometry(16, 424, 400, 40);
    status->setWordWrap(true);
    auto* newGame = new QPushButton(QStringLiteral("New game"), &window);
    newGame->setGeometry(16, 472, 100, 30);
    auto* turn = new QPushButton(QStringLiteral("Turn board"), &window);
    turn->setGeometry(124, 472, 100, 30);

    const auto say = [status](const QString& text) { status->setText(text); };
    board->OnLegalMove = [&, board](Square from, Square to) {
        say(QStringLiteral("%1 played %2-%3.")
                .arg(board->WhiteToMove() ? QStringLiteral("Black") : QStringLiteral("White"))
                .arg(QString::fromStdString(SquareName(from)))
                .arg(QString::fromStdString(SquareName(to))));
    };
    board->OnIllegalMove = [&](Square sq) {
        say(QStringLiteral("Refused: the piece on %1 goes back.")
                .arg(QString::fromStdString(SquareName(sq))));
    };
    board->OnCheck = [&](Square, Square) { say(status->text() + QStringLiteral(" Check.")); };
    board->OnMate = [&](Square, Square) { say(status->text() + QStringLiteral(" Mate.")); };
    board->OnStaleMate = [&](Square, Square) { say(QStringLiteral("Stalemate.")); };
    board->OnDraw = [&] { say(QStringLiteral("Draw.")); };
    QObject::connect(newGame, &QPushButton::clicked, board, [board, &say] {
        board->NewGame();
        board->StartThinking();
        say(QStringLiteral("New game: White to move."));
    });
    QObject::connect(turn, &QPushButton::clicked, board,
                     [board] { board->SetWhiteOnTop(!board->WhiteOnTop()); });

    window.show();
    return app.exec();
}
