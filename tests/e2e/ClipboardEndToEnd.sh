#!/usr/bin/env bash
# Starts the real program under a real X server and reads the clipboard from another
# program: the one test that proves the insults reach other applications. Then the last
# batch must stay on the clipboard after the program ends, through the clipboard keeper,
# and the keeper must end once another program copies.
# Usage: ClipboardEndToEnd.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb xdotool xclip
xvfb_pid=
app_pid=
use_work_folder app_pid xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"

export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/razzlewick"
printf '[settings]\r\nautocopy=1\r\nnum=3\r\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"

# A misspelt option is refused with the usage before any window is tried.
(cd "$work" && exec "$program" --pirnt) >"$work/pirnt.log" 2>&1
status=$?
[[ $status -eq 2 ]] || fail "--pirnt ended with status $status: $(cat "$work/pirnt.log")"
[[ -z "$(xdotool search --name '^Razzlewick$' 2>/dev/null)" ]] || fail "--pirnt opened a window"

(cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Razzlewick$' 2>/dev/null | head -n 1)
[[ -n "$window" ]] || fail "no main window appeared; program output: $(cat "$work/app.log"); $(xvfb_state)"
# The window library runs inside the program the user started, which names the window class
# ("razzlewick", "Razzlewick"), so the desktop file's launcher finds the window.
xdotool search --classname '^razzlewick$' 2>/dev/null | grep -qx "$window" \
  || fail "the window's class name is not razzlewick"
xdotool search --class '^Razzlewick$' 2>/dev/null | grep -qx "$window" \
  || fail "the window's class is not Razzlewick"

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

first=$(wait_for_clipboard "") || fail "the clipboard stayed empty with AutoCopy on"
check_copied_lines 3

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" Return
second=$(wait_for_clipboard "$first") || fail "Enter did not put a new batch on the clipboard"

xdotool key --window "$window" Escape
wait_for_exit "$app_pid" || fail "the program did not end on Escape"
app_pid=
grep -qi '^tab=0' "$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini" \
  || fail "the settings file holds no tab: $(cat "$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini")"

# No clipboard manager runs here, so the keeper holds the last batch.
kept=
for _ in $(seq 20); do
  kept=$(clipboard | od -An -c | tr -s ' ')
  [[ "$kept" == "$second" ]] && break
  sleep 0.1
done
[[ "$kept" == "$second" ]] || fail "after exit the clipboard holds '$kept', not the last batch"

# Keepers serving this test's display; those of other tests run with other displays.
keepers() {
  local pid
  for pid in $(pgrep -f razzlewick-clipkeeper); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
  done
}
[[ $(keepers | wc -l) -eq 1 ]] || fail "expected one clipboard keeper, found: $(keepers)"
printf 'something else' | xclip -i -selection clipboard >/dev/null 2>&1
for _ in $(seq 20); do
  [[ -z "$(keepers)" ]] && break
  sleep 0.1
done
[[ -z "$(keepers)" ]] || fail "the clipboard keeper did not end when another program copied"
[[ "$(clipboard)" == "something else" ]] || fail "the other program's text is not on the clipboard"
echo "clipboard end-to-end: passed"
