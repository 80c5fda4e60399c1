#include "Archivers.h"

#include "FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

namespace z3d::test {

namespace {

// Writes every file with the compression named by the first argument.
const char* const kZipfileScript =
    "import sys, zipfile\n"
    "with zipfile.ZipFile(sys.argv[2], 'w', getattr(zipfile, sys.argv[1])) as z:\n"
    "    for name in sys.argv[3:]:\n"
    "        z.write(name)\n";

quint32 little32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 little16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

Archiver Archiver::infoZip(const QStringList& options)
{
    return {QStringLiteral("zip"), QStringList{QStringLiteral("-q")} + options};
}

Archiver Archiver::sevenZip(const QStringList& switches)
{
    return {QStringLiteral("7z"),
            QStringList{QStringLiteral("a"), QStringLiteral("-tzip"), QStringLiteral("-bd")} +
                switches};
}

Archiver Archiver::bsdtar()
{
    return {QStringLiteral("bsdtar"), {QStringLiteral("-a"), QStringLiteral("-cf")}};
}

Archiver Archiver::python(const QString& compression)
{
    return {QStringLiteral("python3"),
            {QStringLiteral("-c"), QLatin1String(kZipfileScript), compression}};
}

QString Archiver::missing() const
{
    return QStandardPaths::findExecutable(program).isEmpty()
               ? QStringLiteral("%1 is not installed").arg(program)
               : QString();
}

ToolRun Archiver::write(const QString& archive,
                        const QList<std::pair<QString, QByteArray>>& files) const
{
    const QString folder = QFileInfo(archive).absoluteFilePath() + QStringLiteral(".files");
    QStringList names;
    if (!QDir().mkpath(folder))
        return {};
    for (const auto& [name, content] : files) {
        if (!writeBytes(folder + u'/' + name, content))
            return {};
        names << name;
    }
    return runTool(program, options + QStringList{QFileInfo(archive).absoluteFilePath()} + names,
                   folder);
}

QList<ZipMemberBytes> zipMembers(const QByteArray& zip)
{
    const qsizetype end = zip.lastIndexOf("PK\5\6");
    if (end < 0 || end + 22 > zip.size())
        return {};
    const quint16 count = little16(zip, end + 10);
    qsizetype at = little32(zip, end + 16);
    QList<ZipMemberBytes> members;
    for (int i = 0; i < count; ++i) {
        if (at + 46 > zip.size() || little32(zip, at) != 0x02014b50)
            return {};
        ZipMemberBytes member;
        member.centralHeader = at;
        member.dataSize = little32(zip, at + 20);
        member.localHeader = little32(zip, at + 42);
        if (member.localHeader + 30 > zip.size())
            return {};
        member.data = member.localHeader + 30 + little16(zip, member.localHeader + 26) +
                      little16(zip, member.localHeader + 28);
        members << member;
        at += 46 + little16(zip, at + 28) + little16(zip, at + 30) + little16(zip, at + 32);
    }
    return members;
}

void putLittle32(QByteArray& bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace z3d::test
