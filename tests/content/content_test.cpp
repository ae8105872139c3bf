// Checks of the shipped learning content: the UTF-8 sources under content/
// must survive code page 932, hold enough well-formed material for every
// activity, and reach the program folder of the build unchanged.
#include "base/random.h"
#include "crossword/grid.h"
#include "crossword/wordfile.h"
#include "data/course.h"
#include "data/examples.h"
#include "data/textfile.h"
#include "taught_meaning.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace lumo;
using lumo::content::meaningForms;
using lumo::content::renderedForm;

namespace {

const QString kSource = QStringLiteral(LUMO_CONTENT_SRC_DIR);
const QString kProgram = QStringLiteral(LUMO_PROGRAM_DIR);

std::string s(const QString& text)
{
    return text.toStdString();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A source file as text with the line breaks the program folder gets (CR LF).
QString sourceText(const QString& name)
{
    const QByteArray bytes = readBytes(kSource + name);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError()) << s(name) << " is not valid UTF-8";
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

// The lines of a source file; the break after the last line ends it.
QStringList sourceLines(const QString& name)
{
    return splitLines(sourceText(name));
}

QStringList textFileNames()
{
    QStringList names = QDir(kSource).entryList({"*.dat", "*.txt", "*.htm"}, QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("CMakeLists.txt"));
    return names;
}

QStringList courseNames()
{
    QStringList names;
    for (const QString& line : sourceLines(QStringLiteral("filelist.dat")))
        if (!line.isEmpty())
            names << line;
    return names;
}

struct CoursePair {
    QString course;
    QString english;
    QString meaning;
};

std::vector<CoursePair> allPairs()
{
    std::vector<CoursePair> pairs;
    for (const QString& name : courseNames()) {
        const CourseLines course = parseCourse(sourceText(name), CourseFilter::All);
        for (int i = 0; i < course.count(); ++i)
            pairs.push_back({name, course.english[i], course.meanings[i]});
    }
    return pairs;
}

QString exampleText()
{
    QString text;
    for (const char* name : kExampleFiles)
        text += sourceText(QString::fromUtf8(name));
    return text;
}

// The examples a reader accepted although their natural translation does not
// repeat the meaning's words: "word<TAB>example line" (reviewed-examples.tsv).
QSet<QString> reviewedExamples()
{
    QSet<QString> reviewed;
    for (const QString& line : splitLines(sourceText(QStringLiteral("reviewed-examples.tsv"))))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            reviewed.insert(line);
    return reviewed;
}

bool isPlainLetters(const QString& word)
{
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]+$"));
    return letters.match(word).hasMatch();
}

// Checks a file made of line pairs (an English line, then its translation) and
// returns its English lines.
QStringList checkLinePairs(const QString& name)
{
    const QStringList lines = sourceLines(name);
    EXPECT_EQ(lines.size() % 2, 0) << s(name) << ": an English line without its translation";
    QStringList english;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const std::string where = s(name) + ":" + std::to_string(i + 1);
        // An empty line stops the example lookup's line walk before the match.
        EXPECT_FALSE(line.trimmed().isEmpty()) << where << ": blank line";
        EXPECT_LE(line.size(), 200) << where << ": longer than 200 characters";
        if (i % 2 == 0) {
            english << line;
            EXPECT_EQ(line, line.trimmed()) << where << ": spaces around the sentence";
            EXPECT_FALSE(line.contains(QStringLiteral("  "))) << where << ": words not separated by single spaces";
            const bool ascii = std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() < 0x80; });
            EXPECT_TRUE(ascii) << where << ": the English line is not plain ASCII";
        }
    }
    return english;
}

} // namespace

