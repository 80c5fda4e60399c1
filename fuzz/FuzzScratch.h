#pragma once

// The harnesses' shared checks and scratch files: readers that take a path get the fuzzed
// bytes through one file in a folder made once per process, in memory where the system offers
// a memory file system (/dev/shm): each input writes a file or more, and a sync to a real disk
// (as every atomic replacement does) would cost far more than the code under test.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace z3d::fuzz {

// Aborts with the reason when an invariant does not hold, under the fuzzer and in the replay.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

inline std::filesystem::path scratchBase()
{
    const char* memory = "/dev/shm";
    std::error_code error;
    if (std::filesystem::is_directory(memory, error) && ::access(memory, W_OK | X_OK) == 0)
        return memory;
    return std::filesystem::temp_directory_path();
}

inline const std::filesystem::path& scratchFolder()
{
    // Never destroyed, so that the clean-up at exit, which runs after the destructors of
    // statics made later, still finds it.
    static const std::filesystem::path* const folder = [] {
        std::string pattern = (scratchBase() / "z3d-fuzz-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        require(made != nullptr, "scratch folder made");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return new std::filesystem::path(made);
    }();
    return *folder;
}

// A folder of that name in the scratch folder, made when missing; its path.
inline std::filesystem::path scratchSubfolder(const std::string& name)
{
    const std::filesystem::path path = scratchFolder() / name;
    std::filesystem::create_directories(path);
    return path;
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
