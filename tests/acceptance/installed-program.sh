#!/usr/bin/env bash
# scripts/run-installed, as scripts/start runs it: the program runs from a folder of the user's own,
# where its database file lives, and books that an earlier start kept in the build folder move
# there; removing the build folder and installing a new build leaves them where they are.
# A stand-in for the program records the folder it runs in.
#
#     installed-program.sh RUN-INSTALLED-SCRIPT
set -euo pipefail
run_installed=$1
work=$(mktemp -d /tmp/tav-installed.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A build folder with a stand-in program of the given version.
make_build() {
  mkdir -p "$work/build/src"
  # shellcheck disable=SC2016 # the stand-in expands $0 when it runs
  printf '#!/bin/sh\necho "%s $(cd "$(dirname "$0")" && pwd)" >>"%s/ran.txt"\n' "$1" "$work" >"$work/build/src/tav"
  chmod 755 "$work/build/src/tav"
}

installed=$work/data/TAV
make_build 1
echo "books" >"$work/build/src/TAV.xml"
echo "backup" >"$work/build/src/TAV.xml.bak"
HOME=$work/home XDG_DATA_HOME=$work/data "$run_installed" "$work/build/src/tav" 2>"$work/told.txt"

[ "$(cat "$work/ran.txt")" = "1 $installed" ] || fail "the program ran as: $(cat "$work/ran.txt")"
[ "$(cat "$installed/TAV.xml" 2>/dev/null)" = books ] || fail "the books did not move to $installed"
[ "$(cat "$installed/TAV.xml.bak" 2>/dev/null)" = backup ] || fail "the backup did not move along"
[ ! -e "$work/build/src/TAV.xml" ] || fail "the books are still in the build folder"
grep -q "moved to $installed/TAV.xml" "$work/told.txt" || fail "the move was not told"
[ "$(stat -c %a "$installed")" = 700 ] || fail "the folder is not the user's own"

rm -rf "$work/build"
make_build 2
HOME=$work/home XDG_DATA_HOME=$work/data "$run_installed" "$work/build/src/tav"
[ "$(tail -n 1 "$work/ran.txt")" = "2 $installed" ] || fail "the new build did not run from $installed"
[ "$(cat "$installed/TAV.xml")" = books ] || fail "a new install touched the books"

# Without XDG_DATA_HOME, the folder is in ~/.local/share.
env -u XDG_DATA_HOME HOME="$work/home" "$run_installed" "$work/build/src/tav"
[ "$(tail -n 1 "$work/ran.txt")" = "2 $work/home/.local/share/TAV" ] || fail "not run from ~/.local/share/TAV"
echo "passed"
