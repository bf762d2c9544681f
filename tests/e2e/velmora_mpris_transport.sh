#!/usr/bin/env bash
# The desktop's media controls as a panel uses them, on a session bus of the
# test's own: what Play, PlayPause, Stop, Next, Previous, Seek and
# SetPosition do to the status, the track and the position; what the Can...
# properties promise, and that the commands keep those promises; the
# PropertiesChanged and Seeked signals, for calls from the bus and for the
# skin's Play button clicked on the main window; and a second jukebox, in
# another folder, on the bus under the name with its process id.
#   velmora_mpris_transport.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
# With E2E_WM=openbox the session runs under that window manager.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
tools=(Xvfb xdotool sox gdbus dbus-run-session)
[[ -z ${E2E_WM:-} ]] || tools+=("$E2E_WM" xprop)
e2e_require "${tools[@]}"
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
# Tones long enough that none ends while the checks run.
e2e_make_album "$work" "$kestrune" 30
: >"$work/default.dic"
# Continuous, Loop and Random start off; the other windows open away from
# the main one.
mkdir -p "$work/config/Orvane"
printf '[Settings]\nOptionContinuous=0\nOptionLoop=0\nOptionRandom=0\nPlayX=10\nPlayY=200\nTlistX=380\nTlistY=10\n' \
  >"$work/config/Orvane/Velmora.conf"
# The second jukebox's folder, with data files and settings of its own.
mkdir -p "$work/other/config"
: >"$work/other/default.alb"
: >"$work/other/default.dic"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
velmora=$2 folder=$3
wm= monitor= other=
# Ends what this session started and is still running.
end_all() {
  local p
  for p in $other $monitor $wm $e2e_pid; do kill "$p" 2>/dev/null || true; done
}
trap end_all EXIT
if [[ ${E2E_WM:-} == openbox ]]; then
  fail() { e2e_fail "$@"; }
  e2e_start_openbox
fi
e2e_start_velmora "$velmora" "$folder"
trap end_all EXIT  # in place of the one e2e_start_velmora set

base=org.mpris.MediaPlayer2.velmora
dest=$base
on() { gdbus call --session --dest "$dest" --object-path /org/mpris/MediaPlayer2 --method "$@"; }
player() { on "org.mpris.MediaPlayer2.Player.$1" "${@:2}" >/dev/null; }
# A property of the player interface as a bare value: true, Playing, 5000000.
prop() {
  on org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player "$1" 2>/dev/null |
    sed -E "s/^\(<(int64 )?'?//; s/'?>,\)$//"
}
props() { local p; for p in "$@"; do printf '%s ' "$(prop "$p")"; done; }
set_loop() { on org.freedesktop.DBus.Properties.Set org.mpris.MediaPlayer2.Player LoopStatus "<'$1'>" >/dev/null; }
metadata() { on org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player Metadata 2>/dev/null; }
title() { metadata | grep -o "'xesam:title': <'[^']*'>" | sed -E "s/.*<'(.*)'>/\1/"; }
track_id() { metadata | grep -o "objectpath '[^']*'" | sed -E "s/objectpath '(.*)'/\1/"; }
# Asked again at each try of e2e_wait_for.
is() { [[ $(prop "$1") == "$2" ]]; }
title_is() { [[ $(title) == "$1" ]]; }
# Whether the position is within 100 ms of $1 microseconds.
position_near() { local p; p=$(prop Position); ((p > $1 - 100000 && p < $1 + 100000)); }
# The first playback on a fresh machine builds the media back end's registry
# first: up to a minute.
wait_long() { local _; for _ in 1 2 3 4 5 6; do e2e_wait_for "$@" && return 0; done; return 1; }

wait_long is CanPlay true || e2e_fail "no media player with its album on the bus"

# What a panel hears: every signal the player sends, from before the first
# command. A check looks at the lines that came after a mark it took.
gdbus monitor --session --dest "$base" >"$folder/signals.log" 2>&1 &
monitor=$!
heard_owner() { grep -q 'is owned by' "$folder/signals.log"; }
e2e_wait_for heard_owner || e2e_fail "the signal monitor did not start: $(cat "$folder/signals.log")"
mark() { wc -l <"$folder/signals.log"; }
# Whether a signal line after mark $1 has every one of the texts $2...
heard_since() {
  local line
  line=$(tail -n +"$(($1 + 1))" "$folder/signals.log")
  shift
  local text
  for text in "$@"; do line=$(grep -F -- "$text" <<<"$line") || return 1; done
}
changed() { heard_since "$1" PropertiesChanged "'$2': <$3>"; }
# Whether a Seeked after mark $1 told of a position within 100 ms of $2 us.
seeked_near() {
  local p
  for p in $(tail -n +"$(($1 + 1))" "$folder/signals.log" | sed -nE 's/.*\.Seeked \(int64 (-?[0-9]+),\)$/\1/p'); do
    ((p > $2 - 100000 && p < $2 + 100000)) && return 0
  done
  return 1
}

