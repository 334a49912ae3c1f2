#!/usr/bin/env bash
# Makes the Debian package, holds it to lintian, installs it with apt as a user would, runs
# the installed programs, then purges it and checks that nothing of it is left.
# Any razzlewick package installed before the test is replaced and purged with it.
# Usage: PackageInstall.sh SOURCE_DIR PACKAGE_TREE VERSION [--pack-only | extra cmake arguments...]
# (the arguments after VERSION go to scripts/build-package)
set -uo pipefail
source_dir=$1
package_build=$2
version=$3
shift 3
source "$(dirname "$0")/../support/EndToEnd.sh"
source "$(dirname "$0")/../support/Xvfb.sh"
require_tools dpkg-deb dpkg-buildflags dpkg-shlibdeps cpack lintian apt-get Xvfb xdotool flock
xvfb_pid=
app_pid=
installed=
sudo=()
after_processes_stopped() {
  if [[ -n "$installed" ]]; then
    "${sudo[@]}" apt-get -q -y -o DPkg::Lock::Timeout=300 purge razzlewick >/dev/null 2>&1
  fi
}
use_work_folder app_pid xvfb_pid

# One package test at a time on this machine, whichever checkout runs it: they all install
# the same package. Another user's lock file can only be opened for reading, which is enough.
lock=/tmp/razzlewick-package-test.lock
exec 9>>"$lock" 2>/dev/null || exec 9<"$lock" || fail "cannot open $lock"
flock -w 1200 9 || fail "another package test held $lock for 20 minutes"

"$source_dir/scripts/build-package" "$package_build" "$@" >"$work/build.log" 2>&1
deb=$(tail -n 1 "$work/build.log")
[[ -f "$deb" ]] || fail "the package did not build: $(tail -n 30 "$work/build.log")"
echo "package: $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(basename "$deb")" == "razzlewick_${version}_$(dpkg --print-architecture).deb" ]] \
  || fail "unexpected package name $(basename "$deb")"
[[ "$(field Version)" == "$version" ]] || fail "the package version is $(field Version), not $version"
depends=$(field Depends)
for needed in xdg-utils fonts-dejavu-core libqt6widgets6 libc6; do
  [[ ",$depends," =~ [,\ ]$needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done
[[ "$depends" != *-dev* ]] || fail "Depends names a development package: $depends"
[[ "$(field Recommends)" == qt6-wayland ]] || fail "Recommends is '$(field Recommends)'"
mkdir "$work/contents"
dpkg-deb -x "$deb" "$work/contents"
changelog_version=$(zcat "$work/contents/usr/share/doc/razzlewick/changelog.gz" \
  | dpkg-parsechangelog -l- -S Version) || fail "the changelog does not parse"
[[ "$changelog_version" == "$version" ]] || fail "the changelog's newest entry is $changelog_version"

lintian_args=(--fail-on error,warning --display-info)
lintian "${lintian_args[@]}" "$deb" 2>&1 | grep -v 'running with root privileges' | tee "$work/lintian.log"
[[ ${PIPESTATUS[0]} -eq 0 ]] || fail "lintian found errors or warnings"

if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo=(sudo -n)
else
  skip "installing needs root or sudo without a password; the package built and passed lintian"
fi
export DEBIAN_FRONTEND=noninteractive
installed=yes
"${sudo[@]}" apt-get -q -y -o DPkg::Lock::Timeout=300 --no-install-recommends --reinstall \
  install "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install failed: $(tail -n 20 "$work/apt.log")"
[[ "$(dpkg-query -W -f='${Version}' razzlewick)" == "$version" ]] || fail "razzlewick $version is not installed"

export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
output=$(cd / && /usr/bin/razzlewick-data check 2>&1) || fail "the installed data check failed: $output"
[[ "$(sed -n 2,3p <<<"$output")" == "Program folder: /usr/lib/razzlewick/"$'\n'"  insltdat.dat - Succeeded" ]] \
  || fail "unexpected check output: $output"
output=$(cd / && /usr/bin/razzlewick --print --style Arabian 2>&1) || fail "razzlewick --print failed: $output"
[[ "$output" == May* && $(wc -l <<<"$output") -eq 1 ]] || fail "unexpected insult: $output"
output=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/razzlewick 2>&1)
status=$?
[[ $status -eq 1 && "$output" == "razzlewick: cannot open a window: no display"* ]] \
  || fail "without a display: status $status, $output"
for file in /usr/lib/razzlewick/window/razzlewick-window.so /usr/share/bash-completion/completions/razzlewick \
            /usr/share/bash-completion/completions/razzlewick-data \
            /usr/share/zsh/vendor-completions/_razzlewick /usr/share/fish/vendor_completions.d/razzlewick.fish; do
  [[ -f "$file" ]] || fail "$file is not installed"
done

start_xvfb "$work" || fail "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
(cd / && exec /usr/bin/razzlewick) >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Razzlewick$' 2>/dev/null | head -n 1)
[[ -n "$window" ]] || fail "the installed program showed no main window: $(cat "$work/app.log")"
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=

"${sudo[@]}" apt-get -q -y -o DPkg::Lock::Timeout=300 purge razzlewick >"$work/apt.log" 2>&1 \
  || fail "apt-get purge failed: $(tail -n 20 "$work/apt.log")"
installed=
status=$(dpkg-query -W -f='${db:Status-Abbrev}' razzlewick 2>/dev/null)
[[ -z "$status" || "$status" == "un "* || "$status" == "pn "* ]] || fail "dpkg still knows razzlewick: $status"
left=()
while IFS= read -r path; do
  [[ -e "$path" || -L "$path" ]] && left+=("$path")
done < <(find "$work/contents" -mindepth 1 \( -type f -o -type l \) -printf '/%P\n')
for folder in /usr/lib/razzlewick /usr/share/doc/razzlewick; do
  [[ -e "$folder" ]] && left+=("$folder")
done
[[ ${#left[@]} -eq 0 ]] || fail "left behind after purging: ${left[*]}"
echo "package install: passed"
