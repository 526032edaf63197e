#!/usr/bin/env bash
# Installs the dependencies, builds the benchmarks in Release into build-bench/
# and runs them; the run ends with one table of every case against its goal,
# and the script fails when any row misses.
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=Read).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-bench"
generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
# GCC 12 at -O3 reports std::string concatenation in its own headers as
# overlapping copies (GCC bug 105329); that warning alone is not an error here.
cxxflags=""
if c++ --version 2>/dev/null | grep -q 'Free Software Foundation'; then
  cxxflags="-Wno-restrict"
fi
# The window is built too: one case types into it (offscreen).
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DYOROZU_BENCH=ON -DYOROZU_GUI=ON \
  -DYOROZU_TESTS=OFF -DCMAKE_CXX_FLAGS="$cxxflags" >/dev/null
cmake --build "$build" -j"$(nproc)" --target yorozu-bench yorozu-cli
# One core, as the goals are stated. The exit status is the table's: non-zero
# when any row misses, a failed case included.
export QT_QPA_PLATFORM=offscreen
exec taskset -c 0 "$build/bench/yorozu-bench" "$@"