TEST(ContentFiles, EveryTextFileRoundTripsThroughCodePage932)
{
    const QStringList names = textFileNames();
    ASSERT_FALSE(names.isEmpty()) << "no content found in " << s(kSource);
    for (const QString& name : names) {
        const QByteArray raw = readBytes(kSource + name);
        EXPECT_TRUE(raw.endsWith('\n')) << s(name) << " does not end with a line break";
        EXPECT_FALSE(raw.contains('\r')) << s(name) << " has CR line breaks in the source";
        const QString text = sourceText(name);
        const Encoded encoded = encodeCp932(text);
        EXPECT_TRUE(encoded.ok()) << s(name) << " holds characters code page 932 lacks: " << s(encoded.unmappable);
        if (!encoded.ok())
            continue;
        const Decoded decoded = decodeCp932(encoded.bytes);
        EXPECT_EQ(decoded.badBytes, 0) << s(name);
        EXPECT_TRUE(decoded.text == text) << s(name) << " reads back differently";
    }
}

TEST(ContentFiles, ProgramFolderHoldsEveryFileConverted)
{
    for (const QString& name : textFileNames()) {
        const QByteArray bytes = readBytes(kProgram + name);
        ASSERT_FALSE(bytes.isEmpty()) << s(name) << " missing from the program folder " << s(kProgram);
        const Decoded decoded = decodeCp932(bytes);
        EXPECT_EQ(decoded.badBytes, 0) << s(name);
        EXPECT_TRUE(decoded.text == sourceText(name)) << s(name) << " in the program folder differs from its source";
    }
    for (const char* name : {"sample3.wav", "sample2.wav"})
        EXPECT_EQ(readBytes(kProgram + name), readBytes(kSource + name)) << name;
}

TEST(CourseList, NamesExistingCoursesGroupedByLevel)
{
    const QStringList names = courseNames();
    ASSERT_GE(names.size(), 30);
    EXPECT_EQ(names.first(), QStringLiteral("eng-1-1.dat"));
    QSet<int> levels;
    static const QRegularExpression pattern(QStringLiteral("^eng-(\\d+)-(\\d+)\\.dat$"));
    int lastLevel = 0;
    QSet<QString> seen;
    for (const QString& name : names) {
        EXPECT_TRUE(QFile::exists(kSource + name)) << s(name) << " is listed but does not exist";
        EXPECT_FALSE(seen.contains(name)) << s(name) << " is listed twice";
        seen.insert(name);
        const auto match = pattern.match(name);
        EXPECT_TRUE(match.hasMatch()) << s(name) << " is not named level-unit";
        const int level = match.captured(1).toInt();
        EXPECT_GE(level, lastLevel) << s(name) << " breaks the grouping by level";
        lastLevel = level;
        levels.insert(level);
    }
    EXPECT_GE(levels.size(), 5) << "levels from first words to the first years of senior high";
}

TEST(CourseFiles, PairsAreWellFormedAndUniqueWithinACourse)
{
    qsizetype total = 0;
    for (const QString& name : courseNames()) {
        const CourseLines course = parseCourse(sourceText(name), CourseFilter::All);
        EXPECT_EQ(course.withoutComma, 0) << s(name) << ": a line without a comma";
        EXPECT_GE(course.count(), 40) << s(name);
        total += course.count();
        QSet<QString> english;
        QSet<QString> meanings;
        for (int i = 0; i < course.count(); ++i) {
            const QString& e = course.english[i];
            const std::string where = s(name) + ": " + s(e);
            EXPECT_FALSE(e.trimmed().isEmpty()) << s(name) << ": a line starting with its comma";
            EXPECT_EQ(e, e.trimmed()) << where << ": spaces around the English";
            EXPECT_FALSE(english.contains(e)) << where << ": English listed twice";
            english.insert(e);
            // A question is identified by its meaning: a second pair with the
            // same meaning could never be selected.
            EXPECT_FALSE(meanings.contains(course.meanings[i])) << where << ": meaning listed twice";
            meanings.insert(course.meanings[i]);
            EXPECT_FALSE(splitMeaning(course.meanings[i]).head.isEmpty()) << where << ": empty meaning";
        }
    }
    EXPECT_GE(total, 2400);
}

