#!/usr/bin/env bash
# The zoomed skin under a real window manager (openbox on a virtual screen).
# "2x" chosen in the system menu lasts through Exit and a new start, where the
# window is 532 x 228 and every skin pixel is a 2 x 2 block of its colour at 1x,
# the lit Stop glyph among them. On a screen scaled by 1.5 the same zoom makes
# whole 3 x 3 blocks, never a resampled picture, and Exit still answers at its
# place. On a 640 x 480 screen, where 3x does not fit, a stored 3x shows the
# window whole at 2x and stays stored. The track display's text, drawn anew at
# each size, is left out of the comparisons.
#   velmora_zoom.sh PATH_TO_VELMORA
set -euo pipefail
for tool in Xvfb xdotool xprop openbox import convert compare; do
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

# The window as it shows now, cut from a shot of the screen into file $1.
# The window's corner is (cx - 1, cy - 1); $2 is its size.
shoot_window() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$2+$((cx - 1))+$((cy - 1))" +repage "$1"
}
# Blanks the track display in picture $1 whose skin pixels are $2 screen pixels.
blank_text() {
  convert "$1" -fill black -draw "rectangle $((14 * $2)),$((29 * $2)) $((252 * $2 - 1)),$((45 * $2 - 1))" "$1"
}
# Fails unless picture $1 is the 1x picture with every pixel a $2 x $2 block.
expect_blocks_of_one() {
  convert "$work/one.png" -filter point -scale "$((100 * $2))%" "$work/expected.png"
  blank_text "$work/expected.png" "$2"
  blank_text "$1" "$2"
  local differing
  differing=$(compare -metric AE "$work/expected.png" "$1" null: 2>&1 || true)
  [[ $differing == 0 ]] || fail "$differing pixels of $1 are not ${2}x$2 blocks of the 1x skin"
}
# Clicks the centre of skin pixel (x, y) of window coordinates at scale $3.
click_skin() { xdotool mousemove $((cx - 1 + $1 * $3 + $3 / 2)) $((cy - 1 + $2 * $3 + $3 / 2)) click 1; }
size_of_main() { e2e_size_of "$(e2e_windows_named Velmora | head -1)"; }

# Run 1, at 1x: the picture every zoom is checked against, then 2x from the
# menu (its third entry opens the Zoom submenu, whose second entry is 2x).
e2e_launch_main "$velmora" "$work/velmora.err"
shoot_window "$work/one.png" 266x114
click_skin 11 11 1  # the system menu button
e2e_wait_for_windows "$pid" 2 || fail "the system menu did not open"
xdotool key Down Down Down Right
e2e_wait_for_windows "$pid" 3 || fail "the Zoom submenu did not open"
xdotool key Down Return
e2e_wait_for e2e_prints 532x228 size_of_main || fail "choosing 2x left the window at $(size_of_main)"
click_skin 254 11 2  # Exit, at its 2x place
e2e_wait_for_launched_exit
grep -qx 'Zoom=2' "$work/config/Orvane/Velmora.conf" || fail "the zoom was not stored"

# Run 2: the new start is at 2x, Stop lit at its 2x place.
e2e_launch_main "$velmora" "$work/velmora.err" 532x228
shoot_window "$work/two.png" 532x228
green=$(convert "$work/two.png" -crop "64x30+$((203 * 2))+$((87 * 2))" +repage \
  -channel G -separate -format '%[fx:int(maxima*255)]' info:)
((green >= 240)) || fail "Stop is not lit at its 2x place (green $green)"
expect_blocks_of_one "$work/two.png" 2
click_skin 254 11 2
e2e_wait_for_launched_exit

# Run 3: the screen scaled by 1.5. Two skin pixels a screen pixel would make
# three device pixels of each two; the skin takes whole 3 x 3 blocks instead.
QT_SCALE_FACTOR=1.5 e2e_launch_main "$velmora" "$work/velmora.err" 798x342
shoot_window "$work/scaled.png" 798x342
expect_blocks_of_one "$work/scaled.png" 3
click_skin 254 11 3
e2e_wait_for_launched_exit
echo PASS
SESSION

cat >"$work/small.sh" <<'SESSION'
set -euo pipefail
velmora=$1
source "$3"
e2e_enter_folder "$2"
e2e_start_openbox
e2e_launch_main "$velmora" "$work/velmora.err" 532x228
(( cx >= 1 && cy >= 1 && cx + 531 <= 640 && cy + 227 <= 480 )) || fail "the window at $cx,$cy is not whole on the screen"
xdotool mousemove $((cx - 1 + 254 * 2 + 1)) $((cy - 1 + 11 * 2 + 1)) click 1  # Exit
e2e_wait_for_launched_exit
grep -qx 'Zoom=3' "$work/config/Orvane/Velmora.conf" || fail "the stored 3x was not kept"
echo PASS
SESSION

lib=$(realpath "$(dirname "$0")")/e2e_lib.sh
VIRTUAL_SCREEN=1024x768x24 bash "$(dirname "$0")/virtual_screen.sh" bash "$work/session.sh" "$velmora" "$work" "$lib"
sed -i 's/^Zoom=.*/Zoom=3/' "$work/config/Orvane/Velmora.conf"
bash "$(dirname "$0")/virtual_screen.sh" bash "$work/small.sh" "$velmora" "$work" "$lib"
