#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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

# The printer chooser lists the printers of the project's own print system
# (scripts/print-system.sh), the same two on every machine, never the
# machine's own.
mkdir -p docs/screens
scripts/print-system.sh run "$dir/tools/gli-screenshots" "$PWD/docs/screens"
# The start screen in German as well, for README's languages.
scripts/print-system.sh run "$dir/tools/gli-screenshots" --language de "$PWD/docs/screens"
