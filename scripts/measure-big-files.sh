#!/usr/bin/env bash
# Times the real program with one data file replaced by a 10 MB line (or by
# 100,000 lines): how long until the main window appears, the longest step of
# its event loop from start to end (how long a click can wait), and how long
# 終了 (Alt+F, X) then takes to end the program. A file that only a window
# reads is read by opening that window through its menus first (help.txt:
# 簡易ヘルプ; word-1.dat: a crossword; 諺.txt: the typing trainer's 英語上級;
# TypingRecord.dat: its 苦手キー練習, with a record of 60 MB instead of the
# two cases above; Training.dat: 今日復習する単語を選ぶ and then 学習記録, on a
# ten-year history of a million lines made from the shipped courses, in code
# page 932 and in UTF-16, instead of the two cases above; LastTraining.dat:
# 最新過去データ読み込み). The shipped files are measured with the same steps.
# Runs under Xvfb with xdotool (Debian packages xvfb and xdotool).
#   scripts/measure-big-files.sh BUILD_DIR [FILE...]
#   scripts/measure-big-files.sh BUILD_DIR --import
# BUILD_DIR is a build whose bin/ holds lumo-english and its data files.
# --import measures the word-list import instead: each file below is opened
# through ファイル → 単語リストの取り込み, the import dialog left to read it for
# 5 s, cancelled, and the program ended; the longest step covers all of it.
# Default files: filelist.dat eng-1-1.dat 諺.txt 例文.txt word-1.dat help.txt TypingRecord.dat Training.dat
# LastTraining.dat
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [FILE...]}
shift
files=("$@")
[ ${#files[@]} -eq 0 ] &&
  files=(filelist.dat eng-1-1.dat 諺.txt 例文.txt word-1.dat help.txt TypingRecord.dat Training.dat LastTraining.dat)
import_mode=0
[ "${files[0]:-}" = --import ] && import_mode=1

display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
export DISPLAY=$display

now() { date +%s.%N; }

# What makes the program read a file: the steps below, by name.
steps_for() {
  case $1 in
    help.txt) echo help ;;
    word-*.dat) echo crossword ;;
    諺.txt) echo proverbs ;;
    TypingRecord.dat) echo weak-keys ;;
    Training.dat) echo review ;;
    LastTraining.dat) echo last-run ;;
    *) echo none ;;
  esac
}

# Takes the steps in the main window `wid`, then answers a message box they
# may have raised (Enter) and gives the focus back to the main window.
take_steps() { # steps, main window id
  local steps=$1 wid=$2
  [ "$steps" = none ] && return
  keys() { xdotool key --clearmodifiers "$@" 2>/dev/null || true; sleep 1; }
  case $steps in
    help) keys alt+h s ;;
    crossword) keys alt+r c; keys Return ;;
    proverbs) keys alt+r k; keys alt+c h ;;
    weak-keys) keys alt+r k; keys alt+c w ;;
    # Today's review chosen (its message box answered below), then the
    # learning record opened on the same history.
    review)
      keys alt+t s; sleep 3; keys Return
      xdotool windowfocus --sync "$wid" 2>/dev/null || true
      keys alt+t l; sleep 2 ;;
    last-run) keys alt+f d ;;
  esac
  sleep 2
  keys Return
  xdotool windowactivate --sync "$wid" 2>/dev/null || true
}

