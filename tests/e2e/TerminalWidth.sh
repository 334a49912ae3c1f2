#!/usr/bin/env bash
# `razzlewick --print` on an 80-column pseudo-terminal: lines broken at
# spaces, never within a word, and --short insults that fit and repeat for a seed.
# Usage: TerminalWidth.sh RAZZLEWICK
set -uo pipefail
program=$1
source "$(dirname "$0")/../support/EndToEnd.sh"
require_tools python3 script stty
use_work_folder
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cd "$work" || fail "no work folder"

# on_terminal ARG...: what the program prints on an 80-column terminal, without the
# terminal's carriage returns.
on_terminal() {
  script -qec "stty cols 80 rows 24; $(printf '%q ' "$program" "$@")" /dev/null | tr -d '\r'
}

# The widest line of standard input, in characters.
widest() { python3 -c 'import sys; print(max(len(l.rstrip("\n")) for l in sys.stdin))'; }

for style in Arabian Shakespearean; do
  args=(--print -l 1 -s "$style" -n 200 -S 17)
  wrapped=$(on_terminal "${args[@]}")
  piped=$("$program" "${args[@]}")
  [[ $(printf '%s\n' "$wrapped" | widest) -le 80 ]] || fail "$style: a line wider than 80 columns"
  # Joined again where a line goes on, the wrapped text is the piped one: no word was split.
  [[ "${wrapped//$'\n'  / }" == "$piped" ]] || fail "$style: wrapping changed the words"
  [[ $(printf '%s\n' "$piped" | wc -l) -eq 200 ]] || fail "$style: a pipe got wrapped lines"
done

args=(--print -s Arabian -n 20 -S 3)
[[ "$(on_terminal "${args[@]}" --no-wrap)" == "$("$program" "${args[@]}")" ]] || fail "--no-wrap wrapped"
[[ $("$program" "${args[@]}" --width 40 | widest) -le 40 ]] || fail "--width 40 in a pipe"

short=$(on_terminal --print -s Arabian -n 200 -S 5 --short)
[[ $(printf '%s\n' "$short" | wc -l) -eq 200 ]] || fail "--short: not 200 insults"
[[ $(printf '%s\n' "$short" | widest) -le 80 ]] || fail "--short: an insult over 80 characters"
[[ "$short" == "$(on_terminal --print -s Arabian -n 200 -S 5 --short)" ]] ||
  fail "--short: the same seed gave other insults"
echo "terminal width: passed"
