#!/usr/bin/env python3
"""Collects the command lines the test suite runs, for the fuzzer's seed corpus.

Every brace list of plain string literals in a test source counts: in the tool's tests
({"lspacket", "-long", "p1"}) it is a whole command line; in the library's tests
(tests/cmdsyn/test_<command>.cpp) it is the words after the command word, which the
file name gives. Lists that are no command lines (expected messages, record texts)
come along too: as seeds they do no harm.

Usage: extract_command_lines.py OUT_DIR [extra_lines_file ...]
Writes one file per line into OUT_DIR, encoded as the fuzz target reads its input: the
words separated by newlines, the command word first.
"""
import hashlib
import os
import re
import sys

TESTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
LITERAL = r'"(?:[^"\\\n]|\\.)*"'
BRACE_LIST = re.compile(r"\{\s*(" + LITERAL + r"(?:\s*,\s*" + LITERAL + r")*)\s*,?\s*\}")
ONE_LITERAL = re.compile(LITERAL)
SIMPLE_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'", "?": "?",
                  "a": "\a", "b": "\b", "f": "\f", "v": "\v"}


def unescape(literal):
    body = literal[1:-1]
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out += c.encode()
            i += 1
            continue
        nxt = body[i + 1]
        if nxt == "x":
            j = i + 2
            while j < len(body) and body[j] in "0123456789abcdefABCDEF":
                j += 1
            out.append(int(body[i + 2:j], 16) & 0xFF)
            i = j
        elif nxt in "01234567":
            j = i + 1
            while j < len(body) and j < i + 4 and body[j] in "01234567":
                j += 1
            out.append(int(body[i + 1:j], 8) & 0xFF)
            i = j
        else:
            out += SIMPLE_ESCAPES.get(nxt, nxt).encode()
            i += 2
    return bytes(out)


def lists_in(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    for match in BRACE_LIST.finditer(text):
        yield [unescape(lit) for lit in ONE_LITERAL.findall(match.group(1))]


def command_lines():
    tool_dir = os.path.join(TESTS, "tool")
    for name in sorted(os.listdir(tool_dir)):
        if name.endswith(".cpp"):
            yield from lists_in(os.path.join(tool_dir, name))
    lib_dir = os.path.join(TESTS, "cmdsyn")
    for name in sorted(os.listdir(lib_dir)):
        m = re.fullmatch(r"test_(\w+)\.cpp", name)
        if m:
            for words in lists_in(os.path.join(lib_dir, name)):
                yield [m.group(1).encode()] + words


def lines_of(path):
    with open(path, "rb") as f:
        for raw in f:
            raw = raw.strip()
            if raw and not raw.startswith(b"#"):
                yield raw.split()


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    written = set()
    sources = [command_lines()] + [lines_of(p) for p in sys.argv[2:]]
    for source in sources:
        for words in source:
            # A newline inside a word would split it: such words cannot be seeds.
            if not words or any(b"\n" in w for w in words):
                continue
            data = b"\n".join(words)
            digest = hashlib.sha1(data).hexdigest()
            if digest not in written:
                written.add(digest)
                with open(os.path.join(out_dir, digest), "wb") as f:
                    f.write(data)
    print(f"{len(written)} seeds in {out_dir}")


if __name__ == "__main__":
    main()
