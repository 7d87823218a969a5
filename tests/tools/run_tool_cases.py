"""Runs a command-line tool over a table of cases and compares its exact output.

A case file holds blocks like this one (blank lines and lines starting with "#" between
blocks are ignored):

    == the name of the case
    $ encode --to +447700900123 hello      arguments, split as a POSIX shell would
    < 0791...                              one line of standard input (repeatable)
    > {"pdu": "...", "length": 20}         one expected line of standard output, exact
    ~ Usage:                               standard output must contain this text
    ! unknown command                      standard error must contain this text
    ? 0                                    expected exit status

Without any ">" line the output is not compared line by line (use "~" then). In "$" and
"<" lines, \\n \\r \\t \\\\ and \\xHH stand for those characters; \\xHH from 80 upwards is the
raw byte HH (to feed the tool malformed UTF-8).
"""
import os
import re
import shlex
import subprocess
import sys

LISTS = {"<": "stdin", ">": "out", "~": "contains", "!": "stderr"}
ESCAPE = re.compile(r"\\(n|r|t|\\|x[0-9A-Fa-f]{2})")


def unescape(text):
    def one(m):
        code = m.group(1)
        if code.startswith("x"):
            value = int(code[1:], 16)
            # A lone surrogate becomes the raw byte when the argument is encoded.
            return chr(0xDC00 + value) if value >= 0x80 else chr(value)
        return {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}[code]
    return ESCAPE.sub(one, text)


def read_cases(path):
    cases, case = [], None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if line.startswith("=="):
                case = {"name": line[2:].strip(), "line": number, "args": [], "stdin": [],
                        "out": [], "contains": [], "stderr": [], "exit": 0}
                cases.append(case)
                continue
            if not line.strip() or line.startswith("#"):
                continue
            tag, _, value = line.partition(" ")
            if case is None or tag not in "$<>~!?" or len(tag) != 1:
                raise SystemExit(f"{path}:{number}: cannot read {line!r}")
            if tag == "$":
                case["args"] = [unescape(a) for a in shlex.split(value)]
            elif tag == "?":
                case["exit"] = int(value)
            else:
                case[LISTS[tag]].append(unescape(value) if tag == "<" else value)
    return cases


def run_case(tool, case):
    stdin = "".join(s + "\n" for s in case["stdin"]).encode("utf-8", "surrogateescape")
    args = [os.fsencode(a) for a in case["args"]]
    done = subprocess.run([tool] + args, input=stdin, capture_output=True, timeout=20)
    out = done.stdout.decode("utf-8", "replace")
    err = done.stderr.decode("utf-8", "replace")
    problems = []
    if done.returncode != case["exit"]:
        problems.append(f"exit status {done.returncode}, expected {case['exit']}")
    if case["out"] and out.split("\n")[:-1] != case["out"]:
        problems.append("output differs:\n  got:      " + "\n            ".join(out.split("\n")[:-1])
                        + "\n  expected: " + "\n            ".join(case["out"]))
    if case["out"] and not out.endswith("\n"):
        problems.append("output does not end with a line end")
    problems += [f"output lacks {c!r}" for c in case["contains"] if c not in out]
    problems += [f"standard error lacks {c!r}" for c in case["stderr"] if c not in err]
    if not case["out"] and not case["contains"] and out and case["exit"] == 2:
        problems.append(f"usage error printed to standard output: {out!r}")
    return problems


def main():
    tool, path = sys.argv[1], sys.argv[2]
    cases = read_cases(path)
    failed = 0
    for case in cases:
        problems = run_case(tool, case)
        if problems:
            failed += 1
            print(f"FAIL {os.path.basename(path)}:{case['line']} {case['name']}")
            for p in problems:
                print("  " + p)
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
