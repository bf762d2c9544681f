#!/usr/bin/env bash
# Installs what is missing, builds the two programs (neither the tests nor the
# benchmarks) in a build folder of their own, so the test command's builds are
# left alone, and starts the jukebox in the current folder, where it keeps its
# album and dictionary files.
#   VELMORA_INSTALL_STEP  a command run instead of scripts/install-deps.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
${VELMORA_INSTALL_STEP:-"$root/scripts/install-deps.sh"}
"$root/scripts/build.sh" "$root/build-start" -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF
exec "$root/build-start/src/app/velmora" "$@"
