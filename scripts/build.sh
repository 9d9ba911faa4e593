#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds. Usage: scripts/build.sh [release|sanitize]
# release  -> build/        (the program at build/gli-insiemi)
# sanitize -> build-sanitize/ (tests with AddressSanitizer, UBSan and LeakSanitizer)
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-release}
case "$kind" in
  release)  dir=build; flags=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) dir=build-sanitize; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLI_SANITIZE=ON -DGLI_BUILD_BENCH=OFF) ;;
  *) echo "usage: $0 [release|sanitize]" >&2; exit 2 ;;
esac

if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
fi
if ! log=$(cmake --build "$dir" 2>&1); then
  printf '%s\n' "$log" >&2
  exit 1
fi
