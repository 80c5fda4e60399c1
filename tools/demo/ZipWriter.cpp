#include "ZipWriter.h"

#include <QFile>

#include <zip.h>

namespace z3d::demo {

void ZipWriter::addMember(const QString& name, const QByteArray& data)
{
    m_members.append({name, data});
}

bool ZipWriter::write(const QString& path)
{
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(partial).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        m_error = QStringLiteral("cannot create %1: %2").arg(partial, zip_error_strerror(&error));
        zip_error_fini(&error);
        return false;
    }
    for (const Member& member : m_members) {
        // The buffers live in m_members until zip_close() has read them.
        zip_source_t* source = zip_source_buffer(archive, member.data.constData(),
                                                 zip_uint64_t(member.data.size()), 0);
        if (source == nullptr || zip_file_add(archive, member.name.toUtf8().constData(), source,
                                              ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            m_error = QStringLiteral("cannot add %1: %2").arg(member.name, zip_strerror(archive));
            if (source != nullptr) {
                zip_source_free(source);
            }
            zip_discard(archive);
            QFile::remove(partial);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        m_error = QStringLiteral("cannot write %1: %2").arg(partial, zip_strerror(archive));
        zip_discard(archive);
        QFile::remove(partial);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        m_error = QStringLiteral("cannot rename %1 to %2").arg(partial, path);
        QFile::remove(partial);
        return false;
    }
    return true;
}

} // namespace z3d::demo
