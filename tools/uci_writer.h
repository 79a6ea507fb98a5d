// The one way out of quintavo-uci: whole lines, each written and flushed under
// one lock, so the reading thread and the search thread never interleave or
// repeat each other's output.
#pragma once

#include <mutex>
#include <ostream>
#include <string_view>

namespace quintavo::tools {

class TUciWriter {
public:
    explicit TUciWriter(std::ostream& out) : m_out(out) {}
    TUciWriter(const TUciWriter&) = delete;
    TUciWriter& operator=(const TUciWriter&) = delete;

    // Safe from any thread; the line goes out before the call returns.
    void Line(std::string_view text) {
        std::lock_guard lock(m_mutex);
        m_out << text << '\n';
        m_out.flush();
    }

private:
    std::mutex m_mutex;
    std::ostream& m_out;
};

} // namespace quintavo::tools
