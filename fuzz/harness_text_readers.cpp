// The launcher's line and item readers and the checker-output parser on arbitrary bytes: lines
// written and read again are the same lines, items never span lines, and each parsed map name
// is the trimmed start of one item.

#include "FuzzScratch.h"

#include "core/inspect/CheckerOutput.h"
#include "core/platform/ItemReader.h"
#include "core/platform/TextFile.h"

using namespace z3d;
using z3d::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = TextFile::splitLines(bytes);
    require(TextFile::splitLines(TextFile::encodeLines(lines)) == lines,
            "lines written and read again are the same lines");

    const std::string_view view(reinterpret_cast<const char*>(data), size);
    const QString path = QString::fromStdString(z3d::fuzz::scratchFile("pwad.z3d", view));
    ErrorNumber error = ErrorNumber::None;
    const QStringList items = ItemReader::readItems(path, &error);
    require(error == ErrorNumber::None, "a readable file reads");
    for (const QString& item : items)
        require(!item.contains(u'\n') && !item.contains(u'\r'), "an item never spans lines");
    require(TextFile::readLines(path).lines == lines, "the file reads as its bytes split");

    const QString output = QString::fromUtf8(bytes);
    CheckerOutput::mapCountCode(output);
    for (const QString& map : CheckerOutput::mapNames(items))
        require(!map.isEmpty() && map.size() <= 5 && map == map.trimmed(),
                "a map name is the trimmed start of one item");
    CheckerOutput::saveEntries(items);
    return 0;
}
