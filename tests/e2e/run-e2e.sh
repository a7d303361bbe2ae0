#!/usr/bin/env bash
# Drives the built program the way a user does: its own Xvfb and openbox, real key and mouse
# events from xdotool, and texts read back by select-all and copy into the clipboard.
#
#   run-e2e.sh PROGRAM RECTS_TOOL
#
# FOKURO_PROGRAM, when set, replaces PROGRAM (to test an installed copy). RECTS_TOOL prints
# the controls' client rectangles (fokuro-e2e-rects). Prints one line per case and then
# "N passed, N failed"; exits 0 only when every case passed, 77 when no X server starts.
set -u

program="${FOKURO_PROGRAM:-${1:-}}"
rects_tool="${2:-}"
if [ -z "$program" ] || [ -z "$rects_tool" ]; then
  echo "usage: run-e2e.sh PROGRAM RECTS_TOOL" >&2
  exit 2
fi
program="$(readlink -f "$program")"
if [ ! -x "$program" ]; then
  echo "e2e: no program at $program" >&2
  exit 2
fi

export LC_ALL=C.UTF-8
# The program must reach the X display, whatever the test runner chose for Qt.
unset QT_QPA_PLATFORM

title='Fokuro（デジタル一眼レフなら何ミリ？）'
# Steps wait for what they need, each at most this long.
step_timeout="${E2E_STEP_TIMEOUT:-10}"

work="$(mktemp -d)"
pids_to_end=()
cleanup() {
  local pid
  for pid in "${pids_to_end[@]}"; do
    kill "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

skip() {
  echo "e2e: SKIP: $*"
  exit 77
}

# ---------------------------------------------------------------- the X server and the WM
for tool in Xvfb openbox xdotool xclip xprop xwininfo; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh)"
done

# A runtime directory of our own, as a login session has; without one Qt makes
# /tmp/runtime-$USER.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids_to_end+=($!)
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export DISPLAY

# openbox reads and writes under HOME; give it a home of its own.
mkdir "$work/openbox-home"
HOME="$work/openbox-home" openbox >"$work/openbox.log" 2>&1 &
pids_to_end+=($!)
wm_ready=false
for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    wm_ready=true
    break
  fi
  sleep 0.1
done
if ! $wm_ready; then
  echo "e2e: openbox did not start: $(tail -n 3 "$work/openbox.log")" >&2
  exit 1
fi

# ------------------------------------------------------------------------- the geometry
if ! "$rects_tool" >"$work/rects" 2>"$work/rects.log"; then
  echo "e2e: $rects_tool failed: $(cat "$work/rects.log")" >&2
  exit 1
fi
read -r _ client_width client_height < <(grep '^client ' "$work/rects")

# The centre of control $1, in client pixels.
centre_of() {
  awk -v id="$1" '$1 == id { printf "%d %d\n", ($2 + $4) / 2, ($3 + $5) / 2 }' "$work/rects"
}

# ------------------------------------------------------------------------- case helpers
failures=()
fail() {
  failures+=("$*")
}

# Starts the program with the given environment words and arguments; sets app_pid and
# app_window. Usage: start_program [VAR=value ...] -- [arguments ...]
start_program() {
  local env_words=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    env_words+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  env "${env_words[@]}" "$program" "$@" >"$work/program.log" 2>&1 &
  app_pid=$!
  pids_to_end+=("$app_pid")
  app_window="$(wait_for_window "$app_pid" "^${title}\$")"
  if [ -z "$app_window" ]; then
    if kill -0 "$app_pid" 2>/dev/null; then
      fail "no window appeared; the program runs; its windows: $(xdotool search --all --pid \
        "$app_pid" 2>/dev/null | while read -r w; do xwininfo -id "$w" | grep -E 'xwininfo:|Map State'; done |
        tr '\n' ' '); output: $(tr '\n' ' ' <"$work/program.log")"
    else
      wait "$app_pid"
      fail "no window appeared; the program ended with $?: $(tr '\n' ' ' <"$work/program.log")"
    fi
    return 1
  fi
  wait_until_active "$app_window" || fail "the window did not become active"
}

# The visible window of process $1 whose name matches $2, within the step timeout.
wait_for_window() {
  # A search dies on an X error when some other window vanishes while it walks the tree (a
  # closing program's, say), so search again until the deadline rather than once with --sync.
  local deadline=$((SECONDS + step_timeout)) found
  while [ "$SECONDS" -lt "$deadline" ]; do
    found="$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1)"
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.05
  done
}

