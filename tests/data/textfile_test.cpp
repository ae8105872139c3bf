#include "data/textfile.h"

#include "support/fakes.h"

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

using namespace lumo;

namespace {

QByteArray iconvToCp932(const QString& text)
{
    QProcess p;
    p.start(QStringLiteral("iconv"),
            {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), QStringLiteral("CP932")});
    p.write(text.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished();
    return p.readAllStandardOutput();
}

// The system's converter, which the program's tables are written from, with
// the control characters it exchanges put back where Windows has them.
char16_t windowsControl(char16_t c)
{
    return c == 0x1C ? 0x1A : c == 0x7F ? 0x1C : c == 0x1A ? 0x7F : c;
}
char16_t converterControl(char16_t c)
{
    return c == 0x1A ? 0x1C : c == 0x1C ? 0x7F : c == 0x7F ? 0x1A : c;
}
QString systemDecode(const QByteArray& character, bool& bad)
{
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(character);
    bad = decoder.hasError() || text.isEmpty();
    for (QChar& c : text)
        c = QChar(windowsControl(c.unicode()));
    return bad ? QStringLiteral("\uFFFD") : text;
}

} // namespace

// The tables built into the program against the system's converter, for
// every character there is: each single byte and each lead and trail byte
// pair reads the same; each character is saved as the converter saves it,
// unless those bytes would read back as another character.
TEST(Cp932, TablesAgreeWithTheSystemConverter)
{
    int pairs = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            if (second >= 0 && !(((first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC)) &&
                                 ((second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFC))))
                continue;
            QByteArray character(1, char(first));
            if (second >= 0)
                character.append(char(second));
            bool bad = false;
            const QString expected = systemDecode(character, bad);
            const Decoded decoded = decodeCp932(character);
            ASSERT_EQ(decoded.text, expected) << character.toHex().constData();
            ASSERT_EQ(decoded.badBytes, bad ? 1 : 0) << character.toHex().constData();
            pairs += second >= 0 && !bad;
        }
    }
    EXPECT_GT(pairs, 9000);

    int held = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QChar one{char16_t(c)};
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        const QChar forConverter(converterControl(char16_t(c)));
        const QByteArray bytes = encoder.encode(QStringView(&forConverter, 1));
        bool bad = false;
        const bool readsBack = !encoder.hasError() && systemDecode(bytes, bad) == QString(one) && !bad;
        const Encoded encoded = encodeCp932(QStringView(&one, 1));
        ASSERT_EQ(encoded.ok(), readsBack) << std::hex << unsigned(c);
        if (readsBack) {
            ASSERT_EQ(encoded.bytes, bytes) << std::hex << unsigned(c);
            ++held;
        } else {
            ASSERT_EQ(encoded.unmappable, QString(one));
        }
    }
    EXPECT_GT(held, 8000);
    // Beyond the 16-bit characters the code page holds nothing.
    EXPECT_EQ(encodeCp932(u"😀"_qs).unmappable, u"😀"_qs);
}

TEST(Cp932, WindowsCharactersRoundTripAndMatchIconv)
{
    // Characters where Windows-31J differs from plain Shift_JIS, half-width
    // katakana, the yen sign's byte and line breaks.
    const QString text = QStringLiteral("① ～ － ￥ ∥ ￢ ｱﾙﾌｧﾍﾞｯﾄ 漢字かなカナ\\ABC\r\nline2\r\n");
    const Encoded e = encodeCp932(text);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.bytes, iconvToCp932(text));
    const Decoded d = decodeCp932(e.bytes);
    EXPECT_EQ(d.badBytes, 0);
    EXPECT_EQ(d.text, text);
}

