#!/usr/bin/env python3
"""Writes src/quiz/ipa.tsv: the pronunciation of every English word of the
shipped courses (content/eng-*.dat), in the International Phonetic Alphabet.

The transcriptions come from espeak-ng (Debian package espeak-ng) with its
American English voice. The file is UTF-8 with LF line breaks, one word a
line: the English exactly as the course writes it, a tab, the IPA. Lines are
sorted, so running the script again gives the same file until a course or
espeak-ng changes. The program compiles the file in; it is not copied into
the program folder.

    python3 scripts/make_ipa.py
"""
import glob
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def course_words():
    words = set()
    for path in sorted(glob.glob(os.path.join(ROOT, "content", "eng-*.dat"))):
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.rstrip("\r\n")
                if "," not in line:
                    continue
                english = line.split(",", 1)[0]
                if english.strip():
                    words.add(english)
    return sorted(words)


def ipa(word):
    out = subprocess.run(["espeak-ng", "-v", "en-us", "-q", "--ipa", word],
                         check=True, capture_output=True, text=True).stdout
    # espeak-ng puts one line per clause; a word or short phrase is one.
    return " ".join(part.strip() for part in out.splitlines() if part.strip())


def main():
    lines = []
    for word in course_words():
        transcription = ipa(word)
        if not transcription:
            sys.exit(f"espeak-ng gave nothing for {word!r}")
        lines.append(f"{word}\t{transcription}\n")
    target = os.path.join(ROOT, "src", "quiz", "ipa.tsv")
    with open(target, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)
    print(f"{len(lines)} words written to {os.path.relpath(target, ROOT)}")


if __name__ == "__main__":
    main()
