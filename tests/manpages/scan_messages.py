#!/usr/bin/env python3
"""Which catalog messages each syntax routine can print, read from its source.

A routine prints the messages it names (MSG_* of the library's catalog, TBS_MSG_* of
the tool family's shared table) and those of the shared skeleton helpers it calls, with
what those helpers call in turn. Writes a C++ table, one row per command:

    {"lspacket", {MSG_USAGE_LSPACKET, ...}, {TBS_MSG_NO_MEMORY, ...}},

usage: scan_messages.py OUTPUT SKELETON_CPP ROUTINE_CPP...
"""
import re
import sys
from pathlib import Path

CATALOG = re.compile(r"(?<![A-Za-z0-9_])MSG_[A-Z0-9_]+")
TOOL_BASE = re.compile(r"\bTBS_MSG_[A-Z0-9_]+")
CALL = re.compile(r"\b([a-z_][a-z0-9_]*)\(")
# clang-formatted definitions start in the first column and end with a lone "}".
DEFINITION = re.compile(r"^[A-Za-z].*?\b([a-z_][a-z0-9_]*)\([^;]*\{$")


def without_comments(text):
    """The code alone: a name in a comment prints nothing."""
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def names(pattern, text):
    return set(pattern.findall(text))


def skeleton_helpers(text):
    """Each helper's body, by name."""
    bodies, current, lines = {}, None, []
    for line in text.splitlines():
        match = DEFINITION.match(line)
        if current is None and match:
            current, lines = match.group(1), [line]
        elif current is not None:
            lines.append(line)
            if line == "}":
                bodies.setdefault(current, []).extend(lines)
                current = None
    return {name: "\n".join(body) for name, body in bodies.items()}


def closure(bodies):
    """The messages each helper prints, itself or through the helpers it calls."""
    printed = {}

    def visit(name, seen):
        if name in printed:
            return printed[name]
        body = bodies[name]
        catalog, tool_base = names(CATALOG, body), names(TOOL_BASE, body)
        for callee in names(CALL, body) & bodies.keys():
            if callee not in seen:
                more = visit(callee, seen | {callee})
                catalog |= more[0]
                tool_base |= more[1]
        printed[name] = (catalog, tool_base)
        return printed[name]

    for name in bodies:
        visit(name, {name})
    return printed


def main():
    output, skeleton, routines = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3:]
    helpers = closure(skeleton_helpers(without_comments(skeleton.read_text())))
    rows = []
    for source in sorted(Path(path) for path in routines):
        command = source.stem.removeprefix("vx_cmdsyn_")
        text = without_comments(source.read_text())
        catalog, tool_base = names(CATALOG, text), names(TOOL_BASE, text)
        for helper in re.findall(r"\bvx::([a-z_][a-z0-9_]*)\(", text):
            if helper in helpers:
                catalog |= helpers[helper][0]
                tool_base |= helpers[helper][1]
        rows.append(f'    {{"{command}", {{{", ".join(sorted(catalog))}}}, {{{", ".join(sorted(tool_base))}}}}},')
    output.write_text("// Written by scan_messages.py from the routines' sources.\n" + "\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
