#!/usr/bin/env bash
# Builds a release build and starts Lumo-English on its shipped content.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release
exec build/release/bin/lumo-english "$@"
