#include "data/textfile.h"

#include "base/aside.h"
#include "data/durablefile.h"
#include "data/fileproblems.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
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
    // Allocated to size: resize() would leave room to grow that nobody uses.
    result.text = QString(bytes.size(), Qt::Uninitialized);
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

namespace {

// Opens `path` for reading as every reader of the program's files does:
// without waiting, so that a pipe in the place of a file cannot hold the
// program up, and refusing anything but a plain file. -1 with `status` and
// `error` set when the file cannot be read (or is over `maxBytes`); `size`
// is the file's size.
int openForReading(const QString& path, TextFile::Status& status, int& error, qint64& size, qint64 maxBytes)
{
    const auto fail = [&](TextFile::Status why, int number = 0) {
        status = why;
        error = number;
        return -1;
    };
    const QByteArray name = QFile::encodeName(path);
    const int fd = name.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int number = name.isEmpty() ? ENOENT : errno;
        switch (number) {
        case ENOENT:
        case ENOTDIR: return fail(TextFile::Status::Missing);
        case EACCES:
        case EPERM: return fail(TextFile::Status::NoPermission);
        case EISDIR: return fail(TextFile::Status::Folder);
        default: return fail(TextFile::Status::Unreadable, number);
        }
    }
    struct stat info {};
    const int statError = ::fstat(fd, &info) != 0 ? errno : 0;
    TextFile::Status why = TextFile::Status::Ok;
    if (statError != 0)
        why = TextFile::Status::Unreadable;
    else if (S_ISDIR(info.st_mode))
        why = TextFile::Status::Folder;
    else if (!S_ISREG(info.st_mode))
        why = TextFile::Status::NotAFile;
    else if (info.st_size > maxBytes)
        why = TextFile::Status::TooLarge;
    if (why != TextFile::Status::Ok) {
        ::close(fd);
        return fail(why, statError);
    }
    status = TextFile::Status::Ok;
    size = info.st_size;
    return fd;
}

// Reads up to `count` bytes at `offset` into `into`; the number read (0 at
// the end), or -1 with errno set.
ssize_t readAt(int fd, char* into, qsizetype count, qint64 offset)
{
    for (;;) {
        const ssize_t n = ::pread(fd, into, size_t(count), off_t(offset));
        if (n >= 0 || (errno != EINTR && errno != EAGAIN))
            return n;
    }
}

bool isLineBreakByte(char b)
{
    return b == '\n' || b == '\r';
}

} // namespace

TextFile readTextFile(const QString& path, qint64 maxBytes)
{
    TextFile result;
    result.maxBytes = maxBytes;
    qint64 size = 0;
    const int fd = openForReading(path, result.status, result.error, size, maxBytes);
    if (fd < 0)
        return result;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 64 * 1024); // the file grew while it was read
        const ssize_t n = readAt(fd, bytes.data() + done, bytes.size() - done, done);
        if (n < 0) {
            result.status = TextFile::Status::Unreadable;
            result.error = errno;
            return result;
        }
        if (n == 0)
            break;
        done += n;
        if (done > maxBytes) {
            result.status = TextFile::Status::TooLarge;
            return result;
        }
    }
    bytes.truncate(done);
    Decoded decoded = decodeCp932(bytes);
    result.text = std::move(decoded.text);
    result.badBytes = decoded.badBytes;
    result.status = decoded.badBytes ? TextFile::Status::BadBytes : TextFile::Status::Ok;
    return result;
}

TextFileReader::TextFileReader(const QString& path)
    : m_fd(openForReading(path, m_status, m_error, m_size, kMaxTextFileBytes))
{
}

TextFileReader::~TextFileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 TextFileReader::lineStartAfter(qint64 offset) const
{
    if (m_fd < 0 || offset <= 0)
        return 0;
    char buffer[4096];
    while (offset < m_size) {
        const ssize_t n = readAt(m_fd, buffer, sizeof buffer, offset);
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i)
            if (isLineBreakByte(buffer[i]))
                return offset + i + 1;
        offset += n;
    }
    return m_size;
}

TextFileReader::Result TextFileReader::readLines(qint64 from, qint64 to,
                                                 const std::function<void(QStringView)>& onPiece,
                                                 qsizetype pieceBytes) const
{
    Result result;
    if (m_fd < 0) {
        result.status = m_status;
        result.error = m_error;
        return result;
    }
    to = std::min(to, m_size);
    QByteArray bytes;
    // A piece and the end of a line carried over from the one before it.
    bytes.reserve(pieceBytes + 4096);
    qsizetype kept = 0; // bytes of an unfinished line carried over from the last read
    for (qint64 at = from;;) {
        const qsizetype want = qsizetype(std::clamp<qint64>(to - at, 0, pieceBytes));
        bytes.resize(kept + want);
        const ssize_t n = want > 0 ? readAt(m_fd, bytes.data() + kept, want, at) : 0;
        if (n < 0) {
            result.status = TextFile::Status::Unreadable;
            result.error = errno;
            return result;
        }
        at += n;
        const qsizetype filled = kept + n;
        const bool last = n == 0 || at >= to;
        // The piece ends after its last line break; the unfinished line
        // after it (which holds no break) starts the next piece.
        qsizetype end = filled;
        if (!last) {
            while (end > kept && !isLineBreakByte(bytes[end - 1]))
                --end;
            if (end == kept) {
                // A line longer than a piece: read on until it ends.
                kept = filled;
                if (kept > kMaxTextFileBytes) {
                    result.status = TextFile::Status::TooLarge;
                    return result;
                }
                continue;
            }
        }
        if (end > 0) {
            const Decoded decoded = decodeCp932(QByteArrayView(bytes).first(end));
            result.badBytes += decoded.badBytes;
            onPiece(decoded.text);
        }
        if (last)
            break;
        kept = filled - end;
        std::memmove(bytes.data(), bytes.data() + end, size_t(kept));
    }
    if (result.badBytes > 0)
        result.status = TextFile::Status::BadBytes;
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
            result += kCrLf;
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
