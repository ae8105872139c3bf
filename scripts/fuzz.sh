#!/usr/bin/env bash
# Builds the fuzz targets with clang (build/fuzz) and runs each on its seed
# corpus.
#   scripts/fuzz.sh --smoke             a fixed, short number of runs per target
#   scripts/fuzz.sh SECONDS [TARGET...] each target for SECONDS
#   scripts/fuzz.sh --runs N [TARGET...] each target for N executions
#   scripts/fuzz.sh --fast ...          the same without AddressSanitizer
#                                       (build/fuzz-fast), two to three times
#                                       the executions per second for long runs;
#                                       then "--runs 0" runs every input they
#                                       kept once under AddressSanitizer.
# Targets: cp932 course examples history wordfile richtext typing record wordlist (default all).
# New inputs go to build/fuzz/corpus/TARGET, crashes to build/fuzz/artifacts/.
# Exits non-zero when a target finds a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/fuzz
sanitizers=address,undefined
if [ "${1:-}" = "--fast" ]; then
  build=build/fuzz-fast; sanitizers=undefined; shift
fi
mode=time
limit=60
if [ "${1:-}" = "--smoke" ]; then
  mode=runs; limit=1000; shift
elif [ "${1:-}" = "--runs" ]; then
  mode=runs; limit=$2; shift 2
elif [ -n "${1:-}" ]; then
  limit=$1; shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(cp932 course examples history wordfile richtext typing record wordlist)

if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_FUZZ=ON \
    -DLUMO_FUZZ_SANITIZERS="$sanitizers" -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target $(printf '%s_fuzz ' "${targets[@]}")

# Both builds share one working corpus and one folder of crashes.
mkdir -p build/fuzz/artifacts
status=0
for t in "${targets[@]}"; do
  work="build/fuzz/corpus/$t"
  mkdir -p "$work"
  if [ "$mode" = runs ]; then
    budget=(-runs="$limit")
  else
    budget=(-max_total_time="$limit")
  fi
  echo "== $t"
  # The seeds are read but never written; the fuzzer adds to the working copy.
  if ! "$build/fuzz/${t}_fuzz" "${budget[@]}" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/${t}-" "$work" "fuzz/corpus/$t" \
      2> "$build/$t.log"; then
    status=1
    tail -40 "$build/$t.log"
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/$t.log" | sed "s/^/  /" || true
done
exit $status
