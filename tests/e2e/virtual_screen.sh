#!/usr/bin/env bash
# Runs a command on a virtual X screen of its own and ends the screen after it.
#   virtual_screen.sh COMMAND [ARGS...]
# The screen is 640 x 480 unless VIRTUAL_SCREEN names another (1024x768x24).
# The X server picks a free display number itself and reports it once it
# accepts connections, so tests running side by side never race for one.
set -euo pipefail
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${VIRTUAL_SCREEN:-640x480x24}" -nolisten tcp 3>"$ready" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 300); do
  [[ -s $ready ]] && break
  kill -0 "$server" 2>/dev/null || { echo "the virtual X server did not start" >&2; exit 1; }
  sleep 0.05
done
[[ -s $ready ]] || { echo "the virtual X server did not get ready" >&2; exit 1; }
export DISPLAY=:$(tr -dc 0-9 <"$ready")
# Now and then a program started at once was refused the display; the script
# goes on only once the server answers a client.
for _ in $(seq 100); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.05
done
xprop -root >/dev/null 2>&1 || { echo "the virtual X server $DISPLAY does not answer" >&2; exit 1; }
"$@"
