#!/usr/bin/env python3
"""Fault-injection run: does the test suite notice realistic faults put into src/?

Run from the project's root:

    scripts/mutate.py                       # every fault of tests/faults.txt
    scripts/mutate.py --only adif,card-unsaved-order
    scripts/mutate.py --list                # the faults, and whether each still applies
    scripts/mutate.py --jobs 2 --timeout 120 --scratch ../eqsl-faults --keep

What it does:
  1. Copies the files git tracks (`git ls-files`, as they are in the work tree) to a scratch
     folder, configures them (Release, tests on, warnings not errors: a fault that only causes a
     warning still builds) and builds once.
  2. Runs every test once: the baseline must be green, or the run stops and says which failed.
  3. For each fault of the fault file: checks that its original text occurs exactly once in its
     file (otherwise the fault is "stale": the code changed, and the fault file must follow),
     writes the faulty text in its place, rebuilds incrementally ("not compiled" when the build
     fails), runs every test, puts the file back, and records the outcome:
        killed        at least one test failed (their names are kept)
        survived      every test passed: no test notices the fault
        not compiled  the faulty code does not build
        stale         the original text is not found exactly once
        equivalent    the fault file explains why the fault cannot change what the program does;
                      it is not run (unless --check-equivalent is given)
        unseen        the fault file explains why no test can see it (a sync whose loss shows only
                      when the power is cut) and what checks the behaviour instead; not run either
                      (unless --check-equivalent is given), and not counted in the score
  4. Prints a table and the score, killed / (killed + survived), and writes the same as JSON to
     <scratch>/summary.json. The build and test output of each fault is kept in <scratch>/logs/.

The tests are those ctest knows (`ctest --show-only=json-v1`), each run with its own command,
environment and working folder, in parallel (--jobs), each stopped after --timeout seconds (or
its own TIMEOUT, whichever is shorter): ctest alone cannot shorten a test's own TIMEOUT, and a
fault that makes a test hang must not hold the run for minutes.

Without --keep, the copy of the tree and its build are removed at the end; the summary and the
logs stay. With --scratch DIR naming a folder an earlier run kept (--keep), its copy is brought up
to date (only the files that changed are written) and its build goes on incrementally.

Standard library only; needs git, cmake, a compiler and what the tests need (scripts/install-deps.sh).
"""

from __future__ import annotations

import argparse
import dataclasses
import datetime
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

DEFAULT_FAULTS = Path("tests/faults.txt")
FIELDS = ("id", "file", "effect", "original", "faulty", "equivalent", "unseen")
REQUIRED = ("id", "file", "effect", "original", "faulty")

KILLED = "killed"
SURVIVED = "survived"
NOT_COMPILED = "not compiled"
STALE = "stale"
EQUIVALENT = "equivalent"
UNSEEN = "unseen"


class FaultFileError(Exception):
    pass


@dataclasses.dataclass
class Fault:
    id: str
    file: str
    effect: str
    original: str
    faulty: str
    equivalent: str = ""
    unseen: str = ""
    line: int = 0  # where its block starts in the fault file


@dataclasses.dataclass
class Result:
    fault: Fault
    status: str
    tests: list[str] = dataclasses.field(default_factory=list)
    note: str = ""
    seconds: float = 0.0


# ---------------------------------------------------------------------------------------------
# The fault file