TEST(CourseFiles, EachWordIsTaughtOnceUnderAMeaningOfItsOwn)
{
    std::map<QString, QString> taughtIn;
    std::map<QString, QStringList> wordsOfHead;
    for (const CoursePair& pair : allPairs()) {
        const auto [it, fresh] = taughtIn.emplace(pair.english, pair.course);
        EXPECT_TRUE(fresh) << s(pair.english) << " is taught in " << s(it->second) << " and again in "
                           << s(pair.course);
        wordsOfHead[splitMeaning(pair.meaning).head] << pair.english;
    }
    // A question shows the head alone: two words under one head would make
    // one right answer count as wrong.
    for (const auto& [head, words] : wordsOfHead)
        EXPECT_EQ(words.size(), 1) << "the meaning " << s(head) << " belongs to " << s(words.join(u", "));
}

TEST(CourseFiles, MeaningsAndNotesGiveNoEnglishAway)
{
    for (const CoursePair& pair : allPairs()) {
        const MeaningParts parts = splitMeaning(pair.meaning);
        for (const QString& text : {parts.head, parts.note}) {
            const QStringList shown = lumo::content::shownEnglish(text);
            EXPECT_TRUE(shown.isEmpty()) << s(pair.course) << ": " << s(pair.english) << " is shown with "
                                         << s(shown.join(u' ')) << " in " << s(text);
        }
    }
}

TEST(CourseFiles, FirstTwoCoursesFeedTheTypingTrainer)
{
    int pairs = 0, shortWords = 0, longWords = 0;
    for (const char* name : {"eng-1-1.dat", "eng-1-2.dat"}) {
        const CourseLines course = parseCourse(sourceText(QString::fromUtf8(name)), CourseFilter::All);
        for (const QString& e : course.english) {
            ++pairs;
            EXPECT_TRUE(isPlainLetters(e)) << name << ": " << s(e) << " cannot be typed in the trainer";
            (e.size() <= 5 ? shortWords : longWords) += 1;
        }
    }
    EXPECT_GE(pairs, 200);
    EXPECT_GE(shortWords, 90) << "words for the beginner level (at most 5 letters)";
    EXPECT_GE(longWords, 90) << "words for the middle level (6 letters or more)";
}

TEST(Examples, FilesArePairsOfShortLines)
{
    for (const char* name : kExampleFiles)
        checkLinePairs(QString::fromUtf8(name));
}

TEST(Examples, EveryWordFindsItsExampleInTheMeaningItsCourseTeaches)
{
    QSet<QString> englishLines;
    for (const char* name : kExampleFiles)
        for (const QString& line : checkLinePairs(QString::fromUtf8(name)))
            englishLines.insert(line);

    const std::vector<CoursePair> pairs = allPairs();
    const ExampleLookup lookup(exampleText());
    const QSet<QString> reviewed = reviewedExamples();
    int inMeaning = 0;
    QStringList missing;
    for (const CoursePair& pair : pairs) {
        const std::optional<QString> slot = lookup.find(pair.english);
        if (!slot) {
            missing << pair.english;
            continue;
        }
        // The stored pair must start with an English sentence, not with a
        // translation followed by the next sentence.
        const QString line = slot->section(QStringLiteral("\r\r\n"), 0, 0);
        QString translation = slot->section(QStringLiteral("\r\r\n"), 1);
        if (translation.endsWith(u'\r'))
            translation.chop(1);
        EXPECT_TRUE(englishLines.contains(line))
            << s(pair.english) << " is matched outside an English line: " << s(line);
        const QString head = splitMeaning(pair.meaning).head;
        const bool accepted = reviewed.contains(pair.english + u'\t' + line);
        const QString form = accepted ? QStringLiteral("reviewed") : renderedForm(head, translation);
        EXPECT_FALSE(form.isEmpty()) << s(pair.course) << ": " << s(pair.english) << " (" << s(head)
                                     << ") gets an example in another meaning: " << s(line) << " / " << s(translation);
        if (!form.isEmpty())
            ++inMeaning;
    }
    ASSERT_FALSE(pairs.empty());
    const double share = 100.0 * inMeaning / double(pairs.size());
    RecordProperty("in_meaning_percent", std::to_string(share));
    EXPECT_GE(share, 97.0) << inMeaning << " of " << pairs.size()
                           << "; without any example: " << s(missing.join(u", "));
}

