#include "data/textfile.h"

#include "base/aside.h"
#include "data/durablefile.h"
#include "data/fileproblems.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

namespace {

// How many bytes the character starting at `i` takes: two for a lead byte
// followed by a trail byte, one otherwise.
qsizetype characterLength(QByteArrayView bytes, qsizetype i)
{
    return isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() &&
                   isTrailByte(static_cast<unsigned char>(bytes[i + 1]))
               ? 2
               : 1;
}

// Where to end a piece of about `size` bytes that starts at a character
// boundary `from`: before the first byte below 0x40 at or after from + size.
// Such a byte is never the second byte of a character, so it always starts
// one. Without one the piece runs to the end.
qsizetype pieceEnd(QByteArrayView bytes, qsizetype from, qsizetype size)
{
    for (qsizetype i = from + size; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) < 0x40)
            return i;
    return bytes.size();
}

// A converter of this thread, ready for a new text. Opening one by name
// costs more than converting a short file, so each thread opens one once.
// resetState() resets the converter itself but not its count of bad
// characters, so that count is cleared here; otherwise a converter that once
// saw a bad character would report an error on every later text.
template <class Converter> class KeptConverter final : public Converter {
  public:
    KeptConverter() : Converter(kCodec, QStringConverter::Flag::Stateless) { Q_ASSERT(this->isValid()); }

    Converter& readyForNewText()
    {
        this->resetState();
        this->state.invalidChars = 0;
        return *this;
    }
};

QStringDecoder& cleanDecoder()
{
    thread_local KeptConverter<QStringDecoder> decoder;
    return decoder.readyForNewText();
}

QStringEncoder& cleanEncoder()
{
    thread_local KeptConverter<QStringEncoder> encoder;
    return encoder.readyForNewText();
}

class Cp932Decoder {
  public:
    explicit Cp932Decoder(Decoded& out) : m_out(out) {}

    // Decodes bytes that start and end at character boundaries. A range that
    // does not decode cleanly is halved at a character boundary until the
    // bad characters stand alone; each becomes U+FFFD in its place, so the
    // line breaks after it stay where they were. One bad byte costs a few
    // halvings of its piece, not a character-by-character pass of the file.
    void decode(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return;
        QStringDecoder& decoder = cleanDecoder();
        QString text = decoder.decode(bytes);
        if (!decoder.hasError() && !text.isEmpty()) {
            fixControls(text);
            m_out.text += text;
            return;
        }
        const qsizetype first = characterLength(bytes, 0);
        if (first == bytes.size()) {
            m_out.text += QChar(0xFFFD);
            ++m_out.badBytes;
            return;
        }
        // The character boundary nearest the middle, from the start.
        qsizetype middle = first;
        while (middle < bytes.size() / 2)
            middle += characterLength(bytes, middle);
        if (middle >= bytes.size())
            middle = first;
        decode(bytes.first(middle));
        decode(bytes.sliced(middle));
    }

  private:
    Decoded& m_out;
};

} // namespace

namespace {

// Decoded in pieces, so that a bad byte only makes its own piece slow.
Decoded decodeInPieces(QByteArrayView bytes)
{
    constexpr qsizetype kPieceBytes = 64 * 1024;
    Decoded result;
    result.text.reserve(bytes.size());
    Cp932Decoder decoder(result);
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype end = pieceEnd(bytes, from, kPieceBytes);
        decoder.decode(bytes.sliced(from, end - from));
        from = end;
    }
    return result;
}

} // namespace

