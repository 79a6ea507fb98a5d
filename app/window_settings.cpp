// The game window's settings: reading and writing the file, and applying
// them to the window and the board.
#include "app/main_window.h"

#include <algorithm>

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>

#include "app/user_prompts.h"
#include "assets/assets.h"
#include "assets/window_layout.h"
#include "lang/app_languages.h"
#include "lang/qt_translations.h"
#include "widgets/fonts.h"

namespace quintavo::app {

namespace {

QImage BuiltInPieceSet(int number) {
    return LoadPicture(BuiltInPieceSetPath(std::clamp(number, 0, BuiltInPieceSetCount - 1)));
}

// The same set drawn at twice the pixels, for dense screens.
QImage BuiltInFinePieceSet(int number) {
    return LoadPicture(BuiltInPieceSet2xPath(std::clamp(number, 0, BuiltInPieceSetCount - 1)));
}

} // namespace

void TfrmVessaro::ReadFromIni() {
    m_settings = appcore::ReadFromIni(m_settingsPath);
    m_language.CurrentLanguageID = m_settings.CurrentLanguageID;
}

appcore::FileResult TfrmVessaro::SaveToIni() {
    return appcore::SaveToIni(m_settings, m_settingsPath);
}

void TfrmVessaro::ArrangeCaptions() {
    // Fonts other than the design's are wider; a caption that would not fit
    // its place whole shrinks, that label alone.
    constexpr int Spare = 2;
    const std::array<layout::Rect, 8> faces = layout::CommandFaces();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        QLabel* label = m_commandLabels[i];
        label->setFont(widgets::FontFittingWidth(font(), label->text(), faces[i].w, Spare));
    }

    // A longer word runs a caption into the one to its right; it then gives
    // way to the left, as far as the move list's left edge.
    constexpr int Gap = 4;
    const int leftmost = layout::MoveList.x + Spare;
    const int headsRoom = layout::MoveList.Right() - Spare - leftmost;
    const QString heads = m_whiteHead->text() + m_blackHead->text();
    const QFont headsFont = widgets::FontFittingWidth(font(), heads, headsRoom - Gap, 0);
    m_whiteHead->setFont(headsFont);
    m_blackHead->setFont(headsFont);
    m_timeCaption->setFont(
        widgets::FontFittingWidth(font(), m_timeCaption->text(), m_clock->x() - Gap - leftmost, 0));
    for (QLabel* label : {m_whiteHead, m_blackHead, m_timeCaption})
        label->adjustSize();
    m_blackHead->move(
        std::min(layout::BlackHead.x, layout::MoveList.Right() - Spare - m_blackHead->width()),
        layout::BlackHead.y);
    m_whiteHead->move(std::min(layout::WhiteHead.x, m_blackHead->x() - Gap - m_whiteHead->width()),
                      layout::WhiteHead.y);
    m_timeCaption->move(
        std::min(layout::TimeCaption.x, m_clock->x() - Gap - m_timeCaption->width()),
        layout::TimeCaption.y);
}

void TfrmVessaro::SetToChessBoard() {
    TChessBoard& b = *m_board;
    m_language.CurrentLanguageID = m_settings.CurrentLanguageID;
    lang::SetLanguageMain(m_language, m_settings.CurrentLanguageID, this);
    lang::UseQtTranslations(m_settings.CurrentLanguageID);
    // The table has just written the start caption, whatever the label showed.
    if (lang::IsLanguage(m_settings.CurrentLanguageID)) m_labelShowsStart = true;
    ArrangeCaptions();
    lang::SetTrayMenuCaptions(m_language, this);

    // The piece set goes into the board's own bitmap, which the board cuts
    // into pieces at its first paint.
    QImage& pieceSet = b.CustomPieceSetBitmap();
    QImage& finePieceSet = b.FinePieceSetBitmap();
    finePieceSet = QImage();
    const QString ownPicture = QString::fromStdString(m_settings.PathPic);
    if (m_settings.ShowIt && QFileInfo(ownPicture).isFile()) {
        QImageReader reader(ownPicture, "BMP");
        QImage own = reader.read();
        if (own.isNull()) {
            pieceSet = BuiltInPieceSet(0);
            finePieceSet = BuiltInFinePieceSet(0);
            ShowPlain(QStringLiteral("Error - Erreur - Fehler"));
            m_settings.ShowIt = false;
            m_settings.PathPic.clear();
            (void)SaveToIni();
        } else {
            pieceSet = own;
        }
    } else {
        pieceSet = BuiltInPieceSet(m_settings.PieceSet);
        finePieceSet = BuiltInFinePieceSet(m_settings.PieceSet);
    }

    b.SetComputerPlaysBlack(m_settings.ComputerPlaysBlack);
    m_state.SecondsLeft = m_settings.iTimeLimit;
    m_clock->setText(QString::number(m_settings.iTimeLimit));
    m_clock->adjustSize();
    b.SetAnimateMoves(m_settings.AnimatedMoves);
    b.SetBoardLines(m_settings.BoardLines);
    CoordSet coords = 0;
    b.SetDisplayCoords(coords);
    const std::pair<bool, DisplayCoord> sides[] = {{m_settings.DisplayCoordsWest, West},
                                                   {m_settings.DisplayCoordsNorth, North},
                                                   {m_settings.DisplayCoordsEast, East},
                                                   {m_settings.DisplayCoordsSouth, South}};
    for (const auto& [on, side] : sides) {
        if (!on) continue;
        coords |= side;
        b.SetDisplayCoords(coords);
    }
    b.SetWhiteOnTop(m_settings.WhiteOnTop);
    CastleSet castling = 0;
    if (m_settings.WhiteKingSide) castling |= WhiteKingSide;
    if (m_settings.WhiteQueenSide) castling |= WhiteQueenSide;
    if (m_settings.BlackKingSide) castling |= BlackKingSide;
    if (m_settings.BlackQueenSide) castling |= BlackQueenSide;
    b.SetCastlingAllowed(castling);
    b.SetSearchDepth(m_settings.SearchDepth);
    b.SetSquareColorDark(static_cast<TColor>(m_settings.SquareColorDark));
    b.SetSquareColorLight(static_cast<TColor>(m_settings.SquareColorLight));
    b.SetBorderColor(static_cast<TColor>(m_settings.ColorFrame));
    b.SetCustomEngine(m_settings.CustomEngine);
}

} // namespace quintavo::app
