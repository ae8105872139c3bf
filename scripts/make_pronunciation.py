#!/usr/bin/env python3
"""Writes src/quiz/pronunciation.tsv, the pronouncing dictionary the quiz
shows transcriptions from, out of the CMU Pronouncing Dictionary.

The dictionary comes from the npm package cmu-pronouncing-dictionary,
installed in a scratch folder outside the repository:

    mkdir /tmp/cmudict && (cd /tmp/cmudict && npm install cmu-pronouncing-dictionary)
    python3 scripts/make_pronunciation.py /tmp/cmudict/node_modules/cmu-pronouncing-dictionary

Its ARPAbet is written in the notation of Japanese school English-Japanese
dictionaries (American pronunciation, an acute accent over the stressed
vowel, a grave accent over a vowel with secondary stress); the table of
symbols is in src/quiz/DESIGN.md. The file is UTF-8 with LF line breaks, one
word a line in byte order of the word (the program searches it by halves):
the word in small letters, a tab, its transcription, and a further tab and
transcription for each other pronunciation the dictionary lists that reads
differently in this notation.

    python3 scripts/make_pronunciation.py PACKAGE --check-courses

lists the words of the shipped courses (content/eng-*.dat) that have more
than one pronunciation, with the English and meaning of each course line, so
src/quiz/pronunciation_choices.tsv can be completed.
"""
import glob
import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TARGET = os.path.join(ROOT, "src", "quiz", "pronunciation.tsv")

CONSONANTS = {
    "P": "p", "B": "b", "T": "t", "D": "d", "K": "k", "G": "g",
    "F": "f", "V": "v", "TH": "θ", "DH": "ð", "S": "s", "Z": "z",
    "SH": "ʃ", "ZH": "ʒ", "HH": "h", "CH": "tʃ", "JH": "dʒ",
    "M": "m", "N": "n", "NG": "ŋ", "L": "l", "R": "r", "W": "w", "Y": "j",
}
VOWELS = {
    "AA": "ɑ", "AE": "æ", "AH": "ə", "AO": "ɔː", "AW": "au", "AY": "ai",
    "EH": "e", "ER": "ər", "EY": "ei", "IH": "i", "IY": "iː", "OW": "ou",
    "OY": "ɔi", "UH": "u", "UW": "uː",
}
# Stressed forms that differ from the unstressed ones by more than the mark.
STRESSED = {"AH": "ʌ", "ER": "əːr"}
# Unstressed long vowels are written short (happy /hǽpi/, situation /sìtʃuéiʃən/).
UNSTRESSED = {"IY": "i", "UW": "u"}
# Before an r that ends the syllable: car /kɑ́ːr/, here /híər/, there /ðéər/,
# tour /túər/, ear /íər/.
BEFORE_R = {"AA": "ɑː", "IH": "iə", "IY": "iə", "EH": "eə", "UH": "uə"}
MARKS = {"1": "\u0301", "2": "\u0300", "0": ""}


def convert(arpabet):
    """The transcription of one ARPAbet pronunciation ("K L OW1 Z")."""
    phones = arpabet.split()
    out = []
    for i, phone in enumerate(phones):
        match = re.fullmatch(r"([A-Z]+)([012]?)", phone)
        if not match:
            raise ValueError(f"unknown phone {phone!r} in {arpabet!r}")
        name, stress = match.groups()
        if name in CONSONANTS:
            out.append(CONSONANTS[name])
            continue
        if name not in VOWELS or not stress:
            raise ValueError(f"unknown phone {phone!r} in {arpabet!r}")
        if name == "IY" and stress == "2" and i == len(phones) - 1:
            stress = "0"  # thirty /θə́ːrti/: a final -y never carries stress
        following = phones[i + 1] if i + 1 < len(phones) else ""
        after_that = phones[i + 2] if i + 2 < len(phones) else ""
        symbol = VOWELS[name]
        if stress != "0" and name in STRESSED:
            symbol = STRESSED[name]
        elif stress == "0" and name in UNSTRESSED:
            symbol = UNSTRESSED[name]
        # very /véri/ keeps its short vowel: the r begins the next syllable.
        if following == "R" and name in BEFORE_R and not after_that[-1:].isdigit():
            symbol = BEFORE_R[name]
        out.append(symbol[0] + MARKS[stress] + symbol[1:])
    return unicodedata.normalize("NFC", "".join(out))


