#include "typing/courses.h"

#include "base/random.h"
#include "base/strings.h"
#include "data/textfile.h"

#include <cstdint>

namespace lumo::typing {
namespace {

// `count` random keys of `keys`, each drawn from round(u × 100).
QString randomKeys(const QString& keys, int count)
{
    QString line;
    const int n = static_cast<int>(keys.size());
    for (int i = 0; i < count; ++i)
        line += keys.at(drawIndex(rnd().next(), 100, n) - 1);
    return line;
}

// Cuts the item before the first comma off `list` (the whole list when it
// has no comma).
QString takeItem(QString& list)
{
    const qsizetype comma = list.indexOf(u',');
    QString item = comma < 0 ? list : list.left(comma);
    list = comma < 0 ? QString() : list.mid(comma + 1);
    return item;
}

} // namespace

void LineTables::clear()
{
    for (QString& s : text)
        s.clear();
    for (QString& s : hint)
        s.clear();
}

int LineTables::filled() const
{
    int n = 0;
    while (n < kMaxLines && !text[n + 1].isEmpty())
        ++n;
    return n;
}

QString baseKeys(Course course)
{
    switch (course) {
    case Course::Base1: return QStringLiteral("ASDFGHJKL;");
    case Course::Base2: return QStringLiteral("QWERTFYUIOPJ");
    case Course::Base3: return QStringLiteral("ZXCVBFNM,./J");
    case Course::Base4: return QStringLiteral("12345F67890J");
    case Course::Base5: return QStringLiteral("12345F67890JQWERTFYUIOPJASDFGHJKL;ZXCVBFNM,./J");
    default: return {};
    }
}

KanaList kanaList(Course course)
{
    switch (course) {
    case Course::KanaA:
        return {QStringLiteral("A,KA,SA,TA,NA,HA,MA,YA,RA,WA,GA,ZA,DA,BA,PA,"),
                QStringLiteral("あ,か,さ,た,な,は,ま,や,ら,わ,が,ざ,だ,ば,ぱ,")};
    case Course::KanaI:
        return {QStringLiteral("I,KI,SI,TI,NI,HI,MI,RI,GI,ZI,DI,BI,PI,"),
                QStringLiteral("い,き,し,ち,に,ひ,み,り,ぎ,じ,ぢ,び,ぴ,")};
    case Course::KanaU:
        return {QStringLiteral("U,KU,SU,TU,NU,FU,MU,YU,RU,GU,ZU,DU,BU,PU,"),
                QStringLiteral("う,く,す,つ,ぬ,ふ,む,ゆ,る,ぐ,ず,づ,ぶ,ぷ,")};
    case Course::KanaE:
        return {QStringLiteral("E,KE,SE,TE,NE,HE,ME,RE,GE,ZE,DE,BE,PE,"),
                QStringLiteral("え,け,せ,て,ね,へ,め,れ,げ,ぜ,で,べ,ぺ,")};
    case Course::KanaO:
        return {QStringLiteral("O,KO,SO,TO,NO,HO,MO,YO,RO,WO,GO,ZO,DO,BO,PO,"),
                QStringLiteral("お,こ,そ,と,の,ほ,も,よ,ろ,を,ご,ぞ,ど,ぼ,ぽ,")};
    case Course::KanaSpecial:
        return {
            QStringLiteral("GYA,GYU,GYO,SYA,SYU,SYE,SYO,TYA,TYU,TYE,TYO,NYA,NYU,NYE,NYO,HYA,HYU,HYO,BYA,BYU,"
                           "BYO,MYA,MYU,MYO,PYA,PYU,PYO,RYA,RYU,RYO,THI,THE,NN,"),
            QStringLiteral("ぎゃ,ぎゅ,ぎょ,しゃ,しゅ,しぇ,しょ,ちゃ,ちゅ,ちぇ,ちょ,にゃ,にゅ,にぇ,にょ,ひゃ,ひゅ,ひょ,"
                           "びゃ,びゅ,びょ,みゃ,みゅ,みょ,ぴゃ,ぴゅ,ぴょ,りゃ,りゅ,りょ,てぃ,てぇ,ん,")};
    default: return {};
    }
}

void randomKeyLines(LineTables& t)
{
    for (QString& s : t.hint)
        s.clear();
    rnd().randomize();
    const QString keys = t.text[1];
    if (keys.isEmpty())
        return;
    for (int line = 2; line <= 30; ++line)
        t.text[line] += randomKeys(keys, 30);
}

void mixedLines(LineTables& t, const QString& keys)
{
    for (QString& s : t.hint)
        s.clear();
    rnd().randomize();
    for (int line = 1; line <= 30; ++line)
        t.text[line] += randomKeys(keys, 30);
}

void weakKeyLines(LineTables& t, const QString& weakKeys)
{
    QString keys = weakKeys;
    for (const QChar home : {u'F', u'J'})
        if (!keys.contains(home))
            keys += home;
    mixedLines(t, keys);
    QStringList shown;
    for (const QChar key : weakKeys)
        shown.append(key);
    const QString hint = QStringLiteral("苦手なキー %1 を練習します。").arg(shown.join(QStringLiteral("・")));
    for (int line = 1; line <= 30; ++line)
        t.hint[line] = hint;
}

int pickCourseWords(const QString& text, int level, int start, LineTables& t)
{
    int count = start;
    for (const QString& raw : splitLines(text)) {
        const QString line = trimSpaces(raw);
        // Every line costs a draw, taken or not.
        const auto r = static_cast<std::int16_t>(roundHalfEven(rnd().next() * 1000.0f));
        if (line.isEmpty() || line.size() > kMaxLineLength)
            continue;
        const qsizetype comma = line.indexOf(u',');
        const qsizetype w = comma < 0 ? 0 : comma + 1; // length up to and including the comma
        bool fits = false;
        switch (level) {
        case 1: fits = w < 7; break;
        case 2: fits = w > 6; break;
        default: fits = w < 10; break;
        }
        // A line with nothing before a comma has no word to type.
        if (r % 2 != 0 || !fits || comma <= 0)
            continue;
        ++count;
        if (count > kMaxWords)
            return kMaxWords;
        t.text[count] = line.left(comma);
        t.hint[count] = line;
    }
    return count;
}

int proverbLines(const QString& text, LineTables& t)
{
    const QStringList lines = splitLines(text + kCrLf);
    int count = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        // A line no proverb reaches is cut, so the pairs stay in step.
        const QString first = trimSpaces(lines[i].left(kMaxLineLength));
        const QString second = trimSpaces(lines[i + 1].left(kMaxLineLength));
        if (count > 80 || first.isEmpty())
            break;
        ++count;
        t.text[count] = first;
        t.hint[count] = first + kCrLf + second;
    }
    return count;
}

