#!/usr/bin/env python3
"""Writes N texts of generated words into DIR (t0.txt ...): several
spellings of one word ("Café", "cafe", "CAFÉ") spread over the files, so a
merge that kept the wrong first spelling shows in the list."""
import random
import sys

WORDS = ["Café", "cafe", "CAFÉ", "apple", "Apple", "naïve", "Naive", "Straße", "strasse",
         "rôle", "role", "cats", "don't", "well-known", "Zebra", "zebra", "the", "The"]


def main(folder, count, seed=5):
    rng = random.Random(seed)
    names = []
    for i in range(count):
        name = "%s/t%d.txt" % (folder, i)
        lines = (" ".join(rng.choice(WORDS) + rng.choice(["", "", "s", "x"]) for _ in range(9))
                 for _ in range(rng.randint(20, 200)))
        with open(name, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        names.append(name)
    print("\n".join(names))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
