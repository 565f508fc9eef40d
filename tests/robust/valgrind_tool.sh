#!/usr/bin/env bash
# Memcheck over the tool as the tool-level tests run it: every typical command line in
# one interactive session, some of them as one-shot commands, and a few hostile ones.
# Any memory error or leak fails the run.
#
# Usage: valgrind_tool.sh VEXAR
set -euo pipefail
vexar=$1
here=$(cd "$(dirname "$0")" && pwd)
log_dir=$(mktemp -d)
trap 'rm -rf "$log_dir"' EXIT
failures=0
runs=0

memcheck() {  # memcheck LABEL STDIN_FILE ARGS...
  local label=$1 input=$2
  shift 2
  runs=$((runs + 1))
  local status=0
  valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --log-file="$log_dir/$runs.log" \
    "$vexar" "$@" <"$input" >/dev/null 2>&1 || status=$?
  # The tool's own statuses are 0, 1 and 2; 99 is memcheck's.
  if [ "$status" -eq 99 ] || [ "$status" -gt 2 ]; then
    failures=$((failures + 1))
    echo "memcheck: $label: status $status"
    cat "$log_dir/$runs.log"
  fi
}

lines=$(grep -v '^\s*#' "$here/command_lines.txt" | grep -v '^\s*$' | sed 's/^! //')

# Every typical line in one interactive session; quit last, as it ends the session.
echo "$lines" | grep -v '^quit' >"$log_dir/session"
printf '%s\n' 'lspacket %s%n%x' '' "lspacket 'unterminated" '"\xff\xfe"' 'quit' >>"$log_dir/session"
memcheck "interactive session" "$log_dir/session"

# One-shot commands: the first line of each command, read from the file.
while read -r command rest; do
  # shellcheck disable=SC2086 # the words of the line, as typed
  memcheck "$command $rest" /dev/null $command $rest
done < <(echo "$lines" | awk '!seen[$1]++')

# Hostile lines: a big word, many operands, a long flag name, an unknown command.
word=$(head -c 102400 /dev/zero | tr '\0' 'w')
memcheck "word of 100 KiB" /dev/null lspacket "$word"
memcheck "flag of 100 KiB" /dev/null lspacket "-$word"
memcheck "command of 100 KiB" /dev/null "$word"
mapfile -t many < <(seq 1 20000)
memcheck "20 000 operands" /dev/null lsepoch -actual "${many[@]}"
memcheck "20 000 extra operands" /dev/null rmreplica r1 "${many[@]}"

echo "memcheck: $runs runs, $failures with errors"
[ "$failures" -eq 0 ]
