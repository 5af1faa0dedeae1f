#!/usr/bin/env bash
# The tool windows, a menu and the run keys of the desktop program under a real window manager.
# Starts openbox and zuvar with an example project in Xvfb, closes the About box, shows the source
# code window from the "Widok" menu, opens the "Plik" menu and closes it with Esc, starts the run
# with F9 and steps it with F8 until the end-of-algorithm message. Passes when the three tool
# windows stand where the program places them (their frames, relative to the main window's frame),
# the output panel shows the program's output (yellow on black) and no key was reported ambiguous.
# The source code window is shown before the menus are used: standing over them, it would take
# their clicks.
# Exits with 77 (skipped) when Xvfb, openbox or an X tool is missing.
# Usage: windows-xvfb.sh <path to zuvar> <example.bin> [screenshot file]
set -euo pipefail

usage="usage: windows-xvfb.sh <path to zuvar> <example.bin> [screenshot.png]"
exe=${1:?$usage}
project=${2:?$usage}
shot=${3:-${TMPDIR:-/tmp}/zuvar-windows.png}
for tool in xvfb-run Xvfb openbox xwininfo xprop xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "windows: $tool is missing (scripts/deps.sh installs it)"; exit 77; }
done
errors=$(mktemp)
# A data folder of its own: no copy of an unsaved diagram left by an earlier program is offered.
data_home=$(mktemp -d)
trap 'rm -f "$errors"; rm -rf "$data_home"' EXIT
export XDG_DATA_HOME=$data_home

inner=$(cat <<'INNER'
set -u
exe=$1; project=$2; shot=$3; errors=$4
main_title="ZUVAR 32 Pro - Edytor graficzny i symulator schematów blokowych algorytmów"
find_window() { xdotool search --name "^$1\$" 2>/dev/null | head -1; }
# Waits up to $2 seconds (default 30) for the window with this title and prints its id.
window() {
  for _ in $(seq 1 $((${2:-30} * 5))); do
    id=$(find_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
gone() { [ -z "$(find_window "$1")" ]; }
press() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3; xdotool key "$2"; }
fail() { echo "windows: $1"; import -window root "$shot"; kill "$pid" 2>/dev/null; exit 1; }
# The window's frame as "left top width height": its client area with the frame extents.
frame() {
  local x y w h l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $NF}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $NF}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $NF}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $NF}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
# Clicks the main window's menu bar at its first menu, "Plik".
click_file_menu() {
  local x y
  x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $NF}')
  y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $NF}')
  xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3
  xdotool mousemove --sync $((x + 14)) $((y + 10)) click 1
  sleep 1
}

openbox --sm-disable >/dev/null 2>&1 &
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.2
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "windows: openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$exe" "$project" 2>"$errors" &
pid=$!
about=$(window "O programie") || fail "the About box did not appear"
for _ in 1 2 3 4 5; do
  press "$about" Return
  sleep 1
  gone "O programie" && break
done
gone "O programie" || fail "the About box did not close"
main=$(window "$main_title") || fail "the main window did not appear"
sleep 2

# "Plik" opened and closed with Esc leaves the menu bar to the keys: "Widok" is two menus to
# the right, and its first item shows the source code window.
source=""
for _ in 1 2 3; do
  click_file_menu
  xdotool key Escape; sleep 0.3
  xdotool key Right; sleep 0.3; xdotool key Right; sleep 0.3
  xdotool key Down; sleep 0.5; xdotool key Return
  source=$(window "ZUVAR 32 Pro - Kod źródłowy" 5) && break
  xdotool key Escape Escape Escape
done
[ -n "$source" ] || fail "the source code window did not open from the Widok menu"
sleep 1

# A menu closed with Esc, then F9: the run starts and its window appears.
simulation=""
for _ in 1 2 3; do
  click_file_menu
  xdotool key Escape; sleep 0.5
  xdotool key F9
  simulation=$(window "ZUVAR 32 Pro - Symulacja" 5) && break
done
[ -n "$simulation" ] || fail "F9 after a menu closed with Esc did not start the run"
log=$(window "ZUVAR 32 Pro Log" 10) || fail "the log window did not open with the run"

# F8, in whichever window has the keyboard (the run gives it to the simulation window), steps
# the run to the end of the algorithm.
done=""
for _ in $(seq 1 80); do
  done=$(find_window "DAVERO")
  [ -n "$done" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended"
  xdotool key F8
  sleep 0.5
done
[ -n "$done" ] || fail "F8 did not take the run to its end"
sleep 1
import -window root "$shot"

read -r mx my mw mh < <(frame "$main")
echo "windows: main window $mx $my $mw $mh"
bad=0
# The output panel (82 pixels) and its splitter (3) stood below the lower windows when they
# were placed.
check() {
  local name=$1 id=$2 x y w h ex ey
  read -r x y w h < <(frame "$id")
  case $name in
    source) ex=$((mx + 10)); ey=$((my + mh - h - 85 - 25)) ;;
    simulation) ex=$((mx + mw - w - 25)); ey=$((my + mh - h - 85 - 25)) ;;
    log) ex=$((mx + mw - w - 25)); ey=$((my + 25)) ;;
  esac
  echo "windows: $name window at $x $y ($w x $h), placed at $ex $ey"
  [ "$x" -eq "$ex" ] && [ "$y" -eq "$ey" ] || bad=1
}
check source "$source"
check simulation "$simulation"
check log "$log"
press "$done" Return
sleep 1
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$bad" -eq 0 ] || { echo "windows: a tool window is not where it was placed"; exit 1; }
exit 0
INNER
)

status=0
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$inner" windows "$exe" "$project" "$shot" "$errors" ||
  status=$?
if grep -q 'Ambiguous shortcut' "$errors"; then
  echo "windows: a key was taken by two commands:"
  grep 'Ambiguous shortcut' "$errors"
  exit 1
fi
[ "$status" -eq 0 ] || exit "$status"

# The main window fills the screen, so its output panel is the strip at the bottom.
yellow=$(convert "$shot" -gravity South -crop 1280x90+0+0 +repage -fuzz 20% -fill black +opaque yellow \
  -fill white -opaque yellow -format '%[fx:round(mean*w*h)]' info:)
echo "windows: screenshot $shot has $yellow yellow output pixels"
[ "$yellow" -ge 30 ] || { echo "windows: the output panel shows no program output"; exit 1; }
echo "windows: passed"
