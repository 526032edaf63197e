#!/usr/bin/env bash
# Fuzzes one target (or all) with libFuzzer: scripts/fuzz.sh [name] [seconds].
# New inputs go to build-fuzz/corpus/<name>; crashes to build-fuzz/crash-<name>-*.
# To fold what a run found into the committed corpus, minimised:
#   build-fuzz/tests/fuzz/fuzz_NAME -merge=1 tests/fuzz/corpus/NAME build-fuzz/corpus/NAME
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
"$root/scripts/install-deps.sh"
CC=clang CXX=clang++ BUILD_DIR="$build" "$root/scripts/build.sh" -DYOROZU_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
names=${1:-$(cd "$root/tests/fuzz/corpus" && ls)}
seconds=${2:-600}
# Any sanitizer finding ends the run with the input saved as a crash.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:abort_on_error=1
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
status=0
for name in $names; do
  mkdir -p "$build/corpus/$name"
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/crash-$name-" "$build/corpus/$name" "$root/tests/fuzz/corpus/$name" || status=$?
done
# A finding in any target fails the script.
exit $status
