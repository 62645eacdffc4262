#!/usr/bin/env python3
"""What `vorbento --results` costs a script, the whole process timed.

Usage:  python3 bench/results_bench.py build/bin/vorbento [RUNS] [DESIGNS]

Writes DESIGNS designs (1000 unless given) into a temporary folder, each the
start state with its own ratio and lead, as a script trying ratios would,
then times, RUNS times each (15 unless given), alternating so all see the same
machine load:
  - `vorbento --results` over all the designs in one call,
  - `vorbento --results` over one design,
  - `vorbento --version`, the least any start of the program costs.
Prints the median and worst wall time of each and its median CPU time (user
and system, steadier on a shared machine), and one design's run less
`--version`'s, run for run. No display is needed or used.
"""
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time


def cpu_of_children():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(command):
    """Wall time and CPU time (user + system) of one whole process, in ms."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    c0 = cpu_of_children()
    t0 = time.perf_counter_ns()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True, env=env)
    return (time.perf_counter_ns() - t0) / 1e6, (cpu_of_children() - c0) * 1e3


def write_designs(program, folder, count):
    # The start state's inputs as the program itself lists them.
    table = subprocess.run([program, "--results"], capture_output=True, text=True, check=True).stdout
    inputs = {}
    for line in table.splitlines()[1:34]:
        cells = line.split("\t")
        inputs[cells[1]] = cells[3]
    paths = []
    for n in range(count):
        design = dict(inputs, i=f"{1 + n / 250:g}", h=f"{0.005 + (n % 4) * 0.005:g}")
        path = os.path.join(folder, f"tengely{n:04d}.vorbento")
        with open(path, "w", encoding="utf-8") as f:
            json.dump({"format": "vorbento", "version": 1, "inputs": design}, f, indent=2, ensure_ascii=False)
            f.write("\n")
        paths.append(path)
    return paths


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build/bin/vorbento"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    with tempfile.TemporaryDirectory() as folder:
        paths = write_designs(program, folder, count)
        commands = {
            f"--results, {count} designs": [program, "--results", *paths],
            "--results, one design": [program, "--results", paths[0]],
            "--version": [program, "--version"],
        }
        times = {name: [] for name in commands}
        for command in commands.values():  # warm the file cache
            timed(command)
        for _ in range(runs):
            for name, command in commands.items():
                times[name].append(timed(command))
    for name, t in times.items():
        wall = [w for w, _ in t]
        cpu = [c for _, c in t]
        print(f"{name:28} wall median {statistics.median(wall):7.1f} ms, worst {max(wall):7.1f} ms;"
              f"   CPU median {statistics.median(cpu):7.1f} ms")
    one, version = times["--results, one design"], times["--version"]
    extra_wall = [a[0] - b[0] for a, b in zip(one, version)]
    extra_cpu = [a[1] - b[1] for a, b in zip(one, version)]
    print(f"{'one design less --version':28} wall median {statistics.median(extra_wall):7.1f} ms, "
          f"worst {max(extra_wall):7.1f} ms;   CPU median {statistics.median(extra_cpu):7.1f} ms")

if __name__ == "__main__":
    main()
