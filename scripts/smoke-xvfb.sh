#!/usr/bin/env bash
# Smoke test of the desktop program in a real X server: starts zuvar under Xvfb, waits for its
# main window, takes a screenshot of the screen and checks that the window was drawn (the
# picture has many colours, not one uniform fill).
# Usage: smoke-xvfb.sh <path to zuvar> [screenshot file]
set -euo pipefail

exe=${1:?usage: smoke-xvfb.sh <path to zuvar> [screenshot.png]}
shot=${2:-${TMPDIR:-/tmp}/zuvar-smoke.png}
for tool in xvfb-run xwininfo import identify; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

inner=$(cat <<'INNER'
set -u
exe=$1; shot=$2
QT_QPA_PLATFORM=xcb "$exe" &
pid=$!
found=0
for _ in $(seq 1 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q 'ZUVAR 32 Pro - Edytor graficzny'; then found=1; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if [ "$found" = 1 ]; then
  sleep 1.5
  import -window root "$shot"
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$found" = 1 ] || { echo "smoke: the main window did not appear"; exit 1; }
INNER
)

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$inner" smoke "$exe" "$shot"

colours=$(identify -format '%k' "$shot")
echo "smoke: screenshot $shot has $colours colours"
if [ "$colours" -lt 16 ]; then
  echo "smoke: the window was not drawn"
  exit 1
fi
echo "smoke: passed"
