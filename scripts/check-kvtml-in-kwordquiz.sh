#!/usr/bin/env bash
# Opens each KVTML file given (for example one written by コースの書き出し
# with a ".kvtml" name) in KWordQuiz under Xvfb and says whether KWordQuiz
# took it: its main window names the file, and no "Open File" window
# appears. (KWordQuiz 22.12 opens a file it cannot parse as an empty list
# without a message, so this shows that the file is accepted, not that every
# word arrived; the import tests read the same files back word by word.)
# Needs Debian's kwordquiz, xvfb and xdotool.
#   scripts/check-kvtml-in-kwordquiz.sh FILE.kvtml...
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 FILE.kvtml..." >&2; exit 2; }
display=:94
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display
# Its own settings and autosave folder: KWordQuiz offers to recover a file it
# was ended on, which would hide whether it opened this one.
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
failed=0
windows() { { xdotool search --onlyvisible --name '.' 2>/dev/null || true; } | while read -r w; do xdotool getwindowname "$w"; done; }
for file in "$@"; do
  name=$(basename "$file")
  copy="$work/$RANDOM/$name"
  mkdir -p "$(dirname "$copy")"
  cp "$file" "$copy"
  kwordquiz "$copy" >/dev/null 2>&1 &
  pid=$!
  titles=""
  for _ in $(seq 1 40); do
    sleep 0.5
    titles=$(windows)
    grep -q "^$name — KWordQuiz" <<<"$titles" && break
  done
  sleep 1
  titles=$(windows)
  if grep -q "^$name — KWordQuiz" <<<"$titles" && ! grep -q "^Open File" <<<"$titles"; then
    echo "$file: opened by KWordQuiz"
  else
    echo "$file: NOT opened by KWordQuiz (windows: ${titles//$'\n'/, })"
    failed=1
  fi
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  rm -rf "$work/data"
done
exit $failed
