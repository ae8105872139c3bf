// What the learner is told about files that cannot be read or written, the
// limits that keep huge or odd files from stopping a window, and decoding of
// damaged files.
#include "data/course.h"
#include "data/examples.h"
#include "data/fileproblems.h"
#include "data/history.h"
#include "data/textfile.h"

#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace lumo;

namespace {

TEST(ReadProblems, EachCauseIsNamedWithTheFile)
{
    test::TempProgramFolder folder;
    const QString dir = folder.path();
    auto messageFor = [&dir](const QString& name) { return readProblemMessage(readTextFile(dir + name), dir + name); };

    EXPECT_EQ(messageFor(QStringLiteral("eng-1-1.dat")), QStringLiteral("ファイル「eng-1-1.dat」が見つかりません。"));

    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("filelist.dat")));
    EXPECT_EQ(readTextFile(dir + QStringLiteral("filelist.dat")).status, TextFile::Status::Folder);
    EXPECT_EQ(messageFor(QStringLiteral("filelist.dat")),
              QStringLiteral("「filelist.dat」はファイルではなくフォルダーのため、読み込めません。"));

    // A pipe would block a reader or writer for ever: it is refused at once.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("pipe.dat")).constData(), 0600), 0);
    EXPECT_EQ(readTextFile(dir + QStringLiteral("pipe.dat")).status, TextFile::Status::NotAFile);
    EXPECT_FALSE(appendTextFile(dir + QStringLiteral("pipe.dat"), u"x").ok);
    EXPECT_FALSE(writeTextFile(dir + QStringLiteral("pipe.dat"), u"x").ok);

    // Over the size limit (a sparse file, so the test stays small on disk).
    {
        QFile big(dir + QStringLiteral("big.dat"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(kMaxTextFileBytes + 1));
    }
    EXPECT_EQ(messageFor(QStringLiteral("big.dat")),
              QStringLiteral("ファイル「big.dat」は 64 MB を超えているため、読み込めません。"));
    // A text written by hand has a limit of its own.
    folder.writeBytes(QStringLiteral("help.txt"), QByteArray(kMaxHandWrittenTextBytes + 1, 'a'));
    const TextFile help = readTextFile(dir + QStringLiteral("help.txt"), kMaxHandWrittenTextBytes);
    EXPECT_EQ(help.status, TextFile::Status::TooLarge);
    EXPECT_EQ(readProblemMessage(help, dir + QStringLiteral("help.txt")),
              QStringLiteral("ファイル「help.txt」は 256 KB を超えているため、読み込めません。"));

    if (::geteuid() != 0) {
        folder.writeBytes(QStringLiteral("locked.dat"), "a,b");
        ASSERT_TRUE(QFile::setPermissions(dir + QStringLiteral("locked.dat"), QFileDevice::WriteOwner));
        EXPECT_EQ(messageFor(QStringLiteral("locked.dat")),
                  QStringLiteral("ファイル「locked.dat」を読み込む権限がないため、読み込めません。"));
        // Loading a history file creates it only when it is missing: an
        // unreadable one is reported as unreadable, not as unwritable.
        EXPECT_TRUE(touchFile(dir + QStringLiteral("locked.dat")).ok);
    }
    EXPECT_TRUE(touchFile(dir + QStringLiteral("filelist.dat")).ok);
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("filelist.dat")).isDir());
}

TEST(ReadProblems, LongNamesAreShortenedInTheMiddle)
{
    EXPECT_EQ(displayName(QStringLiteral("/a/b/eng-1-1.dat")), QStringLiteral("eng-1-1.dat"));
    const QString longName = QString(200, u'x') + QStringLiteral("end.dat");
    const QString shown = displayName(QStringLiteral("/p/") + longName);
    EXPECT_EQ(shown.size(), 40);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("xxx")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("end.dat")));
    EXPECT_TRUE(shown.contains(u'…'));
    EXPECT_LT(readProblemMessage(TextFile{{}, TextFile::Status::Missing}, longName).size(), 80);
}

