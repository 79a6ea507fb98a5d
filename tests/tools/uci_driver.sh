# Shared by the UCI session tests; sourced, with $uci set to the program.
#
# session [SECONDS] <<script
# runs one quintavo-uci on the script's lines and leaves its output in $out
# and its exit status in $status. A line "@wait N REGEX" holds the rest of the
# input back until N output lines match REGEX; the input ends after the last
# line, as a GUI that goes away. SECONDS (default 60) bounds the whole run.

fail() {
    echo "FAIL: $*" >&2
    echo "--- session output:" >&2
    echo "${out:-}" >&2
    exit 1
}

session() {
    local limit=${1:-60}
    local script outfile waitlog
    script=$(cat)
    outfile=$(mktemp)
    waitlog=$(mktemp)
    {
        local line n re deadline
        while IFS= read -r line; do
            if [[ $line == "@wait "* ]]; then
                read -r _ n re <<<"$line"
                deadline=$((SECONDS + 30))
                until [ "$(grep -cE -- "$re" "$outfile")" -ge "$n" ]; do
                    if [ "$SECONDS" -ge "$deadline" ]; then
                        echo "waited in vain for $n x '$re'" >>"$waitlog"
                        break 2
                    fi
                    sleep 0.01
                done
            else
                printf '%s\n' "$line"
            fi
        done <<<"$script"
    } | timeout "$limit" "$uci" >"$outfile"
    status=$?
    out=$(cat "$outfile")
    local waited
    waited=$(cat "$waitlog")
    rm -f "$outfile" "$waitlog"
    [ -z "$waited" ] || fail "$waited"
    [ "$status" -ne 124 ] || fail "quintavo-uci still ran after ${limit} s"
    [ "$status" -eq 0 ] || fail "quintavo-uci exited with $status"
}

count() { grep -cE -- "$1" <<<"$out" || true; }

# Exactly one bestmove per go, and it is a move (or 0000 where asked).
bestmoves_are() {
    [ "$(count '^bestmove ')" -eq "$1" ] || fail "$(count '^bestmove ') bestmove lines, not $1"
}

# The last bestmove's move.
last_best() { sed -n 's/^bestmove \([^ ]*\).*$/\1/p' <<<"$out" | tail -n 1; }

# The first line matching $1 comes before the first matching $2.
in_order() {
    local a b
    a=$(grep -nE -m1 -- "$1" <<<"$out" | cut -d: -f1)
    b=$(grep -nE -m1 -- "$2" <<<"$out" | cut -d: -f1)
    [ -n "$a" ] && [ -n "$b" ] && [ "$a" -lt "$b" ] || fail "'$1' does not come before '$2'"
}

# The move is legal in the FEN by the rules' own generator.
legal_in() {
    "$perft" --rules "$2" 1 | grep -q "^${1:0:4}: 1\$" || fail "$1 is not legal in $2"
}
