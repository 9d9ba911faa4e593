#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (build-sanitize/) and runs them all. Any sanitizer report
# fails the run, even one from a test that otherwise passed: the reports are
# written to files and the run fails when one exists.
#
# Of the suppression files in tests/sanitizer/, only lsan.supp names
# anything: leaks inside four system libraries the program never calls
# itself (fontconfig, dbus, glib, gobject). asan.supp and ubsan.supp are
# empty; nothing of the program's code or of Qt is suppressed.
#
# usage: scripts/sanitize.sh [ctest arguments...]
set -eEuo pipefail
# Whatever fails says so, with the command that failed.
trap 'echo "sanitize.sh: FAILED (exit $?): $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."

# The build machine is shared: two compilers at a time unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
scripts/build.sh sanitize || { echo "sanitize.sh: FAILED: the sanitizer build" >&2; exit 1; }

dir=build-sanitize
supp="$PWD/tests/sanitizer"
reports="$PWD/$dir/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:exitcode=86:detect_leaks=1\
:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1\
:detect_invalid_pointer_pairs=0:strict_string_checks=1:allocator_may_return_null=0\
:suppressions=$supp/asan.supp:log_path=$reports/asan"
export LSAN_OPTIONS="exitcode=86:print_suppressions=0:suppressions=$supp/lsan.supp"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=86\
:suppressions=$supp/ubsan.supp:log_path=$reports/ubsan"

status=0
if ! ctest --test-dir "$dir" --output-on-failure -j"${GLI_SANITIZE_JOBS:-2}" "$@"; then
  status=1
  echo "sanitize.sh: FAILED: tests under the sanitizers (ctest in $dir/)" >&2
fi

shopt -s nullglob
found=("$reports"/*)
if (( ${#found[@]} > 0 )); then
  echo "Sanitizer reports:" >&2
  for f in "${found[@]}"; do
    echo "==== $f" >&2
    cat "$f" >&2
  done
  echo "sanitize.sh: FAILED: the sanitizers reported (above)" >&2
  status=1
fi
if (( status == 0 )); then
  echo "Sanitizer run clean."
fi
exit "$status"
