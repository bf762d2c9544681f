#!/usr/bin/env bash
# Starts the real Velmora on a virtual X display in a folder holding an album
# of three short tagged WAVE files, and uses it as a person would: Play, then
# Skip to end, watches the Play button light, the time display count and the
# next track follow, then leaves through Exit and checks the data files.
#   velmora_window.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
e2e_require Xvfb xdotool import convert sox
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
# A comment line and CR LF line ends: the album is rewritten without them.
# Long enough for the time display to show a second before the next joins.
e2e_make_album "$work" "$kestrune" 2.5

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
e2e_start_velmora "$2" "$3"
# There is no default.dic yet: start-up says so in a box and creates it.
e2e_dismiss_dic_box_and_find_main
play=(127 86 32 15) digits=(11 51 73 34) track=(13 28 238 16)

e2e_wait_for -t 30 e2e_can_play || e2e_fail "the album was never loaded"
e2e_shot
dim=$(e2e_max_green "${play[@]}")
e2e_click 143 93   # Play
e2e_click 189 93   # Skip to end: from no track, the first
play_lit() { e2e_shot && (($(e2e_max_green "${play[@]}") >= 240)); }
e2e_wait_for play_lit || e2e_fail "Play is not lit (green $(e2e_max_green "${play[@]}"))"
((dim < 200)) || e2e_fail "Play was lit before it was clicked (green $dim)"
first_track=$(e2e_look "${track[@]}")
first_time=$(e2e_look "${digits[@]}")
advanced= next=
for _ in $(seq 60); do
  sleep 0.2
  e2e_shot
  [[ $(e2e_look "${digits[@]}") != "$first_time" ]] && advanced=1
  [[ $(e2e_look "${track[@]}") != "$first_track" ]] && { next=1; break; }
done
[[ -n $advanced ]] || e2e_fail "the time display did not change while playing"
[[ -n $next ]] || e2e_fail "the next track did not follow the first"
(( $(e2e_max_green "${play[@]}") >= 240 )) || e2e_fail "Play went out at the change of track"
e2e_click 253 10   # Exit
e2e_wait_for_exit
SESSION

e2e_run_session "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work"
e2e_check_album "$work"
[[ -f $work/default.dic ]] || { echo "FAIL: no default.dic" >&2; exit 1; }
echo PASS