# At rest, with nothing open and Continuous off: Play and Pause are offered,
# a seek has nothing to move, Next and Previous nothing to go to.
[[ $(props PlaybackStatus CanControl CanPlay CanPause CanSeek CanGoNext CanGoPrevious) == \
   "Stopped true true true false false false " ]] ||
  e2e_fail "at rest: $(props PlaybackStatus CanControl CanPlay CanPause CanSeek CanGoNext CanGoPrevious)"

# PlayPause at rest plays the album from its first track.
m=$(mark)
player PlayPause
wait_long is PlaybackStatus Playing || e2e_fail "PlayPause at rest gave $(prop PlaybackStatus)"
e2e_wait_for title_is "Tone 1" || e2e_fail "PlayPause at rest gave '$(title)', not the first track"
e2e_wait_for changed "$m" PlaybackStatus "'Playing'" || e2e_fail "no PropertiesChanged with Playing after PlayPause"
e2e_wait_for changed "$m" CanSeek true || e2e_fail "no PropertiesChanged with CanSeek once a track was open"
[[ $(prop CanGoNext) == false ]] || e2e_fail "CanGoNext is true with Continuous off"
# Next, refused as CanGoNext says, and the loop status set after it: once
# the status is in, Next has run.
m=$(mark)
player Next
set_loop Playlist
e2e_wait_for is LoopStatus Playlist || e2e_fail "LoopStatus is $(prop LoopStatus), not Playlist"
[[ $(title) == "Tone 1" ]] || e2e_fail "Next with Continuous off went on to '$(title)'"
e2e_wait_for changed "$m" CanGoNext true || e2e_fail "no PropertiesChanged with CanGoNext once Continuous was lit"

m=$(mark)
player PlayPause
e2e_wait_for is PlaybackStatus Paused || e2e_fail "PlayPause while playing gave $(prop PlaybackStatus)"
e2e_wait_for changed "$m" PlaybackStatus "'Paused'" || e2e_fail "no PropertiesChanged with Paused"

# Seeks while paused, where the position holds still between looks.
at=$(prop Position)
m=$(mark)
player Seek 1000000
e2e_wait_for position_near $((at + 1000000)) || e2e_fail "Seek by 1 s from $at us moved to $(prop Position) us"
e2e_wait_for seeked_near "$m" $((at + 1000000)) || e2e_fail "no Seeked near $((at + 1000000)) us after Seek"
[[ $(prop PlaybackStatus) == Paused ]] || e2e_fail "Seek while paused left $(prop PlaybackStatus)"
tone1=$(track_id)
m=$(mark)
player SetPosition "$tone1" 5000000
e2e_wait_for position_near 5000000 || e2e_fail "SetPosition to 5 s gave $(prop Position) us"
e2e_wait_for seeked_near "$m" 5000000 || e2e_fail "no Seeked near 5 s after SetPosition"
# Past the length is no place in the track; a negative offset is back.
player SetPosition "$tone1" 31000000
player Seek -- -3800000
e2e_wait_for position_near 1200000 || e2e_fail "SetPosition past the end and Seek by -3.8 s gave $(prop Position) us"

# Previous past the first second goes back to the track's start, and a
# paused panel hears of the move; there, on the first track, there is
# nothing before it.
[[ $(prop CanGoPrevious) == true ]] || e2e_fail "CanGoPrevious is false 1.2 s into a track"
m=$(mark)
player Previous
e2e_wait_for position_near 0 || e2e_fail "Previous 1.2 s into the track gave $(prop Position) us"
[[ $(title) == "Tone 1" ]] || e2e_fail "Previous 1.2 s into the first track went to '$(title)'"
e2e_wait_for seeked_near "$m" 0 || e2e_fail "no Seeked to the start after Previous rewound a paused track"
e2e_wait_for is CanGoPrevious false || e2e_fail "CanGoPrevious is true at the start of the first track"

# Next and Previous leave a pause paused, each track opened at its start,
# and a panel never hears the status drop to Stopped on the way.
m=$(mark)
player Next
e2e_wait_for title_is "Tone 2" || e2e_fail "Next gave '$(title)'"
e2e_wait_for heard_since "$m" PropertiesChanged "'Metadata': <{" "'xesam:title': <'Tone 2'>" ||
  e2e_fail "no PropertiesChanged with Tone 2's Metadata"