def parse_faults(path: Path) -> list[Fault]:
    """Reads the fault file: blocks of `key: value` lines, each block starting with `id:`.

    A value is the rest of its key's line. A value that spans lines is written on the lines after
    its key, each starting with "|": the text is what follows the "|", exactly (leading blanks
    included), and the lines are joined with line feeds. A key with nothing after it and no "|"
    lines is an empty text (a faulty text that drops the original). Lines starting with "#" and
    empty lines outside a "|" run are ignored.
    """
    faults: list[Fault] = []
    current: dict[str, object] | None = None
    key: str | None = None  # the key whose "|" lines are being read
    seen_ids: set[str] = set()

    def finish() -> None:
        if current is None:
            return
        missing = [k for k in REQUIRED if k not in current]
        if missing:
            raise FaultFileError(f"{path}:{current['line']}: fault {current.get('id')!r} lacks {', '.join(missing)}")
        values = {k: ("\n".join(v) if isinstance(v, list) else v) for k, v in current.items()}
        fault = Fault(**values)
        if fault.id in seen_ids:
            raise FaultFileError(f"{path}:{fault.line}: the id {fault.id!r} is used twice")
        if not fault.original:
            raise FaultFileError(f"{path}:{fault.line}: fault {fault.id!r} has an empty original text")
        if fault.original == fault.faulty:
            raise FaultFileError(f"{path}:{fault.line}: fault {fault.id!r} changes nothing")
        seen_ids.add(fault.id)
        faults.append(fault)

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if raw.startswith("|"):
            if current is None or key is None:
                raise FaultFileError(f"{path}:{number}: a '|' line belongs to no key")
            value = current[key]
            if not isinstance(value, list):
                if value != "":
                    raise FaultFileError(f"{path}:{number}: {key} has a value on its line and '|' lines")
                value = current[key] = []
            value.append(raw[1:])
            continue
        key = None
        if not raw.strip() or raw.startswith("#"):
            continue
        name, colon, value = raw.partition(":")
        name = name.strip()
        if not colon or name not in FIELDS:
            raise FaultFileError(f"{path}:{number}: expected one of {', '.join(FIELDS)} followed by ':'")
        value = value[1:] if value.startswith(" ") else value
        if name == "id":
            finish()
            current = {"line": number}
        elif current is None:
            raise FaultFileError(f"{path}:{number}: a fault starts with its id")
        if name in current:
            raise FaultFileError(f"{path}:{number}: {name} given twice")
        current[name] = value.rstrip() if name in ("id", "file", "effect", "equivalent", "unseen") else value
        key = name
    finish()
    return faults


def select(faults: list[Fault], only: str | None) -> list[Fault]:
    """The faults `--only` names: each item an id, or else a part of ids (such as a folder name)."""
    if not only:
        return faults
    chosen: list[Fault] = []
    for item in (part.strip() for part in only.split(",")):
        if not item:
            continue
        exact = [f for f in faults if f.id == item]
        matches = exact or [f for f in faults if item in f.id]
        if not matches:
            raise SystemExit(f"--only: no fault is named or contains {item!r} (see --list)")
        chosen += [f for f in matches if f not in chosen]
    return [f for f in faults if f in chosen]  # in the file's order


def staleness(fault: Fault, root: Path) -> str:
    """Why the fault no longer applies to the tree at `root`; empty when it does."""
    path = root / fault.file
    if not path.is_file():
        return f"{fault.file} does not exist"
    count = path.read_bytes().decode("utf-8").count(fault.original)
    if count != 1:
        return f"the original text occurs {count} times in {fault.file}"
    return ""


# ---------------------------------------------------------------------------------------------
# The scratch copy and its build


def run_logged(command: list[str], log: Path, cwd: Path | None = None, nice: bool = False) -> bool:
    """Runs a command with its output appended to `log`; whether it succeeded."""
    with log.open("a", encoding="utf-8") as out:
        out.write(f"$ {' '.join(command)}\n")
        out.flush()
        done = subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                              preexec_fn=(lambda: os.nice(10)) if nice else None)
    return done.returncode == 0


def copy_tree(root: Path, tree: Path) -> None:
    """Makes `tree` hold exactly the tracked files of `root`, rewriting only those that differ."""
    listed = subprocess.run(["git", "ls-files", "-z"], cwd=root, check=True, capture_output=True).stdout
    names = [n for n in listed.decode("utf-8").split("\0") if n]
    wanted = set()
    for name in names:
        source = root / name
        if not source.is_file():  # deleted in the work tree, or a submodule
            continue
        wanted.add(name)
        target = tree / name
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
        shutil.copymode(source, target)
    for path in sorted(tree.rglob("*"), reverse=True):
        relative = path.relative_to(tree).as_posix()
        if path.is_file() and relative not in wanted:
            path.unlink()
        elif path.is_dir() and not any(path.iterdir()):
            path.rmdir()


