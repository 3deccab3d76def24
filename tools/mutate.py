#!/usr/bin/env python3
"""Mutation testing of the portable logic: how many seeded faults the native suite notices.

  tools/mutate.py list [--seed N] [--count N]   write the mutants to tools/mutants.txt
  tools/mutate.py run [--out FILE] [IDS...]     build and test each mutant (or just IDS)
  tools/mutate.py compare OLD NEW               kill rates and the mutants NEW lets through
  tools/mutate.py --mutants FILE ...            another list than tools/mutants.txt

Each mutant is one line of src/core, src/app, src/launch, src/ui or src/platform (outside
win32) changed in one place: a comparison or logical operator swapped, a Boolean flipped,
a number off by one, a negation dropped, or a call statement removed. `run` copies the
tree to build-mutate/tree, builds unit_tests there without sanitizers, and for each mutant
patches the one file, rebuilds and runs the suite. A mutant is killed when the suite fails
or runs out of time, and stillborn when it does not build (stillborn mutants do not count).
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MUTANTS = os.path.join(ROOT, "tools", "mutants.txt")
WORK = os.path.join(ROOT, "build-mutate")
TREE = os.path.join(WORK, "tree")
BUILD = os.path.join(WORK, "build")
FOLDERS = ["src/core", "src/app", "src/launch", "src/ui", "src/platform"]

SWAPS = [
    (" == ", " != ", "compare"), (" != ", " == ", "compare"),
    (" <= ", " < ", "boundary"), (" < ", " <= ", "boundary"),
    (" >= ", " > ", "boundary"), (" > ", " >= ", "boundary"),
    (" && ", " || ", "logic"), (" || ", " && ", "logic"),
    ("true", "false", "bool"), ("false", "true", "bool"),
]
CALL = re.compile(r"^(\s*)(?!return\b|delete\b|throw\b|case\b|else\b)[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*\(.*\);\s*$")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
NEGATION = re.compile(r"!(?!=)")


def masked(line):
    """The line with string and character literals and a trailing comment blanked."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("__")
                i += 2
                continue
            out.append("_" if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)]


def sources():
    for folder in FOLDERS:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            if os.sep + "win32" in base:
                continue
            for name in sorted(files):
                if name.endswith(".cpp"):
                    yield os.path.relpath(os.path.join(base, name), ROOT)


def candidates(path):
    with open(os.path.join(ROOT, path), encoding="latin-1") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, 1):
        text = masked(line)
        stripped = text.strip()
        if not stripped or stripped.startswith(("#", "//", "*", "/*", "static_assert")):
            continue
        for old, new, kind in SWAPS:
            start = 0
            while (at := text.find(old, start)) >= 0:
                start = at + 1
                if kind == "bool" and (text[at - 1:at].isalnum() or text[at + len(old):at + len(old) + 1].isalnum()):
                    continue
                if kind == "boundary" and ("<<" in text[at - 1:at + 3] or ">>" in text[at - 1:at + 3]):
                    continue
                yield (path, number, at, old, new, kind)
        for m in NUMBER.finditer(text):
            if "[" in text[:m.start()] and "]" in text[m.end():] and "=" not in text:
                continue  # array sizes in declarations
            yield (path, number, m.start(), m.group(1), str(int(m.group(1)) + 1), "off-by-one")
        for m in NEGATION.finditer(text):
            yield (path, number, m.start(), "!", "", "negation")
        if CALL.match(text) and "=" not in text.split("(")[0]:
            indent = len(text) - len(text.lstrip())
            yield (path, number, indent, line[indent:], ";", "call")


def cmd_list(args):
    pool = [c for path in sources() for c in candidates(path)]
    # The same number of each kind (as far as a kind has enough): numbers alone are a
    # third of the candidates and would otherwise crowd out the operators.
    rng = random.Random(args.seed)
    kinds = {}
    for c in pool:
        kinds.setdefault(c[5], []).append(c)
    for group in kinds.values():
        rng.shuffle(group)
    chosen = []
    while len(chosen) < min(args.count, len(pool)):
        for kind in sorted(kinds):
            if kinds[kind] and len(chosen) < args.count:
                chosen.append(kinds[kind].pop())
    chosen.sort(key=lambda c: (c[0], c[1], c[2]))
    with open(args.mutants, "w") as f:
        f.write("# id\tfile\tline\tcolumn\tkind\toriginal\treplacement (tools/mutate.py list"
                f" --seed {args.seed} --count {args.count})\n")
        for i, (path, number, col, old, new, kind) in enumerate(chosen, 1):
            f.write(f"{i}\t{path}\t{number}\t{col}\t{kind}\t{old!r}\t{new!r}\n")
    print(f"{len(chosen)} mutants of {len(pool)} candidates -> {os.path.relpath(args.mutants, ROOT)}")


def load_mutants(path):
    mutants = []
    with open(path) as f:
        for row in f:
            if row.startswith("#") or not row.strip():
                continue
            i, path, number, col, kind, old, new = row.rstrip("\n").split("\t")
            mutants.append((int(i), path, int(number), int(col), kind, eval(old), eval(new)))
    return mutants


