#!/usr/bin/env python3
"""Start-up, memory and keystroke-to-repaint figures of the real window.

Run under a display, for example:  xvfb-run -a python3 bench/window_bench.py build/bin/window_probe [RUNS] [PAUSE]
Start-up is measured from just before the process is started to the moment
its first frame has been painted; it is compared, run for run, with a plain Qt
window holding as many line edits and labels (the toolkit's floor) and with an
empty QWidget window of the same size (what any window costs), also once
after loading the font database (what the first text of any window costs),
and with a window whose input page is drawn by one widget (the least that
page's first frame can cost, with no widget behind its pixels).
Then the typing session twice: keystroke to the repaint of the edited field,
with the motion-cycle diagram's window open, keystroke to its repaint, and
the same with the motor and screw check's window open (Ctrl+E).
Starts follow one another at once, unless PAUSE seconds are given: a start
right after another shares the machine with the last one's exit, which slows
the small empty window most; a pause lets every start begin on a quiet machine.
"""
import statistics
import subprocess
import sys
import time


def startup(probe, which):
    t0 = time.time_ns()
    out = subprocess.run([probe, "startup", which], capture_output=True, text=True, check=True).stdout
    fields = dict(kv.split("=") for kv in out.split())
    return ((int(fields["first_paint_ns"]) - t0) / 1e6, int(fields["rss_kib"]) / 1024, int(fields["hwm_kib"]) / 1024)


def main():
    probe = sys.argv[1] if len(sys.argv) > 1 else "build/bin/window_probe"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    pause = float(sys.argv[3]) if len(sys.argv) > 3 else 0.0
    results = {"empty": [], "fonts": [], "floor": [], "vorbento": [], "painted": []}
    for which in results:  # warm the file cache
        startup(probe, which)
    for _ in range(runs):
        for which in results:  # alternate, so all see the same machine load
            time.sleep(pause)
            results[which].append(startup(probe, which))

    def med(which, k):
        return statistics.median(r[k] for r in results[which])

    print(f"start-up to first paint, median of {runs} runs each" + (f", {pause} s apart:" if pause else ":"))
    for which in results:
        print(f"  {which:9s} {med(which, 0):7.1f} ms   rss {med(which, 1):6.1f} MiB   peak rss {med(which, 2):6.1f} MiB")
    print(f"  ratio vorbento/empty: start-up {med('vorbento', 0) / med('empty', 0):.2f}x, "
          f"floor/empty {med('floor', 0) / med('empty', 0):.2f}x, fonts/empty {med('fonts', 0) / med('empty', 0):.2f}x")
    print(f"  ratio painted/empty: start-up {med('painted', 0) / med('empty', 0):.2f}x "
          "(the input page drawn by one widget: the least its first frame can cost)")
    print(f"  ratio vorbento/floor: start-up {med('vorbento', 0) / med('floor', 0):.2f}x, "
          f"rss +{med('vorbento', 1) - med('floor', 1):.1f} MiB, peak rss +{med('vorbento', 2) - med('floor', 2):.1f} MiB")
    keys = subprocess.run([probe, "keys"], capture_output=True, text=True, check=True).stdout.strip()
    print("keystroke to repaint of the edited field:", keys)
    cycle = subprocess.run([probe, "cycle"], capture_output=True, text=True, check=True).stdout.strip()
    print("keystroke to repaint of the motion-cycle diagram (its window open):", cycle)
    check = subprocess.run([probe, "check"], capture_output=True, text=True, check=True).stdout.strip()
    print("keystroke to repaint of the motor and screw check (its window open):", check)


if __name__ == "__main__":
    main()
