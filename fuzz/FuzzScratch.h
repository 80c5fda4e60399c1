#pragma once

// The harnesses' shared checks and scratch files: readers that take a path get the fuzzed
// bytes through one file in a folder made once per process.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace z3d::fuzz {

// Aborts with the reason when an invariant does not hold, under the fuzzer and in the replay.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

inline const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "z3d-fuzz-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        require(made != nullptr, "scratch folder made");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return std::filesystem::path(made);
    }();
    return folder;
}

// Writes bytes to name in the scratch folder (replacing it); its path.
inline std::filesystem::path scratchFile(const std::string& name, std::string_view bytes)
{
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace z3d::fuzz
