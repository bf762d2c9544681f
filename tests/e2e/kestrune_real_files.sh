#!/usr/bin/env bash
# kestrune --set on WAVE files written by other programs, one row per writer:
# the new title lands, every other tag and every chunk but the INFO lists stay
# as they were, the audio decodes to the same samples, and independent readers
# (ffprobe, exiftool, sox) agree. Then what --info shows of three of them.
#   kestrune_real_files.sh PATH_TO_KESTRUNE
set -euo pipefail
kestrune=$1
for tool in ffmpeg ffprobe sox sndfile-metadata-set gst-launch-1.0 exiftool perl; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

tone() { ffmpeg -loglevel error -y -f lavfi -i sine=frequency=440:duration=0.3 "$@"; }

# One function per writer; each makes "$1" with a title and other tags.
make_ffmpeg_info_before_data() {
  tone -metadata title="Old title" -metadata artist="Old artist" -metadata comment="Old comment" "$1"
}
make_ffmpeg_broadcast() {
  tone -write_bext 1 -metadata title="Old title" -metadata comment="Old comment" "$1"
}
make_ffmpeg_24bit_extensible() {
  tone -ac 3 -c:a pcm_s24le -metadata genre="Old genre" "$1"
}
make_sndfile() {
  sox -n -r 22050 -c 1 -b 16 "$1" synth 0.3 sine 330
  sndfile-metadata-set --str-title "Old title" --str-artist "Old artist" --str-comment "Old comment" \
    --str-album "Old album" "$1"
}
make_gstreamer() {
  gst-launch-1.0 -q audiotestsrc num-buffers=12 ! taginject tags="title=Old,artist=Somebody,comment=Kept" \
    ! wavenc ! filesink location="$1"
}
make_sox_16bit() { sox -n -r 44100 -c 2 -b 16 "$1" synth 0.3 sine 440; }
make_sox_8bit() { sox -n -r 8000 -c 1 -b 8 "$1" synth 0.3 sine 300; }
make_sox_float() { sox -n -r 8000 -c 2 -e floating-point -b 32 "$1" synth 0.3 sine 300; }

# Every chunk but the INFO lists: offset, id, size and a digest of its bytes.
chunks() {
  perl -MDigest::MD5=md5_hex -e '
    open my $f, "<:raw", $ARGV[0] or die; local $/; my $b = <$f>;
    for (my $p = 12; $p + 8 <= length $b;) {
      my ($id, $size) = unpack "a4 V", substr($b, $p, 8);
      last if $p + 8 + $size > length $b;
      print "$p $id $size ", md5_hex(substr($b, $p, 8 + $size)), "\n"
        unless $id eq "LIST" && substr($b, $p + 8, 4) eq "INFO";
      $p += 8 + $size + ($size & 1);
    }' "$1"
}
riff_tags() { exiftool -a -s -G1 -RIFF:all "$1" | grep -v '^\[RIFF\] *Title '; }
title_by_exiftool() { exiftool -s -s -s -RIFF:Title "$1"; }
title_by_ffprobe() { ffprobe -v error -show_entries format_tags=title -of default=nw=1:nk=1 "$1"; }
samples() { ffmpeg -loglevel error -i "$1" -map 0:a -f md5 -; }

for writer in ffmpeg_info_before_data ffmpeg_broadcast ffmpeg_24bit_extensible sndfile gstreamer \
              sox_16bit sox_8bit sox_float; do
  file=$writer.wav
  "make_$writer" "$file"
  chunks_before=$(chunks "$file")
  tags_before=$(riff_tags "$file")
  samples_before=$(samples "$file")
  length_before=$(sox --i -s "$file")

  "$kestrune" --set INAM="New title" "$file" || fail "$writer: the save was refused"

  missing=$(comm -23 <(sort <<<"$chunks_before") <(chunks "$file" | sort))
  [[ -z $missing ]] || fail "$writer: chunks changed: $missing"
  [[ $(riff_tags "$file") == "$tags_before" ]] || fail "$writer: other tags changed: $(diff <(echo "$tags_before") <(riff_tags "$file"))"
  [[ $(title_by_exiftool "$file") == "New title" ]] || fail "$writer: exiftool reads '$(title_by_exiftool "$file")'"
  [[ $(title_by_ffprobe "$file") == "New title" ]] || fail "$writer: ffprobe reads '$(title_by_ffprobe "$file")'"
  [[ $(samples "$file") == "$samples_before" ]] || fail "$writer: the audio changed"
  [[ $(sox --i -s "$file") == "$length_before" ]] || fail "$writer: sox reads another length"
  "$kestrune" --info "$file" | grep -qx 'Name: *New title' || fail "$writer: kestrune does not read its own title"
  echo "ok: $writer"
done

# What --info shows of a file ffmpeg tagged before its data, and of a float file.
info=$("$kestrune" --info ffmpeg_info_before_data.wav)
echo "$info"
for line in 'Filename: *ffmpeg_info_before_data\.wav' 'Format: *PCM' 'Samples/sec: *44100' 'Channels: *Mono' \
            'Name: *New title' 'Artist: *Old artist' 'Comment: *Old comment' 'Genre:' \
            "RIFF size: *$(($(stat -c %s ffmpeg_info_before_data.wav) - 8)) .*"; do
  grep -qx "$line" <<<"$info" || fail "no line '$line'"
done
"$kestrune" --info sox_float.wav | grep -qx 'Format: *IEEE Float' || fail "a float file is not named"
"$kestrune" --info ffmpeg_24bit_extensible.wav | grep -qx 'Format: *PCM' || fail "an extensible file is not named"

echo PASS
