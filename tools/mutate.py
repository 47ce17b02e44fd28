#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
"""Mutation score of the model libraries' tests.

Makes a fixed, seeded sample of small faults ("mutants") in the .cpp files of src/common,
src/catalogue, src/nutrition, src/meal, src/energy, src/printing, src/plan, src/report and src/shell,
builds each one in turn and runs the tests of its library on it. A mutant is killed when a test
fails, crashes or runs out of time; it survives when every test passes; it is not viable when it
does not compile (it is then left out of the score). Prints the share of killed mutants per
library and in total, and every survivor.

The work happens on a copy of the source tree in build-mutation/ (its own build folder, configured
with the default preset's settings and ccache): the working tree and build/ are never written to.

The sample depends only on the seed and on the text of the mutated lines: every possible mutant
gets a key hashed from the seed, its file, its operator and the text of its line, and each
library keeps the mutants with the smallest keys. An edit elsewhere in a file moves line numbers
but changes neither the keys nor the choice.

Usage: tools/mutate.py [--seed N] [--count N] [--library NAME]... [--list] [--timeout S] [--jobs N]
"""

import argparse
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import defaultdict
from dataclasses import dataclass
from pathlib import Path

LIBRARIES = ["common", "catalogue", "nutrition", "meal", "energy", "printing", "plan", "report", "shell"]
# Test programs of a library above that also run on a library's mutants: code written for the one
# above and tested there (the meal table's undo steps live in the shell model, whose tests drive
# them; velmo-pasto's persons and stored days are run by the plan's process tests; the balancing
# window's model drives the balancer).
ALSO_TESTED_BY = {"meal": ["shell_model_tests", "plan_process_tests"], "plan": ["shell_model_tests"]}
# Test programs that need a print system of their own; scripts/test.sh provides one, this does not.
EXCLUDED_TESTS = re.compile(r"cups")

ROOT = Path(__file__).resolve().parent.parent


@dataclass
class Mutant:
    library: str
    file: str        # relative to the source root
    line: int        # 1-based
    column: int      # 0-based, in the line
    operator: str
    original: str    # the text replaced
    replacement: str
    line_text: str   # the whole original line, without its newline
    key: str = ""

    def mutated_line(self):
        return self.line_text[:self.column] + self.replacement + self.line_text[self.column + len(self.original):]

    def label(self):
        return f"{self.file}:{self.line}"


# --- Finding the places to mutate -------------------------------------------------------------

def code_mask(lines):
    """Each line with comments blanked out and the insides of string and character literals
    replaced by 'x', so that operators and numbers are only found in code. Preprocessor lines
    become empty."""
    masked = []
    in_block_comment = False
    for text in lines:
        out = []
        i = 0
        n = len(text)
        if not in_block_comment and text.lstrip().startswith("#"):
            masked.append(" " * n)
            continue
        while i < n:
            c = text[i]
            if in_block_comment:
                if text.startswith("*/", i):
                    in_block_comment = False
                    out.append("  ")
                    i += 2
                else:
                    out.append(" ")
                    i += 1
            elif text.startswith("//", i):
                out.append(" " * (n - i))
                i = n
            elif text.startswith("/*", i):
                in_block_comment = True
                out.append("  ")
                i += 2
            elif c in "\"'":
                # A digit separator (1'000) is no character literal.
                if c == "'" and i > 0 and text[i - 1].isalnum() and i + 1 < n and text[i + 1].isalnum():
                    out.append(c)
                    i += 1
                    continue
                out.append(c)
                i += 1
                while i < n and text[i] != c:
                    if text[i] == "\\" and i + 1 < n:
                        out.append("xx")
                        i += 2
                    else:
                        out.append("x")
                        i += 1
                if i < n:
                    out.append(c)
                    i += 1
            else:
                out.append(c)
                i += 1
        masked.append("".join(out))
    return masked


COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
COMPARISON_SWAP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = re.compile(r"(?<=\s)([-+*/]=?)(?=\s)")
ARITHMETIC_SWAP = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="}
LOGICAL = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
LOGICAL_SWAP = {"&&": "||", "||": "&&"}
NEGATION = re.compile(r"(?<![\w)\]])!(?!=)")
INTEGER = re.compile(r"(?<![\w.'])(?<![eE][-+])(\d+)(?![\w.'])")
# A statement that does something: an assignment, a call, an increment, a stream write.
ACTION = re.compile(r"^(\+\+|--|\*?[A-Za-z_]\w*(\s*(::|\.|->)\s*~?[A-Za-z_]\w*)*\s*"
                    r"(\(|\[|=(?!=)|\+=|-=|\*=|/=|\|=|&=|<<|\+\+|--))")
NOT_AN_ACTION = re.compile(r"^(return|break|continue|case|default|goto|using|typedef|namespace|static_assert|"
                           r"throw|co_return|public|private|protected|template|friend|class|struct|enum|"
                           r"union|Q_UNUSED|Q_ASSERT|Q_OBJECT|assert)\b")


def statement_end(masked_line):
    return masked_line.rstrip().endswith(";")


def find_mutants(library, rel, lines):
    masked = code_mask(lines)
    found = []
    previous_code = ";"
    for number, (text, code) in enumerate(zip(lines, masked), start=1):
        def add(operator, column, original, replacement):
            found.append(Mutant(library, rel, number, column, operator, original, replacement, text))

        if code.strip():
            for m in COMPARISON.finditer(code):
                add("comparison", m.start(), m.group(1), COMPARISON_SWAP[m.group(1)])
            for m in ARITHMETIC.finditer(code):
                add("arithmetic", m.start(), m.group(1), ARITHMETIC_SWAP[m.group(1)])
            for m in LOGICAL.finditer(code):
                add("logical", m.start(), m.group(1), LOGICAL_SWAP[m.group(1)])
            for m in NEGATION.finditer(code):
                add("negation removed", m.start(), "!", "")
            for m in INTEGER.finditer(code):
                value = int(m.group(1))
                add("constant +1", m.start(), m.group(1), str(value + 1))
                if value > 0:
                    add("constant -1", m.start(), m.group(1), str(value - 1))
            stripped = code.strip()
            starts_statement = previous_code.endswith((";", "{", "}", ")", ":")) or previous_code.endswith("else")
            if (starts_statement and stripped.endswith(";") and "{" not in stripped and "}" not in stripped
                    and stripped.count("(") == stripped.count(")") and ACTION.match(stripped)
                    and not NOT_AN_ACTION.match(stripped)):
                indent = len(text) - len(text.lstrip())
                end = code.rstrip().__len__()
                add("statement dropped", indent, text[indent:end], ";")
            previous_code = stripped
    return found


def code_lines(lines):
    return sum(1 for line in code_mask(lines) if line.strip())


def stable_keys(seed, mutants, lines):
    """A key per mutant from the seed, its file, its operator and its line's text (with the
    number of the same text earlier in the file, and of the same operator earlier in the line),
    not from line numbers."""
    seen_text = defaultdict(int)
    text_index = {}
    for number, text in enumerate(lines, start=1):
        stripped = text.strip()
        text_index[number] = seen_text[stripped]
        seen_text[stripped] += 1
    per_line_operator = defaultdict(int)
    for m in mutants:
        slot = (m.line, m.operator)
        index = per_line_operator[slot]
        per_line_operator[slot] += 1
        identity = "\0".join([str(seed), m.file, m.operator, m.replacement, m.line_text.strip(),
                              str(text_index[m.line]), str(index)])
        m.key = hashlib.sha256(identity.encode()).hexdigest()


def library_sources(source_root, library):
    base = source_root / "src" / library
    return sorted(p for p in base.rglob("*.cpp") if p.is_file())


def quotas(count, sizes, minimum, available):
    """Mutants per library: proportional to its size, at least `minimum` (or all it has)."""
    total = sum(sizes.values())
    share = {lib: count * sizes[lib] / total if total else 0 for lib in sizes}
    quota = {lib: min(available[lib], max(minimum, int(share[lib]))) for lib in sizes}
    # Largest remainders first, then the biggest libraries, until the count is reached.
    order = sorted(sizes, key=lambda lib: (-(share[lib] - int(share[lib])), -sizes[lib], lib))
    while sum(quota.values()) < count and any(quota[lib] < available[lib] for lib in sizes):
        for lib in order:
            if sum(quota.values()) >= count:
                break
            if quota[lib] < available[lib]:
                quota[lib] += 1
    while sum(quota.values()) > count:
        lib = max((lib for lib in sizes if quota[lib] > minimum), key=lambda lib: (quota[lib], lib), default=None)
        if lib is None:
            break
        quota[lib] -= 1
    return quota


