#!/bin/bash
# Start-up benchmark: time from exec to the program's top-level window mapped, first painted
# and focused, and peak resident memory, beside a raw Xlib window (xlib_floor.c) measured in
# the same session, under Xvfb and openbox.
#
#   tools/startup/bench-startup.sh [--runs N] [--out FILE] [PROGRAM]
#
# PROGRAM defaults to build/release/bin/fokuro (built when missing). Runs alternate between
# the floors and the program so that load from other work on the machine hits both alike.
#
# X cannot see Qt's focus inside the window: the measure ends at the later of the first
# damage after the map and the top-level's FocusIn; that the focus is then in 3010 is what the
# window tests check. With --phases, one extra run under strace gives a timeline of where the
# program's start-up goes.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
here="$root/tools/startup"

runs=30
warmup=3
out=""
phases=0
program=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --phases) phases=1; shift ;;
    -*) echo "bench-startup: unknown option $1" >&2; exit 2 ;;
    *) program="$1"; shift ;;
  esac
done
if [ "$runs" -lt 20 ]; then
  echo "bench-startup: at least 20 runs" >&2
  exit 2
fi
if [ -z "$program" ]; then
  program="$root/build/release/bin/fokuro"
  if [ ! -x "$program" ]; then
    (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target fokuro)
  fi
fi
program="$(realpath "$program")"

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

cc=${CC:-cc}
$cc -O2 -Wall -Wextra -Werror -o "$work/xlib_floor" "$here/xlib_floor.c" -lX11
$cc -O2 -Wall -Wextra -Werror -o "$work/startup_probe" "$here/startup_probe.c" -lXdamage -lX11
# shellcheck disable=SC2046 # pkg-config prints several words on purpose
${CXX:-g++} -std=c++20 -O2 -fPIC -Wall -Wextra -Wpedantic -Werror -o "$work/qt_floor" \
  "$here/qt_floor.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# A display number of our own, so that a concurrent Xvfb of the tests is not disturbed.
display=""
for n in $(seq 71 99); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    display=":$n"
    break
  fi
done
[ -n "$display" ] || { echo "bench-startup: no free display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

failed=0
# A run whose window was mapped before the probe watched it, or that failed, is tried again.
probe() {
  local try line
  for try in 1 2 3; do
    if line="$("$work/startup_probe" "$@")"; then
      echo "$line"
      return 0
    fi
    failed=$((failed + 1))
    [ "$try" -lt 3 ] || { echo "bench-startup: $* failed three times" >&2; return 1; }
  done
}

# Without the GLX integration plugin: a candidate start-up fix, measured rather than guessed.
nogl() { QT_XCB_GL_INTEGRATION=none probe "$@"; }

for _ in $(seq "$warmup"); do
  probe "$work/xlib_floor" >/dev/null
  probe "$work/qt_floor" >/dev/null
  probe "$program" >/dev/null
  nogl "$program" >/dev/null
done
for _ in $(seq "$runs"); do
  probe "$work/xlib_floor" >>"$work/floor.txt"
  probe "$work/qt_floor" >>"$work/qt_floor.txt"
  probe "$program" >>"$work/program.txt"
  nogl "$program" >>"$work/program_nogl.txt"
done

# Nearest-rank median and p90 of one column.
stat() {
  cut -d' ' -f"$2" "$1" | sort -n | awk -v q="$3" '{ v[NR] = $1 }
    END { r = int(q * NR); if (r < q * NR) r++; if (r < 1) r = 1; print v[r] }'
}
row() {
  local name="$1" file="$2"
  printf '%-8s %9s %9s %9s %9s %9s %9s %11s %11s\n' "$name" \
    "$(stat "$file" 1 0.5)" "$(stat "$file" 2 0.5)" "$(stat "$file" 3 0.5)" \
    "$(stat "$file" 4 0.5)" "$(stat "$file" 4 0.9)" \
    "$(stat "$file" 5 0.5)" "$(stat "$file" 5 0.9)" "$(stat "$file" 6 0.5)"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }

{
  echo "Start-up: exec to the top-level mapped, first painted and focused"
  echo "$(date -u +%Y-%m-%d), $(nproc) cores, $(uname -r), Xvfb + openbox, $runs runs after $warmup warm-up"
  echo "program: $program"
  echo
  printf '%-8s %9s %9s %9s %9s %9s %9s %11s %11s\n' "" "map" "paint" "focus" "ready" "ready" \
    "VmHWM" "VmHWM" "maxrss"
  printf '%-8s %9s %9s %9s %9s %9s %9s %11s %11s\n' "" "med ms" "med ms" "med ms" "med ms" \
    "p90 ms" "med kB" "p90 kB" "med kB"
  row floor "$work/floor.txt"
  row qt-floor "$work/qt_floor.txt"
  row fokuro "$work/program.txt"
  row no-glx "$work/program_nogl.txt"
  echo
  echo "ratio to the floor: ready median $(ratio "$(stat "$work/program.txt" 4 0.5)" \
    "$(stat "$work/floor.txt" 4 0.5)")x, p90 $(ratio "$(stat "$work/program.txt" 4 0.9)" \
    "$(stat "$work/floor.txt" 4 0.9)")x; peak memory median $(ratio \
    "$(stat "$work/program.txt" 5 0.5)" "$(stat "$work/floor.txt" 5 0.5)")x"
  echo "runs tried again: $failed; load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "qt-floor: QApplication, a QWidget and a focused QLineEdit (qt_floor.cpp)"
  echo "no-glx: the program with QT_XCB_GL_INTEGRATION=none"
} >"$work/report.txt"

if [ "$phases" -eq 1 ] && command -v strace >/dev/null 2>&1; then
  # One traced run: tracing slows every system call, so read shares, not absolute times.
  line="$(probe -a strace -f -ttt -e trace=execve,openat,connect -o "$work/trace.txt" "$program")"
  t0="$(awk 'NR == 1 { print $2; exit }' "$work/trace.txt")"
  mark() {
    awk -v t0="$t0" -v re="$2" -v n="$1" \
      '$0 ~ re { printf "%.1f\t%s\n", ($2 - t0) * 1000, n; exit }' "$work/trace.txt"
  }
  {
    echo
    echo "one run under strace (slower; ready at $(echo "$line" | cut -d' ' -f4) ms), first time each:"
    {
      mark "libQt6Core opened" "libQt6Core"
      mark "libQt6Widgets opened" "libQt6Widgets"
      mark "libGLX/libOpenGL opened" "libGLX|libOpenGL"
      mark "platform plugin folder read" "plugins/platforms"
      mark "xcb platform plugin opened" "libqxcb"
      mark "X server connected" "connect\\(.*X11-unix"
      mark "GLX integration plugin opened" "xcbglintegrations/"
      mark "fontconfig configuration read" "fonts\\.conf"
      mark "fontconfig cache read" "fontconfig/.*cache"
      mark "IPA Gothic font opened" "ipag"
    } | sort -n | awk -F'\t' '{ printf "  %-34s %8s ms\n", $2, $1 }'
    echo "  files opened: $(grep -c 'openat(' "$work/trace.txt"), of which shared libraries: $(grep 'openat(' "$work/trace.txt" | grep -v ENOENT | grep -c '\.so')"
  } >>"$work/report.txt"
fi

cat "$work/report.txt"
if [ -n "$out" ]; then
  cp "$work/report.txt" "$out"
fi
