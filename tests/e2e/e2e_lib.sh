# Helpers shared by the Velmora end-to-end scripts; sourced, never run.
# The outer part prepares a folder and starts a virtual X display; the session
# part, sourced again inside that display, drives the real program.

# Exits with 77 (skipped) when one of the named tools is not installed.
e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
  done
}

# Fills folder $1 with three sine tones of $3 seconds, tone1.wav .. tone3.wav,
# titled "Tone 1" .. "Tone 3" with kestrune $2, and a "default.alb" that lists
# them after a comment line, with CR LF line ends.
e2e_make_album() {
  local work=$1 kestrune=$2 seconds=$3 n
  for n in 1 2 3; do
    sox -n -r 22050 -c 1 -b 16 "$work/tone$n.wav" synth "$seconds" sine $((300 * n))
    "$kestrune" --set INAM="Tone $n" "$work/tone$n.wav" >/dev/null
  done
  printf '; three tones\r\n%s\r\n%s\r\n%s\r\n' "$work/tone1.wav" "$work/tone2.wav" "$work/tone3.wav" \
    >"$work/default.alb"
}

# Runs a session script with its arguments on a fresh virtual screen.
e2e_run_session() {
  bash "$(dirname "${BASH_SOURCE[0]}")/virtual_screen.sh" bash "$@"
}

# Fails unless "default.alb" in folder $1 lists the three tones, one plain
# path per line.
e2e_check_album() {
  local work=$1 expected
  expected=$(printf '%s\n' "$work/tone1.wav" "$work/tone2.wav" "$work/tone3.wav")
  [[ $(cat "$work/default.alb") == "$expected" ]] || {
    echo "FAIL: album not written back:" >&2
    cat -A "$work/default.alb" >&2
    exit 1
  }
}

# Makes a fresh folder, left in work, with the existing, empty data files
# (so no box asks to create them) and the home and settings folders of the
# session; it is removed at the end unless KEEP_E2E is set.
e2e_make_empty_folder() {
  work=$(mktemp -d)
  trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
  : >"$work/default.alb"
  : >"$work/default.dic"
  mkdir -p "$work/home" "$work/config"
}

# ---- Inside the session -------------------------------------------------

# Works in the folder $1 that e2e_make_empty_folder made, with its home and
# settings. Defines fail, which keeps a shot of the screen as failed.png and
# shows what Velmora said, and ends the Velmora (pid) and the window manager
# (wm) still running when the session ends.
e2e_enter_folder() {
  work=$1
  cd "$work"
  export HOME=$work/home XDG_CONFIG_HOME=$work/config
  pid= wm=
  fail() {
    echo "FAIL: $*" >&2
    import -window root "$work/failed.png" 2>/dev/null || true
    cat "$work/velmora.err" >&2 || true
    exit 1
  }
  trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; [[ -n $wm ]] && kill "$wm" 2>/dev/null; true' EXIT
}

# Starts openbox and waits until it manages the screen; leaves its process in
# wm. Calls the caller's fail when it does not come.
e2e_start_openbox() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  local _
  for _ in $(seq 100); do
    [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true) == *"window id"* ]] && return
    sleep 0.1
  done
  fail "openbox did not start"
}

# Set by e2e_start_velmora; e2e_fail shows what the program said on stderr.
e2e_work= e2e_pid=
e2e_fail() {
  echo "FAIL: $*" >&2
  [[ -f $e2e_work/velmora.err ]] && cat "$e2e_work/velmora.err" >&2
  exit 1
}

# Starts Velmora $1 in folder $2 with settings of its own there; it is killed
# when the session ends.
e2e_start_velmora() {
  e2e_work=$2
  cd "$e2e_work"
  export XDG_CONFIG_HOME=$e2e_work/config
  "$1" 2>"$e2e_work/velmora.err" &
  e2e_pid=$!
  trap 'kill "$e2e_pid" 2>/dev/null || true' EXIT
}

# Prints where every thread of the live process $1 stands, when gdb is there:
# a program that hangs tells where.
e2e_show_stacks() {
  command -v gdb >/dev/null || return 0
  kill -0 "$1" 2>/dev/null || return 0
  echo "-- the threads of process $1:"
  timeout 60 gdb -p "$1" -batch -nx -ex 'thread apply all bt 30' 2>/dev/null | grep -E '^(Thread|#)' || true
}

# Starts Velmora $1 with its errors added to file $2 and waits for its main
# window (266 x 114, or the size $3 for a zoomed one) to be painted; leaves
# the process in pid and the window's client origin at 1x in cx, cy. Calls the
# caller's fail when the window does not come.
e2e_launch_main() {
  "$1" 2>>"$2" &
  pid=$!
  local _ w main= X Y WIDTH HEIGHT WINDOW SCREEN
  for _ in $(seq 300); do
    for w in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null || true); do
      [[ $(xdotool getwindowgeometry "$w" | awk '/Geometry/ {print $2}') == "${3:-266x114}" ]] && main=$w
    done
    [[ -n $main ]] && break
    kill -0 "$pid" 2>/dev/null || fail "velmora ended before showing its window"
    sleep 0.1
  done
  if [[ -z $main ]]; then
    e2e_show_stacks "$pid" >&2
    fail "no main window"
  fi
  eval "$(xdotool getwindowgeometry --shell "$main")"
  cx=$((X + 1)) cy=$((Y + 1))
  # A first start on a machine builds its font cache before the first paint.
  e2e_wait_for -t 60 e2e_painted "${WIDTH}x${HEIGHT}+$X+$Y" || fail "the main window was never painted"
}

