#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and only those that are missing. Runs apt-get as root (through sudo when the
# caller is not root).
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev libegl-dev libfontconfig-dev
  # sound-only media on GStreamer directly, joined without a gap
  libgstreamer1.0-dev
  # the tags of FLAC, Ogg, Opus, MP4, WMA and APE files, and the ID3v2 tags of MP3 files
  libtag1-dev
  # playback back end: WAVE, MP3, AVI, MPEG and QuickTime files, and FLAC, Ogg, Opus, AAC, WMA,
  # MP4, Matroska and WebM
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-tools
  # tests and benchmarks
  googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick sox libsox-fmt-all fonts-dejavu-core openbox
  strace
  # the desktop's side: a session bus, media controls to drive it, a Wayland compositor
  dbus playerctl libglib2.0-bin qt6-wayland weston
  # WAVE files from other writers, and independent readers of what we write
  ffmpeg sndfile-programs libimage-exiftool-perl
  # where each thread of a program stands when an end-to-end run finds it hung
  gdb
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: every package is present"
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then as_root=(sudo); fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
