#!/usr/bin/env bash
# Runs the real player in a virtual X server, with openbox or with no window manager, and
# checks it from outside: window facts, outline, pixels idle and playing, cursors, dragging and
# every way out.
#
# usage: run_e2e.sh openbox|no_wm <quorvendal> <window_probe>   (from the repository root)
set -euo pipefail

if [[ $# -ne 3 || ! $1 =~ ^(openbox|no_wm)$ ]]; then
  echo "usage: run_e2e.sh openbox|no_wm <quorvendal> <window_probe>" >&2
  exit 2
fi
mode=$1
player=$2
probe=$3
repo=$(pwd)
mask=data/mask.bmp
off_skin=data/player_off.jpg
on_skin=data/player_on.jpg
first_picture=data/duskvale.jpg
root_colour=3a5f7d

work=$(mktemp -d)
xvfb_pid=
wm_pid=
player_pid=

cleanup() {
  local status=$?
  for pid in "$player_pid" "$wm_pid" "$xvfb_pid"; do
    [[ -n $pid ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL [$mode]: $*" >&2
  for log in out err; do
    [[ -s $work/$log ]] && sed "s/^/  player std$log: /" "$work/$log" >&2
  done
  exit 1
}
pass() { echo "ok [$mode]: $*"; }

# Polls a command every 50 ms until it succeeds, for at most $1 seconds.
wait_until() {
  local tries=$(($1 * 20))
  shift
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

# --- the X server and the window manager ------------------------------------------------

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  2>"$work/xvfb.log" &
xvfb_pid=$!
display_ready() { grep -q '^[0-9][0-9]*$' "$work/display"; }
wait_until 10 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
# No sound device is needed here, whatever engine the build has.
export SDL_AUDIODRIVER=dummy
# For sanitizer builds; other builds ignore it.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan_suppressions.txt:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
xsetroot -solid "#$root_colour"

if [[ $mode == openbox ]]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  wait_until 10 xdotool get_num_desktops || fail "openbox did not start"
fi

# --- the player -------------------------------------------------------------------------

window=
find_window() { window=$("$probe" find QUORVENDAL); }

start_player() {
  (cd "$repo" && exec "$player") >"$work/out" 2>"$work/err" &
  player_pid=$!
  wait_until 10 find_window || fail "no window of class QUORVENDAL appeared"
}

player_gone() { ! kill -0 "$player_pid" 2>/dev/null; }
# The server may show a dead client's window for a moment; the next run must not find it.
window_gone() { ! "$probe" find QUORVENDAL; }

# Waits for the player to end and checks its exit code.
expect_exit() {
  local expected=$1 what=$2 code=0
  wait_until 10 player_gone || fail "$what: the player is still running"
  wait "$player_pid" || code=$?
  player_pid=
  ((code == expected)) || fail "$what: exit code $code, not $expected"
  [[ ! -s $work/err ]] || fail "$what: the player wrote to stderr"
  wait_until 5 window_gone || fail "$what: the window outlived the player"
  pass "$what ends the player with $expected"
}

read -r mask_width mask_height < <("$probe" mask-size "$mask") || fail "cannot read $mask"
point_of() { "$probe" point "$mask" "$1"; }

window_at() {
  local facts
  facts=$("$probe" facts "$window") || return 1
  grep -qx "position $1 $2" <<<"$facts"
}

cursor_is() { [[ $("$probe" cursor) == "$1" ]]; }

# --- one run for everything seen from outside, ended by Escape ---------------------------

start_player
wait_until 5 window_at 100 100 || fail "window not at (100, 100): $("$probe" facts "$window")"
facts=$("$probe" facts "$window")
for expected in "size $mask_width $mask_height" "class QUORVENDAL" "title Quorvendal" \
  "icon 32x32"; do
  grep -qx "$expected" <<<"$facts" || fail "expected '$expected' among: $facts"
done
pass "window at (100, 100), ${mask_width}x$mask_height, class, title and icon"

"$probe" shape "$window" "$mask" >/dev/null || fail "$("$probe" shape "$window" "$mask" 2>&1)"
pass "bounding shape equals the mask's outline"

screen_shows_skin() { "$probe" screen "$window" "$mask" "$off_skin" "$root_colour"; }
wait_until 5 screen_shows_skin ||
  fail "screen: $("$probe" screen "$window" "$mask" "$off_skin" "$root_colour" 2>&1)"
pass "off skin inside the outline, root colour outside"

# Alternate, so that every step needs a change of cursor (the last two share the arrow).
for step in 10:hand2 15:left_ptr 14:hand2 9:left_ptr 11:hand2 12:left_ptr body:left_ptr; do
  region=${step%%:*}
  cursor=${step#*:}
  read -r x y < <(point_of "$region")
  xdotool mousemove $((100 + x)) $((100 + y))
  if ! wait_until 3 cursor_is "$cursor"; then
    seen=$("$probe" cursor)
    [[ $seen == unnamed ]] && fail "cursors have no names: no X cursor theme installed?"
    fail "cursor over code $region is '$seen', not '$cursor'"
  fi
done
pass "hand over 10, 14 and 11; arrow over 15, 9, 12 and the body"

read -r x y < <(point_of 15)
xdotool mousemove $((100 + x)) $((100 + y)) mousedown 1
for _ in 1 2 3 4 5 6; do
  xdotool mousemove_relative -- 10 -5
  sleep 0.02
done
xdotool mouseup 1
wait_until 5 window_at 160 70 || fail "drag: window at $("$probe" facts "$window" | head -1)"
pass "a drag on the handle by (60, -30) moves the window by (60, -30)"

# A real key press to the focused window: the release then goes wherever the focus goes
# next, and the server's keyboard is clean for the next run.
focused() { [[ $(xdotool getwindowfocus -f) == "$window" ]]; }
xdotool windowfocus "$window"
wait_until 5 focused || fail "the window does not take the keyboard focus"
xdotool key Escape
expect_exit 0 "Escape"

# --- track 1 playing, ended by the close button ------------------------------------------

start_player
wait_until 5 window_at 100 100 || fail "window not at (100, 100): $("$probe" facts "$window")"
wait_until 5 screen_shows_skin ||
  fail "before the press: $("$probe" screen "$window" "$mask" "$off_skin" "$root_colour" 2>&1)"
read -r x y < <(point_of 10)
xdotool mousemove $((100 + x)) $((100 + y)) click 1
screen_changed() { ! screen_shows_skin; }
wait_until 5 screen_changed || fail "a press on track 1's button changed nothing on screen"

playing=$("$probe" playing "$window" "$mask" "$off_skin" "$on_skin" "$first_picture" 2>&1) ||
  fail "track 1 playing: $playing"
pass "track 1 playing: off skin on 14, $first_picture on 9 (${playing#picture }), on skin elsewhere"

moving=$("$probe" moving "$window" "$mask" 2>&1) || fail "half a second of track 1: $moving"
pass "half a second of track 1: $moving, nothing else did"

read -r x y < <(point_of 11)
xdotool mousemove $((100 + x)) $((100 + y)) click 1 2>/dev/null || true
expect_exit 0 "a press on the close button while track 1 plays"

# --- the other ways out -------------------------------------------------------------------

start_player
"$probe" close "$window" || fail "cannot send WM_DELETE_WINDOW"
expect_exit 0 "a WM_DELETE_WINDOW request"

start_player
kill -TERM "$player_pid"
expect_exit 0 "SIGTERM"

# --- failures before the window ---------------------------------------------------------

# One line, naming the cause, and exit code 1.
expect_one_line_failure() {
  local what=$1 needle=$2 code=0 output
  output=$("${@:3}" 2>&1) || code=$?
  ((code == 1)) || fail "$what: exit code $code, not 1"
  [[ $(wc -l <<<"$output") -eq 1 && $output == *"$needle"* ]] ||
    fail "$what: expected one line naming '$needle', got: $output"
  pass "$what: '$output', exit code 1"
}

mkdir "$work/empty"
expect_one_line_failure "no data/mask.bmp" "data/mask.bmp" \
  bash -c 'cd "$1" && exec "$2"' _ "$work/empty" "$player"

unused=9000
while [[ -e /tmp/.X11-unix/X$unused ]]; do unused=$((unused + 1)); done
expect_one_line_failure "no display" "display" \
  env DISPLAY=":$unused" bash -c 'cd "$1" && exec "$2"' _ "$repo" "$player"

echo "all end-to-end checks passed [$mode]"
