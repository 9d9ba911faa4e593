#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds. Usage: scripts/build.sh [release|sanitize]
# release  -> build/        (the program at build/gli-insiemi)
# sanitize -> build-sanitize/ (tests with AddressSanitizer, UBSan and LeakSanitizer)
set -eEuo pipefail
# Whatever fails says so, with the command that failed.
trap 'echo "build.sh: FAILED (exit $?): $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."

kind=${1:-release}
case "$kind" in
  release)  dir=build; flags=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) dir=build-sanitize; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLI_SANITIZE=ON -DGLI_BUILD_BENCH=OFF) ;;
  *) echo "usage: $0 [release|sanitize]" >&2; exit 2 ;;
esac

if [[ ! -f "$dir/build.ninja" ]]; then
  if ! log=$(cmake -S . -B "$dir" -G Ninja "${flags[@]}" 2>&1); then
    printf '%s\n' "$log" >&2
    echo "build.sh: configuring $dir/ failed (cmake, output above)" >&2
    exit 1
  fi
fi
if ! log=$(cmake --build "$dir" 2>&1); then
  printf '%s\n' "$log" >&2
  echo "build.sh: building $dir/ failed (output above)" >&2
  exit 1
fi
