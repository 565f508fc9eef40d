#!/usr/bin/env bash
# Where a process start goes: the dynamic relocations of the tool and of every object it
# loads (readelf -r), and the dynamic loader's own account of one command
# (LD_DEBUG=statistics), beside a do-nothing C program.
#   load_report.sh VEXAR NOOP_C
set -euo pipefail
vexar=$1
noop=$2

# The dynamic relocations of an object: relative ones (a base address added, no look-up),
# symbolic ones (a symbol looked up at start), and .rela.plt ones (looked up at the first
# call, unless bound at start by -z now or LD_BIND_NOW).
relocation_counts() {
    readelf -rW "$1" | awk '
        $1 == "Relocation" { section = $3 }
        $1 ~ /^[0-9a-f]+$/ && NF >= 3 {
            if (section == "\x27.rela.plt\x27") plt++
            else if ($3 ~ /RELATIVE/) relative++
            else symbolic++
        }
        END { printf "%10d %10d %10d", relative, symbolic, plt }'
}

echo
echo "Dynamic relocations of what 'vexar lspacket' loads (readelf -r)"
echo
printf '%-28s %10s %10s %10s %10s\n' object relative symbolic plt KiB
objects=$(LD_TRACE_LOADED_OBJECTS=1 "$vexar" | awk '$2 == "=>" && $3 ~ /^\// { print $3 }')
for object in "$vexar" $objects; do
    printf '%-28s %s %10s\n' "$(basename "$object")" "$(relocation_counts "$object")" \
        "$(($(stat -L -c %s "$object") / 1024))"
done

# The loader's statistics lines, without the process id in front.
loader_statistics() {
    LD_DEBUG=statistics "$@" 2>&1 >/dev/null | sed -n 's/^ *[0-9]*:[[:space:]]*//p' | sed '/^$/d'
}

echo
echo "LD_DEBUG=statistics, do-nothing C program:"
loader_statistics "$noop" | sed 's/^/  /'
echo
echo "LD_DEBUG=statistics, vexar lspacket -long p1 p2:"
loader_statistics "$vexar" lspacket -long p1 p2 | sed 's/^/  /'
