#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The device of the private print system's test queues (scripts/print-system.sh):
# copies each job's document, unchanged, into the folder its device URI
# names ("folder:/path/to/folder"), as JOBID.pdf. The file appears whole or
# not at all. Called without arguments, it lists no device.
[ $# -eq 0 ] && exit 0
if [ $# -lt 5 ]; then
  echo "ERROR: usage: folder job-id user title copies options [file]" >&2
  exit 1
fi
folder=${DEVICE_URI#folder:}
case $folder in
  /*) ;;
  *) echo "ERROR: not a folder URI: $DEVICE_URI" >&2; exit 1 ;;
esac
if [ ! -d "$folder" ]; then
  echo "ERROR: no folder $folder" >&2
  exit 1
fi
part=$folder/.$1.part
if [ $# -ge 6 ]; then
  cat -- "$6" >"$part" || exit 1
else
  cat >"$part" || exit 1
fi
mv -- "$part" "$folder/$1.pdf" || exit 1
echo "INFO: job $1 written to $folder/$1.pdf" >&2
exit 0
