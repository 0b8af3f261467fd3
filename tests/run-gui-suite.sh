#!/usr/bin/env bash
# Runs a window test suite; the cases that failed run once more on their own. Real input through a
# busy X server now and then reaches the program after a test has looked: a case fails the suite when
# it fails both times, and the cases that needed the second run are named in the output.
set -u
suite="$1"
shift
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

"$suite" "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] && exit 0

# Per-case result lines carry the time ("[  FAILED  ] Suite.Case (123 ms)"); the summary's do not.
failed="$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\) (.*/\1/p' "$log" | sort -u | paste -sd: -)"
if [ -z "$failed" ]; then
    echo "run-gui-suite: the suite ended with status $status and no failed case to run again" >&2
    exit "$status"
fi

echo "run-gui-suite: running again on their own: $failed"
"$suite" "$@" --gtest_filter="$failed"
status=$?
[ "$status" -eq 0 ] && echo "run-gui-suite: passed the second time: $failed"
exit "$status"