TEST(Cp932, EveryValidByteSequenceRoundTrips)
{
    // All single bytes and all double bytes that decode without error come
    // back byte for byte; this covers the control bytes ICU swaps.
    QByteArray singles;
    for (int b = 0; b < 0x80; ++b)
        singles.append(char(b));
    for (int b = 0xA1; b <= 0xDF; ++b)
        singles.append(char(b));
    Decoded d = decodeCp932(singles);
    ASSERT_EQ(d.badBytes, 0);
    EXPECT_EQ(d.text.at(0x1A), QChar(0x1A));
    EXPECT_EQ(d.text.at(0x1C), QChar(0x1C));
    EXPECT_EQ(d.text.at(0x7F), QChar(0x7F));
    EXPECT_EQ(encodeCp932(d.text).bytes, singles);

    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            QByteArray pair;
            pair.append(char(lead)).append(char(trail));
            const Decoded one = decodeCp932(pair);
            if (one.badBytes || one.text.size() != 1 ||
                (one.text.at(0).unicode() >= 0xE000 && one.text.at(0).unicode() < 0xF900))
                continue; // unassigned, or user-defined area
            const Encoded back = encodeCp932(one.text);
            // Windows maps some duplicates (NEC and IBM extensions) to one
            // preferred byte pair; the text still round-trips.
            ASSERT_TRUE(back.ok());
            EXPECT_EQ(decodeCp932(back.bytes).text, one.text);
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
}

TEST(Cp932, InvalidBytesBecomeReplacementCharactersAndAreCounted)
{
    // A lone lead byte at the end, a lead byte followed by a control byte, and an undefined byte.
    const QByteArray bytes = QByteArray("ab\x82\x0d\x0a", 5) + QByteArray("\xA0xy\x81", 4);
    const Decoded d = decodeCp932(bytes);
    EXPECT_EQ(d.badBytes, 3);
    EXPECT_EQ(d.text, QStringLiteral("ab\uFFFD\r\n\uFFFDxy\uFFFD"));
}

TEST(Cp932, UnmappableCharactersAreNamedAndNothingIsEncoded)
{
    const Encoded e = encodeCp932(QStringLiteral("ok 〜 é 😀 〜"));
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(e.unmappable, QStringLiteral("〜é😀"));
    EXPECT_TRUE(e.bytes.isEmpty());
    EXPECT_EQ(toCp932LookAlikes(QStringLiteral("〜−‖¢£¬")), QStringLiteral("～－∥￠￡￢"));
    EXPECT_TRUE(encodeCp932(toCp932LookAlikes(QStringLiteral("〜−‖¢£¬"))).ok());
}

// Private use: the user-defined area (U+E000-U+E757) has codes of its own
// and reads back as it was; a private-use character the code page holds only
// as another character must be refused, or saving would change it.
TEST(Cp932, PrivateUseCharactersAreSavedOnlyWhenTheyReadBackTheSame)
{
    const Encoded userDefined = encodeCp932(u"\uE000\uE757"_qs);
    ASSERT_TRUE(userDefined.ok());
    EXPECT_EQ(userDefined.bytes, QByteArray("\xF0\x40\xF9\xFC"));
    EXPECT_EQ(decodeCp932(userDefined.bytes).text, u"\uE000\uE757"_qs);

    const Encoded oneWay = encodeCp932(u"臂\uF86F臂\uF86Fé"_qs);
    EXPECT_FALSE(oneWay.ok());
    EXPECT_EQ(oneWay.unmappable, u"\uF86Fé"_qs);
    EXPECT_TRUE(oneWay.bytes.isEmpty());
    EXPECT_EQ(toStorableText(u"臂\uF86F"_qs, u'?'), u"臂?"_qs);
}

// The converters are kept between texts: a text that failed must leave no
// trace on the next, in either direction and on another thread.
TEST(Cp932, AFailedTextLeavesNoTraceOnTheNext)
{
    const auto roundOfTexts = [] {
        EXPECT_EQ(decodeCp932(QByteArray("\x82", 1)).badBytes, 1);
        const Decoded clean = decodeCp932(QByteArray("\x82\xa0ok", 4));
        EXPECT_EQ(clean.badBytes, 0);
        EXPECT_EQ(clean.text, QStringLiteral("あok"));
        EXPECT_FALSE(encodeCp932(QStringLiteral("é")).ok());
        const Encoded encoded = encodeCp932(QStringLiteral("あok"));
        EXPECT_TRUE(encoded.ok());
        EXPECT_EQ(encoded.bytes, QByteArray("\x82\xa0ok", 4));
    };
    roundOfTexts();
    roundOfTexts();
    std::thread other(roundOfTexts);
    other.join();
}

