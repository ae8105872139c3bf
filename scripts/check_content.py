#!/usr/bin/env python3
"""Checks of the shipped learning content in content/.

Prints counts, the share of course words whose example sentence (found the way
the program finds it) uses the word in the meaning the course teaches, how
common the course words are (word_frequency.py; content/README.md) and
crossword fill statistics; lists every problem found and exits non-zero when
there is one, a word without an example included.  Standard library only.

    python3 scripts/check_content.py [--missing] [--weak] [--puzzles N]

--missing  lists, per course, the words that get no example at all
--weak     lists the examples accepted on a one-character meaning form or
           with the word only inside a longer course entry (listen in
           listen to), for a reading by hand
"""
import argparse
import collections
import os
import random
import re
import sys

import word_frequency

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "content")
CROSS_COURSES = [(1, 3), (4, 7), (8, 11), (12, 15), (16, 19)]
EXAMPLE_FILES = ["諺.txt", "例文.txt", "例文-2.txt"]
COURSE_NAME = re.compile(r"^eng-(\d+)-(\d+)\.dat$")

# What the content must reach.
MIN_COURSES = 30
MIN_PAIRS = 2400
MIN_LEVELS = 5
MIN_IN_MEANING = 97.0  # percent of course words
MIN_PROVERBS = 90
MAX_LINE = 200

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


def course_names():
    return [line for line in read("filelist.dat").split("\n") if line]


def read_course(name):
    pairs = []
    for i, line in enumerate(read(name).split("\n"), 1):
        if not line:
            continue
        if "," not in line:
            problems.append(f"{name}:{i}: no comma")
            continue
        eng, meaning = line.split(",", 1)
        pairs.append((eng, meaning))
    return pairs


def courses():
    names = course_names()
    result = {}
    for n in names:
        if not os.path.exists(os.path.join(ROOT, n)):
            problems.append(f"filelist names missing file {n}")
            continue
        result[n] = read_course(n)
    return names, result


def split_meaning(meaning):
    """Head and note as the quiz shows them: split at the first comma unless
    the meaning starts with it."""
    c = meaning.find(",")
    if c < 1:
        return meaning, ""
    return meaning[:c], meaning[c + 1:]


# ---- meanings and example translations ----

# Endings cut off a meaning to get the stem its inflected forms share, the
# longer first: nouns with のある / のよい / ある, する verbs, past and て
# forms, negatives, then one-character endings of verbs, adjectives, the
# copula and particles.
STEM_ENDINGS = ["のある", "のよい", "する", "した", "して", "った", "って", "いた", "いて", "んだ", "んで", "ある",
                "ない"] + list(
    "たてないのだへにでをと" "うくぐすつぬぶむる")


def is_kanji(ch):
    return "\u4e00" <= ch <= "\u9fff" or ch in "々〆"


def meaning_forms(head):
    """The texts one of which a translation must contain to render `head`:
    the head without its bracketed remarks, split at ・ and 、, each
    alternative cut to the stem its inflected forms share (食べる → 食べ,
    高い → 高, 静かな → 静か, 練習する → 練習). A stem that would be a
    single kana stays whole. A ～ inside a form stands for any text; a
    closing ～ない is left out (決して～ない → 決して)."""
    text = re.sub(r"（[^）]*）|\([^)]*\)|「|」", "", head).replace("〜", "～")
    forms = []
    for alt in re.split(r"[・、／/]", text):
        # "～する", "～し" stand for the verb the learner puts in.
        alt = re.sub(r"～(する|し)(?=.)", "～", alt).strip("～ 　")
        if alt.endswith("～ない"):
            alt = alt[:-3]  # the negation takes many forms (ない, ません)
        if not alt:
            continue
        if re.search(r"[かさたなまらわがばぱ]ない$", alt) and len(alt) > 3:
            # A negative keeps what its polite form shares (進まない → 進).
            stem = alt[:-3]
        else:
            stem = next((alt[: -len(e)] for e in STEM_ENDINGS if alt.endswith(e) and len(alt) > len(e)), alt)
        stem = stem.strip("～")
        if len(stem) < 2 and not is_kanji(stem[0]):
            stem = alt
        forms.append(stem)
    return forms


