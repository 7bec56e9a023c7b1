#!/usr/bin/env python3
"""Prints the line and branch coverage of the two coverage builds.

Usage: coverage_report.py SOURCE_DIR NATIVE_BUILD WIN64_BUILD

Reads every object's counts with gcov's JSON output (the build's own gcov:
the MinGW one for the win64 build), prints per file and per folder the lines
and branches run, and lists the branches in UNTAKEN_FOLDERS that no test,
native or under Wine, takes both ways.

A branch here is one way out of a condition. Natively every call that may
throw has two more ways out, its return and the exception; gcov marks the
exception's way as "throw" and the return comes just before it. Neither is
a decision of the program's own, so both are left out (the Win32 builds have
no exceptions, so no such ways).
"""
import json
import os
import re
import subprocess
import sys
from collections import defaultdict

# Each build: its name, its gcov, and the files it is meant to cover.
BUILDS = (
    ("native", "gcov",
     ("ai/", "platform/platform_silent.cpp", "rules/", "settings/", "tools/", "view/")),
    ("Win32", "x86_64-w64-mingw32-gcov",
     ("ai/", "app/", "platform/platform_win32.cpp", "rules/", "settings/", "view/")),
)
UNTAKEN_FOLDERS = ("settings/", "view/", "app/", "platform/")


def conditional_arcs(branches):
    """The counts of a line's ways out of conditions, calls' ways left out."""
    counts = []
    falls_through = []
    for arc in branches:
        if arc["throw"]:
            if falls_through and falls_through[-1]:  # the call's return
                counts.pop()
                falls_through.pop()
            continue
        counts.append(arc["count"])
        falls_through.append(arc["fallthrough"])
    return counts


def read_build(source_dir, build_dir, gcov, covered):
    """{file: {line: count}} and {file: {line: [count per way]}}, summed over objects."""
    notes = [os.path.join(root, name) for root, _, names in os.walk(build_dir)
             for name in names if name.endswith(".gcno")]
    # -b: branches; -j -t: JSON on standard output, one object a line.
    output = subprocess.run([gcov, "-b", "-j", "-t"] + sorted(notes), cwd=build_dir,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True, text=True)
    lines = defaultdict(lambda: defaultdict(int))
    ways = defaultdict(dict)
    for document in output.stdout.splitlines():
        for entry in json.loads(document)["files"]:
            path = os.path.relpath(os.path.join(build_dir, entry["file"]), source_dir)
            if not path.startswith(covered):
                continue
            lines[path]  # a file with no lines still shows
            for line in entry["lines"]:
                number = line["line_number"]
                lines[path][number] += line["count"]
                counts = conditional_arcs(line["branches"])
                known = ways[path].get(number)
                if known is not None and len(known) == len(counts):
                    counts = [a + b for a, b in zip(known, counts)]
                if counts:
                    ways[path][number] = counts
    return lines, ways


def percent(hit, total):
    return f"{100.0 * hit / total:5.1f}%" if total else "    --"


def figures(path_lines, path_ways):
    run = sum(1 for count in path_lines.values() if count)
    taken = sum(1 for counts in path_ways.values() for count in counts if count)
    return run, len(path_lines), taken, sum(len(counts) for counts in path_ways.values())


def print_table(title, rows):
    print(f"\n{title}")
    print(f"  {'':44} {'lines run':>18}  {'branches taken':>18}")
    for name, (run, total, taken, ways) in rows:
        print(f"  {name:44} {run:5}/{total:<5} {percent(run, total)}  "
              f"{taken:5}/{ways:<5} {percent(taken, ways)}")


def sum_figures(parts):
    return tuple(map(sum, zip(*parts))) if parts else (0, 0, 0, 0)


def untaken_ways(text, counts, ran, alone):
    """What is never taken, in words; condition k is the k-th operand of &&
    and || on the line, from the left. gcc 12 at -O0 lists a condition's two
    ways with first the one that goes on: to the next condition (true, but
    false for one followed by ||), or into the body after the last (true).
    When a condition calls a function, one more pair follows for the whole
    condition. A switch lists one way per case. A statement over several
    lines is not labelled: gcc may count a condition on its first line."""
    if not ran:
        return ["line never run"]
    if re.search(r"\bswitch\b", text) or len(counts) % 2:
        return [f"way {i + 1} of {len(counts)} never taken" for i, c in enumerate(counts) if not c]
    operators = re.findall(r"&&|\|\|", text)
    pairs = len(counts) // 2
    if "?" in text:
        operands = text.count("?") if not operators else -1
    else:
        operands = len(operators) + 1
    labelled = alone and operands in (pairs, pairs - 1)
    words = []
    for k in range(pairs):
        first, second = counts[2 * k], counts[2 * k + 1]
        name = f"condition {k + 1} of {pairs}: " if pairs > 1 else ""
        if labelled and k == operands:
            name = "the whole condition: "
        if first == 0 and second == 0:
            words.append(name + "never reached")
        elif first == 0 or second == 0:
            if not labelled:
                words.append(name + "one way never taken")
                continue
            first_is_true = k >= len(operators) or operators[k] == "&&"
            words.append(name + ("never true" if (first == 0) == first_is_true else "never false"))
    return words


def code_of(text):
    """The line without strings, characters and its comment."""
    return re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', '""', text).split("//")[0].strip()


def goes_on(code):
    return code.endswith(("&&", "||", "(", ",", "=", "?", ":")) and not code.endswith("::")


def main():
    source_dir = os.path.abspath(sys.argv[1])
    builds = [(name, read_build(source_dir, os.path.abspath(build_dir), gcov, covered))
              for (name, gcov, covered), build_dir in zip(BUILDS, sys.argv[2:4])]

    summary = []
    for name, (lines, ways) in builds:
        files = {path: figures(lines[path], ways.get(path, {})) for path in sorted(lines)}
        print_table(f"{name}: per file", files.items())
        folders = sorted({path.split("/")[0] for path in files})
        summary.append((name, [(folder + "/", sum_figures([f for p, f in files.items()
                                                           if p.startswith(folder + "/")]))
                               for folder in folders] + [("all", sum_figures(list(files.values())))]))

    # Portable files run in both builds: a way counts as taken if either took it.
    merged = defaultdict(dict)
    for _, (lines, ways) in builds:
        for path, path_ways in ways.items():
            if not path.startswith(UNTAKEN_FOLDERS):
                continue
            for number, counts in path_ways.items():
                known = merged[path].get(number)
                if known is not None and len(known) == len(counts):
                    counts = [a + b for a, b in zip(known, counts)]
                elif known is not None:  # the builds lay this line out differently
                    counts = known + counts
                merged[path][number] = counts
    print(f"\nBranches in {', '.join(UNTAKEN_FOLDERS)} that no test takes both ways:")
    untaken = 0
    for path in sorted(merged):
        with open(os.path.join(source_dir, path), encoding="utf-8", errors="replace") as file:
            source = [""] + file.read().splitlines()
        for number in sorted(merged[path]):
            code = code_of(source[number])
            alone = not goes_on(code) and not goes_on(code_of(source[number - 1]))
            ran = any(counts.get(path, {}).get(number) for _, (counts, _) in builds)
            words = untaken_ways(code, merged[path][number], ran, alone)
            if words:
                untaken += 1
                print(f"  {path}:{number}: {'; '.join(words)}  | {source[number].strip()}")
    print(f"  ({untaken} lines)")

    for name, rows in summary:
        print_table(f"{name} summary, per folder", rows)


if __name__ == "__main__":
    main()
