#include "data/textfile.h"

#include "base/aside.h"
#include "data/durablefile.h"
#include "data/fileproblems.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace lumo {
namespace {

// kDecodeSingle, kDecodePair, kEncodePageOf and kEncodePages: the code page
// as the system's converter has it, written when the program is built
// (src/tools/cp932_tables_tool.cpp), with the three control bytes that
// converter exchanges put back where Windows has them. Converting through
// tables spares the program the converter's code and mapping data, which
// would stay in memory from the first file read.
#include "data/cp932tables.inc"

constexpr char16_t kNone = 0xFFFF;

bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Decodes bytes that start at a character boundary: a lead byte followed by
// a trail byte is one character, any other byte is one. A character the
// code page does not define becomes U+FFFD in its place, so the line breaks
// after it stay where they were.
Decoded decodeRange(QByteArrayView bytes)
{
    Decoded result;
    result.text.resize(bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(result.text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char b = in[i];
        char16_t c;
        if (isLeadByte(b) && i + 1 < size && isTrailByte(in[i + 1])) {
            const int row = b <= 0x9F ? b - 0x81 : b - 0xE0 + 31;
            c = kDecodePair[row * 189 + in[i + 1] - 0x40];
            i += 2;
        } else {
            c = kDecodeSingle[b];
            ++i;
        }
        if (c == kNone) {
            c = 0xFFFD;
            ++result.badBytes;
        }
        *out++ = c;
    }
    result.text.truncate(out - reinterpret_cast<char16_t*>(result.text.data()));
    return result;
}

// Where to end a part of about `size` bytes that starts at a character
// boundary `from`: before the first byte below 0x40 at or after from + size.
// Such a byte is never the second byte of a character, so it always starts
// one. Without one the part runs to the end.
qsizetype partEnd(QByteArrayView bytes, qsizetype from, qsizetype size)
{
    for (qsizetype i = from + size; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) < 0x40)
            return i;
    return bytes.size();
}

// The bytes of `c`: one byte below 0x100, else a lead and a trail byte;
// kNone when the code page cannot hold it.
quint16 codeOf(char16_t c)
{
    return kEncodePages[kEncodePageOf[c >> 8] * 256 + (c & 0xFF)];
}

} // namespace

Decoded decodeCp932(QByteArrayView bytes)
{
    // A long file (a history of years) is cut at character boundaries into
    // one part a processor core, up to four, decoded side by side.
    constexpr qsizetype kBytesWorthAThread = 4 * 1024 * 1024;
    const auto parts = bytes.size() < kBytesWorthAThread
                           ? 1
                           : static_cast<qsizetype>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    if (parts == 1)
        return decodeRange(bytes);
    std::vector<std::future<Decoded>> later;
    qsizetype from = partEnd(bytes, 0, bytes.size() / parts);
    const QByteArrayView first = bytes.first(from);
    for (qsizetype part = 2; part <= parts && from < bytes.size(); ++part) {
        const qsizetype end = part == parts ? bytes.size() : partEnd(bytes, from, bytes.size() / parts);
        const QByteArrayView piece = bytes.sliced(from, end - from);
        later.push_back(startAside([piece] { return decodeRange(piece); }));
        from = end;
    }
    Decoded result = decodeRange(first);
    for (auto& part : later) {
        const Decoded decoded = part.get();
        result.text += decoded.text;
        result.badBytes += decoded.badBytes;
    }
    return result;
}

Encoded encodeCp932(QStringView text)
{
    Encoded result;
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    QSet<QString> seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const quint16 code = QChar::isSurrogate(c) ? kNone : codeOf(c);
        if (code != kNone) {
            if (code > 0xFF)
                *out++ = char(code >> 8);
            *out++ = char(code & 0xFF);
            continue;
        }
        // A surrogate pair is one character (none of them is in the code
        // page); a surrogate without its partner is one no file can hold.
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView one = text.sliced(i, pair ? 2 : 1);
        i += one.size() - 1;
        if (!seen.contains(one.toString())) {
            seen.insert(one.toString());
            result.unmappable += one;
        }
    }
    if (result.unmappable.isEmpty()) {
        bytes.truncate(out - bytes.data());
        result.bytes = std::move(bytes);
    }
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
    // Surrogates without their partner first, so that what the encoder
    // lists below are whole characters only.
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        if (c.isHighSurrogate() && i + 1 < result.size() && result.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            result[i] = replacement;
    }
    const Encoded encoded = encodeCp932(result);
    for (qsizetype i = 0; i < encoded.unmappable.size(); ++i) {
        const bool pair = encoded.unmappable.at(i).isHighSurrogate() && i + 1 < encoded.unmappable.size();
        result.replace(encoded.unmappable.mid(i, pair ? 2 : 1), QString(replacement));
        i += pair ? 1 : 0;
    }
    return result;
}

