#!/usr/bin/env bash
# The README's start command on a fresh clone: scripts/start.sh (with a
# stand-in for the package install) builds the programs in a folder of its own
# and starts the jukebox, which offers to create its dictionary; after Exit the
# clone's git status is clean.
#   start_script.sh SOURCE_FOLDER
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
e2e_require git Xvfb xdotool
git -C "$1" rev-parse --git-dir >/dev/null 2>&1 || { echo "$1 is not a git checkout"; exit 77; }
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
git clone --quiet "$1" "$work/clone"
mkdir -p "$work/home" "$work/config"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
clone=$2/clone
e2e_work=$2
cd "$clone"
export HOME=$2/home XDG_CONFIG_HOME=$2/config VELMORA_INSTALL_STEP=true
bash scripts/start.sh >"$2/start.log" 2>"$e2e_work/velmora.err" &
e2e_pid=$!
trap 'kill "$e2e_pid" 2>/dev/null || true' EXIT
# The build comes first: up to 20 minutes for the first window.
for _ in $(seq 12000); do
  [[ -n $(e2e_windows_named Velmora) ]] && break
  kill -0 "$e2e_pid" 2>/dev/null || { tail -20 "$2/start.log" >&2; e2e_fail "start.sh ended before a window showed"; }
  sleep 0.1
done
e2e_dismiss_dic_box_and_find_main
e2e_click 253 10  # Exit
e2e_wait_for_exit
[[ -z $(git status --porcelain) ]] || e2e_fail "the start left the clone changed: $(git status --porcelain | tr '\n' ' ')"
[[ -x build-start/src/tageditor/kestrune && ! -d build-start/tests ]] || e2e_fail "build-start does not hold just the programs"
SESSION

e2e_run_session "$work/session.sh" "$here/e2e_lib.sh" "$work"
echo PASS
