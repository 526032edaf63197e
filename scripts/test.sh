#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYOROZU_TESTS=ON
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
