#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times two commands side by side, in turn (A B A B ...), so that a machine whose speed drifts
from second to second meets both alike; prints each one's median wall time and the median of the
ratios A/B taken pair by pair. The time is the whole process's, from its start to its exit.

    bench/side_by_side.py [-n RUNS] [-w WARMUP] 'COMMAND A' 'COMMAND B'
"""
import argparse
import shlex
import statistics
import subprocess
import time


def wall(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('-n', '--runs', type=int, default=21)
    parser.add_argument('-w', '--warmup', type=int, default=5)
    parser.add_argument('a')
    parser.add_argument('b')
    args = parser.parse_args()
    a, b = shlex.split(args.a), shlex.split(args.b)
    for _ in range(args.warmup):
        wall(a)
        wall(b)
    pairs = [(wall(a), wall(b)) for _ in range(args.runs)]
    median_a = statistics.median(p[0] for p in pairs)
    median_b = statistics.median(p[1] for p in pairs)
    ratio = statistics.median(p[0] / p[1] for p in pairs)
    print(f'A  {median_a * 1000:.1f} ms  {args.a}')
    print(f'B  {median_b * 1000:.1f} ms  {args.b}')
    print(f'A/B  {ratio:.3f} (median of {args.runs} pairs)')


if __name__ == '__main__':
    main()
