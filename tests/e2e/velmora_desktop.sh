#!/usr/bin/env bash
# Velmora as the desktop sees it, on a session bus of its own: the media
# controls (playerctl, gdbus) play, skip, pause and set the modes, which light
# on screen; a second start in the same folder hands over its file and ends,
# one in another folder runs beside it; videos made by ffmpeg as MP4 and
# Matroska show in the playback window; Quit over the bus saves the album.
#   velmora_desktop.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
e2e_require Xvfb xdotool import convert sox ffmpeg playerctl gdbus dbus-run-session
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
e2e_make_album "$work" "$kestrune" 3
: >"$work/default.dic"
# The playback window and the tracklist open at places of their own, away
# from the main window, so that what is read off the main window is its own.
mkdir -p "$work/config/Orvane"
printf '[Settings]\nPlayX=10\nPlayY=200\nTlistX=380\nTlistY=10\n' >"$work/config/Orvane/Velmora.conf"
mkdir "$work/other"
: >"$work/other/default.dic"
sox -n -r 22050 -c 1 -b 16 "$work/handed.wav" synth 1 sine 500
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=10:duration=3 -c:v libx264 -pix_fmt yuv420p "$work/clip.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=10:duration=3 -c:v mpeg4 "$work/clip.mkv"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
velmora=$2 folder=$3
e2e_start_velmora "$velmora" "$folder"
mpris=(playerctl --player=velmora)
on_bus() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
title() { "${mpris[@]}" metadata xesam:title 2>/dev/null; }
# Jukeboxes of this run (other tests may run Velmora beside it): the ones
# whose folder is ours or below it.
count_jukeboxes() {
  local p n=0
  for p in $(pgrep -f -x "$velmora.*" || true); do
    [[ $(readlink "/proc/$p/cwd" 2>/dev/null) == "$folder"* ]] && n=$((n + 1))
  done
  echo "$n"
}

e2e_wait_for -t 60 on_bus org.mpris.MediaPlayer2.velmora || e2e_fail "no media player on the bus"
e2e_main=$(e2e_windows_named Velmora)
eval "$(xdotool getwindowgeometry --shell "$e2e_main")"
e2e_cx=$((X + 1)) e2e_cy=$((Y + 1))
loop=(178 51 17 16) random=(197 51 17 16) video_lamp=(50 84 12 12)
e2e_wait_for -t 30 e2e_can_play || e2e_fail "the album was never loaded"
e2e_shot
modes_off="$(e2e_look "${loop[@]}") $(e2e_look "${random[@]}")"

"${mpris[@]}" play
e2e_wait_for e2e_prints Playing "${mpris[@]}" status || e2e_fail "status is $("${mpris[@]}" status), not Playing"
e2e_wait_for e2e_prints "Tone 1" title || e2e_fail "title is '$(title)', not the first track's"
"${mpris[@]}" next
e2e_wait_for e2e_prints "Tone 2" title || e2e_fail "next gave '$(title)'"
"${mpris[@]}" pause
e2e_wait_for e2e_prints Paused "${mpris[@]}" status || e2e_fail "pause gave $("${mpris[@]}" status)"
"${mpris[@]}" loop Track
"${mpris[@]}" shuffle On
e2e_wait_for e2e_prints Track "${mpris[@]}" loop && e2e_wait_for e2e_prints On "${mpris[@]}" shuffle || e2e_fail "the modes did not take"
both_lit() {
  e2e_shot
  [[ $(e2e_look "${loop[@]}") != "${modes_off% *}" && $(e2e_look "${random[@]}") != "${modes_off#* }" ]]
}
e2e_wait_for both_lit || e2e_fail "Loop and Random are not both lit on screen"

# A second start here hands its file over and ends; one elsewhere runs.
"$velmora" "$3/handed.wav" || e2e_fail "the second start ended with $?"
[[ $(count_jukeboxes) == 1 ]] || e2e_fail "$(count_jukeboxes) jukeboxes run in one folder"
# A folder's jukebox owns a bus name made from a hash of the folder's path.
other_name=org.velmora.Folder.h$(printf %s "$(realpath "$3/other")" | sha1sum | cut -c1-24)
(cd "$3/other" && exec "$velmora" 2>/dev/null) &
other=$!
e2e_wait_for -t 60 on_bus "$other_name" || e2e_fail "a start in another folder did not take that folder"
[[ $(count_jukeboxes) == 2 ]] || e2e_fail "$(count_jukeboxes) jukeboxes run in two folders"
kill "$other"

# Videos open the playback window, at its stored place, and light the video
# lamp on the main window.
playback_shown() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$e2e_pid" 2>/dev/null); do
    [[ $(xdotool getwindowgeometry "$w" | awk '/Position/ {print $2}') == 10,200 ]] && return 0
  done
  return 1
}
video_lamp_lit() { e2e_shot && (( $(e2e_max_green "${video_lamp[@]}") > 150 )); }
for clip in clip.mp4 clip.mkv; do
  "${mpris[@]}" open "file://$3/$clip"
  e2e_wait_for e2e_prints "$clip" title || e2e_fail "$clip is not the current track ('$(title)')"
  e2e_wait_for -t 30 playback_shown || e2e_fail "no playback window for $clip"
  e2e_wait_for -t 30 video_lamp_lit || e2e_fail "the video lamp is not lit for $clip"
done

gdbus call --session --dest org.mpris.MediaPlayer2.velmora --object-path /org/mpris/MediaPlayer2 \
  --method org.mpris.MediaPlayer2.Quit >/dev/null
e2e_wait_for_exit
SESSION

dbus-run-session -- bash "$here/virtual_screen.sh" bash "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work"
for path in tone1.wav tone2.wav tone3.wav handed.wav clip.mp4 clip.mkv; do
  grep -qx "$work/$path" "$work/default.alb" || { echo "FAIL: $path is not in the saved album" >&2; cat "$work/default.alb" >&2; exit 1; }
done
echo PASS
