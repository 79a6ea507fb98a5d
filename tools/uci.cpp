// quintavo-uci: the engine behind the UCI protocol on standard input and
// output. The engine has no clock: any time control searches to the Depth
// option; "go depth N" searches N plies.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine.h"
#include "engine/fen.h"
#include "tools/cli_support.h"
#include "tools/uci_writer.h"

namespace {

using namespace quintavo;

constexpr int MinDepthOption = 1;
constexpr int MaxDepthOption = 8;
constexpr int DefaultDepthOption = 3;
constexpr int MaxGoDepth = 63;
constexpr int MateBound = 9000;

class UciSession {
public:
    explicit UciSession(tools::TUciWriter& out)
        : m_out(out), m_engine(std::make_unique<engine::TEngine>()),
          m_position(engine::StartRequest()) {}
    ~UciSession() { StopSearch(); }

    // False once the session should end.
    bool Handle(const std::string& line) {
        std::istringstream in(line);
        std::string command;
        if (!(in >> command)) return true;
        if (command == "uci") {
            Say("id name Quintavo");
            Say("id author the Quintavo developers");
            Say("option name Depth type spin default " + std::to_string(DefaultDepthOption) +
                " min " + std::to_string(MinDepthOption) + " max " +
                std::to_string(MaxDepthOption));
            Say("uciok");
        } else if (command == "isready") {
            Say("readyok");
        } else if (command == "ucinewgame") {
            FinishSearch();
            m_engine = std::make_unique<engine::TEngine>();
            m_position = engine::StartRequest();
        } else if (command == "setoption") {
            SetOption(in);
        } else if (command == "position") {
            SetPosition(in); // the running search has its own copy
        } else if (command == "go") {
            FinishSearch();
            Go(in);
        } else if (command == "stop") {
            StopSearch();
        } else if (command == "ponderhit") {
            ReleaseHeldMove();
        } else if (command == "quit") {
            StopSearch();
            return false;
        } else if (command != "debug" && command != "register") {
            Say("info string unknown command " + command);
        }
        return true;
    }

    // Lets a running search end at its depth and deliver its move.
    void FinishSearch() {
        if (!m_searching) return;
        ReleaseHeldMove();
        m_worker.join();
        m_searching = false;
    }

private:
    void Say(const std::string& text) { m_out.Line(text); }

    void SetOption(std::istringstream& in) {
        std::string word, name, value;
        in >> word; // "name"
        in >> name;
        in >> word; // "value"
        in >> value;
        if (name != "Depth" && name != "depth") {
            Say("info string unknown option " + name);
            return;
        }
        const auto depth = tools::ParseInt(value, MinDepthOption, MaxDepthOption);
        if (!depth) {
            Say("info string Depth must be " + std::to_string(MinDepthOption) + " to " +
                std::to_string(MaxDepthOption));
            return;
        }
        m_depthOption = *depth;
    }

    void SetPosition(std::istringstream& in) {
        std::string word;
        in >> word;
        engine::EngineRequest position;
        if (word == "startpos") {
            position = engine::StartRequest();
            in >> word;
        } else if (word == "fen") {
            std::string fen;
            while (in >> word && word != "moves")
                fen += (fen.empty() ? "" : " ") + word;
            const engine::FenResult parsed = engine::ParseFen(fen);
            if (!parsed.Ok) {
                Say("info string bad FEN: " + parsed.Error + "; position unchanged");
                return;
            }
            position = parsed.Request;
        } else {
            Say("info string position needs startpos or fen; position unchanged");
            return;
        }
        if (word == "moves") {
            auto scratch = std::make_unique<engine::TEngine>();
            while (in >> word) {
                if (!ApplyMove(*scratch, position, word)) {
                    Say("info string illegal move " + word + "; later moves ignored");
                    break;
                }
            }
        }
        m_position = position;
    }

    // Plays a move given as e2e4 or e7e8q; a promotion without its letter
    // becomes a queen.
    static bool ApplyMove(engine::TEngine& scratch, engine::EngineRequest& position,
                          const std::string& text) {
        scratch.LoadEnginePosition(position);
        scratch.GenerateAllMoves();
        for (int i = scratch.PlyMovesStart(0); i < scratch.PlyMovesEnd(0); ++i) {
            const engine::EngineMove m = scratch.StackMove(i);
            const std::string moveText = engine::MoveText(m);
            const bool same = moveText == text ||
                              (text.size() == 4 && engine::MovePromotion(m) == engine::Queen &&
                               moveText.compare(0, 4, text) == 0);
            if (same && scratch.PlayMove(m)) {
                position = scratch.CurrentRequest();
                return true;
            }
        }
        return false;
    }

