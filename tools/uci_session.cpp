#include "tools/uci_session.h"

#include <cctype>
#include <chrono>
#include <sstream>

#include "engine/move_text.h"
#include "rules/fen.h"
#include "tools/cli_support.h"
#include "tools/uci_deadline.h"
#include "tools/uci_go.h"
#include "tools/uci_writer.h"

namespace quintavo::tools {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MinDepthOption = 1;
constexpr int MaxDepthOption = 8;
constexpr int DefaultDepthOption = 3;
constexpr int MaxGoDepth = 63;
constexpr int MateBound = 9000;

std::vector<std::string> Words(std::istringstream& in) {
    std::vector<std::string> words;
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

std::string ScoreText(int score) {
    if (score > MateBound) return "mate " + std::to_string((10000 - score + 1) / 2);
    if (score < -MateBound) return "mate -" + std::to_string((10000 + score) / 2);
    return "cp " + std::to_string(score);
}

bool IsSquareText(const std::string& text, std::size_t at) {
    return text[at] >= 'a' && text[at] <= 'h' && text[at + 1] >= '1' && text[at + 1] <= '8';
}

// The legal move of the position written as text: e2e4, e7e8q (a missing
// promotion letter means a queen; the letter may be a capital).
std::optional<engine::EngineMove>
FindMove(engine::TEngine& scratch, const engine::EngineRequest& position, std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text.size() < 4 || text.size() > 5 || !IsSquareText(text, 0) || !IsSquareText(text, 2))
        return std::nullopt;
    scratch.LoadEnginePosition(position);
    scratch.GenerateAllMoves();
    for (int i = scratch.PlyMovesStart(0); i < scratch.PlyMovesEnd(0); ++i) {
        const engine::EngineMove m = scratch.StackMove(i);
        const std::string moveText = engine::MoveText(m);
        const bool same =
            moveText == text || (text.size() == 4 && engine::MovePromotion(m) == engine::Queen &&
                                 moveText.compare(0, 4, text) == 0);
        if (!same) continue;
        if (!scratch.PlayMove(m)) return std::nullopt;
        scratch.UndoMove();
        return m;
    }
    return std::nullopt;
}

engine::EngineRequest After(engine::TEngine& scratch, const engine::EngineRequest& position,
                            engine::EngineMove move) {
    scratch.LoadEnginePosition(position);
    scratch.PlayMove(move);
    return scratch.CurrentRequest();
}

// The answer of a search stopped before its first iteration ended: a depth-1
// search of its own, which takes well under a millisecond.
std::string QuickMove(const engine::EngineRequest& request,
                      const std::vector<engine::EngineMove>& rootMoves) {
    auto scratch = std::make_unique<engine::TEngine>();
    scratch->SetRootMoves(rootMoves);
    engine::EngineRequest shallow = request;
    shallow.SearchDepth = 1;
    const engine::SearchResult result = scratch->RunSearch(shallow);
    return result.Outcome == engine::SearchOutcome::Move ? engine::MoveText(result.Move) : "0000";
}

} // namespace

TUciSession::TUciSession(TUciWriter& out)
    : m_out(out), m_engine(std::make_unique<engine::TEngine>()), m_position(engine::StartRequest()),
      m_depthOption(DefaultDepthOption) {}

TUciSession::~TUciSession() {
    StopSearch();
}

