#pragma once

#include <QByteArray>
#include <QList>

namespace z3d::demo {

// Writes a WAD file image: the 12-byte header, the lump data in order, then the directory.
// Lump names are cut to eight characters and NUL-padded; an empty lump (a marker) gets the
// current data offset, as the usual tools write it.
class WadBuilder
{
public:
    explicit WadBuilder(QByteArray magic = "PWAD");

    void addLump(const QByteArray& name, const QByteArray& data = {});
    int lumpCount() const { return int(m_lumps.size()); }
    QByteArray bytes() const;

private:
    struct Lump
    {
        QByteArray name;
        QByteArray data;
    };

    QByteArray m_magic;
    QList<Lump> m_lumps;
};

} // namespace z3d::demo
