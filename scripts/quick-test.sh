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
# The sound tests (label sound) hear the drill on a sound system of the
# project's own (scripts/sound-system.sh): a PulseAudio server of the
# invoking user with a null sink, started here in a folder made with
# mktemp -d and named in PULSE_SERVER and GLI_SOUND_SYSTEM, stopped, its
# folder removed, on every exit, like the print system.
#
# The desktop tests (label desktop) run on a desktop of the project's own
# (scripts/desktop.sh): a private Xvfb with openbox, started here in a
# folder made with mktemp -d and stopped, its folder removed, on every exit,
# like the print system. They run in the first run only: real X input and
# a window manager's timing are the same with or without the sanitizers.
#
# The results-server tests (label postgres) use a PostgreSQL server of the
# project's own (scripts/postgres.sh): a private server on a Unix socket in
# a folder made with mktemp -d, stopped and its folder removed on every
# exit; without PostgreSQL's server binaries those tests skip and say why.
#
# It never ends without saying how it went: a step that fails is named on
# stderr as it fails, and the last lines are "Skipped test functions: N",
# each skipped function with its reason (from the QtTest output of both
# runs, which every test also writes to <build>/test-logs/), and then
# "Test suite passed" or "Test suite FAILED: " with the steps that failed.
set -Eeuo pipefail

step="starting"
failed=()
failed_command=""
print_dir=""
sound_dir=""
desktop_dir=""
postgres_dir=""
machine_before=""
runs=()

fail() {
  echo "test.sh: FAILED: $*" >&2
  failed+=("$*")
}

# The skipped functions of every run so far, one a line: "run test: function reason".
skipped() {
  local dir file
  for dir in ${runs[@]+"${runs[@]}"}; do
    for file in "$dir"/test-logs/*.txt; do
      [[ -f $file ]] || continue
      sed -n "s|^SKIP   : |$dir $(basename "$file" .txt): |p" "$file"
    done
  done
}

stop_print_system() {
  if [[ -f $print_dir/.gli-print-system ]]; then
    scripts/print-system.sh stop "$print_dir" || fail "stopping the private print system"
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
    fail "processes of the private print system were left running"
  fi
  if [[ -e $print_dir ]]; then
    fail "the private print system's folder is left: $print_dir"
  fi
}

stop_sound_system() {
  scripts/sound-system.sh stop "$sound_dir" || fail "stopping the private sound system"
  local left pid
  left=$(pgrep -f -- "$sound_dir" || true)
  for pid in $left; do kill "$pid" 2>/dev/null || true; done
  [[ -z $left ]] || fail "processes of the private sound system were left running"
  [[ ! -e $sound_dir ]] || fail "the private sound system's folder is left: $sound_dir"
}

stop_desktop() {
  scripts/desktop.sh stop "$desktop_dir" || fail "stopping the private desktop"
  local left pid
  left=$(pgrep -f -- "$desktop_dir" || true)
  for pid in $left; do kill "$pid" 2>/dev/null || true; done
  [[ -z $left ]] || fail "processes of the private desktop were left running"
  [[ ! -e $desktop_dir ]] || fail "the private desktop's folder is left: $desktop_dir"
}

stop_postgres() {
  scripts/postgres.sh stop "$postgres_dir" || fail "stopping the private PostgreSQL server"
  local left pid
  left=$(pgrep -f -- "$postgres_dir" || true)
  for pid in $left; do kill "$pid" 2>/dev/null || true; done
  [[ -z $left ]] || fail "processes of the private PostgreSQL server were left running"
  [[ ! -e $postgres_dir ]] || fail "the private PostgreSQL server's folder is left: $postgres_dir"
}

finish() {
  local status=$?
  trap - EXIT INT TERM HUP ERR
  set +e
  if ((status != 0)); then
    case $status in
      129 | 130 | 143) fail "interrupted during: $step" ;;
      *) fail "$step${failed_command:+ ($failed_command, exit $status)}" ;;
    esac
  fi
  [[ -n $print_dir ]] && stop_print_system
  [[ -n $sound_dir ]] && stop_sound_system
  [[ -n $desktop_dir ]] && stop_desktop
  [[ -n $postgres_dir ]] && stop_postgres
  if [[ -n $machine_before ]]; then
    local machine_after
    machine_after=$(scripts/print-system.sh machine-state)
    if [[ $machine_after != "$machine_before" ]]; then
      echo "Something under /etc/cups changed during the tests:" >&2
      diff <(echo "$machine_before") <(echo "$machine_after") >&2
      fail "/etc/cups changed during the tests"
    fi
  fi
  local list
  list=$(skipped)
  echo "Skipped test functions: $(grep -c . <<<"$list")"
  [[ -n $list ]] && sed 's/^/  /' <<<"$list"
  if ((${#failed[@]} == 0)); then
    echo "Test suite passed"
    exit 0
  fi
  local reasons="" reason
  for reason in "${failed[@]}"; do reasons+="${reasons:+; }$reason"; done
  echo "Test suite FAILED: $reasons"
  ((status != 0)) || status=1
  exit "$status"
}
trap 'failed_command=$BASH_COMMAND' ERR
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Each step names itself first: a failure ends the suite, named.
step="finding the project's folder"
cd "$(dirname "$0")/.."
step="installing the packages (scripts/deps.sh)"
true
step="building (scripts/build.sh release)"
scripts/build.sh release

step="reading the machine's print system (scripts/print-system.sh machine-state)"
machine_before=$(scripts/print-system.sh machine-state)

step="starting the private print system (scripts/print-system.sh start)"
print_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX")
start_status=0
scripts/print-system.sh start "$print_dir" >/dev/null || start_status=$?
if ((start_status == 0)); then
  export GLI_PRINT_SYSTEM=$print_dir CUPS_SERVER=$print_dir/cups.sock \
    CUPS_SERVERROOT=$print_dir/etc
elif ((start_status != 3)); then
  # Without cupsd (exit 3) the printing tests that need a print server skip
  # and say why; any other failure to start is a failure.
  failed_command="scripts/print-system.sh start $print_dir"
  exit "$start_status"
fi

step="starting the private sound system (scripts/sound-system.sh start)"
sound_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-sound.XXXXXXXX")
start_status=0
sound_server=$(scripts/sound-system.sh start "$sound_dir") || start_status=$?
if ((start_status == 0)); then
  export GLI_SOUND_SYSTEM=$sound_dir PULSE_SERVER=$sound_server
elif ((start_status != 3)); then
  # Without pulseaudio (exit 3) the sound tests skip and say why.
  failed_command="scripts/sound-system.sh start $sound_dir"
  exit "$start_status"
fi

step="starting the private desktop (scripts/desktop.sh start)"
desktop_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-desktop.XXXXXXXX")
scripts/desktop.sh start "$desktop_dir" >/dev/null
export GLI_DESKTOP=$desktop_dir

step="starting the private PostgreSQL server (scripts/postgres.sh start)"
postgres_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-postgres.XXXXXXXX")
start_status=0
scripts/postgres.sh start "$postgres_dir" >/dev/null || start_status=$?
if ((start_status == 0)); then
  set -a
  eval "$(scripts/postgres.sh env "$postgres_dir")"
  set +a
elif ((start_status != 3)); then
  failed_command="scripts/postgres.sh start $postgres_dir"
  exit "$start_status"
fi

step="the tests (ctest in build/)"
runs+=(build)
rm -f build/test-logs/*.txt
ctest --test-dir build --output-on-failure -j2