def sample(source_root, seed, count, minimum, libraries):
    candidates = {}
    sizes = {}
    for library in LIBRARIES:
        found = []
        size = 0
        for path in library_sources(source_root, library):
            rel = path.relative_to(source_root).as_posix()
            lines = path.read_text(encoding="utf-8").splitlines()
            mutants = find_mutants(library, rel, lines)
            stable_keys(seed, mutants, lines)
            found += mutants
            size += code_lines(lines)
        candidates[library] = sorted(found, key=lambda m: m.key)
        sizes[library] = size
    # The quotas are those of the whole sample, so that --library picks the same mutants.
    quota = quotas(count, sizes, minimum, {lib: len(candidates[lib]) for lib in LIBRARIES})
    chosen = []
    for library in libraries:
        chosen += candidates[library][:quota[library]]
    chosen.sort(key=lambda m: (LIBRARIES.index(m.library), m.file, m.line, m.column, m.operator))
    return chosen, sizes, quota


# --- The tests of each library --------------------------------------------------------------------

TEST_CALL = re.compile(r"velmo_add_test\(\s*(\w+)(.*?)\)\s*$", re.S | re.M)


def test_programs(source_root):
    """library -> [(test target, folder of its CMakeLists.txt relative to tests/)], read from the
    velmo_add_test calls: a test belongs to the library whose tests/<library>/ holds its sources."""
    programs = defaultdict(list)
    every = []  # every test program with its folder, whichever library it belongs to
    for cmake_list in sorted((source_root / "tests").rglob("CMakeLists.txt")):
        folder = cmake_list.parent.relative_to(source_root / "tests").as_posix()
        text = re.sub(r"#.*", "", cmake_list.read_text(encoding="utf-8"))
        for m in TEST_CALL.finditer(text):
            name, rest = m.group(1), m.group(2)
            if EXCLUDED_TESTS.search(name):
                continue
            sources = re.search(r"SOURCES\s+(.*?)(?:\s+(?:LIBS|GUI)\b|$)", rest, re.S)
            first = sources.group(1).split()[0] if sources else ""
            owner = folder if folder != "." else first.split("/")[0]
            every.append((name, folder))
            if owner in LIBRARIES:
                programs[owner].append((name, folder))
    for library, names in ALSO_TESTED_BY.items():
        programs[library] += [(n, f) for n, f in every if n in names and (n, f) not in programs[library]]
    return programs


# --- Building and running -------------------------------------------------------------------------

def log(message):
    print(message, file=sys.stderr, flush=True)


