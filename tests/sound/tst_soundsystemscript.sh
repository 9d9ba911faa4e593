#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks scripts/sound-system.sh itself, as whoever runs the tests: its
# server runs as that user, answers on the folder's socket only, takes a
# sound on its null sink and gives it back on the sink's monitor, and once
# stopped leaves no process and no folder behind. Writes QtTest-like lines
# to LOG (scripts/test.sh counts the skips).
#
# usage: tst_soundsystemscript.sh SOUND_SYSTEM_SCRIPT LOG
set -uo pipefail
PATH=$PATH:/usr/sbin:/sbin

script=$1
log=$2
name=tst_soundsystemscript
: >"$log"
failures=0

say() { echo "$*" | tee -a "$log"; }
check() { # check FUNCTION MESSAGE COMMAND...
  local function=$1 message=$2
  shift 2
  if "$@"; then
    say "PASS   : $name::$function()"
  else
    say "FAIL!  : $name::$function() $message"
    failures=$((failures + 1))
  fi
}

unset PULSE_SERVER GLI_SOUND_SYSTEM
say "********* Start testing of $name *********"
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null; then
  say "SKIP   : $name::initTestCase() pulseaudio or pulseaudio-utils is not installed"
  say "Totals: 0 passed, 0 failed, 1 skipped"
  exit 0
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/gli-sound-check.XXXXXXXX")
address=$("$script" start "$dir")
check started "start failed: $address" [ $? -eq 0 ]
pid=$(cat "$dir/pulseaudio.pid" 2>/dev/null)
export PULSE_SERVER=$address

check ownSocket "the address is not the folder's socket: $address" \
  [ "$address" = "unix:$dir/native" ] && [ -S "$dir/native" ]
check sameUser "the server does not run as $(id -un)" \
  [ "$(ps -o user= -p "$pid" 2>/dev/null | tr -d ' ')" = "$(id -un)" ]
check nullSink "no null sink as the default" \
  bash -c 'LC_ALL=C pactl info 2>/dev/null | grep -q "^Default Sink: gli_test$"'

# A second of a tone played into the sink comes back on its monitor.
heard() {
  local tone=$dir/tone.raw recorded=$dir/recorded.raw peak
  python3 -c 'import math,struct,sys; sys.stdout.buffer.write(b"".join(struct.pack("<h", int(8000*math.sin(2*math.pi*440*i/22050))) for i in range(22050)))' >"$tone"
  parec --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 >"$recorded" 2>/dev/null &
  local recorder=$! tries=0
  # The tone goes once the recorder is connected to the monitor, however
  # long the machine takes to start it.
  until LC_ALL=C pactl list short source-outputs 2>/dev/null | grep -q .; do
    ((++tries < 500)) || return 1
    sleep 0.02
  done
  pacat --playback --raw --format=s16le --rate=22050 --channels=1 "$tone" 2>/dev/null
  kill "$recorder"
  wait "$recorder" 2>/dev/null
  peak=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); n=len(d)//2; print(max([abs(v) for v in struct.unpack("<%dh" % n, d[:2*n])] or [0]))' "$recorded")
  ((peak > 4000))
}
check monitorHearsTheSink "the monitor did not give back a tone played into the sink" heard

"$script" stop "$dir"
gone() {
  ! pgrep -f -- "$dir" >/dev/null && [[ ! -e $dir ]] && ! kill -0 "$pid" 2>/dev/null
}
check stopsEverything "something is left: $(pgrep -a -f -- "$dir") $(ls -d "$dir" 2>/dev/null)" gone

say "Totals: $((5 - failures)) passed, $failures failed, 0 skipped"
((failures == 0))
