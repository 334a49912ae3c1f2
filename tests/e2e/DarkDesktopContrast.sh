#!/usr/bin/env bash
# Runs the dark-desktop test program on a private X server, with one of the two dark
# desktops people use: the GTK dark palette through the GTK platform theme ("gtk"), or the
# dark Adwaita style ("style"). Skipped where that desktop cannot be had here.
# Usage: DarkDesktopContrast.sh TEST-PROGRAM gtk|style
set -uo pipefail
tests=$1
desktop=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb
xvfb_pid=
use_work_folder xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME GTK_THEME
case "$desktop" in
  gtk) export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
  style) export QT_STYLE_OVERRIDE=Adwaita-Dark ;;
  *) fail "unknown desktop $desktop" ;;
esac
"$tests" >"$work/tests.log" 2>&1
status=$?
cat "$work/tests.log"
# Every case skipped: the desktop asked for did not come about (no theme plugin or style).
if [[ $status -eq 0 ]] && grep -q '\[  SKIPPED \]' "$work/tests.log" \
  && ! grep -q '\[       OK \]' "$work/tests.log"; then
  skip "no dark window with the $desktop desktop here"
fi
exit $status
