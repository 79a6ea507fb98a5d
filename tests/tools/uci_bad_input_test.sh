#!/usr/bin/env bash
# What a GUI may send wrongly or loosely. Loose but clear input is taken;
# anything wrong is named in an info string, and the engine stays usable but
# never searches a position it could only half set up.
set -uo pipefail
uci=$1
perft=$2
source "$(dirname "$0")/uci_driver.sh"

# Extra blanks, a FEN without its move counters, a promotion's letter, and a
# capital one.
session <<'EOF_SCRIPT'
   position    fen   8/4P1k1/8/8/8/8/1p6/4K3   w   -  -    moves   e7e8q   b2b1N
go    depth   2
@wait 1 ^bestmove
EOF_SCRIPT
bestmoves_are 1
[ "$(count '^info string')" -eq 0 ] || fail "loose input was refused"
legal_in "$(last_best)" '4Q3/6k1/8/8/8/8/8/1n2K3 w - - 0 2'

# Each line is wrong in its own way; after each, go answers 0000 and a good
# position works again.
while IFS='|' read -r bad why; do
    session <<EOF_SCRIPT
position startpos moves e2e4
$bad
go depth 2
@wait 1 ^bestmove
position startpos moves e2e4 e7e5
go depth 1
@wait 2 ^bestmove
EOF_SCRIPT
    bestmoves_are 2
    grep -Eq "^info string .*$why" <<<"$out" || fail "'$bad' was not named ($why)"
    [ "$(sed -n 's/^bestmove //p' <<<"$out" | head -n 1)" = 0000 ] ||
        fail "'$bad' still searched a position"
    legal_in "$(last_best)" 'rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2'
done <<'EOF_CASES'
position startpos moves e7e5|illegal move e7e5
position startpos moves e2e4 e7e5 e1e3 g8f6|illegal move e1e3
position startpos moves e2e4 zz|illegal move zz
position startpos moves e2e4 e7e5x|illegal move e7e5x
position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1|bad FEN
position fen 4k3/8/8/8/8/8/8/4K3 x - - 0 1|bad FEN
position fen 4k3/8/8/8/8/8/8/4KK2 w - -|bad FEN
position fen 4k3/4R3/8/8/8/8/8/4K3 w - -|side not to move is in check
position fen|bad FEN
position|startpos or fen
position startpos e2e4|unexpected 'e2e4'
position endpos|startpos or fen
EOF_CASES

# Unknown commands and options, and a go with words it does not know: each is
# named, and the session goes on.
session <<'EOF_SCRIPT'
hello world
setoption name Hash value 16
setoption name Depth value 99
go depth x fast
@wait 1 ^bestmove
isready
@wait 1 ^readyok
EOF_SCRIPT
bestmoves_are 1
grep -q '^info string unknown command hello' <<<"$out" || fail "unknown command not named"
grep -q '^info string unknown option Hash' <<<"$out" || fail "unknown option not named"
grep -q '^info string Depth must be 1 to 8' <<<"$out" || fail "bad Depth not named"
grep -q "^info string go: bad depth 'x'" <<<"$out" || fail "bad depth not named"
grep -q "^info string go: unknown word 'fast'" <<<"$out" || fail "unknown go word not named"
[ "$(count '^info depth ')" -eq 3 ] || fail "a go with bad words did not search to the Depth option"
echo "uci bad input ok"
