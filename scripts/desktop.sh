#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop of the project's own for the desktop tests: an X server (Xvfb,
# 1920x1080) with a window manager (openbox), both run as the invoking user
# from a folder of their own, so that the tests meet real window-manager
# events and real X input without touching the user's session.
#
# usage:
#   scripts/desktop.sh start DIR    start it in DIR (an empty folder the caller
#                                   made with mktemp -d and owns); prints the
#                                   display, e.g. ":93"
#   scripts/desktop.sh stop DIR     end both by their recorded process ids,
#                                   remove DIR
#
# DIR holds: display (the display's name), xvfb.pid, openbox.pid,
# openbox's configuration home and both logs. The server listens on its
# local socket only. The display
# number is the one Xvfb finds free (-displayfd), so two runs never collide;
# -noreset keeps the server up between its clients (xdpyinfo, openbox).
# Exit 3 from start: Xvfb or openbox is not installed.
set -Eeuo pipefail

die() {
  echo "desktop.sh: $*" >&2
  exit 1
}

# Ends the processes recorded in DIR, by their ids.
end_processes() {
  local dir=$1 name pid
  for name in openbox xvfb; do
    [[ -f $dir/$name.pid ]] || continue
    pid=$(<"$dir/$name.pid")
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null || true
  done
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

has_window_manager() {
  local answer
  answer=$(DISPLAY=$1 xprop -root _NET_SUPPORTING_WM_CHECK) && [[ $answer == *"window id"* ]]
}

start() {
  local dir=$1
  [[ -d $dir && -O $dir ]] || die "start needs an empty folder of the caller's: $dir"
  command -v Xvfb >/dev/null && command -v openbox >/dev/null || {
    echo "desktop.sh: Xvfb or openbox is not installed" >&2
    exit 3
  }
  mkdir -p "$dir/config"
  # A start that fails leaves nothing running.
  trap 'end_processes "$dir"' EXIT
  # Xvfb writes the display number it took on fd 3 once it listens.
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset \
    >"$dir/xvfb.log" 2>&1 3>"$dir/display-number" &
  echo $! >"$dir/xvfb.pid"
  wait_for grep -q '[0-9]' "$dir/display-number" || die "Xvfb did not start (see $dir/xvfb.log)"
  local display=":$(tr -dc '0-9' <"$dir/display-number")"
  echo "$display" >"$dir/display"
  wait_for env DISPLAY="$display" xdpyinfo \
    || die "display $display does not answer (see $dir/xvfb.log)"

  # openbox with its default configuration, none of the user's.
  DISPLAY=$display XDG_CONFIG_HOME=$dir/config \
    openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  echo $! >"$dir/openbox.pid"
  wait_for has_window_manager "$display" \
    || die "openbox did not take display $display (see $dir/openbox.log)"
  trap - EXIT
  echo "$display"
}

stop() {
  [[ -d $1 ]] || return 0
  end_processes "$1"
  rm -rf "$1"
}

case "${1:-}" in
  start) [[ -n ${2:-} ]] || die "usage: $0 start DIR"; start "$2" ;;
  stop) [[ -n ${2:-} ]] || die "usage: $0 stop DIR"; stop "$2" ;;
  *) die "usage: $0 start|stop DIR" ;;
esac
