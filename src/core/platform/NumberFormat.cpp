#include "core/platform/NumberFormat.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace z3d {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString NumberFormat::format(qint64 value)
{
    if (value >= 0)
        return u' ' + QString::number(value) + u' ';
    return QString::number(value) + u' ';
}

NumberReading NumberFormat::parse(const QString& line, qint64 minimum, qint64 maximum)
{
    using Status = NumberReading::Status;
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line.at(begin)))
        ++begin;
    while (end > begin && isBlank(line.at(end - 1)))
        --end;

    // [+-] digits [. digits] [(e|E) [+-] digits], with at least one digit before the exponent.
    qsizetype i = begin;
    bool negative = false;
    if (i < end && (line.at(i) == u'+' || line.at(i) == u'-')) {
        negative = line.at(i) == u'-';
        ++i;
    }
    const qsizetype intBegin = i;
    while (i < end && isDigit(line.at(i)))
        ++i;
    const qsizetype intEnd = i;
    bool fractionNonZero = false;
    qsizetype fractionDigits = 0;
    if (i < end && line.at(i) == u'.') {
        ++i;
        while (i < end && isDigit(line.at(i))) {
            fractionNonZero = fractionNonZero || line.at(i) != u'0';
            ++fractionDigits;
            ++i;
        }
    }
    if (intEnd == intBegin && fractionDigits == 0)
        return {Status::NotANumber, 0};
    bool hasExponent = false;
    if (i < end && (line.at(i) == u'e' || line.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < end && (line.at(j) == u'+' || line.at(j) == u'-'))
            ++j;
        const qsizetype expBegin = j;
        while (j < end && isDigit(line.at(j)))
            ++j;
        if (j == expBegin)
            return {Status::NotANumber, 0};
        hasExponent = true;
        i = j;
    }
    if (i != end)
        return {Status::NotANumber, 0};

    if (hasExponent) {
        bool ok = false;
        double d = QLocale::c().toDouble(line.mid(begin, end - begin), &ok);
        if (!ok || !std::isfinite(d)) {
            // The grammar is checked above, so the conversion failed on the value's range: a
            // negative exponent means a value too close to 0, anything else one too large.
            const qsizetype e = line.indexOf(u'e', begin, Qt::CaseInsensitive);
            if (e + 1 < end && line.at(e + 1) == u'-')
                d = negative ? -std::numeric_limits<double>::denorm_min() : 0.0;
            else
                return {Status::Overflow, 0};
        }
        const double floored = std::floor(d);
        if (std::fabs(floored) >= 9.0e18 || floored < static_cast<double>(minimum) ||
            floored > static_cast<double>(maximum))
            return {Status::Overflow, 0};
        return {Status::Ok, static_cast<qint64>(floored)};
    }

    // Plain digits: exact arithmetic, so long digit runs cannot lose precision.
    qsizetype digit = intBegin;
    while (digit < intEnd && line.at(digit) == u'0')
        ++digit;
    if (intEnd - digit > 18)
        return {Status::Overflow, 0};
    qint64 value = 0;
    for (; digit < intEnd; ++digit)
        value = value * 10 + (line.at(digit).unicode() - u'0');
    if (negative) {
        value = -value;
        if (fractionNonZero)
            value -= 1;
    }
    if (value < minimum || value > maximum)
        return {Status::Overflow, 0};
    return {Status::Ok, value};
}

NumberReading NumberFormat::parse16(const QString& line)
{
    return parse(line, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
}

NumberReading NumberFormat::parse32(const QString& line)
{
    return parse(line, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

NumberReading NumberFormat::parseFlag(const QString& line)
{
    const NumberReading r =
        parse(line, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
    switch (r.status) {
    case NumberReading::Status::NotANumber:
        return r;
    case NumberReading::Status::Overflow:
        // Only a value of huge magnitude overflows, and that is not 0.
        return {NumberReading::Status::Ok, 1};
    case NumberReading::Status::Ok:
        break;
    }
    return {NumberReading::Status::Ok, r.value != 0 ? 1 : 0};
}

} // namespace z3d
