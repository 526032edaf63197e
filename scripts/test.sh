#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test: once in the ordinary
# build, then again built with AddressSanitizer and UndefinedBehaviorSanitizer.
# The fuzz corpora are replayed as tests in both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

BUILD_DIR="$root/build" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYOROZU_TESTS=ON
(cd "$root/build" && ctest --output-on-failure -j"$jobs")

if [ "${YOROZU_SKIP_SANITIZERS:-0}" != 1 ]; then
  BUILD_DIR="$root/build-asan" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Debug -DYOROZU_TESTS=ON -DYOROZU_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd "$root/build-asan" && ctest --output-on-failure -j"$jobs")
fi
