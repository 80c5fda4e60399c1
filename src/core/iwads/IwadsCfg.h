#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

#include <array>

namespace z3d {

class IwadRegistry;
struct InstallPaths;

// The four location lines of the IWAD window, as iwads.cfg holds them (empty when free).
using IwadLocationLines = std::array<QString, 4>;

// LauncherDataDir + "iwads.cfg", in its on-disk spelling when it exists.
QString iwadsCfgPath(const InstallPaths& paths);

// ReadIwadsCfg: reads the first four lines (a shorter file is fine) and registers each that
// names an existing file, in its on-disk spelling; other names are ignored by the registry.
// The parent folder of line 1 becomes the registry's dialog folder whether or not it exists.
// When no line names an existing file the file is deleted. A missing or unreadable file
// changes nothing.
void readIwadsCfg(IwadRegistry& registry, const InstallPaths& paths);

// WriteIwadsCfg: replaces iwads.cfg atomically with exactly the four lines, each ended with
// CR LF. Returns the error number of a failed write (the old file is then left intact).
ErrorNumber writeIwadsCfg(const InstallPaths& paths, const IwadLocationLines& lines);

// Deletes iwads.cfg when it exists.
ErrorNumber deleteIwadsCfg(const InstallPaths& paths);

} // namespace z3d
