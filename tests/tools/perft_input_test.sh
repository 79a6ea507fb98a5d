#!/usr/bin/env bash
# The perft and bench tools refuse bad input with a message and status 2, and
# count correctly when the input is good.
set -uo pipefail
perft=$1
bench=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

expect_refused() {
    local stdout stderr status
    stderr=$(mktemp)
    stdout=$("$@" 2>"$stderr")
    status=$?
    local message
    message=$(cat "$stderr")
    rm -f "$stderr"
    [ "$status" -eq 2 ] || fail "'$*' exited $status, not 2"
    [ -n "$message" ] || fail "'$*' wrote no message on standard error"
    [ -z "$stdout" ] || fail "'$*' wrote to standard output: $stdout"
}

start='rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'
expect_refused "$perft"
expect_refused "$perft" "$start"
expect_refused "$perft" "not a fen" 3
expect_refused "$perft" 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1' 2
expect_refused "$perft" "$start" -1
expect_refused "$perft" "$start" 2x
expect_refused "$perft" "$start" 99
expect_refused "$perft" --rules "$start" three
expect_refused "$bench" --depth 0
expect_refused "$bench" --depth
expect_refused "$bench" 'rnbqkbnr/pppppppp/8/8 w'

[ "$("$perft" "$start" 3 | tail -n 1)" = 8902 ] || fail "engine perft 3 of the start position"
[ "$("$perft" $start 2 | tail -n 1)" = 400 ] || fail "FEN given as separate fields"
[ "$("$perft" --rules "$start" 3 | tail -n 1)" = 8902 ] || fail "rules perft 3 of the start position"
[ "$("$bench" --depth 1 "$start" | tail -n 1 | cut -d' ' -f1-3)" = "total nodes 20" ] || fail "bench total"
echo "perft and bench input ok"