TEST(Examples, AWordInsideALongerEntryIsToldApart)
{
    using lumo::content::usedOnItsOwn;
    EXPECT_FALSE(usedOnItsOwn(QStringLiteral("stand"), QStringLiteral("Her coat helped her stand out"),
                              {QStringLiteral("stand out"), QStringLiteral("stand up")}));
    EXPECT_TRUE(usedOnItsOwn(QStringLiteral("stand"), QStringLiteral("We had to stand in the bus"),
                             {QStringLiteral("stand out")}));
    EXPECT_TRUE(usedOnItsOwn(QStringLiteral("Monday"), QStringLiteral("It rained on Monday and monday"), {}));
}

struct FormCase {
    const char* head;
    const char* translation;
    bool renders;
};

class MeaningForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(MeaningForms, TellWhetherATranslationRendersTheHead)
{
    const FormCase& c = GetParam();
    EXPECT_EQ(!renderedForm(QString::fromUtf8(c.head), QString::fromUtf8(c.translation)).isEmpty(), c.renders)
        << c.head << " in " << c.translation << ": forms " << s(meaningForms(QString::fromUtf8(c.head)).join(u' '));
}

INSTANTIATE_TEST_SUITE_P(Heads, MeaningForms,
                         ::testing::Values(
                             // Inflected verbs and adjectives keep their stem.
                             FormCase{"食べる", "私たちは朝食にご飯を食べます。", true},
                             FormCase{"高い", "高くて", true}, FormCase{"静かな", "静かにしてください", true},
                             FormCase{"練習する", "毎日練習します", true}, FormCase{"驚いた", "とても驚きました", true},
                             FormCase{"気が進まない", "気が進みませんでした", true},
                             FormCase{"～しなければならない", "行かなければなりません", true},
                             // Bracketed remarks are no part of the meaning; alternatives each count.
                             FormCase{"（線で）描く・（線を）引く", "線を引いてください", true},
                             FormCase{"明かり", "人手が多ければ仕事は楽になる。", false},
                             FormCase{"使う", "こぼれた牛乳を嘆いてもしかたがない。", false},
                             // A ～ stands for the words put in, in order; a closing ～ない is left out.
                             FormCase{"決して～ない", "学ぶのに決して遅すぎることはない。", true},
                             FormCase{"たとえ～ても", "たとえ雨が降っても行きます", true},
                             FormCase{"たとえ～ても", "雨が降ってもたとえ", false},
                             // A one-kana stem would match anything: the whole word is needed.
                             FormCase{"くつ", "くぎを打つ", false}, FormCase{"いす", "いすに座る", true}));

TEST(Proverbs, EnoughProverbsTheTrainerCanType)
{
    const QString name = QString::fromUtf8("諺.txt");
    const QStringList english = checkLinePairs(name);
    EXPECT_GE(english.size(), 90);
    // The trainer judges key codes without Shift: letters, digits, space and . , ; : /
    static const QRegularExpression typeable(QStringLiteral("^[A-Za-z0-9 .,;:/]+$"));
    for (const QString& line : english)
        EXPECT_TRUE(typeable.match(line).hasMatch()) << s(line) << ": a character no key produces";
}

TEST(CrosswordWords, EveryCourseHasEnoughValidWordsAndClues)
{
    const std::pair<int, int> courses[] = {{1, 3}, {4, 7}, {8, 11}, {12, 15}, {16, 19}};
    static const QRegularExpression word(QStringLiteral("^[a-z]{2,12}$"));
    for (const auto& [from, to] : courses) {
        QSet<QString> words;
        for (int n = from; n <= to; ++n) {
            const QString name = QStringLiteral("word-%1.dat").arg(n);
            ASSERT_TRUE(QFile::exists(kSource + name)) << s(name);
            const QStringList lines = sourceLines(name);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString& line = lines[i];
                const std::string where = s(name) + ":" + std::to_string(i + 1);
                if (line.isEmpty())
                    continue;
                const qsizetype comma = line.indexOf(u',');
                ASSERT_GE(comma, 0) << where << ": no comma";
                const QString w = line.left(comma);
                const QString clue = line.mid(comma + 1);
                EXPECT_TRUE(word.match(w).hasMatch())
                    << where << ": " << s(w) << " is not a word of 2 to 12 small letters";
                // Only the text up to a second comma would become the clue.
                EXPECT_FALSE(clue.contains(u',')) << where << ": comma inside the meaning";
                EXPECT_FALSE(clue.trimmed().isEmpty()) << where << ": empty meaning";
                EXPECT_FALSE(words.contains(w)) << where << ": " << s(w) << " twice in one course";
                words.insert(w);
            }
        }
        EXPECT_GE(words.size(), 150) << "crossword course of files " << from << " to " << to;
    }
}