wait_until_active() {
  local deadline=$((SECONDS + step_timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

wait_until_gone() {
  local deadline=$((SECONDS + step_timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.05
  done
  return 1
}

# Waits for process $1 to end; sets exit_status to its status, or "running" after the
# timeout. No subshell: only the shell that started the program can wait for it.
wait_for_exit() {
  local deadline=$((SECONDS + step_timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      exit_status=$?
      return
    fi
    sleep 0.05
  done
  exit_status=running
}

# Clicks the centre of control $2 of window $1.
click_control() {
  local x y
  read -r x y < <(centre_of "$2")
  xdotool mousemove --window "$1" "$x" "$y" click 1
  sleep 0.05
}

# Puts a text of our own into the clipboard, so that a copy that copies nothing shows.
clipboard_sentinel=""
set_sentinel() {
  clipboard_sentinel="e2e-sentinel-$RANDOM$RANDOM"
  # xclip stays behind to serve the text; it must not hold our output open.
  printf '%s' "$clipboard_sentinel" | xclip -selection clipboard -i >/dev/null 2>&1
  local deadline=$((SECONDS + step_timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$clipboard_sentinel" ] && return
    sleep 0.05
  done
}

# The clipboard once it no longer holds the sentinel, or empty after $1 tenths of a second:
# copying an empty selection leaves the clipboard as it was.
clipboard_after_copy() {
  local tenths="$1" text
  for _ in $(seq "$tenths"); do
    text="$(xclip -o -selection clipboard 2>/dev/null)"
    if [ "$text" != "$clipboard_sentinel" ]; then
      printf '%s' "$text"
      return
    fi
    sleep 0.1
  done
}

# The text of field $2 of window $1, read as a user does: click, select all, copy.
field_text() {
  set_sentinel
  click_control "$1" "$2"
  xdotool key ctrl+a ctrl+c
  clipboard_after_copy 10
}

expect_field() {
  local window="$1" control="$2" expected="$3" actual
  actual="$(field_text "$window" "$control")"
  [ "$actual" = "$expected" ] || fail "field $control holds \"$actual\", expected \"$expected\""
}

expect_exit() {
  local how="$1"
  wait_for_exit "$app_pid"
  if [ "$exit_status" = running ]; then
    fail "$how: the program is still running"
  elif [ "$exit_status" != 0 ]; then
    fail "$how: exit status $exit_status, expected 0"
  fi
  wait_until_gone "$app_window" || fail "$how: the window is still on the screen"
}

# Makes sure a case leaves no program behind.
end_program() {
  if [ -n "${app_pid:-}" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
  fi
  app_pid=""
}

# The typical request: class 1.6 as opened, 28 into the wide field, click convert.
typical_request() {
  xdotool type --delay 20 28
  click_control "$1" 2008
  expect_field "$1" 4016 "44.8"
  expect_field "$1" 4017 ""
}

passed=0
failed=0
run_case() {
  local name="$1"
  failures=()
  app_pid=""
  "case_$name"
  end_program
  if [ ${#failures[@]} -eq 0 ]; then
    echo "PASS $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name: $(printf '%s; ' "${failures[@]}")"
    failed=$((failed + 1))
  fi
}

# ------------------------------------------------------------------------------ cases
case_title_and_client_size() {
  start_program -- || return
  local name
  name="$(xprop -id "$app_window" -notype _NET_WM_NAME | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p')"
  [ "$name" = "$title" ] || fail "title \"$name\""
  local geometry
  geometry="$(xwininfo -id "$app_window")"
  local width height
  width="$(sed -n 's/^ *Width: //p' <<<"$geometry")"
  height="$(sed -n 's/^ *Height: //p' <<<"$geometry")"
  [ "$width x $height" = "$client_width x $client_height" ] ||
    fail "client area $width x $height, the layout says $client_width x $client_height"
  xdotool key Escape
  expect_exit "Escape"
}

case_typical_request() {
  start_program -- || return
  typical_request "$app_window"
  expect_field "$app_window" 3010 "28"
}

case_zoom_at_1_5_by_mouse() {
  start_program -- || return
  click_control "$app_window" 1006
  click_control "$app_window" 3010
  xdotool type --delay 20 17
  xdotool key Tab
  xdotool type --delay 20 55
  click_control "$app_window" 2008
  expect_field "$app_window" 4016 "25.5"
  expect_field "$app_window" 4017 "82.5"
}

case_tab_cycle() {
  start_program -- || return
  # 3010, then 3011, then 2008 and 2010 (typing there changes nothing), then back to 3010
  # with its text selected, so typing replaces it.
  xdotool type --delay 20 28
  xdotool key Tab
  xdotool type --delay 20 50
  xdotool key Tab
  xdotool type --delay 20 7
  xdotool key Tab
  xdotool type --delay 20 7
  xdotool key Tab
  xdotool type --delay 20 35
  xdotool key Tab
  xdotool type --delay 20 9
  # The next stop is the convert button: Space there converts 35 and 9.
  xdotool key Tab space
  expect_field "$app_window" 3010 "35"
  expect_field "$app_window" 3011 "9"
  expect_field "$app_window" 4016 "56."
  expect_field "$app_window" 4017 "14.4"
}

case_enter_closes_without_converting() {
  start_program -- || return
  xdotool type --delay 20 28
  xdotool key Return
  expect_exit "Enter"
}

case_escape_closes() {
  start_program -- || return
  xdotool type --delay 20 28
  xdotool key Escape
  expect_exit "Escape"
}

case_alt_f4_closes() {
  start_program -- || return
  xdotool key alt+F4
  expect_exit "Alt+F4"
}

case_close_box_closes() {
  start_program -- || return
  # The close box is the right-most button of the title bar that openbox draws.
  local right top x y
  read -r _ right top _ < <(xprop -id "$app_window" -notype _NET_FRAME_EXTENTS |
    sed -n 's/^_NET_FRAME_EXTENTS = //p' | tr -d ',')
  read -r x y < <(xwininfo -id "$app_window" |
    awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
         END { print x, y }')
  if [ -z "${top:-}" ] || [ -z "${x:-}" ]; then
    fail "no frame extents or position"
    return
  fi
  xdotool mousemove $((x + client_width + right - top / 2)) $((y - top / 2)) click 1
  expect_exit "the close box"
}

case_exit_button_closes() {
  start_program -- || return
  xdotool type --delay 20 28
  click_control "$app_window" 2009
  expect_exit "the exit button"
}

case_clear_keeps_results() {
  start_program -- || return
  click_control "$app_window" 1006
  click_control "$app_window" 3010
  xdotool type --delay 20 17
  xdotool key Tab
  xdotool type --delay 20 55
  click_control "$app_window" 2008
  click_control "$app_window" 2010
  expect_field "$app_window" 3010 ""
  expect_field "$app_window" 3011 ""
  expect_field "$app_window" 4016 "25.5"
  expect_field "$app_window" 4017 "82.5"
}

# The help file the program must ask for: its own path, cut at the last full stop of the
# file name when it has one (a dotted folder keeps its dot), with ".HLP".
expected_help_file() {
  case "${program##*/}" in
    *.*) printf '%s.HLP' "${program%.*}" ;;
    *) printf '%s.HLP' "$program" ;;
  esac
}

case_f1_hands_the_help_file_to_the_opener() {
  mkdir -p "$work/fake-opener"
  cat >"$work/fake-opener/xdg-open" <<EOF
#!/bin/sh
{ printf 'argc=%d' "\$#"; printf ' [%s]' "\$@"; echo; } >>"$work/opener.log"
EOF
  chmod +x "$work/fake-opener/xdg-open"
  rm -f "$work/opener.log"
  start_program "PATH=$work/fake-opener:$PATH" -- || return
  local expected presses lines
  expected="argc=1 [$(expected_help_file)]"
  for presses in 1 2; do
    xdotool key F1
    local deadline=$((SECONDS + step_timeout))
    while [ "$SECONDS" -lt "$deadline" ]; do
      lines="$(cat "$work/opener.log" 2>/dev/null | wc -l)"
      [ "$lines" -ge "$presses" ] && break
      sleep 0.05
    done
  done
  sleep 0.3
  lines="$(cat "$work/opener.log" 2>/dev/null | wc -l)"
  [ "$lines" = 2 ] || fail "$lines opener calls for 2 presses of F1"
  if [ -f "$work/opener.log" ]; then
    while IFS= read -r line; do
      [ "$line" = "$expected" ] || fail "the opener got \"$line\", expected \"$expected\""
    done <"$work/opener.log"
  fi
  typical_request "$app_window"
}

case_f1_without_an_opener_shows_the_failure() {
  mkdir -p "$work/empty-bin"
  start_program "PATH=$work/empty-bin" -- || return
  xdotool key F1
  local box
  box="$(wait_for_window "$app_pid" '^fokuro$')"
  if [ -z "$box" ]; then
    fail "no message box captioned \"fokuro\""
    return
  fi
  wait_until_active "$box" || fail "the message box did not take the focus"
  set_sentinel
  xdotool key ctrl+c
  local copied
  copied="$(clipboard_after_copy 20)"
  grep -qxF 'ﾍﾙﾌﾟの起動に失敗しました。' <<<"$copied" ||
    fail "the box's text is not the failure message: \"$copied\""
  grep -qxF 'fokuro' <<<"$copied" || fail "the box's copied caption is not \"fokuro\": \"$copied\""
  xdotool key Return
  wait_until_gone "$box" || fail "Enter did not close the box"
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended with the box"
  wait_until_active "$app_window" || fail "the main window did not get the focus back"
  click_control "$app_window" 3010
  typical_request "$app_window"
}

case_command_line_changes_nothing() {
  start_program -- -style fusion -reverse -platform offscreen --foo bar || return
  local name
  name="$(xprop -id "$app_window" -notype _NET_WM_NAME | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p')"
  [ "$name" = "$title" ] || fail "title \"$name\""
  typical_request "$app_window"
  xdotool key Escape
  expect_exit "Escape"
}

case_empty_home_stays_empty() {
  local home="$work/empty-home" runtime="$work/empty-runtime"
  mkdir "$home"
  mkdir -m 700 "$runtime"
  start_program -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
    "HOME=$home" "XDG_RUNTIME_DIR=$runtime" -- || return
  typical_request "$app_window"
  xdotool key Escape
  expect_exit "Escape"
  local written
  written="$(find "$home" "$runtime" -mindepth 1 | head -n 5 | tr '\n' ' ')"
  [ -z "$written" ] || fail "the program wrote: $written"
}

case_fixed_frame_without_minimize_or_maximize() {
  start_program -- || return
  local motif flags functions decorations
  motif="$(xprop -id "$app_window" -notype _MOTIF_WM_HINTS | sed -n 's/^_MOTIF_WM_HINTS = //p')"
  IFS=', ' read -r flags functions decorations _ <<<"$motif"
  if [ -z "${functions:-}" ]; then
    fail "no _MOTIF_WM_HINTS"
  else
    # Functions: 0x1 all, 0x8 minimize, 0x10 maximize. Decorations: 0x1 all, 0x20
    # minimize, 0x40 maximize.
    ((flags & 0x1)) || fail "the Motif hints do not state the functions ($motif)"
    ((functions & 0x19)) && fail "the Motif functions allow minimize or maximize ($motif)"
    ((flags & 0x2)) && ((decorations & 0x61)) &&
      fail "the Motif decorations ask for minimize or maximize buttons ($motif)"
    ((functions & 0x20)) || fail "the Motif functions do not allow closing ($motif)"
  fi
  local hints
  hints="$(xprop -id "$app_window" WM_NORMAL_HINTS)"
  local min max
  min="$(sed -n 's/.*program specified minimum size: //p' <<<"$hints")"
  max="$(sed -n 's/.*program specified maximum size: //p' <<<"$hints")"
  [ -n "$min" ] && [ "$min" = "$max" ] || fail "resizable: minimum \"$min\", maximum \"$max\""
  [ "$min" = "$client_width by $client_height" ] || fail "fixed size \"$min\""
  local actions
  actions="$(xprop -id "$app_window" _NET_WM_ALLOWED_ACTIONS)"
  grep -q 'MAXIMIZE\|RESIZE' <<<"$actions" && fail "the WM lets the user resize: $actions"
  # A task-bar button: a normal window, transient for nothing.
  xprop -id "$app_window" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' ||
    fail "not a normal window: $(xprop -id "$app_window" _NET_WM_WINDOW_TYPE)"
  xprop -id "$app_window" WM_TRANSIENT_FOR | grep -q 'window id' &&
    fail "transient for another window, so no task-bar button"
  xprop -id "$app_window" _NET_WM_STATE | grep -q 'SKIP_TASKBAR' && fail "skips the task bar"
}

case_second_copy_is_independent() {
  start_program -- || return
  local first_pid="$app_pid" first_window="$app_window"
  start_program -- || return
  local second_pid="$app_pid" second_window="$app_window"
  [ "$first_window" != "$second_window" ] || fail "one window for two programs"
  typical_request "$second_window"
  xdotool windowactivate --sync "$first_window" 2>/dev/null
  expect_field "$first_window" 3010 ""
  expect_field "$first_window" 4016 ""
  click_control "$first_window" 3010
  xdotool key Escape
  app_pid="$first_pid" app_window="$first_window" expect_exit "Escape in the first copy"
  kill -0 "$second_pid" 2>/dev/null || fail "closing the first copy ended the second"
  expect_field "$second_window" 4016 "44.8"
  xdotool key Escape
  app_pid="$second_pid" app_window="$second_window" expect_exit "Escape in the second copy"
}

all_cases="title_and_client_size typical_request zoom_at_1_5_by_mouse tab_cycle
  enter_closes_without_converting escape_closes alt_f4_closes close_box_closes
  exit_button_closes clear_keeps_results f1_hands_the_help_file_to_the_opener
  f1_without_an_opener_shows_the_failure command_line_changes_nothing
  empty_home_stays_empty fixed_frame_without_minimize_or_maximize
  second_copy_is_independent"
# E2E_CASES picks some of them, by name.
for name in ${E2E_CASES:-$all_cases}; do
  run_case "$name"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