TEST(WriteProblems, SaveKeepsPermissionsAndLinksAndNamesTheCause)
{
    test::TempProgramFolder folder;
    const QString dir = folder.path();
    const QString path = dir + QStringLiteral("words.dat");
    folder.writeBytes(QStringLiteral("words.dat"), "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(writeTextFile(path, u"new").ok);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    // A link stays a link; the file it names takes the text.
    ASSERT_TRUE(QFile::link(QStringLiteral("words.dat"), dir + QStringLiteral("link.dat")));
    ASSERT_TRUE(appendTextFile(dir + QStringLiteral("link.dat"), u"+more").ok);
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("link.dat")).isSymLink());
    EXPECT_EQ(folder.readBytes(QStringLiteral("words.dat")), QByteArray("new+more"));

    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("folder.dat")));
    EXPECT_EQ(writeTextFile(dir + QStringLiteral("folder.dat"), u"x").error,
              QStringLiteral("ファイル「folder.dat」に保存できませんでした：同じ名前のフォルダーがあります。"));
    EXPECT_EQ(
        appendTextFile(dir + QStringLiteral("gone/Training.dat"), u"x").error,
        QStringLiteral("ファイル「Training.dat」に保存できませんでした：ファイルまたはフォルダーが見つかりません。"));
    EXPECT_EQ(causeOfError(ENOSPC), QStringLiteral("ディスクがいっぱいです"));
    EXPECT_EQ(causeOfError(EACCES), QStringLiteral("アクセスする権限がありません"));
}

TEST(WriteProblems, ExitMessageSaysWhichFileTookTheRun)
{
    HistorySaveResult result;
    EXPECT_TRUE(result.message().isEmpty());
    result.last = {false, writeProblemMessage(QStringLiteral("/p/LastTraining.dat"), EACCES)};
    EXPECT_EQ(result.message(),
              QStringLiteral("今回の学習の記録を保存できなかったファイルがあります。\n"
                             "・ファイル「LastTraining.dat」に保存できませんでした：アクセスする権限が"
                             "ありません。このファイルは以前のままです。\n"
                             "・「Training.dat」には保存しました。"));
    result.training = {false, writeProblemMessage(QStringLiteral("/p/Training.dat"), ENOSPC)};
    EXPECT_FALSE(result.message().contains(QStringLiteral("には保存しました")));
    EXPECT_TRUE(
        result.message().contains(QStringLiteral("「Training.dat」に保存できませんでした：ディスクがいっぱいです。")));
}

TEST(LineLimits, OverlongLinesAreLeftOutWithANoticeStatingTheLimit)
{
    const QString longLine = QString(kMaxLineLength, u'a') + QStringLiteral(",b");
    const QString exact = QString(kMaxLineLength - 2, u'a') + QStringLiteral(",b");
    const CourseLines lines =
        parseCourse(longLine + QStringLiteral("\r\n") + exact + QStringLiteral("\r\nx,y"), CourseFilter::All);
    EXPECT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.tooLong, 1);
    EXPECT_EQ(lines.english.first(), QString(kMaxLineLength - 2, u'a'));
    EXPECT_EQ(courseLineProblems(lines),
              QStringLiteral("1000 文字を超える行が 1 行あったため、その行は読み込みませんでした。"));

    const CourseList list = parseCourseList(QStringLiteral("eng-1-1.dat\r\n\r\n") + QString(20000, u'x'));
    EXPECT_EQ(list.entries, (QStringList{QStringLiteral("eng-1-1.dat"), QString()}));
    EXPECT_EQ(list.problems,
              QStringLiteral("コースの一覧に 1000 文字を超える行が 1 行あったため、その行は表示しません。"));

    QString many;
    for (int i = 0; i < kMaxCoursePairs + 5; ++i)
        many += QStringLiteral("c.dat\r\n");
    const CourseList longList = parseCourseList(many);
    EXPECT_EQ(longList.entries.size(), kMaxCoursePairs);
    EXPECT_TRUE(longList.problems.contains(QString::number(kMaxCoursePairs)));
}

TEST(LineLimits, AnExampleInAHugeLineIsCutAroundTheMatch)
{
    const QString huge = QString(5000, u'x') + QStringLiteral(" make ") + QString(100000, u'y');
    const ExampleLookup lookup(huge + QStringLiteral("\r\n訳\r\n"));
    const std::optional<QString> found = lookup.find(QStringLiteral("make"));
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->contains(QStringLiteral(" make ")));
    EXPECT_LE(found->size(), kMaxLineLength + 10);
    EXPECT_TRUE(found->endsWith(QStringLiteral("\r\n訳\r")));
}

// Decoding each character on its own: slow, and plainly right.
Decoded decodedOneByOne(const QByteArray& bytes)
{
    Decoded result;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const auto t = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const qsizetype len = lead && ((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC)) ? 2 : 1;
        const Decoded one = decodeCp932(bytes.mid(i, len));
        result.text += one.text;
        result.badBytes += one.badBytes;
        i += len;
    }
    return result;
}

