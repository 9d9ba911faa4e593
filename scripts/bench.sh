#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release (build-bench/) and prints one table of
# figures: each the median of at least 10 runs, with min, max and the 95th
# percentile. Everything runs on Qt's offscreen platform with one 1920x1080
# screen at 96 dpi.
#
# usage: scripts/bench.sh [RUNS]     (default 20; fewer than 10 is raised to 10)
# The results-server figures need PostgreSQL's server binaries (postgresql).
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

# Everything made below goes however the script ends: one trap for all.
sound_dir='' postgres_dir='' table='' errors=''
clean_up() {
  [[ -z $postgres_dir ]] || scripts/postgres.sh stop "$postgres_dir" >/dev/null 2>&1 || true
  [[ -z $sound_dir ]] || scripts/sound-system.sh stop "$sound_dir" || true
  rm -f "$table" "$errors"
}
trap clean_up EXIT

# The drill speaks through a sound system of the project's own
# (scripts/sound-system.sh); where that cannot start, it is silent.
sound_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-sound.XXXXXXXX")
if server=$(scripts/sound-system.sh start "$sound_dir" 2>/dev/null); then
  export PULSE_SERVER=$server
else
  export PULSE_SERVER=unix:$sound_dir/none
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

# A start takes some 30 ms and one pair's ratio wanders by a third either
# way with the machine's noise: the start-up's median is taken over at
# least 200 pairs (a few seconds), so that a goal of 1.05 means something.
startup_runs=$(( runs > 200 ? runs : 200 ))
run "$bin/gli-bench-compare" --runs "$startup_runs" "$bin/gli-bench-baseline" "$bin/gli-bench-startup"
run "$bin/gli-bench-curtains" "$runs"
run "$bin/gli-bench-drill" "$runs"
run "$bin/gli-bench-screens" "$runs"
run "$bin/gli-bench-print" "$runs"
run "$bin/gli-bench-classset" "$runs"
run "$bin/gli-bench-results" "$runs"

# The results screen on a school's server: on a PostgreSQL server of the
# project's own (scripts/postgres.sh) in a temporary folder, stopped and
# removed however this ends; without PostgreSQL the row says so.
postgres_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-bench-postgres.XXXXXXXX")
if scripts/postgres.sh start "$postgres_dir" >/dev/null 2>"$errors"; then
  # shellcheck disable=SC2046 # one NAME=VALUE a line, no blanks in them
  run env $(scripts/postgres.sh env "$postgres_dir") "$bin/gli-bench-results-server" "$runs"
else
  cat "$errors" >&2
  echo "| Results server: not measured, no private PostgreSQL server | - | - | - | - | 0 | < 300 | - |" | tee -a "$table"
fi

missed=$(grep -c '\*\*NO\*\*' "$table" || true)
echo
if (( missed > 0 )); then
  echo "$missed goal(s) missed."
  exit 3
fi
echo "Every goal met."
