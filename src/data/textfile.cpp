#include "data/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace lumo {
namespace {

constexpr const char* kCodec = "windows-31j";

// ICU's table for this code page exchanges three control characters
// (0x1A <-> U+001C, 0x1C <-> U+007F, 0x7F <-> U+001A) against what Windows
// does; put them back so control bytes round-trip as themselves.
char16_t fixDecodedControl(char16_t c)
{
    switch (c) {
    case 0x1C: return 0x1A;
    case 0x7F: return 0x1C;
    case 0x1A: return 0x7F;
    default: return c;
    }
}
char16_t fixControlForEncoder(char16_t c)
{
    switch (c) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return c;
    }
}

bool hasSwappedControl(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() == 0x1A || c.unicode() == 0x1C || c.unicode() == 0x7F)
            return true;
    return false;
}

} // namespace

namespace {

bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

void fixControls(QString& text)
{
    for (QChar& c : text)
        c = QChar(fixDecodedControl(c.unicode()));
}

} // namespace

Decoded decodeCp932(QByteArrayView bytes)
{
    Decoded result;
    {
        QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
        Q_ASSERT(decoder.isValid());
        result.text = decoder.decode(bytes);
        if (!decoder.hasError()) {
            fixControls(result.text);
            return result;
        }
    }
    // Some bytes do not decode: the converter marks them with a control
    // character and drops a cut-off lead byte at the end. Decode character by
    // character instead, so each bad one becomes U+FFFD in its place and the
    // line breaks after it stay where they were.
    result.text.clear();
    result.text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const qsizetype len =
            isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(static_cast<unsigned char>(bytes[i + 1])) ? 2 : 1;
        QStringDecoder one(kCodec, QStringConverter::Flag::Stateless);
        QString decoded = one.decode(bytes.sliced(i, len));
        if (one.hasError() || decoded.isEmpty()) {
            result.text += QChar(0xFFFD);
            ++result.badBytes;
        } else {
            fixControls(decoded);
            result.text += decoded;
        }
        i += len;
    }
    return result;
}

Encoded encodeCp932(QStringView text)
{
    Encoded result;
    QString fixed;
    if (hasSwappedControl(text)) {
        fixed = text.toString();
        for (QChar& c : fixed)
            c = QChar(fixControlForEncoder(c.unicode()));
        text = fixed;
    }
    QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless);
    Q_ASSERT(encoder.isValid());
    result.bytes = encoder.encode(text);
    const bool anyReplacement = text.contains(QChar(0xFFFD));
    if (!encoder.hasError() && !anyReplacement)
        return result;
    // Find the characters that did not convert, one by one (error path only).
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringView one = text.mid(i, len);
        QStringEncoder single(kCodec, QStringConverter::Flag::Stateless);
        const QByteArray ignored = single.encode(one);
        Q_UNUSED(ignored);
        if ((single.hasError() || one.at(0).unicode() == 0xFFFD) && !result.unmappable.contains(one))
            result.unmappable += one;
        i += len - 1;
    }
    if (result.unmappable.isEmpty())
        result.unmappable = QStringLiteral("?");
    result.bytes.clear();
    return result;
}

QString toCp932LookAlikes(QString text)
{
    static constexpr std::pair<char16_t, char16_t> kMap[] = {
        {u'\u301C', u'\uFF5E'}, {u'\u2212', u'\uFF0D'}, {u'\u2016', u'\u2225'},
        {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'},
    };
    // Look before writing, so a text without any of them is not copied.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0xA2)
            continue;
        for (auto [from, to] : kMap)
            if (c == from)
                text[i] = QChar(to);
    }
    return text;
}

QString toStorableText(const QString& text, QChar replacement)
{
    QString result = toCp932LookAlikes(text);
    const Encoded encoded = encodeCp932(result);
    for (qsizetype i = 0; i < encoded.unmappable.size(); ++i) {
        const bool pair = encoded.unmappable.at(i).isHighSurrogate() && i + 1 < encoded.unmappable.size();
        result.replace(encoded.unmappable.mid(i, pair ? 2 : 1), QString(replacement));
        i += pair ? 1 : 0;
    }
    return result;
}

TextFile readTextFile(const QString& path)
{
    TextFile result;
    QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        result.status = TextFile::Status::Missing;
        return result;
    }
    if (info.size() > kMaxTextFileBytes) {
        result.status = TextFile::Status::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFile::Status::Unreadable;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFile::Status::Unreadable;
        return result;
    }
    Decoded decoded = decodeCp932(bytes);
    result.text = std::move(decoded.text);
    result.badBytes = decoded.badBytes;
    result.status = decoded.badBytes ? TextFile::Status::BadBytes : TextFile::Status::Ok;
    return result;
}

QString readProblemMessage(const TextFile& file, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    switch (file.status) {
    case TextFile::Status::Ok: return {};
    case TextFile::Status::Missing: return QStringLiteral("ファイル「%1」が見つかりません。").arg(name);
    case TextFile::Status::Unreadable: return QStringLiteral("ファイル「%1」を読み込めません。").arg(name);
    case TextFile::Status::TooLarge: return QStringLiteral("ファイル「%1」は大きすぎるため読み込めません。").arg(name);
    case TextFile::Status::BadBytes:
        return QStringLiteral("ファイル「%1」に読めない文字が %2 か所あり、「\uFFFD」に置き換えました。")
            .arg(name)
            .arg(file.badBytes);
    }
    return {};
}

namespace {

// Each character with its code, so that invisible ones can be found too:
// 「é」(U+00E9).
WriteResult unmappableError(const QString& path, const QString& chars)
{
    QStringList named;
    for (const uint code : chars.toUcs4())
        named.append(QStringLiteral("「%1」(U+%2)")
                         .arg(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1),
                              QString::number(code, 16).toUpper().rightJustified(4, u'0')));
    return {false, QStringLiteral("ファイル「%1」に保存できない文字があります：%2")
                       .arg(QFileInfo(path).fileName(), named.join(QStringLiteral("、")))};
}

WriteResult fileError(const QString& path, const QString& reason)
{
    return {false, QStringLiteral("ファイル「%1」に書き込めません。（%2）").arg(path, reason)};
}

} // namespace

WriteResult writeTextFile(const QString& path, QStringView text)
{
    const Encoded encoded = encodeCp932(text);
    if (!encoded.ok())
        return unmappableError(path, encoded.unmappable);
    return writeFileBytes(path, encoded.bytes);
}

WriteResult writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fileError(path, file.errorString());
    return {};
}

WriteResult appendLineAtomically(const QString& path, QStringView line)
{
    const Encoded encoded = encodeCp932(line);
    if (!encoded.ok())
        return unmappableError(path, encoded.unmappable);
    QByteArray bytes;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return fileError(path, existing.errorString());
        bytes = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            return fileError(path, existing.errorString());
        existing.close();
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += encoded.bytes;
    bytes += "\r\n";
    return writeFileBytes(path, bytes);
}

WriteResult appendTextFile(const QString& path, QStringView text)
{
    const Encoded encoded = encodeCp932(text);
    if (!encoded.ok())
        return unmappableError(path, encoded.unmappable);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fileError(path, file.errorString());
    const qint64 before = file.size();
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.resize(before); // leave no half-written tail behind
        return fileError(path, reason);
    }
    return {};
}

WriteResult touchFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fileError(path, file.errorString());
    return {};
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

QString withCrLf(QStringView text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            result += QLatin1String("\r\n");
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace lumo
