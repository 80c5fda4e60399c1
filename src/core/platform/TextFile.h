#pragma once

#include "core/platform/ErrorNumber.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace z3d {

// What reading a text file gave.
struct TextFileLines
{
    QStringList lines;
    // None when the file was read (even if it has fewer lines than asked for); 53, 76, 70 or
    // 75 when it could not be opened.
    ErrorNumber error = ErrorNumber::None;

    bool ok() const { return error == ErrorNumber::None; }
};

// The launcher's own text files: system encoding (UTF-8 on Linux), lines written with CR LF and
// read with CR LF, LF or CR; a last line without an ending counts as a line. Files are read in
// chunks, so binary content and one huge line cost linear time. A line longer than
// kMaxLineBytes is cut there (the rest of that line is skipped): no line of these files is
// legitimately that long, and this bounds memory on damaged input.
class TextFile
{
public:
    static constexpr qsizetype kMaxLineBytes = 1 << 20;

    // How a line's bytes become text and back. System: bytes the system encoding cannot
    // decode become U+FFFD and are lost. KeepBytes: UTF-8 that keeps every other byte
    // (LosslessUtf8), for files whose lines are written back as they were read.
    enum class Encoding
    {
        System,
        KeepBytes
    };

    // At most maxLines lines (all when negative).
    static TextFileLines readLines(const QString& path, int maxLines = -1,
                                   Encoding encoding = Encoding::System);
    // The first line; error 62 when the file is empty.
    static TextFileLines readFirstLine(const QString& path);
    // Splits bytes into lines by the reading rules above.
    static QStringList splitLines(const QByteArray& bytes, int maxLines = -1,
                                  Encoding encoding = Encoding::System);
    // Replaces path atomically with lines, each ended with CR LF: a temporary file in the
    // same folder is written, flushed and renamed over path, so a failure leaves the old file
    // intact. Returns None or the error number of the failure.
    static ErrorNumber writeLines(const QString& path, const QStringList& lines,
                                  Encoding encoding = Encoding::System);
    // writeLines, except that a file already holding exactly those bytes is left alone: a file
    // rewritten at every start or selection costs a read then, not a write and a disk flush.
    static ErrorNumber writeLinesUnlessSame(const QString& path, const QStringList& lines);
    // The bytes writeLines would write.
    static QByteArray encodeLines(const QStringList& lines, Encoding encoding = Encoding::System);
};

} // namespace z3d
