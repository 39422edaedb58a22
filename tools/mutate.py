#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing of the core and the command line.

Samples single-point mutants of src/money, src/tariffs, src/calc, src/entry, src/batch and
src/cli (a relational, arithmetic or logical operator swapped, an integer constant changed, a
one-line guard or early return deleted, a negation dropped, a digit of a table figure changed),
and for each one rebuilds the build folder with ninja, runs the fast suite (ctest without the
"exhaustive" label, stopping at the first failure) and puts the file back. A mutant the suite lets through is listed
with its file, line and change. The source file is always restored, also on Ctrl-C.

    tools/mutate.py --sample 50 --draw 7 --build-dir build/mutate
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DIRS = ("src/money", "src/tariffs", "src/calc", "src/entry", "src/batch", "src/cli")
TABLE_FILES = ("src/tariffs/program_table_text.h", "src/tariffs/anexo8_tables.cpp")
CONFIGURE_FLAGS = (
    "-DCMAKE_BUILD_TYPE=Debug",
    "-DBUILD_TESTING=ON",
    "-DISR_WERROR=ON",
    "-DISR_BUILD_WEB=OFF",
    "-DISR_BUILD_UI=OFF",
    "-DISR_BUILD_BENCHMARKS=OFF",
)

# Each binary operator with a space either side (the code is clang-formatted, so template angle
# brackets, "->" and "<<" never match) and what it becomes.
OPERATORS = {
    "relational": {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
                   " == ": " != ", " != ": " == "},
    "arithmetic": {" + ": " - ", " - ": " + ", " * ": " / ", " / ": " * ", " % ": " / ",
                   " += ": " -= ", " -= ": " += "},
    "logical": {" && ": " || ", " || ": " && "},
}
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
GUARD = re.compile(r"^\s*if \(.*\) (return\b.*|continue|break);\s*$")
NEGATION = re.compile(r"(?<=[(\s])!(?=[\w(])")
TABLE_FIGURE = re.compile(r'"(\d+(?:\.\d+)?)"')


@dataclass
class Mutant:
    path: str
    line: int  # from 1
    kind: str
    before: str  # the whole line
    after: str

    def change(self):
        return f"{self.kind}: {self.before.strip()!r} -> {self.after.strip()!r}"


def masked(line):
    """The line with the inside of string and character literals and any trailing comment
    blanked, so that operators are only found in code."""
    out = []
    quote = None
    i = 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("__")
                i += 2
                continue
            out.append(c if c == quote else "_")
            if c == quote:
                quote = None
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isdigit()):
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)]


def candidates(path, rng):
    text = (ROOT / path).read_text(encoding="utf-8")
    found = []
    in_block_comment = in_raw_string = False
    for number, line in enumerate(text.splitlines(), start=1):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if in_raw_string:  # text, not code
            in_raw_string = ')"' not in line
            continue
        if 'R"(' in line and ')"' not in line[line.index('R"('):]:
            in_raw_string = True
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("//", "#")) or "static_assert" in line:
            continue
        code = masked(line)

        def add(kind, start, end, replacement):
            found.append(Mutant(path, number, kind, line, line[:start] + replacement + line[end:]))

        for kind, table in OPERATORS.items():
            for before, after in table.items():
                for m in re.finditer(re.escape(before), code):
                    # Appending a literal to a string: the swap would not compile.
                    if kind == "arithmetic" and code[m.end():m.end() + 1] in ("\"", "'"):
                        continue
                    add(kind, m.start(), m.end(), after)
        for m in INTEGER.finditer(code):
            if re.search(r"\)( const)? = $", code[:m.start()]):
                continue  # "= 0" of a pure virtual function
            value = int(m.group(1))
            add("constant", m.start(), m.end(), str(value + 1 if value != 1 else 0))
        if GUARD.match(code):
            found.append(Mutant(path, number, "deleted guard", line, ""))
        for m in NEGATION.finditer(code):
            add("negation", m.start(), m.end(), "")
        # One digit of one figure of a table row, so that the rows do not crowd out the code.
        figures = list(TABLE_FIGURE.finditer(line)) if path in TABLE_FILES else []
        if figures:
            figure = rng.choice(figures)
            at = rng.choice([i for i in range(figure.start(1), figure.end(1)) if line[i].isdigit()])
            add("table digit", at, at + 1, str((int(line[at]) + 1) % 10))
    return found