def configure(tree: Path, build: Path, log: Path) -> bool:
    generator = ["-G", "Ninja"] if shutil.which("ninja") and not (build / "Makefile").exists() else []
    return run_logged(["cmake", "-S", str(tree), "-B", str(build), *generator, "-DCMAKE_BUILD_TYPE=Release",
                       "-DEQSL_BUILD_TESTS=ON", "-DEQSL_WERROR=OFF"], log, nice=True)


def build_tree(build: Path, jobs: int, log: Path) -> bool:
    return run_logged(["cmake", "--build", str(build), "-j", str(jobs)], log, nice=True)


# ---------------------------------------------------------------------------------------------
# The tests


@dataclasses.dataclass
class TestCase:
    name: str
    command: list[str]
    cwd: str
    environment: dict[str, str]
    timeout: float
    will_fail: bool = False


# The test properties the runner follows; others (labels, costs) do not change a test's outcome.
UNDERSTOOD = {"ENVIRONMENT", "TIMEOUT", "WORKING_DIRECTORY", "WILL_FAIL", "DISABLED", "LABELS", "COST", "PROCESSORS"}


def list_tests(build: Path, timeout: float) -> list[TestCase]:
    shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True, capture_output=True, text=True)
    tests = []
    for test in json.loads(shown.stdout).get("tests", []):
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        if properties.get("DISABLED") or not test.get("command"):
            continue
        unknown = set(properties) - UNDERSTOOD
        if unknown:
            print(f"warning: test {test['name']} has properties this run does not follow: {', '.join(sorted(unknown))}",
                  file=sys.stderr)
        environment = dict(entry.split("=", 1) for entry in properties.get("ENVIRONMENT", []) if "=" in entry)
        own = float(properties.get("TIMEOUT", 0) or 0)
        tests.append(TestCase(test["name"], test["command"], properties.get("WORKING_DIRECTORY", str(build)),
                              environment, min(own, timeout) if own > 0 else timeout,
                              bool(properties.get("WILL_FAIL", False))))
    return tests


def run_tests(tests: list[TestCase], jobs: int, log_folder: Path, durations: dict[str, float]) -> dict[str, str]:
    """Runs the tests, `jobs` at a time, the longest first; each test's name to "passed",
    "failed" or "timeout". Each test's output goes to `log_folder`/<name>.txt."""
    log_folder.mkdir(parents=True, exist_ok=True)
    waiting = sorted(tests, key=lambda t: -durations.get(t.name, 0.0))
    running: list[tuple[TestCase, subprocess.Popen, float, object]] = []
    outcome: dict[str, str] = {}
    while waiting or running:
        while waiting and len(running) < jobs:
            test = waiting.pop(0)
            out = (log_folder / f"{test.name}.txt").open("w", encoding="utf-8")
            process = subprocess.Popen(test.command, cwd=test.cwd, env={**os.environ, **test.environment},
                                       stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                       start_new_session=True)
            running.append((test, process, time.monotonic(), out))
        time.sleep(0.05)
        for entry in list(running):
            test, process, started, out = entry
            elapsed = time.monotonic() - started
            code = process.poll()
            if code is None and elapsed > test.timeout:
                # The test and whatever it started (a display server, the program) are this run's own.
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait()
                outcome[test.name] = "timeout"
            elif code is None:
                continue
            else:
                outcome[test.name] = "passed" if (code == 0) != test.will_fail else "failed"
                durations[test.name] = elapsed
            out.close()
            running.remove(entry)
    return outcome


# ---------------------------------------------------------------------------------------------
# The run