def run(command, cwd, timeout=None):
    try:
        p = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout)
        return p.returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def prepare():
    if os.path.exists(TREE):
        shutil.rmtree(TREE)
    os.makedirs(TREE)
    for item in ["CMakeLists.txt", "src", "tests", "cmake", "demo", "packaging", "LICENSE"]:
        source = os.path.join(ROOT, item)
        if os.path.isdir(source):
            shutil.copytree(source, os.path.join(TREE, item))
        elif os.path.exists(source):
            shutil.copy2(source, os.path.join(TREE, item))
    os.makedirs(BUILD, exist_ok=True)
    if run(["cmake", "-S", TREE, "-B", BUILD, "-DGRIDMATE_SANITIZE=OFF",
            "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=-O1"], ROOT) != 0:
        sys.exit("cmake failed")
    if build() != 0:
        sys.exit("the unmutated tree does not build")
    start = time.time()
    if test(None) != 0:
        sys.exit("the suite fails on the unmutated tree")
    return time.time() - start


def build():
    return run(["cmake", "--build", BUILD, "-j", str(os.cpu_count() or 2), "--target", "unit_tests"], ROOT)


def test(timeout):
    return run([os.path.join(BUILD, "tests", "unit_tests"), "--gtest_brief=1"], BUILD, timeout)


def cmd_run(args):
    mutants = load_mutants(args.mutants)
    if args.ids:
        mutants = [m for m in mutants if m[0] in set(args.ids)]
    baseline = prepare()
    timeout = max(30, 10 * baseline)
    out = open(args.out, "w")
    out.write("# id\tresult\tfile:line\tkind\n")
    for i, path, number, col, kind, old, new in mutants:
        target = os.path.join(TREE, path)
        with open(target, encoding="latin-1", newline="") as f:
            original = f.read()
        lines = original.split("\n")
        line = lines[number - 1]
        if line[col:col + len(old)] != old:
            sys.exit(f"mutant {i}: {path}:{number} no longer reads {old!r} at column {col}")
        lines[number - 1] = line[:col] + new + line[col + len(old):]
        with open(target, "w", encoding="latin-1", newline="") as f:
            f.write("\n".join(lines))
        try:
            if build() != 0:
                result = "stillborn"
            else:
                rc = test(timeout)
                result = "survived" if rc == 0 else "killed"
        finally:
            with open(target, "w", encoding="latin-1", newline="") as f:
                f.write(original)
        out.write(f"{i}\t{result}\t{path}:{number}\t{kind}\n")
        out.flush()
        print(f"{i:4} {result:9} {path}:{number} {kind}: {old.strip()!r} -> {new.strip()!r}", flush=True)
    out.close()
    build()
    summarise(args.out)


def read_results(path):
    results = {}
    with open(path) as f:
        for row in f:
            if not row.startswith("#") and row.strip():
                i, result, where, kind = row.rstrip("\n").split("\t")
                results[int(i)] = (result, where, kind)
    return results


def rate(results):
    counted = [r for r, _, _ in results.values() if r != "stillborn"]
    killed = sum(1 for r in counted if r == "killed")
    return killed, len(counted)


def summarise(path):
    killed, counted = rate(read_results(path))
    print(f"{path}: {killed} of {counted} mutants killed ({100.0 * killed / max(counted, 1):.1f} %)")


def cmd_compare(args):
    old, new = read_results(args.old), read_results(args.new)
    for label, results in (("old", old), ("new", new)):
        killed, counted = rate(results)
        print(f"{label}: {killed} of {counted} killed ({100.0 * killed / max(counted, 1):.1f} %)")
    mutants = {m[0]: m for m in load_mutants(args.mutants)}
    lost = [i for i in sorted(old) if old[i][0] == "killed" and new.get(i, ("?",))[0] == "survived"]
    gained = [i for i in sorted(old) if old[i][0] == "survived" and new.get(i, ("?",))[0] == "killed"]
    for title, ids in (("killed by the old suite only", lost), ("killed by the new suite only", gained)):
        print(f"{title}: {len(ids)}")
        for i in ids:
            _, path, number, _, kind, o, n = mutants[i]
            print(f"  {i:4} {path}:{number} {kind}: {o.strip()!r} -> {n.strip()!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mutants", default=MUTANTS, help="the list of mutants")
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("list")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--count", type=int, default=120)
    p.set_defaults(func=cmd_list)
    p = sub.add_parser("run")
    p.add_argument("--out", default=os.path.join(WORK, "results.tsv"))
    p.add_argument("ids", nargs="*", type=int)
    p.set_defaults(func=cmd_run)
    p = sub.add_parser("compare")
    p.add_argument("old")
    p.add_argument("new")
    p.set_defaults(func=cmd_compare)
    args = parser.parse_args()
    os.makedirs(WORK, exist_ok=True)
    args.func(args)


if __name__ == "__main__":
    main()
