#!/bin/sh
# The program needs the companion library at load time and finds it through a
# relative RPATH; the library exports NoMeaning and nothing else of ours.
set -eu
program=$1
library=$2
readelf -d "$program" | grep -q 'NEEDED.*\[libvessaro\.so' || { echo "libvessaro is not in DT_NEEDED"; exit 1; }
readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -q '\$ORIGIN/\.\./lib' || { echo "no \$ORIGIN/../lib RPATH"; exit 1; }
exports=$(nm -D --defined-only "$library" | awk '$2 == "T" { print $3 }')
[ "$exports" = "NoMeaning" ] || { echo "unexpected exports: $exports"; exit 1; }
env -u LD_LIBRARY_PATH ldd "$program" | grep -q 'libvessaro.*=> /' || { echo "ldd does not resolve libvessaro"; exit 1; }
echo "linkage ok"
