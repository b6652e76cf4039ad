#!/usr/bin/env bash
# Velmora.exe's window menu as a person uses it: on the test run's X
# display, Alt+Space opens the menu and the key of its Close item closes the
# window. Skipped (77) without ACS_TEST_DISPLAY.
#   menu-end-to-end.sh VELMORA_EXE
set -uo pipefail
program=$1
. "$(dirname "$0")/e2e-start.sh"
start_velmora "$program" e2e-menu-prefix

shown() { xdotool search --onlyvisible --classname 'velmora.exe' 2>/dev/null | wc -l; }
eval "$(xdotool getwindowgeometry --shell "$window")"
# A click into the client area gives the window the keyboard.
xdotool mousemove --sync "$((X + WIDTH / 2))" "$((Y + HEIGHT - 20))" click 1
before=$(shown)
opened=""
for _ in $(seq 50); do
  xdotool key --clearmodifiers alt+space
  for _ in $(seq 20); do
    [ "$(shown)" -gt "$before" ] && { opened=1; break; }
    sleep 0.1
  done
  [ -n "$opened" ] && break
done
[ -n "$opened" ] || { echo "Alt+Space opened no menu"; exit 1; }
xdotool key c
for _ in $(seq 100); do
  if ! xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1; then
    echo "the menu's Close closed the window"
    exit 0
  fi
  sleep 0.1
done
echo "the window is still there after Close was chosen from its menu"
exit 1
