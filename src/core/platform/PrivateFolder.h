#pragma once

#include <QString>

namespace z3d {

// A folder only this user can write, for the files another user must not reach: their names
// can be computed, so in a folder open to everyone (a shared, sticky temporary folder) another
// user could plant a link under such a name and have the launcher write through it.
class PrivateFolder
{
public:
    // The user's runtime folder ($XDG_RUNTIME_DIR) when it is private, else
    // within(temporaryFolder); empty when neither is.
    static QString forUser(const QString& temporaryFolder);
    // temporaryFolder + "/z3dlauncher-" + the user's id, made with mode 0700 when missing.
    // Empty when what carries that name is not private (a link, a file, a folder of another
    // user's or one that others can write): it is never used, nor followed.
    static QString within(const QString& temporaryFolder);
    // Whether folder is a folder itself (not a link to one), owned by this user, that nobody
    // else can write.
    static bool isPrivate(const QString& folder);
};

} // namespace z3d
