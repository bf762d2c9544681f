#!/usr/bin/env bash
# Two WAVE files dragged with the pointer from another program (drag_source)
# onto the main window while the tracklist window is open: the tracklist
# takes them as if they had been dropped on it, and the album file it saves
# after the drop lists both, in the order they were dragged. Run once on a
# bare virtual screen and once under a window manager (openbox); each run
# ends through Exit.
#   velmora_drop.sh PATH_TO_VELMORA PATH_TO_DRAG_SOURCE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") drag_source=$(realpath "$2")
e2e_require Xvfb xdotool xprop openbox sox
top=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$top"' EXIT

cat >"$top/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
velmora=$2 drag_source=$3 manager=$5
e2e_enter_folder "$4"
src=
trap '[[ -n $src ]] && kill "$src" 2>/dev/null; [[ -n $pid ]] && kill "$pid" 2>/dev/null
      [[ -n $wm ]] && kill "$wm" 2>/dev/null; true' EXIT
[[ $manager == openbox ]] && e2e_start_openbox

# Polls every 0.1 s, for at most $1 tries, until command $2... succeeds.
poll() {
  local tries=$1 _
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The one visible window titled exactly $1, or nothing.
window_named() { e2e_windows_named "$1" | head -n 1; }
found_window() { [[ -n $(window_named "$1") ]]; }
# Succeeds when the client area of window $1 has its top-left corner in the
# rectangle from ($2, $3) to ($4, $5); a window manager's frame shifts it.
corner_within() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ((X >= $2 && Y >= $3 && X <= $4 && Y <= $5))
}
# Succeeds once the drag source has said line $1 last.
source_said() { [[ $(tail -n 1 "$work/drag.out" 2>/dev/null) == "$1" ]]; }
album_is() { [[ $(cat "$work/default.alb") == "$1" ]]; }

e2e_launch_main "$velmora" "$work/velmora.err"
main_x=$cx main_y=$cy

# The Tracklist button; under a window manager the first click may only
# give the window the focus.
for _ in 1 2 3; do
  xdotool mousemove $((main_x + 105)) $((main_y + 58)) click 1
  poll 30 found_window Tracklist && break
done
tl=$(window_named Tracklist)
[[ -n $tl ]] || fail "the Tracklist button opened no window named Tracklist"
# It opens over the main window: put it beside it, out of the drag's way.
xdotool windowmove "$tl" 330 10
poll 50 corner_within "$tl" 300 0 400 60 || fail "the tracklist window did not move aside"

# The dragged files, in an order that is not that of their names.
sox -n -r 22050 -c 1 -b 16 "$work/zulu.wav" synth 0.5 sine 440
sox -n -r 22050 -c 1 -b 16 "$work/alpha.wav" synth 0.5 sine 660
"$drag_source" "$work/zulu.wav" "$work/alpha.wav" >"$work/drag.out" 2>"$work/drag.err" &
src=$!
poll 100 found_window "Drag source" || fail "no drag source window"
source_window=$(window_named "Drag source")
xdotool windowmove "$source_window" 40 300
poll 50 corner_within "$source_window" 30 280 80 340 || fail "the drag source did not move below the main window"
eval "$(xdotool getwindowgeometry --shell "$source_window")"
from_x=$((X + WIDTH / 2)) from_y=$((Y + HEIGHT / 2))
# The middle of the track display.
to_x=$((main_x + 133)) to_y=$((main_y + 37))

# The drag, as a hand makes it: press on the source, move across in steps
# (the drag source and the target answer each other at every step), then
# hover on the main window until it has said it takes the files, and let go.
xdotool mousemove "$from_x" "$from_y"
xdotool mousedown 1
poll 100 source_said started || fail "pressing on the drag source started no drag"
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10))
  sleep 0.05
done
hovered=
for nudge in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((to_x + nudge % 2)) "$to_y"
  poll 5 source_said "action copy" && { hovered=1; break; }
done
xdotool mouseup 1
[[ -n $hovered ]] || fail "the main window did not take the dragged files: $(tr '\n' ' ' <"$work/drag.out")"
poll 100 source_said "ended copy" || fail "the drag did not end in a copy: $(tr '\n' ' ' <"$work/drag.out")"

# The tracklist saves the album once it has added the drop.
expected=$(printf '%s\n' "$work/zulu.wav" "$work/alpha.wav")
poll 100 album_is "$expected" || {
  cat -A "$work/default.alb" >&2
  fail "the album file does not list the two dragged files in order"
}
[[ -n $(window_named Tracklist) ]] || fail "the tracklist window closed"

xdotool mousemove $((main_x + 253)) $((main_y + 10)) click 1   # Exit
e2e_wait_for_launched_exit
album_is "$expected" || fail "Exit changed the album the drop had saved"
echo "$manager: PASS"
SESSION

for manager in none openbox; do
  work=$top/$manager
  mkdir -p "$work/home" "$work/config"
  : >"$work/default.alb"
  : >"$work/default.dic"
  e2e_run_session "$top/session.sh" "$here/e2e_lib.sh" "$velmora" "$drag_source" "$work" "$manager"
done
echo PASS
