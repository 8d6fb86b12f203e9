#!/bin/sh
# Records the golden traces of one set again from the studsim given as $1:
# sessions.txt into traces.tar.gz, or with a set name as $2 (say "ticks"),
# <set>-sessions.txt into <set>-traces.tar.gz. Only for a deliberate change of
# behaviour or a new set: the replay test exists to catch the others.
set -eu
if [ -n "${CI:-}" ]; then
    echo "record.sh: CI is set; traces are recorded on purpose by a person, never by CI" >&2
    exit 1
fi
studsim=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ge 2 ]; then
    sessions="$here/$2-sessions.txt" traces="$here/$2-traces.tar.gz"
else
    sessions="$here/sessions.txt" traces="$here/traces.tar.gz"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
i=0
while read -r args; do
    i=$((i + 1))
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$studsim" --trace $args >"$work/$(printf %02d $i).txt"
done <"$sessions"
(cd "$work" && tar --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 -cf - ./*.txt) |
    gzip -9n >"$traces"
echo "recorded $i sessions"
