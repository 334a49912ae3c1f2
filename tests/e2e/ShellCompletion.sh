#!/usr/bin/env bash
# Completes command lines as a shell would on <Tab>, with the built programs first on PATH:
# the bash completion through compgen in bash itself, the fish completion through fish's
# own "complete -C", and the zsh completion read by zsh for its syntax.
# Usage: ShellCompletion.sh COMPLETIONS_DIR BIN_DIR
set -uo pipefail
completions=$1
bin=$2
source "$(dirname "$0")/../support/EndToEnd.sh"
require_tools bash
use_work_folder
export PATH="$bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$work/data/razzlewick"
: >"$work/data/razzlewick/pirate.dat"
cd "$work" || fail "no work folder"

# bash_complete WORD...: what bash offers for the last word, one a line.
bash_complete() {
  bash --norc --noprofile -c '
    source "$1" || exit 1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    complete -p "$1" >/dev/null || exit 1
    function=$(complete -p "$1" | sed -n "s/.*-F \([^ ]*\) .*/\1/p")
    "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"' bash "$completions/razzlewick.bash" "$@"
}

expect() {
  local what=$1 expected=$2 actual=$3
  [[ "$actual" == "$expected" ]] || fail "$what: expected '${expected//$'\n'/|}', got '${actual//$'\n'/|}'"
}

expect "bash: razzlewick --st" "--style" "$(bash_complete razzlewick --st)"
expect "bash: razzlewick --style Sha" "Shakespearean" "$(bash_complete razzlewick --style Sha)"
expect "bash: razzlewick --style=M" $'Mediterranean\nModern' "$(bash_complete razzlewick --style = M)"
expect "bash: razzlewick -s r" "random" "$(bash_complete razzlewick -s r)"
expect "bash: razzlewick-data in" "install" "$(bash_complete razzlewick-data in)"
expect "bash: razzlewick-data generate --seed 3 Ar" "Arabian" \
  "$(bash_complete razzlewick-data generate --seed 3 Ar)"
expect "bash: razzlewick-data uninstall p" "pirate" "$(bash_complete razzlewick-data uninstall p)"
touch mine.json mine.dat notes.txt
expect "bash: razzlewick-data pack m" "mine.json" "$(bash_complete razzlewick-data pack m)"
expect "bash: razzlewick-data check m" "mine.dat" "$(bash_complete razzlewick-data check m)"
expect "bash: razzlewick-data try -n 3 m" "mine.json" "$(bash_complete razzlewick-data try -n 3 m)"

# Style names that a shell could split, glob or unquote are offered whole, quoted, and never
# expanded: /*/*/*/* would otherwise offer every path four folders deep.
printf '%s' '{"styles": [{"key": "/*/*/*/*", "template": "x"}, {"key": "Odd one", "template": "x"},
  {"key": "Odd'"'"'s \"pick\"", "template": "x"}]}' >odd.json
razzlewick-data pack -o "$work/data/razzlewick/odd.dat" odd.json 2>/dev/null || fail "cannot pack odd.json"
expect "bash: razzlewick --style /" '/\*/\*/\*/\*' "$(bash_complete razzlewick --style /)"
expect "bash: razzlewick --style Odd" 'Odd\ one'$'\n''Odd\'"'"'s\ \"pick\"' \
  "$(bash_complete razzlewick --style Odd)"
expect "bash: razzlewick-data generate /" '/\*/\*/\*/\*' "$(bash_complete razzlewick-data generate /)"

if command -v fish >/dev/null 2>&1; then
  fish_complete() {
    fish --no-config -c "source $completions/razzlewick.fish; source $completions/razzlewick-data.fish
                         complete -C'$1'" | cut -f1
  }
  expect "fish: razzlewick --st" "--style" "$(fish_complete 'razzlewick --st')"
  expect "fish: razzlewick --style Sha" "Shakespearean" "$(fish_complete 'razzlewick --style Sha')"
  expect "fish: razzlewick-data in" "install" "$(fish_complete 'razzlewick-data in')"
  expect "fish: razzlewick-data tr" "try" "$(fish_complete 'razzlewick-data tr')"
  # Fish quotes a name as it puts it on the command line.
  expect "fish: razzlewick --style /" "/*/*/*/*" "$(fish_complete 'razzlewick --style /')"
  expect "fish: razzlewick --style Odd" "Odd one"$'\n'"Odd's \"pick\"" \
    "$(fish_complete 'razzlewick --style Odd')"
fi
if command -v zsh >/dev/null 2>&1; then
  zsh -n "$completions/_razzlewick" || fail "zsh cannot read _razzlewick"
fi
echo "shell completion: passed"
