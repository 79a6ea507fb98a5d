// quintavo-uci: the engine behind the UCI protocol on standard input and
// output. "go" searches to the Depth option unless it brings its own limits:
// a depth, a node count, a move time, a clock, or infinite.
#include <iostream>
#include <string>

#include "tools/uci_session.h"
#include "tools/uci_writer.h"

int main() {
    using namespace quintavo::tools;
    std::ios::sync_with_stdio(false);
    // A tied cin flushes cout before every read, from this thread and outside
    // the writer's lock: lines came out twice.
    std::cin.tie(nullptr);
    TUciWriter out(std::cout);
    TUciSession session(out);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.Handle(line)) return 0;
    }
    // The GUI is gone: nobody waits for the rest of a search.
    session.StopSearch();
    return 0;
}
