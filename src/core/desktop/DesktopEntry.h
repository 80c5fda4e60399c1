#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// A freedesktop desktop entry of type Application: what a shortcut is on this platform.
struct DesktopEntryFields
{
    QString name;           // Name=, shown under the icon and in the menu
    QStringList command;    // Exec=: the program, then its arguments, each exactly as passed
    QString workingFolder;  // Path=
    QString icon;           // Icon=: an icon name or an absolute file path
    QString comment;        // Comment=: a tooltip in the menu (left out when empty)
    QStringList categories; // Categories=: menu sections, e.g. "Game" (left out when empty)
};

// Writes freedesktop desktop entry files (format version 1.5): UTF-8, LF line ends.
//
// Exec quoting: an argument that is empty or holds a reserved character (blank, tab, newline,
// " ' \ > < ~ | & ; $ * ? # ( ) `) is put between double quotes, inside which " ` $ and \ get a
// backslash; every '%' is doubled so that no field code is expanded. The whole value is then
// escaped as a string value (backslash doubled; tab, newline and CR as \t \n \r; a leading
// blank as \s), so a literal backslash in a quoted argument is written as four.
class DesktopEntry
{
public:
    static constexpr const char* kExtension = ".desktop";

    // The file's bytes; nothing when a value holds a control character that a desktop entry
    // cannot carry (other than tab, newline and CR), when the command is empty, or when a
    // category is empty or holds a ';'.
    static std::optional<QByteArray> text(const DesktopEntryFields& fields);
    // The Exec value before string escaping: the quoted arguments joined by blanks.
    static QString execCommand(const QStringList& command);
    // One argument as Exec quoting writes it.
    static QString quoteArgument(const QString& argument);
    // A value escaped as a desktop entry string.
    static QString escapeString(const QString& value);
};

} // namespace z3d
