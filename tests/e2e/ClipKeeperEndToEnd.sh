#!/usr/bin/env bash
# The clipboard keeper on its own under a real X server, read by another program: every
# text form it offers, refusals of what it does not offer, a large text, one keeper per
# display, a forged SelectionClear ignored, and its end when another program copies or the
# display goes away.
# Usage: ClipKeeperEndToEnd.sh KEEPER FORGE_SELECTION_CLEAR
set -uo pipefail
keeper=$1
forge=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools Xvfb xclip
xvfb_pid=
keeper_pids=()
use_work_folder keeper_pids xvfb_pid

start_xvfb "$work" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"

# Starts a keeper with the file's text and waits until the clipboard holds it.
start_keeper() {  # FILE
  "$keeper" <"$1" >>"$work/keeper.log" 2>&1 &
  keeper_pid=$!
  keeper_pids+=("$keeper_pid")
  for _ in $(seq 50); do
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1" && return 0
    kill -0 "$keeper_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "the keeper never served $1: $(cat "$work/keeper.log")"
}
# Waits up to 2 s for the process to end.
wait_gone() {  # PID WHAT
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "$2"
}
as() { timeout 5 xclip -o -selection clipboard -t "$1" 2>/dev/null; }

# "Grüße — naïve" and a second line: ü, ß, ï are Latin-1, the dash is not.
printf 'Gr\xc3\xbc\xc3\x9fe \xe2\x80\x94 na\xc3\xafve\r\nline two' >"$work/mixed.txt"
start_keeper "$work/mixed.txt"
first=$keeper_pid
as 'text/plain;charset=utf-8' | cmp -s - "$work/mixed.txt" || fail "text/plain;charset=utf-8 differs"
as text/plain | cmp -s - "$work/mixed.txt" || fail "text/plain is not the UTF-8 text"
[[ "$(as STRING | od -An -tx1 | tr -d ' \n')" == "4772fcdf65203f206e61ef76650d0a6c696e652074776f" ]] \
  || fail "STRING is not the Latin-1 text: $(as STRING | od -An -tx1)"
as TEXT | cmp -s - "$work/mixed.txt" || fail "TEXT of a text beyond Latin-1 is not UTF-8"
targets=$(as TARGETS | sort | tr '\n' ' ')
[[ "$targets" == "STRING TARGETS TEXT TIMESTAMP UTF8_STRING text/plain text/plain;charset=utf-8 " ]] \
  || fail "unexpected TARGETS: $targets"
for target in MULTIPLE image/png; do
  as "$target" >/dev/null && fail "$target was not refused"
done

# A second keeper replaces the first; Latin-1 text comes as STRING through TEXT.
printf 'Gr\xc3\xbc\xc3\x9fe' >"$work/latin1.txt"
start_keeper "$work/latin1.txt"
wait_gone "$first" "the first keeper did not end when a second took over"
[[ "$(as TEXT | od -An -tx1 | tr -d ' \n')" == "4772fcdf65" ]] || fail "TEXT of Latin-1 text is not Latin-1"

# A large text arrives whole; one larger than the display's request size is refused.
line=$(printf 'May a djinn of the salt lake lend you the strength of ten men, na\xc3\xafve one.')
yes "$line" | head -c 3000000 >"$work/large.txt"
start_keeper "$work/large.txt"
as UTF8_STRING | cmp -s - "$work/large.txt" || fail "the large text did not arrive whole"
head -c 20000000 /dev/zero | tr '\0' 'x' >"$work/huge.txt"
"$keeper" <"$work/huge.txt" >"$work/huge.log" 2>&1 && fail "a text too large for the display was kept"
grep -q "too large" "$work/huge.log" || fail "no reason given for the refused text: $(cat "$work/huge.log")"

# Any client may send a SelectionClear of its own: the keeper still owns the clipboard, so it
# stays and goes on serving.
"$forge" || fail "the forged SelectionClear could not be sent"
sleep 0.3
kill -0 "$keeper_pid" 2>/dev/null || fail "a forged SelectionClear ended the keeper"
as UTF8_STRING | cmp -s - "$work/large.txt" || fail "the keeper stopped serving after a forged SelectionClear"

# Another program copies: the keeper ends.
printf 'something else' | xclip -i -selection clipboard >/dev/null 2>&1
wait_gone "$keeper_pid" "the keeper did not end when another program copied"

# The display goes away: the keeper ends too.
start_keeper "$work/latin1.txt"
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=
wait_gone "$keeper_pid" "the keeper did not end when its display went away"
echo "clipboard keeper end-to-end: passed"
