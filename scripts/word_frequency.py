"""How common an English word is, from scripts/data/subtlex-us.tsv (the most
frequent words of the SUBTLEX-US spoken list), and the word lists kept in
content/README.md: the frequent words no course asks and the rare words a
course asks all the same.  Standard library only."""
import collections
import os
import re
import statistics

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data", "subtlex-us.tsv")
CONTENT_README = os.path.join(HERE, "..", "content", "README.md")

# Forms the endings below cannot lead back to their dictionary word.
IRREGULAR = {
    "am": "be", "is": "be", "are": "be", "was": "be", "were": "be", "been": "be", "being": "be",
    "has": "have", "had": "have", "does": "do", "did": "do", "done": "do", "went": "go", "gone": "go",
    "said": "say", "says": "say", "made": "make", "took": "take", "taken": "take", "got": "get",
    "gotten": "get", "came": "come", "knew": "know", "known": "know", "thought": "think",
    "told": "tell", "saw": "see", "seen": "see", "found": "find", "gave": "give", "given": "give",
    "left": "leave", "felt": "feel", "brought": "bring", "kept": "keep", "heard": "hear",
    "meant": "mean", "ran": "run", "sat": "sit", "stood": "stand", "understood": "understand",
    "wrote": "write", "written": "write", "spoke": "speak", "spoken": "speak", "broke": "break",
    "broken": "break", "chose": "choose", "chosen": "choose", "ate": "eat", "eaten": "eat",
    "drove": "drive", "driven": "drive", "forgot": "forget", "forgotten": "forget", "lost": "lose",
    "paid": "pay", "sent": "send", "spent": "spend", "sold": "sell", "taught": "teach",
    "caught": "catch", "bought": "buy", "fought": "fight", "held": "hold", "led": "lead",
    "met": "meet", "won": "win", "wore": "wear", "worn": "wear", "woke": "wake", "threw": "throw",
    "thrown": "throw", "flew": "fly", "flown": "fly", "grew": "grow", "grown": "grow", "drew": "draw",
    "drawn": "draw", "fell": "fall", "fallen": "fall", "hid": "hide", "hidden": "hide", "rode": "ride",
    "rose": "rise", "shook": "shake", "sang": "sing", "sung": "sing", "swam": "swim", "began": "begin",
    "begun": "begin", "drank": "drink", "drunk": "drink", "rang": "ring", "became": "become",
    "men": "man", "women": "woman", "children": "child", "feet": "foot", "teeth": "tooth",
    "mice": "mouse", "better": "good", "best": "good", "worse": "bad", "worst": "bad",
    "built": "build", "slept": "sleep", "lay": "lie", "lied": "lie", "lying": "lie", "dying": "die",
    "died": "die", "shot": "shoot", "stuck": "stick", "hung": "hang", "fed": "feed", "bit": "bite",
    "lit": "light", "dug": "dig", "blew": "blow", "blown": "blow", "swore": "swear", "sworn": "swear",
    "froze": "freeze", "frozen": "freeze", "stole": "steal", "stolen": "steal", "struck": "strike",
    "bled": "bleed", "fled": "flee", "sought": "seek", "wives": "wife", "lives": "life",
    "knives": "knife", "leaves": "leaf", "thieves": "thief", "halves": "half", "shelves": "shelf",
    "me": "I", "my": "I", "mine": "I", "myself": "I", "him": "he", "his": "he", "himself": "he",
    "her": "she", "hers": "she", "herself": "she", "us": "we", "our": "we", "ours": "we",
    "ourselves": "we", "them": "they", "their": "they", "theirs": "they", "themselves": "they",
    "your": "you", "yours": "you", "yourself": "you", "yourselves": "you", "its": "it",
    "itself": "it", "these": "this", "those": "that", "an": "a", "people": "person",
    "cannot": "can", "laid": "lay", "gentlemen": "gentleman", "truly": "true", "whom": "who",
}