def contains_form(form, translation):
    """Whether the pieces of `form` between its ～ marks occur in
    `translation` in order."""
    at = 0
    for piece in form.split("～"):
        found = translation.find(piece, at)
        if found < 0:
            return False
        at = found + len(piece)
    return True


def renders_meaning(head, translation):
    """The meaning form found in `translation`, or None."""
    for form in meaning_forms(head):
        if contains_form(form, translation):
            return form
    return None


REVIEWED_NAME = "reviewed-examples.tsv"


def reviewed_examples():
    """The examples a reader has accepted as showing the taught meaning
    although the translation, written as a Japanese speaker would, does not
    contain the meaning's words: pairs (English entry, example line)."""
    path = os.path.join(ROOT, REVIEWED_NAME)
    pairs = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            word, _, example = line.rstrip("\n").partition("\t")
            pairs.add((word, example))
    return pairs


REVIEWED = reviewed_examples()


def fits_meaning(eng, head, line, translation):
    """Whether the example (line, translation) shows `eng` in the meaning
    `head`: the translation renders it, or a reader has said so."""
    return renders_meaning(head, translation) or ("reviewed" if (eng, line) in REVIEWED else None)


def phrases_containing(words):
    """For each course entry, the longer course entries that hold it as whole
    words (stand → stand up, stand out)."""
    result = {}
    for w in words:
        result[w] = [p for p in words if p != w and f" {w} " in f" {p} "]
    return result


def used_on_its_own(word, line, phrases):
    """Whether `word` occurs in `line` outside every longer course entry that
    contains it: the line "Her coat helped her stand out" uses stand only as
    part of stand out, whose meaning is another."""
    rest = f" {line} "
    for p in sorted(phrases, key=len, reverse=True):
        rest = rest.replace(f" {p} ", " | ")
    return f" {word} " in rest or f" {word[:1].lower()}{word[1:]} " in rest


class ExampleLookup:
    """The program's example lookup over the joined example text: the first
    line holding " word " (or, when the text holds none, " word " with a
    lower-case first letter), searched from at most 200 characters before the
    first occurrence, with the line after it."""

    def __init__(self, text):
        self.text = text + "\r\n"

    def find(self, word):
        t = self.text
        key = f" {word} "
        p = t.find(key)
        if p < 0:
            if word:
                key = f" {word[:1].lower()}{word[1:]} "
            p = t.find(key)
            if p < 0:
                return None
        rest = t[max(0, p - 200):]
        while True:
            q = rest.find("\r\n")
            if q < 0:
                return None
            line = rest[:q]
            rest = rest[q + 2:]
            if key in line:
                q = rest.find("\r\n")
                following = rest[:q] if q >= 0 else ""
                return line, following
            if not rest:
                return None


def example_text():
    return "".join(read(n) for n in EXAMPLE_FILES).replace("\n", "\r\n")


def check_pairs(name, text):
    lines = text.split("\n")[:-1]
    if len(lines) % 2:
        problems.append(f"{name}: odd number of lines")
    for i, l in enumerate(lines, 1):
        if not l.strip():
            problems.append(f"{name}:{i}: blank line")
        if len(l) > MAX_LINE:
            problems.append(f"{name}:{i}: longer than {MAX_LINE}")
        if "  " in l or l != l.strip():
            problems.append(f"{name}:{i}: extra spaces")
        if i % 2 == 1:
            if not all(c.isascii() for c in l):
                problems.append(f"{name}:{i}: non-ASCII in English line")
        else:
            if " " in l or any(c.isascii() and c.isalpha() for c in l):
                problems.append(f"{name}:{i}: ASCII space or letter in Japanese line")
    return lines[0::2]


# ---- notes ----

def latin_words(text):
    return re.findall(r"[A-Za-z]{2,}", text)


