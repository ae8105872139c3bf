#!/usr/bin/env bash
# Builds the release build and the Debian package from it:
# build/package/lumo-english_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/package
(cd build/package && cpack -G DEB)
ls build/package/*.deb
