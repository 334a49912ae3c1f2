#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed layout from outside
# the build folder: the data check finds the data beside the installed program.
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in lib/razzlewick/insltdat.dat lib/razzlewick/Razzlewick.html bin/razzlewick-data \
            lib/razzlewick/razzlewick-clipkeeper \
            share/applications/example.tallowfern.Razzlewick.desktop \
            share/metainfo/example.tallowfern.Razzlewick.metainfo.xml \
            share/icons/hicolor/scalable/apps/example.tallowfern.Razzlewick.svg \
            share/icons/hicolor/16x16/apps/example.tallowfern.Razzlewick.png \
            share/doc/razzlewick/copyright share/doc/razzlewick/changelog.gz \
            share/man/man1/razzlewick.1.gz share/man/man1/razzlewick-data.1.gz \
            lib/razzlewick/razzlewick lib/razzlewick/window/razzlewick-window.so \
            share/bash-completion/completions/razzlewick share/bash-completion/completions/razzlewick-data \
            share/zsh/site-functions/_razzlewick share/fish/vendor_completions.d/razzlewick.fish; do
  [[ -e "$prefix/$file" ]] || fail "$file is not installed"
done
[[ -e "$prefix/bin/razzlewick" ]] || fail "bin/razzlewick is not installed"
# The program finds the keeper beside itself; nobody runs it by name.
[[ -e "$prefix/bin/razzlewick-clipkeeper" ]] && fail "the clipboard keeper is linked into bin/"

# The data folders of the user and the system are empty ones of the test's own.
export XDG_DATA_HOME="$prefix/user-data" XDG_DATA_DIRS="$prefix/share"
output=$(cd / && "$prefix/bin/razzlewick-data" check) || fail "the installed data check failed: $output"
[[ "$(sed -n 2,3p <<<"$output")" == "Program folder: $(realpath "$prefix")/lib/razzlewick/"$'\n'"  insltdat.dat - Succeeded" ]] \
  || fail "unexpected check output: $output"
[[ $(grep -c Succeeded <<<"$output") -eq 1 ]] || fail "unexpected check output: $output"

if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$prefix/share/applications/example.tallowfern.Razzlewick.desktop" \
    || fail "the desktop file does not validate"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$prefix/share/metainfo/example.tallowfern.Razzlewick.metainfo.xml" >/dev/null \
    || fail "the metainfo does not validate"
fi
echo "installed layout: passed"
