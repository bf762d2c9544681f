#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded run of the libFuzzer targets when clang is present.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

jobs=$(nproc)
run_ctest() { local dir=$1; shift; ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 600 "$@"; }

echo "== normal build"
scripts/build.sh build-test
run_ctest build-test

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0 \
  run_ctest build-asan -E _e2e
# The end-to-end runs start the whole program on a desktop stack (Wayland,
# D-Bus, video decoders) whose own leaks, some in modules unloaded before the
# report, cannot be named in a suppression; they are checked for memory errors
# here and for leaks through the tests above.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 run_ctest build-asan -R _e2e

if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzz targets (bounded)"
  CXX=clang++ scripts/build.sh build-fuzz -DVELMORA_FUZZ=ON
  run_ctest build-fuzz
fi