def try_fault(fault: Fault, tree: Path, build: Path, tests: list[TestCase], args, logs: Path,
              durations: dict[str, float]) -> Result:
    started = time.monotonic()
    if fault.equivalent and not args.check_equivalent:
        return Result(fault, EQUIVALENT, note=fault.equivalent)
    if fault.unseen and not args.check_equivalent:
        return Result(fault, UNSEEN, note=fault.unseen)
    why = staleness(fault, tree)
    if why:
        return Result(fault, STALE, note=why)
    path = tree / fault.file
    original = path.read_bytes()
    text = original.decode("utf-8")
    build_log = logs / f"{fault.id}.build.txt"
    build_log.unlink(missing_ok=True)
    try:
        path.write_bytes(text.replace(fault.original, fault.faulty, 1).encode("utf-8"))
        if not build_tree(build, args.jobs, build_log):
            return Result(fault, NOT_COMPILED, note=f"see {build_log}", seconds=time.monotonic() - started)
        outcome = run_tests(tests, args.jobs, logs / fault.id, durations)
    finally:
        # Written anew, so that the next build compiles the file again from its true text.
        path.write_bytes(original)
    failed = sorted(name + (" (timeout)" if state == "timeout" else "")
                    for name, state in outcome.items() if state != "passed")
    status = KILLED if failed else SURVIVED
    note = ""
    if fault.equivalent:
        note = "explained as equivalent, yet killed: the explanation is wrong" if failed else fault.equivalent
        status = KILLED if failed else EQUIVALENT
    if fault.unseen:
        note = "explained as unseen, yet killed: the explanation is wrong" if failed else fault.unseen
        status = KILLED if failed else UNSEEN
    return Result(fault, status, failed, note, time.monotonic() - started)


def print_table(results: list[Result]) -> None:
    width = max([len(r.fault.id) for r in results] + [5])
    print()
    print(f"{'fault':<{width}}  {'outcome':<12}  {'seconds':>7}  tests that failed, or why")
    print(f"{'-' * width}  {'-' * 12}  {'-' * 7}  {'-' * 40}")
    for r in results:
        detail = ", ".join(r.tests) if r.tests else r.note
        print(f"{r.fault.id:<{width}}  {r.status:<12}  {r.seconds:>7.0f}  {detail}")
    survivors = [r for r in results if r.status == SURVIVED]
    if survivors:
        print("\nSurvivors, by what a user would see:")
        for r in survivors:
            print(f"  {r.fault.id} ({r.fault.file}): {r.fault.effect}")


def score(results: list[Result]) -> tuple[dict[str, int], float | None]:
    counts = {s: sum(1 for r in results if r.status == s) for s in (KILLED, SURVIVED, NOT_COMPILED, STALE, EQUIVALENT, UNSEEN)}
    judged = counts[KILLED] + counts[SURVIVED]
    return counts, (counts[KILLED] / judged if judged else None)


