#!/usr/bin/env bash
# Starts the real Kestrune window on a virtual X display with a tagged file,
# looks at it as a person would (the window is there, at its size, with the
# file's tags in white edits), changes the Name with mouse and keyboard,
# saves, closes with Escape, and checks the file on disk.
#   kestrune_window.sh PATH_TO_KESTRUNE
set -euo pipefail
kestrune=$1
for tool in Xvfb xdotool import convert sox; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
sox -n -r 44100 -c 2 -b 16 "$work/song.wav" synth 0.2 sine 440
"$kestrune" --set INAM="Old Name" --set IART="Somebody" "$work/song.wav"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
kestrune=$1 work=$2
fail() { echo "FAIL: $*" >&2; cat "$work/kestrune.err" >&2; exit 1; }
"$kestrune" "$work/song.wav" 2>"$work/kestrune.err" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# Generous waits: the machine may be busy, and a sanitizer build is slow.
wid=
for _ in $(seq 600); do
  wid=$(xdotool search --name '^Kestrune$' 2>/dev/null | head -n 1 || true)
  [[ -n $wid ]] && break
  kill -0 "$pid" 2>/dev/null || fail "kestrune ended before showing its window"
  sleep 0.1
done
[[ -n $wid ]] || fail "no window named Kestrune"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ $WIDTH == 291 && $HEIGHT == 301 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 291x301"
colours=0
for _ in $(seq 60); do
  sleep 0.5
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png"
  colours=$(identify -format %k "$work/window.png")
  (( colours > 8 )) && break
done
(( colours > 8 )) || fail "the window looks blank ($colours colours)"
# The Name edit (39, 94, 153, 12 dialog units) has a white inside, the
# window around it does not.
pixel() { convert "$work/window.png" -format "%[hex:p{$1,$2}]" info:; }
[[ $(pixel 200 162) == FFFFFF ]] || fail "Name edit is not white inside: $(pixel 200 162)"
[[ $(pixel 200 3) != FFFFFF ]] || fail "the window background is white"
# Replace the Name, save, and close with Escape. With no window manager
# on the display, the window is given the keyboard focus by hand.
xdotool windowfocus --sync "$wid"
xdotool mousemove --window "$wid" 200 162 click 1  # Name
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "New Name"
xdotool mousemove --window "$wid" 168 286 click 1  # Save, at 98, 169, 28, 14
sleep 0.3
xdotool key Escape
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fail "Escape did not end the program"; fi
wait "$pid" || fail "kestrune exited with $?"
SESSION

# A random first display number keeps parallel runs from racing for one.
bash "$(dirname "$0")/virtual_screen.sh" bash "$work/session.sh" "$kestrune" "$work"
info=$("$kestrune" --info "$work/song.wav")
grep -qx 'Name: *New Name' <<<"$info" || { echo "FAIL: name not saved: $info" >&2; exit 1; }
grep -qx 'Artist: *Somebody' <<<"$info" || { echo "FAIL: artist lost: $info" >&2; exit 1; }
echo PASS
