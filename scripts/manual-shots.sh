#!/usr/bin/env bash
# Makes the manual's pictures (manual/Rakumi_MAN/*.png) with the screenshot
# tool of the build, on a fresh program folder, without a desktop.
# Run after a change to the window that the pictures should show.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake --build "$build" --target yorozu_shot >/dev/null
shot="$build/ui/yorozu_shot"
out="$root/manual/Rakumi_MAN"
mkdir -p "$out"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export QT_QPA_PLATFORM=offscreen
for scene in start sample editor totals; do
  rm -rf "${folder:?}"/*
  if [ "$scene" = start ]; then
    "$shot" "$folder" "$out/$scene.png"
  else
    "$shot" "$folder" "$out/$scene.png" "$scene"
  fi
done
ls -l "$out"