def write_summary(path: Path, results: list[Result], root: Path, seconds: float, args) -> None:
    counts, ratio = score(results)
    head = subprocess.run(["git", "rev-parse", "HEAD"], cwd=root, capture_output=True, text=True).stdout.strip()
    summary = {
        "commit": head,
        "date": datetime.datetime.now().astimezone().isoformat(timespec="seconds"),
        "seconds": round(seconds),
        "jobs": args.jobs,
        "timeout": args.timeout,
        "counts": counts,
        "score": ratio,
        "faults": [
            {
                "id": r.fault.id,
                "file": r.fault.file,
                "effect": r.fault.effect,
                "status": r.status,
                "tests_failed": r.tests,
                "note": r.note,
                "seconds": round(r.seconds, 1),
            }
            for r in results
        ],
    }
    path.write_text(json.dumps(summary, indent=2, ensure_ascii=False) + "\n", encoding="utf-8")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--faults", type=Path, default=DEFAULT_FAULTS, help=f"the fault file ({DEFAULT_FAULTS})")
    parser.add_argument("--only", help="comma-separated fault ids, or parts of ids (\"adif\" takes every adif-...)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2,
                        help="parallel compile jobs and tests (all cores)")
    parser.add_argument("--timeout", type=float, default=120.0,
                        help="seconds after which a test is stopped and counts as failed (120)")
    parser.add_argument("--scratch", type=Path, help="the scratch folder (a new one under the system's temporary folder)")
    parser.add_argument("--keep", action="store_true", help="keep the copy of the tree and its build")
    parser.add_argument("--list", action="store_true", help="list the faults and whether each still applies; run nothing")
    parser.add_argument("--check-equivalent", action="store_true",
                        help="also run the faults explained as equivalent, to check the explanations")
    args = parser.parse_args()

    root = Path.cwd()
    if not (root / ".git").exists() or not (root / "src").is_dir():
        parser.error("run it from the project's root")
    try:
        faults = select(parse_faults(args.faults), args.only)
    except FaultFileError as error:
        print(f"mutate.py: {error}", file=sys.stderr)
        return 2

    if args.list:
        for fault in faults:
            why = staleness(fault, root)
            state = f"STALE: {why}" if why else ("equivalent" if fault.equivalent else "unseen" if fault.unseen else "ok")
            print(f"{fault.id:<34} {fault.file:<40} {state}")
            print(f"{'':<34} {fault.effect}")
        stale = sum(1 for f in faults if staleness(f, root))
        folders = len({Path(f.file).parts[1] for f in faults})
        print(f"\n{len(faults)} faults in {folders} folder{'' if folders == 1 else 's'} of src/, {stale} stale")
        return 1 if stale else 0

    started = time.monotonic()
    scratch = args.scratch or Path(tempfile.mkdtemp(prefix="eqsl-faults-"))
    scratch = scratch.resolve()
    tree, build, logs = scratch / "tree", scratch / "build", scratch / "logs"
    for folder in (tree, build, logs):
        folder.mkdir(parents=True, exist_ok=True)
    print(f"Scratch folder: {scratch}")

    print("Copying the tracked files ...", flush=True)
    copy_tree(root, tree)
    print("Configuring and building (the first build takes several minutes) ...", flush=True)
    base_log = logs / "baseline.build.txt"
    base_log.unlink(missing_ok=True)
    if not configure(tree, build, base_log) or not build_tree(build, args.jobs, base_log):
        print(f"The tree does not build without faults: see {base_log}", file=sys.stderr)
        return 2
    tests = list_tests(build, args.timeout)
    if not tests:
        print("ctest lists no test: is the build configured with EQSL_BUILD_TESTS=ON?", file=sys.stderr)
        return 2
    print(f"Running the {len(tests)} tests once without faults ...", flush=True)
    durations: dict[str, float] = {}
    baseline = run_tests(tests, args.jobs, logs / "baseline", durations)
    red = sorted(name for name, state in baseline.items() if state != "passed")
    if red:
        print("The suite is not green without faults, so the run would mean nothing. Failed: " + ", ".join(red) +
              f"\nTheir output is in {logs / 'baseline'}", file=sys.stderr)
        return 2

    results: list[Result] = []
    for number, fault in enumerate(faults, start=1):
        print(f"[{number}/{len(faults)}] {fault.id} ... ", end="", flush=True)
        result = try_fault(fault, tree, build, tests, args, logs, durations)
        results.append(result)
        print(f"{result.status}" + (f" ({', '.join(result.tests)})" if result.tests else "") +
              f", {result.seconds:.0f} s", flush=True)
    # The restored files built again, so that a kept scratch folder is ready for the next run.
    if not build_tree(build, args.jobs, logs / "restored.build.txt"):
        print(f"The tree does not build again after the faults: see {logs / 'restored.build.txt'}", file=sys.stderr)

    seconds = time.monotonic() - started
    print_table(results)
    counts, ratio = score(results)
    print("\n" + ", ".join(f"{n} {s}" for s, n in counts.items()))
    shown = f"{ratio:.0%}" if ratio is not None else "none (no fault was killed or survived)"
    print(f"Score: {counts[KILLED]} killed / {counts[KILLED] + counts[SURVIVED]} killed or survived = {shown}")
    print(f"Time: {seconds / 60:.1f} minutes")
    summary = scratch / "summary.json"
    write_summary(summary, results, root, seconds, args)
    if not args.keep:
        shutil.rmtree(tree, ignore_errors=True)
        shutil.rmtree(build, ignore_errors=True)
    print(f"Summary: {summary}; logs: {logs}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