    void Go(std::istringstream& in) {
        int depth = m_depthOption;
        bool hold = false;
        std::string word;
        while (in >> word) {
            if (word == "depth") {
                std::string value;
                in >> value;
                const auto d = tools::ParseInt(value, 1, MaxGoDepth);
                if (d) depth = *d;
            } else if (word == "infinite" || word == "ponder") {
                hold = true; // bestmove only after stop or ponderhit
            }
        }
        engine::EngineRequest request = m_position;
        request.SearchDepth = depth;
        m_engine->SetAbortSearch(false);
        {
            std::lock_guard lock(m_holdMutex);
            m_hold = hold;
        }
        m_searching = true;
        m_worker = std::thread([this, request] { Search(request); });
    }

    void Search(const engine::EngineRequest& request) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        engine::EngineMove lastMove = 0;
        bool haveMove = false;
        m_engine->OnIterationDone = [&](const engine::IterationReport& report) {
            const auto micros =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            std::ostringstream info;
            info << "info depth " << report.Depth << " seldepth " << report.SelDepth << " nodes "
                 << report.Nodes << " time " << micros / 1000 << " nps "
                 << (micros > 0 ? report.Nodes * 1000000 / static_cast<std::uint64_t>(micros) : 0)
                 << " score " << ScoreText(report.Score) << " pv";
            for (int i = 0; i < report.LineLength; ++i)
                info << ' ' << engine::MoveText(report.Line[i]);
            Say(info.str());
            if (report.LineLength > 0) {
                lastMove = report.Line[0];
                haveMove = true;
            }
        };
        const engine::SearchResult result = m_engine->RunSearch(request);
        m_engine->OnIterationDone = nullptr;

        std::string best = "0000"; // no legal move
        if (result.Outcome == engine::SearchOutcome::Move) {
            best = engine::MoveText(result.Move);
        } else if (result.Outcome == engine::SearchOutcome::Aborted) {
            if (haveMove) {
                best = engine::MoveText(lastMove);
            } else {
                best = FirstLegalMove(request);
            }
        }
        {
            // An infinite or pondering search keeps its answer until released.
            std::unique_lock lock(m_holdMutex);
            m_holdReleased.wait(lock, [this] { return !m_hold; });
        }
        Say("bestmove " + best);
    }

    static std::string FirstLegalMove(const engine::EngineRequest& request) {
        auto scratch = std::make_unique<engine::TEngine>();
        scratch->LoadEnginePosition(request);
        scratch->GenerateAllMoves();
        for (int i = scratch->PlyMovesStart(0); i < scratch->PlyMovesEnd(0); ++i) {
            if (scratch->PlayMove(scratch->StackMove(i)))
                return engine::MoveText(scratch->StackMove(i));
        }
        return "0000";
    }

    static std::string ScoreText(int score) {
        if (score > MateBound) return "mate " + std::to_string((10000 - score + 1) / 2);
        if (score < -MateBound) return "mate -" + std::to_string((10000 + score) / 2);
        return "cp " + std::to_string(score);
    }

    void ReleaseHeldMove() {
        std::lock_guard lock(m_holdMutex);
        m_hold = false;
        m_holdReleased.notify_all();
    }

    void StopSearch() {
        if (!m_searching) return;
        m_engine->SetAbortSearch(true);
        ReleaseHeldMove();
        m_worker.join();
        m_searching = false;
    }

    tools::TUciWriter& m_out;
    std::unique_ptr<engine::TEngine> m_engine;
    engine::EngineRequest m_position;
    int m_depthOption = DefaultDepthOption;
    std::thread m_worker;
    bool m_searching = false;
    std::mutex m_holdMutex;
    std::condition_variable m_holdReleased;
    bool m_hold = false;
};

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    // A tied cin flushes cout before every read, from this thread and outside
    // the writer's lock: lines came out twice.
    std::cin.tie(nullptr);
    tools::TUciWriter out(std::cout);
    UciSession session(out);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.Handle(line)) return 0;
    }
    // End of input without quit: a scripted session still gets its answer.
    session.FinishSearch();
    return 0;
}
