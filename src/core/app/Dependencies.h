#pragma once

#include <QString>

namespace z3d {

// The bare name of the first file of the installation's bin folder that is missing, in the
// order Zorn3D.exe, Z3DgFiles.exe, unzip32.dll, fmodex.dll, eax.dll; empty when all are there.
// The two programs are also satisfied by a native executable of the same name without ".exe";
// only the bin folder counts, never the PATH.
QString findMissingDependency(const QString& installRoot);

} // namespace z3d
