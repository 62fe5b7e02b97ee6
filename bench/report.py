#!/usr/bin/env python3
"""Runs every benchmark program and prints each figure beside its budget.

Usage: report.py BENCH_DIR [REPETITIONS]
Each program runs with repetitions; the medians of the CPU time (and of the
counters) are compared with bench/budgets.txt. Figures without a budget
(the scaling series) are printed below the table.

Two more kinds of figure come from outside Google Benchmark:
- instructions/SCENE: instructions per frame under callgrind
  (bench/instructions/count.sh), when valgrind is installed;
- window/RENDERER/WxH/SCALE[/busy]: the lit scene full screen in a real
  window under a private Xvfb (bench/window/scene_fps), BENCH_WINDOW_SECONDS
  long (20 by default; 0 leaves them out), with /busy while a loop of the
  bench's own keeps one core busy: game frames per wall second ("fps", a floor),
  CPU as a share of one core ("cpu"), present-to-present intervals ("p99",
  "worst"); the X server's own CPU share is printed beside them.
"""
import json
import os
import re
import subprocess
import sys
import tempfile
from contextlib import nullcontext

HERE = os.path.dirname(os.path.abspath(__file__))
SCALE = {"s": 1.0, "ms": 1e-3, "us": 1e-6, "ns": 1e-9}


def read_budgets():
    budgets = []
    with open(os.path.join(HERE, "budgets.txt")) as f:
        for line in f:
            line = line.split("#", 1)[0].split()
            if len(line) == 4:
                budgets.append((line[0], line[1], float(line[2]), line[3]))
    return budgets


def run(program, reps):
    with tempfile.NamedTemporaryFile(suffix=".json", delete=False) as out:
        path = out.name
    args = [program, f"--benchmark_repetitions={reps}", "--benchmark_report_aggregates_only=true",
            f"--benchmark_out={path}", "--benchmark_out_format=json"]
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    print(f"== {os.path.basename(program)}", flush=True)
    subprocess.run(args, env=env, check=False)
    try:
        with open(path) as f:
            return json.load(f).get("benchmarks", [])
    except (OSError, ValueError):
        return []
    finally:
        os.unlink(path)


def medians(results):
    """name -> median record (the plain record when there is no aggregate)."""
    found = {}
    for r in results:
        # Fixed iteration counts show in the name; the budgets name the bare benchmark.
        name = re.sub(r"/iterations:\d+", "", r.get("run_name", r["name"]))
        if r.get("run_type") == "aggregate" and r.get("aggregate_name") != "median":
            continue
        if r.get("error_occurred"):
            found[name] = {"error": r.get("error_message", "error")}
            continue
        if r.get("run_type") == "aggregate" or name not in found:
            found[name] = r
    return found


def figure(record, what, unit):
    if "error" in record:
        return None
    if what == "cpu":
        seconds = record["cpu_time"] * SCALE[record.get("time_unit", "ns")]
        return seconds / SCALE[unit]
    value = record.get(what)
    if value is None:
        return None
    return value / SCALE[unit] if unit in SCALE else value


