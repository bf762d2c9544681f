#!/usr/bin/env bash
# One jukebox per folder, and every file handed to it arrives:
# - on a session bus, a second start during the start-up's message box and
#   during the scan of a large folder hands its file over, and the file
#   joins the album after the folder's files;
# - Exit during that scan ends the program with the album as Exit saved it,
#   and a start right after Exit runs a jukebox of its own;
# - without a bus, a second start in the folder says which process holds it
#   and ends with a failure, changing nothing.
#   velmora_handover.sh PATH_TO_VELMORA
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1")
e2e_require Xvfb xdotool import convert dbus-run-session python3
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
# Large enough that its scan is still running when the test looks.
tree_size=40000
python3 - "$work/tree" "$tree_size" <<'PY'
import os, sys
os.makedirs(sys.argv[1])
for n in range(int(sys.argv[2])):
    open(os.path.join(sys.argv[1], "t%05d.wav" % n), "w").close()
PY
# The tracklist opens beside the main window, not over its Exit button.
for d in a b c d; do
  mkdir -p "$work/$d/config/Orvane"
  printf '[Settings]\nTlistX=320\nTlistY=10\n' >"$work/$d/config/Orvane/Velmora.conf"
done
: >"$work/a/default.alb"  # no dictionary: the start-up asks to create it
for d in b c d; do : >"$work/$d/default.alb"; : >"$work/$d/default.dic"; done
: >"$work/boxed.wav"
: >"$work/late.wav"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
source "$1"
velmora=$2 work=$3 tree_size=$4
pid= frozen=
trap 'kill -CONT $frozen 2>/dev/null || true; kill $pid 2>/dev/null || true' EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root "$work/failed.png" 2>/dev/null || true
  local w
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "window $w '$(xdotool getwindowname "$w")' of process $(xdotool getwindowpid "$w" 2>/dev/null)" >&2
  done
  tail -n 5 "$work"/*/velmora.err >&2 2>/dev/null || true
  exit 1
}
wait_for() {  # up to 30 s for the command to succeed, trying every 20 ms
  local _
  for _ in $(seq 1500); do "$@" && return 0; sleep 0.02; done
  return 1
}
album_has() { grep -qx "$2" "$work/$1/default.alb"; }
album_lines() { wc -l <"$work/$1/default.alb"; }
last_tree_file=$work/tree/t$(printf %05d $((tree_size - 1))).wav
windows_of() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null; }
tracklist_shown() { [[ -n $(windows_of "$1" '^Tracklist$') ]]; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
main_window_of() {
  local w
  for w in $(windows_of "$1" '^Velmora$'); do
    [[ $(e2e_size_of "$w") == 266x114 ]] && { echo "$w"; return 0; }
  done
  return 1
}
no_window_of() { [[ -z $(xdotool search --onlyvisible --pid "$1" 2>/dev/null) ]]; }
box_shown() {
  local w
  for w in $(windows_of "$pid" '^Velmora$'); do
    [[ $(e2e_size_of "$w") != 266x114 ]] && { box=$w; return 0; }
  done
  return 1
}
click_exit() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 1 + 253)) $((Y + 1 + 10)) click 1
}
in_folder() {  # runs a command in folder $1 with that folder's settings
  local folder=$work/$1
  shift
  (cd "$folder" && XDG_CONFIG_HOME=$folder/config HOME=$folder exec "$@")
}
start_in() {  # starts a jukebox in folder $1 with files $2...; leaves its process in pid
  local folder=$work/$1
  shift
  (cd "$folder" && XDG_CONFIG_HOME=$folder/config HOME=$folder exec "$velmora" "$@" 2>>"$folder/velmora.err") &
  pid=$!
}
# Holds the jukebox still the moment its scan of the tree has begun (the
# tracklist opens for it), so that whatever comes next comes during the scan.
freeze_in_scan() {
  wait_for tracklist_shown "$pid" || fail "the tree opened no tracklist"
  kill -STOP "$pid"
  frozen=$pid
  ! album_has "$1" "$last_tree_file" || fail "the scan had ended before it could be stopped"
}
thaw() { kill -CONT "$frozen"; frozen=; }

# -- A start during the start-up's box hands its file over.
start_in a
wait_for box_shown || fail "no box asks to create the dictionary"
in_folder a "$velmora" "$work/boxed.wav" || fail "a start during the box ended with $?"
xdotool windowfocus --sync "$box" key Return
wait_for album_has a "$work/boxed.wav" || fail "the file handed over during the box never joined the album"
kill "$pid"
wait "$pid" || true

# -- A start during a scan hands its file over, and it follows the folder.
dbus-monitor --session "interface='org.velmora.Jukebox'" >"$work/bus.log" 2>/dev/null &
monitor=$!
start_in b "$work/tree"
freeze_in_scan b
in_folder b "$velmora" "$work/late.wav" 2>>"$work/b/handed.err" &
handing=$!
wait_for grep -q 'member=Open' "$work/bus.log" || fail "the later start called nothing"
thaw
wait "$handing" || fail "a start during the scan ended with $?"
kill "$monitor"
wait_for album_has b "$work/late.wav" || fail "the file handed over during the scan never joined the album"
[[ $(tail -n 1 "$work/b/default.alb") == "$work/late.wav" ]] || fail "the handed file did not follow the folder"
(( $(album_lines b) == tree_size + 1 )) || fail "the album has $(album_lines b) lines, not $((tree_size + 1))"
kill "$pid"
wait "$pid" || true

# -- Exit during a scan saves the album as it stands, the scan stops there,
# and a start right after Exit runs a jukebox of its own.
start_in c "$work/tree"
main=$(wait_for main_window_of "$pid") || fail "no main window"
freeze_in_scan c
click_exit "$main"
thaw
# The window hides once Exit has saved.
wait_for no_window_of "$pid" || fail "Exit did not close the window"
dying=$pid
start_in c
main=$(wait_for main_window_of "$pid") || fail "a start right after Exit opened no window of its own"
wait_for not_running "$dying" || fail "the jukebox did not end after Exit"
wait "$dying" || fail "the jukebox ended with $? after Exit"
saved=$(album_lines c)
# The scan went on and saved again after Exit before: all of the tree.
(( saved < tree_size )) || fail "the scan went on after Exit: $saved of $tree_size files in the album"
cp "$work/c/default.alb" "$work/c/saved.alb"
click_exit "$main"
wait_for not_running "$pid" || fail "the new jukebox did not end after Exit"
wait "$pid" || fail "the new jukebox ended with $?"
pid=
cmp -s "$work/c/default.alb" "$work/c/saved.alb" || fail "the album Exit saved did not last"

# -- Without a session bus a second start says who holds the folder.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
start_in d
first=$pid
wait_for main_window_of "$first" >/dev/null || fail "no window without a bus"
cp "$work/d/default.alb" "$work/d/before.alb"
status=0
in_folder d "$velmora" "$work/late.wav" 2>"$work/d/second.err" || status=$?
((status != 0)) || fail "a second start without a bus ran beside the first"
grep -q "process $first" "$work/d/second.err" || fail "the second start did not name process $first: $(cat "$work/d/second.err")"
# Qt may add warnings of the test machine's own; the program says one thing.
[[ $(grep -c '^velmora:' "$work/d/second.err") == 1 ]] || fail "the second start said more than one thing"
kill -0 "$first" || fail "the first jukebox ended"
cmp -s "$work/d/default.alb" "$work/d/before.alb" || fail "the second start changed the album"
echo "the second start said: $(grep '^velmora:' "$work/d/second.err")"
SESSION

bash "$here/virtual_screen.sh" bash "$work/session.sh" "$here/e2e_lib.sh" "$velmora" "$work" "$tree_size"
echo PASS
