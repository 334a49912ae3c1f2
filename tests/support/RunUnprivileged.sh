#!/usr/bin/env bash
# Runs a test program once more as an unprivileged user. File permissions do not bind root,
# so the cases about unreadable files and read-only folders skip themselves in a run as root;
# here they run for real, as "nobody", from a copy of the program in a folder that user can
# reach wherever the build lives.
# Usage: RunUnprivileged.sh PROGRAM [GTEST ARGUMENTS...]
set -uo pipefail
program=$1
shift
skip() { echo "SKIPPED: $*"; exit 77; }

[[ $(id -u) -eq 0 ]] || skip "not root: the program's own run was unprivileged"
uid=$(id -u nobody 2>/dev/null) || skip "there is no user nobody"
gid=$(id -g nobody)
command -v setpriv >/dev/null 2>&1 || skip "setpriv is not installed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
install -m 755 "$program" "$work/"
install -d -o "$uid" -g "$gid" "$work/home"
# A sanitizer's suppressions file may lie where the user cannot read it.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]*) && -f ${BASH_REMATCH[1]} ]]; then
  suppressions=${BASH_REMATCH[1]}
  install -m 644 "$suppressions" "$work/lsan.supp"
  export LSAN_OPTIONS=${LSAN_OPTIONS/"suppressions=$suppressions"/"suppressions=$work/lsan.supp"}
fi

output=$(cd "$work/home" && HOME="$work/home" TMPDIR="$work/home" \
  setpriv --reuid="$uid" --regid="$gid" --clear-groups -- "$work/$(basename "$program")" "$@" 2>&1)
status=$?
echo "$output"
[[ $status -eq 0 ]] || exit "$status"
# A case that still skipped did not run unprivileged after all.
if grep -q '^\[  SKIPPED \]' <<<"$output"; then
  echo "FAILED: cases skipped although the program ran as nobody"
  exit 1
fi
