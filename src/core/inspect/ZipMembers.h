#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

struct zip; // libzip's archive handle (zip_t)

namespace z3d {

// A zip's members looked at without extracting it: their names and the start of one
// member's data, read into memory. Nothing is written and nothing is asked: an archive that
// cannot be opened (not a zip, damaged, missing, the zip library missing) simply has no
// members, and a member that cannot be read whole up to what is asked gives nothing.
class ZipMembers
{
public:
    struct Member
    {
        // The name the extraction writes it under (ZipExtraction::flatMemberName).
        QString name;
        quint64 index = 0;
        quint64 size = 0; // as the archive's directory declares it
        bool encrypted = false;
    };

    explicit ZipMembers(const QString& zipPath);
    ~ZipMembers();
    ZipMembers(const ZipMembers&) = delete;
    ZipMembers& operator=(const ZipMembers&) = delete;

    bool isOpen() const { return m_archive != nullptr; }
    // The members that are files, in the order of the archive's directory; folders and names
    // the extraction would skip are left out.
    const QList<Member>& members() const { return m_members; }
    // The last member named name (the one an extraction leaves in place), compared without
    // regard to case.
    const Member* find(const QString& name) const;

    // The first limit bytes of member's data (all of it when it is shorter). Nothing for an
    // encrypted member, or when the data cannot be read: a member whose data ends before its
    // declared size, runs past it, or (read to its end) fails its checksum is damaged. Never
    // more than the declared size or limit is held.
    std::optional<QByteArray> read(const Member& member, qint64 limit) const;

private:
    struct Closer
    {
        void operator()(zip* archive) const;
    };
    std::unique_ptr<zip, Closer> m_archive;
    QList<Member> m_members;
};

} // namespace z3d