def all_candidates(dirs, rng):
    files = sorted(str(p.relative_to(ROOT)) for d in dirs for p in (ROOT / d).rglob("*")
                   if p.suffix in (".cpp", ".h") and p.name != "main.cpp")
    return [m for f in files for m in candidates(f, rng)]


def run(command, timeout=None):
    """Status and output of a command in its own process group, or None on a timeout; the
    whole group is killed on a timeout or an interruption, compilers and test programs too."""
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, start_new_session=True)
    try:
        out, _ = process.communicate(timeout=timeout)
        return process.returncode, out.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, ""
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def build(build_dir):
    return run(["ninja", "-C", str(build_dir)])


def suite(build_dir, timeout, jobs):
    return run(["ctest", "--test-dir", str(build_dir), "--label-exclude", "exhaustive",
                "--stop-on-failure", "--timeout", str(timeout), "-j", str(jobs)],
               timeout=timeout * 4)


def rewrite(path, lines, mutant):
    out = list(lines)
    out[mutant.line - 1] = mutant.after
    (ROOT / path).write_text("\n".join(out) + "\n", encoding="utf-8")


def interrupt(*_):
    """A SIGTERM unwinds like Ctrl-C, so that the mutated file is put back."""
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, default=50, help="mutants to try (default 50)")
    parser.add_argument("--draw", type=int, default=1,
                        help="which random sample: the same number draws the same mutants "
                        "(default 1)")
    parser.add_argument("--build-dir", default="build/mutate",
                        help="ninja build folder, configured here if missing (default build/mutate)")
    parser.add_argument("--timeout", type=int, default=120,
                        help="seconds for one test of one mutant (default 120)")
    parser.add_argument("--jobs", type=int, default=2, help="ctest -j (default 2)")
    parser.add_argument("--dir", action="append", dest="dirs",
                        help=f"folder to mutate, repeatable (default {' '.join(DIRS)})")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    args = parser.parse_args()

    signal.signal(signal.SIGTERM, interrupt)

    rng = random.Random(args.draw)
    pool = all_candidates(args.dirs or DIRS, rng)
    sample = rng.sample(pool, min(args.sample, len(pool)))
    sample.sort(key=lambda m: (m.path, m.line))
    print(f"{len(pool)} candidate mutants, trying {len(sample)} (draw {args.draw})", flush=True)
    if args.list:
        for m in sample:
            print(f"  {m.path}:{m.line}  {m.change()}")
        return 0

    build_dir = Path(args.build_dir)
    if not (ROOT / build_dir / "build.ninja").exists():
        status, out = run(["cmake", "-G", "Ninja", "-S", ".", "-B", str(build_dir),
                           *CONFIGURE_FLAGS])
        if status != 0:
            print(out)
            return 2
    status, out = build(build_dir)
    if status == 0:
        status, out = suite(build_dir, args.timeout, args.jobs)
    if status != 0:
        print("the unchanged tree does not build or pass its fast suite:\n" + out)
        return 2

    killed, survivors, unbuilt = 0, [], []
    started = time.monotonic()
    try:
        for i, m in enumerate(sample, start=1):
            original = (ROOT / m.path).read_bytes()
            lines = original.decode("utf-8").splitlines()
            try:
                rewrite(m.path, lines, m)
                status, out = build(build_dir)
                if status != 0:
                    verdict = "no build"
                    unbuilt.append(m)
                else:
                    status, _ = suite(build_dir, args.timeout, args.jobs)
                    if status == 0:
                        verdict = "SURVIVED"
                        survivors.append(m)
                    else:
                        verdict = "killed" if status is not None else "killed (timeout)"
                        killed += 1
            finally:
                (ROOT / m.path).write_bytes(original)
            print(f"[{i}/{len(sample)}] {verdict:16} {m.path}:{m.line}  {m.change()}", flush=True)
    except KeyboardInterrupt:
        print("\ninterrupted; the file is restored", file=sys.stderr)
    finally:
        build(build_dir)  # the build folder back to the unchanged tree

    built = killed + len(survivors)
    print(f"\n{len(unbuilt)} did not build (the compiler or a static_assert stopped them)")
    if survivors:
        print("survivors:")
        for m in survivors:
            print(f"  {m.path}:{m.line}  {m.change()}")
    percent = 100.0 * killed / built if built else 0.0
    minutes = (time.monotonic() - started) / 60
    print(f"killed {killed} of {built} ({percent:.1f} %) in {minutes:.0f} min")
    return 0


if __name__ == "__main__":
    sys.exit(main())
