// Shared set-up for the rules tests: a model loaded from a FEN, a view and an
// engine control that record what the model asks of them, and event handlers
// that log into the same journal, so tests can check exact order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/board_model.h"
#include "rules/board_view.h"
#include "rules/engine_control.h"
#include "rules/fen.h"

namespace quintavo::test {

class Journal : public IBoardView, public IEngineControl {
public:
    std::vector<std::string> lines;
    bool animate = false;

    void DrawSquare(Square sq) override { lines.push_back("DrawSquare " + SquareName(sq)); }
    void DrawPiece(Square sq, char letter) override {
        lines.push_back("DrawPiece " + SquareName(sq) + " " + letter);
    }
    void DrawGridLines() override { lines.push_back("DrawGridLines"); }
    bool WantsAnimation(Square, Square) const override { return animate; }
    void AnimateMove(Square from, Square to) override {
        lines.push_back("AnimateMove " + SquareName(from) + " " + SquareName(to));
    }
    void RedrawChangedSquares(const std::string&) override { lines.push_back("RedrawChanged"); }
    void RepaintAll() override { lines.push_back("RepaintAll"); }
    void PauseEngine() override { lines.push_back("PauseEngine"); }
    void StartThinking() override { lines.push_back("StartThinking"); }

    // Only the event lines (those that start with "On").
    std::vector<std::string> Events() const {
        std::vector<std::string> events;
        for (const auto& line : lines)
            if (line.rfind("On", 0) == 0) events.push_back(line);
        return events;
    }
};

inline std::string Sq(Square sq) {
    return SquareName(sq);
}

// Hooks every event of the model to the journal.
inline void RecordEvents(BoardModel& model, Journal& journal, bool withMate = true,
                         bool withDraw = true) {
    auto& log = journal.lines;
    model.OnLegalMove = [&log](Square a, Square b) {
        log.push_back("OnLegalMove " + Sq(a) + " " + Sq(b));
    };
    model.OnCapture = [&log](Square a, Square b, char c) {
        log.push_back("OnCapture " + Sq(a) + " " + Sq(b) + " " + c);
    };
    model.OnPromotion = [&log](Square a, Square b, char&) {
        log.push_back("OnPromotion " + Sq(a) + " " + Sq(b));
    };
    model.OnCastle = [&log](Square a, Square b) {
        log.push_back("OnCastle " + Sq(a) + " " + Sq(b));
    };
    model.OnCheck = [&log](Square a, Square b) { log.push_back("OnCheck " + Sq(a) + " " + Sq(b)); };
    if (withMate)
        model.OnMate = [&log](Square a, Square b) {
            log.push_back("OnMate " + Sq(a) + " " + Sq(b));
        };
    model.OnStaleMate = [&log](Square a, Square b) {
        log.push_back("OnStaleMate " + Sq(a) + " " + Sq(b));
    };
    model.OnNoMatingMaterial = [&log] { log.push_back("OnNoMatingMaterial"); };
    model.OnThreefoldPosition = [&log] { log.push_back("OnThreefoldPosition"); };
    if (withDraw) model.OnDraw = [&log] { log.push_back("OnDraw"); };
    model.OnPaint = [&log] { log.push_back("OnPaint"); };
}

inline void Load(BoardModel& model, std::string_view fen) {
    std::string error;
    const auto position = ParseFen(fen, &error);
    ASSERT_TRUE(position) << fen << ": " << error;
    LoadFen(model, *position);
}

// Plays moves given as "e2e4" texts; every one must be legal.
inline void Play(BoardModel& model, std::initializer_list<const char*> moves) {
    for (const char* move : moves) {
        const std::string text(move);
        ASSERT_TRUE(
            model.MakeMove(SquareFromName(text.substr(0, 2)), SquareFromName(text.substr(2, 2))))
            << "refused: " << text;
    }
}

} // namespace quintavo::test
