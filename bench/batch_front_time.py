#!/usr/bin/env python3
"""Wall time of whole batch-front runs, process start included: example 1, long form, exported to
standard output (or to a file with --to-file, which adds the file's flush to the disk).

    taskset -c 3 bench/batch_front_time.py build/dev/kordel [runs]

Prints the least and the median time of the runs in milliseconds.
"""
import statistics
import subprocess
import sys
import tempfile
import time


def main() -> int:
    args = [a for a in sys.argv[1:] if a != "--to-file"]
    if not args:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program = args[0]
    runs = int(args[1]) if len(args) > 1 else 30
    with tempfile.TemporaryDirectory() as folder:
        target = folder + "/example1.txt" if "--to-file" in sys.argv else "-"
        command = [program, "--batch", "--example", "1", "--form", "long", "--export", target]
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)  # warm the file cache
        times = []
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            times.append((time.perf_counter() - start) * 1000.0)
    print(f"{program}: least {min(times):.1f} ms, median {statistics.median(times):.1f} ms, "
          f"{runs} runs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
