#!/usr/bin/env python3
"""Writes the synthetic inputs of the limits and hostile-text benchmarks.

Every input is built from a small block repeated many times, so the count
it must give is known exactly: the block's own count times the number of
copies. Usage:

  make-inputs.py block     OUT              the block of the huge-text case
  make-inputs.py repeat    BLOCK OUT BYTES  BLOCK repeated to at least BYTES
  make-inputs.py noline    OUT BYTES        words and spaces, no line break
  make-inputs.py distinct  OUT N            N different words, each once
  make-inputs.py hostile   KIND OUT BYTES   one of the hostile texts below

Prints the number of copies of the block where the result depends on it.
"""

import random
import sys

# Syllables of one consonant and one vowel, from letters that the default
# word rules treat like any other: no "s" (a final "s" is dropped), no Roman
# numeral letters, and a vowel in every syllable, so the default filters
# leave every generated word listed.
CONSONANTS = "bfghjknpqrtwz"
VOWELS = "aeouy"
SYLLABLES = [c + v for c in CONSONANTS for v in VOWELS]


def word(n, syllables):
    """The n-th word of `syllables` syllables (distinct for distinct n)."""
    parts = []
    for _ in range(syllables):
        parts.append(SYLLABLES[n % len(SYLLABLES)])
        n //= len(SYLLABLES)
    return "".join(parts)


def vocabulary(size):
    return [word(i, 2 + i % 3) for i in range(size)]


def block(size_words=200_000, distinct=3_000, seed=7):
    """About 1.3 MB of lines of 10 words drawn from `distinct` words."""
    rng = random.Random(seed)
    vocab = vocabulary(distinct)
    # Zipf-like weights, as in real text, but every word occurs.
    weights = [1.0 / (rank + 1) for rank in range(distinct)]
    words = vocab + rng.choices(vocab, weights, k=size_words - distinct)
    rng.shuffle(words)
    lines = [" ".join(words[i:i + 10]) for i in range(0, len(words), 10)]
    return ("\n".join(lines) + "\n").encode()


def repeat(data, out, total):
    copies = -(-total // len(data))
    with open(out, "wb") as f:
        for _ in range(copies):
            f.write(data)
    return copies


def hostile(kind, total):
    """A unit of the hostile text and whether it is repeated in one line."""
    if kind == "ampersands":  # one line of "&" (an HTML file)
        return b"&", False
    if kind == "angles":  # one line of "<" (an HTML file)
        return b"<", False
    if kind == "openers":  # nested-looking comment openers, one line
        return b"/* ", False
    if kind == "user-markers":  # user markers "((" "))", nested, one line
        return b"(( (( word )) ", False
    if kind == "entities":  # entity-like sequences of every length to 25
        parts = []
        for length in range(0, 26):
            name = "".join(chr(ord("a") + i % 26) for i in range(length))
            parts += ["&" + name + ";", "&" + name, "&#" + name + ";", "x&" + name + ";y"]
        return (" ".join(parts) + "\n").encode(), True
    if kind == "bytes":  # every byte value in every position of a short word
        base = b"abcdef"
        lines = []
        for pos in range(len(base) + 1):
            variants = [base[:pos] + bytes([b]) + base[pos:] for b in range(256)]
            # Line breaks inside a variant would only split it: keep them,
            # they are bytes like the others.
            lines.append(b" ".join(variants))
        # A text, not a binary file: its first 16 KiB are checked for control
        # characters, so every copy leads with plain words.
        lead = b"plain words lead every copy of the bytes\n" * 400
        return lead + b"\n".join(lines) + b"\n", True
    raise SystemExit(f"unknown hostile text: {kind}")


def main(argv):
    cmd = argv[1] if len(argv) > 1 else ""
    if cmd == "block":
        with open(argv[2], "wb") as f:
            f.write(block())
    elif cmd == "repeat":
        with open(argv[2], "rb") as f:
            data = f.read()
        print(repeat(data, argv[3], int(argv[4])))
    elif cmd == "noline":
        unit = (" ".join(vocabulary(1000)) + " ").encode()
        print(repeat(unit, argv[2], int(argv[3])))
    elif cmd == "distinct":
        n = int(argv[3])
        words = [word(i, 4) for i in range(n)]
        random.Random(11).shuffle(words)
        with open(argv[2], "w") as f:
            for i in range(0, n, 12):
                f.write(" ".join(words[i:i + 12]) + "\n")
    elif cmd == "hostile":
        unit, multi_line = hostile(argv[2], int(argv[4]))
        total = int(argv[4])
        with open(argv[3], "wb") as f:
            chunk = unit * max(1, (1 << 20) // len(unit))
            written = 0
            while written < total:
                f.write(chunk)
                written += len(chunk)
            if not multi_line:
                f.write(b"\n")
        print(-(-total // len(chunk)) * (len(chunk) // len(unit)))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
