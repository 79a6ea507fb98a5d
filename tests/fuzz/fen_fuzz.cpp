// Any bytes given to the FEN reader, as a front end passes them on: no crash,
// no undefined behaviour; a position it reads writes back as a text that reads
// as the same position, and the board model plays every legal move of it and
// takes it back, however strange the placement.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/board_model.h"
#include "rules/fen.h"
#include "rules/perft.h"

using namespace quintavo;

namespace {

bool Same(const FenPosition& a, const FenPosition& b) {
    return a.Board == b.Board && a.WhiteToMove == b.WhiteToMove &&
           a.CastlingAllowed == b.CastlingAllowed && a.EnPassant == b.EnPassant;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto position = ParseFen(bytes, &error);
    if (!position) {
        if (error.empty() || ParsePlayableFen(bytes)) __builtin_trap();
        return 0;
    }
    const std::string text = ToFen(*position);
    const auto again = ParseFen(text);
    if (!again || !Same(*again, *position) || ToFen(*again) != text) __builtin_trap();
    if (ParsePlayableFen(bytes).has_value() != PlayableProblem(*position).empty()) __builtin_trap();

    BoardModel model;
    LoadFen(model, *position);
    const std::string before = model.Position();
    CountLegalLines(model, 2);
    if (model.Position() != before) __builtin_trap();
    return 0;
}