TEST(DamagedFiles, BadBytesAnywhereDecodeLikeCharacterByCharacter)
{
    // Kanji with a line break now and then, so the decoder works in pieces.
    QByteArray clean;
    for (int i = 0; i < 40000; ++i)
        clean += i % 40 == 39 ? QByteArray("\r\n") : QByteArray("\x8a\xbf"); // 漢
    for (const qsizetype at : {qsizetype(0), qsizetype(1), qsizetype(64 * 1024 - 1), qsizetype(64 * 1024),
                               qsizetype(64 * 1024 + 1), clean.size() - 1}) {
        // 0xFF never decodes; 0x81 and 0xA0 change how the bytes around pair up.
        for (const char bad : {'\xFF', '\x81', '\xA0'}) {
            QByteArray damaged = clean;
            damaged[at] = bad;
            const Decoded fast = decodeCp932(damaged);
            const Decoded slow = decodedOneByOne(damaged);
            EXPECT_EQ(fast.badBytes, slow.badBytes) << "at " << at;
            EXPECT_TRUE(fast.text == slow.text) << "at " << at;
        }
    }
    // No byte below 0x40 at all: one piece, many bad bytes.
    QByteArray noAscii;
    for (int i = 0; i < 5000; ++i)
        noAscii += i % 7 ? QByteArray("\x82\xa0") : QByteArray("\xFD");
    EXPECT_EQ(decodeCp932(noAscii).text, decodedOneByOne(noAscii).text);
    EXPECT_EQ(decodeCp932(noAscii).badBytes, 715);
}

} // namespace

namespace {

TEST(StorableText, BrokenSurrogatesAndUnassignedCharactersBecomeQuestionMarks)
{
    // Found by fuzzing: a high surrogate followed by an unassigned character
    // was taken as one pair, and the history could then not be saved at all.
    const char16_t units[] = {u'a', 0xD882, 0xFEFE, 0xFEFE, u'b', 0xDC00, u'c', 0xD83D, 0xDE00};
    const QString text(reinterpret_cast<const QChar*>(units), std::size(units));
    const QString storable = toStorableText(text);
    EXPECT_EQ(storable, QStringLiteral("a???b?c?"));
    EXPECT_TRUE(encodeCp932(storable).ok());
    const Encoded refused = encodeCp932(text);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.unmappable.size(), 5); // D882, FEFE, DC00 and the pair of 😀

    test::TempProgramFolder folder;
    EXPECT_TRUE(saveHistory(folder.path(), text).ok());

    // In a long text the unsavable characters are still found in order,
    // each once, wherever they are.
    QString longText = QString(100000, u'あ');
    longText[0] = QChar(0x00E9);
    longText[50000] = QChar(0xFFFD);
    longText[99999] = QChar(0x00E9);
    longText.insert(70000, QStringLiteral("😀"));
    EXPECT_EQ(encodeCp932(longText).unmappable, QStringLiteral("é\uFFFD😀"));
    EXPECT_EQ(toStorableText(longText).count(u'?'), 4);
}

} // namespace

namespace {

TEST(LineLimits, TextBoxesCutLinesTooLongToShowAndSaySo)
{
    int cut = -1;
    EXPECT_EQ(withLinesCut(u"ab\r\ncd\nef\r", 5, cut), QStringLiteral("ab\r\ncd\nef\r"));
    EXPECT_EQ(cut, 0);
    EXPECT_EQ(withLinesCut(u"abcdefgh\r\nxy\r\n123456", 3, cut), QStringLiteral("abc\r\nxy\r\n123"));
    EXPECT_EQ(cut, 2);

    test::TempProgramFolder folder;
    folder.writeBytes(QStringLiteral("help.txt"), QByteArray(kMaxShownLineLength + 1, 'a') + "\r\nok\r\n");
    TextFile file = readTextFile(folder.path() + QStringLiteral("help.txt"));
    file.text = withLinesCut(file.text, kMaxShownLineLength, file.cutLines);
    EXPECT_EQ(file.text.size(), kMaxShownLineLength + 6);
    EXPECT_EQ(readProblemMessage(file, folder.path() + QStringLiteral("help.txt")),
              QStringLiteral("「help.txt」の 10000 文字を超える行 1 行は、途中までを表示します。"));
}

} // namespace
