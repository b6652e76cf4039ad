#!/usr/bin/env bash
# Velmora.exe as a person uses it: on the test run's X display, a real
# pointer click on the copy button, then the X clipboard must hold exactly
# the field's text. Skipped (77) without ACS_TEST_DISPLAY.
#   copy-end-to-end.sh VELMORA_EXE EXPECTED_TEXT
set -uo pipefail
program=$1
expected=$2
. "$(dirname "$0")/e2e-start.sh"
start_velmora "$program" e2e-prefix
# Something else holding the clipboard must not make the test pass.
printf 'not copied' | xclip -selection clipboard -i

# The frame is the window's own: the client area is 262 x 102 at 96 PPI,
# centred horizontally in the window and at its bottom.
eval "$(xdotool getwindowgeometry --shell "$window")"
border=$(((WIDTH - 262) / 2))
top=$((HEIGHT - 102 - border))
# The button: panel at (1, 3), button at (4, 41) in it, 252 x 23.
x=$((border + 1 + 4 + 126))
y=$((top + 3 + 41 + 11))
sleep 1
xdotool mousemove --window "$window" "$x" "$y" click 1

for _ in $(seq 200); do
  got=$(xclip -selection clipboard -o 2>/dev/null || true)
  [ "$got" = "$expected" ] && { echo "the clipboard holds: $got"; exit 0; }
  sleep 0.1
done
echo "the clipboard holds '$got', not '$expected'"
exit 1
