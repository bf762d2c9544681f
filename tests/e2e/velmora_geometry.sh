#!/usr/bin/env bash
# Five start/exit cycles under a real window manager (openbox on a virtual
# screen). Each run opens and closes the tracklist, the dictionary editor, the
# colour and the tag display windows, then leaves through Exit. The places and
# sizes stored after every run, and where each window showed, must be those of
# the first run: a window manager's frame must not creep into them.
#   velmora_geometry.sh PATH_TO_VELMORA
set -euo pipefail
for tool in Xvfb xdotool xprop openbox; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done
velmora=$(realpath "$1")
source "$(dirname "$0")/e2e_lib.sh"
e2e_make_empty_folder

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
velmora=$1
source "$3"
e2e_enter_folder "$2"
e2e_start_openbox

# The one visible window titled exactly $1, waited for up to three seconds.
window_named() {
  local _ w
  for _ in $(seq 30); do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [[ -n $w ]] && { echo "$w"; return; }
    sleep 0.1
  done
}
gone() {
  local _
  for _ in $(seq 100); do
    [[ -z $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true) ]] && return
    sleep 0.1
  done
  fail "window \"$1\" did not close"
}

# Starts Velmora and leaves its main window's client origin in cx, cy.
start() {
  e2e_launch_main "$velmora" "$work/velmora.err"
  # The album loads half a second after the window shows.
  sleep 1
}
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }

# Opens window $1 with the command $2 (tried again when the first click went
# to the window manager), notes where it shows (its client area, as the X
# server has it), then closes it with Escape and waits until it has gone.
look_and_close() {
  local w= X Y WIDTH HEIGHT WINDOW SCREEN _
  for _ in 1 2 3; do
    $2
    w=$(window_named "$1")
    [[ -n $w ]] && break
  done
  [[ -n $w ]] || fail "no window \"$1\""
  sleep 0.5  # the window manager has framed and placed it
  eval "$(xdotool getwindowgeometry --shell "$w")"
  echo "$1 ${X},${Y} ${WIDTH}x${HEIGHT}" >>"$work/shown"
  xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
  xdotool key Escape
  gone "$1"
}
menu_entry() {
  click 10 10  # the system menu button
  sleep 0.5
  local _
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

for run in 1 2 3 4 5; do
  : >"$work/shown"
  start
  look_and_close Tracklist "click 105 58"
  look_and_close "Mapping Dictionary" "click 140 58"
  look_and_close "Color settings" "menu_entry 1"
  look_and_close "Tag Display" "menu_entry 2"
  click 253 10  # Exit
  e2e_wait_for_launched_exit
  grep -E '^(Main|Play|Dict|Tlist|Tlistsize|Color|Tags)[XY]=' "$work/config/Orvane/Velmora.conf" | sort \
    >"$work/stored.$run"
  mv "$work/shown" "$work/shown.$run"
  if ((run > 1)); then
    diff -u "$work/stored.1" "$work/stored.$run" >&2 || fail "stored geometry changed in run $run"
    diff -u "$work/shown.1" "$work/shown.$run" >&2 || fail "windows showed elsewhere in run $run"
  fi
done
echo "stored after every run:"
cat "$work/stored.1"
echo "shown in every run:"
cat "$work/shown.1"
SESSION

bash "$(dirname "$0")/virtual_screen.sh" bash "$work/session.sh" "$velmora" "$work" "$(realpath "$(dirname "$0")")/e2e_lib.sh"
