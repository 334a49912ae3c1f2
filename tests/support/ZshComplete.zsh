#!/usr/bin/env zsh
# Usage: zsh -f ZshComplete.zsh COMPLETIONS_DIR LINE
# Types LINE and a Tab into an interactive zsh whose completion system loads the functions of
# COMPLETIONS_DIR, and prints every match offered, one a line, sorted. The line is never run.
# Exit status 77 when zsh has no pseudo-terminal module, 1 when no completion ran.
emulate -L zsh
zmodload zsh/zpty 2>/dev/null || exit 77
local dir=$1 line=$2
local out=${TMPDIR:-/tmp}/zsh-complete.$$ done=${TMPDIR:-/tmp}/zsh-complete.$$.done
rm -f $out $done
zpty shell zsh -f -i
zpty -w shell "PS1=''; fpath=(${(q)dir} \$fpath); autoload -U compinit; compinit -u -D"
# Each match is written down as it is offered; a caller's own query (-O, -A, -D) goes
# straight through.
zpty -w shell "compadd() { if (( \${@[(I)-[OAD]*]} )); then builtin compadd \"\$@\"; return; fi
  local -a offered; builtin compadd -O offered \"\$@\"; print -rl -- \$offered >>${(q)out}
  builtin compadd \"\$@\"; }"
zpty -w shell "comppostfuncs=(_zsh_complete_done); _zsh_complete_done() { : >${(q)done}; }"
zpty -n -w shell "$line"$'\t'
local tries
for tries in {1..200}; do
  [[ -e $done ]] && break
  sleep 0.05
done
zpty -d shell
[[ -e $done ]] || { print -u2 "zsh completed nothing for: $line"; exit 1; }
[[ -e $out ]] && sort -u $out
rm -f $out $done
