#!/usr/bin/env bash
# Prepares, once, what the tests that start programs share:
# - the caches a program's first run on a machine builds (GStreamer's plugin
#   registry, fontconfig's font cache), which programs started side by side
#   would otherwise each build within their own time limits;
# - folder $1 of the media framework's plugins the tests run with: every one
#   installed but those with a sound output or a device finder, and its
#   registry. A desktop's outputs and devices differ from machine to machine
#   (and some of their libraries leak and unload before a leak report); the
#   tests play into the silent, clocked sink the automatic output falls back
#   to and find no devices, whatever is installed.
#   media_test_setup.sh FOLDER
set -u
folder=$1
command -v fc-cache >/dev/null && fc-cache >/dev/null 2>&1
command -v gst-inspect-1.0 >/dev/null || exit 0
gst-inspect-1.0 >/dev/null 2>&1
system=$(gst-inspect-1.0 coreelements 2>/dev/null | awk '$1 == "Filename" {print $2}')
system=${system%/*}
left=" $(gst-inspect-1.0 2>/dev/null | awk -F: '/\(GstDeviceProviderFactory\)/ {print $1}' | tr '\n' ' ')"
left+=" $(gst-inspect-1.0 --types=Sink/Audio 2>/dev/null | awk -F: 'NF > 2 && $1 != "autodetect" {print $1}' | tr '\n' ' ') "
rm -rf "$folder"
mkdir -p "$folder"
for plugin in "$system"/libgst*.so; do
  name=${plugin##*/libgst}
  [[ $left == *" ${name%.so} "* ]] || ln -s "$plugin" "$folder/"
done
GST_PLUGIN_SYSTEM_PATH=$folder GST_REGISTRY=$folder/registry.bin gst-inspect-1.0 >/dev/null 2>&1
exit 0
