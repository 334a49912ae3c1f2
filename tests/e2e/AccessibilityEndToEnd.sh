#!/usr/bin/env bash
# Starts the real program under a real X server with the desktop's accessibility bus and
# reads its windows over that bus, as a screen reader does (AccessibilityBus.py says what
# must hold).
# Usage: AccessibilityEndToEnd.sh PROGRAM
set -uo pipefail
program=$1
here=$(dirname "$0")
source "$here/../support/EndToEnd.sh"
source "$here/../support/Xvfb.sh"
require_tools Xvfb xdotool dbus-run-session
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
xvfb_pid=
use_work_folder xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/razzlewick"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[settings]\r\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"

# A session bus of the test's own; the accessibility bus starts on it when first asked.
# The program runs inside it and ends with it.
dbus-run-session -- bash -c '
  program=$1 script=$2 work=$3
  (cd "$work" && exec env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program") >"$work/app.log" 2>&1 &
  app=$!
  /usr/bin/python3 "$script"
  status=$?
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  exit $status
' bash "$program" "$here/AccessibilityBus.py" "$work" || fail "see above; program output: $(tail -n 5 "$work/app.log")"
echo "accessibility end-to-end: passed"
