#!/usr/bin/env bash
# Start/exit cycles under a real window manager (openbox on a virtual
# screen). The first run moves the main window and moves (the tracklist also
# resizes) the tracklist, the dictionary editor, the colour and the tag
# display windows the way a person drags them, then leaves through Exit. Every
# later run must show each window where the first run left it, and store the
# same places: neither the stored places forgotten nor a window manager's
# frame creeping into them.
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

window_named() { e2e_windows_named "$1" | head -1; }
shown() { [[ -n $(window_named "$1") ]]; }
gone() { e2e_wait_for e2e_prints "" window_named "$1" || fail "window \"$1\" did not close"; }
# "X,Y WIDTHxHEIGHT" of window $1's client area, as the X server has it,
# once the window manager has framed it and two looks agree.
placed() {
  local last= now _
  for _ in $(seq 100); do
    now=$(xdotool getwindowgeometry "$1" | awk '/Position/ {p = $2} /Geometry/ {print p, $2}')
    [[ $now == "$last" ]] && xprop -id "$1" _NET_FRAME_EXTENTS | grep -q = && { echo "$now"; return; }
    last=$now
    sleep 0.1
  done
  fail "window $1 never settled (last at $now)"
}
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
menu_entry() {
  click 10 10  # the system menu button
  e2e_wait_for_windows "$pid" 2 || fail "the system menu did not open"
  local _
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

# Opens window $1 with the command $2 (tried again when the first click went
# to the window manager). In the first run moves it to $3 (and sizes it to
# $4), then notes where it shows, and closes it with Escape.
look_and_close() {
  local w= _
  for _ in 1 2 3; do
    $2
    e2e_wait_for shown "$1" && break
  done
  w=$(window_named "$1")
  [[ -n $w ]] || fail "no window \"$1\""
  placed "$w" >/dev/null
  if ((run == 1)); then
    xdotool windowmove --sync "$w" ${3/,/ }
    [[ -n ${4:-} ]] && xdotool windowsize --sync "$w" ${4/x/ }
  fi
  echo "$1 $(placed "$w")" >>"$work/shown"
  xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
  xdotool key Escape
  gone "$1"
}

for run in 1 2 3 4; do
  : >"$work/shown"
  e2e_launch_main "$velmora" "$work/velmora.err"
  main=$(window_named Velmora)
  if ((run == 1)); then
    xdotool windowmove --sync "$main" 40 300
    eval "$(xdotool getwindowgeometry --shell "$main")"
    cx=$((X + 1)) cy=$((Y + 1))
  fi
  echo "Velmora $(placed "$main")" >>"$work/shown"
  look_and_close Tracklist "click 105 58" 520,30 330x440
  look_and_close "Mapping Dictionary" "click 140 58" 330,60
  look_and_close "Color settings" "menu_entry 1" 400,330
  look_and_close "Tag Display" "menu_entry 2" 700,420
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
# The first run's places are the moved ones, not where the windows opened.
grep -qx 'Velmora 40,300 266x114' "$work/shown.1" || fail "the main window was not moved: $(head -1 "$work/shown.1")"
grep -q '^Tracklist [0-9,]* 330x440$' "$work/shown.1" || fail "the tracklist was not resized: $(grep Tracklist "$work/shown.1")"
echo "stored after every run:"
cat "$work/stored.1"
echo "shown in every run:"
cat "$work/shown.1"
SESSION

VIRTUAL_SCREEN=1024x768x24 bash "$(dirname "$0")/virtual_screen.sh" bash "$work/session.sh" "$velmora" "$work" "$(realpath "$(dirname "$0")")/e2e_lib.sh"