e2e_wait_for is PlaybackStatus Paused || e2e_fail "Next while paused gave $(prop PlaybackStatus)"
[[ $(prop CanGoPrevious) == true ]] || e2e_fail "CanGoPrevious is false on the second track"
player Previous
e2e_wait_for title_is "Tone 1" || e2e_fail "Previous at the start of the second track gave '$(title)'"
player Next
e2e_wait_for title_is "Tone 2" || e2e_fail "Next gave '$(title)'"
# Tone 1's id is stale now: a position asked for it is ignored. PlayPause
# runs after it, and its Playing is heard after all the signals before it.
player SetPosition "$tone1" 20000000
player PlayPause
e2e_wait_for changed "$m" PlaybackStatus "'Playing'" || e2e_fail "no PropertiesChanged with Playing after PlayPause"
(($(prop Position) < 10000000)) || e2e_fail "SetPosition for a replaced track moved to $(prop Position) us"
! seeked_near "$m" 20000000 || e2e_fail "SetPosition for a replaced track was announced as a seek"
! heard_since "$m" "'PlaybackStatus': <'Stopped'>" || e2e_fail "a panel heard Stopped while paused tracks changed"
# Playing, Previous just past the first second rewinds as well, and the
# panel hears of it.
player SetPosition "$(track_id)" 1200000
m=$(mark)
player Previous
e2e_wait_for seeked_near "$m" 0 || e2e_fail "no Seeked to the start after Previous rewound a playing track"
[[ $(title) == "Tone 2" ]] || e2e_fail "Previous 1.2 s into a playing track went to '$(title)'"

# Stop keeps the place, as the skin's Stop does; the skin's Play, clicked on
# the main window, plays on from there and the panel hears of it.
player SetPosition "$(track_id)" 10000000
m=$(mark)
player Stop
e2e_wait_for is PlaybackStatus Stopped || e2e_fail "Stop gave $(prop PlaybackStatus)"
e2e_wait_for changed "$m" PlaybackStatus "'Stopped'" || e2e_fail "no PropertiesChanged with Stopped"
stopped_at=$(prop Position)
((stopped_at >= 10000000)) || e2e_fail "Stop 10 s into the track left the position at $stopped_at us"
e2e_main=$(e2e_windows_named Velmora)
eval "$(xdotool getwindowgeometry --shell "$e2e_main")"
e2e_cx=$((X + 1)) e2e_cy=$((Y + 1))
m=$(mark)
e2e_click 143 93
e2e_wait_for changed "$m" PlaybackStatus "'Playing'" ||
  e2e_fail "no PropertiesChanged with Playing after a click on the skin's Play"
[[ $(prop PlaybackStatus) == Playing ]] || e2e_fail "after the click the status is $(prop PlaybackStatus)"
(($(prop Position) >= stopped_at)) || e2e_fail "Play after Stop began again at $(prop Position) us, before $stopped_at"

# The last track: with Playlist the album goes round, with None it ends there.
player Next
e2e_wait_for title_is "Tone 3" || e2e_fail "Next gave '$(title)'"
[[ $(prop CanGoNext) == true ]] || e2e_fail "CanGoNext is false on the last track with Playlist"
m=$(mark)
set_loop None
e2e_wait_for is CanGoNext false || e2e_fail "CanGoNext is true on the last track with None"
e2e_wait_for changed "$m" CanGoNext false || e2e_fail "no PropertiesChanged with CanGoNext false"

# A second jukebox, in another folder, finds the plain name taken and takes
# the one with its process id; both answer, each for itself.
(cd "$folder/other" && XDG_CONFIG_HOME=$folder/other/config exec "$velmora" 2>"$folder/other.err") &
other=$!
owner_pid() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" 2>/dev/null | sed -E 's/^\(uint32 ([0-9]+),\)$/\1/'
}
owned_by() { [[ $(owner_pid "$1") == "$2" ]]; }
wait_long owned_by "$base.instance$other" "$other" || e2e_fail "no $base.instance$other for the second jukebox"
owned_by "$base" "$e2e_pid" || e2e_fail "the plain name moved to process $(owner_pid "$base")"
dest=$base.instance$other
[[ $(on org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2 Identity) == "(<'Velmora'>,)" ]] ||
  e2e_fail "$dest does not answer as Velmora"
[[ $(props PlaybackStatus CanPlay CanSeek) == "Stopped false false " ]] ||
  e2e_fail "the second jukebox, with an empty album: $(props PlaybackStatus CanPlay CanSeek)"
on org.mpris.MediaPlayer2.Quit >/dev/null
ended() { ! kill -0 "$other" 2>/dev/null; }
e2e_wait_for ended || e2e_fail "Quit on $dest did not end the second jukebox"
wait "$other" || e2e_fail "the second jukebox exited with $?"
other=
dest=$base
[[ $(props PlaybackStatus LoopStatus) == "Playing None " ]] ||
  e2e_fail "the first jukebox after the second quit: $(props PlaybackStatus LoopStatus)"

on org.mpris.MediaPlayer2.Quit >/dev/null
e2e_wait_for_exit
SESSION

E2E_WM=${E2E_WM:-} dbus-run-session -- bash "$here/virtual_screen.sh" bash "$work/session.sh" "$here/e2e_lib.sh" \
  "$velmora" "$work"
echo PASS
