#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite with ctest,
# then builds it again with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer and runs it there. Exits non-zero on any failure or report.
#
# The printing tests print on a print system of the project's own
# (scripts/print-system.sh), started here as the invoking user in a folder
# made with mktemp -d, and stopped by the process id it recorded, its folder
# removed, on every exit: success, failure or interrupt. The machine's print
# system is never touched; at the end the script checks that nothing under
# /etc/cups changed and that no process of the private one is left.
#
# Last, it prints "Skipped test functions: N" and each skipped function with
# its reason, from the QtTest output of both runs (which every test also
# writes to <build>/test-logs/).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
scripts/build.sh release

machine_before=$(scripts/print-system.sh machine-state)
print_dir=""
runs=(build)

# The skipped functions of every run so far, one a line: "run test: function reason".
skipped() {
  local dir file
  for dir in "${runs[@]}"; do
    for file in "$dir"/test-logs/*.txt; do
      [[ -f $file ]] || continue
      sed -n "s|^SKIP   : |$dir $(basename "$file" .txt): |p" "$file"
    done
  done
}

finish() {
  local status=$?
  trap - EXIT INT TERM HUP
  if [[ -n $print_dir ]]; then
    if [[ -f $print_dir/.gli-print-system ]]; then
      scripts/print-system.sh stop "$print_dir" || status=1
    else
      rmdir "$print_dir" 2>/dev/null || true
    fi
    # Anything still naming the private folder was started by it: report
    # it, and end it by its id.
    local left pid
    left=$(pgrep -f -- "$print_dir" || true)
    if [[ -n $left ]]; then
      echo "Processes of the private print system left running:" >&2
      for pid in $left; do
        ps -o pid=,args= -p "$pid" >&2 || true
        kill "$pid" 2>/dev/null || true
      done
      status=1
    fi
    if [[ -e $print_dir ]]; then
      echo "The private print system's folder is left: $print_dir" >&2
      status=1
    fi
  fi
  if [[ $(scripts/print-system.sh machine-state) != "$machine_before" ]]; then
    echo "Something under /etc/cups changed during the tests:" >&2
    diff <(echo "$machine_before") <(scripts/print-system.sh machine-state) >&2 || true
    status=1
  fi
  local list
  list=$(skipped)
  echo "Skipped test functions: $(grep -c . <<<"$list" || true)"
  [[ -n $list ]] && sed 's/^/  /' <<<"$list"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

print_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX")
if scripts/print-system.sh start "$print_dir" >/dev/null; then
  export GLI_PRINT_SYSTEM=$print_dir CUPS_SERVER=$print_dir/cups.sock \
    CUPS_SERVERROOT=$print_dir/etc
else
  status=$?
  # Without cupsd (exit 3) the printing tests that need a print server skip
  # and say why; any other failure to start is a failure.
  ((status == 3)) || exit "$status"
fi

rm -f build/test-logs/*.txt
ctest --test-dir build --output-on-failure -j2

runs+=(build-sanitize)
rm -f build-sanitize/test-logs/*.txt
scripts/sanitize.sh
