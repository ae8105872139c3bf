#!/usr/bin/env bash
# Builds the test build (AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs every test headless. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/format.sh --check
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMO_TESTS=ON -DLUMO_SANITIZE=ON
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j2 "$@"
# Each file reader under the fuzzer for a few thousand inputs.
scripts/fuzz.sh --smoke
