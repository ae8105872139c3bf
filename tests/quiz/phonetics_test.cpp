#include "data/course.h"
#include "quiz/phonetics.h"

#include <QDir>
#include <QFile>
#include <QResource>

#include <gtest/gtest.h>

using namespace lumo;

// The search by halves finds the first, middle and last line, tells a word
// from the words it begins, and finds nothing between or around the lines.
TEST(PronouncingDictionary, FindsEveryLineAndNothingElse)
{
    const QByteArray table = "a\tə\néi\nclose\tklóus\tklóuz\nclose-up\tklóusʌ̀p\n"
                             "closed\tklóuzd\nzoo\tzúː"; // the last line without its LF
    const PronouncingDictionary dictionary{QByteArrayView(table)};
    EXPECT_EQ(dictionary.pronunciations(u"a"), QStringList{QStringLiteral("ə")});
    EXPECT_EQ(dictionary.pronunciations(u"close"), (QStringList{QStringLiteral("klóus"), QStringLiteral("klóuz")}));
    EXPECT_EQ(dictionary.pronunciations(u"close-up"), QStringList{QStringLiteral("klóusʌ̀p")});
    EXPECT_EQ(dictionary.pronunciations(u"closed"), QStringList{QStringLiteral("klóuzd")});
    EXPECT_EQ(dictionary.pronunciations(u"zoo"), QStringList{QStringLiteral("zúː")});
    for (const char16_t* missing : {u"", u"0", u"clos", u"closer", u"b", u"zz", u"éi", u"close\tklóus"})
        EXPECT_TRUE(dictionary.pronunciations(missing).isEmpty()) << QString::fromUtf16(missing).toStdString();
    EXPECT_TRUE(PronouncingDictionary(QByteArrayView()).pronunciations(u"a").isEmpty());
}

// A reviewed choice for the English and meaning head wins; otherwise each
// word's choice or its usual pronunciation, and nothing when a word is
// unknown.
TEST(Transcription, ChoosesByMeaningThenWordByWord)
{
    const QByteArray table = "a\tə\néi\nclose\tklóus\tklóuz\ndoor\tdɔ́ːr\npart\tpɑ́ːrt\nthe\tðə\ntime\ttáim\n";
    const PronouncingDictionary dictionary{QByteArrayView(table)};
    const PronunciationChoices choices = PronunciationChoices::fromText(
        QStringLiteral("# comment\tx\ty\r\nclose\t閉める\tklóuz\r\nthe\t\tðíː\nno choice\tx\t\nshort line\n"));
    const struct {
        const char* english;
        const char* meaning;
        const char* shown;
    } cases[] = {
        {"close", "閉める", "klóuz"},
        {" close ", "閉める,ドアを", "klóuz"}, // the head of a meaning with a note
        {"close", "近い", "klóus"},
        {"Close the door.", "ドアを閉めて", "klóus ðíː dɔ́ːr"},
        {"part-time", "パートの", "pɑ́ːrt-táim"},
        {"(a) door!", "", "ə dɔ́ːr"},
        {"close the wug", "", ""},
        {"part-wug", "", ""},
        {"", "", ""},
        {"no choice", "x", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(transcription(QString::fromUtf8(c.english), QString::fromUtf8(c.meaning), dictionary, choices),
                  QString::fromUtf8(c.shown))
            << c.english;
    EXPECT_EQ(phoneticLine(QStringLiteral(" close"), QStringLiteral("klóuz")), QStringLiteral("close  /klóuz/"));
    EXPECT_TRUE(phoneticLine(QStringLiteral("wug"), QString()).isEmpty());
}

// The dictionary compiled into the program, in the school notation, and the
// reviewed choices for the words whose pronunciation follows the meaning.
TEST(Transcription, ShipsTheWholeDictionaryInTheSchoolNotation)
{
    EXPECT_EQ(QResource(QStringLiteral(":/quiz/pronunciation.tsv")).compressionAlgorithm(), QResource::NoCompression)
        << "searched in place, never unpacked into memory";
    EXPECT_GT(PronouncingDictionary::whole().pronunciations(u"aardvark").size(), 0) << "the first words";
    EXPECT_GT(PronouncingDictionary::whole().pronunciations(u"zygote").size(), 0) << "the last words";
    const char* const cases[][3] = {
        {"December", "十二月", "disémbər"},
        {"Friday", "金曜日", "fráidi"},
        {"car", "車", "kɑ́ːr"},
        {"there", "そこに", "ðéər"},
        {"very", "とても", "véri"},
        {"bird", "鳥", "bə́ːrd"},
        {"thirty", "三十", "θə́ːrti"},
        {"think", "思う", "θíŋk"},
        {"measure", "測る", "méʒər"},
        {"close", "閉める", "klóuz"},
        {"close", "近い", "klóus"},
        {"use", "使う", "júːz"},
        {"use", "使用", "júːs"},
        {"live", "住む・生きる", "lív"},
        {"read", "読む", "ríːd"},
        {"look forward to", "楽しみに待つ", "lúk fɔ́ːrwərd túː"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(transcription(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])), QString::fromUtf8(c[2])) << c[0];
}

// Every line of every shipped course shows a transcription, and each one
// with a word of several pronunciations has a reviewed choice.
TEST(Transcription, EveryShippedCourseLineHasItsPronunciation)
{
    const PronouncingDictionary& dictionary = PronouncingDictionary::whole();
    const PronunciationChoices& choices = PronunciationChoices::reviewed();
    const QDir content(QStringLiteral(LUMO_CONTENT_SRC_DIR));
    const QStringList courses = content.entryList({QStringLiteral("eng-*.dat")}, QDir::Files);
    ASSERT_FALSE(courses.isEmpty());
    int lines = 0;
    QStringList missing, unchosen;
    for (const QString& name : courses) {
        QFile file(content.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            line.remove(u'\r');
            const qsizetype comma = line.indexOf(u',');
            const QString english = line.left(comma);
            if (comma < 0 || english.trimmed().isEmpty())
                continue;
            ++lines;
            const QString meaning = splitMeaning(line.mid(comma + 1)).head;
            if (transcription(english, meaning).isEmpty())
                missing.append(name + u':' + english);
            if (!choices.forMeaning(english, meaning).isEmpty())
                continue;
            for (const QString& word : dictionaryWords(english))
                if (dictionary.pronunciations(word).size() > 1 && choices.forWord(word).isEmpty())
                    unchosen.append(english + u'\t' + meaning + u'\t' + word);
        }
    }
    EXPECT_GT(lines, 500);
    EXPECT_TRUE(missing.isEmpty()) << "not in the dictionary: " << missing.join(u' ').toStdString();
    EXPECT_TRUE(unchosen.isEmpty()) << "add to src/quiz/pronunciation_choices.tsv:\n"
                                    << unchosen.join(u'\n').toStdString();
}
