#include "core/inspect/ZipMembers.h"

#include "core/library/ZipExtraction.h"
#include "core/library/ZipLibrary.h"
#include "core/platform/PathResolver.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace z3d {

void ZipMembers::Closer::operator()(zip* archive) const
{
    ZipLibrary::instance()->discard(archive);
}

ZipMembers::ZipMembers(const QString& zipPath)
{
    const ZipLibrary* library = ZipLibrary::instance();
    const QString path = PathResolver::resolve(zipPath);
    const QFileInfo info(path);
    // libzip opens an empty file as an empty archive; it is no zip.
    if (!library || path.isEmpty() || !info.isFile() || info.size() == 0)
        return;
    int error = 0;
    m_archive.reset(library->open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!m_archive)
        return;
    const zip_int64_t count = library->numEntries(m_archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        library->statInit(&stat);
        const auto index = static_cast<zip_uint64_t>(i);
        if (library->statIndex(m_archive.get(), index, 0, &stat) != 0 ||
            (stat.valid & ZIP_STAT_NAME) == 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
            continue;
        const QString name = ZipExtraction::flatMemberName(QString::fromUtf8(stat.name));
        if (name.isEmpty())
            continue;
        const bool encrypted =
            (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE;
        m_members.append({name, index, stat.size, encrypted});
    }
}

ZipMembers::~ZipMembers() = default;

const ZipMembers::Member* ZipMembers::find(const QString& name) const
{
    for (auto member = m_members.crbegin(); member != m_members.crend(); ++member) {
        if (member->name.compare(name, Qt::CaseInsensitive) == 0)
            return &*member;
    }
    return nullptr;
}

std::optional<QByteArray> ZipMembers::read(const Member& member, qint64 limit) const
{
    if (!m_archive || member.encrypted || limit < 0)
        return std::nullopt;
    const ZipLibrary& library = *ZipLibrary::instance();
    zip_file_t* file = library.openMember(m_archive.get(), member.index, 0);
    if (!file)
        return std::nullopt;
    const bool whole = member.size <= quint64(limit);
    const qint64 wanted = whole ? qint64(member.size) : limit;
    QByteArray data(wanted, Qt::Uninitialized);
    qint64 got = 0;
    bool failed = false;
    while (got < wanted) {
        const zip_int64_t read = library.read(file, data.data() + got, zip_uint64_t(wanted - got));
        if (read <= 0) {
            failed = true; // an error, or data that ends before its declared size
            break;
        }
        got += read;
    }
    // Read to its end, the member must end there: the library compares its checksum then.
    char extra = 0;
    if (!failed && whole && library.read(file, &extra, 1) != 0)
        failed = true;
    library.closeMember(file);
    if (failed)
        return std::nullopt;
    return data;
}

} // namespace z3d