// Draws from a seeded engine, so each run builds the same grids.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : m_engine(seed), m_guard(this) {}
    float next() override { return float(m_engine() >> 8) / 16777216.0f; }
    void randomize() override {}

  private:
    std::mt19937 m_engine;
    ScopedSeam<RandomSource> m_guard;
};

TEST(CrosswordWords, EveryCourseFillsAGridWell)
{
    constexpr int kSeeds = 30;
    for (int course = 1; course <= cross::kCourseCount; ++course) {
        const auto [fromNo, toNo] = cross::courseFiles(course);
        const cross::CourseWords read = cross::readWordFiles(kProgram, fromNo, toNo);
        ASSERT_TRUE(read.problems.isEmpty()) << s(read.problems.join(u' '));
        EXPECT_FALSE(read.truncated) << "course " << course << " has more entries than a course reads";
        double placed = 0, letters = 0;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SeededRandom random{static_cast<unsigned>(seed)};
            cross::WordList words = read.words;
            cross::mixWords(words, random);
            cross::Crossword grid;
            grid.setWords(std::move(words));
            grid.generate();
            placed += grid.yokoCount() + grid.tateCount();
            for (int row = 1; row <= cross::kGridSize; ++row)
                for (int col = 1; col <= cross::kGridSize; ++col)
                    letters += grid.isLetter(row, col);
        }
        EXPECT_GE(placed / kSeeds, 18.0) << "words a puzzle in course " << course;
        EXPECT_GE(letters / kSeeds, 70.0) << "letters a puzzle in course " << course;
    }
}

TEST(HelpTexts, CoverEveryWindowAndMenu)
{
    const QString plain = sourceText(QStringLiteral("help.txt"));
    const QString html = sourceText(QStringLiteral("E-Help.htm"));
    const char* const topics[] = {
        "ファイル",     "実行",       "選択", "並び替え",   "オプション",           "ヘルプ",   "キー入力練習",
        "クロスワード", "英単語入力", "HELP", "実力テスト", "日本語コース",         "判定",     "解答",
        "ヒント",       "正解音",     "印刷", "PDF",        "単語リストの取り込み", "書き出し", "Anki",
        "KVTML"};
    for (const char* topic : topics) {
        EXPECT_TRUE(plain.contains(QString::fromUtf8(topic))) << "help.txt does not mention " << topic;
        EXPECT_TRUE(html.contains(QString::fromUtf8(topic))) << "E-Help.htm does not mention " << topic;
    }
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"Shift_JIS\">")))
        << "E-Help.htm must declare its code page";
    EXPECT_TRUE(html.trimmed().endsWith(QStringLiteral("</html>")));
}

TEST(Sounds, AnswerSoundsAreShortPcmWaves)
{
    for (const char* name : {"sample3.wav", "sample2.wav"}) {
        const QByteArray wav = readBytes(kSource + name);
        ASSERT_GE(wav.size(), 44) << name;
        EXPECT_EQ(wav.left(4), "RIFF") << name;
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ") << name;
        const auto u16 = [&wav](int at) { return quint16(quint8(wav[at]) | quint8(wav[at + 1]) << 8); };
        const auto u32 = [&wav, &u16](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
        EXPECT_EQ(u16(20), 1) << name << ": not PCM";
        const quint32 byteRate = u32(28);
        ASSERT_GT(byteRate, 0u) << name;
        const qsizetype data = wav.indexOf("data", 36);
        ASSERT_GE(data, 0) << name;
        const double seconds = double(u32(int(data) + 4)) / byteRate;
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 0.5) << name;
    }
}
