#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release (build-bench/) and prints one table of
# figures: each the median of at least 10 runs, with min, max and the 95th
# percentile. Everything runs on Qt's offscreen platform with one 1920x1080
# screen at 96 dpi.
#
# usage: scripts/bench.sh [RUNS]     (default 20; fewer than 10 is raised to 10)
# Exits 0 when every goal is met, 3 when one is missed, 1 when a benchmark fails.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
(( runs >= 10 )) || runs=10

scripts/deps.sh
dir=build-bench
if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DGLI_BUILD_TESTS=OFF -DGLI_BUILD_BENCH=ON >/dev/null
fi
if ! log=$(cmake --build "$dir" --target gli-bench 2>&1); then
  printf '%s\n' "$log" >&2
  exit 1
fi

# The print benchmarks print on the test PDF printer of the project's own
# print system (scripts/print-system.sh), never on the machine's; where that
# cannot start, they measure the page rendered to a PDF file.
if [[ -z ${GLI_BENCH_PRINT_SYSTEM:-} ]]; then
  GLI_BENCH_PRINT_SYSTEM=1 exec scripts/print-system.sh run "$0" "$runs"
fi

export QT_QPA_PLATFORM="offscreen:configfile=$PWD/bench/offscreen-1920x1080.json"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
bin="$dir/bench"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores, $(free -g | awk '/^Mem:/{print $2}') GiB," \
     "Linux $(uname -r), Qt $qt, offscreen 1920x1080 at 96 dpi; $runs runs per figure."
echo

table=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$table" "$errors"' EXIT
{
  echo "| Figure | median | min | max | p95 | runs | goal | met |"
  echo "|---|---:|---:|---:|---:|---:|---|---|"
} | tee "$table"

run() {
  if ! "$@" 2>"$errors" | tee -a "$table"; then
    cat "$errors" >&2
    exit 1
  fi
}

run "$bin/gli-bench-compare" --runs "$runs" "$bin/gli-bench-baseline" "$bin/gli-bench-startup"
run "$bin/gli-bench-curtains" "$runs"
run "$bin/gli-bench-drill" "$runs"
run "$bin/gli-bench-screens" "$runs"
run "$bin/gli-bench-print" "$runs"
run "$bin/gli-bench-classset" "$runs"
run "$bin/gli-bench-results" "$runs"

missed=$(grep -c '\*\*NO\*\*' "$table" || true)
echo
if (( missed > 0 )); then
  echo "$missed goal(s) missed."
  exit 3
fi
echo "Every goal met."
