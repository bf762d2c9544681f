#!/usr/bin/env bash
# The desktop's media controls on a session bus of the test's own: a call
# answers at once while the "Cannot play" box of a missing track is up, and
# what it asks for waits for the box; a file that is not there is refused and
# never reaches the album; each loop status and Shuffle light the buttons that
# do them; Pause pauses; a FLAC file's own title, artist and album reach the
# desktop, with its cover saved where a panel finds it, and TagLib is loaded
# only then; videos made by ffmpeg as MP4 and Matroska show in the playback
# window and light the video lamp; Quit saves the album with the files opened.
#   velmora_mpris.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
e2e_require Xvfb xdotool import convert sox ffmpeg playerctl gdbus dbus-run-session
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
e2e_make_album "$work" "$kestrune" 20
# The second line names a file that is not there: Skip to end from the first
# track meets it.
printf '%s\r\n%s\r\n%s\r\n' "$work/tone1.wav" "$work/gone.wav" "$work/tone2.wav" >"$work/default.alb"
rm "$work/tone3.wav"
ffmpeg -loglevel error -f lavfi -i color=red:s=8x8 -frames:v 1 "$work/cover.png"
ffmpeg -loglevel error -f lavfi -i sine=d=20 -i "$work/cover.png" -map 0 -map 1 -c:v png \
  -disposition:v attached_pic -metadata title=T -metadata artist=A -metadata album=Al "$work/tagged.flac"
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=10:duration=3 -c:v libx264 -pix_fmt yuv420p "$work/clip.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=10:duration=3 -c:v mpeg4 "$work/clip.mkv"
: >"$work/default.dic"
# Continuous, Loop and Random start off; the other windows open away from the
# main one, so that what is read off the main window is its own.
mkdir -p "$work/config/Orvane"
printf '[Settings]\nOptionContinuous=0\nOptionLoop=0\nOptionRandom=0\nPlayX=10\nPlayY=200\nTlistX=380\nTlistY=10\n' \
  >"$work/config/Orvane/Velmora.conf"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
velmora=$2 folder=$3
export XDG_CACHE_HOME=$folder/cache
e2e_start_velmora "$velmora" "$folder"
mpris=(playerctl --player=velmora)
player=(gdbus call --session --dest org.mpris.MediaPlayer2.velmora --object-path /org/mpris/MediaPlayer2)
can_play() {
  "${player[@]}" --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player CanPlay 2>/dev/null |
    grep -q true
}
title() { "${mpris[@]}" metadata xesam:title 2>/dev/null; }
status() { "${mpris[@]}" status 2>/dev/null; }
# Asked again at each try of e2e_wait_for.
title_is() { [[ $(title) == "$1" ]]; }
status_is() { [[ $(status) == "$1" ]]; }
# Runs a command in the background and fails unless it has ended within 5 s
# (a call that waits for a message box ends only when the bus gives up, 25 s).
answers_at_once() {
  "$@" >/dev/null 2>&1 &
  local call=$! _
  for _ in $(seq 50); do
    kill -0 "$call" 2>/dev/null || return 0
    sleep 0.1
  done
  kill "$call" 2>/dev/null || true
  return 1
}
# The jukebox's message boxes: windows titled Velmora that are not the main one.
boxes() {
  local w
  for w in $(e2e_windows_named Velmora); do [[ $(e2e_size_of "$w") != 266x114 ]] && echo "$w"; done
  return 0
}
one_box() { [[ $(boxes | wc -l) == 1 ]]; }
no_box() { [[ -z $(boxes) ]]; }
continuous=(159 51 17 16) loop=(178 51 17 16) random=(197 51 17 16) video_lamp=(50 84 12 12)
# Whether the button at $1 $2 $3 $4 shows other than it did at the start, off.
declare -A off
lit() { [[ $(e2e_look "$@") != "${off[$1]}" ]]; }
# Continuous lit or not ($1), Loop lit or not ($2), on the screen now.
modes_show() {
  e2e_shot
  [[ $(lit "${continuous[@]}" && echo 1 || echo 0) == "$1" && $(lit "${loop[@]}" && echo 1 || echo 0) == "$2" ]]
}

e2e_wait_for can_play || e2e_fail "no media player with its album on the bus"
e2e_main=$(e2e_windows_named Velmora)
eval "$(xdotool getwindowgeometry --shell "$e2e_main")"
e2e_cx=$((X + 1)) e2e_cy=$((Y + 1))
e2e_shot
off[${continuous[0]}]=$(e2e_look "${continuous[@]}") off[${loop[0]}]=$(e2e_look "${loop[@]}")
off[${random[0]}]=$(e2e_look "${random[@]}")

