#!/usr/bin/env bash
# Formats every C++ source of the project with clang-format and the root .clang-format.
#   scripts/format.sh          rewrite the files in place
#   scripts/format.sh --check  change nothing; list the files that differ and exit 1 if any does
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
fi

if [ "${1:-}" = "--check" ]; then
  if ! out=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
    echo "Not formatted (run scripts/format.sh or the 'format' target):"
    grep -oE '^[^: ]+:[0-9]+' <<<"$out" | cut -d: -f1 | sort -u | sed 's/^/  /'
    exit 1
  fi
  echo "Format: ${#files[@]} files checked, all formatted."
else
  clang-format -i "${files[@]}"
fi
