#include "support/GameFileBytes.h"

#include <QFile>
#include <QtEndian>

#include <zip.h>

namespace z3d::test {

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

QByteArray wadWithMaps(const QList<QByteArray>& markers, const QByteArray& magic)
{
    QByteArray data;
    QByteArray directory;
    const auto addLump = [&](const QByteArray& name, const QByteArray& content) {
        QByteArray padded = name;
        padded.resize(8, '\0');
        directory += le32(quint32(12 + data.size())) + le32(quint32(content.size())) + padded;
        data += content;
    };
    addLump("INFO", "made by hand");
    for (const QByteArray& marker : markers) {
        addLump(marker, {});
        addLump("THINGS", QByteArray(10, '\1'));
    }
    const quint32 lumps = quint32(directory.size() / 16);
    return magic + le32(lumps) + le32(quint32(12 + data.size())) + data + directory;
}

QByteArray saveGame(const QByteArray& description)
{
    QByteArray bytes = description;
    bytes.resize(24, '\0');
    return bytes + QByteArray(100, '\x7f');
}

bool writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& members,
              quint16 encryption, const QByteArray& password)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto& [name, content] : members) {
        // libzip reads the buffer when the archive is closed, so it must outlive this loop.
        zip_source_t* source =
            zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || (encryption != ZIP_EM_NONE &&
                          zip_file_set_encryption(archive, zip_uint64_t(index), encryption,
                                                  password.constData()) != 0)) {
            if (index < 0)
                zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

} // namespace z3d::test
