#include "sentence/sentencepractice.h"

#include "base/random.h"
#include "data/textfile.h"

#include <QRegularExpression>

#include <algorithm>

namespace lumo {
namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'\'' || c == u'\u2019';
}

bool hasJapanese(QStringView line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

bool hasLatinLetter(QStringView line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
}

// The words of a sentence as the learner types them: split at spaces, a
// full stop at the very end left out, a curly apostrophe made straight.
QStringList typedWords(const QString& text)
{
    QString plain = text;
    plain.replace(u'\u2019', u'\'');
    QStringList words = plain.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.last().endsWith(u'.')) {
        words.last().chop(1);
        if (words.last().isEmpty())
            words.removeLast();
    }
    return words;
}

bool sameWord(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A word without the punctuation around it, in lower case.
QString plainWord(const QString& word)
{
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end && !word[start].isLetterOrNumber())
        ++start;
    while (end > start && !word[end - 1].isLetterOrNumber())
        --end;
    return word.sliced(start, end - start).toLower();
}

// How many words a typed answer may have that the alignment still sets word
// by word; the rest of a pasted page is one extra step.
constexpr qsizetype kMaxAlignedWords = 400;

} // namespace

std::vector<SentencePair> readSentencePairs(QStringView exampleText)
{
    std::vector<SentencePair> pairs;
    QStringView english;
    forEachLine(exampleText, [&](QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (!english.isEmpty() && hasJapanese(trimmed)) {
            pairs.push_back({english.toString(), trimmed.toString()});
            english = {};
        } else {
            english = hasLatinLetter(trimmed) && !hasJapanese(trimmed) && trimmed.size() <= kMaxLineLength
                          ? trimmed
                          : QStringView();
        }
        return true;
    });
    return pairs;
}

QStringList sentenceWords(QStringView text)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && !isWordChar(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && isWordChar(text[i]))
            ++i;
        if (i > start) {
            QString word = text.sliced(start, i - start).toString().toLower();
            word.replace(u'\u2019', u'\'');
            // Quotation marks written as apostrophes: 'yes' is the word yes.
            while (word.startsWith(u'\''))
                word.remove(0, 1);
            while (word.endsWith(u'\''))
                word.chop(1);
            if (!word.isEmpty())
                words.append(word);
        }
    }
    return words;
}

SentenceBank::SentenceBank(std::vector<SentencePair> pairs) : m_pairs(std::move(pairs))
{
    for (int index = 0; index < size(); ++index) {
        for (const QString& word : sentenceWords(m_pairs[static_cast<std::size_t>(index)].english)) {
            std::vector<int>& sentences = m_sentencesOfWord[word];
            if (sentences.empty() || sentences.back() != index)
                sentences.push_back(index);
        }
    }
}

