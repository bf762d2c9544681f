#!/usr/bin/env bash
# Starts the real Velmora on a virtual X display in a folder holding an album
# of three short tagged WAVE files, and uses it as a person would: Play, then
# Skip to end, watches the Play button light, the time display count and the
# next track follow, then leaves through Exit and checks the data files.
#   velmora_window.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
velmora=$(realpath "$1") kestrune=$(realpath "$2")
for tool in xvfb-run xdotool import convert sox; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
for n in 1 2 3; do
  sox -n -r 22050 -c 1 -b 16 "$work/tone$n.wav" synth 1.5 sine $((300 * n))
  "$kestrune" --set INAM="Tone $n" "$work/tone$n.wav"
done
# A comment line and CR LF line ends: the album is rewritten without them.
printf '; three tones\r\n%s\r\n%s\r\n%s\r\n' "$work/tone1.wav" "$work/tone2.wav" "$work/tone3.wav" >"$work/default.alb"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
velmora=$1 work=$2
cd "$work"
fail() { echo "FAIL: $*" >&2; cat "$work/velmora.err" >&2; exit 1; }
"$velmora" 2>"$work/velmora.err" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# The windows named Velmora: the main window, 266 x 114, and message boxes.
windows() { xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null || true; }
size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
# There is no default.dic yet: start-up says so in a box and creates it.
box=
for _ in $(seq 600); do
  for w in $(windows); do [[ $(size_of "$w") != 266x114 ]] && box=$w; done
  [[ -n $box ]] && break
  kill -0 "$pid" 2>/dev/null || fail "velmora ended before showing its window"
  sleep 0.1
done
[[ -n $box ]] || fail "no message box about the missing default.dic"
xdotool windowfocus --sync "$box"
xdotool key Return
wid=
for _ in $(seq 300); do
  shown=$(windows)
  if [[ $(wc -w <<<"$shown") == 1 && $(size_of "$shown") == 266x114 ]]; then wid=$shown; break; fi
  sleep 0.1
done
[[ -n $wid ]] || fail "the main window is not alone on the screen after the box"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ $WIDTH == 266 && $HEIGHT == 114 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 266x114"
# Client coordinates start one pixel inside the window's border.
cx=$((X + 1)) cy=$((Y + 1))
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
shot() { import -window root "$work/screen.png"; }
# The brightest green in a client rectangle (left top width height), 0-255.
max_green() {
  convert "$work/screen.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" +repage -channel G -separate \
    -format '%[fx:int(maxima*255)]' info:
}
# A fingerprint of what a client rectangle shows.
look() { convert "$work/screen.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" +repage -format '%#' info:; }
play=(127 86 32 15) digits=(11 51 73 34) track=(13 28 238 16)

# The album loads half a second after start-up.
sleep 2
shot
dim=$(max_green "${play[@]}")
click 143 93   # Play
click 189 93   # Skip to end: from no track, the first
sleep 0.3
shot
lit=$(max_green "${play[@]}")
(( lit >= 240 && dim < 200 )) || fail "Play is not lit (green $dim before, $lit after)"
first_track=$(look "${track[@]}")
first_time=$(look "${digits[@]}")
advanced= next=
for _ in $(seq 60); do
  sleep 0.2
  shot
  [[ $(look "${digits[@]}") != "$first_time" ]] && advanced=1
  [[ $(look "${track[@]}") != "$first_track" ]] && { next=1; break; }
done
[[ -n $advanced ]] || fail "the time display did not change while playing"
[[ -n $next ]] || fail "the next track did not follow the first"
(( $(max_green "${play[@]}") >= 240 )) || fail "Play went out at the change of track"
click 253 10   # Exit
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fail "Exit did not end the program"; fi
wait "$pid" || fail "velmora exited with $?"
SESSION

xvfb-run -a -n $((RANDOM % 500 + 100)) -s "-screen 0 640x480x24" bash "$work/session.sh" "$velmora" "$work"
expected=$(printf '%s\n' "$work/tone1.wav" "$work/tone2.wav" "$work/tone3.wav")
[[ $(cat "$work/default.alb") == "$expected" ]] || { echo "FAIL: album not written back:" >&2; cat -A "$work/default.alb" >&2; exit 1; }
[[ -f $work/default.dic ]] || { echo "FAIL: no default.dic" >&2; exit 1; }
echo PASS
