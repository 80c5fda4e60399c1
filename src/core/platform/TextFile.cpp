#include "core/platform/TextFile.h"

#include "core/platform/ErrorMapping.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"
#include "core/platform/LosslessUtf8.h"
#include "core/platform/PathResolver.h"

#include <QFile>

#include <algorithm>

namespace z3d {

namespace {

constexpr qsizetype kChunkSize = 64 * 1024;

// Collects lines from a byte stream fed in chunks; CR LF, LF and CR end a line.
class LineSplitter
{
public:
    LineSplitter(int maxLines, TextFile::Encoding encoding)
        : m_maxLines(maxLines), m_encoding(encoding)
    {
    }

    bool done() const { return m_maxLines >= 0 && m_lines.size() >= m_maxLines; }

    void feed(const char* data, qsizetype size)
    {
        qsizetype i = 0;
        if (m_pendingCr) {
            m_pendingCr = false;
            if (size > 0 && data[0] == '\n')
                i = 1;
        }
        while (i < size && !done()) {
            qsizetype j = i;
            while (j < size && data[j] != '\r' && data[j] != '\n')
                ++j;
            append(data + i, j - i);
            if (j == size)
                return;
            finishLine();
            if (data[j] == '\r') {
                if (j + 1 < size) {
                    if (data[j + 1] == '\n')
                        ++j;
                } else {
                    m_pendingCr = true;
                }
            }
            i = j + 1;
        }
    }

    QStringList finish()
    {
        if (m_started && !done())
            finishLine();
        return m_lines;
    }

private:
    void append(const char* data, qsizetype size)
    {
        if (size <= 0)
            return;
        m_started = true;
        const qsizetype room = TextFile::kMaxLineBytes - m_current.size();
        if (room > 0)
            m_current.append(data, std::min(room, size));
    }

    void finishLine()
    {
        m_lines.append(m_encoding == TextFile::Encoding::KeepBytes
                           ? LosslessUtf8::decode(m_current)
                           : QString::fromLocal8Bit(m_current));
        m_current.clear();
        m_started = false;
    }

    int m_maxLines;
    TextFile::Encoding m_encoding;
    QStringList m_lines;
    QByteArray m_current;
    bool m_started = false;
    bool m_pendingCr = false;
};

} // namespace

TextFileLines TextFile::readLines(const QString& path, int maxLines, Encoding encoding)
{
    TextFileLines result;
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Read, path);
        injected != ErrorNumber::None) {
        result.error = injected;
        return result;
    }
    QFile file(PathResolver::resolve(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = ErrorMapping::fromFileError(QFileDevice::OpenError, path);
        return result;
    }
    LineSplitter splitter(maxLines, encoding);
    QByteArray buffer(kChunkSize, Qt::Uninitialized);
    while (!splitter.done()) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0) {
            result.error = ErrorNumber::PathFileAccessError;
            break;
        }
        if (n == 0)
            break;
        splitter.feed(buffer.constData(), n);
    }
    result.lines = splitter.finish();
    return result;
}

TextFileLines TextFile::readFirstLine(const QString& path)
{
    TextFileLines result = readLines(path, 1);
    if (result.ok() && result.lines.isEmpty())
        result.error = ErrorNumber::InputPastEndOfFile;
    return result;
}

QStringList TextFile::splitLines(const QByteArray& bytes, int maxLines, Encoding encoding)
{
    LineSplitter splitter(maxLines, encoding);
    splitter.feed(bytes.constData(), bytes.size());
    return splitter.finish();
}

QByteArray TextFile::encodeLines(const QStringList& lines, Encoding encoding)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoding == Encoding::KeepBytes ? LosslessUtf8::encode(line) : line.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

ErrorNumber TextFile::writeLines(const QString& path, const QStringList& lines, Encoding encoding)
{
    return FileOperations::writeFile(path, encodeLines(lines, encoding));
}

ErrorNumber TextFile::writeLinesUnlessSame(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = encodeLines(lines);
    QFile file(path);
    if (FaultInjector::check(FileOperation::Read, path) == ErrorNumber::None &&
        file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return ErrorNumber::None;
    return FileOperations::writeFile(path, bytes);
}

} // namespace z3d