def source_files(source):
    """The files of a git checkout (tracked and untracked, not ignored), or of a plain folder
    without its build folders."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=source, capture_output=True)
    if listed.returncode == 0 and (source / ".git").exists():
        names = listed.stdout.decode().split("\0")
    else:
        names = [p.relative_to(source).as_posix() for p in source.rglob("*")
                 if p.is_file() and not p.relative_to(source).parts[0].startswith(("build", ".git"))]
    return {name for name in names if name and (source / name).is_file()}


def sync_tree(source, copy):
    """Makes `copy` hold the source's files, rewriting only those whose content differs so that
    the build stays incremental."""
    wanted = source_files(source)
    for name in wanted:
        src, dst = source / name, copy / name
        data = src.read_bytes()
        if not dst.is_file() or dst.read_bytes() != data:
            dst.parent.mkdir(parents=True, exist_ok=True)
            dst.write_bytes(data)
            shutil.copymode(src, dst)
    for path in copy.rglob("*"):
        if path.is_file() and path.relative_to(copy).as_posix() not in wanted:
            path.unlink()


def configure(copy, build):
    if (build / "build.ninja").is_file():
        return
    command = ["cmake", "-S", str(copy), "-B", str(build), "--preset", "default", "-DVELMO_BUILD_BENCH=OFF"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(command, cwd=copy, check=True, stdout=subprocess.DEVNULL)


def build(build_dir, targets, jobs):
    """'ok', 'not viable' (the compiler or linker refused it) or 'failed' (a build step that runs
    our programs failed, such as the food database or listing the tests)."""
    result = subprocess.run(["ninja", "-C", str(build_dir), f"-j{jobs}", *targets],
                            capture_output=True, text=True, errors="replace")
    if result.returncode == 0:
        return "ok", ""
    output = result.stdout + result.stderr
    if re.search(r": error:|undefined reference|collect2|ld returned", output):
        return "not viable", output
    return "failed", output


def run_test(build_dir, program, folder, timeout, fail_fast=True):
    """(passed, seconds). A program that runs out of time fails."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    command = [str(build_dir / "bin" / program), "--gtest_brief=1"]
    if fail_fast:
        command.append("--gtest_fail_fast")
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=build_dir / "tests" / folder, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return False, time.monotonic() - start
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
    return process.returncode == 0, time.monotonic() - start


def apply(copy, mutant):
    path = copy / mutant.file
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines[mutant.line - 1] != mutant.line_text:
        raise RuntimeError(f"{mutant.label()} is not the line that was sampled")
    lines[mutant.line - 1] = mutant.mutated_line()
    path.write_text("\n".join(lines), encoding="utf-8")


# --- Report ---------------------------------------------------------------------------------------

def describe(m):
    before = m.line_text.strip()
    after = m.mutated_line().strip()
    return f"{m.label():<42} {m.operator:<18} {before}  ->  {after}"


def describe_source(source):
    if not (source / ".git").exists():
        return str(source)
    head = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=source, capture_output=True, text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--", "src", "tests"], cwd=source,
                           capture_output=True, text=True).stdout.strip()
    return head + (" with local changes" if dirty else "")


def report(results, libraries, seed, count, elapsed, partial, source, programs):
    out = []
    out.append(f"Mutation score: seed {seed}, sample of {count}, source {source}")
    for library in libraries:
        out.append(f"  src/{library} tested by " + ", ".join(p for p, _ in programs[library]))
    if partial:
        out.append(f"PARTIAL RUN: {len(results)} of the sample's mutants were run")
    out.append(f"run time {elapsed / 60:.1f} min, {elapsed / max(1, len(results)):.1f} s a mutant")
    out.append("")
    out.append(f"{'library':<12} {'mutants':>7} {'not viable':>10} {'killed':>7} {'survived':>8} {'killed share':>12}")
    totals = [0, 0, 0, 0]
    for library in libraries + ["total"]:
        rows = [r for r in results if library in ("total", r[0].library)]
        n = len(rows)
        nv = sum(1 for _, outcome in rows if outcome == "not viable")
        killed = sum(1 for _, outcome in rows if outcome in ("killed", "timeout"))
        survived = sum(1 for _, outcome in rows if outcome == "survived")
        viable = killed + survived
        share = f"{100.0 * killed / viable:.1f}%" if viable else "-"
        name = f"src/{library}" if library != "total" else "total"
        out.append(f"{name:<12} {n:>7} {nv:>10} {killed:>7} {survived:>8} {share:>12}")
        if library == "total":
            totals = [n, nv, killed, survived]
    survivors = [m for m, outcome in results if outcome == "survived"]
    out.append("")
    out.append(f"Survivors ({len(survivors)}):")
    for m in survivors:
        out.append("  " + describe(m))
    timeouts = [m for m, outcome in results if outcome == "timeout"]
    if timeouts:
        out.append("")
        out.append(f"Killed by running out of time ({len(timeouts)}):")
        for m in timeouts:
            out.append("  " + describe(m))
    return "\n".join(out) + "\n", totals


