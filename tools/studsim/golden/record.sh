#!/bin/sh
# Records the golden traces again from the studsim given as $1. Only for a
# deliberate change of behaviour: the replay test exists to catch the others.
set -eu
studsim=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
i=0
while read -r args; do
    i=$((i + 1))
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$studsim" --trace $args >"$work/$(printf %02d $i).txt"
done <"$here/sessions.txt"
(cd "$work" && tar --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 -cf - ./*.txt) |
    gzip -9n >"$here/traces.tar.gz"
echo "recorded $i sessions"
