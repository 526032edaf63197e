#!/usr/bin/env bash
# Installs the dependencies, builds and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$root/build/ui/yorozu" "$@"
