#!/usr/bin/env bash
# Velmora.exe as a person moves it: on the test run's X display, a real
# pointer press on the title, a drag and a release; the window must then
# stand where it was dragged to. Skipped (77) without ACS_TEST_DISPLAY.
#   drag-end-to-end.sh VELMORA_EXE
set -uo pipefail
program=$1
. "$(dirname "$0")/e2e-start.sh"
start_velmora "$program" e2e-drag-prefix

position() { xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=' | tr '\n' ' '; }
# The window is placed once it has painted; wait until it stands still.
before=""
for _ in $(seq 50); do
  now=$(position)
  [ -n "$now" ] && [ "$now" = "$before" ] && break
  before=$now
  sleep 0.2
done
eval "$before"
startX=$X startY=$Y
# A point of the title, left of the close button: 60 pixels in, 10 down.
xdotool mousemove --sync "$((startX + 60))" "$((startY + 10))"
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove --sync "$((startX + 60 + step * 12))" "$((startY + 10 + step * 8))"
  sleep 0.05
done
xdotool mouseup 1

for _ in $(seq 100); do
  eval "$(position)"
  if [ "$X" -eq $((startX + 120)) ] && [ "$Y" -eq $((startY + 80)) ]; then
    echo "moved from ($startX, $startY) to ($X, $Y)"
    exit 0
  fi
  sleep 0.1
done
echo "the window stands at ($X, $Y), not at ($((startX + 120)), $((startY + 80))) after the drag from ($startX, $startY)"
exit 1
