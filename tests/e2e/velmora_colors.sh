#!/usr/bin/env bash
# Changes the Play button's colour the way a person would (system menu,
# "Color settings", the element, its three values, OK), leaves through Exit,
# starts Velmora again with the same settings folder and checks on the screen
# that the Play button kept its new colour.
#   velmora_colors.sh PATH_TO_VELMORA
set -euo pipefail
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null &&
  command -v convert >/dev/null || { echo "Xvfb, xdotool or ImageMagick is missing"; exit 77; }
velmora=$(realpath "$1")
source "$(dirname "$0")/e2e_lib.sh"
e2e_make_empty_folder

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
velmora=$1
source "$3"
e2e_enter_folder "$2"

click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
# The brightest value of colour channel $1 (R, G or B) in main-window client
# rectangle left top width height, on a fresh screenshot.
brightest() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$4x$5+$((cx + $2))+$((cy + $3))" +repage \
    -channel "$1" -separate -format '%[fx:int(maxima*255)]' info:
}
play=(129 88 28 11)

e2e_launch_main "$velmora" "$work/velmora.err"
red_before=$(brightest R "${play[@]}") green_before=$(brightest G "${play[@]}")
click 10 10   # the system menu button
e2e_wait_for_windows "$pid" 2 || fail "the system menu did not open"
# The menu opens at the cursor; "Color settings" is its first line.
xdotool mousemove_relative 30 12 click 1
colors_window() { e2e_windows_named 'Color settings' | head -1; }
colors_open() { [[ -n $(colors_window) ]]; }
e2e_wait_for colors_open || fail "the colour window did not open"
colors=$(colors_window)
eval "$(xdotool getwindowgeometry --shell "$colors" | sed 's/^/c_/')"
e2e_wait_for e2e_painted "${c_WIDTH}x${c_HEIGHT}+$c_X+$c_Y" || fail "the colour window was never painted"
# The element list has the focus: twelve lines down is the Play button.
xdotool windowfocus --sync "$colors" || true
for _ in $(seq 12); do xdotool key Down; done
# Red, green and blue value fields, typed over.
for field in "39 255" "65 0" "90 0"; do
  read -r y value <<<"$field"
  xdotool mousemove $((c_X + 167)) $((c_Y + y)) click 1
  xdotool key ctrl+a type "$value"
done
xdotool mousemove $((c_X + 168)) $((c_Y + 12)) click 1   # OK
e2e_wait_for e2e_prints "" colors_window || fail "OK did not close the colour window"
click 253 10   # Exit
e2e_wait_for_launched_exit
grep -q '^clrPlay=255$' "$work/config/Orvane/Velmora.conf" || {
  cat "$work/config/Orvane/Velmora.conf" >&2
  fail "clrPlay was not saved as red"
}

e2e_launch_main "$velmora" "$work/velmora.err"
red_after=$(brightest R "${play[@]}") green_after=$(brightest G "${play[@]}")
echo "Play button: red $red_before -> $red_after, green $green_before -> $green_after"
((red_after > red_before + 40 && green_after + 40 < green_before)) ||
  fail "the Play button does not show its new colour after a restart"
click 253 10
e2e_wait_for_launched_exit
SESSION

bash "$(dirname "$0")/virtual_screen.sh" bash "$work/session.sh" "$velmora" "$work" "$(realpath "$(dirname "$0")")/e2e_lib.sh"
echo PASS
