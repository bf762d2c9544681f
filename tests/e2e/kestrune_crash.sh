#!/usr/bin/env bash
# kestrune --set interrupted at every step. Each layout of WAVE file is made
# here by real writers, and one clean save gives its new version. Then the same
# save is killed just before each system call that changes the file, its
# journal or its folder (strace), killed again before each such call of the
# recovery the next open runs, torn at a 512- or 4096-byte boundary, or handed
# ENOSPC or EIO (fault_inject, preloaded). After each, `kestrune --info` opens
# the file, which must then hold exactly the old or the new bytes with nothing
# left beside it, and a further --set must succeed. Prints the counts; fails
# when any file was damaged.
#   kestrune_crash.sh PATH_TO_KESTRUNE PATH_TO_FAULT_INJECT_LIBRARY
set -euo pipefail
kestrune=$1 inject=$2
for tool in strace sox ffmpeg sndfile-metadata-set perl timeout; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
strace -o /dev/null true 2>/dev/null || { echo "strace cannot trace processes here"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrune-crash.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
started=$SECONDS

# Under AddressSanitizer each run is several times slower: there the recovery
# is killed only after every third first kill, and the torn and failing calls
# are tried on every other layout.
sample=1
if [[ $(ldd "$kestrune" 2>/dev/null) == *libasan* ]]; then
  sample=3
  echo "kestrune is built with AddressSanitizer: a sample of the second kills and of the faults"
fi
preload_asan=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

# The calls that can change a file, traced and counted.
calls=open,openat,creat,write,writev,pwrite64,pwritev,pwritev2,ftruncate,fallocate,fsync,fdatasync
calls+=,unlink,unlinkat,rename,renameat,renameat2,link,linkat

# ---- Layouts: make_NAME FILE makes the file and sets args to the save's options.

text_of() { perl -e '$s = ""; $s .= "a comment of many words, " while length $s < $ARGV[0]; print substr($s, 0, $ARGV[0])' "$1"; }
tone() { sox -n -r 22050 -c 2 -b 16 "$1" synth 0.2 sine 440; }

make_list_grows() {
  tone "$1"
  sndfile-metadata-set --str-title Old --str-artist Someone --str-comment Short "$1"
  args=(--set INAM="A title much longer than the old one" --set ICMT="A comment that makes the list grow")
}
make_list_shrinks() {
  tone "$1"
  sndfile-metadata-set --str-title "$(text_of 300)" --str-artist "Someone" --str-comment "$(text_of 700)" "$1"
  args=(--set INAM=Short --set ICMT=)
}
make_first_tag() { tone "$1"; args=(--set INAM="The first tag"); }
make_all_removed() {
  tone "$1"
  "$kestrune" --set INAM=Name --set IART=Artist --set IGNR=Genre --set ICRD=2024 --set ISRC=Source --set ICMT=Comment "$1"
  args=(--set INAM= --set IART= --set IGNR= --set ICRD= --set ISRC= --set ICMT=)
}
make_ffmpeg_info_before_data() {
  ffmpeg -loglevel error -f lavfi -i sine=frequency=440:duration=0.2 -metadata title="Old title" \
    -metadata artist="Old artist" "$1"
  args=(--set INAM="New title")
}
make_long_comment_cut() {
  tone "$1"
  sndfile-metadata-set --str-title Old --str-comment "$(text_of 9000)" "$1"
  args=(--set ICMT="Cut short")
}
make_comment_of_20k() {
  tone "$1"
  sndfile-metadata-set --str-title Old "$1"
  args=(--set ICMT="$(text_of 20480)")
}
# 200 MB of 16-bit stereo whose audio is a hole (it costs no disk), then the
# list; the RIFF size matches the length.
big_wave() {
  perl -e '
    my ($path, $title) = @ARGV;
    my $audio = 200 << 20;
    my $text = $title . "\0";
    my $item = "INAM" . pack("V", length $text) . $text . (length($text) & 1 ? "\0" : "");
    my $list = "LIST" . pack("V", 4 + length $item) . "INFO" . $item;
    open my $f, ">:raw", $path or die;
    print $f "RIFF", pack("V", 4 + 24 + 8 + $audio + length $list), "WAVE";
    print $f "fmt ", pack("VvvVVvv", 16, 1, 2, 44100, 176400, 4, 16), "data", pack("V", $audio);
    seek $f, 44 + $audio, 0;
    print $f $list;' "$1" "$2"
}
make_big_list_grows() { big_wave "$1" Big; args=(--set INAM="A longer title for a big file"); }
make_big_list_shrinks() { big_wave "$1" "$(text_of 3000)"; args=(--set INAM=Short); }
# An odd data chunk whose pad byte is missing, the RIFF size counting without it.
make_odd_data_without_pad() {
  sox -n -r 8000 -c 1 -b 8 "$1" synth 0.012625 sine 440
  truncate -s -1 "$1"
  perl -e 'open my $f, "+<:raw", $ARGV[0] or die; seek $f, 4, 0; print $f pack("V", (-s $f) - 8)' "$1"
  args=(--set INAM="Odd")
}
# The list, then an "id3 " chunk holding an ID3v2 tag with a title.
make_list_then_id3() {
  tone "$1"
  sndfile-metadata-set --str-title Old --str-artist Someone "$1"
  perl -e '
    open my $f, "+<:raw", $ARGV[0] or die;
    my $frame = "TIT2" . pack("N", 10) . "\0\0" . "\0Id3 title";
    my $tag = "ID3\3\0\0" . pack("N", length $frame) . $frame;
    seek $f, 0, 2;
    print $f "id3 ", pack("V", length $tag), $tag, length($tag) & 1 ? "\0" : "";
    seek $f, 4, 0;
    print $f pack("V", (-s $f) - 8);' "$1"
  args=(--set INAM="New title")
}
layouts=(list_grows list_shrinks first_tag all_removed ffmpeg_info_before_data long_comment_cut comment_of_20k
         big_list_grows big_list_shrinks odd_data_without_pad list_then_id3)

# ---- Helpers

# Exit 0 when files $1 and $2 hold the same bytes. Only the stretches where
# either file holds data are read (holes read as zeros), so the big sparse
# layouts compare quickly.
same_bytes() {
  perl -e '
    my @h = map { open my $h, "<:raw", $_ or exit 2; $h } @ARGV;
    my $length = -s $h[0];
    exit 1 if $length != -s $h[1];
    my @stretches;
    for my $h (@h) {
      for (my $pos = 0; $pos < $length;) {
        my $start = sysseek $h, $pos, 3;  # SEEK_DATA
        if (!defined $start) { push @stretches, [0, $length] unless $!{ENXIO}; last }
        my $end = sysseek $h, $start, 4;  # SEEK_HOLE
        push @stretches, [$start, $end];
        $pos = $end;
      }
    }
    for my $s (@stretches) {
      for (my $pos = $s->[0]; $pos < $s->[1]; $pos += 1 << 20) {
        my $n = $s->[1] - $pos < 1 << 20 ? $s->[1] - $pos : 1 << 20;
        my ($a, $b) = ("", "");
        sysseek $_, $pos, 0 for @h;
        sysread $h[0], $a, $n;
        sysread $h[1], $b, $n;
        exit 1 if $a ne $b;
      }
    }' "$1" "$2"
}

# The calls in strace listing $1 that change something in folder $2, one line
# each: the call, its number among that process's calls of the same name
# (what strace's when= counts), and the call as strace showed it.
kill_points() {
  perl -e '
    my ($listing, $folder) = @ARGV;
    my $inside = sub { $_[0] eq $folder || index($_[0], "$folder/") == 0 };
    open my $l, "<", $listing or die;
    my %count;
    while (<$l>) {
      next unless /^(\d+) +(\w+)\((.*)$/;
      my ($pid, $call, $rest) = ($1, $2, $3);
      my $n = ++$count{"$pid $call"};
      my @paths;
      if ($call =~ /^(?:open|openat|creat|unlink|unlinkat|rename|renameat|renameat2|link|linkat)$/) {
        next if $call =~ /open/ && $rest !~ /O_CREAT|O_TRUNC|O_TMPFILE/;
        push @paths, $1 if $rest =~ /= \d+<([^>]*)>$/;
        while ($rest =~ /(?:<([^>]*)>, )?"([^"]*)"/g) {
          push @paths, substr($2, 0, 1) eq "/" ? $2 : ($1 // $folder) . "/$2";
        }
      } else {
        push @paths, $1 if $rest =~ /^\d+<([^>]*)>/;
      }
      next unless grep { $inside->($_) } @paths;
      chomp(my $shown = "$call($rest");
      $shown =~ s/\Q$folder\E\///g;
      print "$call $n ", substr($shown, 0, 160), "\n";
    }' "$1" "$2"
}

# kill_before CALL N ARGS...: runs kestrune ARGS under strace, killed as it
# enters the N-th CALL; fails unless that call is where it died.
kill_before() {
  local call=$1 n=$2
  shift 2
  (timeout -k 5 120 strace -f -y -o "$dir/kill.trace" -e trace="$calls" \
    -e inject="$call":signal=SIGKILL:when="$n" "$kestrune" "$@" >/dev/null 2>&1; exit $?) 2>/dev/null || true
  grep -q '+++ killed by SIGKILL +++' "$dir/kill.trace" &&
    [[ $(grep -cE "^[0-9]+ +$call\(" "$dir/kill.trace") == "$n" ]] ||
    fail "$layout: the kill before $call number $n did not land there (the calls differ between runs)"
}

restore() {
  find "$run" -mindepth 1 -delete
  cp -a --sparse=always "$1/." "$run/"
}

declare -A old new damaged exited_zero cut_short
tally() { local -n counter=$1; counter[$2]=$((${counter[$2]:-0} + 1)); }

# settle CATEGORY LABEL: the next open, then the file must be the old or the
# new version with nothing beside it, and take a further save.
settle() {
  local category=$1 label=$2 problems=() left
  if ! timeout -k 5 120 "$kestrune" --info "$file" >/dev/null 2>"$dir/info.err"; then
    problems+=("--info failed: $(head -c 300 "$dir/info.err" || true)")
  fi
  left=$(ls -A "$run" | grep -vx a.wav | tr '\n' ' ' || true)
  [[ -z $left ]] || problems+=("left beside the file: $left")
  local state=
  settled=
  if same_bytes "$file" "$work/$layout.before"; then state=old
  elif same_bytes "$file" "$work/$layout.new"; then state=new
  else problems+=("neither the old nor the new bytes (length $(stat -c %s "$file"))")
  fi
  if ! timeout -k 5 120 "$kestrune" --set ISRC="After the crash" "$file" 2>"$dir/set.err"; then
    problems+=("a further --set failed: $(head -c 300 "$dir/set.err" || true)")
  fi
  if ((${#problems[@]})); then
    tally damaged "$category"
    problems=("${problems[@]//$run\//}")
    local joined
    joined=$(printf '%s; ' "${problems[@]}")
    echo "DAMAGED: $layout: $label: ${joined%; }"
  else
    tally "$state" "$category"
    settled=$state
  fi
}

# ---- Each layout: its clean save, then the kills and the faults.

layout_number=0
for layout in "${layouts[@]}"; do
  layout_number=$((layout_number + 1))
  dir=$work/$layout run=$work/$layout/run
  file=$run/a.wav
  mkdir -p "$run" "$dir/before"
  cd "$dir"
  "make_$layout" "$dir/before/a.wav" >/dev/null
  cp --sparse=always "$dir/before/a.wav" "$work/$layout.before"
  # Every run starts in the file's folder, so whatever a run leaves behind lands there.
  cd "$run"

  restore "$dir/before"
  strace -f -y -o "$dir/save.trace" -e trace="$calls" "$kestrune" "${args[@]}" "$file" ||
    fail "$layout: the clean save failed"
  [[ $(ls -A "$run") == a.wav ]] || fail "$layout: the clean save left $(ls -A "$run")"
  ! same_bytes "$file" "$work/$layout.before" || fail "$layout: the clean save changed nothing"
  cp --sparse=always "$file" "$work/$layout.new"
  mapfile -t points < <(kill_points "$dir/save.trace" "$run")
  ((${#points[@]})) || fail "$layout: no call of the save changes the file"

  # Killed before each changing call of the save, then before each changing
  # call of the recovery that follows.
  first=0
  for point in "${points[@]}"; do
    read -r call n shown <<<"$point"
    first=$((first + 1))
    restore "$dir/before"
    kill_before "$call" "$n" "${args[@]}" "$file"
    rm -rf "$dir/crashed"
    cp -a --sparse=always "$run" "$dir/crashed"
    settle kill "killed before $shown"
    ((first % sample == 0)) || continue
    restore "$dir/crashed"
    timeout -k 5 120 strace -f -y -o "$dir/recovery.trace" -e trace="$calls" "$kestrune" --info "$file" \
      >/dev/null 2>&1 || true
    while read -r call2 n2 shown2; do
      restore "$dir/crashed"
      kill_before "$call2" "$n2" --info "$file"
      settle recovery_kill "killed before $shown, then in the recovery before $shown2"
    done < <(kill_points "$dir/recovery.trace" "$run")
  done

  # Torn writes and failing calls, through the preloaded library.
  if ((sample == 1 || layout_number % 2 == 1)); then
    restore "$dir/before"
    rm -f "$dir/calls.log"
    env FAULT_FOLDER="$run" FAULT_LOG="$dir/calls.log" LD_PRELOAD="$inject" ASAN_OPTIONS="$preload_asan" \
      "$kestrune" "${args[@]}" "$file" || fail "$layout: the save failed with the library preloaded and no fault"
    same_bytes "$file" "$work/$layout.new" || fail "$layout: the library alone changed what is saved"
    grep -q '^write ' "$dir/calls.log" || fail "$layout: the library saw no write of the save"
    while read -r kind n path offset length; do
      faults=(enospc eio)
      [[ $kind == write ]] && faults=(tear512 tear4096 enospc eio)
      for fault in "${faults[@]}"; do
        # ENOSPC fails one call (space is freed meanwhile); EIO fails that call
        # and every later one of its kind (a disk that has gone bad).
        at=$n category=failure
        [[ $fault == eio ]] && at=$n+
        [[ $fault == tear* ]] && category=torn
        restore "$dir/before"
        rm -f "$dir/fault.log"
        status=0
        (timeout -k 5 120 env FAULT_FOLDER="$run" FAULT_LOG="$dir/fault.log" FAULT_CALL="$kind" FAULT_AT="$at" \
          FAULT_DO="$fault" LD_PRELOAD="$inject" ASAN_OPTIONS="$preload_asan" "$kestrune" "${args[@]}" "$file" \
          2>"$dir/fault.err"; exit $?) 2>/dev/null || status=$?
        grep -q "^inject $fault $kind $n\$" "$dir/fault.log" || fail "$layout: no $fault at $kind $n"
        where=${path##*/}
        [[ $path == "$run" ]] && where="the folder"
        label="$fault at $kind $n ($where, offset $offset, $length bytes), exit $status"
        if [[ $category == torn ]]; then
          ((status == 137)) || fail "$layout: $label: not killed by the tear"
          read -r _ kept _ whole < <(grep '^torn ' "$dir/fault.log") || fail "$layout: $label: no tear logged"
          ((kept < whole)) && tally cut_short torn
        elif ((status == 0)); then
          tally exited_zero failure
          if ! same_bytes "$file" "$work/$layout.new" || [[ $(ls -A "$run") != a.wav ]]; then
            tally damaged failure
            echo "DAMAGED: $layout: $label: exit 0, yet the file is not the new version alone"
            continue
          fi
        elif [[ ! -s $dir/fault.err ]]; then
          tally damaged failure
          echo "DAMAGED: $layout: $label: failed without a message"
          continue
        fi
        settle "$category" "$label"
        # A save reported failed must leave the old file (put back at once,
        # or by the next open where even that failed).
        if [[ $category == failure && $status != 0 && $settled == new ]]; then
          new[failure]=$((${new[failure]} - 1))
          tally damaged failure
          echo "DAMAGED: $layout: $label: reported failed, yet the file is the new version"
        fi
      done
    done <"$dir/calls.log"
  fi
  echo "$layout: ${#points[@]} changing calls in the save; $((SECONDS - started)) s so far"
done
cd "$work"

report() {
  local category=$1 what=$2 extra=${3:-}
  local o=${old[$category]:-0} w=${new[$category]:-0} d=${damaged[$category]:-0}
  echo "$what: $((o + w + d)) ($o ended old, $w new, $d damaged$extra)"
}
report kill "kill points in the save"
report recovery_kill "kill points in the recovery after a killed save"
kills_old=$((${old[kill]:-0} + ${old[recovery_kill]:-0}))
kills_new=$((${new[kill]:-0} + ${new[recovery_kill]:-0}))
kills_damaged=$((${damaged[kill]:-0} + ${damaged[recovery_kill]:-0}))
echo "kill points in all: $((kills_old + kills_new + kills_damaged)) ($kills_old old, $kills_new new, $kills_damaged damaged)"
report torn "torn writes" "; ${cut_short[torn]:-0} cut a write short, the others were killed after their whole write"
report failure "failing calls" "; ${exited_zero[failure]:-0} exited 0"
echo "took $((SECONDS - started)) s"
total_damaged=$((kills_damaged + ${damaged[torn]:-0} + ${damaged[failure]:-0}))
((total_damaged == 0)) || fail "$total_damaged runs left a damaged file"
echo PASS
