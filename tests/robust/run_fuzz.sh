#!/usr/bin/env bash
# Runs the fuzz target over a seed corpus made from the test suite's command lines, with
# a dictionary of every flag of every table, for VX_FUZZ_SECONDS seconds (default 1800).
# New inputs stay in WORK_DIR/corpus for the next run; a finding lands in
# WORK_DIR/artifacts and fails the run.
#
# Usage: run_fuzz.sh FUZZ_TARGET DICTIONARY_PROGRAM WORK_DIR
set -euo pipefail
target=$1
dictionary_program=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
seconds=${VX_FUZZ_SECONDS:-1800}

mkdir -p "$work/corpus" "$work/seeds" "$work/artifacts"
"$dictionary_program" "$work/flags.dict"
python3 "$here/extract_command_lines.py" "$work/seeds" "$here/command_lines.txt"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
"$target" -dict="$work/flags.dict" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2560 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$work/seeds" >"$work/last-run.log" 2>&1 ||
  status=$?

# The figures of the run: executions, speed, coverage, corpus.
grep -E '^(stat::|#[0-9]+[[:space:]]+(INITED|DONE))|Done [0-9]+ runs' "$work/last-run.log" || true
if [ "$status" -ne 0 ]; then
  echo "fuzzing found a failure (status $status); the end of the log ($work/last-run.log):"
  tail -n 60 "$work/last-run.log"
  ls -l "$work/artifacts"
fi
exit "$status"
