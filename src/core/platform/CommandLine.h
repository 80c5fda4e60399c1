#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// Command lines are kept as one text (the launch log and shortcuts record it) and split into
// arguments only when a program starts, by the Windows rules (those of CommandLineToArgvW):
//
// - The program part: when it starts with a double quote it runs to the next double quote
//   (no escapes); otherwise it runs to the first blank or tab. The arguments start after the
//   blanks that follow it (or right after the closing quote).
// - Arguments are separated by blanks and tabs outside quotes. 2n backslashes before a quote
//   give n backslashes and the quote opens or closes a quoted part; 2n+1 backslashes before a
//   quote give n backslashes and a literal quote; other backslashes are literal. Inside a
//   quoted part, two quotes in a row give one literal quote and end the quoted part.
class CommandLine
{
public:
    // Program first, then the arguments. Empty for a blank command line.
    static QStringList split(const QString& commandLine);
    // The program part as written (without its quotes) and the text of the arguments.
    struct Parts
    {
        QString program;
        QString arguments;
        bool programQuoted = false;
    };
    static Parts splitProgram(const QString& commandLine);
    // The arguments of an argument text (no program part).
    static QStringList splitArguments(const QString& arguments);
    // An argument quoted so that splitArguments gives it back unchanged.
    static QString quote(const QString& argument);
};

} // namespace z3d