# Waits up to ten seconds for the Velmora of e2e_launch_main to end after
# Exit, and fails unless it ended well.
e2e_wait_for_launched_exit() {
  local _
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
  wait "$pid" || fail "velmora exited with $?"
  pid=
}

# Waits up to 10 s (or -t SECONDS) for the command to succeed, running it
# again at each try.
e2e_wait_for() {
  local _ tries=100
  [[ $1 == -t ]] && { tries=$(($2 * 10)); shift 2; }
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Whether command $2... prints $1; e2e_wait_for asks it again at each try.
e2e_prints() {
  local want=$1
  shift
  [[ $("$@" 2>/dev/null) == "$want" ]]
}

# Whether the jukebox on this session's bus is ready to play: its playback
# window is made and its album read (an empty album never is).
e2e_can_play() {
  gdbus call --session --dest org.mpris.MediaPlayer2.velmora --object-path /org/mpris/MediaPlayer2 \
    --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player CanPlay 2>/dev/null |
    grep -q true
}

# Whether the screen rectangle WIDTHxHEIGHT+LEFT+TOP shows a painted window: a
# window not painted yet is one flat colour.
e2e_painted() {
  (($(import -window root -crop "$1" +repage png:- 2>/dev/null | identify -format '%k' png:- 2>/dev/null || echo 0) > 8))
}

# How many windows of process $1 are on the screen; its open menus count.
e2e_windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }

# Waits until process $1 shows $2 windows: a key sent before its menu is up
# goes to the window beneath.
e2e_wait_for_windows() { e2e_wait_for e2e_prints "$2" e2e_windows_of "$1"; }

# Visible windows whose title is exactly $1.
e2e_windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
e2e_size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }

# Waits for the box about the missing default.dic, the main window's first
# companion, answers it, and waits until the main window (266 x 114) is alone.
# Leaves its id in e2e_main and its client origin in e2e_cx, e2e_cy.
e2e_dismiss_dic_box_and_find_main() {
  local box= w shown _ X Y WIDTH HEIGHT WINDOW SCREEN
  for _ in $(seq 600); do
    for w in $(e2e_windows_named Velmora); do [[ $(e2e_size_of "$w") != 266x114 ]] && box=$w; done
    [[ -n $box ]] && break
    kill -0 "$e2e_pid" 2>/dev/null || e2e_fail "velmora ended before showing its window"
    sleep 0.1
  done
  if [[ -z $box ]]; then
    e2e_show_stacks "$e2e_pid" >&2
    e2e_fail "no message box about the missing default.dic"
  fi
  xdotool windowfocus --sync "$box"
  xdotool key Return
  e2e_main=
  for _ in $(seq 300); do
    shown=$(e2e_windows_named Velmora)
    if [[ $(wc -w <<<"$shown") == 1 && $(e2e_size_of "$shown") == 266x114 ]]; then e2e_main=$shown; break; fi
    sleep 0.1
  done
  [[ -n $e2e_main ]] || e2e_fail "the main window is not alone on the screen after the box"
  eval "$(xdotool getwindowgeometry --shell "$e2e_main")"
  [[ $WIDTH == 266 && $HEIGHT == 114 ]] || e2e_fail "window is ${WIDTH}x${HEIGHT}, not 266x114"
  # Client coordinates start one pixel inside the window's border.
  e2e_cx=$((X + 1)) e2e_cy=$((Y + 1))
}

# Clicks the main window at client point ($1, $2).
e2e_click() { xdotool mousemove $((e2e_cx + $1)) $((e2e_cy + $2)) click 1; }
e2e_shot() { import -window root "$e2e_work/screen.png"; }
# The brightest green in a main-window client rectangle (left top width
# height) of the last shot, 0-255.
e2e_max_green() {
  convert "$e2e_work/screen.png" -crop "$3x$4+$((e2e_cx + $1))+$((e2e_cy + $2))" +repage \
    -channel G -separate -format '%[fx:int(maxima*255)]' info:
}
# A fingerprint of what a main-window client rectangle shows in the last shot.
e2e_look() {
  convert "$e2e_work/screen.png" -crop "$3x$4+$((e2e_cx + $1))+$((e2e_cy + $2))" +repage -format '%#' info:
}

# Waits up to 30 seconds for the program to end after Exit, and checks it
# ended well.
e2e_wait_for_exit() {
  local _ status=0
  for _ in $(seq 300); do kill -0 "$e2e_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$e2e_pid" 2>/dev/null; then kill "$e2e_pid"; e2e_fail "Exit did not end the program"; fi
  wait "$e2e_pid" || status=$?
  ((status == 0)) || e2e_fail "velmora exited with $status"
}
