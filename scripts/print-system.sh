#!/usr/bin/env bash
# A private print system for the printing tests. Usage:
#   scripts/print-system.sh start    start cupsd if none runs, add the test queues
#   scripts/print-system.sh stop     remove the test queues, stop a cupsd started here
#   scripts/print-system.sh status   exit 0 when the test queues are ready
#   scripts/print-system.sh pause    stop the cupsd started here, keeping its queues
#   scripts/print-system.sh resume   start it again after pause
#
# What the tests rely on (runs as root; without root it does nothing):
#   - a running cupsd answering on /run/cups/cups.sock;
#   - queue "gli-test-pdf": the system's default printer, a PDF printer whose
#     files arrive in /tmp/gli-print-test/gli-test-pdf/ (one new *.pdf per
#     job; never rely on the file's name, compare the folder before and after);
#   - queue "gli-test-other": a second PDF printer, files in
#     /tmp/gli-print-test/gli-test-other/;
#   - both queues enabled and accepting jobs after each start;
#   - /tmp/gli-print-test/cupsd-started exists only when cupsd was started by
#     this script (then pause and resume may stop and start it).
# The tests may add and delete a queue named gli-test-doomed;
# stop removes it too. No other printer is touched; the default printer in
# place before start is given back at stop.
set -uo pipefail

queues=(gli-test-pdf gli-test-other)
test_queues=(gli-test-doomed)
default_queue=gli-test-pdf
root_dir=/tmp/gli-print-test
marker=$root_dir/cupsd-started
previous_default=$root_dir/previous-default
socket=/run/cups/cups.sock
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd

if [[ $(id -u) -ne 0 ]]; then
  echo "print-system.sh: needs root; the printing tests that need CUPS will be skipped" >&2
  exit 0
fi

scheduler_answers() {
  [[ -S $socket ]] && lpstat -h "$socket" -r 2>/dev/null | grep -q 'is running'
}

queue_exists() {
  lpstat -h "$socket" -v "$1" >/dev/null 2>&1
}

# A live cupsd process (one that died but was not reaped does not count).
cupsd_alive() {
  ps -C cupsd -o stat= 2>/dev/null | grep -qv '^Z'
}

gone() {
  [[ ! -e /proc/$1 ]] || grep -q '^State:[[:space:]]*Z' /proc/"$1"/status 2>/dev/null
}

wait_for_scheduler() {
  for _ in $(seq 200); do
    scheduler_answers && return 0
    sleep 0.05
  done
  return 1
}

start_daemon() {
  scheduler_answers && return 0
  if cupsd_alive; then
    # One is running but not answering yet: it may still be starting.
    wait_for_scheduler && return 0
    echo "print-system.sh: a cupsd runs but does not answer on $socket" >&2
    return 1
  fi
  mkdir -p /run/cups "$root_dir"
  # A socket left behind by a scheduler that died would stop the new one.
  [[ -S $socket ]] && rm -f "$socket"
  cupsd || { echo "print-system.sh: cupsd did not start" >&2; return 1; }
  wait_for_scheduler || { echo "print-system.sh: cupsd does not answer on $socket" >&2; return 1; }
  pgrep -n -x cupsd >"$marker"
}

stop_daemon() {
  [[ -f $marker ]] || return 0
  local pid
  pid=$(cat "$marker")
  if [[ -n $pid && $(cat /proc/"$pid"/comm 2>/dev/null) == cupsd ]]; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 200); do
      gone "$pid" && break
      sleep 0.05
    done
  fi
  rm -f "$marker"
}

add_queue() {
  local name=$1 out=$root_dir/$1
  mkdir -p "$out"
  chmod 0755 "$out"
  printf 'Out %s\nLabel 2\nUserUMask 0022\n' "$out" >/etc/cups/cups-pdf-"$name".conf
  lpadmin -h "$socket" -p "$name" -E -v cups-pdf:/"$name" -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo >/dev/null 2>&1 ||
    { echo "print-system.sh: cannot add queue $name" >&2; return 1; }
  cupsenable -h "$socket" "$name" 2>/dev/null
  cupsaccept -h "$socket" "$name" 2>/dev/null
}

remove_queue() {
  if queue_exists "$1"; then
    cancel -h "$socket" -a "$1" 2>/dev/null
    lpadmin -h "$socket" -x "$1" 2>/dev/null
  fi
  rm -f /etc/cups/cups-pdf-"$1".conf
}

start() {
  start_daemon || return 1
  mkdir -p "$root_dir"
  if [[ ! -f $previous_default ]]; then
    lpstat -h "$socket" -d 2>/dev/null | sed -n 's/^system default destination: //p' \
      >"$previous_default"
  fi
  for q in "${queues[@]}"; do add_queue "$q" || return 1; done
  lpadmin -h "$socket" -d "$default_queue" >/dev/null 2>&1
}

stop() {
  if scheduler_answers; then
    for q in "${queues[@]}" "${test_queues[@]}"; do remove_queue "$q"; done
    local before=""
    [[ -f $previous_default ]] && before=$(cat "$previous_default")
    if [[ -n $before ]] && queue_exists "$before"; then
      lpadmin -h "$socket" -d "$before" >/dev/null 2>&1
    fi
  fi
  stop_daemon
  rm -rf "$root_dir"
}

status() {
  scheduler_answers || return 1
  for q in "${queues[@]}"; do queue_exists "$q" || return 1; done
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  status) status ;;
  pause) stop_daemon ;;
  resume) [[ -d $root_dir ]] && start_daemon ;;
  *) echo "usage: $0 start|stop|status|pause|resume" >&2; exit 2 ;;
esac
