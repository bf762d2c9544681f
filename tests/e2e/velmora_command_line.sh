#!/usr/bin/env bash
# The jukebox's command line, as on any program:
# - --help and --version print and end without a display; an unknown option
#   ends with status 2;
# - on a session bus of the test's own, a path that does not exist is named
#   and never joins the album, on a first start (which runs with the rest,
#   Qt's options and a file after "--" among them) and on starts that hand
#   over; a start whose every path is missing fails;
# - a start beside a jukebox that hangs (stopped with SIGSTOP) gives up within
#   the call's limit of 5 s, says so and fails.
#   velmora_command_line.sh PATH_TO_VELMORA VERSION
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/e2e_lib.sh"
velmora=$(realpath "$1")
version=$2
e2e_require Xvfb xdotool dbus-run-session timeout
work=$(mktemp -d)
trap '[[ -n ${KEEP_E2E:-} ]] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# -- Help and the version need no display.
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
usage=$(no_display "$velmora" --help) || fail "--help without a display ended with $?"
[[ $usage == "Usage: velmora "*"--version"* ]] || fail "--help printed: $usage"
[[ $(no_display "$velmora" -h) == "$usage" ]] || fail "-h printed other than --help"
printed=$(no_display "$velmora" -style fusion --version) || fail "--version ended with $?"
[[ $printed == "velmora $version" ]] || fail "--version printed '$printed'"

# -- An unknown option is named, with a hint, and ends the start with 2. It
# is told from Qt's options once Qt has taken those, so Qt needs a platform;
# the time limit ends a jukebox that would run instead.
mkdir -p "$work/alone"
: >"$work/alone/default.alb"
: >"$work/alone/default.dic"
status=0
(cd "$work/alone" && QT_QPA_PLATFORM=offscreen HOME=$work/alone XDG_CONFIG_HOME=$work/alone \
  timeout 20 "$velmora" --bogus song.wav >"$work/unknown.out" 2>"$work/unknown.err") || status=$?
((status == 2)) || fail "an unknown option ended the start with $status"
grep -qx 'velmora: unknown option --bogus (try velmora --help)' "$work/unknown.err" ||
  fail "the unknown option was not named: $(cat "$work/unknown.err")"
[[ ! -s $work/unknown.out ]] || fail "an unknown option printed on stdout"

mkdir -p "$work/f/config"
: >"$work/f/default.alb"
: >"$work/f/default.dic"
: >"$work/f/-x.wav"
: >"$work/first.wav"
: >"$work/handed.wav"

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
velmora=$1 work=$2
pid= frozen=
trap 'kill -CONT $frozen 2>/dev/null || true; kill $pid 2>/dev/null || true' EXIT
fail() {
  echo "FAIL: $*" >&2
  cat "$work"/f/*.err >&2 2>/dev/null || true
  exit 1
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
wait_for() {  # up to $1 ms for the rest to succeed, trying every 20 ms
  local deadline=$(($(now_ms) + $1))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}
album_has() { grep -qxF "$1" "$work/f/default.alb"; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
in_folder() {
  (cd "$work/f" && XDG_CONFIG_HOME=$work/f/config HOME=$work/f exec "$velmora" "$@")
}

# -- A first start names the missing path and runs with the others; Qt's
# option is Qt's, and "-x.wav" after "--" is a file of the folder.
(cd "$work/f" && XDG_CONFIG_HOME=$work/f/config HOME=$work/f \
  exec "$velmora" -display "$DISPLAY" "$work/first.wav" /no/such/first.wav -- -x.wav 2>"$work/f/first.err") &
pid=$!
wait_for 30000 album_has "$work/f/-x.wav" || fail "the files of the first start never joined the album"
album_has "$work/first.wav" || fail "first.wav is not in the album"
kill -0 "$pid" || fail "the first start ended"
grep -qx 'velmora: no such file: /no/such/first.wav' "$work/f/first.err" || fail "the first start did not name the missing path"

# -- A start with only a missing path hands over nothing and fails; one with
# a missing path and an existing file hands over the file alone. The jukebox
# adds what it is handed in order, so once handed.wav is in, a missing path
# handed before it would be too.
status=0
in_folder /no/such/second.wav 2>"$work/f/second.err" || status=$?
((status == 1)) || fail "a start with only a missing path ended with $status"
grep -qx 'velmora: no such file: /no/such/second.wav' "$work/f/second.err" || fail "the second start did not name the missing path"
started=$(now_ms)
in_folder /no/such/third.wav "$work/handed.wav" /no/such/fourth.wav 2>"$work/f/third.err" ||
  fail "a start with a missing path and a file ended with $?"
# What a start that hands over costs here (far more under a sanitizer).
handing_ms=$(($(now_ms) - started))
[[ $(grep -c '^velmora: no such file: /no/such/\(third\|fourth\).wav$' "$work/f/third.err") == 2 ]] ||
  fail "the third start did not name both missing paths"
wait_for 30000 album_has "$work/handed.wav" || fail "the handed file never joined the album"
! grep -q '/no/such/' "$work/f/default.alb" || fail "a missing path joined the album"

# -- A jukebox that hangs costs a later start the call's limit, not more.
kill -STOP "$pid"
frozen=$pid
started=$(now_ms)
(cd "$work/f" && XDG_CONFIG_HOME=$work/f/config HOME=$work/f exec "$velmora" "$work/handed.wav" 2>"$work/f/hung.err") &
later=$!
wait_for 10000 not_running "$later" || fail "the start beside a hung jukebox still runs after 10 s"
took=$(($(now_ms) - started))
status=0
wait "$later" || status=$?
((status == 1)) || fail "the start beside a hung jukebox ended with $status"
grep -qx 'velmora: a jukebox runs in this folder but does not answer' "$work/f/hung.err" ||
  fail "the start beside a hung jukebox did not say so"
# The call's limit of 5 s, plus a start's own cost and a second to spare;
# asking the jukebox to describe itself first would take 25 s.
((took < 6000 + handing_ms)) || fail "the start beside a hung jukebox took $took ms (a start costs $handing_ms ms)"
kill -CONT "$pid"
frozen=
echo "a start beside a hung jukebox gave up after $took ms (a start costs $handing_ms ms)"
SESSION

bash "$here/virtual_screen.sh" bash "$work/session.sh" "$velmora" "$work"
echo PASS
