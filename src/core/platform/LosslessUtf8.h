#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace z3d {

// UTF-8 text that keeps every byte: decode() turns each byte that is not part of a valid UTF-8
// sequence into a character of its own (U+DC80 to U+DCFF, a lone low surrogate, which valid
// UTF-8 never holds) and encode() turns those characters back into their bytes. So
// encode(decode(bytes)) == bytes for any bytes, and a line with bytes of another code page
// survives being read, shown, edited around and written again.
class LosslessUtf8
{
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView text);
};

} // namespace z3d
