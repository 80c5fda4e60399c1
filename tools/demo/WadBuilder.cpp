#include "WadBuilder.h"

#include <QtEndian>

namespace z3d::demo {

namespace {

void appendU32(QByteArray& bytes, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

} // namespace

WadBuilder::WadBuilder(QByteArray magic) : m_magic(std::move(magic)) {}

void WadBuilder::addLump(const QByteArray& name, const QByteArray& data)
{
    m_lumps.append({name.left(8), data});
}

QByteArray WadBuilder::bytes() const
{
    QByteArray data;
    QByteArray directory;
    for (const Lump& lump : m_lumps) {
        appendU32(directory, quint32(12 + data.size()));
        appendU32(directory, quint32(lump.data.size()));
        directory += lump.name + QByteArray(8 - lump.name.size(), '\0');
        data += lump.data;
    }
    QByteArray wad = m_magic.left(4);
    appendU32(wad, quint32(m_lumps.size()));
    appendU32(wad, quint32(12 + data.size()));
    return wad + data + directory;
}

} // namespace z3d::demo
