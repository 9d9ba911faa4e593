#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks scripts/print-system.sh itself, as whoever runs the tests: its
# scheduler runs as that user from the private folder, listens on that
# folder's socket and on no network port, prints a document unchanged into
# the queue's folder, refuses folders that are not its own, and once stopped
# leaves no process and no folder behind, and the machine's /etc/cups as it
# was; and that its check of /etc/cups sees a change of a file it may not
# read. Writes QtTest-like lines to LOG (scripts/test.sh counts the skips).
#
# usage: tst_printsystemscript.sh PRINT_SYSTEM_SCRIPT LOG
set -uo pipefail

script=$1
log=$2
name=tst_printsystemscript
: >"$log"
failures=0
checks=0

say() { echo "$*" | tee -a "$log"; }
check() { # check FUNCTION MESSAGE COMMAND...
  local function=$1 message=$2
  shift 2
  checks=$((checks + 1))
  # A function with a data row is named "function(row)", as QtTest does.
  [[ $function == *\) ]] || function+="()"
  if "$@"; then
    say "PASS   : $name::$function"
  else
    say "FAIL!  : $name::$function $message"
    failures=$((failures + 1))
  fi
}

unset CUPS_SERVER CUPS_SERVERROOT GLI_PRINT_SYSTEM PRINTER LPDEST

# machine-state on a folder of its own, holding a file and a folder that
# whoever runs the check may not read (root's only on a machine with a
# printer): both are still compared by their entries, and a change of the
# file's size or time is seen. Root may read anything, so as root the check
# runs as nobody.
state_dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-state.XXXXXXXX")
trap 'chmod -R u+rwX "$state_dir"; rm -rf "$state_dir"' EXIT
folder=$state_dir/cups
hidden=$folder/printers.conf
mkdir "$folder" "$folder/ssl"
echo 'Printer Aula' >"$hidden"
echo 'LogLevel warn' >"$folder/cupsd.conf"
chmod 0200 "$hidden"
chmod 0300 "$folder/ssl"
install -m 0755 "$script" "$state_dir/print-system.sh"
chmod 0755 "$state_dir"
as_checker=()
if (($(id -u) == 0)); then
  if runuser -u nobody -- true 2>/dev/null; then
    as_checker=(runuser -u nobody --)
  elif setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups true 2>/dev/null; then
    as_checker=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
  fi
else
  as_checker=(env)
