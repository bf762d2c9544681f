#!/usr/bin/env bash
# kestrune --set and --info on a WAVE file made by sox: the tags land, the
# audio stays exactly as it was, and a bad request fails loudly without harm.
#   kestrune_headless.sh PATH_TO_KESTRUNE
set -euo pipefail
kestrune=$1
command -v sox >/dev/null || { echo "sox is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

sox -n -r 44100 -c 2 -b 16 x.wav synth 1 sine 440
samples_before=$(sox --i -s x.wav)
audio_before=$(sox x.wav -t raw - | md5sum)

"$kestrune" --set INAM="Evening Sine" --set IART="Ørjan Test" x.wav
info=$("$kestrune" --info x.wav)
echo "$info"
for line in 'Filename: *x\.wav' 'Format: *PCM' 'Samples/sec: *44100' 'Channels: *Stereo' \
            'Name: *Evening Sine' 'Artist: *Ørjan Test' 'Genre:' \
            "RIFF size: *$(($(stat -c %s x.wav) - 8)) .*"; do
  grep -qx "$line" <<<"$info" || fail "no line '$line'"
done
[[ $(sox --i -s x.wav) == "$samples_before" ]] || fail "sample count changed"
[[ $(sox x.wav -t raw - | md5sum) == "$audio_before" ]] || fail "audio bytes changed"

cp x.wav before.wav
if "$kestrune" --set IXYZ=a x.wav 2>err.txt; then fail "an unknown ID was accepted"; fi
grep -q "unknown tag ID 'IXYZ'" err.txt || fail "no message: $(cat err.txt)"
cmp -s x.wav before.wav || fail "a refused request changed the file"
echo PASS
