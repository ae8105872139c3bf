#!/usr/bin/env python3
"""Quick checks of the shipped learning content in content/.

Prints counts, example-sentence coverage of the course words and crossword
fill statistics; lists problems found.  Standard library only.

    python3 scripts/check_content.py [--missing] [--puzzles N]
"""
import argparse
import collections
import os
import random
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "content")
CROSS_COURSES = [(1, 3), (4, 7), (8, 11), (12, 15), (16, 19)]
problems = []


def read(name):
    path = os.path.join(ROOT, name)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    try:
        text.encode("cp932")
    except UnicodeEncodeError as e:
        problems.append(f"{name}: not representable in cp932: {e}")
    if not text.endswith("\n"):
        problems.append(f"{name}: does not end with a newline")
    if "\r" in text:
        problems.append(f"{name}: contains CR")
    return text


def courses():
    names = [l for l in read("filelist.dat").split("\n") if l]
    result = {}
    for n in names:
        if not os.path.exists(os.path.join(ROOT, n)):
            problems.append(f"filelist names missing file {n}")
            continue
        pairs = []
        for i, line in enumerate(read(n).split("\n"), 1):
            if not line:
                continue
            if "," not in line:
                problems.append(f"{n}:{i}: no comma")
                continue
            eng, meaning = line.split(",", 1)
            pairs.append((eng, meaning))
        result[n] = pairs
    return names, result


def example_text():
    return read("諺.txt") + read("例文.txt") + read("例文-2.txt")


def found(text, word):
    if f" {word} " in text:
        return True
    return f" {word[:1].lower()}{word[1:]} " in text


def check_pairs(name, text, max_len=200):
    lines = text.split("\n")[:-1]
    if len(lines) % 2:
        problems.append(f"{name}: odd number of lines")
    for i, l in enumerate(lines, 1):
        if not l.strip():
            problems.append(f"{name}:{i}: blank line")
        if len(l) > max_len:
            problems.append(f"{name}:{i}: longer than {max_len}")
        if "  " in l or l != l.strip():
            problems.append(f"{name}:{i}: extra spaces")
        if i % 2 == 1:
            if not all(c.isascii() for c in l):
                problems.append(f"{name}:{i}: non-ASCII in English line")
        else:
            if " " in l or any(c.isascii() and c.isalpha() for c in l):
                problems.append(f"{name}:{i}: ASCII space or letter in Japanese line")
    return len(lines) // 2


# ---- crossword generator model (12 x 12 grid) ----
N = 12


def make_puzzle(words):
    state = [[0] * (N + 2) for _ in range(N + 2)]
    ch = [[""] * (N + 2) for _ in range(N + 2)]
    for r in range(1, N + 1):
        for c in range(1, N + 1):
            state[r][c] = 1
            ch[r][c] = "*"
    used = [False] * len(words)
    placed = []

    def st(r, c):
        return state[r][c] if 0 <= r <= N + 1 and 0 <= c <= N + 1 else 0

    def find(r, c, d):
        dr, dc = (0, 1) if d == 1 else (1, 0)
        for i, w in enumerate(words):
            if used[i]:
                continue
            ok = True
            for k, letter in enumerate(w):
                pr, pc = r + dr * k, c + dc * k
                s = st(pr, pc)
                if s == 0:
                    ok = False
                elif s == 100:
                    ok = ch[pr][pc] == letter
                else:
                    n1 = st(pr - dc, pc - dr)
                    n2 = st(pr + dc, pc + dr)
                    ok = n1 != 100 and n2 != 100
                if not ok:
                    break
            if ok and st(r + dr * len(w), c + dc * len(w)) == 100:
                ok = False
            if ok:
                used[i] = True
                return w
        return ""

    for r in range(1, N + 1):
        for c in range(1, N + 1):
            # across
            if not (st(r, c - 1) == 100 or st(r, c) == 0):
                room = 0
                while st(r, c + room) > 0:
                    room += 1
                if room >= 3:
                    w = find(r, c, 1)
                    if w:
                        for k, letter in enumerate(w):
                            state[r][c + k] = 100
                            ch[r][c + k] = letter
                        if c + len(w) <= N + 1:
                            state[r][c + len(w)] = 0
                        placed.append(w)
            # down
            if st(r - 1, c) != 100:
                room = 0
                while st(r + room, c) != 0:
                    room += 1
                if room >= 3:
                    w = find(r, c, 2)
                    if w:
                        for k, letter in enumerate(w):
                            state[r + k][c] = 100
                            ch[r + k][c] = letter
                        if r + len(w) + 1 <= N + 1:
                            state[r + len(w) + 1][c] = 0
                        placed.append(w)
    letters = sum(1 for r in range(1, N + 1) for c in range(1, N + 1) if ch[r][c] != "*")
    return len(placed), letters