fi
state() { "${as_checker[@]}" "$state_dir/print-system.sh" machine-state "$folder"; }
why_not=""
if ((${#as_checker[@]} == 0)); then
  why_not="running as root, and neither runuser nor setpriv can run the check as nobody"
elif ! "${as_checker[@]}" test -x "$state_dir/print-system.sh"; then
  why_not="the checker ($(${as_checker[*]} id -un)) cannot reach $state_dir"
elif "${as_checker[@]}" cat "$hidden" >/dev/null 2>&1; then
  why_not="the checker ($(${as_checker[*]} id -un)) may read a file of mode 0200"
fi
if [[ -n $why_not ]]; then
  say "SKIP   : $name::machineStateComparesWhatItMayNotRead() $why_not"
else
  compares_what_it_may_not_read() {
    local seen
    seen=$(state) || return 1
    grep -q "^$hidden f 13 200 " <<<"$seen" &&
      grep -qx "$hidden not readable: compared by its entry" <<<"$seen" &&
      grep -qx "$folder/ssl not listed: compared by its entry" <<<"$seen" &&
      grep -q "^$folder/cupsd.conf sha256 [0-9a-f]\{64\}$" <<<"$seen"
  }
  check machineStateComparesWhatItMayNotRead "$(state 2>&1 | tr '\n' ';')" compares_what_it_may_not_read

  # Each change alone: the other of size and time is put back.
  sees_change() { # sees_change size|time
    local before after
    before=$(state)
    touch -r "$hidden" "$state_dir/time"
    case $1 in
      size) echo 'Info Aula 2' >>"$hidden"; touch -r "$state_dir/time" "$hidden" ;;
      time) touch -m -d '2001-02-03 04:05:06' "$hidden" ;;
    esac
    after=$(state)
    # Seen in the file's own entry.
    [[ $(grep "^$hidden f " <<<"$before") != "$(grep "^$hidden f " <<<"$after")" ]]
  }
  for change in size time; do
    check "machineStateSeesAChangeOfAFileItMayNotRead($change)" \
      "a change of its $change was not seen" sees_change "$change"
  done
fi

if [[ -z $(command -v cupsd) && ! -x /usr/sbin/cupsd ]]; then
  say "SKIP   : $name::initTestCase() cupsd is not installed (Debian package cups-daemon)"
  exit 0
fi
for tool in lp lpstat; do
  if [[ -z $(command -v $tool) ]]; then
    say "SKIP   : $name::initTestCase() $tool is not installed (Debian package cups-client)"
    exit 0
  fi
done

machine_before=$("$script" machine-state)
dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-print.XXXXXXXX")
foreign=$(mktemp -d "${TMPDIR:-/tmp}/gli-foreign.XXXXXXXX")
cleanup() {
  chmod -R u+rwX "$state_dir"
  rm -rf "$state_dir"
  [[ -f $dir/.gli-print-system ]] && "$script" stop "$dir" >/dev/null 2>&1
  rm -rf "$foreign"
  [[ -d $dir ]] && rmdir "$dir" 2>/dev/null
}
trap cleanup EXIT

started() {
  [[ $("$script" start "$dir") == "$dir" ]]
}
check startsInTheFolderGiven "start failed" started

pid=$(cat "$dir/cupsd.pid" 2>/dev/null)
runs_as_caller() {
  [[ -n $pid && $(readlink "/proc/$pid/exe") == "$dir/sbin/cupsd" ]] &&
    [[ $(stat -c %u "/proc/$pid") == "$(id -u)" ]]
}
check schedulerRunsFromItsFolderAsTheCaller "pid '$pid' is not $dir/sbin/cupsd of $(id -un)" \
  runs_as_caller

# The scheduler's sockets: a listening domain socket at the folder's
# socket, no listening TCP socket at all.
socket_inodes() {
  local fd
  for fd in /proc/"$pid"/fd/*; do
    readlink "$fd"
  done 2>/dev/null | sed -n 's/^socket:\[\([0-9]*\)\]$/\1/p'
}
listens_on_its_socket_only() {
  local inodes inode
  inodes=$(socket_inodes)
  [[ -n $inodes ]] || return 1
  for inode in $inodes; do
    # /proc/net/tcp*: state 0A is LISTEN, the inode is the tenth column.
    awk -v i="$inode" '$4 == "0A" && $10 == i { found = 1 } END { exit !found }' \
      /proc/net/tcp /proc/net/tcp6 2>/dev/null && return 1
  done
  for inode in $inodes; do
    awk -v i="$inode" -v p="$dir/cups.sock" '$7 == i && $8 == p { found = 1 } END { exit !found }' \
      /proc/net/unix && return 0
  done
  return 1
}
check listensOnItsSocketOnly "not only on $dir/cups.sock" listens_on_its_socket_only

export CUPS_SERVER=$dir/cups.sock CUPS_SERVERROOT=$dir/etc HOME=$dir/home
check defaultIsTheTestQueue "lpstat -d: $(lpstat -d 2>&1)" \
  grep -qx 'system default destination: gli-test-pdf' <(lpstat -d 2>&1)

document=$foreign/sheet.pdf
printf '%%PDF-1.4\n%% GLI INSIEMI print system test %s\n%%%%EOF\n' "$RANDOM" >"$document"
prints_unchanged() {
  local answer job file
  answer=$(lp -d gli-test-other "$document" 2>&1) || return 1
  job=$(sed -n 's/^request id is gli-test-other-\([0-9]*\) .*/\1/p' <<<"$answer")
  [[ -n $job ]] || return 1
  file=$dir/out/gli-test-other/$job.pdf
  for _ in $(seq 600); do
    [[ -f $file ]] && break
    sleep 0.1
  done
  cmp -s "$document" "$file"
}
check printsTheDocumentUnchanged "the document did not arrive as sent" prints_unchanged
unset CUPS_SERVER CUPS_SERVERROOT HOME

touch "$foreign/keep"
refuses_foreign() {
  ! "$script" start "$foreign" >/dev/null 2>&1 &&
    ! "$script" stop "$foreign" >/dev/null 2>&1 &&
    [[ -f $foreign/keep && -f $foreign/sheet.pdf ]]
}
check refusesFoldersNotItsOwn "a foreign folder was used or removed" refuses_foreign

stops_everything() {
  "$script" stop "$dir" >/dev/null || return 1
  [[ ! -e /proc/$pid ]] || grep -q '^State:[[:space:]]*Z' "/proc/$pid/status" || return 1
  [[ ! -e $dir && -z $(pgrep -f -- "$dir") ]]
}
check stopsEverything "a process or the folder is left" stops_everything

# "run" gives a command a print system of its own for as long as it runs.
runs_a_command_with_its_own() {
  local seen
  seen=$("$script" run sh -c 'lpstat -d; echo "$CUPS_SERVER"') || return 1
  local socket=${seen##*$'\n'}
  [[ $seen == *gli-test-pdf* && $socket == */cups.sock && ! -e ${socket%/cups.sock} ]]
}
check runGivesACommandItsOwnAndRemovesIt "run left its folder or gave no print system" \
  runs_a_command_with_its_own

machine_unchanged() {
  [[ $("$script" machine-state) == "$machine_before" ]]
}
check leavesTheMachineAsItWas "/etc/cups changed" machine_unchanged

say "Totals: $((checks - failures)) passed, $failures failed"
((failures == 0))
