#!/usr/bin/env bash
# Installs what is missing, builds, and starts the jukebox in the current
# folder (where it keeps its album and dictionary files).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
if [[ -x "$root/build/src/app/velmora" ]]; then
  exec "$root/build/src/app/velmora" "$@"
fi
# Until the jukebox is built, the tag editor is the program to start.
exec "$root/build/src/tageditor/kestrune" "$@"
