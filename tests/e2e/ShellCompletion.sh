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
# Style names in any case, as the program takes them.
expect "bash: razzlewick --print -s sh" "Shakespearean" "$(bash_complete razzlewick --print -s sh)"
expect "bash: razzlewick --sh" "--short" "$(bash_complete razzlewick --sh)"
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
  # zsh_complete LINE: the command line after <Tab> in an interactive zsh on a
  # pseudo-terminal, which ^X writes to a file.
  cat >"$work/complete.zsh" <<'ZSH'
completions=$1 line=$2 out=$3
zmodload zsh/zpty || exit 1
zpty shell zsh -f -i
zpty -w shell "PS1=; fpath=(${(q)completions} \$fpath); autoload -Uz compinit"
zpty -w shell "compinit -u -d ${(q)out}.dump"
zpty -w shell "show-line() { print -r -- \$BUFFER >| ${(q)out} }; zle -N show-line"
zpty -w shell "bindkey '^I' complete-word; bindkey '^X' show-line"
zpty -w -n shell "$line"$'\t\x18'
for _ in {1..50}; do [[ -s $out ]] && break; sleep 0.1; done
zpty -d shell
ZSH
  zsh_complete() {
    rm -f "$work/zsh-line"
    zsh -f "$work/complete.zsh" "$completions" "$1" "$work/zsh-line"
    cat "$work/zsh-line" 2>/dev/null
  }
  expect "zsh: razzlewick --print -s sh" "razzlewick --print -s Shakespearean " \
    "$(zsh_complete 'razzlewick --print -s sh')"
fi
echo "shell completion: passed"
