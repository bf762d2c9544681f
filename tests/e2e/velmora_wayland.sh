#!/usr/bin/env bash
# Velmora on a Wayland compositor with no X server beside it (weston's
# headless back end): it starts on Qt's Wayland platform, loads its album,
# and Quit over the session bus ends it with the album written back.
#   velmora_wayland.sh PATH_TO_VELMORA PATH_TO_KESTRUNE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1") kestrune=$(realpath "$2")
e2e_require weston sox gdbus dbus-run-session
work=$(mktemp -d)
trap 'pkill -f "weston.*$work" 2>/dev/null || true; [[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
e2e_make_album "$work" "$kestrune" 1
: >"$work/default.dic"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
weston --backend=headless-backend.so --socket=velmora-test --idle-time=0 --log="$work/weston.log" &
for _ in $(seq 100); do [[ -S $work/run/velmora-test ]] && break; sleep 0.1; done
[[ -S $work/run/velmora-test ]] || { echo "weston did not start" >&2; cat "$work/weston.log" >&2; exit 1; }

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$3"
cd "$2"
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=velmora-test XDG_SESSION_TYPE=wayland \
  XDG_CONFIG_HOME="$2/config" "$1" 2>"$2/velmora.err" &
pid=$!
# Quit is sent once the jukebox is on the bus with its album read.
e2e_wait_for -t 30 e2e_can_play || { echo "FAIL: velmora did not come up on Wayland" >&2; cat "$2/velmora.err" >&2; exit 1; }
gdbus call --session --dest org.mpris.MediaPlayer2.velmora --object-path /org/mpris/MediaPlayer2 \
  --method org.mpris.MediaPlayer2.Quit >/dev/null
status=0
wait "$pid" || status=$?
((status == 0)) || { echo "FAIL: velmora exited with $status" >&2; cat "$2/velmora.err" >&2; exit 1; }
SESSION
dbus-run-session -- bash "$work/session.sh" "$velmora" "$work" "$here/e2e_lib.sh"
e2e_check_album "$work"
echo PASS
