#include "support/fakes.h"
#include "typing/typingrecord.h"

#include <gtest/gtest.h>

using namespace lumo::typing;

namespace {

TEST(TypingRecord, LinesWrittenReadBack)
{
    TypingRecorder recorder;
    EXPECT_TRUE(recorder.empty());
    recorder.addKey(u'a', u'a');
    recorder.addKey(u'A', u's');
    recorder.addKey(u',', u'm');
    recorder.addKey(u'.', u',');
    recorder.addTest({QDateTime(QDate(2026, 12, 7), QTime(13, 5)), 2, 240, 6, 222});
    const QString text = recorder.textToAppend(0);
    EXPECT_EQ(text, QStringLiteral("record,date,test,characters,errors,score,expected,pressed\r\n"
                                   "K,,,,,,A,A\r\nK,,,,,,A,S\r\nK,,,,,,\",\",M\r\nK,,,,,,.,\",\"\r\n"
                                   "T,2026/12/07 13:05:00,2,240,6,222,,\r\n"));
    EXPECT_FALSE(recorder.textToAppend(100).startsWith(u"record")) << "the header only in a new file";

    const TypingRecord record = readTypingRecord(text);
    EXPECT_EQ(record.skippedLines, 0);
    EXPECT_EQ(record.keyLines, 4);
    EXPECT_EQ(record.keys.at(u',').mostOftenInstead(), QChar(u'M')) << "the comma key, quoted";
    EXPECT_EQ(record.keys.at(u'.').mostOftenInstead(), QChar(u','));
    ASSERT_EQ(record.tests.size(), 1u);
    EXPECT_EQ(record.tests[0].when, QDateTime(QDate(2026, 12, 7), QTime(13, 5)));
    EXPECT_EQ(record.tests[0].level, 2);
    EXPECT_EQ(record.tests[0].characters, 240);
    EXPECT_EQ(record.tests[0].errors, 6);
    EXPECT_EQ(record.tests[0].score, 222);
    const KeyStats& a = record.keys.at(u'A');
    EXPECT_EQ(a.presses, 2);
    EXPECT_EQ(a.errors, 1);
    EXPECT_EQ(a.mostOftenInstead(), QChar(u'S'));
    EXPECT_DOUBLE_EQ(a.errorRate(), 0.5);
}

TEST(TypingRecord, BadAndPartialLinesAreSkippedAndCounted)
{
    const QString text = QStringLiteral("record,date,test,characters,errors,score,expected,pressed\r\n"
                                        "K,,,,,,A,S\r\n"
                                        "K,,,,,,AB,S\r\n"                       // two characters for a key
                                        "K,,,,,,A\r\n"                          // a field short
                                        "K,,,,,,A,S,X\r\n"                      // a field too many
                                        "K,,,,,,\",A\r\n"                       // a quote not closed
                                        "T,2026/13/40 00:00:00,1,10,0,10,,\r\n" // no such date
                                        "T,2026/12/07 13:05:00,4,10,0,10,,\r\n" // no such test
                                        "T,2026/12/07 13:05:00,3,10,5,-5,,\r\n" // a negative score is a score
                                        // more presses or a higher score than a minute's test can count
                                        "T,2026/12/07 13:06:00,1,1201803020,0,10,,\r\n"
                                        "T,2026/12/07 13:06:00,1,10,32768,10,,\r\n"
                                        "T,2026/12/07 13:06:00,1,10,0,2000000000,,\r\n"
                                        "T,2026/12/07 13:06:00,1,10,0,-98302,,\r\n"
                                        "T,2026/12/07 13:07:00,2,32767,32767,-98301,,\r\n" // the most it can count
                                        "X,,,,,,A,A\r\n"
                                        "\r\n"
                                        "K,,,,,,;,:"); // cut off at the end, still whole
    const TypingRecord record = readTypingRecord(text);
    EXPECT_EQ(record.keyLines, 2);
    ASSERT_EQ(record.tests.size(), 2u);
    EXPECT_EQ(record.tests[0].score, -5);
    EXPECT_EQ(record.tests[1].characters, 32767);
    EXPECT_EQ(record.skippedLines, 11);
}

// Key lines of the usual length are read in place: they must count exactly
// as the general reading does.
TEST(TypingRecord, ShortKeyLinesCountLikeAnyOther)
{
    QString text = QStringLiteral("K,,,,,,a,s\r\n" // lower case: the keys upper-cased
                                  "K,,,,,,A,A\r\n"
                                  "K,,,,,,\",S\r\n"    // a quote not closed, though ten characters long
                                  "K,,,,,,A;S\r\n"     // no comma between the keys
                                  "K;,,,,,A,S\r\n"     // seven fields
                                  "K,,,,,,Ａ,Ｓ\r\n"); // full-width keys are keys
    text += u"K,,,,,,"_qs + QChar(0) + u",S\r\n"_qs;   // no key
    const TypingRecord record = readTypingRecord(text);
    EXPECT_EQ(record.keyLines, 3);
    EXPECT_EQ(record.skippedLines, 4);
    EXPECT_EQ(record.keys.at(u'A').presses, 2);
    EXPECT_EQ(record.keys.at(u'A').errors, 1);
    EXPECT_EQ(record.keys.at(u'A').mostOftenInstead(), QChar(u'S'));
    EXPECT_EQ(record.keys.at(u'Ａ').mostOftenInstead(), QChar(u'Ｓ'));
}

TEST(TypingRecord, WorstKeysByErrorRateWithEnoughPresses)
{
    TypingRecorder r;
    auto press = [&](QChar expected, int right, int wrong, QChar instead) {
        for (int i = 0; i < right; ++i)
            r.addKey(expected, expected);
        for (int i = 0; i < wrong; ++i)
            r.addKey(expected, instead);
    };
    press(u'Q', 5, 5, u'W');   // 50 %, 10 presses
    press(u'P', 6, 4, u'O');   // 40 %
    press(u'Z', 0, 3, u'X');   // 100 % but only 3 presses: too few to tell
    press(u'A', 80, 20, u'S'); // 20 %, 20 errors
    press(u'K', 8, 2, u'L');   // 20 %, 2 errors: after A
    press(u'J', 30, 0, u'J');  // never missed
    press(u' ', 0, 10, u'B');  // the space bar is not drilled
    press(u'E', 18, 2, u'R');  // 10 %
    press(u'T', 19, 1, u'Y');  // 5 %: sixth
    const TypingRecord record = readTypingRecord(r.textToAppend(0));
    EXPECT_EQ(worstKeys(record), QStringLiteral("QPAKE"));
    EXPECT_EQ(worstKeys(record, 2), QStringLiteral("QP"));
    EXPECT_EQ(worstKeys(record, 5, 1), QStringLiteral("ZQPAK"));
    EXPECT_EQ(record.keys.at(u'Q').mostOftenInstead(), QChar(u'W'));
    EXPECT_TRUE(record.keys.at(u'J').mostOftenInstead().isNull());
}

TEST(TypingRecord, OnlyKeysSomeKeyPrintsAreRecorded)
{
    TypingRecorder r;
    r.addJudgedKey(QString(), QStringLiteral("A"));            // nothing was to be typed
    r.addJudgedKey(QStringLiteral("\""), QStringLiteral("2")); // no key prints a quote
    r.addJudgedKey(QStringLiteral("é"), QStringLiteral("E"));  // nor an accented letter
    r.addJudgedKey(QStringLiteral("AB"), QStringLiteral("A")); // one key at a time
    EXPECT_TRUE(r.empty());
    r.addJudgedKey(QStringLiteral("a"), QStringLiteral("A"));
    r.addJudgedKey(QStringLiteral(" "), QStringLiteral("@"));
    r.addJudgedKey(QStringLiteral("-"), QStringLiteral(","));
    EXPECT_EQ(r.lines(), QStringLiteral("K,,,,,,A,A\r\nK,,,,,, ,@\r\nK,,,,,,-,\",\"\r\n"));
    EXPECT_EQ(readTypingRecord(r.lines()).keyLines, 3);
}

TEST(TypingRecord, AppendedToTheFileWithTheHeaderOnce)
{
    lumo::test::TempProgramFolder folder;
    const QString file = QString::fromUtf16(kTypingRecordFile);
    TypingRecorder r;
    EXPECT_TRUE(appendTypingRecord(folder.path(), r).ok);
    EXPECT_FALSE(folder.exists(file)) << "an empty recorder writes nothing";

    r.addKey(u'A', u'S');
    ASSERT_TRUE(appendTypingRecord(folder.path(), r).ok);
    ASSERT_TRUE(appendTypingRecord(folder.path(), r).ok);
    const QByteArray header = "record,date,test,characters,errors,score,expected,pressed\r\n";
    EXPECT_EQ(folder.readBytes(file), header + "K,,,,,,A,S\r\nK,,,,,,A,S\r\n");

    // An empty file gets the header; a last line without its break keeps it.
    folder.writeBytes(file, QByteArray());
    ASSERT_TRUE(appendTypingRecord(folder.path(), r).ok);
    EXPECT_EQ(folder.readBytes(file), header + "K,,,,,,A,S\r\n");
    folder.writeBytes(file, header + "K,,,,,,Q,W");
    ASSERT_TRUE(appendTypingRecord(folder.path(), r).ok);
    EXPECT_EQ(folder.readBytes(file), header + "K,,,,,,Q,W\r\nK,,,,,,A,S\r\n");
    EXPECT_EQ(readTypingRecord(lumo::readTextFile(folder.path() + file).text).keyLines, 2);
}

} // namespace
