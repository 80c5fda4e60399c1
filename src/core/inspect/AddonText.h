#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// What an add-on's own text file says about it, for the tip of a games-list entry.
//
// A file in the community's text-file template gives its fields "Title", "Author" (or
// "Authors"), "Release date" (or "Date Finished") and "Description": a line "Name : value"
// starts a field (any spacing around the colon), and the indented lines after it continue the
// field until a blank line or the next field. Any other file gives its first lines that hold
// a letter or a digit (frames and rules drawn with signs alone are left out), as its
// description.
//
// Encoding: a file that is valid UTF-8 (with or without a byte-order mark) is read as UTF-8.
// Any other is an 8-bit code page, told apart by what its high bytes look like (see
// looksLikeLatin1): the DOS code page 437 of the era's text files, with its box drawing and
// accented letters, or Latin-1 as Windows writes it (Windows-1252, whose quotes and dashes
// sit where Latin-1 has only control characters).
//
// Nothing invisible reaches the result: tabs become blanks; ANSI escape sequences, control
// and format characters (NUL, bidirectional overrides, ...) are dropped; lines end at CR LF,
// LF or CR; a DOS end-of-file mark (Ctrl-Z) ends the text. Values are trimmed and runs of
// blanks made one.
struct AddonText
{
    QString title;
    QString author;
    QString date;
    // The first lines of the description (of the file, when it is not in the template), at
    // most kDescriptionLines lines and kDescriptionChars characters; a longer last line is cut
    // at a word and ends in an ellipsis.
    QStringList description;

    // Only the start of a file is read: the fields of the template come first.
    static constexpr qsizetype kReadLimit = 64 * 1024;
    static constexpr int kDescriptionLines = 6;
    static constexpr int kDescriptionChars = 400;
    // A field's value is cut there: a title or an author, not a page.
    static constexpr int kFieldChars = 200;

    // The text of a file's first bytes (at most kReadLimit of them are looked at). Nothing
    // when they hold nothing to show.
    static std::optional<AddonText> parse(QByteArrayView bytes);
    // parse() of the first kReadLimit bytes of the file at path (found without regard to
    // case); nothing when it cannot be read.
    static std::optional<AddonText> readFile(const QString& path);
    // The bytes as text, by the encoding rule above, nothing invisible removed yet.
    static QString decode(QByteArrayView bytes);
    // Whether 8-bit bytes that are not UTF-8 read as Latin-1 rather than code page 437: a
    // byte of 0xC0-0xFF (Latin-1's accented letters) beside an ASCII letter is a vote for
    // Latin-1; a byte of 0x80-0xA5 (code page 437's accented letters) beside an ASCII letter,
    // or a byte of 0xB0-0xDF (its box drawing) beside another such byte, is a vote for 437.
    // Latin-1 needs more votes; a tie (no votes at all included) stays with 437, the code
    // page of the files that were written before Windows.
    static bool looksLikeLatin1(QByteArrayView bytes);

    bool isEmpty() const
    {
        return title.isEmpty() && author.isEmpty() && date.isEmpty() && description.isEmpty();
    }
    bool operator==(const AddonText&) const = default;
};

} // namespace z3d