"${mpris[@]}" loop Track
e2e_wait_for modes_show 1 1 || e2e_fail "Track did not light Continuous and Loop"
[[ $("${mpris[@]}" loop) == Track ]] || e2e_fail "Track reads back as $("${mpris[@]}" loop)"
"${mpris[@]}" loop Playlist
e2e_wait_for modes_show 1 0 || e2e_fail "Playlist did not light Continuous alone"
[[ $("${mpris[@]}" loop) == Playlist ]] || e2e_fail "Playlist reads back as $("${mpris[@]}" loop)"

"${mpris[@]}" play
e2e_wait_for title_is "Tone 1" || e2e_fail "play gave '$(title)'"
answers_at_once "${mpris[@]}" next || e2e_fail "next onto a missing track did not answer within 5 s"
e2e_wait_for one_box || e2e_fail "no box about the missing track"
answers_at_once "${mpris[@]}" next || e2e_fail "next while the box is up did not answer within 5 s"
refusal=$("${player[@]}" --method org.mpris.MediaPlayer2.Player.OpenUri "file://$folder/nothere.wav" 2>&1 || true)
[[ $refusal == *InvalidArgs*"$folder/nothere.wav"* ]] || e2e_fail "a missing file was not refused: $refusal"
refusal=$("${player[@]}" --method org.mpris.MediaPlayer2.Player.OpenUri "file://relative/x.wav" 2>&1 || true)
[[ $refusal == *InvalidArgs* ]] || e2e_fail "file://relative was not refused: $refusal"
one_box || e2e_fail "$(boxes | wc -l) boxes are up"
# The track after the missing one plays once the box is answered, and only
# then does the second next run: from the album's last track to its first.
xdotool windowfocus --sync "$(boxes)" key Return
e2e_wait_for title_is "Tone 1" || e2e_fail "after the box the title is '$(title)', not the first track's"
no_box || e2e_fail "a box is up after the held next ran"
[[ $(status) == Playing ]] || e2e_fail "status is $(status), not Playing"

# TagLib is loaded when a file first needs it, not for WAVE files.
! grep -q libtag "/proc/$e2e_pid/maps" || e2e_fail "TagLib was loaded before a file needed it"
"${mpris[@]}" open "file://$folder/tagged.flac"
e2e_wait_for title_is T || e2e_fail "tagged.flac is not the current track ('$(title)')"
e2e_wait_for status_is Playing || e2e_fail "tagged.flac is $(status), not Playing"
read -r texts art < <("${mpris[@]}" metadata --format '{{artist}}|{{album}} {{mpris:artUrl}}') || true
[[ $texts == 'A|Al' ]] || e2e_fail "tagged.flac has artist and album '$texts'"
[[ $art == "file://$XDG_CACHE_HOME/"*.png && -s ${art#file://} ]] || e2e_fail "no cover file at '$art'"
"${mpris[@]}" pause
e2e_wait_for status_is Paused || e2e_fail "pause gave $(status)"

# Shuffle lights Random; with Track each video repeats while it is looked at.
"${mpris[@]}" loop Track
"${mpris[@]}" shuffle On
random_shows() { e2e_shot && lit "${random[@]}"; }
e2e_wait_for e2e_prints On "${mpris[@]}" shuffle || e2e_fail "shuffle reads $("${mpris[@]}" shuffle)"
e2e_wait_for random_shows || e2e_fail "Shuffle did not light Random on screen"
# Videos open the playback window, at its stored place, and light the video
# lamp on the main window.
playback_shown() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$e2e_pid" 2>/dev/null); do
    [[ $(xdotool getwindowgeometry "$w" | awk '/Position/ {print $2}') == 10,200 ]] && return 0
  done
  return 1
}
video_lamp_lit() { e2e_shot && (($(e2e_max_green "${video_lamp[@]}") > 150)); }
for clip in clip.mp4 clip.mkv; do
  "${mpris[@]}" open "file://$folder/$clip"
  e2e_wait_for title_is "$clip" || e2e_fail "$clip is not the current track ('$(title)')"
  e2e_wait_for -t 30 playback_shown || e2e_fail "no playback window for $clip"
  e2e_wait_for -t 30 video_lamp_lit || e2e_fail "the video lamp is not lit for $clip"
done

"${player[@]}" --method org.mpris.MediaPlayer2.Quit >/dev/null
e2e_wait_for_exit
SESSION

dbus-run-session -- bash "$here/virtual_screen.sh" bash "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work"
for path in tagged.flac clip.mp4 clip.mkv; do
  grep -qx "$work/$path" "$work/default.alb" || { echo "FAIL: $path is not in the saved album" >&2; exit 1; }
done
if grep -q 'nothere\|relative' "$work/default.alb"; then
  echo "FAIL: a refused file is in the saved album:" >&2
  cat "$work/default.alb" >&2
  exit 1
fi
echo PASS
