#pragma once

#include <QString>
#include <QtGlobal>

namespace z3d {

// The outcome of reading a number from a line.
struct NumberReading
{
    enum class Status
    {
        Ok,
        NotANumber, // the line is not a number (error 13)
        Overflow,   // a number outside the field's range (error 6)
    };
    Status status = Status::NotANumber;
    qint64 value = 0;

    bool ok() const { return status == Status::Ok; }
};

// Numbers in the launcher's text files. Written as the classic runtime prints an integer: a
// blank (or the minus sign) before the digits and one blank after (" 2 ", "-120 "). Read
// leniently: the whole line is converted, blanks and tabs around it are ignored, a fraction or
// exponent is accepted and the value is rounded toward minus infinity ("0.9" -> 0,
// "-0.5" -> -1). An empty or blank line is not a number.
class NumberFormat
{
public:
    static QString format(qint64 value);
    // The line as a number in [minimum, maximum].
    static NumberReading parse(const QString& line, qint64 minimum, qint64 maximum);
    static NumberReading parse16(const QString& line);
    static NumberReading parse32(const QString& line);
    // A flag: on (value 1) when the number is not 0 after rounding down, else off (0). Any
    // finite number is accepted; only a non-number fails.
    static NumberReading parseFlag(const QString& line);
};

} // namespace z3d
