// One UCI conversation: the commands read on one thread, the search on
// another, every answer through the one writer. Reading never waits for a
// search: whatever needs the engine stops the running search first, and that
// search still answers its go with exactly one bestmove.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine.h"

namespace quintavo::tools {

class TUciWriter;

class TUciSession {
public:
    explicit TUciSession(TUciWriter& out);
    TUciSession(const TUciSession&) = delete;
    TUciSession& operator=(const TUciSession&) = delete;
    ~TUciSession();

    // False once the session should end.
    bool Handle(const std::string& line);
    // Ends a running search at once; its bestmove is written before this returns.
    void StopSearch();

private:
    struct SearchJob {
        engine::EngineRequest Request;
        std::vector<engine::EngineMove> RootMoves; // empty for all
        std::optional<std::chrono::milliseconds> Soft;
        std::optional<std::chrono::milliseconds> Hard;
        bool Hold = false; // bestmove only after stop or ponderhit
    };

    void Say(const std::string& text);
    void NewGame();
    void SetOption(const std::vector<std::string>& words);
    void SetPosition(const std::vector<std::string>& words);
    void Go(const std::vector<std::string>& words);
    void Search(const SearchJob& job);
    void ReleaseHeldMove();

    TUciWriter& m_out;
    std::unique_ptr<engine::TEngine> m_engine;
    // Empty after a refused position command: nothing is searched until a
    // good one comes, so no move is played for a position half set up.
    std::optional<engine::EngineRequest> m_position;
    int m_depthOption;

    // Owned by the reading thread
    std::thread m_worker;
    bool m_searching = false;

    // Shared with the search thread
    std::mutex m_holdMutex;
    std::condition_variable m_holdReleased;
    bool m_hold = false;
};

} // namespace quintavo::tools