bool TUciSession::Handle(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    if (!(in >> command)) return true;
    const std::vector<std::string> words = Words(in);
    if (command == "uci") {
        Say("id name Quintavo");
        Say("id author the Quintavo developers");
        Say("option name Depth type spin default " + std::to_string(DefaultDepthOption) + " min " +
            std::to_string(MinDepthOption) + " max " + std::to_string(MaxDepthOption));
        Say("uciok");
    } else if (command == "isready") {
        Say("readyok");
    } else if (command == "ucinewgame") {
        StopSearch();
        NewGame();
    } else if (command == "setoption") {
        SetOption(words);
    } else if (command == "position") {
        StopSearch();
        SetPosition(words);
    } else if (command == "go") {
        StopSearch();
        Go(words);
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

void TUciSession::StopSearch() {
    if (!m_searching) return;
    m_engine->SetAbortSearch(true);
    ReleaseHeldMove();
    m_worker.join();
    m_searching = false;
}

void TUciSession::Say(const std::string& text) {
    m_out.Line(text);
}

void TUciSession::NewGame() {
    m_engine = std::make_unique<engine::TEngine>();
    m_position = engine::StartRequest();
}

void TUciSession::SetOption(const std::vector<std::string>& words) {
    // setoption name <name> value <value>
    std::string name, value;
    if (words.size() >= 2 && words[0] == "name") name = words[1];
    if (words.size() >= 4 && words[2] == "value") value = words[3];
    if (name != "Depth" && name != "depth") {
        Say("info string unknown option " + name);
        return;
    }
    const auto depth = ParseInt(value, MinDepthOption, MaxDepthOption);
    if (!depth) {
        Say("info string Depth must be " + std::to_string(MinDepthOption) + " to " +
            std::to_string(MaxDepthOption));
        return;
    }
    m_depthOption = *depth;
}

void TUciSession::SetPosition(const std::vector<std::string>& words) {
    // Whatever goes wrong below leaves no position rather than part of one.
    m_position.reset();
    const auto refuse = [this](const std::string& why) {
        Say("info string " + why + "; no position until a good one is given");
    };
    std::size_t i = 0;
    engine::EngineRequest position;
    if (i < words.size() && words[i] == "startpos") {
        position = engine::StartRequest();
        ++i;
    } else if (i < words.size() && words[i] == "fen") {
        std::string fen;
        for (++i; i < words.size() && words[i] != "moves"; ++i)
            fen += (fen.empty() ? "" : " ") + words[i];
        std::string error;
        const auto parsed = ParsePlayableFen(fen, &error);
        if (!parsed) return refuse("bad FEN '" + fen + "': " + error);
        position = engine::EngineRequest{*parsed};
        auto scratch = std::make_unique<engine::TEngine>();
        scratch->LoadEnginePosition(position);
        if (scratch->IsInCheck(scratch->OtherSide()))
            return refuse("bad FEN '" + fen + "': the side not to move is in check");
    } else {
        return refuse("position needs startpos or fen");
    }
    if (i < words.size()) {
        if (words[i] != "moves") return refuse("position: unexpected '" + words[i] + "'");
        auto scratch = std::make_unique<engine::TEngine>();
        for (++i; i < words.size(); ++i) {
            const auto move = FindMove(*scratch, position, words[i]);
            if (!move) return refuse("illegal move " + words[i]);
            position = After(*scratch, position, *move);
        }
    }
    m_position = position;
}

void TUciSession::Go(const std::vector<std::string>& words) {
    const GoCommand go = ParseGo(words, MaxGoDepth);
    for (const std::string& problem : go.Problems)
        Say("info string " + problem);
    if (!m_position) {
        Say("info string no position to search");
        Say("bestmove 0000");
        return;
    }
    SearchJob job;
    job.Request = *m_position;
    const TimeBudget budget = BudgetFor(go, job.Request.WhiteToMove);
    job.Soft = budget.Soft;
    job.Hard = budget.Hard;
    job.Hold = go.Infinite || go.Ponder;
    const bool limited = job.Hard || go.Nodes || job.Hold;
    job.Request.SearchDepth = go.Depth.value_or(limited ? MaxGoDepth : m_depthOption);

    auto scratch = std::make_unique<engine::TEngine>();
    for (const std::string& text : go.SearchMoves) {
        const auto move = FindMove(*scratch, job.Request, text);
        if (move)
            job.RootMoves.push_back(*move);
        else
            Say("info string searchmoves: " + text + " is not a legal move, left out");
    }
    if (!go.SearchMoves.empty() && job.RootMoves.empty())
        Say("info string searchmoves: no legal move given, searching all");

    m_engine->SetAbortSearch(false);
    m_engine->SetNodeLimit(go.Nodes.value_or(0));
    m_engine->SetRootMoves(job.RootMoves);
    {
        std::lock_guard lock(m_holdMutex);
        m_hold = job.Hold;
    }
    m_searching = true;
    m_worker = std::thread([this, job] { Search(job); });
}

void TUciSession::Search(const SearchJob& job) {
    const auto start = Clock::now();
    auto iterationStart = start;
    std::vector<std::uint64_t> iterationNodes; // each iteration's own
    std::uint64_t totalNodes = 0;
    engine::EngineMove lastMove = 0;
    bool haveMove = false;
    std::optional<TDeadline> deadline;
    if (job.Hard) deadline.emplace(start + *job.Hard, [this] { m_engine->SetAbortSearch(true); });

    m_engine->OnIterationDone = [&](const engine::IterationReport& report) {
        const auto now = Clock::now();
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now - start);
        std::ostringstream info;
        info << "info depth " << report.Depth << " seldepth " << report.SelDepth << " nodes "
             << report.Nodes << " time " << micros.count() / 1000 << " nps "
             << (micros.count() > 0
                     ? report.Nodes * 1000000 / static_cast<std::uint64_t>(micros.count())
                     : 0)
             << " score " << ScoreText(report.Score) << " pv";
        for (int i = 0; i < report.LineLength; ++i)
            info << ' ' << engine::MoveText(report.Line[i]);
        Say(info.str());
        if (report.LineLength > 0) {
            lastMove = report.Line[0];
            haveMove = true;
        }
        iterationNodes.push_back(report.Nodes - totalNodes);
        totalNodes = report.Nodes;
        const auto iterationTime =
            std::chrono::duration_cast<std::chrono::microseconds>(now - iterationStart);
        if (job.Soft && report.Depth < job.Request.SearchDepth &&
            !NextIterationFits(*job.Soft, micros, iterationTime, ExpectedGrowth(iterationNodes)))
            m_engine->SetAbortSearch(true);
        iterationStart = now;
    };
    const engine::SearchResult result = m_engine->RunSearch(job.Request);
    m_engine->OnIterationDone = nullptr;
    if (deadline) deadline->Cancel();

    std::string best = "0000"; // no legal move
    if (result.Outcome == engine::SearchOutcome::Move) {
        best = engine::MoveText(result.Move);
    } else if (result.Outcome == engine::SearchOutcome::Aborted) {
        // The last whole iteration's choice, or a quick one before any.
        best = haveMove ? engine::MoveText(lastMove) : QuickMove(job.Request, job.RootMoves);
    }
    {
        std::unique_lock lock(m_holdMutex);
        m_holdReleased.wait(lock, [this] { return !m_hold; });
    }
    Say("bestmove " + best);
}

void TUciSession::ReleaseHeldMove() {
    std::lock_guard lock(m_holdMutex);
    m_hold = false;
    m_holdReleased.notify_all();
}

} // namespace quintavo::tools