measure() { # label, program folder, steps
  local label=$1 dir=$2 steps=${3:-none}
  local start appeared ended
  start=$(now)
  LUMO_TEST_REPORT_LONGEST_STEP=1 "$dir/lumo-english" >/dev/null 2>"$dir/stderr.log" &
  local pid=$!
  local wid
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^ENGLISH$' | head -1) || true
  appeared=$(now)
  if [ -z "$wid" ]; then
    echo "$label: no window within 60 s"; kill -9 $pid; return
  fi
  sleep 0.5 # the splash closes
  take_steps "$steps" "$wid"
  if [ -n "${import_file:-}" ]; then
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    xdotool key --clearmodifiers alt+f 2>/dev/null || true
    xdotool key i 2>/dev/null || true
    sleep 1 # the open dialog
    xdotool type --delay 0 "$import_file" 2>/dev/null || true
    xdotool key Return 2>/dev/null || true
    sleep 5 # the import dialog reads the file
    # The open dialog has the same title: the import dialog is the one with a preview, 760 wide.
    local sizes=""
    for w in $(xdotool search --onlyvisible --name '^単語リストの取り込み$' 2>/dev/null); do
      sizes="$sizes $(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: //p')"
    done
    label="$label (dialogs:${sizes:- none})"
    xdotool key Escape 2>/dev/null || true
    sleep 0.5
  fi
  local asked
  asked=$(now)
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --clearmodifiers alt+f 2>/dev/null || true
  xdotool key x 2>/dev/null || true
  for _ in $(seq 1 600); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.05
  done
  ended=$(now)
  if kill -0 $pid 2>/dev/null; then
    echo "$label: window after $(echo "$appeared - $start" | bc) s; still running 30 s after 終了"
    kill -9 $pid
  else
    printf '%s: window after %.2f s, %s, ended %.2f s after 終了\n' "$label" \
      "$(echo "$appeared - $start" | bc)" "$(grep -o 'longest event-loop step [0-9]* ms' "$dir/stderr.log" || echo 'no step report')" \
      "$(echo "$ended - $asked" | bc)"
  fi
}

work=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$work"' EXIT
cp -r "$build/bin" "$work/clean"
if [ $import_mode = 1 ]; then
  python3 -c "import sys; sys.stdout.buffer.write(b'a,' * 5_000_000 + b'x\r\n')" >"$work/wide.csv"
  python3 -c "import sys; sys.stdout.buffer.write(b'a' * 10_000_000 + b'\r\n')" >"$work/long.csv"
  python3 -c "import sys; sys.stdout.buffer.write(b''.join(b'w%d,x\r\n' % i for i in range(1000000)))" >"$work/many.csv"
  for f in wide.csv long.csv many.csv; do
    import_file="$work/$f" measure "import of $f" "$work/clean"
  done
  exit 0
fi
measure "shipped files" "$work/clean"
for steps in help crossword proverbs weak-keys; do
  rm -rf "$work/steps"
  cp -r "$build/bin" "$work/steps"
  measure "shipped files, $steps" "$work/steps" "$steps"
done
for f in "${files[@]}"; do
  kinds=(line lines)
  [ "$f" = TypingRecord.dat ] && kinds=(record)
  [ "$f" = Training.dat ] && kinds=(ten-years ten-years-utf16)
  for kind in "${kinds[@]}"; do
    dir="$work/$kind"
    rm -rf "$dir"
    cp -r "$build/bin" "$dir"
    case $kind in
      line)
        python3 -c "import sys; sys.stdout.buffer.write(b'a' * 10_000_000 + b',x\r\n')" >"$dir/$f"
        measure "$f with one 10 MB line" "$dir" "$(steps_for "$f")" ;;
      lines)
        python3 -c "import sys; sys.stdout.buffer.write(b''.join(b'w%d,x\r\n' % i for i in range(100000)))" >"$dir/$f"
        measure "$f with 100,000 lines" "$dir" "$(steps_for "$f")" ;;
      record)
        python3 -c "import sys; sys.stdout.buffer.write(b'K,,,,,,A,S\r\n' * 5_000_000)" >"$dir/$f"
        measure "$f of 60 MB" "$dir" "$(steps_for "$f")" ;;
      ten-years)
        "$build/bench/make_ten_year_history" "$dir" >/dev/null
        measure "$f of ten years (a million lines)" "$dir" "$(steps_for "$f")" ;;
      ten-years-utf16)
        "$build/bench/make_ten_year_history" "$dir" >/dev/null
        iconv -f CP932 -t UTF-16 "$dir/$f" >"$dir/$f.utf16" && mv "$dir/$f.utf16" "$dir/$f"
        measure "$f of ten years in UTF-16" "$dir" "$(steps_for "$f")" ;;
    esac
  done
done
