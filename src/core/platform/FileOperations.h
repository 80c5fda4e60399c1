#pragma once

#include "core/platform/ErrorNumber.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace z3d {

// File and folder operations with the launcher's error numbers. Paths are resolved
// case-insensitively first. Each operation consults FaultInjector before touching the disk.
class FileOperations
{
public:
    // Deletes a file, read-only ones too. 53 when it does not exist, 76 when its folder does
    // not exist, 70/75 when refused.
    static ErrorNumber deleteFile(const QString& path);
    // Deletes the file when it exists; a missing file is not an error.
    static ErrorNumber deleteFileIfExists(const QString& path);
    // Creates one folder (its parent must exist). 75 when it exists already, 76 when the
    // parent is missing, 70/75 when refused.
    static ErrorNumber createFolder(const QString& path);
    // Creates a folder with any missing parents; an existing folder is not an error.
    static ErrorNumber createFolderPath(const QString& path);
    // The two folder deletions remove a path that is a link to a folder as a link, whatever the
    // folder holds: what it points to is never emptied through it.
    // Deletes an empty folder. 76 when it does not exist, 75 when it is not empty.
    static ErrorNumber deleteFolder(const QString& path);
    // Deletes a folder with everything in it (read-only files too); links met inside are
    // removed as links, never followed. 76 when it does not exist.
    static ErrorNumber deleteFolderTree(const QString& path);
    // Deletes every file (not folder) in folder whose name matches pattern without regard to
    // case ("*.z3dm"; "*.*" matches every file, with or without an extension). 76 when the
    // folder does not exist, 53 when nothing matched, else the first failure (the remaining
    // files are still tried).
    static ErrorNumber deleteMatching(const QString& folder, const QString& pattern);
    // Renames a file or folder to `to` (a full path; its folder must exist, and may differ from
    // the source's). Nothing is ever replaced: 75 when another entry answers to the new name
    // (in any case); a change of case alone is allowed, and the same name is no change. 53 (or
    // 76 when its folder is gone) when `from` does not exist, 76 when the target's folder does
    // not exist, 70/75 when refused. Injected faults: the source's Delete (a file) or
    // DeleteFolder (a folder), the target's Write or CreateFolder.
    static ErrorNumber rename(const QString& from, const QString& to);
    // Moves a file to `target` (a full path), replacing a file that answers to that name in any
    // case. Across file systems it is copied and then deleted. 53/76 when the source is
    // missing, 76 when the target's folder is missing, 70/75 when refused. Injected faults: the
    // source's Delete and the target's Write.
    static ErrorNumber moveFile(const QString& source, const QString& target);
    // The write-permission probe: creates a folder of its own, then deletes it, holding the
    // installation's lock shared meanwhile (a probe killed half-way leaves an empty folder for
    // the start-up sweep, StaleTemporaries). The folder is writeProbeFolder(), or, when an
    // entry of that name is in the way (left by a kill, or by a launcher of the same process
    // id in another container), that name followed by "-" and a number. The error of the
    // failing step: 70 or 75 when refused (76 when launcherDir itself is missing).
    static ErrorNumber probeWritePermission(const QString& launcherDir);
    // The probe's first choice of folder: launcherDir + "Admin." + this process's id.
    // Launchers started together each probe a folder of their own, so no probe fails for
    // another's deletion.
    static QString writeProbeFolder(const QString& launcherDir);
    // What copyFile does with a target that is a read-only file.
    enum class ReadOnlyTarget
    {
        Refuse,  // 70, as a plain overwrite would be refused
        Replace, // replaced like any other file, where the system lets a rename replace it
    };
    // Copies source to target, replacing an existing target through a ReplacementFile: a
    // failed copy keeps the earlier file. 53 when source is missing, 76 when target's folder
    // is missing, 70 when target is a read-only file and readOnly says Refuse, else the error
    // of the failing step (61 when its file system ran out of room). Copying a file onto
    // itself leaves it as it is. Injected faults: the source's Read and the target's Write.
    // copied, when given, hears the bytes written so far after each piece.
    static ErrorNumber copyFile(const QString& source, const QString& target,
                                ReadOnlyTarget readOnly = ReadOnlyTarget::Refuse,
                                const std::function<void(qint64)>& copied = {});
    // Replaces path atomically with bytes through a ReplacementFile; 61 when its file system
    // ran out of room, and then path keeps its earlier content.
    static ErrorNumber writeFile(const QString& path, const QByteArray& bytes);
    // Whether a file name matches a wildcard pattern ('*', '?') without regard to case;
    // "*.*" matches every name.
    static bool matchesWildcard(const QString& fileName, const QString& pattern);
};

} // namespace z3d
