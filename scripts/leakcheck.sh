#!/usr/bin/env bash
# Runs the real window under valgrind's memcheck: start-up, a few deals played
# by the monkey, close. Fails on any definite leak whose stack passes through
# our own sources; leaks wholly inside system libraries are listed, not failed.
#   scripts/leakcheck.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
out=$(mktemp)
trap 'rm -f "$log" "$out"' EXIT
# 200 events over four levels: one row runs 50 of them (a few deals).
export QT_QPA_PLATFORM=offscreen STUD_SOURCE_DIR=$root STUD_MONKEY_EVENTS=200
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --fullpath-after= --num-callers=40 \
    --log-file="$log" "$build/tests/ui/monkey_test" "monkey:Amateur" >"$out" 2>&1 || true
grep -E "QINFO|PASS   : MonkeyTest::monkey|FAIL" "$out" || { echo "leakcheck: the program did not run"; tail -20 "$out"; exit 1; }
grep -q "^FAIL" "$out" && { echo "leakcheck: the monkey failed"; exit 1; }
grep -E "definitely lost:|ERROR SUMMARY" "$log" || true
# One loss record runs from its "definitely lost" line to the next blank line.
ours=$(awk -v root="$root/" '
    /definitely lost in loss record/ { inrec = 1; rec = ""; hit = 0 }
    inrec { rec = rec $0 "\n"; if (index($0, root) && $0 !~ /\/tests\//) hit = 1 }
    inrec && /^==[0-9]+== *$/ { if (hit) printf "%s", rec; inrec = 0 }
' "$log")
if [ -n "$ours" ]; then
    echo "leakcheck: definite leaks from our code:"
    echo "$ours"
    exit 1
fi
grep -q "ERROR SUMMARY" "$log" || { echo "leakcheck: valgrind did not finish"; cat "$log" | tail -20; exit 1; }
echo "leakcheck: no definite leak from our code"
