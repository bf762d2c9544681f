#!/usr/bin/env bash
# A run's settings are on disk as soon as Exit has saved them, before the
# program ends: a desktop that logs out may kill it right after Exit. Velmora
# lights Random; a debugger then stops it where Exit goes on from the
# settings to the data files, and the settings file must hold the new Random
# there. Waiting for the program to end would prove nothing: Qt writes
# pending settings whenever its event loop runs and when it ends. A second
# run, whose settings file cannot be written, must say so at Exit and end.
#   velmora_exit_settings.sh PATH_TO_VELMORA
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1")
e2e_require Xvfb xdotool import convert gdb
e2e_make_empty_folder

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
e2e_enter_folder "$3"
e2e_launch_main "$2" "$work/velmora.err"
random=(197 51 17 16)
# The brightest red of the Random button on a fresh shot, 0-255.
random_red() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${random[2]}x${random[3]}+$((cx + random[0]))+$((cy + random[1]))" +repage \
    -channel R -separate -format '%[fx:int(maxima*255)]' info:
}
random_lit() { (( $(random_red) >= 240 )); }
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1 _
  shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }

random_lit && fail "Random is lit before it was pressed"
xdotool mousemove $((cx + 205)) $((cy + 59)) click 1   # Random
wait_for 10 random_lit || fail "Random did not light"

# Exit saves the settings, then the album and the dictionary through the
# data files' writer: where that writer opens its first file, the settings
# step is over.
conf=$work/config/Orvane/Velmora.conf
gdb -p "$pid" -batch -nx -ex 'break AtomicFileWriter::Open' -ex "shell touch '$work/attached'" -ex continue \
  -ex "shell grep -q '^OptionRandom=1\$' '$conf' && touch '$work/on-disk'" -ex kill >"$work/gdb.log" 2>&1 &
debugger=$!
# A program held by a debugger ends only by SIGKILL.
trap '[[ -z $pid ]] || kill -KILL "$pid" 2>/dev/null || true; kill "$debugger" 2>/dev/null || true' EXIT
# Clicks made before the debugger lets the program go on wait in the queue.
wait_for 60 test -f "$work/attached" || fail "the debugger did not take hold of velmora"
xdotool mousemove $((cx + 253)) $((cy + 10)) click 1   # Exit
wait_for 30 ended "$debugger" || fail "the debugger did not end"
if ! grep -Eq 'Breakpoint 1, (0x[0-9a-f]+ in )?AtomicFileWriter::Open' "$work/gdb.log"; then
  # Where the system lets no debugger attach to a process it did not start.
  grep -q 'ptrace: Operation not permitted' "$work/gdb.log" && { echo "gdb may not attach here"; exit 77; }
  cat "$work/gdb.log" >&2
  fail "Exit did not go on to the data files"
fi
[[ -f $work/on-disk ]] || fail "the settings were not on disk when Exit went on to the data files"
wait "$pid" 2>/dev/null || true
pid=

# A file where the settings folder should be: nothing can be saved there.
rm -r "$work/config/Orvane"
: >"$work/config/Orvane"
e2e_launch_main "$2" "$work/velmora.err"
box_shown() {
  local w
  for w in $(e2e_windows_named Velmora); do [[ $(e2e_size_of "$w") != 266x114 ]] && { box=$w; return 0; }; done
  return 1
}
xdotool mousemove $((cx + 253)) $((cy + 10)) click 1   # Exit
wait_for 10 box_shown || fail "no box says the settings were not saved"
xdotool windowfocus --sync "$box" key Return
e2e_wait_for_launched_exit
SESSION

e2e_run_session "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work"
echo PASS