int vocabularyLines(const WordList& words, LineTables& t)
{
    int count = 0;
    for (const WordPair& word : words) {
        const QString typed = trimSpaces(word.english.left(kMaxLineLength));
        if (typed.isEmpty())
            continue;
        if (++count > kMaxLines)
            return kMaxLines;
        t.text[count] = typed;
        t.hint[count] = typed + QStringLiteral("　") + trimSpaces(word.meaning.left(kMaxLineLength));
    }
    return count;
}

void vowelLines(LineTables& t)
{
    static const QString vowels = QStringLiteral("AIUEO");
    static const QString kana = QStringLiteral("あいうえお");
    for (int i = 1; i <= kKanaLines; ++i) {
        const int j = drawIndex(rnd().next(), 100, 5) - 1;
        t.text[i] = vowels.at(j);
        t.hint[i] = kana.at(j);
    }
}

void kanaLines(QString romaji, QString kana, LineTables& t)
{
    int n = 0;
    while (!romaji.isEmpty() && n < kKanaLines) {
        ++n;
        t.text[n] = takeItem(romaji);
        t.hint[n] = takeItem(kana);
        if (kana.isEmpty())
            break;
    }
    if (n == 0)
        return;
    for (int i = n + 1; i <= kKanaLines; ++i) {
        const int j = drawIndex(rnd().next(), 100, n);
        t.text[i] = t.text[j];
        t.hint[i] = t.hint[j];
    }
}

void shuffleLines(int n, LineTables& t)
{
    n = std::min(n, kMaxLines);
    for (int i = 1; i <= n; ++i) {
        const int j = drawIndex(rnd().next(), 1000, n);
        if (t.text[i].isEmpty()) {
            t.text[i] = t.text[i - 1];
            t.hint[i] = t.hint[i - 1];
        }
        StrSwap(t.text[i], t.text[j]);
        StrSwap(t.hint[i], t.hint[j]);
    }
}

void fillBuiltInCourse(Course course, LineTables& t)
{
    switch (course) {
    case Course::Base1:
    case Course::Base2:
    case Course::Base3:
    case Course::Base4:
        t.text[1] = baseKeys(course);
        randomKeyLines(t);
        break;
    case Course::Base5: mixedLines(t, baseKeys(course)); break;
    case Course::KanaVowels:
        vowelLines(t);
        shuffleLines(kKanaLines, t);
        break;
    case Course::KanaA:
    case Course::KanaI:
    case Course::KanaU:
    case Course::KanaE:
    case Course::KanaO:
    case Course::KanaSpecial: {
        const KanaList lists = kanaList(course);
        kanaLines(lists.romaji, lists.kana, t);
        shuffleLines(kKanaLines, t);
        break;
    }
    default: break; // the English courses read their files
    }
}

} // namespace lumo::typing
