#include "core/platform/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace z3d {

namespace {

// The root part of a normalised path ("/", "C:/", "//server/share/") and the rest.
qsizetype rootLength(const QString& path)
{
    if (path.startsWith(u"//")) {
        // A UNC root: //server/share/
        qsizetype slash = path.indexOf(u'/', 2);
        if (slash < 0)
            return path.size();
        slash = path.indexOf(u'/', slash + 1);
        return slash < 0 ? path.size() : slash + 1;
    }
    if (path.startsWith(u'/'))
        return 1;
    if (path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter())
        return path.size() >= 3 && path.at(2) == u'/' ? 3 : 2;
    return 0;
}

#if defined(Q_OS_UNIX)
// A name as listed: nearly every name is plain ASCII, which reads the same in any encoding the
// file system may use and is taken without the local encoding's decoder.
QString decodedName(const char* name)
{
    const char* at = name;
    while (*at != 0 && static_cast<unsigned char>(*at) < 0x80)
        ++at;
    return *at == 0 ? QString::fromLatin1(name, at - name) : QFile::decodeName(name);
}

// Calls visit with each entry of the folder at the encoded path, "." and ".." left out; false
// when the folder cannot be listed.
template <class Visit> bool forEachEntry(const char* path, Visit visit)
{
    DIR* dir = ::opendir(path);
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        visit(*entry);
    }
    ::closedir(dir);
    return true;
}
#endif

// The entry of folder whose name equals name without regard to case; empty when none. Of
// several ("PWADS" and "Pwads"), the first in name order.
QString matchEntry(const QString& folder, const QString& name)
{
    QString match;
    const auto consider = [&](const QString& entry) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 &&
            (match.isEmpty() || entry.compare(match) < 0))
            match = entry;
    };
#if defined(Q_OS_UNIX)
    // Every entry, links and special files included, as QDir lists them with AllEntries,
    // Hidden and System, without Qt's look-up of each entry.
    forEachEntry(folder.isEmpty() ? "." : QFile::encodeName(folder).constData(),
                 [&](const dirent& entry) { consider(decodedName(entry.d_name)); });
#else
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    for (const QString& entry : dir.entryList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort))
        consider(entry);
#endif
    return match;
}

// The entries of an existing folder in its on-disk spelling; none when it is no folder.
QStringList entriesOfSpelled(const QString& folder, QDir::Filters kind)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::NoSort);
}

QStringList entriesOf(const QString& folder, QDir::Filters kind)
{
    return entriesOfSpelled(PathResolver::resolve(folder), kind);
}

QString withoutTrailingSeparator(const QString& path)
{
    QString p = path;
    while (p.size() > rootLength(p) && p.endsWith(u'/'))
        p.chop(1);
    return p;
}

} // namespace

QStringList PathResolver::fileNames(const QString& folder)
{
    return entriesOf(folder, QDir::Files);
}

QStringList PathResolver::folderNames(const QString& folder)
{
    return entriesOf(folder, QDir::Dirs);
}

QStringList PathResolver::folderNamesAsSpelled(const QString& folder)
{
#if defined(Q_OS_UNIX)
    // The directory's own entry types answer most entries without a look-up of their own:
    // Qt's listing costs several times as much per folder. Links, special files and entries
    // of unknown type are looked at as folderNames() counts them: a link to a folder, a
    // broken link and a special file are listed, a regular file or a link to one is not.
    if (folder.isEmpty())
        return {};
    const QByteArray base = QFile::encodeName(folder) + '/';
    QStringList names;
    forEachEntry(base.constData(), [&](const dirent& entry) {
        bool listed = entry.d_type == DT_DIR;
        if (entry.d_type != DT_DIR && entry.d_type != DT_REG) {
            struct stat target = {};
            listed =
                ::stat((base + entry.d_name).constData(), &target) != 0 || !S_ISREG(target.st_mode);
        }
        if (listed)
            names.append(decodedName(entry.d_name));
    });
    return names;
#else
    return entriesOfSpelled(folder, QDir::Dirs);
#endif
}

