#!/usr/bin/env bash
# The game's command line: --help and --version answer and exit 0 with no
# display at all (the xcb platform would abort at the first window); anything
# else is an error with exit 2 that says so on stderr and starts nothing.
# Usage: check_command_line.sh <vorlen> <version>
set -uo pipefail
vorlen=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
run() { # expected exit, arguments...
  local want=$1; shift
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$vorlen" "$@" >"$tmp/out" 2>"$tmp/err"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "vorlen $*: exit $got, expected $want"; cat "$tmp/out" "$tmp/err"; fail=1
  fi
}
run 0 --version
grep -qx "Vorlen $version" "$tmp/out" || { echo "--version printed: $(cat "$tmp/out")"; fail=1; }
[ -s "$tmp/err" ] && { echo "--version wrote to stderr: $(cat "$tmp/err")"; fail=1; }
run 0 --help
grep -q -- "--version" "$tmp/out" || { echo "--help printed: $(cat "$tmp/out")"; fail=1; }
for args in "--bogus" "-platform offscreen" "opgave.txt" "--version --help" "--help extra" "-h"; do
  # shellcheck disable=SC2086 # split on purpose: several arguments
  run 2 $args
  [ -s "$tmp/out" ] && { echo "vorlen $args wrote to stdout"; fail=1; }
  grep -q "vorlen --help" "$tmp/err" || { echo "vorlen $args: no hint on stderr"; fail=1; }
done
[ $fail -eq 0 ] && echo "command line ok"
exit $fail
