#!/usr/bin/env bash
# Commands that come while a search runs: none waits for the search to end.
# A go, a position or a new game stops it first, and it still answers its own
# go; quit and the end of input end the program at once. The searches below
# would run for hours, so the session's time bound proves they were stopped.
set -uo pipefail
uci=$1
perft=$2
source "$(dirname "$0")/uci_driver.sh"
start='rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'
after_e4='rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'

# go during a search, and position during a search: each answers for its own
# position.
session 20 <<'EOF_SCRIPT'
position startpos
go depth 30
@wait 1 ^info depth 2
go depth 1
@wait 2 ^bestmove
position startpos moves e2e4
go depth 2
@wait 3 ^bestmove
EOF_SCRIPT
bestmoves_are 3
legal_in "$(sed -n 's/^bestmove //p' <<<"$out" | head -n 1)" "$start"
legal_in "$(last_best)" "$after_e4"

# A new game during an infinite search.
session 20 <<'EOF_SCRIPT'
position startpos moves e2e4
go infinite
@wait 1 ^info depth 2
ucinewgame
isready
@wait 1 ^readyok
go depth 1
@wait 2 ^bestmove
EOF_SCRIPT
bestmoves_are 2
in_order '^bestmove' '^readyok'
legal_in "$(last_best)" "$start"

# quit, and the end of input, during a search.
for ending in quit ""; do
    session 10 <<EOF_SCRIPT
position startpos
go depth 30
@wait 1 ^info depth 2
isready
@wait 1 ^readyok
$ending
EOF_SCRIPT
    bestmoves_are 1
    in_order '^readyok' '^bestmove'
done

# A mated side at once, asked while the answer is being written: the answer
# comes once (a tied input stream used to repeat it).
for _ in 1 2 3 4 5; do
    session <<'EOF_SCRIPT'
position fen k7/1Q6/1K6/8/8/8/8/8 b - - 0 1
go depth 3
isready
isready
quit
EOF_SCRIPT
    bestmoves_are 1
    [ "$(count '^readyok$')" -eq 2 ] || fail "not one readyok per isready"
done
echo "uci busy ok"
