#!/usr/bin/env bash
# Builds the Debian package: build-deb/lumivo_<version>_<arch>.deb, installed under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DLUMIVO_TESTS=OFF >/dev/null
cmake --build build-deb -j2 --target lumivo
(cd build-deb && cpack -G DEB)
ls build-deb/*.deb
