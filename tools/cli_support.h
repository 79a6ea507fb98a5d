// Small helpers shared by the command-line front ends.
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace quintavo::tools {

// A whole decimal number within [low, high], nothing else.
inline std::optional<int> ParseInt(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace quintavo::tools