def shown_english(text):
    """English in a meaning or a note, which the word list shows beside the
    question: any word of two letters or more counts, not only the answer, a
    form of it or a word sharing its first four letters, since irregular forms
    (feet, went) share no prefix with the word they spell."""
    return latin_words(text)


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
        mid = sum(v for n, v in lens.items() if 3 <= n <= 8)
        print(f"crossword course {k}: {len(words)} words ({mid} of 3-8 letters), "
              f"per puzzle {tw / puzzles:.1f} words, {tl / puzzles:.1f} letters")
        if puzzles and (tw / puzzles < 18 or tl / puzzles < 70):
            problems.append(f"crossword course {k}: fills too little of a puzzle")


# ---- courses ----

def head_alternatives(head):
    """The alternatives of a meaning head, each with the bracketed remark
    that tells it apart: 帽子（ふちのあるもの）・キャップ → 帽子（ふちのあるもの）,
    キャップ."""
    alternatives, depth, current = set(), 0, ""
    for ch in head + "・":
        depth += (ch in "（(") - (ch in "）)")
        if depth == 0 and ch in "・、／/":
            alternatives.add(current.strip("～ 　"))
            current = ""
        else:
            current += ch
    return alternatives - {""}


def shared_alternative(name, pairs):
    """Two questions of one course offering the same meaning would each
    have two right answers."""
    owner = collections.defaultdict(list)
    for eng, meaning in pairs:
        for alt in head_alternatives(split_meaning(meaning)[0]):
            owner[alt].append(eng)
    for alt, words in owner.items():
        if len(words) > 1:
            problems.append(f"{name}: {words} share the meaning {alt!r}")


def check_courses(names, data):
    total = 0
    levels = set()
    last_level = 0
    first_course = {}
    head_owner = collections.defaultdict(list)
    for n in names:
        m = COURSE_NAME.match(n)
        if not m:
            problems.append(f"{n}: not named eng-LEVEL-UNIT.dat")
        else:
            level = int(m.group(1))
            levels.add(level)
            if level < last_level:
                problems.append(f"{n}: listed after a higher level")
            last_level = level
        pairs = data.get(n, [])
        total += len(pairs)
        if len(pairs) < 40:
            problems.append(f"{n}: only {len(pairs)} pairs")
        shared_alternative(n, pairs)
        meanings = collections.Counter(j for _, j in pairs)
        for j, k in meanings.items():
            if k > 1:
                problems.append(f"{n}: duplicate meaning {j!r}")
        for eng, meaning in pairs:
            if eng != eng.strip() or not eng:
                problems.append(f"{n}: English {eng!r} empty or with spaces around it")
            if eng in first_course:
                problems.append(f"{n}: {eng!r} already taught in {first_course[eng]}")
            else:
                first_course[eng] = n
            head, note = split_meaning(meaning)
            if not meaning_forms(head):
                problems.append(f"{n}: {eng!r} has an empty meaning")
            head_owner[head].append(eng)
            for part, text in (("meaning", head), ("note", note)):
                shown = shown_english(text)
                if shown:
                    problems.append(f"{n}: the {part} of {eng!r} shows English {shown}: {text!r}")
    for head, owners in head_owner.items():
        if len(owners) > 1:
            problems.append(f"meaning {head!r} shared by {owners}")
    print(f"courses: {len(names)}, pairs: {total}, levels: {sorted(levels)}")
    if len(names) < MIN_COURSES:
        problems.append(f"only {len(names)} courses listed")
    if total < MIN_PAIRS:
        problems.append(f"only {total} pairs")
    if len(levels) < MIN_LEVELS:
        problems.append(f"only {len(levels)} levels")

    # The typing trainer types the English of the first two courses: level 1
    # takes words of at most 5 letters, level 2 words of 6 letters or more.
    first = data.get("eng-1-1.dat", []) + data.get("eng-1-2.dat", [])
    short = sum(len(e) <= 5 for e, _ in first)
    long_ = sum(len(e) >= 6 for e, _ in first)
    bad = [e for e, _ in first if not e.isalpha() or not e.isascii()]
    if bad:
        problems.append(f"eng-1-1/eng-1-2 English not plain letters: {bad}")
    print(f"eng-1-1+eng-1-2: {len(first)} ({short} of <=5 letters, {long_} of >=6)")