def _ranked():
    words = []
    with open(DATA, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            word, count = line.rstrip("\n").split("\t")
            words.append((word, int(count)))
    return words


RANKED = _ranked()
_RANK = {}
_CAPITALISED = set()
for _i, (_w, _c) in enumerate(RANKED, 1):
    _RANK.setdefault(_w.lower(), _i)
    if _w[:1].isupper():
        _CAPITALISED.add(_w)

# The rank given to a word beyond the kept list.
BEYOND = len(RANKED) + 1


def rank(word):
    """The word's place in the list (1 = most frequent), BEYOND when the list
    does not hold it."""
    return _RANK.get(word.lower(), BEYOND)


def is_name(word):
    """Whether the list writes `word` capitalised more often than not, as
    names of people and places (Tokyo, Mount)."""
    return word in _CAPITALISED or word.lower() not in _RANK


def dictionary_forms(form):
    """The words `form` may be an inflection of, itself first: said → say,
    stopped → stop, cities → city, making → make."""
    f = form.lower()
    out = [f]
    if f in IRREGULAR:
        out.append(IRREGULAR[f].lower())

    def doubled(stem):
        return [stem[:-1]] if len(stem) > 2 and stem[-1] == stem[-2] else []

    if f.endswith("ies") and len(f) > 4:
        out.append(f[:-3] + "y")
    if f.endswith("es") and len(f) > 3:
        out.append(f[:-2])
    if f.endswith("s") and not f.endswith("ss") and len(f) > 2:
        out.append(f[:-1])
    if f.endswith("ied") and len(f) > 4:
        out.append(f[:-3] + "y")
    if f.endswith("ed") and len(f) > 3:
        out += [f[:-2], f[:-1]] + doubled(f[:-2])
    if f.endswith("ing") and len(f) > 4:
        out += [f[:-3], f[:-3] + "e"] + doubled(f[:-3])
    for ending in ("er", "est"):
        if f.endswith(ending) and len(f) > len(ending) + 2:
            stem = f[: -len(ending)]
            out += [stem, stem + "e"] + doubled(stem)
            if stem.endswith("i"):
                out.append(stem[:-1] + "y")
    if f.endswith("ly") and len(f) > 4:
        out.append(f[:-2])
    return list(dict.fromkeys(out))


def readme_lists():
    """The word lists of content/README.md: each section whose heading ends in
    a [tag] holds lines "- word: reason"; returns {tag: {word: reason}}."""
    lists = {}
    current = None
    with open(CONTENT_README, encoding="utf-8") as f:
        for line in f:
            heading = re.match(r"^#+ .*\[([a-z-]+)\]\s*$", line)
            if heading:
                current = lists.setdefault(heading.group(1), {})
                continue
            if line.startswith("#"):
                current = None
                continue
            item = re.match(r"^- (.+?): (.+)$", line.strip())
            if current is not None and item:
                for word in item.group(1).split(", "):
                    current[word.strip()] = item.group(2).strip()
    return lists


# ---- measures of the courses against the list ----

CORE = 2000  # the words a school course should hold
NO_HIGH_LEVEL = 1500  # words this frequent are not taught at level 4 or 5
RARE = 10000  # words less frequent need a reason in content/README.md
MAX_RARE_SHARE = 2.0  # percent of the single words
MIN_COVERAGE = 97.0  # percent of the core that a course asks
LOW_LEVELS = (1, 2)  # their examples use words of levels 1 to 3 only
MAX_EXAMPLE_LEVEL = 3


class Levels:
    """The level each English entry is taught at, by every form of it."""

    def __init__(self, entries):
        self.level = {}
        for english, level in entries:
            key = english.lower()
            self.level[key] = min(level, self.level.get(key, level))

    def of(self, form):
        """The lowest level that teaches `form` or a word it inflects, None
        when no course does."""
        found = [self.level[f] for f in dictionary_forms(form) if f in self.level]
        return min(found) if found else None


def coverage(levels, left_out):
    """The share of the core words (less those left out) that a course asks,
    and the core words neither asked nor left out."""
    asked, missing = 0, []
    for word, _ in RANKED[:CORE]:
        if word in left_out or word.lower() in left_out:
            continue
        if levels.of(word) is not None:
            asked += 1
        else:
            missing.append(word)
    total = asked + len(missing)
    return (100.0 * asked / total if total else 0.0), missing


def example_words_above(line, own, levels):
    """The words of an example line taught above the low levels, or neither
    taught nor among the core words: names (capitalised inside the sentence)
    and the entry's own words pass."""
    above = []
    for i, token in enumerate(re.findall(r"[A-Za-z]+", line)):
        lower = token.lower()
        if lower in own or any(f in own for f in dictionary_forms(lower)):
            continue
        level = levels.of(lower)
        if level is not None and level <= MAX_EXAMPLE_LEVEL:
            continue
        if level is None and (min(rank(f) for f in dictionary_forms(lower)) <= CORE
                              or (token[0].isupper() and (i > 0 or is_name(token))) or len(token) == 1):
            continue
        above.append(token)
    return above


def check_coverage(levels, left_out, report, problems):
    share, missing = coverage(levels, left_out)
    report.append(f"core words asked: {share:.1f}% of the {CORE} most frequent, less {len(left_out)} left out")
    if share < MIN_COVERAGE:
        problems.append(f"only {share:.1f}% of the core words are asked; missing: {' '.join(missing)}")
    for word in left_out:
        if word.lower() in levels.level:
            problems.append(f"{word!r} is listed as left out but is asked")


def check_levels(courses, rare_ok, levels, report, problems):
    """The level table: the median rank rises from level to level, the most
    frequent words stay below level 4, the rare ones are few and listed."""
    ranks = collections.defaultdict(list)
    for level, name, pairs in courses:
        for english, _ in pairs:
            if " " in english:
                continue
            r = rank(english)
            ranks[level].append(r)
            if r <= NO_HIGH_LEVEL and level >= 4:
                problems.append(f"{name}: {english!r} (rank {r}) is too common for level {level}")
            if r > RARE and english not in rare_ok:
                problems.append(f"{name}: {english!r} (rank {'beyond list' if r == BEYOND else r}) "
                                f"is rare and not listed with a reason")
    report.append("level  words  median rank  top 1500  beyond 10000")
    last = 0
    for level in sorted(ranks):
        r = ranks[level]
        median = statistics.median(r)
        report.append(f"{level:5}  {len(r):5}  {median:11.0f}  {sum(x <= NO_HIGH_LEVEL for x in r):8}  "
                      f"{sum(x > RARE for x in r):12}")
        if median <= last:
            problems.append(f"the median rank of level {level} does not rise above the level before")
        last = median
    singles = [x for r in ranks.values() for x in r]
    rare = sum(x > RARE for x in singles)
    rare_share = 100.0 * rare / len(singles) if singles else 0.0
    report.append(f"beyond {RARE}: {rare} of {len(singles)} single words = {rare_share:.1f}%")
    if rare_share > MAX_RARE_SHARE:
        problems.append(f"{rare_share:.1f}% of the single words are beyond rank {RARE}")
    for word in rare_ok:
        if word.lower() not in levels.level or rank(word) <= RARE:
            problems.append(f"{word!r} is listed as rare but is not a rare course word")


def check_low_examples(courses, example_of, proverbs, levels, report, problems):
    above_count = proverb_count = 0
    for level, name, pairs in courses:
        if level not in LOW_LEVELS:
            continue
        for english, _ in pairs:
            line = example_of(english)
            if line is None:
                continue
            above = example_words_above(line, {w.lower() for w in english.split()}, levels)
            if line in proverbs:
                proverb_count += bool(above)
            elif above:
                above_count += 1
                problems.append(f"{name}: the example of {english!r} uses {above}: {line}")
    report.append(f"level 1-2 examples with words above level {MAX_EXAMPLE_LEVEL}: {above_count}"
                  f" (and {proverb_count} proverbs with older words)")


def grading(courses, example_of, proverbs):
    """Measures `courses` ([(level, course name, [(english, meaning)])])
    against the list; `example_of(english)` gives the example line the
    program shows for a word, or None. A proverb keeps its old words: it is
    counted, not held to the levels. Returns the lines to print and the
    problems found."""
    lists = readme_lists()
    levels = Levels((e, level) for level, _, pairs in courses for e, _ in pairs)
    report, problems = [], []
    check_coverage(levels, lists.get("left-out", {}), report, problems)
    check_levels(courses, lists.get("rare", {}), levels, report, problems)
    check_low_examples(courses, example_of, proverbs, levels, report, problems)
    return report, problems
