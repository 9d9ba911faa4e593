#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sound system of the project's own for the sound tests: a PulseAudio
# server run as the invoking user, root or not, from a folder of its own,
# with one null sink whose monitor the tests record. It never touches the
# machine's sound: no system configuration, no device, no D-Bus, its only
# socket inside the folder.
#
# usage:
#   scripts/sound-system.sh start DIR   start it in DIR (an empty folder the
#                                       caller made with mktemp -d and owns);
#                                       prints the server's address, e.g.
#                                       "unix:/tmp/gli-sound.X/native"
#   scripts/sound-system.sh stop DIR    end it by its recorded process id,
#                                       remove DIR
#
# Programs reach it through PULSE_SERVER=unix:DIR/native (anonymous: no
# cookie); the sink "gli_test" is the default one, its monitor
# "gli_test.monitor" the default source. DIR holds pulseaudio.pid, the
# configuration, the server's state and runtime folders and its log.
# Exit 3 from start: pulseaudio is not installed.
set -Eeuo pipefail
PATH=$PATH:/usr/sbin:/sbin

die() {
  echo "sound-system.sh: $*" >&2
  exit 1
}

end_server() {
  local dir=$1 pid
  [[ -f $dir/pulseaudio.pid ]] || return 0
  pid=$(<"$dir/pulseaudio.pid")
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  kill -9 "$pid" 2>/dev/null || true
}

# Waits up to thirty seconds for a command to succeed (a loaded machine).
wait_for() {
  local _
  for _ in $(seq 600); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

start() {
  local dir=$1
  [[ -d $dir && -O $dir ]] || die "start needs an empty folder of the caller's: $dir"
  dir=$(cd "$dir" && pwd)
  command -v pulseaudio >/dev/null || {
    echo "sound-system.sh: pulseaudio is not installed" >&2
    exit 3
  }
  mkdir -p "$dir"/{home,config,state,runtime}
  chmod 0700 "$dir/runtime"
  cat >"$dir/server.pa" <<PA
load-module module-null-sink sink_name=gli_test rate=44100 channels=2
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
set-default-sink gli_test
set-default-source gli_test.monitor
PA
  # Nothing of the user's or the machine's: its own home, configuration,
  # state and runtime folders; a clean environment and a session of its
  # own, so that an interrupt of the caller's terminal does not reach it.
  trap 'end_server "$dir"' EXIT
  env -i PATH="$PATH" HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
    XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" \
    PULSE_STATE_PATH="$dir/state" \
    setsid pulseaudio --daemonize=no --system=false -n -F "$dir/server.pa" \
    --exit-idle-time=-1 --use-pid-file=no --disallow-exit --disable-shm=yes \
    --realtime=no --high-priority=no \
    --log-target=file:"$dir/pulseaudio.log" --log-level=notice \
    </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/pulseaudio.pid"
  wait_for env -i PATH="$PATH" HOME="$dir/home" PULSE_SERVER="unix:$dir/native" pactl info \
    || die "pulseaudio did not start (see $dir/pulseaudio.log)"
  trap - EXIT
  echo "unix:$dir/native"
}

stop() {
  [[ -d $1 ]] || return 0
  end_server "$1"
  rm -rf "$1"
}

case "${1:-}" in
  start) [[ -n ${2:-} ]] || die "usage: $0 start DIR"; start "$2" ;;
  stop) [[ -n ${2:-} ]] || die "usage: $0 stop DIR"; stop "$2" ;;
  *) die "usage: $0 start|stop DIR" ;;
esac
