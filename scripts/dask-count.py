#!/usr/bin/env python3
"""Counts files on a Dask distributed cluster with zet-count.

Each worker counts files into partial counts (zet-count --partial, each file
with its ordinal, so the first spelling of the earliest file wins); the
partial counts are merged in a tree of zet-count --merge calls on the
workers, and the last merge lists the words here, exactly as one
`zet-count FILE...` of the files in the order given lists them.

    dask-count.py [--zet-count PATH] [--scheduler ADDRESS | --workers N]
                  [--work-dir DIR] [--output FILE] [ZET-COUNT OPTIONS] -- FILE...

zet-count's options are given to every step: word options must be the
same for each, and listing options apply to the last. The work folder
(default: a temporary folder) must be visible to the workers and here at
the same path, as must the files and zet-count.

Exit status: zet-count's when a step fails (its message is shown), 2 for a
usage error.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

FAN_IN = 8  # partial counts per merge


class StepFailed(Exception):
    def __init__(self, status, message):
        super().__init__(message)
        self.status = status


def run_zet(command):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise StepFailed(done.returncode, done.stderr.decode(errors="replace").strip())
    return done.stdout


def count_partial(zet, options, path, source, out):
    run_zet([zet, *options, "--partial", out, "--source", str(source), "--", path])
    return out


def merge_partials(zet, options, parts, out):
    run_zet([zet, *options, "--merge", *parts, "--partial", out])
    return out


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--zet-count", default=shutil.which("zet-count") or "zet-count")
    parser.add_argument("--scheduler", help="address of a running scheduler")
    parser.add_argument("--workers", type=int, default=2, help="local worker processes")
    parser.add_argument("--work-dir", help="folder for the partial counts")
    parser.add_argument("--output", help="write the list to FILE (zet-count's -o)")
    if "--" not in argv:
        parser.error("give the files after --")
    cut = argv.index("--")
    args, options = parser.parse_known_args(argv[:cut])
    args.options = options
    args.files = argv[cut + 1:]
    if not args.files:
        parser.error("no files to count")
    return args


def start_client(args):
    from distributed import Client, LocalCluster
    if args.scheduler:
        return Client(args.scheduler), None
    cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                           dashboard_address=None, host="127.0.0.1")
    return Client(cluster), cluster


def count(args, client, work):
    zet = os.path.abspath(args.zet_count) if os.sep in args.zet_count else args.zet_count
    level = [client.submit(count_partial, zet, args.options, os.path.abspath(f), i,
                           os.path.join(work, "%d.part" % i), pure=False)
             for i, f in enumerate(args.files)]
    depth = 0
    # Neighbours merge in order, so the tree keeps the files' order.
    while len(level) > FAN_IN:
        depth += 1
        level = [client.submit(merge_partials, zet, args.options, level[i:i + FAN_IN],
                               os.path.join(work, "m%d-%d.part" % (depth, i)), pure=False)
                 for i in range(0, len(level), FAN_IN)]
    parts = client.gather(level)
    final = [zet, *args.options, "--merge", *parts]
    if args.output:
        final += ["-o", args.output]
    sys.stdout.buffer.write(run_zet(final))
    sys.stdout.flush()


def main(argv):
    args = parse_args(argv)
    work = args.work_dir or tempfile.mkdtemp(prefix="dask-count-")
    client, cluster = start_client(args)
    try:
        count(args, client, work)
    except StepFailed as e:
        print(e, file=sys.stderr)
        return e.status
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
        if not args.work_dir:
            shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