std::vector<int> SentenceBank::sentencesWith(const QStringList& words) const
{
    static const QString endings[] = {QString(),           QStringLiteral("s"),  QStringLiteral("es"),
                                      QStringLiteral("d"), QStringLiteral("ed"), QStringLiteral("ing")};
    std::vector<int> found;
    for (const QString& entry : words) {
        const QStringList parts = sentenceWords(entry);
        if (parts.isEmpty())
            continue;
        // The last word of an entry takes the endings: "look after" finds "looked after"
        // through its first word, "pick up" finds "picks up".
        const bool phrase = parts.size() > 1;
        for (const QString& ending : endings) {
            const QString key = parts.first() + ending;
            const auto hit = m_sentencesOfWord.constFind(key);
            if (hit == m_sentencesOfWord.cend())
                continue;
            for (int index : *hit) {
                if (phrase) {
                    const QStringList sentence = sentenceWords(pair(index).english);
                    QStringList wanted = parts;
                    wanted.first() = key;
                    bool inARow = false;
                    for (qsizetype at = 0; !inARow && at + wanted.size() <= sentence.size(); ++at)
                        inARow = std::equal(wanted.begin(), wanted.end(), sentence.begin() + at);
                    if (!inARow)
                        continue;
                }
                found.push_back(index);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void SentenceDeck::reset(std::vector<int> sentences)
{
    m_all = std::move(sentences);
    m_left.clear();
    m_last = -1;
}

int SentenceDeck::next()
{
    if (m_all.empty())
        return -1;
    auto count = m_left.size();
    if (count == 0) {
        m_left = m_all;
        count = m_left.size();
        // The sentence just practised is not the first of the new round:
        // it waits at the back, out of this draw.
        if (const auto last = std::find(m_left.begin(), m_left.end(), m_last); count > 1 && last != m_left.end()) {
            std::iter_swap(last, m_left.end() - 1);
            --count;
        }
    }
    const auto at = std::min(static_cast<std::size_t>(double(rnd().next()) * double(count)), count - 1);
    m_last = m_left[at];
    m_left[at] = m_left.back();
    m_left.pop_back();
    return m_last;
}

SentenceJudgement judgeSentence(const QString& typed, const QString& right)
{
    const QStringList rightWords = typedWords(right);
    QStringList typedList = typedWords(typed);
    QString overflow;
    if (typedList.size() > kMaxAlignedWords) {
        overflow = typedList.sliced(kMaxAlignedWords).join(u' ');
        typedList.resize(kMaxAlignedWords);
    }

    // Fewest word changes: cost[i][j] aligns the first i typed words with the
    // first j words of the sentence.
    const auto rows = static_cast<std::size_t>(typedList.size()) + 1;
    const auto columns = static_cast<std::size_t>(rightWords.size()) + 1;
    std::vector<int> cost(rows * columns);
    auto at = [columns](std::size_t i, std::size_t j) { return i * columns + j; };
    for (std::size_t i = 0; i < rows; ++i)
        cost[at(i, 0)] = int(i);
    for (std::size_t j = 0; j < columns; ++j)
        cost[at(0, j)] = int(j);
    for (std::size_t i = 1; i < rows; ++i)
        for (std::size_t j = 1; j < columns; ++j) {
            const int change = sameWord(typedList[qsizetype(i - 1)], rightWords[qsizetype(j - 1)]) ? 0 : 1;
            cost[at(i, j)] =
                std::min({cost[at(i - 1, j - 1)] + change, cost[at(i - 1, j)] + 1, cost[at(i, j - 1)] + 1});
        }

    SentenceJudgement judgement;
    std::size_t i = rows - 1;
    std::size_t j = columns - 1;
    while (i > 0 || j > 0) {
        JudgedWord word;
        if (i > 0 && j > 0 &&
            cost[at(i, j)] == cost[at(i - 1, j - 1)] +
                                  (sameWord(typedList[qsizetype(i - 1)], rightWords[qsizetype(j - 1)]) ? 0 : 1)) {
            word.typed = typedList[qsizetype(--i)];
            word.right = rightWords[qsizetype(--j)];
            if (!sameWord(word.typed, word.right)) {
                word.verdict = WordVerdict::Wrong;
                word.letters = compareAnswers(word.typed, word.right);
            }
        } else if (j > 0 && (i == 0 || cost[at(i, j)] == cost[at(i, j - 1)] + 1)) {
            word.verdict = WordVerdict::Missing;
            word.right = rightWords[qsizetype(--j)];
        } else {
            word.verdict = WordVerdict::Extra;
            word.typed = typedList[qsizetype(--i)];
        }
        judgement.words.push_back(std::move(word));
    }
    std::reverse(judgement.words.begin(), judgement.words.end());
    if (!overflow.isEmpty())
        judgement.words.push_back({WordVerdict::Extra, overflow, {}, {}});

    judgement.right = std::all_of(judgement.words.begin(), judgement.words.end(),
                                  [](const JudgedWord& w) { return w.verdict == WordVerdict::Right; });
    if (!judgement.right && overflow.isEmpty())
        judgement.nearlyRight = compareAnswers(typedList.join(u' '), rightWords.join(u' ')).oneEditAway();
    return judgement;
}

QStringList SentenceJudgement::missedWords() const
{
    QStringList missed;
    for (const JudgedWord& word : words) {
        if (word.verdict != WordVerdict::Wrong && word.verdict != WordVerdict::Missing)
            continue;
        const QString plain = plainWord(word.right);
        if (!plain.isEmpty() && !missed.contains(plain))
            missed.append(plain);
    }
    return missed;
}

WordHint nextWordHint(const QString& typed, const QString& right, const WordHint& previous)
{
    const QStringList rightWords = typedWords(right);
    const QStringList typedList = typedWords(typed);
    int done = 0;
    while (done < typedList.size() && done < rightWords.size() && sameWord(typedList[done], rightWords[done]))
        ++done;
    if (done >= rightWords.size())
        return {};
    const QString& next = rightWords[done];
    // What the learner has begun of the next word, if the answer ends in it.
    qsizetype begun = 0;
    if (done == typedList.size() - 1 && !typed.endsWith(u' ') && next.startsWith(typedList[done], Qt::CaseInsensitive))
        begun = typedList[done].size();
    qsizetype shown = next.size() > 3 ? 2 : 1;
    if (previous.word == done)
        shown = previous.letters.size() + 1;
    shown = std::min(std::max(shown, begun + 1), next.size());
    return {done, next.left(shown)};
}

} // namespace lumo