// A file of years is decoded in parts side by side: the text and the count
// of bad bytes are those of decoding it line by line.
TEST(Cp932, ALongFileDecodesAsItsLinesDo)
{
    QByteArray bytes;
    for (int line = 0; bytes.size() < 5 * 1024 * 1024; ++line) {
        bytes += "word" + QByteArray::number(line) + ",\x82\xa0\x8c\xea";
        if (line % 997 == 0)
            bytes += "\xa0"; // an undefined byte
        if (line % 1999 == 0)
            bytes += "\x82"; // a lead byte cut off by the line break
        bytes += "\r\n";
    }
    Decoded byLines;
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', from) + 1;
        const Decoded line = decodeCp932(QByteArrayView(bytes).sliced(from, end - from));
        byLines.text += line.text;
        byLines.badBytes += line.badBytes;
        from = end;
    }
    const Decoded whole = decodeCp932(bytes);
    EXPECT_GT(whole.badBytes, 100);
    EXPECT_EQ(whole.badBytes, byLines.badBytes);
    EXPECT_TRUE(whole.text == byLines.text);
}

TEST(SplitLines, BreaksAndTheLastLine)
{
    EXPECT_EQ(splitLines(u""), QStringList());
    EXPECT_EQ(splitLines(u"a"), QStringList{"a"});
    EXPECT_EQ(splitLines(u"a\r\n"), QStringList{"a"});
    EXPECT_EQ(splitLines(u"a\r\n\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitLines(u"a\nb\rc\r\n"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(splitLines(u"\r\n"), QStringList{""});
}

TEST(TextFiles, ReadWriteAppendAndProblems)
{
    test::TempProgramFolder folder;
    const QString path = folder.path() + QStringLiteral("a.dat");
    EXPECT_EQ(readTextFile(path).status, TextFile::Status::Missing);
    EXPECT_TRUE(readProblemMessage(readTextFile(path), path).contains(QStringLiteral("a.dat")));

    ASSERT_TRUE(writeTextFile(path, u"apple,りんご\r\n").ok);
    EXPECT_EQ(folder.readBytes(QStringLiteral("a.dat")), test::cp932Bytes(QStringLiteral("apple,りんご\n")));
    ASSERT_TRUE(appendTextFile(path, u"x,y").ok);
    const TextFile back = readTextFile(path);
    EXPECT_EQ(back.status, TextFile::Status::Ok);
    EXPECT_EQ(back.text, QStringLiteral("apple,りんご\r\nx,y"));

    // Replacing is all or nothing: an unmappable character leaves the old file.
    const WriteResult bad = writeTextFile(path, u"é");
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(bad.error.contains(QStringLiteral("「é」(U+00E9)")));
    EXPECT_TRUE(writeTextFile(path, u"a\u00A0b😀").error.contains(QStringLiteral("(U+00A0)、「😀」(U+1F600)")));
    EXPECT_EQ(readTextFile(path).text, back.text);

    folder.writeBytes(QStringLiteral("bad.dat"), QByteArray("ok\x82", 3));
    const TextFile broken = readTextFile(folder.path() + QStringLiteral("bad.dat"));
    EXPECT_EQ(broken.status, TextFile::Status::BadBytes);
    EXPECT_TRUE(broken.usable());
    EXPECT_EQ(broken.text.left(2), QStringLiteral("ok"));
    EXPECT_TRUE(readProblemMessage(broken, QStringLiteral("/x/bad.dat")).contains(QStringLiteral("bad.dat")));

    EXPECT_FALSE(writeTextFile(folder.path() + QStringLiteral("no/such/dir/x.dat"), u"x").ok);
    EXPECT_TRUE(touchFile(folder.path() + QStringLiteral("new.dat")).ok);
    EXPECT_TRUE(folder.exists(QStringLiteral("new.dat")));
    EXPECT_TRUE(folder.readBytes(QStringLiteral("new.dat")).isEmpty());
}

TEST(Cp932, StorableTextReplacesWhatCannotBeHeld)
{
    EXPECT_EQ(toStorableText(QStringLiteral("a\uFFFDb〜😀é")), QStringLiteral("a?b～??"));
    EXPECT_TRUE(encodeCp932(toStorableText(QStringLiteral("😀x😀"))).ok());
}
