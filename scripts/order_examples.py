#!/usr/bin/env python3
"""Orders the example sentences of content/例文.txt and content/例文-2.txt so
that the program's lookup, which takes the first line holding " word ", finds
for as many course words as it can a sentence whose translation renders the
meaning the course teaches.

The proverbs (諺.txt) are searched first and keep their order. The example
pairs of both files are put in one sequence, greedily: at each step the pair
that spoils the fewest words still waiting for their sentence, then the one
that serves the most of them; a word of levels 1 and 2 is served only by a
sentence whose other words it has met (levels 1 to 3). The first half of
the sequence goes to 例文.txt, the second to 例文-2.txt.  Standard library only.

    python3 scripts/order_examples.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_content as cc  # noqa: E402
import word_frequency as wf  # noqa: E402


def pairs_of(name):
    lines = cc.read(name).split("\n")[:-1]
    return [(lines[i], lines[i + 1]) for i in range(0, len(lines) - 1, 2)]


def main():
    names, data = cc.courses()
    words = [(e, cc.split_meaning(m)[0]) for n in names for e, m in data.get(n, [])]
    files = cc.EXAMPLE_FILES[1:]
    pairs = [p for n in files for p in pairs_of(n)]
    proverbs = pairs_of(cc.EXAMPLE_FILES[0])
    whole = "\n".join(e for e, _ in proverbs + pairs)

    # The key the lookup uses does not depend on the order: the word as it is
    # when the text holds it anywhere, else with a lower-case first letter.
    waiting = {}
    for eng, head in words:
        key = f" {eng} "
        if key not in whole:
            key = f" {eng[:1].lower()}{eng[1:]} "
        if any(key in e for e, _ in proverbs):
            continue  # the proverb decides
        waiting[eng] = (key, head)

    phrases = cc.phrases_containing([e for e, _ in words])
    # A word of the low levels fits only a sentence of words it has met.
    course_levels = [(e, int(cc.COURSE_NAME.match(n).group(1))) for n in names for e, _ in data.get(n, [])]
    levels = wf.Levels(course_levels)
    low = {e for e, level in course_levels if level in wf.LOW_LEVELS}

    def simple_enough(eng, line):
        return eng not in low or not wf.example_words_above(line, {w.lower() for w in eng.split()}, levels)

    good = [set() for _ in pairs]
    bad = [set() for _ in pairs]
    served = set()
    for i, (e, j) in enumerate(pairs):
        for eng, (key, head) in waiting.items():
            if key in e:
                fits = (cc.used_on_its_own(eng, e, phrases[eng]) and cc.fits_meaning(eng, head, e, j)
                        and simple_enough(eng, e))
                (good if fits else bad)[i].add(eng)
                if fits:
                    served.add(eng)
    # A word no pair serves cannot be spoilt.
    open_words = set(served)

    order = []
    left = set(range(len(pairs)))
    while left:
        best = min(left, key=lambda i: (len(bad[i] & open_words), -len(good[i] & open_words), i))
        order.append(best)
        left.remove(best)
        open_words -= good[best] | bad[best]

    ordered = [pairs[i] for i in order]
    half = (len(ordered) + 1) // 2
    for name, chunk in zip(files, (ordered[:half], ordered[half:])):
        path = os.path.join(cc.ROOT, name)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            for e, j in chunk:
                f.write(f"{e}\n{j}\n")
    print(f"ordered {len(ordered)} example pairs for {len(served)} words with a fitting sentence")


if __name__ == "__main__":
    main()
