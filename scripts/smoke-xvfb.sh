#!/usr/bin/env bash
# Smoke test of the desktop program in a real X server. Starts zuvar under Xvfb with an example
# project, closes the About box with Enter, runs the project to its end in real time (Ctrl+F9),
# answers its read dialog, waits for the end-of-run message and takes a screenshot. Passes when
# the picture shows a drawn window and the output panel, yellow program output on black.
# Usage: smoke-xvfb.sh <path to zuvar> <example.bin> [screenshot file]
set -euo pipefail

exe=${1:?usage: smoke-xvfb.sh <path to zuvar> <example.bin> [screenshot.png]}
project=${2:?usage: smoke-xvfb.sh <path to zuvar> <example.bin> [screenshot.png]}
shot=${3:-${TMPDIR:-/tmp}/zuvar-smoke.png}
for tool in xvfb-run xwininfo xdotool import identify convert; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

# A data folder of its own: no copy of an unsaved diagram left by an earlier program is offered.
data_home=$(mktemp -d)
trap 'rm -rf "$data_home"' EXIT
export XDG_DATA_HOME=$data_home

inner=$(cat <<'INNER'
set -u
exe=$1; project=$2; shot=$3
# Prints the id of the window with exactly this title, if there is one.
find_window() { xdotool search --name "^$1\$" 2>/dev/null | head -1; }
# Waits up to $2 seconds (default 30) for the window and prints its id.
window() {
  for _ in $(seq 1 $((${2:-30} * 5))); do
    id=$(find_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
press() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3; xdotool key "$2"; }
fail() { echo "smoke: $1"; import -window root "$shot"; kill "$pid" 2>/dev/null; exit 1; }

QT_QPA_PLATFORM=xcb "$exe" "$project" &
pid=$!
about=$(window "O programie") || fail "the About box did not appear"
# A busy machine may drop a key sent before the box takes the focus: send it until the box goes.
for _ in 1 2 3 4 5; do
  press "$about" Return
  sleep 1
  [ -z "$(find_window "O programie")" ] && break
done
[ -z "$(find_window "O programie")" ] || fail "the About box did not close"
main=$(window "ZUVAR 32 Pro - Edytor graficzny i symulator schematów blokowych algorytmów") ||
  fail "the main window did not appear"
sleep 1
ask=""
for _ in 1 2 3; do
  press "$main" ctrl+F9
  ask=$(window "Wprowadzanie wartości zmiennej" 10) && break
done
[ -n "$ask" ] || fail "the read dialog did not appear"
done=""
for _ in 1 2 3; do
  xdotool windowfocus --sync "$ask" 2>/dev/null; sleep 0.3; xdotool type 6; xdotool key Return
  done=$(window "DAVERO" 10) && break
done
[ -n "$done" ] || fail "the run did not reach its end"
sleep 1
import -window root "$shot"
press "$done" Return
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
INNER
)

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$inner" smoke "$exe" "$project" "$shot"

colours=$(identify -format '%k' "$shot")
# The main window fills the screen, so its output panel is the strip at the bottom.
yellow=$(convert "$shot" -gravity South -crop 1280x90+0+0 +repage -fuzz 20% -fill black +opaque yellow -fill white -opaque yellow \
  -format '%[fx:round(mean*w*h)]' info:)
echo "smoke: screenshot $shot has $colours colours and $yellow yellow output pixels"
[ "$colours" -ge 16 ] || { echo "smoke: the window was not drawn"; exit 1; }
[ "$yellow" -ge 30 ] || { echo "smoke: the output panel shows no program output"; exit 1; }
echo "smoke: passed"
