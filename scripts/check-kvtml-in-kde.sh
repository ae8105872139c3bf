#!/usr/bin/env bash
# Opens each KVTML file given — one written by コースの書き出し with a ".kvtml"
# name — in Parley and in KWordQuiz under Xvfb and says whether each took it.
# Parley names its window after the file's <title> once it has read the
# vocabulary (a file it cannot read keeps the file name: "x.kvtml — Parley");
# the export writes the file's base name as the title, so "words.kvtml" must
# give a window "words — Parley". KWordQuiz must open it without an "Open
# File" window (it opens an unreadable file as an empty list, so this shows
# only that it accepts the file). Needs Debian's parley, kwordquiz, xvfb and
# xdotool; a program that is not installed is left out.
#   scripts/check-kvtml-in-kde.sh FILE.kvtml...
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 FILE.kvtml..." >&2; exit 2; }
display=:94
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display
windows() { { xdotool search --onlyvisible --name '.' 2>/dev/null || true; } | while read -r w; do xdotool getwindowname "$w"; done; }

# program, file, pattern of the window that shows it was read; 0 when it appeared
opened() {
  local program=$1 file=$2 expected=$3
  # Own settings each time: both offer to recover a file they were ended on.
  local home="$work/$RANDOM"
  local copy="$home/files/$(basename "$file")"
  mkdir -p "$(dirname "$copy")"
  cp "$file" "$copy"
  XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    "$program" "$copy" >/dev/null 2>&1 &
  local pid=$! titles="" found=1
  for _ in $(seq 1 40); do
    sleep 0.5
    titles=$(windows)
    if grep -q "$expected" <<<"$titles"; then found=0; break; fi
  done
  sleep 1
  titles=$(windows)
  grep -q '^Open File' <<<"$titles" && found=1
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  [ $found = 0 ] || echo "  windows: ${titles//$'\n'/, }"
  return $found
}

failed=0
for file in "$@"; do
  name=$(basename "$file")
  base=${name%.*}
  if command -v parley >/dev/null; then
    if opened parley "$file" "^$base *— Parley"; then echo "$file: read by Parley"; else echo "$file: NOT read by Parley"; failed=1; fi
  fi
  if command -v kwordquiz >/dev/null; then
    if opened kwordquiz "$file" "^$name — KWordQuiz"; then echo "$file: opened by KWordQuiz"; else echo "$file: NOT opened by KWordQuiz"; failed=1; fi
  fi
done
exit $failed
