#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that every test function of the QtTest executables of a build sets
# up what it needs and leaves nothing behind: runs each executable once with
# its functions in reverse order, then once per function with that function
# alone. Each run has the command line (less its log files) and the
# ENVIRONMENT that ctest gives that test (ctest --show-only=json-v1), and
# the whole script runs inside a private print system of its own
# (scripts/print-system.sh run), named in the environment as scripts/test.sh
# names its own; tests not labelled cups point themselves elsewhere through
# their ctest environment. A test whose command names functions (as
# tst_drillscreen_scaled does) is run with those functions only.
#
# Each run has a TMPDIR of its own, empty at the start; a run that leaves
# anything there has left something behind, and fails. (Listing the
# functions leaves the test object's temporary folders: QtTest ends the
# program without destroying it. Those are removed unsaid.)
#
# Prints every failing run with the test's failure lines, then the
# functions skipped in any run with their reason, and a summary; exits 1
# when any run failed. Not part of scripts/test.sh: a full round takes
# several minutes.
#
# usage: tests/run-in-any-order.sh [BUILD_DIR [TEST_REGEX]]
#   BUILD_DIR   default build
#   TEST_REGEX  only the tests whose ctest name matches (as ctest -R)
set -uo pipefail
trap 'echo "run-in-any-order.sh: FAILED (exit $?): $BASH_COMMAND" >&2' ERR

cd "$(dirname "$0")/.." || exit 1
build=$(cd "${1:-build}" 2>/dev/null && pwd) ||
  { echo "run-in-any-order.sh: no build folder ${1:-build}" >&2; exit 2; }

if [[ -z ${GLI_ORDER_PRINT_SYSTEM:-} ]]; then
  GLI_ORDER_PRINT_SYSTEM=1 exec scripts/print-system.sh run "$0" "$build" "${2:-}"
fi

# Each test as one line: name, program, its arguments and its environment,
# tab-separated, the arguments and the environment entries separated by
# the unit separator (0x1f). A test ctest has no command for (not built)
# has an empty program.
tests=$(ctest --test-dir "$build" --show-only=json-v1 ${2:+-R "$2"} | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    command = test.get("command") or [""]
    props = {p["name"]: p["value"] for p in test.get("properties", [])}
    env = props.get("ENVIRONMENT", [])
    print("\t".join([test["name"], command[0], "\x1f".join(command[1:]), "\x1f".join(env)]))
') || { echo "run-in-any-order.sh: cannot read the tests of $build" >&2; exit 1; }

logs=$(mktemp -d "${TMPDIR:-/tmp}/gli-order.XXXXXXXX")
trap 'rm -rf "$logs"' EXIT
scratch=$logs/tmp

fresh_scratch() {
  rm -rf "$scratch"
  mkdir "$scratch"
}
runs=0
failures=()
skips=()

# run NAME HOW PROGRAM ENV... -- FUNCTIONS...: one run of a test, reported
# when it fails.
run() {
  local name=$1 how=$2 program=$3
  shift 3
  local env=() log="$logs/run.txt" status
  while [[ $1 != -- ]]; do env+=("$1"); shift; done
  shift
  runs=$((runs + 1))
  fresh_scratch
  env TMPDIR="$scratch" "${env[@]}" timeout 600 "$program" "$@" </dev/null >"$log" 2>&1
  status=$?
  # (Qt makes its runtime folder, runtime-USER, there when
  # XDG_RUNTIME_DIR is not set, and keeps it for later runs.)
  local left
  left=$(ls -A "$scratch" | grep -v '^runtime-' || true)
  if ((status == 0)) && [[ -n $left ]]; then
    echo "Left in TMPDIR: $left" >>"$log"
    status=1
  fi
  mapfile -t -O "${#skips[@]}" skips < <(sed -n "s/^SKIP   : /$name, $how: /p" "$log")
  ((status == 0)) && return 0
  failures+=("$name ($how)")
  echo "FAILED: $name, $how, exit $status: $program $*"
  # QtTest's own failure lines, or the end of the output after a crash.
  if grep -q '^FAIL!\|^XPASS\|^QFATAL\|^Left in TMPDIR' "$log"; then
    grep -A2 '^FAIL!\|^XPASS\|^QFATAL\|^Left in TMPDIR' "$log" | sed 's/^/    /'
  else
    tail -n 15 "$log" | sed 's/^/    /'
  fi
}

while IFS=$'\t' read -r name program arguments environment; do
  case $program in
    "") failures+=("$name (not built)"); echo "FAILED: $name is not built"; continue ;;
    "$build"/*) ;;
    *) continue ;; # not a QtTest executable of the build (a script, cmake)
  esac
  IFS=$'\x1f' read -r -a argv <<<"$arguments"
  IFS=$'\x1f' read -r -a env <<<"$environment"
  # The functions the command names, without its log files ("-o FILE").
  functions=()
  for ((i = 0; i < ${#argv[@]}; i++)); do
    if [[ ${argv[i]} == -o ]]; then i=$((i + 1)); else functions+=("${argv[i]}"); fi
  done
  if ((${#functions[@]} == 0)); then
    fresh_scratch
    if ! listed=$(env TMPDIR="$scratch" "${env[@]}" "$program" -functions 2>&1 </dev/null); then
      failures+=("$name (listing its functions)")
      echo "FAILED: $name -functions: $listed"
      continue
    fi
    mapfile -t functions < <(sed -n 's/^\([A-Za-z_][A-Za-z0-9_]*\)()$/\1/p' <<<"$listed")
  fi
  reversed=()
  for ((i = ${#functions[@]} - 1; i >= 0; i--)); do reversed+=("${functions[i]}"); done
  echo "$name: ${#functions[@]} functions"
  run "$name" "in reverse order" "$program" "${env[@]}" -- "${reversed[@]}"
  for function in "${functions[@]}"; do
    run "$name" "$function alone" "$program" "${env[@]}" -- "$function"
  done
done <<<"$tests"

echo "Skipped in these runs: ${#skips[@]}"
for skip in "${skips[@]}"; do echo "  $skip"; done
echo "Runs: $runs, failed: ${#failures[@]}"
for failure in "${failures[@]}"; do echo "  $failure"; done
if ((${#failures[@]} > 0)); then exit 1; fi
