#!/usr/bin/env bash
# Under a real X server: Again please and Ctrl+K while 200 scripts --keep, then close; every
# insult is in the file once. Started again, File > Favourites and Copy give the newest.
# Usage: FavouritesEndToEnd.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb xdotool xclip
xvfb_pid=
app_pid=
scripts=()
use_work_folder app_pid scripts xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME/razzlewick"
printf '[settings]\nautocopy=1\nnum=1\ntab=1\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"
favourites="$XDG_DATA_HOME/razzlewick/favourites.txt"
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# find_window TITLE [TRIES]: within TRIES half seconds (20 s); searched again when a window
# going away ends a search.
find_window() {
  local found
  for _ in $(seq "${2:-40}"); do
    found=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    sleep 0.5
  done
  return 1
}

start_window() {
  (cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(find_window '^Razzlewick$') \
    || fail "no main window appeared; program output: $(cat "$work/app.log"); $(xvfb_state)"
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

start_window
first=$(wait_for_clipboard "") || fail "the clipboard stayed empty with AutoCopy on"
for i in $(seq 200); do
  "$program" --keep "Script insult number $i." --style modern >>"$work/scripts.log" 2>&1 &
  scripts+=($!)
done
# The window keeps while the scripts do: a fresh insult each time, known from AutoCopy.
kept=()
previous=$first
for _ in 1 2 3; do
  xdotool key --window "$window" Return
  previous=$(wait_for_clipboard "$previous") || fail "Again please did not make a new insult"
  kept+=("$(clipboard)")
  xdotool key --window "$window" ctrl+k
  sleep 0.3
done
for pid in "${scripts[@]}"; do
  wait "$pid" || fail "a --keep ended with an error: $(sort -u "$work/scripts.log")"
done
scripts=()
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key Escape
wait_for_exit "$app_pid" || fail "the program did not end on Escape"
app_pid=

[[ $(grep -c ' \[Modern\] Script insult number ' "$favourites") -eq 200 ]] \
  || fail "not every script's insult is in the file once: $(grep -c Script "$favourites")"
[[ $(grep -v '^#' "$favourites" | cut -d' ' -f3- | sort | uniq -d | wc -l) -eq 0 ]] \
  || fail "an insult is in the file twice"
for text in "${kept[@]}"; do
  grep -qxF "$(date +%F) [Shakespearean] $text" "$favourites" \
    || fail "the window's '$text' is not in the file with its style: $(grep -v Script "$favourites")"
done

# Again, from the keyboard: File > Favourites..., the newest at the top and selected.
printf 'clipboard before' | xclip -i -selection clipboard >/dev/null 2>&1
start_window
wait_for_clipboard "$(printf 'clipboard before' | od -An -c | tr -s ' ')" >/dev/null
# Typed, not sent to the window: the menu that opens takes the second key, so on a busy
# machine the menu may not be open yet when it comes; then it is tried again, slower.
for pause in 0.5 2 5; do
  xdotool key alt+f
  sleep "$pause"
  xdotool key a
  list=$(find_window '^Razzlewick favourites$' 10) && break
  xdotool key Escape
done
[[ -n "$list" ]] || fail "File > Favourites... opened no window"
xdotool windowactivate --sync "$list" 2>/dev/null || xdotool windowfocus --sync "$list"
before=$(clipboard | od -An -c | tr -s ' ')
xdotool key alt+c
wait_for_clipboard "$before" >/dev/null || fail "Copy put nothing on the clipboard"
newest=$("$program" --favourites -n 1)
[[ "$(clipboard)" == "$newest" && "$(clipboard | od -An -c)" != *'\n'* ]] \
  || fail "Copy put '$(clipboard)' on the clipboard, not the newest insult '$newest'"
xdotool key --window "$list" Escape
xdotool key --window "$window" Escape
wait_for_exit "$app_pid" || fail "the program did not end on Escape"
app_pid=
echo "favourites end-to-end: passed"
