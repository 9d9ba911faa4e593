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
print_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX")
cleanup() {
  if [[ -f $print_dir/.gli-print-system ]]; then
    scripts/print-system.sh stop "$print_dir" >/dev/null 2>&1 || true
  else
    rmdir "$print_dir" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
if scripts/print-system.sh start "$print_dir" >/dev/null; then
  export CUPS_SERVER=$print_dir/cups.sock CUPS_SERVERROOT=$print_dir/etc HOME=$print_dir/home
else
  echo "no print system: the printer chooser's picture lists no printer" >&2
  export CUPS_SERVER=$print_dir/none.sock CUPS_SERVERROOT=$print_dir
fi

mkdir -p docs/screens
"$dir/tools/gli-screenshots" docs/screens
