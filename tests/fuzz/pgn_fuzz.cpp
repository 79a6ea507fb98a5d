// Any bytes given to the PGN reader: no crash, no undefined behaviour, and a
// game it loads writes back and reads again as the same moves.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rules/pgn.h"

using namespace quintavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const PgnGameCheck& check : CheckPgn(bytes))
        if (check.Ok != check.Error.empty()) __builtin_trap();

    const PgnReading reading = ReadPgn(bytes);
    if (!reading.Loaded) {
        if (reading.Error.empty() || !reading.Moves.empty()) __builtin_trap();
        return 0;
    }
    const PgnWriting written = WritePgn({}, reading.Moves);
    if (!written.Error.empty()) __builtin_trap();
    const PgnReading again = ReadPgn(written.Text);
    if (!again.Loaded || again.Moves != reading.Moves) __builtin_trap();
    return 0;
}
