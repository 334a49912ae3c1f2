#!/usr/bin/env bash
# Starts the real program as a native client of a Wayland compositor and reads the
# clipboard through the compositor: the first batch (AutoCopy at start-up), although
# another program owns the clipboard then, and the batch after Enter must both arrive.
# weston runs on its X11 backend inside Xvfb, as that backend gives it a seat with a
# keyboard; the headless backend has none.
# The app id the program gives its window must name the desktop file, or docks show a
# generic icon.
# Usage: WaylandClipboardEndToEnd.sh PROGRAM DESKTOP-FILE-FOLDER
set -uo pipefail
program=$1
desktop_folder=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb weston wl-copy wl-paste xdotool
xvfb_pid=
weston_pid=
app_pid=
copier_pid=
use_work_folder app_pid copier_pid weston_pid xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"

# A runtime folder and socket of this test's own, so runs side by side never meet.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket="razzlewick-test-$$"
weston --backend=x11-backend.so --shell=kiosk-shell.so --use-pixman --no-config --idle-time=0 \
  --width=1024 --height=768 --socket="$socket" >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] || skip "weston could not start: $(tail -n 3 "$work/weston.log")"
export WAYLAND_DISPLAY="$socket"

export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/razzlewick"
printf '[settings]\r\nautocopy=1\r\nnum=3\r\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"

clipboard() { timeout 5 wl-paste --no-newline 2>/dev/null; }

# Another program owns the clipboard before the program starts.
env -u DISPLAY wl-copy --foreground hello >"$work/wl-copy.log" 2>&1 &
copier_pid=$!
for _ in $(seq 50); do
  [[ "$(clipboard)" == "hello" ]] && break
  sleep 0.1
done
[[ "$(clipboard)" == "hello" ]] || skip "wl-copy could not take the clipboard: $(cat "$work/wl-copy.log")"
before=$(clipboard | od -An -c | tr -s ' ')

# No DISPLAY for the program: it must run on Wayland itself, not fall back to X.
# The protocol log (standard error) shows the app id the window asks for.
(cd "$work" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program") \
  >"$work/app.log" 2>"$work/protocol.log" &
app_pid=$!

first=$(wait_for_clipboard "$before") \
  || fail "the first batch never reached the clipboard; program output: $(cat "$work/app.log")"
check_copied_lines 3

# weston's window fills the X screen; X gives the keyboard to the window under the pointer,
# and weston hands it on to the focused client, the program.
xdotool mousemove 1000 10
xdotool key Return
wait_for_clipboard "$first" >/dev/null \
  || fail "Enter did not put a new batch on the clipboard; program output: $(cat "$work/app.log")"

xdotool key Escape
wait_for_exit "$app_pid" || fail "the program did not end on Escape"
app_pid=

app_id=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$work/protocol.log" | head -n 1)
[[ -n "$app_id" ]] || fail "the window set no app id"
[[ -f "$desktop_folder/$app_id.desktop" ]] \
  || fail "the app id $app_id names no desktop file in $desktop_folder"
echo "Wayland clipboard end-to-end: passed"
