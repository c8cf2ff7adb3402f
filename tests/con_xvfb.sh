#!/bin/sh
# Runs one test on an X server of its own, for what only a real X connection
# shows. Xvfb picks the first free display and writes its number to fd 3.
cartella=$(mktemp -d "${TMPDIR:-/tmp}/calcolotti-x.XXXXXX") || exit 1
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$cartella/numero" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$cartella"' EXIT INT TERM
for _ in $(seq 100); do
  [ -s "$cartella/numero" ] && break
  sleep 0.1
done
if [ ! -s "$cartella/numero" ]; then
  echo "SKIPPED: $(basename "$1"): no X server (Xvfb) started"
  exit 77
fi
DISPLAY=:$(cat "$cartella/numero") QT_QPA_PLATFORM=xcb "$@"
