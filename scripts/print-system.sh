#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A print system of the project's own for the printing tests: a CUPS
# scheduler (cupsd) that runs as the invoking user, root or not, from a
# folder of its own, and never touches the machine's print system: not
# /etc/cups, not its queues, not its default printer, not port 631.
#
# usage:
#   scripts/print-system.sh start [DIR]    start it in DIR (an empty folder the
#                                          caller made with mktemp -d and owns),
#                                          or in a new one; prints the folder
#   scripts/print-system.sh stop DIR       end its scheduler, remove DIR
#   scripts/print-system.sh pause DIR      end its scheduler, keep DIR
#   scripts/print-system.sh resume DIR     start the scheduler again on DIR
#   scripts/print-system.sh status DIR     exit 0 when it answers with its queues
#   scripts/print-system.sh add-queue DIR NAME     one more test queue
#   scripts/print-system.sh remove-queue DIR NAME
#   scripts/print-system.sh machine-state [DIR]
#                                          a fingerprint of the machine's
#                                          /etc/cups (or of DIR), to show it
#                                          unchanged (see machine_state)
#   scripts/print-system.sh run COMMAND... runs COMMAND with a print system of
#                                          its own (and a private HOME), named
#                                          in the environment as scripts/test.sh
#                                          names its own, stopped and removed
#                                          however COMMAND ends; without cupsd,
#                                          with no print system
#
# What the tests rely on:
#   - programs reach it through the environment
#       CUPS_SERVER=DIR/cups.sock      (the scheduler's only socket)
#       CUPS_SERVERROOT=DIR/etc        (so libcups reads no client.conf or
#                                       lpoptions of the machine's)
#     and the tests give themselves a private HOME, so that ~/.cups is never
#     read or written;
#   - queue "gli-test-pdf" is its default printer, queue "gli-test-other" a
#     second one; both enabled and accepting jobs after start, both PDF
#     printers with A4 (the default) and Letter and 5 mm margins all round;
#   - every job's document arrives, unchanged, as DIR/out/FOLDER/JOBID.pdf,
#     FOLDER being the queue's name with every byte other than A-Z a-z 0-9 .
#     and - written as _XX (two upper-case hex digits), once the job has
#     completed;
#   - DIR/cupsd.pid holds the scheduler's process id while it runs.
#
# Why it is built this way:
#   - The scheduler runs from a copy of /usr/sbin/cupsd inside DIR. Debian
#     confines /usr/sbin/cupsd with an AppArmor profile (enforced on a stock
#     Debian 12 desktop) that lets it execute only the system's own
#     backends and filters; AppArmor attaches a profile by the path of the
#     program started, and follows symbolic links to it, so a link would
#     still be confined, while a copy at a path no profile names runs
#     unconfined, as CUPS's own test suite runs the scheduler it built.
#   - Its ServerBin (DIR/bin) links the system's filters and helpers and
#     holds a copy of the project's backend (print-system/folder-backend.sh),
#     which copies each job's document into the folder its device URI
#     ("folder:/path") names. A copy with mode 0700: a scheduler started by
#     root runs such a backend as root (as it does the system's own backends
#     with that mode), so it may write into DIR, and the filters as lp, who
#     may only pass through DIR; a scheduler started by a plain user runs
#     all of it as that user.
#   - The queues take PDF as it comes (print-system/test-pdf-printer.ppd
#     has no filter for it), so a test reads back exactly the document
#     sent; other documents go through the system's filters to PDF first.
#   - The scheduler gets a clean environment and a session of its own, so
#     that an interrupt of the caller's terminal does not reach it and
#     stopping it ends every process it started.
set -uo pipefail
# CUPS's administration tools (lpadmin) live in /usr/sbin, which a plain
# user's PATH on Debian does not name.
PATH=$PATH:/usr/sbin:/sbin

here=$(cd "$(dirname "$0")" && pwd)
backend_source=$here/print-system/folder-backend.sh
ppd_source=$here/print-system/test-pdf-printer.ppd
queues=(gli-test-pdf gli-test-other)
default_queue=gli-test-pdf
marker=.gli-print-system

say() { echo "print-system.sh: $*" >&2; }

cupsd_binary() {
  local found
  found=$(command -v cupsd 2>/dev/null || true)
  [[ -n $found ]] || { [[ -x /usr/sbin/cupsd ]] && found=/usr/sbin/cupsd; }
  [[ -n $found ]] && echo "$found"
}

