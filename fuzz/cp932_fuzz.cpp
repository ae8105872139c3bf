// The code page 932 decoder and encoder: the decoder gives what the system's
// converter gives for each character on its own, and text that decoded
// cleanly or was encoded without complaint reads back the same.
#include "fuzz_support.h"

#include <QStringDecoder>

#include <unordered_map>

namespace {

bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrail(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// One character decoded on its own by the system's converter, with the
// control characters it exchanges put back where Windows has them; each of
// the 65,792 possible characters (one byte or two) is decoded once and
// remembered, so that the fuzzer spends its time on the decoder under test.
const lumo::Decoded& decodeAlone(QByteArrayView character)
{
    static std::unordered_map<quint32, lumo::Decoded> known;
    const auto byte = [&](qsizetype i) { return static_cast<quint32>(static_cast<unsigned char>(character[i])); };
    const quint32 key = character.size() == 1 ? byte(0) : 0x10000u | (byte(0) << 8) | byte(1);
    auto found = known.find(key);
    if (found == known.end()) {
        QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
        lumo::Decoded one{decoder.decode(character), 0};
        if (decoder.hasError() || one.text.isEmpty())
            one = {QStringLiteral("\uFFFD"), 1};
        for (QChar& c : one.text)
            c = QChar(c == QChar(0x1C) ? 0x1A : c == QChar(0x7F) ? 0x1C : c == QChar(0x1A) ? 0x7F : c.unicode());
        found = known.emplace(key, one).first;
    }
    return found->second;
}

// One character at a time: slow and plainly right.
lumo::Decoded referenceDecode(QByteArrayView bytes)
{
    lumo::Decoded result;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype len = isLead(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() &&
                                      isTrail(static_cast<unsigned char>(bytes[i + 1]))
                                  ? 2
                                  : 1;
        const lumo::Decoded& one = decodeAlone(bytes.sliced(i, len));
        result.text += one.text;
        result.badBytes += one.badBytes;
        i += len;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes = lumo::fuzz::bytesOf(data, size);
    const lumo::Decoded decoded = lumo::decodeCp932(bytes);
    FUZZ_EXPECT(decoded.text.size() <= bytes.size());
    if (size <= 4096) {
        const lumo::Decoded reference = referenceDecode(bytes);
        FUZZ_EXPECT(decoded.text == reference.text);
        FUZZ_EXPECT(decoded.badBytes == reference.badBytes);
    }
    if (decoded.badBytes == 0) {
        const lumo::Encoded encoded = lumo::encodeCp932(decoded.text);
        FUZZ_EXPECT(encoded.ok());
        FUZZ_EXPECT(lumo::decodeCp932(encoded.bytes).text == decoded.text);
    }
    // The same bytes taken as UTF-16 text to be saved: whatever the encoder
    // accepts must read back as the same text.
    const QString text(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    const lumo::Encoded encoded = lumo::encodeCp932(text);
    if (encoded.ok()) {
        const lumo::Decoded back = lumo::decodeCp932(encoded.bytes);
        FUZZ_EXPECT(back.badBytes == 0);
        FUZZ_EXPECT(back.text == text);
    } else {
        FUZZ_EXPECT(!encoded.unmappable.isEmpty());
        FUZZ_EXPECT(lumo::encodeCp932(lumo::toStorableText(text)).ok());
    }
    return 0;
}
