#!/usr/bin/env bash
# quintavo-pgn as a person runs it, and its files checked by a second,
# independent reader: pgn-extract replays every move and writes it back in
# long algebraic notation, which must equal ours.
set -uo pipefail
tool=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

extract=$(command -v pgn-extract || echo /usr/games/pgn-extract)
[ -x "$extract" ] || fail "pgn-extract is not installed (scripts/deps.sh --test)"

# The moves of a saved game as "e2e4 ... b7a8n".
vsr_moves() {
    grep -oE '[A-H][1-8]-[A-H][1-8][NBR]?' "$1" | tr 'A-Z' 'a-z' | tr -d '-' | paste -sd' '
}
# The first game's moves as pgn-extract reads them, a queen promotion without
# its letter as in a saved game; its complaints fail the test.
extract_moves() {
    "$extract" -s -Wuci --notags -C -N -V --noresults "$1" 2>"$work/extract.err" |
        grep -m1 . | tr 'A-Z' 'a-z' | sed -E 's/ *$//; s/([a-h][1-8][a-h][1-8])q( |$)/\1\2/g'
    [ ! -s "$work/extract.err" ] || fail "pgn-extract on $1: $(cat "$work/extract.err")"
}

# Command line and refusals.
"$tool" >/dev/null 2>&1; [ $? -eq 2 ] || fail "no arguments must give status 2"
"$tool" to-png x.pgn >/dev/null 2>&1; [ $? -eq 2 ] || fail "an unknown command must give status 2"
"$tool" check "$work/missing.pgn" >/dev/null 2>&1; [ $? -eq 1 ] || fail "a missing file must give 1"
printf '1. e4 e5 2. Ke3 *\n' >"$work/illegal.pgn"
out=$("$tool" check "$work/illegal.pgn"); [ $? -eq 1 ] || fail "check of an illegal move must give 1"
[ "$out" = 'game 1: error: move 2 (White) "Ke3": illegal move' ] || fail "check said: $out"
"$tool" to-vsr "$work/illegal.pgn" >"$work/out" 2>"$work/err"; [ $? -eq 1 ] || fail "to-vsr of an illegal move"
[ ! -s "$work/out" ] || fail "to-vsr wrote a half game"
grep -q 'move 2 (White) "Ke3"' "$work/err" || fail "to-vsr gave no message: $(cat "$work/err")"
head -c 1100000 /dev/zero | tr '\0' ' ' >"$work/big.pgn"
"$tool" check "$work/big.pgn" 2>/dev/null; [ $? -eq 1 ] || fail "a file over 1 MiB must be refused"

out=$("$tool" check "$data/two_games.pgn") || fail "check of two_games.pgn"
[ "$out" = $'game 1: 34 half-moves\ngame 2: 2 half-moves' ] || fail "check said: $out"

# Real-style files load with the moves pgn-extract reads, and what we write
# from them is read back by pgn-extract with the same moves.
for name in opera_style latin1_promotion; do
    "$tool" to-vsr "$data/$name.pgn" >"$work/$name.vsr" || fail "to-vsr $name"
    ours=$(vsr_moves "$work/$name.vsr")
    theirs=$(extract_moves "$data/$name.pgn")
    [ -n "$ours" ] && [ "$ours" = "$theirs" ] || fail "$name: ours [$ours], pgn-extract [$theirs]"

    "$tool" to-pgn "$work/$name.vsr" >"$work/$name.pgn" || fail "to-pgn $name"
    written=$(extract_moves "$work/$name.pgn")
    [ "$written" = "$ours" ] || fail "$name written: pgn-extract read [$written], not [$ours]"
    "$tool" check "$work/$name.pgn" >/dev/null || fail "$name: our own PGN does not check"
    awk 'length > 79 { exit 1 }' "$work/$name.pgn" || fail "$name: a line over 79 characters"
done

# Random games (seeded, every kind of promotion) as our writer wrote them:
# pgn-extract reads each with the moves our reader gives.
awk -v dir="$work" '/^\[Event / { n++ } { print > (dir "/random" n ".pgn") }' "$data/random_games.pgn"
games=0
for file in "$work"/random[0-9]*.pgn; do
    "$tool" to-vsr "$file" >"$work/random.vsr" || fail "to-vsr $file"
    ours=$(vsr_moves "$work/random.vsr")
    theirs=$(extract_moves "$file")
    [ -n "$ours" ] && [ "$ours" = "$theirs" ] || fail "$file: ours [$ours], pgn-extract [$theirs]"
    games=$((games + 1))
done
[ "$games" -eq 6 ] || fail "compared $games random games, not 6"

# An under-promotion keeps its piece through both formats.
grep -q 'C7-B8N' "$work/latin1_promotion.vsr" || fail "the knight promotion is not in the saved game"
grep -q 'cxb8=N' "$work/latin1_promotion.pgn" || fail "the knight promotion is not in the PGN"
grep -q '^\[Result "1-0"\]$' "$work/opera_style.pgn" || fail "a mate gives 1-0"
echo "quintavo-pgn ok"
