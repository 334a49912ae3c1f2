#!/usr/bin/env bash
# Renders the manual pages as man and lintian do, which must say nothing, and checks that
# every option the programs' own help names is in their page.
# Usage: ManualPages.sh MAN_DIR RAZZLEWICK RAZZLEWICK_DATA
set -uo pipefail
man_dir=$1
razzlewick=$2
data_tool=$3
source "$(dirname "$0")/../support/EndToEnd.sh"
require_tools groff man

# The options a help text names: every "--word" it holds.
options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }

check_page() {
  local page=$man_dir/$1 help=$2 warnings text option
  [[ -f "$page" ]] || fail "$page is missing"
  warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed on $1: $warnings"
  [[ -z "$warnings" ]] || fail "groff warns about $1: $warnings"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man failed on $1"
  [[ -z "$warnings" ]] || fail "man warns about $1: $warnings"
  text=$(LC_ALL=C MANWIDTH=80 man -l "$page" 2>&1) || fail "man -l cannot render $1"
  for section in NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT "EXIT STATUS" EXAMPLES "SEE ALSO"; do
    grep -q "^$section" <<<"$text" || fail "$1 has no $section section"
  done
  while read -r option; do
    grep -q -- "$option" <<<"$text" || fail "$1 does not describe $option"
  done < <(options <<<"$help")
}

check_page razzlewick.1 "$("$razzlewick" --help)"
tool_help=$("$data_tool" --help)
for command in $(sed -n 's/^  \([a-z]\+\) .*/\1/p' <<<"$tool_help"); do
  tool_help+=$'\n'$("$data_tool" "$command" --help)
done
check_page razzlewick-data.1 "$tool_help"
echo "manual pages: passed"