# --- Main -----------------------------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description="Mutation score of the model libraries' tests.")
    parser.add_argument("--seed", type=int, default=11, help="the sample's seed (default 11)")
    parser.add_argument("--count", type=int, default=200, help="mutants in the whole sample (default 200)")
    parser.add_argument("--minimum", type=int, default=12, help="at least this many mutants a library (default 12)")
    parser.add_argument("--library", action="append", choices=LIBRARIES,
                        help="run only this library's part of the sample (repeatable)")
    parser.add_argument("--list", action="store_true", help="show the sample and stop")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds a test program may run (default: 3 times its run on the unchanged code, at least 20)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2, help="parallel compile jobs")
    parser.add_argument("--build-dir", default=str(ROOT / "build-mutation"), help="work folder (default build-mutation)")
    parser.add_argument("--source", default=str(ROOT),
                        help="the source tree whose code and tests are measured (default: this checkout)")
    parser.add_argument("--label", help="how the report names the source (default: its commit)")
    parser.add_argument("--output", help="also write the report to this file")
    args = parser.parse_args()
    # Stopped from outside, the run ends as on Ctrl-C: the mutated file is restored, the report printed.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    if signal.getsignal(signal.SIGINT) == signal.SIG_IGN:
        signal.signal(signal.SIGINT, signal.default_int_handler)

    source = Path(args.source).resolve()
    libraries = args.library or LIBRARIES
    mutants, sizes, quota = sample(source, args.seed, args.count, args.minimum, libraries)
    if args.list:
        for library in libraries:
            log(f"src/{library}: {sizes[library]} lines of code, {quota[library]} mutants")
        for m in mutants:
            print(f"{m.key[:8]}  {describe(m)}")
        return 0

    work = Path(args.build_dir).resolve()
    copy = work / "source"
    build_dir = work / "build"
    copy.mkdir(parents=True, exist_ok=True)
    log(f"Copying the working tree to {copy}")
    sync_tree(source, copy)
    configure(copy, build_dir)
    programs = test_programs(copy)
    for library in libraries:
        if not programs[library]:
            log(f"src/{library}: no test program found under tests/")
            return 2

    log("Building and running the tests on the unchanged code")
    status, output = build(build_dir, sorted({p for lib in libraries for p, _ in programs[lib]}), args.jobs)
    if status != "ok":
        log(output[-4000:])
        log("The unchanged code does not build")
        return 2
    limits = {}
    for library in libraries:
        for program, folder in programs[library]:
            passed, seconds = run_test(build_dir, program, folder, timeout=600, fail_fast=False)
            if not passed:
                log(f"{program} fails on the unchanged code: the score would mean nothing")
                return 2
            limits[program] = args.timeout or max(20.0, 3 * seconds)
            log(f"  {program}: {seconds:.1f} s")

    results = []
    start = time.monotonic()
    partial = False
    original = {}
    try:
        for index, mutant in enumerate(mutants, start=1):
            path = copy / mutant.file
            if mutant.file not in original:
                original[mutant.file] = path.read_text(encoding="utf-8")
            t0 = time.monotonic()
            apply(copy, mutant)
            try:
                status, _ = build(build_dir, [p for p, _ in programs[mutant.library]], args.jobs)
                if status == "not viable":
                    outcome = "not viable"
                elif status == "failed":
                    outcome = "killed"
                else:
                    outcome = "survived"
                    for program, folder in programs[mutant.library]:
                        passed, seconds = run_test(build_dir, program, folder, limits[program])
                        if not passed:
                            outcome = "timeout" if seconds >= limits[program] else "killed"
                            break
            finally:
                # The next build compiles the restored file again (from the compiler cache).
                path.write_text(original[mutant.file], encoding="utf-8")
            results.append((mutant, outcome))
            log(f"[{index}/{len(mutants)}] {time.monotonic() - t0:5.1f} s  {outcome:<10} {describe(mutant)}")
    except KeyboardInterrupt:
        partial = True
        log("Interrupted: the report covers the mutants run so far")
    finally:
        for name, text in original.items():
            (copy / name).write_text(text, encoding="utf-8")
    partial = partial or len(results) < len(mutants)
    text, _ = report(results, libraries, args.seed, args.count, time.monotonic() - start, partial,
                     args.label or describe_source(source), programs)
    print(text, end="")
    if args.output:
        Path(args.output).write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
