#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace z3d::demo {

// Writes a zip archive (deflated members, flat names) in one go through libzip. The archive
// is written to a temporary name beside the target and renamed, so a failure never leaves a
// half-written archive under the target name.
class ZipWriter
{
public:
    void addMember(const QString& name, const QByteArray& data);
    // False with `error()` set when the archive could not be written.
    bool write(const QString& path);
    QString error() const { return m_error; }

private:
    struct Member
    {
        QString name;
        QByteArray data;
    };

    QList<Member> m_members;
    QString m_error;
};

} // namespace z3d::demo