def read_dictionary(package):
    """{word: [ARPAbet, ...]} in the dictionary's order of variants."""
    path = os.path.join(package, "index.js")
    entries = {}
    line_re = re.compile(r'^\s*"((?:[^"\\]|\\.)+)": "([A-Z012 ]+)",?$')
    with open(path, encoding="utf-8") as f:
        for line in f:
            match = line_re.match(line)
            if not match:
                continue
            key, arpabet = match.groups()
            word = re.sub(r"\(\d+\)$", "", key.replace('\\"', '"'))
            entries.setdefault(word, []).append(arpabet)
    if len(entries) < 100000:
        sys.exit(f"{path}: only {len(entries)} words read; is this the package folder?")
    return entries


def is_subsequence(short, long):
    rest = iter(long)
    return all(phone in rest for phone in short)


def is_casual_variant(arpabet, earlier):
    """True for a variant the dictionary lists beside `earlier` that is only a
    casual or weak form of it: the same sounds with some left out or added
    (family /fǽmli/, twenty /twéni/, white /hwáit/), a form without any
    main stress beside a stressed one (to /tə/ beside /túː/), or one that
    differs only where speakers differ (see outline)."""
    plain = [phone.rstrip("012") for phone in arpabet.split()]
    earlier_plain = [phone.rstrip("012") for phone in earlier.split()]
    if plain != earlier_plain and (is_subsequence(plain, earlier_plain) or is_subsequence(earlier_plain, plain)):
        return True
    return "1" in earlier and ("1" not in arpabet or outline(arpabet) == outline(earlier))


def outline(arpabet):
    """What tells two pronunciations of a word apart for a learner: the
    consonants, and which vowel carries the main stress and what it is. The
    vowels of other syllables vary between speakers (ticket /tíkət/, /tíkit/),
    and so do the vowels of caught and cot, which many Americans merge."""
    phones = arpabet.replace("AO", "AA").split()
    vowels = [phone for phone in phones if phone[-1].isdigit()]
    main = next(i for i, vowel in enumerate(vowels) if vowel.endswith("1"))
    return [phone for phone in phones if not phone[-1].isdigit()], len(vowels), main, vowels[main]


def transcriptions(arpabets):
    """The pronunciations worth telling apart, the dictionary's first one first."""
    kept = []
    for arpabet in arpabets:
        if any(is_casual_variant(arpabet, earlier) for earlier in kept):
            continue
        kept.append(arpabet)
    seen = []
    for arpabet in kept:
        text = convert(arpabet)
        if text not in seen:
            seen.append(text)
    return seen


def write_table(entries):
    lines = []
    for word, arpabets in entries.items():
        if "\t" in word or "\n" in word:
            continue
        lines.append((word.encode("utf-8"), word + "\t" + "\t".join(transcriptions(arpabets)) + "\n"))
    lines.sort()
    with open(TARGET, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(line for _, line in lines)
    print(f"{len(lines)} words written to {os.path.relpath(TARGET, ROOT)}")


def check_courses(entries):
    """Course lines with a word of several pronunciations, as choice-table rows."""
    rows = set()
    for path in sorted(glob.glob(os.path.join(ROOT, "content", "eng-*.dat"))):
        with open(path, encoding="utf-8") as f:
            for line in f:
                english, _, meaning = line.rstrip("\r\n").partition(",")
                head = meaning.split(",", 1)[0] if meaning.find(",") >= 1 else meaning
                for word in english.lower().split():
                    variants = transcriptions(entries.get(word, []))
                    if len(variants) > 1:
                        rows.add((english.strip(), head, word, " | ".join(variants)))
    for row in sorted(rows):
        print("\t".join(row))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    entries = read_dictionary(sys.argv[1])
    if "--check-courses" in sys.argv[2:]:
        check_courses(entries)
    else:
        write_table(entries)


if __name__ == "__main__":
    main()