QString PathResolver::normalizeSeparators(const QString& path)
{
    // Most paths are normal already (a repeated separator can only be a UNC path's leading
    // "//"): they are handed back as they are, without a copy.
    if (!path.contains(u'\\') && path.indexOf(u"//", 1) < 0)
        return path;
    QString p = path;
    p.replace(u'\\', u'/');
    const bool unc = p.startsWith(u"//");
    QString out;
    out.reserve(p.size());
    for (qsizetype i = 0; i < p.size(); ++i) {
        if (p.at(i) == u'/' && out.endsWith(u'/') && !(unc && i == 1))
            continue;
        out.append(p.at(i));
    }
    return out;
}

QString PathResolver::resolve(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString p = normalizeSeparators(path);
    if (QFileInfo::exists(p))
        return p;

    const qsizetype rootLen = rootLength(p);
    QString current = p.left(rootLen);
    const bool trailing = p.endsWith(u'/') && p.size() > rootLen;
    const QStringList parts = p.mid(rootLen).split(u'/', Qt::SkipEmptyParts);

    qsizetype i = 0;
    // Mostly only the last part is spelled otherwise, or missing: when the folder holding it
    // exists as given, every part before it is taken as given without a look of its own.
    if (parts.size() > 1) {
        const QString parent = current + parts.mid(0, parts.size() - 1).join(u'/');
        if (QFileInfo::exists(parent)) {
            current = parent + u'/';
            i = parts.size() - 1;
        }
    }
    for (; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString exact = current + part;
        QString found;
        if (part == u"." || part == u".." || QFileInfo::exists(exact))
            found = part;
        else
            found = matchEntry(current, part);
        if (found.isEmpty())
            break;
        current += found;
        if (i + 1 < parts.size())
            current += u'/';
    }
    if (i < parts.size()) {
        // The rest does not exist in any case: it keeps the spelling given.
        if (!current.isEmpty() && !current.endsWith(u'/'))
            current += u'/';
        current += parts.mid(i).join(u'/');
    }
    if (trailing && !current.endsWith(u'/'))
        current += u'/';
    return current;
}

QString PathResolver::join(const QString& base, const QString& relative)
{
    const QString b = normalizeSeparators(base);
    QString r = normalizeSeparators(relative);
    while (r.startsWith(u'/'))
        r.remove(0, 1);
    if (b.isEmpty())
        return r;
    if (r.isEmpty())
        return b;
    return b.endsWith(u'/') ? b + r : b + u'/' + r;
}

QString PathResolver::resolveUnder(const QString& base, const QString& relative)
{
    return resolve(join(base, relative));
}

bool PathResolver::fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(resolve(path)).isFile();
}

bool PathResolver::folderExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(resolve(path)).isDir();
}

bool PathResolver::exists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(resolve(path));
}

bool PathResolver::samePath(const QString& a, const QString& b)
{
    const QString left = QDir::cleanPath(normalizeSeparators(a));
    const QString right = QDir::cleanPath(normalizeSeparators(b));
    return left.compare(right, Qt::CaseInsensitive) == 0;
}

QString PathResolver::lastComponent(const QString& path)
{
    const QString p = withoutTrailingSeparator(normalizeSeparators(path));
    const qsizetype rootLen = rootLength(p);
    if (p.size() <= rootLen)
        return {};
    return p.mid(std::max(p.lastIndexOf(u'/') + 1, rootLen));
}

QString PathResolver::parentFolder(const QString& path)
{
    const QString p = withoutTrailingSeparator(normalizeSeparators(path));
    const qsizetype rootLen = rootLength(p);
    if (p.size() <= rootLen)
        return {};
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    if (slash < rootLen)
        return p.left(rootLen);
    return p.left(slash);
}

} // namespace z3d
