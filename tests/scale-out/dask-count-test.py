#!/usr/bin/env python3
"""scripts/dask-count.py on a LocalCluster of two worker processes over
generated files: its list must be the one-pass count's, byte for byte.
Skipped (77) where the distributed module cannot be imported.
Usage: dask-count-test.py ZET-COUNT SOURCE-DIR"""
import os
import subprocess
import sys
import tempfile


def main(zet, src):
    try:
        import distributed  # noqa: F401
    except ImportError as e:
        print("SKIPPED: Dask distributed cannot be imported (%s); install python3-distributed" % e)
        return 77
    with tempfile.TemporaryDirectory() as folder:
        made = subprocess.run([sys.executable, os.path.join(src, "tests/scale-out/make-texts.py"),
                               folder, "11"], check=True, capture_output=True, text=True)
        files = made.stdout.split()
        with open(os.path.join(folder, "all.txt"), "wb") as whole:
            for f in files:
                with open(f, "rb") as part:
                    whole.write(part.read())
        for options in (["--format", "8", "--min-count", "2"],):
            one = subprocess.run([zet, *options, os.path.join(folder, "all.txt")],
                                 check=True, capture_output=True).stdout
            run = subprocess.run([sys.executable, os.path.join(src, "scripts/dask-count.py"),
                                  "--zet-count", zet, "--workers", "2", *options, "--", *files],
                                 capture_output=True)
            if run.returncode != 0 or run.stdout != one:
                print("dask-count.py (status %d) differs from one count with %s:\n%s" %
                      (run.returncode, options, run.stderr.decode(errors="replace")[-2000:]))
                return 1
    print("dask-count.py lists as one count")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
