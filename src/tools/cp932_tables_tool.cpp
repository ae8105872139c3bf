// Writes the code page 932 tables the program converts with
// (src/data/textfile.cpp), taken from the system's converter (Qt's, backed by
// ICU) when the program is built: the program itself then needs no
// converter, whose code and mapping data would take over a megabyte of
// memory from the first file read.
//
//   lumo-cp932-tables <output.inc>
//
// Decoding: each character is decoded on its own, as the program reads it:
// one byte, or a lead byte and a trail byte. Encoding: a character gets the
// bytes the converter gives it only when those bytes read back as the same
// character, so that nothing saved reads back changed (the converter maps
// some private-use characters one way only).
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr char16_t kNone = 0xFFFF;

bool isLeadByte(int b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(int b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// The converter exchanges three control characters (0x1A <-> U+001C,
// 0x1C <-> U+007F, 0x7F <-> U+001A) against what Windows does; the tables
// put them back, so control bytes read as themselves.
char16_t windowsControl(char16_t c)
{
    switch (c) {
    case 0x1C: return 0x1A;
    case 0x7F: return 0x1C;
    case 0x1A: return 0x7F;
    default: return c;
    }
}
char16_t converterControl(char16_t c)
{
    switch (c) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return c;
    }
}

[[noreturn]] void fail(const char* what, unsigned code)
{
    std::fprintf(stderr, "lumo-cp932-tables: %s (0x%X)\n", what, code);
    std::exit(1);
}

// One character decoded on its own; kNone when it is no character.
char16_t decodeAlone(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        fail("the system has no converter for code page 932", 0);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.isEmpty())
        return kNone;
    if (text.size() != 1 || text.at(0).unicode() == kNone)
        fail("a character decodes to other than one UTF-16 unit", unsigned(bytes.toHex().toUInt(nullptr, 16)));
    return windowsControl(text.at(0).unicode());
}

void writeTable(QSaveFile& out, const char* declaration, const std::vector<quint16>& values)
{
    out.write(declaration);
    out.write(" = {");
    for (size_t i = 0; i < values.size(); ++i) {
        out.write(i % 16 == 0 ? "\n    " : " ");
        out.write(QByteArray("0x") + QByteArray::number(values[i], 16).toUpper() + ",");
    }
    out.write("\n};\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumo-cp932-tables <output.inc>\n");
        return 2;
    }

    // Bytes to text: single bytes, and the 60 lead bytes by the 189 trail
    // byte values 0x40-0xFC (0x7F never trails; its entries stay kNone).
    std::vector<quint16> single(256), pairs;
    for (int b = 0; b < 256; ++b)
        single[b] = decodeAlone(QByteArray(1, char(b)));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            pairs.push_back(isTrailByte(trail) ? decodeAlone(QByteArray(1, char(lead)) + char(trail)) : kNone);
    }
    const auto readBack = [&](quint16 code) -> char16_t {
        if (code < 0x100)
            return single[code];
        const int lead = code >> 8, trail = code & 0xFF;
        const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
        return pairs[size_t(row * 189 + trail - 0x40)];
    };

    // Text to bytes, for every UTF-16 unit but the surrogates, in pages of
    // 256 characters: a page of nothing but kNone is shared.
    std::array<quint16, 65536> codes{};
    int oneWayOnly = 0;
    for (unsigned c = 0; c < 65536; ++c) {
        codes[c] = kNone;
        if ((c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFD)
            continue;
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        const QChar one(converterControl(char16_t(c)));
        const QByteArray bytes = encoder.encode(QStringView(&one, 1));
        if (encoder.hasError() || bytes.isEmpty())
            continue;
        if (bytes.size() > 2 || (bytes.size() == 2 && !isLeadByte(uchar(bytes[0]))))
            fail("a character encodes to an unexpected byte sequence", c);
        const quint16 code = bytes.size() == 1 ? uchar(bytes[0]) : quint16(uchar(bytes[0]) << 8 | uchar(bytes[1]));
        if (readBack(code) == c)
            codes[c] = code;
        else
            ++oneWayOnly;
    }
    std::vector<quint16> pageOf(256, 0), pages(256, kNone);
    for (int page = 0; page < 256; ++page) {
        const auto first = codes.begin() + page * 256;
        if (std::all_of(first, first + 256, [](quint16 code) { return code == kNone; }))
            continue;
        pageOf[size_t(page)] = quint16(pages.size() / 256);
        pages.insert(pages.end(), first, first + 256);
    }

    // Written whole or not at all: a failed build leaves no half table behind.
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly))
        fail("cannot write the output file", 0);
    out.write("// Written by lumo-cp932-tables from the system's code page 932 converter.\n"
              "// 0xFFFF: no character (decoding) or not held by the code page (encoding).\n");
    writeTable(out, "constexpr char16_t kDecodeSingle[256]", single);
    writeTable(out, "constexpr char16_t kDecodePair[60 * 189]", pairs);
    writeTable(out, "constexpr quint8 kEncodePageOf[256]", pageOf);
    writeTable(out, QByteArray("constexpr quint16 kEncodePages[" + QByteArray::number(pages.size()) + "]").constData(),
               pages);
    if (!out.commit())
        fail("cannot write the output file", 0);
    std::fprintf(stderr, "lumo-cp932-tables: characters encoded one way only, left out: %d\n", oneWayOnly);
    return 0;
}
