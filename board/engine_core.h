// The engine object behind EngineSearch, in plain types: the engine's own
// header and the engine thread's header both declare a SearchOutcome in the
// same namespace, so no file may include both.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "rules/square.h"

namespace quintavo::detail {

struct CoreMove {
    bool Found = false;
    Square From = Square::None;
    Square To = Square::None;
};

class EngineCore {
public:
    EngineCore();
    ~EngineCore();

    CoreMove Search(const std::array<char, 64>& letters, bool whiteToMove, std::uint8_t castling,
                    Square enPassant, int depth);
    void SetAbort(bool abort);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace quintavo::detail
