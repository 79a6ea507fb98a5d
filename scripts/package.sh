#!/usr/bin/env bash
# Builds the Debian package quintavo_<version>_<arch>.deb into build-package/
# (installing what is missing first). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# CPack finds the package's dependencies with dpkg-shlibdeps (dpkg-dev), which
# needs file(1).
if ! dpkg-query -W -f='${Status}' file 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: file"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends file
fi

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTAVO_TESTS=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
rm -f build-package/quintavo_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls build-package/quintavo_*.deb)
echo
echo "Built $deb. Install it with:"
echo "    sudo apt-get install ./$deb"
