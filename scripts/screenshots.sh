#!/usr/bin/env bash
# Makes the pictures of every screen and of the printed sheet again, into
# docs/screens/. Usage: scripts/screenshots.sh [BUILD_DIR]
# Without BUILD_DIR it builds the release build (build/) first. The pictures
# are made on Qt's offscreen platform: no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -ge 1 ]]; then
  dir=$1
  cmake --build "$dir" --target gli-screenshots >/dev/null
else
  scripts/deps.sh
  scripts/build.sh release
  dir=build
fi

# The printer chooser lists the installed printers; on a machine without any,
# the private print system of the tests lends its two.
if ! lpstat -e 2>/dev/null | grep -q . && [[ -x scripts/print-system.sh ]]; then
  scripts/print-system.sh start
  trap 'scripts/print-system.sh stop' EXIT
fi

mkdir -p docs/screens
"$dir/tools/gli-screenshots" docs/screens
