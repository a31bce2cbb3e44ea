#!/usr/bin/env python3
"""Times geoplait-merge and the engine's per-line policy against the floors they are held to.

Every figure of one table comes from the same run on the same machine, with the inputs warm in
the page cache, so that the ratios compare like with like. Each timed command runs a few times
and the fastest run counts: on a shared machine the slower runs measure the neighbours.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

MB = 1000 * 1000
MIB = 1024 * 1024

def generate(tool, data_dir):
    """Creates the inputs that are missing; a later run reuses them."""
    plan = [
        ("pair-1.gpx", 1, 100 * MB, []),
        ("pair-2.gpx", 2, 100 * MB, ["--lf"]),
        ("nobounds-1.gpx", 1, 100 * MB, ["--no-bounds"]),
        ("nobounds-2.gpx", 2, 100 * MB, ["--no-bounds", "--lf"]),
        ("mem-10M.gpx", 3, 10 * MB, ["--no-bounds"]),
        ("mem-1G.gpx", 4, 1000 * MB, ["--no-bounds"]),
        ("oneline-100M.gpx", 5, 100 * MB, ["--one-line"]),
    ]
    for i in range(200):
        plan.append((os.path.join("many", "part-%03d.gpx" % i), 1000 + i, MB // 2,
                     ["--lf"] if i % 2 else []))
    os.makedirs(os.path.join(data_dir, "many"), exist_ok=True)
    announced = False
    for name, seed, size, flags in plan:
        path = os.path.join(data_dir, name)
        if os.path.exists(path):
            continue
        if not announced:
            print("Generating benchmark inputs in %s (once) ..." % data_dir, flush=True)
            announced = True
        # Written under another name first, so that an interrupted run leaves no half file.
        partial = path + ".partial"
        subprocess.run([tool, "--seed", str(seed), "--size", str(size), *flags, partial],
                       check=True)
        os.replace(partial, path)


def warm(paths):
    for path in paths:
        with open(path, "rb") as f:
            while f.read(1 << 20):
                pass


def measure(command, output, repeat):
    """Runs command under /usr/bin/time -v.

    Gives the best wall seconds, the processor seconds (user and system) of that run, and the
    largest peak RSS in KiB. On a shared machine the processor time shows what a run costs even
    when it had to wait for a core.
    """
    best = None
    cpu = None
    peak = 0
    for _ in range(repeat):
        if os.path.exists(output):
            os.unlink(output)
        with tempfile.NamedTemporaryFile("r", suffix=".time") as report:
            start = time.perf_counter()
            result = subprocess.run(["/usr/bin/time", "-v", "-o", report.name, *command],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            wall = time.perf_counter() - start
            if result.returncode != 0:
                sys.exit("failed: %s\n%s" % (" ".join(command), result.stderr.decode()))
            text = report.read()
            rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1))
            used = sum(float(re.search(r"%s time \(seconds\): ([0-9.]+)" % kind, text).group(1))
                       for kind in ("User", "System"))
        if best is None or wall < best:
            best, cpu = wall, used
        peak = max(peak, rss)
    if os.path.exists(output):
        os.unlink(output)
    return best, cpu, peak


def shell(script):
    return ["sh", "-c", script]


def quote(paths):
    return " ".join("'%s'" % p for p in paths)


class Table:
    def __init__(self):
        self.rows = []

    def add(self, workload, program, input_bytes, run):
        wall, cpu, rss = run
        self.rows.append((workload, program, wall, cpu, input_bytes / MB / wall, rss / 1024))

    def print(self):
        print("%-28s %-33s %8s %8s %8s %9s" % ("workload", "program", "wall s", "cpu s", "MB/s",
                                               "peak MiB"))
        for workload, program, wall, cpu, rate, rss in self.rows:
            print("%-28s %-33s %8.3f %8.2f %8.1f %9.2f" % (workload, program, wall, cpu, rate,
                                                           rss))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bin-dir", required=True, help="where the bench programs are")
    parser.add_argument("--merge", required=True, help="the geoplait-merge program")
    parser.add_argument("--data-dir", required=True)
    parser.add_argument("--repeat", type=int, default=int(os.environ.get("BENCH_REPEAT", "3")))
    args = parser.parse_args()

    generate(os.path.join(args.bin_dir, "geoplait-bench-generate"), args.data_dir)
    data = args.data_dir
    out = os.path.join(data, "out.gpx")
    merge = args.merge
    engine = os.path.join(args.bin_dir, "geoplait-bench-merge")
    copier = os.path.join(args.bin_dir, "geoplait-line-copier")

    pair = [os.path.join(data, "pair-1.gpx"), os.path.join(data, "pair-2.gpx")]
    nobounds = [os.path.join(data, "nobounds-1.gpx"), os.path.join(data, "nobounds-2.gpx")]
    many = [os.path.join(data, "many", "part-%03d.gpx" % i) for i in range(200)]
    small = [os.path.join(data, "mem-10M.gpx")]
    large = [os.path.join(data, "mem-1G.gpx")]
    one_line = [os.path.join(data, "oneline-100M.gpx")]

    def size(paths):
        return sum(os.path.getsize(p) for p in paths)

    table = Table()
    ratios = []
    merge_peaks = []  # every geoplait-merge run counts for its memory target

    def merge_run(paths):
        return [merge, "-f", "-q", "-o", out, *paths]

    def cat_once(paths):
        return shell("cat %s > '%s'" % (quote(paths), out))

    def cat_three(paths):
        return shell("cat %s > /dev/null && cat %s > /dev/null && cat %s > '%s'"
                     % (quote(paths), quote(paths), quote(paths), out))

    def compare(workload, paths, floor_name, floor, target, repeat=args.repeat):
        warm(paths)
        bytes_in = size(paths)
        merged = measure(merge_run(paths), out, repeat)
        merge_peaks.append(merged[2])
        floored = measure(floor(paths), out, repeat)
        table.add(workload, "geoplait-merge", bytes_in, merged)
        table.add(workload, floor_name, bytes_in, floored)
        ratios.append(("%s:\n  geoplait-merge / %s" % (workload, floor_name), merged, floored,
                       target))

    compare("2 x 100 MB, bounds line", pair, "cat (1 read, 1 write)", cat_once, 2.0)
    compare("2 x 100 MB, no bounds line", nobounds, "cat (3 reads, 1 write)", cat_three, 3.0)
    compare("200 x 0.5 MB, bounds line", many, "cat (1 read, 1 write)", cat_once, None)

    warm(pair)
    bytes_in = size(pair)
    each_line = measure([engine, "--each-line", out, *pair], out, args.repeat)
    copied = measure([copier, out, *pair], out, args.repeat)
    table.add("2 x 100 MB, one write/line", "engine, per-line policy", bytes_in, each_line)
    table.add("2 x 100 MB, one write/line", "line copier (write(2) per line)", bytes_in, copied)
    ratios.append(("2 x 100 MB, one write(2) per line:\n  per-line policy / line copier",
                   each_line, copied, 1.15))

    warm(small)
    small_run = measure(merge_run(small), out, 1)
    table.add("1 x 10 MB, no bounds line", "geoplait-merge", size(small), small_run)
    warm(large)
    large_run = measure(merge_run(large), out, 1)
    table.add("1 x 1 GB, no bounds line", "geoplait-merge", size(large), large_run)
    # A whole file on one line is re-laid out as it is read, by every pass.
    warm(one_line)
    relaid_run = measure(merge_run(one_line), out, args.repeat)
    table.add("1 x 100 MB on one line", "geoplait-merge (re-laid out)", size(one_line), relaid_run)
    s_rss = small_run[2]
    l_rss = large_run[2]

    print()
    table.print()
    print()
    # The targets are on wall time; the processor-time ratio is shown beside it because on a
    # busy machine it is the steadier of the two.
    print("%-58s %6s %6s %7s" % ("ratio", "wall", "cpu", "target"))
    for name, merged, floored, target in ratios:
        wall = merged[0] / floored[0]
        cpu = merged[1] / floored[1] if floored[1] > 0 else float("inf")
        verdict = "" if target is None else ("met" if wall <= target else "MISSED")
        label, detail = name.split("\n")
        print(label)
        print("%-58s %6.2f %6.2f %7s  %s" % (detail, wall, cpu,
                                             "-" if target is None else "%.2f" % target, verdict))
    growth = (l_rss - s_rss) / 1024
    print("%-58s %13.2f %7.2f  %s" % ("peak RSS growth 10 MB -> 1 GB (MiB)", growth, 1.0,
                                      "met" if growth <= 1.0 else "MISSED"))
    peak = max(merge_peaks + [s_rss, l_rss, relaid_run[2]]) / 1024
    print("%-58s %13.2f %7.2f  %s" % ("peak RSS of geoplait-merge (MiB)", peak, 4.0,
                                      "met" if peak < 4.0 else "MISSED"))
    if shutil.which("nproc"):
        print("\n(%s cores, best of %d runs, MB = 10^6 bytes of input)"
              % (subprocess.run(["nproc"], capture_output=True, text=True).stdout.strip(),
                 args.repeat))


if __name__ == "__main__":
    main()
