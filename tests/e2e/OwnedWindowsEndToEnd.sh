#!/usr/bin/env bash
# Starts the real program under a real window manager (openbox on Xvfb) and opens the
# Preferences from the keyboard, with "Always on top" on and off: the dialog must belong
# to the main window, stack above it, lie on screen centred over it, and minimising it
# must never leave the main window blocked by a dialog nobody can see. The window's X11
# class must be the one the desktop file names, so docks tie the window to its launcher.
# Usage: OwnedWindowsEndToEnd.sh PROGRAM DESKTOP-FILE
set -uo pipefail
program=$1
desktop_file=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb openbox xdotool xprop xwininfo
xvfb_pid=
wm_pid=
app_pid=
use_work_folder app_pid wm_pid xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/razzlewick"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' \
  || skip "openbox could not start: $(tail -n 3 "$work/openbox.log")"

# stacking_index WINDOW: its place in the window manager's stacking order, bottom first.
stacking_index() {
  xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x' \
    | awk -v id="$(printf '0x%x' "$1")" '$1 == id { print NR; exit }'
}
map_state() { xwininfo -id "$1" | sed -n 's/.*Map State: //p'; }
# geometry WINDOW: "x y width height" of the window's contents on the screen.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
wait_for_state() {
  for _ in $(seq 50); do
    [[ "$(map_state "$1")" == "$2" ]] && return 0
    sleep 0.1
  done
  return 1
}

check_preferences() {
  local ontop=$1 main options main_at options_at
  printf '[settings]\r\nontop=%s\r\n' "$ontop" >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"
  (cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
  app_pid=$!
  main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Razzlewick$' 2>/dev/null | head -n 1)
  [[ -n "$main" ]] || fail "ontop=$ontop: no main window appeared: $(cat "$work/app.log")"
  # A loaded machine may be slow to give the new window the focus or to open the menu:
  # the keys go again (Alt+O closes a menu left open, so a third try opens it anew).
  options=
  for _ in 1 2 3; do
    kill -0 "$app_pid" 2>/dev/null || fail "ontop=$ontop: the program ended: $(cat "$work/app.log")"
    xdotool windowactivate --sync "$main" 2>/dev/null
    xdotool key --clearmodifiers alt+o
    sleep 0.5
    xdotool key p
    options=$(timeout 5 xdotool search --sync --onlyvisible --name '^Razzlewick options$' 2>/dev/null | head -n 1)
    [[ -n "$options" ]] && break
  done
  [[ -n "$options" ]] || fail "ontop=$ontop: Alt+O, P opened no Preferences"

  xprop -id "$options" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$main")" \
    || fail "ontop=$ontop: Preferences is not owned by the main window: $(xprop -id "$options" WM_TRANSIENT_FOR)"
  for _ in $(seq 20); do
    [[ $(stacking_index "$options") -gt $(stacking_index "$main") ]] && break
    sleep 0.1
  done
  [[ $(stacking_index "$options") -gt $(stacking_index "$main") ]] \
    || fail "ontop=$ontop: Preferences is stacked below the main window: $(xprop -root _NET_CLIENT_LIST_STACKING)"

  read -r -a main_at <<<"$(geometry "$main")"
  read -r -a options_at <<<"$(geometry "$options")"
  local x=${options_at[0]} y=${options_at[1]} w=${options_at[2]} h=${options_at[3]}
  ((x >= 0 && y >= 0 && x + w <= 1024 && y + h <= 768)) \
    || fail "ontop=$ontop: Preferences lies off the screen at ${options_at[*]}"
  local dx=$(((x + w / 2) - (main_at[0] + main_at[2] / 2)))
  local dy=$(((y + h / 2) - (main_at[1] + main_at[3] / 2)))
  ((dx * dx <= 900 && dy * dy <= 900)) \
    || fail "ontop=$ontop: Preferences at ${options_at[*]} is not centred over the main window at ${main_at[*]}"

  # A panel minimises a window by asking for the iconic state. The dialog may go, but only
  # with the window it blocks; bringing the main window back brings the dialog back above it.
  xdotool windowminimize "$options"
  sleep 0.5
  if [[ "$(map_state "$options")" != "IsViewable" && "$(map_state "$main")" == "IsViewable" ]]; then
    fail "ontop=$ontop: minimising Preferences left the main window blocked by a hidden dialog"
  fi
  xdotool windowactivate "$main" 2>/dev/null
  wait_for_state "$options" IsViewable || fail "ontop=$ontop: Preferences did not come back"
  wait_for_state "$main" IsViewable || fail "ontop=$ontop: the main window did not come back"
  [[ $(stacking_index "$options") -gt $(stacking_index "$main") ]] \
    || fail "ontop=$ontop: after minimising, Preferences came back below the main window"

  xdotool windowactivate --sync "$options" 2>/dev/null
  xdotool key Escape
  for _ in $(seq 50); do
    [[ "$(map_state "$options" 2>/dev/null)" == "IsViewable" ]] || break
    sleep 0.1
  done
  xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool key Escape
  wait_for_exit "$app_pid" || fail "ontop=$ontop: the program did not end on Escape"
  app_pid=
}

check_preferences 1
check_preferences 0

# WM_CLASS is instance then class; docks match StartupWMClass against the class.
wanted=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
printf '[settings]\r\n' >"$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini"
(cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
app_pid=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Razzlewick$' 2>/dev/null | head -n 1)
[[ -n "$main" ]] || fail "no main window appeared: $(cat "$work/app.log"); $(xvfb_state)"
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[[ -n "$wanted" && "$class" == "$wanted" ]] \
  || fail "the window's class '$class' is not the desktop file's StartupWMClass '$wanted'"
echo "owned windows end-to-end: passed"
