// Any bytes given to the saved-game reader: no crash, no undefined
// behaviour, and a game it loads writes back to the same game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/saved_game.h"

using namespace quintavo;
using namespace quintavo::appcore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ParseMoveLine(bytes);

    const LoadedGame game = ParseSavedGame(bytes);
    if (game.Status != LoadStatus::Loaded) {
        if (!game.MoveLines.empty() || !game.Moves.empty()) __builtin_trap();
        return 0;
    }
    if (game.Moves.size() > game.MoveLines.size()) __builtin_trap();
    for (const SavedMove& move : game.Moves)
        if (move.From == Square::None || move.To == Square::None) __builtin_trap();

    const LoadedGame again = ParseSavedGame(FormatSavedGame(game.MoveLines, "fuzz.vsr", "today"));
    if (again.Status != LoadStatus::Loaded || again.MoveLines != game.MoveLines ||
        again.Moves != game.Moves)
        __builtin_trap();
    return 0;
}
