#!/usr/bin/env bash
# A style of the user's own, from install to a tab and back, with the real programs under a
# real X server: the installed style shows as a fifth tab whose batch has its words and Copy
# puts it on the clipboard; after uninstall and one press of Reload in the Data files window
# the tab is gone and the window goes on working.
# Usage: OwnStylesEndToEnd.sh PROGRAM DATA_TOOL
set -uo pipefail
program=$1
data_tool=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb xdotool xclip
xvfb_pid=
app_pid=
use_work_folder app_pid xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"

# Settings, user data and system data of the test's own; the window opens on the fifth tab.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/system"
mkdir -p "$XDG_CONFIG_HOME/razzlewick"
printf '[settings]\r\ntab=4\r\nnum=2\r\nautocopy=0\r\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"
cat >"$work/pirate.json" <<'EOF'
{"styles": [{"key": "Pirate", "template": "Arr, ye %0",
  "lists": [{"number": 0, "words": ["bilge rat", "landlubber", "scurvy swab"]}]}]}
EOF
"$data_tool" install "$work/pirate.json" >"$work/install.log" 2>&1 \
  || fail "install failed: $(cat "$work/install.log")"

(cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Razzlewick$' 2>/dev/null | head -n 1)
[[ -n "$window" ]] || fail "no main window appeared; program output: $(cat "$work/app.log"); $(xvfb_state)"

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
# press KEY...: the keys in turn to the focused window.
press() { local key; for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.2; done; }

focus "$window"
press alt+c
pirate=$(wait_for_clipboard "") || fail "Copy put nothing on the clipboard"
clipboard | grep -q '^Arr, ye ' || fail "the fifth tab's batch is not the Pirate style's: $pirate"
check_copied_lines 2

"$data_tool" uninstall pirate >"$work/uninstall.log" 2>&1 \
  || fail "uninstall failed: $(cat "$work/uninstall.log")"
# Help > Data files..., Reload, Close.
press alt+h d
files=$(timeout 10 xdotool search --sync --onlyvisible --name '^Razzlewick data files$' 2>/dev/null | head -n 1)
[[ -n "$files" ]] || fail "Help > Data files... opened no window"
focus "$files"
press alt+r Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Razzlewick data files$' >/dev/null 2>&1 || break
  sleep 0.1
done

# The fifth tab is gone: the window shows the first tab again, and still composes and copies.
focus "$window"
press alt+c
arabian=$(wait_for_clipboard "$pirate") || fail "Copy after Reload put nothing new on the clipboard"
clipboard | grep -q '^Arr' && fail "the Pirate style still shows after Reload: $arabian"
check_copied_lines 2
press Return alt+c
wait_for_clipboard "$arabian" >/dev/null || fail "Again after Reload gave no new batch"
check_copied_lines 2

press Escape
wait_for_exit "$app_pid" || fail "the program did not end on Escape"
app_pid=
grep -qi '^tab=0' "$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini" \
  || fail "the window did not fall back to the first tab: $(cat "$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini")"
echo "own styles end-to-end: passed"
