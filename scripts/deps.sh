#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program, its tests and its tools need.
# Quiet and quick when everything is already there.
set -eEuo pipefail
# Whatever fails says so, with the command that failed.
trap 'echo "deps.sh: FAILED (exit $?): $BASH_COMMAND" >&2' ERR

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev
  libcups2-dev
  qt6-multimedia-dev libqt6multimedia6 espeak-ng pulseaudio pulseaudio-utils
  libqt6sql6 libqt6sql6-sqlite libqt6sql6-psql sqlite3 postgresql
  fonts-liberation2
  xvfb xauth x11-utils imagemagick openbox xdotool wmctrl
  cups cups-daemon cups-client cups-bsd poppler-utils
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file lintian
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "deps.sh: these packages are missing and only root can install them" \
      "(there is no sudo): ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
