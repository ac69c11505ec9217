#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the window to look at before a change to it is merged: every
# page, before and after an edit, at its natural size in 9 and 16 points at
# scale 1, 1.5 and 2, and on 1280x800 and 1366x768 screens at scale 1.5
# (the logical sizes 853x533 and 910x512) and a 1920x1080 one at scale 1,
# each in a light and a dark palette.
#
#   scripts/screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
build="${1:?build folder}"
out="${2:?output folder}"
cmake --build "$build" --target app_screenshots -j2 >/dev/null
mkdir -p "$out"
# The offscreen screen in pixels (its default, 800x600, is smaller than any
# real one, so tool windows sized to their screen would come out cramped).
screen() {  # WIDTHxHEIGHT: the platform string for such a screen
  local file="$out/screen_$1.json"
  printf '{"screens": [{"name": "screen", "x": 0, "y": 0, "width": %s, "height": %s, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}\n' \
    "${1%x*}" "${1#*x}" >"$file"
  echo "offscreen:configfile=$file"
}
shoot() {  # name screen scale options...
  local name="$1" platform="$2" scale="$3"
  shift 3
  mkdir -p "$out/$name"
  QT_QPA_PLATFORM="$platform" QT_SCALE_FACTOR="$scale" "$build/tests/app/app_screenshots" "$out/$name" "$@" \
    >"$out/$name/sizes.txt" 2>/dev/null
}
for palette in light dark; do
  for scale in 1 1.5 2; do
    for points in 9 16; do
      shoot "natural_${points}pt_x${scale}_$palette" "$(screen 2560x1600)" "$scale" "$palette" "$points"
    done
  done
  shoot "1280x800_x1.5_$palette" "$(screen 1280x800)" 1.5 "$palette" 853x533
  shoot "1366x768_x1.5_$palette" "$(screen 1366x768)" 1.5 "$palette" 910x512
  shoot "1920x1080_x1_$palette" "$(screen 1920x1080)" 1 "$palette" 1920x1040
done
grep -l "changed the window" "$out"/*/sizes.txt || true
echo "pictures in $out"
