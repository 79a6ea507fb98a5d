#!/usr/bin/env bash
# A scripted UCI session: the handshake, a position with a move, a search.
# The answer must be legal by the rules' own move generator.
set -uo pipefail
uci=$1
perft=$2
source "$(dirname "$0")/uci_driver.sh"

session <<'EOF_SCRIPT'
uci
isready
position startpos moves e2e4
go depth 3
@wait 1 ^bestmove
EOF_SCRIPT
grep -qx 'id name Quintavo' <<<"$out" || fail "no id name"
grep -qx 'option name Depth type spin default 3 min 1 max 8' <<<"$out" || fail "no Depth option"
grep -qx 'uciok' <<<"$out" || fail "no uciok"
grep -qx 'readyok' <<<"$out" || fail "no readyok"
[ "$(count '^info depth ')" -eq 3 ] || fail "not one info line per iteration"
grep -Eq '^info depth 3 seldepth [0-9]+ nodes [0-9]+ time [0-9]+ nps [0-9]+ score cp -?[0-9]+ pv( [a-h][1-8][a-h][1-8][nbrq]?)+$' \
    <<<"$out" || fail "malformed info line"
best=$(sed -n 's/^bestmove \([a-h][1-8][a-h][1-8][nbrq]\{0,1\}\)$/\1/p' <<<"$out")
[ -n "$best" ] || fail "no bestmove"
bestmoves_are 1
[ "$(tail -n 1 <<<"$out")" = "bestmove $best" ] || fail "bestmove is not the last line"
legal_in "$best" 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'

# A mated side answers the null move.
session <<'EOF_SCRIPT'
position fen rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3
go depth 2
@wait 1 ^bestmove
EOF_SCRIPT
[ "$(tail -n 1 <<<"$out")" = "bestmove 0000" ] || fail "mated side did not answer bestmove 0000"

# A readiness question during a search is answered at once, the search
# answers stop, and nothing comes twice.
session <<'EOF_SCRIPT'
position fen k7/1Q6/1K6/8/8/8/8/8 b - - 0 1
go depth 3
isready
@wait 1 ^readyok
position startpos
go depth 8
isready
@wait 1 ^info depth 1
stop
isready
@wait 2 ^readyok
@wait 2 ^bestmove
quit
EOF_SCRIPT
bestmoves_are 2
[ "$(count '^readyok$')" -eq 3 ] || fail "not one readyok per isready"
grep -qx 'bestmove 0000' <<<"$out" || fail "mated side did not answer bestmove 0000"
grep -Eq '^bestmove [a-h][1-8][a-h][1-8]$' <<<"$out" || fail "stop gave no bestmove"
echo "uci session ok"
