#!/usr/bin/env bash
# The window library is loaded from the program's own folder or not at all. With /proc
# hidden in a private mount namespace the program cannot find its folder; a rogue library
# waits where a relative path would lead, in the current folder. The program must say so,
# exit with 1 and leave the rogue library unloaded.
# Usage: WindowLibraryFromItsFolder.sh PROGRAM ROGUE_LIBRARY
set -uo pipefail
program=$1
rogue=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
require_tools unshare mount
unshare --mount --propagation private true 2>/dev/null ||
  skip "no private mount namespace here (it takes root)"
use_work_folder
mkdir -p "$work/window"
cp "$rogue" "$work/window/razzlewick-window.so"
cd "$work" || fail "no work folder"

output=$(env -u WAYLAND_DISPLAY DISPLAY=:0 unshare --mount --propagation private \
  sh -c 'mount -t tmpfs none /proc && exec "$0"' "$program" 2>&1)
status=$?
[[ -e rogue-library-ran ]] && fail "the library in the current folder was loaded"
[[ $status == 1 ]] || fail "exit status $status, expected 1: $output"
[[ $output == "razzlewick: cannot open a window: the program's own folder"*"cannot be found"* ]] ||
  fail "unexpected message: $output"
echo "window library from its folder: passed"
