#pragma once

#include "SaveHeader.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace z3d::checker {

// Lists the save games of one save folder. A save game is a regular file named
// "Zorn3DSav<d>.z3dsg" (d one digit, the name compared without regard to case). Its first
// 24 bytes hold the description, ended early by a NUL. A file shorter than that is damaged
// and skipped, as is anything unreadable; other files in the folder are ignored. When two
// names differ only in case, the first in byte order stands for the slot.
class SaveFolderReader
{
public:
    static constexpr std::size_t DescriptionSize = 24;

    // Saves sorted by slot, one per slot; empty when the folder is missing or unreadable.
    static std::vector<SaveHeader> read(const std::filesystem::path& folder);

    // The slot digit's value when `fileName` names a save file, otherwise nothing.
    static std::optional<int> slotOf(std::string_view fileName);

    // The description of one save file, or nothing when the file is short or unreadable.
    static std::optional<std::string> description(const std::filesystem::path& file);
};

} // namespace z3d::checker
