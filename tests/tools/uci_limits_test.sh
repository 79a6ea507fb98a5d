#!/usr/bin/env bash
# The limits a GUI puts on a search: depth, nodes, move time, a clock,
# infinite with stop, pondering, and a narrowed choice of moves. Every go gets
# exactly one bestmove, and it is legal by the rules.
set -uo pipefail
uci=$1
perft=$2
source "$(dirname "$0")/uci_driver.sh"
start='rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'

# Iterations end at 20, 91, 1003 and 6471 nodes from the start: a budget of
# 5000 nodes leaves three whole ones and answers from the third.
session <<'EOF_SCRIPT'
position startpos
go nodes 5000
@wait 1 ^bestmove
EOF_SCRIPT
bestmoves_are 1
[ "$(count '^info depth ')" -eq 3 ] || fail "go nodes 5000 did not stop after depth 3"
third=$(sed -n 's/^info depth 3 .* pv \([a-h1-8]*\).*/\1/p' <<<"$out")
[ "$(last_best)" = "$third" ] || fail "go nodes did not answer the last whole iteration's move"

# Stopped before any iteration ends, the answer is still a searched one:
# depth 1 prefers d2d4 to the first move generated.
session <<'EOF_SCRIPT'
position startpos
go nodes 1
@wait 1 ^bestmove
EOF_SCRIPT
[ "$(count '^info depth ')" -eq 0 ] || fail "go nodes 1 finished an iteration"
[ "$(last_best)" = d2d4 ] || fail "go nodes 1 answered $(last_best), not the depth-1 move"

# A move time or a clock ends a search that would otherwise go on for ever;
# the session's time bound would fail either.
for go in "movetime 300" "wtime 3000 btime 3000" "wtime 6000 btime 1000 winc 100 binc 100 movestogo 5" \
    "btime 2000 wtime 0" "depth 40 movetime 200" "wtime -20 btime 500"; do
    session 30 <<EOF_SCRIPT
position startpos
go $go
@wait 1 ^bestmove
EOF_SCRIPT
    bestmoves_are 1
    legal_in "$(last_best)" "$start"
done

# A clock with plenty of time left still answers within the share it takes.
session 30 <<'EOF_SCRIPT'
position startpos moves e2e4
go wtime 5000 btime 5000 winc 0 binc 0
@wait 1 ^bestmove
EOF_SCRIPT
[ "$(count '^info depth ')" -ge 1 ] || fail "the clock left no whole iteration"
legal_in "$(last_best)" 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'

# Infinite: the answer waits for stop, however shallow the position.
session <<'EOF_SCRIPT'
position startpos
go infinite
@wait 1 ^info depth 3
isready
@wait 1 ^readyok
stop
@wait 1 ^bestmove
EOF_SCRIPT
bestmoves_are 1
in_order '^readyok' '^bestmove'
legal_in "$(last_best)" "$start"

# Pondering holds the answer until ponderhit, even when the search is done.
session <<'EOF_SCRIPT'
position startpos
go ponder depth 2
@wait 1 ^info depth 2
isready
@wait 1 ^readyok
ponderhit
@wait 1 ^bestmove
EOF_SCRIPT
bestmoves_are 1
in_order '^readyok' '^bestmove'

# searchmoves narrows the root; a move that is not legal is named and left out.
session <<'EOF_SCRIPT'
position startpos
go depth 3 searchmoves a2a3 h2h4 e2e5
@wait 1 ^bestmove
position startpos
go searchmoves b1a3 depth 2
@wait 2 ^bestmove
EOF_SCRIPT
bestmoves_are 2
grep -q '^info string .*e2e5' <<<"$out" || fail "the illegal searchmove was not named"
first=$(sed -n 's/^bestmove //p' <<<"$out" | head -n 1)
[ "$first" = a2a3 ] || [ "$first" = h2h4 ] || fail "searchmoves a2a3 h2h4 answered $first"
[ "$(last_best)" = b1a3 ] || fail "searchmoves b1a3 answered $(last_best)"
grep -E '^info depth' <<<"$out" | grep -Evq ' pv (a2a3|h2h4|b1a3)( |$)' &&
    fail "an iteration chose a move outside searchmoves"

# The Depth option sets the depth of a go without limits.
session <<'EOF_SCRIPT'
setoption name Depth value 2
position startpos
go
@wait 1 ^bestmove
EOF_SCRIPT
[ "$(count '^info depth ')" -eq 2 ] || fail "go did not search to the Depth option"
echo "uci limits ok"