def check_examples(names, data, args):
    prov = read("諺.txt")
    proverbs = check_pairs("諺.txt", prov)
    for i, l in enumerate(proverbs, 1):
        if any(not (ch.isalnum() or ch in " .,;:/") for ch in l):
            problems.append(f"諺.txt proverb {i}: untypable character in {l!r}")
    if len(proverbs) < MIN_PROVERBS:
        problems.append(f"only {len(proverbs)} proverbs")
    english = collections.Counter(proverbs)
    counts = []
    for n in EXAMPLE_FILES[1:]:
        lines = check_pairs(n, read(n))
        english.update(lines)
        counts.append(len(lines))
    # The lookup stops at the first copy of a line: a second one is never shown.
    for line, k in english.items():
        if k > 1:
            problems.append(f"example {line!r} is there {k} times")
    print(f"proverbs: {len(proverbs)}, examples: {' + '.join(map(str, counts))}")

    lookup = ExampleLookup(example_text())
    phrases = phrases_containing([e for n in names for e, _ in data.get(n, [])])
    words = good = 0
    weak = []
    in_phrase = []  # the word only inside a longer entry: read by hand
    used_reviews = set()
    for n in names:
        pairs = data.get(n, [])
        missing, wrong = [], []
        for eng, meaning in pairs:
            words += 1
            head, _ = split_meaning(meaning)
            hit = lookup.find(eng)
            if hit is None:
                missing.append(eng)
                continue
            line, translation = hit
            if line not in english:
                problems.append(f"{n}: {eng!r} is matched outside an English line: {line!r}")
            form = fits_meaning(eng, head, line, translation)
            if (eng, line) in REVIEWED:
                used_reviews.add((eng, line))
                if form != "reviewed":
                    problems.append(f"{REVIEWED_NAME}: {eng!r} needs no review, its translation shows {form!r}")
            if form is None:
                wrong.append(f"{eng} ({head}): {line} / {translation}")
                continue
            good += 1
            if not used_on_its_own(eng, line, phrases[eng]):
                in_phrase.append(f"{eng} ({head}): {line} / {translation}")
            if len(form) == 1:
                weak.append(f"{eng} ({head}) on {form}: {line} / {translation}")
        print(f"  {n}: {len(pairs) - len(missing) - len(wrong)}/{len(pairs)}")
        for w in wrong:
            problems.append(f"{n}: example in another meaning: {w}")
        for w in missing:
            problems.append(f"{n}: no example for {w!r}")
        if args.missing and missing:
            print("    missing:", ", ".join(missing))
    for eng, line in sorted(REVIEWED - used_reviews):
        problems.append(f"{REVIEWED_NAME}: {eng!r} is not shown {line!r}")
    share = 100 * good / words if words else 0
    print(f"examples in the taught meaning: {good}/{words} = {share:.1f}%")
    if share < MIN_IN_MEANING:
        problems.append(f"only {share:.1f}% of the words have an example in their meaning")
    if args.weak:
        for w in weak:
            print("  weak:", w)
        for w in in_phrase:
            print("  in a phrase:", w)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--missing", action="store_true", help="list course words without an example")
    ap.add_argument("--weak", action="store_true", help="list examples accepted on a one-character form")
    ap.add_argument("--puzzles", type=int, default=200)
    args = ap.parse_args()

    names, data = courses()
    check_courses(names, data)
    check_examples(names, data, args)
    lookup = ExampleLookup(example_text())
    graded = [(int(COURSE_NAME.match(n).group(1)), n, data.get(n, [])) for n in names if COURSE_NAME.match(n)]
    proverbs = set(check_pairs(EXAMPLE_FILES[0], read(EXAMPLE_FILES[0])))
    report, found = word_frequency.grading(graded, lambda e: (lookup.find(e) or (None,))[0], proverbs)
    print("\n".join(report))
    problems.extend(found)
    if args.puzzles > 0:
        crossword(args.puzzles)
    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
