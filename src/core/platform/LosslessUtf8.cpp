#include "core/platform/LosslessUtf8.h"

namespace z3d {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The code point of the valid UTF-8 sequence (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF) starting at data, and its length; length 0 when there is none.
struct Sequence
{
    char32_t codePoint = 0;
    int length = 0;
};

Sequence sequenceAt(const unsigned char* data, qsizetype available)
{
    const unsigned char lead = data[0];
    int length = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80; // the bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (available < length || data[1] < low || data[1] > high)
        return {};
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(data[i]))
            return {};
        codePoint = (codePoint << 6) | (data[i] & 0x3F);
    }
    return {codePoint, length};
}

} // namespace

QString LosslessUtf8::decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            text += QChar(char16_t(data[i]));
            ++i;
            continue;
        }
        const Sequence sequence = sequenceAt(data + i, size - i);
        if (sequence.length == 0) {
            text += QChar(char16_t(kEscapeBase + data[i]));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(sequence.codePoint)) {
            text += QChar(QChar::highSurrogate(sequence.codePoint));
            text += QChar(QChar::lowSurrogate(sequence.codePoint));
        } else {
            text += QChar(char16_t(sequence.codePoint));
        }
        i += sequence.length;
    }
    return text;
}

QByteArray LosslessUtf8::encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // a pair, whatever its low half
            continue;
        }
        if (unit < kFirstEscape || unit > kLastEscape)
            continue;
        bytes += text.sliced(runStart, i - runStart).toUtf8();
        bytes += char(unit - kEscapeBase);
        runStart = i + 1;
    }
    bytes += text.sliced(runStart).toUtf8();
    return bytes;
}

} // namespace z3d