def crossword(puzzles):
    for k, (a, b) in enumerate(CROSS_COURSES, 1):
        words = []
        for n in range(a, b + 1):
            name = f"word-{n}.dat"
            if not os.path.exists(os.path.join(ROOT, name)):
                problems.append(f"{name} missing")
                continue
            for i, line in enumerate(read(name).split("\n"), 1):
                if not line:
                    continue
                c = line.find(",")
                if c < 2:
                    problems.append(f"{name}:{i}: no usable comma")
                    continue
                w, m = line[:c], line[c + 1:]
                if "," in m:
                    problems.append(f"{name}:{i}: comma in meaning")
                if not (2 <= len(w) <= 12) or not w.isascii() or not w.isalpha() or w != w.lower():
                    problems.append(f"{name}:{i}: bad word {w!r}")
                words.append(w)
        dup = [w for w, c in collections.Counter(words).items() if c > 1]
        if dup:
            problems.append(f"crossword course {k}: duplicates {dup}")
        if len(words) < 150:
            problems.append(f"crossword course {k}: only {len(words)} words")
        rng = random.Random(k)
        tw = tl = 0
        for _ in range(puzzles):
            ws = words[:]
            rng.shuffle(ws)
            w, l = make_puzzle(ws)
            tw += w
            tl += l
        lens = collections.Counter(len(w) for w in words)
        mid = sum(v for n, v in lens.items() if 3 <= n <= 6)
        print(f"crossword course {k}: {len(words)} words ({mid} of 3-6 letters), "
              f"per puzzle {tw / puzzles:.1f} words, {tl / puzzles:.1f} letters")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--missing", action="store_true", help="list course words without an example")
    ap.add_argument("--puzzles", type=int, default=200)
    args = ap.parse_args()

    names, data = courses()
    total = 0
    for n in names:
        pairs = data.get(n, [])
        total += len(pairs)
        c = collections.Counter(e for e, _ in pairs)
        for e, k in c.items():
            if k > 1:
                problems.append(f"{n}: duplicate English {e!r}")
        m = collections.Counter(j for _, j in pairs)
        for j, k in m.items():
            if k > 1:
                problems.append(f"{n}: duplicate meaning {j!r}")
        if len(pairs) < 40:
            problems.append(f"{n}: only {len(pairs)} pairs")
    first = data.get("eng-1-1.dat", []) + data.get("eng-1-2.dat", [])
    short = sum(len(e) <= 5 for e, _ in first)
    long_ = sum(len(e) >= 6 for e, _ in first)
    bad = [e for e, _ in first if not e.isalpha()]
    if bad:
        problems.append(f"eng-1-1/eng-1-2 English not plain letters: {bad}")
    print(f"courses: {len(names)}, pairs: {total}; eng-1-1+eng-1-2: {len(first)} "
          f"({short} of <=5 letters, {long_} of >=6)")

    prov = read("諺.txt")
    np_ = check_pairs("諺.txt", prov)
    for i, l in enumerate(prov.split("\n")[:-1:2], 1):
        if any(not (ch.isalnum() or ch in " .,;:/") for ch in l):
            problems.append(f"諺.txt proverb {i}: untypable character in {l!r}")
    n1 = check_pairs("例文.txt", read("例文.txt"))
    n2 = check_pairs("例文-2.txt", read("例文-2.txt"))
    print(f"proverbs: {np_}, examples: {n1} + {n2}")

    text = example_text().replace("\n", "\r\n")
    words = [e for n in names for e, _ in data.get(n, [])]
    hit = [w for w in words if found(text, w)]
    print(f"example coverage: {len(hit)}/{len(words)} = {100 * len(hit) / len(words):.1f}%")
    for n in names:
        ws = [e for e, _ in data.get(n, [])]
        miss = [w for w in ws if not found(text, w)]
        print(f"  {n}: {len(ws) - len(miss)}/{len(ws)}")
        if args.missing and miss:
            print("    missing:", ", ".join(miss))

    crossword(args.puzzles)
    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
