#!/usr/bin/env bash
# Starts the real Velmora on a virtual X display in a folder holding an album
# of three short tagged WAVE files and picks a track the way a person would:
# opens the tracklist with the Tracklist button, clicks the first line and
# Select, clicks the second line and presses Enter, then presses Play. The track
# display must leave "No file loaded", show a different name for each track,
# keep the second while it plays; Exit must leave the album as it was and
# keep the tracklist's place.
#   velmora_tracklist.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
e2e_require Xvfb xdotool import convert sox timeout
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
# Three seconds a tone: the second track must still be playing when Play has
# lit, even on a busy machine.
e2e_make_album "$work" "$kestrune" 3

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
e2e_start_velmora "$2" "$3"
e2e_dismiss_dic_box_and_find_main
play=(127 86 32 15) track=(13 28 238 16)
track_look() { e2e_shot; e2e_look "${track[@]}"; }

# Succeeds once the track display has shown the same thing for five shots
# in a row; leaves it in $steady.
steady= same=0
unchanged_display() {
  local now
  now=$(track_look)
  if [[ $now == "$steady" ]]; then ((++same)); else steady=$now same=1; fi
  ((same >= 5))
}
# Succeeds when the track display shows something other than $1; leaves it
# in $shown.
shown=
display_differs() { shown=$(track_look); [[ $shown != "$1" ]]; }
play_lit() { e2e_shot; (($(e2e_max_green "${play[@]}") >= 240)); }

e2e_wait_for -t 60 unchanged_display || e2e_fail "the track display never settled"
no_file=$steady

e2e_click 105 58   # Tracklist
tl=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tracklist$' | head -n 1) ||
  e2e_fail "the Tracklist button opened no window named Tracklist"
# It opens over the main window: put it beside it, as a person would drag it.
xdotool windowmove --sync "$tl" 300 10
eval "$(xdotool getwindowgeometry --shell "$tl")"
tx=$X ty=$Y tw=$WIDTH th=$HEIGHT
echo "tracklist window: ${tw}x${th} at $tx,$ty"
# The list's top left corner is 2, 47 dialog units (6 x 13 pixel base units)
# into the client area; after resizing it keeps that place.
list_x=$((tx + (2 * 6 + 2) / 4)) list_y=$((ty + (47 * 13 + 4) / 8))
# Select keeps its size, 30 x 10 dialog units, and sits 41 pixels above the
# client area's bottom.
select_x=$((tx + 3 + 22)) select_y=$((ty + th - 41 + 8))
tl_click() { xdotool mousemove "$1" "$2" click 1; }
# The list holds three lines once the album has loaded: wait for it to stop
# changing and to show more than its background.
list_look() {
  import -window root "$e2e_work/screen.png"
  convert "$e2e_work/screen.png" -crop "$((tw - 30))x60+$((list_x + 2))+$((list_y + 2))" +repage -format '%k %#' info:
}
list_steady= list_same=0
list_filled() {
  local now
  now=$(list_look)
  if [[ $now == "$list_steady" ]]; then ((++list_same)); else list_steady=$now list_same=1; fi
  ((list_same >= 5 && ${now%% *} > 1))
}
e2e_wait_for -t 60 list_filled || e2e_fail "the tracklist's list shows no tracks"
[[ $(track_look) == "$no_file" ]] || e2e_fail "the track display changed while nothing was selected"

# The first line, then Select: the first track becomes current.
tl_click $((list_x + 30)) $((list_y + 6))
tl_click "$select_x" "$select_y"
e2e_wait_for -t 20 display_differs "$no_file" || e2e_fail "Select on the first line left \"No file loaded\" shown"
first=$shown
play_lit && e2e_fail "Play lit although it was not pressed"

# The second line, then Enter, which the list leaves to the default button,
# Select. Lines are as high as the highlight the first line now wears: count
# the rows under the list's top edge that share the colour of its middle.
import -window root "$e2e_work/screen.png"
line=$(convert "$e2e_work/screen.png" -crop "1x60+$((list_x + tw / 2))+$((list_y + 1))" +repage txt:- |
  awk -v mid=6 'NR > 1 { colour[NR - 2] = $3 }
    END { n = 0; while (n in colour && colour[n] == colour[mid]) n++; print n }')
((line >= 8 && line <= 40)) || e2e_fail "a line of the list seems to be $line pixels high"
tl_click $((list_x + 30)) $((list_y + 1 + line + line / 2))
xdotool windowfocus --sync "$tl"
xdotool key Return
e2e_wait_for -t 20 display_differs "$first" || e2e_fail "Select on the second line did not change the track display"
second=$shown
[[ $second != "$no_file" ]] || e2e_fail "the second track shows as \"No file loaded\""

e2e_click 143 93   # Play
e2e_wait_for -t 20 play_lit || e2e_fail "Play did not light"
[[ $(track_look) == "$second" ]] || e2e_fail "the track display left the second track when Play was pressed"
e2e_shot
cp "$e2e_work/screen.png" "$e2e_work/playing.png"

e2e_click 253 10   # Exit
e2e_wait_for_exit
SESSION

e2e_run_session "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work"
e2e_check_album "$work"
# Exit closed the open tracklist and kept where it had been moved to.
grep -rqx 'TlistX=300' "$work/config" && grep -rqx 'TlistY=10' "$work/config" ||
  { echo "FAIL: the tracklist's place was not saved at Exit" >&2; exit 1; }
echo PASS
