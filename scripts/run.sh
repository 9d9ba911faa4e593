#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts GLI INSIEMI.
# Without a display it starts the program on a private Xvfb display, saves a
# screenshot of the start screen once the curtains have opened, prints its
# path and ends both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
scripts/build.sh release

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/gli-insiemi
fi

shot="$PWD/build/start-screen.png"
display=""
for n in $(seq 90 140); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "no free X display number" >&2; exit 1; }

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 100); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done

DISPLAY=$display build/gli-insiemi >/dev/null 2>&1 &
app=$!

for _ in $(seq 200); do
  DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q '"GLI INSIEMI"' && break
  sleep 0.05
done

# The curtains have opened when the screen stops changing.
previous=""
for _ in $(seq 60); do
  sleep 0.5
  DISPLAY=$display import -window root "$shot.tmp.png" 2>/dev/null || continue
  current=$(md5sum < "$shot.tmp.png")
  if [[ "$current" == "$previous" ]]; then break; fi
  previous=$current
done
mv "$shot.tmp.png" "$shot"
echo "$shot"
