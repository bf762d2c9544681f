#!/usr/bin/env bash
# Writes the seeds of the fuzz target of today's tag formats into folder $1:
# one small tagged file per format, written by ffmpeg, behind the byte that
# makes the target read it as that format. Without ffmpeg the folder stays
# empty and the target starts from nothing.
set -eu
folder=$1
mkdir -p "$folder"
command -v ffmpeg >/dev/null || exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
index=0
for format in mp3 flac ogg opus m4a wma aiff; do
  options=()
  [[ $format == aiff ]] && options=(-write_id3v2 1)
  ffmpeg -v error -f lavfi -i sine=d=0.05 "${options[@]}" -metadata title=Title -metadata artist=Artist \
    -metadata date=2024-05-01 -metadata comment=Note "$work/seed.$format"
  { printf "\\x$(printf %02x $index)"; cat "$work/seed.$format"; } > "$folder/$format"
  index=$((index + 1))
done