Decoded decodeCp932(QByteArrayView bytes)
{
    // A long file (a history of years) is cut at piece boundaries into one
    // part a processor core, up to four, decoded side by side: pieces are
    // decoded on their own anyway, so the text is the same.
    constexpr qsizetype kBytesWorthAThread = 4 * 1024 * 1024;
    const auto parts = bytes.size() < kBytesWorthAThread
                           ? 1
                           : static_cast<qsizetype>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    if (parts == 1)
        return decodeInPieces(bytes);
    std::vector<std::future<Decoded>> later;
    qsizetype from = pieceEnd(bytes, 0, bytes.size() / parts);
    const QByteArrayView first = bytes.first(from);
    for (qsizetype part = 2; part <= parts && from < bytes.size(); ++part) {
        const qsizetype end = part == parts ? bytes.size() : pieceEnd(bytes, from, bytes.size() / parts);
        const QByteArrayView piece = bytes.sliced(from, end - from);
        later.push_back(startAside([piece] { return decodeInPieces(piece); }));
        from = end;
    }
    Decoded result = decodeInPieces(first);
    for (auto& part : later) {
        const Decoded decoded = part.get();
        result.text += decoded.text;
        result.badBytes += decoded.badBytes;
    }
    return result;
}

namespace {

// Whether `text` encodes without a loss: U+FFFD stands for bytes that could
// not be read and surrogates for characters beyond the code page.
bool encodesCleanly(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() == 0xFFFD || c.isSurrogate())
            return false;
    QStringEncoder& encoder = cleanEncoder();
    const QByteArray ignored = encoder.encode(text);
    Q_UNUSED(ignored);
    return !encoder.hasError();
}

// Appends to `out` the characters of `text` that cannot be encoded, in order
// of appearance, each once. A range that does not encode is halved until
// the bad characters stand alone, so a long text with one of them costs a
// few halvings, not one conversion per character. A surrogate pair is one
// character; a surrogate without its partner is one no file can hold.
void findUnmappable(QStringView text, QSet<QString>& seen, QString& out)
{
    if (text.isEmpty() || encodesCleanly(text))
        return;
    const bool pair = text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    if (text.size() == 1 || pair) {
        const QString one = text.toString();
        if (!seen.contains(one)) {
            seen.insert(one);
            out += one;
        }
        return;
    }
    qsizetype middle = text.size() / 2;
    if (text[middle].isLowSurrogate() && text[middle - 1].isHighSurrogate())
        ++middle;
    findUnmappable(text.first(middle), seen, out);
    findUnmappable(text.sliced(middle), seen, out);
}

// ICU always applies its one-way mappings from private-use characters
// (U+E000-U+F8FF and the private-use planes beyond): such a character
// encodes without an error but reads back as another one, so a text holding
// any private-use character is checked character by character.
bool mayMapOneWay(QStringView text)
{
    for (const QChar c : text)
        if ((c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF) || c.isSurrogate())
            return true;
    return false;
}

// Appends to `out` the characters of `text` that encode without an error
// but read back as something else, each once.
void findOneWay(QStringView text, QSet<QString>& seen, QString& out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView one = text.sliced(i, pair ? 2 : 1);
        i += one.size() - 1;
        if (!mayMapOneWay(one) || seen.contains(one.toString()))
            continue;
        QStringEncoder& encoder = cleanEncoder();
        const QByteArray bytes = encoder.encode(one);
        if (!encoder.hasError() && decodeCp932(bytes).text != one) {
            seen.insert(one.toString());
            out += one;
        }
    }
}

} // namespace

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
    QStringEncoder& encoder = cleanEncoder();
    result.bytes = encoder.encode(text);
    const bool failed = encoder.hasError() || text.contains(QChar(0xFFFD));
    if (!failed && !mayMapOneWay(text))
        return result;
    QSet<QString> seen;
    if (failed)
        findUnmappable(text, seen, result.unmappable);
    findOneWay(text, seen, result.unmappable);
    if (failed && result.unmappable.isEmpty())
        result.unmappable = QStringLiteral("?");
    if (!result.unmappable.isEmpty())
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

TextFile readTextFile(const QString& path)
{
    TextFile result;
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
    if (status.st_size > kMaxTextFileBytes)
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
        if (done > kMaxTextFileBytes)
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
        return QStringLiteral("ファイル「%1」は %2 MB を超えているため、読み込めません。")
            .arg(name)
            .arg(kMaxTextFileBytes / (1024 * 1024));
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