# The folder of a queue's documents (see above).
queue_folder() {
  local name=$1 out="" i c
  local LC_ALL=C
  for ((i = 0; i < ${#name}; i++)); do
    c=${name:i:1}
    if [[ $c == [A-Za-z0-9.-] ]]; then
      out+=$c
    else
      out+=$(printf '_%02X' "'$c")
    fi
  done
  echo "$out"
}

# Only a folder this script set up, owned by the caller, is ever used or
# removed.
check_dir() {
  local dir=${1:-}
  [[ -n $dir && -d $dir && ! -L $dir && -O $dir && -f $dir/$marker ]] ||
    { say "$dir is not a print system folder of this script"; exit 2; }
}

use_dir() {
  dir=$(cd "$1" && pwd)
  export CUPS_SERVER=$dir/cups.sock CUPS_SERVERROOT=$dir/etc HOME=$dir/home
  unset PRINTER LPDEST
}

pid_alive() {
  [[ -e /proc/$1 ]] && ! grep -q '^State:[[:space:]]*Z' /proc/"$1"/status 2>/dev/null
}

# The recorded scheduler, when it is still the one started from $dir.
running_pid() {
  local pid
  pid=$(cat "$dir/cupsd.pid" 2>/dev/null) || return 1
  [[ $pid =~ ^[0-9]+$ ]] && pid_alive "$pid" || return 1
  [[ $(readlink /proc/"$pid"/exe 2>/dev/null) == "$dir/sbin/cupsd"* ]] || return 1
  echo "$pid"
}

answers() {
  # lpstat speaks the caller's language: read its English answer.
  [[ -S $dir/cups.sock ]] && LC_ALL=C LANGUAGE= lpstat -r 2>/dev/null | grep -q 'is running'
}

write_configuration() {
  local user group
  user=$(id -un)
  group=$(id -gn)
  mkdir -p "$dir"/{etc/ppd,etc/ssl,bin/backend,sbin,spool/temp,cache,state,log,out,home}
  cp "$(cupsd_binary)" "$dir/sbin/cupsd"
  local part
  for part in filter daemon monitor notifier driver cgi-bin; do
    [[ -e /usr/lib/cups/$part ]] && ln -s "/usr/lib/cups/$part" "$dir/bin/$part"
  done
  install -m 0700 "$backend_source" "$dir/bin/backend/folder"

  {
    echo "ServerRoot $dir/etc"
    echo "ServerBin $dir/bin"
    echo "DataDir /usr/share/cups"
    echo "DocumentRoot /usr/share/cups/doc-root"
    echo "CacheDir $dir/cache"
    echo "StateDir $dir/state"
    echo "RequestRoot $dir/spool"
    echo "TempDir $dir/spool/temp"
    echo "ServerKeychain $dir/etc/ssl"
    echo "CreateSelfSignedCerts no"
    echo "Printcap $dir/etc/printcap"
    echo "AccessLog $dir/log/access_log"
    echo "ErrorLog $dir/log/error_log"
    echo "PageLog $dir/log/page_log"
    echo "FileDevice no"
    # As root the scheduler keeps its default User (lp) for what it runs:
    # it refuses to run anything as root by that setting.
    if [[ $(id -u) -ne 0 ]]; then
      echo "User $user"
      echo "Group $group"
      echo "SystemGroup $group"
    fi
  } >"$dir/etc/cups-files.conf"

  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
AccessLogLevel all
MaxLogSize 0
DirtyCleanInterval 0
PreserveJobHistory Yes
PreserveJobFiles No
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
}

start_scheduler() {
  if running_pid >/dev/null; then
    answers && return 0
  fi
  rm -f "$dir/cups.sock"
  (
    # Nothing of the caller's but the standard streams reaches the
    # scheduler, and those go to its log.
    for fd in /proc/self/fd/*; do
      fd=${fd##*/}
      ((fd > 2)) && eval "exec $fd>&-" 2>/dev/null
    done
    exec setsid env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
      "$dir/sbin/cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
      </dev/null >>"$dir/log/cupsd.out" 2>&1
  ) &
  echo $! >"$dir/cupsd.pid"
  local pid=$!
  for _ in $(seq 600); do
    answers && return 0
    pid_alive "$pid" || break
    sleep 0.05
  done
  say "the scheduler did not start; its log:"
  tail -n 20 "$dir/log/error_log" "$dir/log/cupsd.out" >&2 2>/dev/null
  stop_scheduler
  return 1
}

stop_scheduler() {
  local pid
  pid=$(running_pid) || { rm -f "$dir/cupsd.pid"; return 0; }
  # The scheduler leads its own process group: its jobs end with it.
  kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null
  for _ in $(seq 200); do
    pid_alive "$pid" || break
    sleep 0.05
  done
  kill -KILL -- "-$pid" 2>/dev/null
  for _ in $(seq 100); do
    pid_alive "$pid" || break
    sleep 0.05
  done
  rm -f "$dir/cupsd.pid" "$dir/cups.sock"
}

add_queue() {
  local name=$1 folder
  folder=$dir/out/$(queue_folder "$name")
  mkdir -p "$folder"
  lpadmin -p "$name" -E -v "folder:$folder" -P "$ppd_source" \
    -o printer-error-policy=abort-job >/dev/null 2>&1 ||
    { say "cannot add queue $name"; return 1; }
  echo "$folder"
}

remove_queue() {
  lpadmin -x "$1" >/dev/null 2>&1
  rm -rf "${dir:?}/out/$(queue_folder "$1")"
}

start() {
  [[ -n $(cupsd_binary) ]] || { say "cupsd is not installed (Debian package cups-daemon)"; return 3; }
  umask 077
  local given=${1:-}
  if [[ -n $given ]]; then
    [[ -d $given && ! -L $given && -O $given && -z $(ls -A "$given") ]] ||
      { say "$given must be an empty folder of yours (mktemp -d)"; return 2; }
    touch "$given/$marker"
  else
    given=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX") || return 1
    touch "$given/$marker"
  fi
  use_dir "$given"
  # A domain socket's path has room for 107 bytes.
  if ((${#dir} > 90)); then
    say "the folder's path is too long for a socket: $dir"
    return 2
  fi
  write_configuration
  # As root, the scheduler runs filters as lp: lp alone besides root may
  # pass through the folder and its ServerBin (to reach the spool and the
  # filters), and may list neither.
  if [[ $(id -u) -eq 0 ]]; then
    chgrp lp "$dir" "$dir/bin" && chmod 0710 "$dir" "$dir/bin"
  fi
  start_scheduler || return 1
  # A start that fails half-way leaves no scheduler running.
  local q
  for q in "${queues[@]}"; do add_queue "$q" >/dev/null || { stop_scheduler; return 1; }; done
  lpadmin -d "$default_queue" >/dev/null 2>&1 ||
    { say "cannot make $default_queue the default"; stop_scheduler; return 1; }
  echo "$dir"
}

# A fingerprint of the machine's print system folder (/etc/cups unless
# another is given), to show it unchanged. It compares:
#   - every entry under it: path, type, size, mode, owner, group and
#     modification time;
#   - the SHA-256 of every file the caller may read;
#   - a file the caller may not read (on a machine with a printer,
#     printers.conf and classes.conf are root's only) by that entry alone,
#     with a line saying so: a change of its size or time shows, a change
#     of its bytes that keeps both does not;
#   - a folder the caller may not list by its own entry, with a line saying
#     so: what lies inside it is not compared.
# It never fails for what it may not read.
machine_state() {
  local root=${1:-/etc/cups} file sum
  [[ -e $root ]] || { echo "no $root"; return 0; }
  local LC_ALL=C
  {
    find "$root" -printf '%p %y %s %m %u %g %T@\n' \
      \( -type d ! \( -readable -executable \) -printf '%p not listed: compared by its entry\n' \
      -prune \) 2>/dev/null
    find "$root" -type d ! \( -readable -executable \) -prune -o -type f -print0 2>/dev/null |
      while IFS= read -r -d '' file; do
        if sum=$(sha256sum 2>/dev/null <"$file"); then
          echo "$file sha256 ${sum%% *}"
        else
          echo "$file not readable: compared by its entry"
        fi
      done
  } | sort
  return 0
}

status() {
  answers || return 1
  local q
  for q in "${queues[@]}"; do lpstat -v "$q" >/dev/null 2>&1 || return 1; done
}

run_with() {
  local folder
  folder=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX") || return 1
  # shellcheck disable=SC2064 # the folder is fixed now
  trap "'$0' stop '$folder' >/dev/null 2>&1 || rm -rf '$folder'" EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  if "$0" start "$folder" >/dev/null; then
    export CUPS_SERVER=$folder/cups.sock CUPS_SERVERROOT=$folder/etc GLI_PRINT_SYSTEM=$folder
  else
    say "no print system: $1 runs without one"
    export CUPS_SERVER=$folder/none.sock CUPS_SERVERROOT=$folder
    unset GLI_PRINT_SYSTEM
  fi
  mkdir -p "$folder/home"
  HOME=$folder/home "$@"
}

command=${1:-}
case "$command" in
  run)
    shift
    [[ $# -gt 0 ]] || { say "run needs a command"; exit 2; }
    status=0
    run_with "$@" || status=$?
    exit "$status"
    ;;
  start) start "${2:-}" ;;
  machine-state) machine_state "${2:-}" ;;
  stop | pause | resume | status)
    check_dir "${2:-}"
    use_dir "$2"
    case "$command" in
      stop) stop_scheduler; chmod -R u+rwX "$dir" 2>/dev/null; rm -rf "$dir" ;;
      pause) stop_scheduler ;;
      resume) start_scheduler ;;
      status) status ;;
    esac
    ;;
  add-queue | remove-queue)
    check_dir "${2:-}"
    [[ -n ${3:-} ]] || { say "$command needs a queue name"; exit 2; }
    use_dir "$2"
    if [[ $command == add-queue ]]; then add_queue "$3"; else remove_queue "$3"; fi
    ;;
  *)
    echo "usage: $0 start [DIR] | stop|pause|resume|status DIR |" \
      "add-queue|remove-queue DIR NAME | machine-state [DIR] | run COMMAND..." >&2
    exit 2
    ;;
esac
outcome=$?
# A command that fails says so (status only answers a question).
if ((outcome != 0)) && [[ $command != status ]]; then
  say "$command failed (exit $outcome)"
fi
exit "$outcome"
