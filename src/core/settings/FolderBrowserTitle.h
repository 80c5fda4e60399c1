#pragma once

#include <QString>

namespace z3d {

// The title of a folder browser that asks for a new location: the current location followed
// by CR LF and the sentence; the label before the location shrinks as the location grows:
// "Current Location: " up to 30 characters, "Location: " for 31 to 40, none for 41 to 49;
// above 49 characters the sentence stands alone.
class FolderBrowserTitle
{
public:
    static constexpr const char* kTextureSentence =
        "Select the new location of your high resolution textures ...";
    static constexpr const char* kZipLibrarySentence =
        "Select the new location of your zipped wad files ...";

    static QString make(const QString& currentLocation, const QString& sentence);
};

} // namespace z3d
