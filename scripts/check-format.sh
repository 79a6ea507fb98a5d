#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from its .clang-format
# layout. `--fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$formatter" ] || { echo "clang-format is not installed (scripts/deps.sh --test)." >&2; exit 1; }

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi

if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi

unformatted=()
for f in "${files[@]}"; do
    "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted with $("$formatter" --version | head -1); run scripts/check-format.sh --fix:" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "${#files[@]} sources formatted"
