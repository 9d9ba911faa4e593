#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite with ctest,
# then builds it again with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer and runs it there. Exits non-zero on any failure or report.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
scripts/build.sh release

# A private print system for the printing tests, stopped again at the end.
if [[ -x scripts/print-system.sh ]]; then
  scripts/print-system.sh start
  trap 'scripts/print-system.sh stop' EXIT
fi

ctest --test-dir build --output-on-failure -j2
scripts/sanitize.sh