def instruction_figures(bench_dir, budgets):
    """instructions/SCENE -> {"instructions": millions per frame}."""
    if not any(name.startswith("instructions/") for name, *_ in budgets):
        return {}
    script = os.path.join(HERE, "instructions", "count.sh")
    build = os.path.dirname(os.path.abspath(bench_dir))
    print("== instructions per frame (callgrind)", flush=True)
    try:
        out = subprocess.run([script, build], capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        print(f"   not counted: {e}")
        return {}
    print(out, end="")
    found = {}
    for line in out.splitlines():
        m = re.match(r"(\w+)\s+([\d.]+) M instructions per frame", line)
        if m:
            found["instructions/" + m.group(1)] = {"instructions": float(m.group(2))}
    return found


class busy_core:
    """A process that keeps one core busy (as another program on the
    player's machine would) for as long as it is entered."""

    def __enter__(self):
        self.loop = subprocess.Popen([sys.executable, "-c", "while True: pass"])
        return self

    def __exit__(self, *exc):
        self.loop.kill()
        self.loop.wait()
        return False


class private_x_server:
    """An Xvfb of its own with a SIZE screen; yields its DISPLAY and a function
    giving the processor seconds it has used since it was up."""

    def __init__(self, size):
        self.size = size

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.size}x24",
                                        "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        if not number:
            self.server.kill()
            raise RuntimeError("Xvfb did not start")
        self.start = self.cpu()
        return f":{number}", lambda: self.cpu() - self.start

    def cpu(self):
        with open(f"/proc/{self.server.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def __exit__(self, *exc):
        self.server.terminate()
        self.server.wait()
        return False


def window_figures(bench_dir, budgets):
    """window/RENDERER/WxH/SCALE -> {"fps", "cpu", "p50", "p99", "p999", "worst"}."""
    seconds = float(os.environ.get("BENCH_WINDOW_SECONDS", "20"))
    names = sorted({name for name, *_ in budgets if name.startswith("window/")})
    if seconds <= 0 or not names:
        return {}
    program = os.path.join(bench_dir, "scene_fps")
    found = {}
    for name in names:
        _, renderer, size, scale, *load = name.split("/")
        busy = load == ["busy"]
        args = [program, "lit", str(seconds), f"--renderer={renderer}"] + (["--sharp"] if scale == "sharp" else [])
        print(f"== {name}", flush=True)
        try:
            with private_x_server(size) as (display, server_cpu), (busy_core() if busy else nullcontext()):
                out = subprocess.run(args, capture_output=True, text=True, timeout=seconds + 120,
                                     env=dict(os.environ, SDL_AUDIODRIVER="dummy", DISPLAY=display)).stdout
                served = server_cpu()
        except (OSError, subprocess.TimeoutExpired, RuntimeError) as e:
            print(f"   not measured: {e}")
            continue
        print("   " + out.strip())
        # The X server scales the picture for the software renderer: its
        # share is part of what the frame costs the machine.
        print(f"   X server CPU {100 * served / seconds:.0f} % of one core over the run")
        m = re.search(r"([\d.]+) game frames per wall second.*CPU ([\d.]+) %.*p50 ([\d.]+) ms p99 ([\d.]+) ms "
                      r"p99.9 ([\d.]+) ms worst ([\d.]+) ms", out)
        if m:
            keys = ["fps", "cpu", "p50", "p99", "p999", "worst"]
            found[name] = {k: float(v) for k, v in zip(keys, m.groups())}
    return found


def main():
    bench_dir = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    reps = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    programs = sorted(os.path.join(bench_dir, p) for p in os.listdir(bench_dir)
                      if p.startswith("rx907_bench_") and os.access(os.path.join(bench_dir, p), os.X_OK))
    found = {}
    for p in programs:
        found.update(medians(run(p, reps)))
    budgets = read_budgets()
    found.update(instruction_figures(bench_dir, budgets))
    found.update(window_figures(bench_dir, budgets))

    print()
    print(f"{'figure (median of ' + str(reps) + ', CPU)':<44}{'measured':>14}{'budget':>12}  verdict")
    missed = 0
    budgeted = set()
    for name, what, budget, unit in budgets:
        budgeted.add(name)
        record = found.get(name)
        if record is None:
            print(f"{name:<44}{'-':>14}{budget:>9g} {unit:<3}  pending")
            continue
        value = record.get(what) if name.startswith(("instructions/", "window/")) else figure(record, what, unit)
        if value is None:
            print(f"{name:<44}{'error':>14}{budget:>9g} {unit:<3}  {record.get('error', 'no figure')}")
            missed += 1
            continue
        # A rate (frames per second) is a floor; everything else a ceiling.
        floor = unit == "fps"
        ok = value >= budget if floor else value < budget
        missed += not ok
        label = f"{name} {what}" if name.startswith("window/") else name
        verdict = "ok" if ok else ("UNDER" if floor else "OVER")
        print(f"{label:<44}{value:>10.3f} {unit:<3}{budget:>9g} {unit:<3}  {verdict}")
    others = [n for n in found if n not in budgeted]
    if others:
        print("\nwithout a budget (median CPU per iteration):")
        for name in others:
            r = found[name]
            if "error" in r:
                print(f"  {name:<40} {r['error']}")
                continue
            line = f"  {name:<40}{r['cpu_time']:>12.3f} {r.get('time_unit', 'ns')}"
            if "per_frame" in r:
                line += f"   ({r['per_frame'] * 1e3:.3f} ms per frame)"
            print(line)
    print(f"\n{missed} figure(s) over budget" if missed else "\nevery figure within its budget")


if __name__ == "__main__":
    main()
