#!/usr/bin/env bash
# Runs a command on a virtual X screen of its own and ends the screen after it.
#   virtual_screen.sh COMMAND [ARGS...]
# The screen is 640 x 480 unless VIRTUAL_SCREEN names another (1024x768x24).
# Each screen takes a display number drawn at random from 100-999 (another
# when the server finds it taken) and is used once the server reports it
# ready; the command runs with a session bus of its own. The server never
# resets: by default an X server resets whenever its last client leaves (a
# program that exits, the readiness probe below), and a program that connects
# during the reset is refused the display.
set -euo pipefail
ready=$(mktemp)
server=
trap '[[ -n $server ]] && { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true; }; rm -f "$ready"' EXIT

# Starts the server on display $1; fails when it ends before it is ready.
start_server() {
  : >"$ready"
  Xvfb ":$1" -displayfd 3 -screen 0 "${VIRTUAL_SCREEN:-640x480x24}" -nolisten tcp -noreset 3>"$ready" 2>/dev/null &
  server=$!
  for _ in $(seq 300); do
    [[ -s $ready ]] && return 0
    kill -0 "$server" 2>/dev/null || { wait "$server" 2>/dev/null || true; server=; return 1; }
    sleep 0.05
  done
  echo "the virtual X server did not get ready" >&2
  exit 1
}

for _ in $(seq 20); do
  start_server $((100 + RANDOM % 900)) && break
done
[[ -n $server ]] || { echo "the virtual X server did not start" >&2; exit 1; }
export DISPLAY=:$(tr -dc 0-9 <"$ready")
for _ in $(seq 100); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.05
done
xprop -root >/dev/null 2>&1 || { echo "the virtual X server $DISPLAY does not answer" >&2; exit 1; }
# A desktop session has a message bus. Without one, every program that asks
# for it (Qt's accessibility does) has the bus library fork a launcher from a
# threaded process; under the address sanitizer that child can hang, and the
# program with it, before its first window.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && command -v dbus-run-session >/dev/null; then
  dbus-run-session -- "$@"
else
  "$@"
fi