TextFile readTextFile(const QString& path, qint64 maxBytes)
{
    TextFile result;
    result.maxBytes = maxBytes;
    const auto fail = [&result](TextFile::Status status, int error = 0) {
        result.status = status;
        result.error = error;
        return result;
    };
    // Opened without waiting, so that a pipe in the place of a file cannot
    // hold the program up; anything but a plain file is refused.
    const QByteArray name = QFile::encodeName(path);
    const int fd = name.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = name.isEmpty() ? ENOENT : errno;
        switch (error) {
        case ENOENT:
        case ENOTDIR: return fail(TextFile::Status::Missing);
        case EACCES:
        case EPERM: return fail(TextFile::Status::NoPermission);
        case EISDIR: return fail(TextFile::Status::Folder);
        default: return fail(TextFile::Status::Unreadable, error);
        }
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return fail(TextFile::Status::Unreadable, errno);
    if (S_ISDIR(status.st_mode))
        return fail(TextFile::Status::Folder);
    if (!S_ISREG(status.st_mode))
        return fail(TextFile::Status::NotAFile);
    if (status.st_size > maxBytes)
        return fail(TextFile::Status::TooLarge);
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 64 * 1024); // the file grew while it was read
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return fail(TextFile::Status::Unreadable, errno);
        }
        if (n == 0)
            break;
        done += n;
        if (done > maxBytes)
            return fail(TextFile::Status::TooLarge);
    }
    bytes.truncate(done);
    Decoded decoded = decodeCp932(bytes);
    result.text = std::move(decoded.text);
    result.badBytes = decoded.badBytes;
    result.status = decoded.badBytes ? TextFile::Status::BadBytes : TextFile::Status::Ok;
    return result;
}

namespace {

QString statusMessage(const TextFile& file, const QString& path)
{
    const QString name = displayName(path);
    switch (file.status) {
    case TextFile::Status::Ok: return {};
    case TextFile::Status::Missing: return QStringLiteral("ファイル「%1」が見つかりません。").arg(name);
    case TextFile::Status::Folder:
        return QStringLiteral("「%1」はファイルではなくフォルダーのため、読み込めません。").arg(name);
    case TextFile::Status::NoPermission:
        return QStringLiteral("ファイル「%1」を読み込む権限がないため、読み込めません。").arg(name);
    case TextFile::Status::NotAFile:
        return QStringLiteral("「%1」は普通のファイルではないため、読み込めません。").arg(name);
    case TextFile::Status::Unreadable:
        return QStringLiteral("ファイル「%1」を読み込めません：%2。").arg(name, causeOfError(file.error));
    case TextFile::Status::TooLarge:
        if (file.maxLines > 0)
            return QStringLiteral("ファイル「%1」は %2 行を超えているため、読み込めません。")
                .arg(name)
                .arg(file.maxLines);
        return QStringLiteral("ファイル「%1」は %2 を超えているため、読み込めません。")
            .arg(name, file.maxBytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(file.maxBytes / (1024 * 1024))
                                                    : QStringLiteral("%1 KB").arg(file.maxBytes / 1024));
    case TextFile::Status::BadBytes:
        return QStringLiteral("ファイル「%1」に読めない文字が %2 か所あり、「\uFFFD」に置き換えました。")
            .arg(name)
            .arg(file.badBytes);
    }
    return {};
}

} // namespace

QString readProblemMessage(const TextFile& file, const QString& path)
{
    QString message = statusMessage(file, path);
    if (file.cutLines > 0)
        message += QStringLiteral("「%1」の %2 文字を超える行 %3 行は、途中までを表示します。")
                       .arg(displayName(path))
                       .arg(kMaxShownLineLength)
                       .arg(file.cutLines);
    return message;
}

QString writeProblemMessage(const QString& path, int errorNumber)
{
    return QStringLiteral("ファイル「%1」に保存できませんでした：%2。")
        .arg(displayName(path), causeOfError(errorNumber));
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
    // At most a handful, so the message stays on the screen.
    constexpr qsizetype kShown = 10;
    if (named.size() > kShown) {
        const qsizetype more = named.size() - kShown;
        named.resize(kShown);
        named.append(QStringLiteral("ほか %1 文字").arg(more));
    }
    return {false, QStringLiteral("ファイル「%1」に保存できない文字があります：%2")
                       .arg(displayName(path), named.join(QStringLiteral("、")))};
}

WriteResult written(const QString& path, int errorNumber)
{
    if (errorNumber == 0)
        return {};
    return {false, writeProblemMessage(path, errorNumber)};
}

} // namespace

WriteResult writeTextFile(const QString& path, QStringView text)
{
    const Encoded encoded = encodeCp932(text);
    if (!encoded.ok())
        return unmappableError(path, encoded.unmappable);
    return written(path, replaceFileBytes(path, encoded.bytes));
}

WriteResult writeFileBytes(const QString& path, const QByteArray& bytes)
{
    return written(path, replaceFileBytes(path, bytes));
}

WriteResult appendLineAtomically(const QString& path, QStringView line)
{
    const Encoded encoded = encodeCp932(line);
    if (!encoded.ok())
        return unmappableError(path, encoded.unmappable);
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        // The existing bytes are kept exactly, whatever they hold.
        QFile file(path);
        if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
            return written(path, QFileInfo(path).isDir() ? EISDIR : EACCES);
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return written(path, EIO);
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
    return written(path, appendFileBytes(path, encoded.bytes));
}

WriteResult touchFile(const QString& path)
{
    return written(path, createFileIfMissing(path));
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

QString withLinesCut(QStringView text, qsizetype maxLength, int& cutLines)
{
    cutLines = 0;
    QString result;
    result.reserve(text.size());
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (end - start > maxLength) {
            ++cutLines;
            result.append(text.sliced(start, maxLength));
        } else {
            result.append(text.sliced(start, end - start));
        }
        qsizetype next = end;
        if (next < n)
            next += text[next] == u'\r' && next + 1 < n && text[next + 1] == u'\n' ? 2 : 1;
        result.append(text.sliced(end, next - end));
        start = next;
    }
    return result;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace lumo
