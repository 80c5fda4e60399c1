#include "core/inspect/AddonFace.h"

#include "core/inspect/TitlePreview.h"
#include "core/inspect/ZipMembers.h"

namespace z3d {

AddonFace AddonFace::read(const AddonFaceEntry& entry, const InstallPaths& paths,
                          const IwadRegistry& iwads)
{
    return read(AddonFaceSources::of(entry, paths, iwads));
}

AddonFace AddonFace::read(const AddonFaceSources& sources)
{
    AddonFace face;
    if (!sources.wad.isEmpty())
        face.picture = TitlePreview::read(sources.wad, sources.paletteWad);
    if (!sources.textFile.isEmpty()) {
        face.text = AddonText::readFile(sources.textFile);
    } else if (!sources.textMember.isEmpty()) {
        const ZipMembers zip(sources.zip);
        const ZipMembers::Member* member = zip.find(sources.textMember);
        const std::optional<QByteArray> bytes =
            member ? zip.read(*member, AddonText::kReadLimit) : std::nullopt;
        if (bytes)
            face.text = AddonText::parse(*bytes);
    }
    return face;
}

} // namespace z3d
