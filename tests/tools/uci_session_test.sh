#!/usr/bin/env bash
# A scripted UCI session: the handshake, a position with a move, a search.
# The answer must be legal by the rules' own move generator.
set -euo pipefail
uci=$1
perft=$2

fail() { echo "FAIL: $*" >&2; echo "--- session output:" >&2; echo "$out" >&2; exit 1; }

out=$(printf 'uci\nisready\nposition startpos moves e2e4\ngo depth 3\n' | timeout 60 "$uci")
grep -qx 'id name Quintavo' <<<"$out" || fail "no id name"
grep -qx 'option name Depth type spin default 3 min 1 max 8' <<<"$out" || fail "no Depth option"
grep -qx 'uciok' <<<"$out" || fail "no uciok"
grep -qx 'readyok' <<<"$out" || fail "no readyok"
[ "$(grep -c '^info depth ' <<<"$out")" -eq 3 ] || fail "not one info line per iteration"
grep -Eq '^info depth 3 seldepth [0-9]+ nodes [0-9]+ time [0-9]+ nps [0-9]+ score cp -?[0-9]+ pv( [a-h][1-8][a-h][1-8][nbrq]?)+$' \
    <<<"$out" || fail "malformed info line"
best=$(sed -n 's/^bestmove \([a-h][1-8][a-h][1-8][nbrq]\{0,1\}\)$/\1/p' <<<"$out")
[ -n "$best" ] || fail "no bestmove"
[ "$(tail -n 1 <<<"$out")" = "bestmove $best" ] || fail "bestmove is not the last line"

after_e4='rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'
legal=$("$perft" --rules "$after_e4" 1)
grep -q "^${best}: 1\$" <<<"$legal" || fail "bestmove $best is not a legal reply to e2e4"

# A mated side answers the null move; stop ends a search that is still running.
out=$(printf 'position fen rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3\ngo depth 2\n' |
    timeout 60 "$uci")
[ "$(tail -n 1 <<<"$out")" = "bestmove 0000" ] || fail "mated side did not answer bestmove 0000"
out=$( (printf 'position startpos\ngo depth 8\n'; sleep 0.2; printf 'stop\nisready\nquit\n') | timeout 60 "$uci")
grep -Eq '^bestmove [a-h][1-8][a-h][1-8]$' <<<"$out" || fail "stop gave no bestmove"
echo "uci session ok"
