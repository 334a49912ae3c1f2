#!/usr/bin/env bash
# Completes razzlewick-data command lines in the real shells, with the built tool first on
# PATH: where each operand of generate and try is, and that "try SOURCE <Tab>" offers the
# styles of that source (read from it, its name never expanded), not the installed ones.
# Usage: DataToolCompletion.sh COMPLETIONS_DIR BIN_DIR SUPPORT_DIR
set -uo pipefail
completions=$1
bin=$2
support=$3
source "$(dirname "$0")/../support/EndToEnd.sh"
require_tools bash
use_work_folder
export PATH="$bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cd "$work" || fail "no work folder"
printf '%s' '{"styles": [{"key": "Pirate", "template": "Arr, ye %0",
  "lists": [{"number": 0, "words": ["swab"]}]}, {"key": "Pi rate", "template": "Arr, ye %0",
  "lists": [{"number": 0, "words": ["swab"]}]}]}' >"pirate's.json"
: >empty.json
: >notes.dat
mkdir "*"

expect() {
  local what=$1 expected=$2 actual=$3
  [[ "$actual" == "$expected" ]] || fail "$what: expected '${expected//$'\n'/|}', got '${actual//$'\n'/|}'"
}

# bash_complete WORD...: what bash offers for the last word, one a line.
bash_complete() {
  bash --norc --noprofile -c '
    source "$1" || exit 1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _razzlewick_data razzlewick-data "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"' bash "$completions/razzlewick.bash" "$@"
}
expect "bash: try SOURCE" 'Pi\ rate'$'\n'"Pirate" "$(bash_complete razzlewick-data try "pirate\\'s.json" '')"
expect "bash: try -n 3 'SOURCE' Pir" "Pirate" \
  "$(bash_complete razzlewick-data try -n 3 "'pirate'\\''s.json'" Pir)"
expect "bash: try SOURCE of no styles" "" "$(bash_complete razzlewick-data try empty.json '')"
expect "bash: try * (a folder)" "" "$(bash_complete razzlewick-data try '*' '')"

if command -v zsh >/dev/null 2>&1; then
  zsh_complete() {
    zsh -f "$support/ZshComplete.zsh" "$completions" "$1"
    local status=$?
    ((status == 77)) && skip "zsh has no zpty module"
    ((status == 0)) || fail "zsh: $1: status $status"
  }
  expect "zsh: generate" $'Arabian\nMediterranean\nModern\nShakespearean' \
    "$(zsh_complete 'razzlewick-data generate ')"
  expect "zsh: generate STYLE" $'\\*\nnotes.dat' "$(zsh_complete 'razzlewick-data generate Modern ')"
  expect "zsh: try" $'\\*\nempty.json\npirate\\\'s.json' "$(zsh_complete 'razzlewick-data try ')"
  expect "zsh: try SOURCE" $'Pi rate\nPirate' "$(zsh_complete "razzlewick-data try pirate\\'s.json ")"
  expect "zsh: try --count 2 SOURCE Pir" "Pirate" \
    "$(zsh_complete "razzlewick-data try --count 2 'pirate'\\''s.json' Pir")"
  expect "zsh: try SOURCE of no styles" "" "$(zsh_complete 'razzlewick-data try empty.json ')"
fi

if command -v fish >/dev/null 2>&1; then
  # fish_complete LINE: what fish offers for the end of LINE, options left out.
  fish_complete() {
    fish --no-config -c 'source $argv[1]; complete -C $argv[2]' \
      "$completions/razzlewick-data.fish" "$1" | cut -f1 | grep -v -- '^-'
  }
  expect "fish: generate" $'Arabian\nMediterranean\nModern\nShakespearean' \
    "$(fish_complete 'razzlewick-data generate ')"
  expect "fish: try SOURCE" $'Pi rate\nPirate' "$(fish_complete "razzlewick-data try pirate\\'s.json ")"
  expect "fish: try SOURCE of no styles" "" "$(fish_complete 'razzlewick-data try empty.json ')"
fi
echo "data tool completion: passed"
