// config.z3d on arbitrary bytes: whatever the reader takes in, writing it and reading it back
// gives the same settings.

#include "FuzzScratch.h"

#include "core/settings/SettingsFile.h"

using namespace z3d;
using z3d::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool wineMode = size > 0 && (data[0] & 1) != 0;
    const QString path = QString::fromStdString(z3d::fuzz::scratchFile("config.z3d", bytes));
    const LauncherSettings defaults;
    const SettingsReadResult first = SettingsFile::read(path, wineMode, defaults);
    if (first.outcome == SettingsReadOutcome::ConversionError)
        return 0;
    require(SettingsFile::write(path, first.settings, wineMode) == ErrorNumber::None,
            "the settings are written");
    const SettingsReadResult second = SettingsFile::read(path, wineMode, defaults);
    require(second.outcome == SettingsReadOutcome::Ok, "a written file reads back whole");
    require(second.settings == first.settings, "read, write, read gives the same settings");
    return 0;
}
