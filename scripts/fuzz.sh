#!/usr/bin/env bash
# Fuzzes one target (or all) with libFuzzer: scripts/fuzz.sh [name] [seconds].
# New inputs go to build-fuzz/corpus/<name>; crashes to build-fuzz/crash-<name>-*.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
"$root/scripts/install-deps.sh"
CC=clang CXX=clang++ BUILD_DIR="$build" "$root/scripts/build.sh" -DYOROZU_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
names=${1:-$(cd "$root/tests/fuzz/corpus" && ls)}
seconds=${2:-600}
for name in $names; do
  mkdir -p "$build/corpus/$name"
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/crash-$name-" "$build/corpus/$name" "$root/tests/fuzz/corpus/$name"
done
