# Sourced by the end-to-end tests: starts Velmora.exe on the test run's X
# display in a Wine prefix and wineserver of its own, ends both when the test
# ends, and leaves the X id of the shown window in $window. Skips (77)
# without ACS_TEST_DISPLAY.
#   start_velmora VELMORA_EXE PREFIX_NAME
start_velmora() {
  local program=$1
  [ -n "${ACS_TEST_DISPLAY:-}" ] || { echo "no ACS_TEST_DISPLAY: skipped"; exit 77; }
  export DISPLAY=$ACS_TEST_DISPLAY
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  # The tests' own server runs headless.
  export ACS_WINEPREFIX="$root/build/$2"
  . "$root/scripts/wine-env"
  "$root/scripts/wine-prefix"

  "$WINELOADER" "$program" </dev/null >/dev/null 2>&1 &
  velmora_pid=$!
  trap 'kill "$velmora_pid" >/dev/null 2>&1; "$WINESERVER" -k >/dev/null 2>&1; wait "$velmora_pid" 2>/dev/null' EXIT

  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    kill -0 "$velmora_pid" 2>/dev/null || { echo "Velmora.exe ended before its window appeared"; exit 1; }
    sleep 0.1
  done
  echo "no Velmora window appeared"
  exit 1
}
