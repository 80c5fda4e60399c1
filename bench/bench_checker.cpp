// Times the game-file checker as the launcher runs it: one CHECKWAD process per run, its
// output discarded. Prints the median wall time over N runs (default 21, or the first
// argument) and the largest peak resident set of those runs, for
//   - Freedoom's Doom II IWAD (/usr/share/games/doom/freedoom2.wad), when installed, and
//   - a 4 GiB sparse WAD whose directory of 60,000 lumps sits at the very end, created in a
//     temporary folder and removed afterwards.
// Both should take a few milliseconds: the checker reads the header and directory only. Each
// is paired, in the same run, with a minimal stdio reader of the same directory
// (anchor_wad_reader), and the ratio of the two medians is printed.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string CheckerPath = Z3D_BIN_DIR "/Z3DgFiles";
const std::string AnchorPath = Z3D_ANCHOR_WAD_READER;

struct Sample
{
    double milliseconds = 0;
    long maxRssKiB = 0;
    bool ok = false;
};

// One run of `program` (the checker, or the anchor) with its output sent to `outputFile`.
Sample runOnce(const std::string& program, const std::string& wad, const std::string& outputFile)
{
    const bool checker = program == CheckerPath;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::string name = program;
    std::string command = "CHECKWAD";
    std::string path = wad;
    char* checkerArgv[] = {name.data(), command.data(), path.data(), nullptr};
    char* anchorArgv[] = {name.data(), path.data(), nullptr};
    char** argv = checker ? checkerArgv : anchorArgv;

    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            const auto end = std::chrono::steady_clock::now();
            sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
            sample.maxRssKiB = usage.ru_maxrss;
            sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return sample;
}

std::string firstLine(const std::string& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

struct Figures
{
    double medianMs = 0;
    long maxRssKiB = 0;
};

std::optional<Figures> medianOf(const std::string& program, const std::string& wad, int runs,
                                const std::string& output)
{
    std::vector<double> times;
    Figures figures;
    for (int i = 0; i < runs; ++i) {
        const Sample sample = runOnce(program, wad, output);
        if (!sample.ok)
            return std::nullopt;
        times.push_back(sample.milliseconds);
        figures.maxRssKiB = std::max(figures.maxRssKiB, sample.maxRssKiB);
    }
    std::sort(times.begin(), times.end());
    figures.medianMs = times[times.size() / 2];
    return figures;
}

void measure(const std::string& label, const std::string& wad, int runs, const fs::path& scratch)
{
    const std::string output = (scratch / "checker.out").string();
    const std::optional<Figures> checker = medianOf(CheckerPath, wad, runs, output);
    if (!checker) {
        std::printf("  %-44s checker failed: %s\n", label.c_str(), firstLine(output).c_str());
        return;
    }
    const std::string summary = firstLine(output);
    std::printf("  %-44s %8.2f ms   peak RSS %6.1f MiB   (%s)\n", label.c_str(), checker->medianMs,
                double(checker->maxRssKiB) / 1024.0, summary.c_str());
    const std::optional<Figures> anchor =
        medianOf(AnchorPath, wad, runs, (scratch / "anchor.out").string());
    if (!anchor) {
        std::printf("  %-44s anchor failed\n", "");
        return;
    }
    std::printf("  %-44s %8.2f ms   peak RSS %6.1f MiB   ratio %.2fx time, %.2fx memory\n",
                "  minimal stdio reader", anchor->medianMs, double(anchor->maxRssKiB) / 1024.0,
                checker->medianMs / anchor->medianMs,
                double(checker->maxRssKiB) / double(std::max(1L, anchor->maxRssKiB)));
}

void writeU32(std::ostream& out, std::uint32_t value)
{
    const char bytes[4] = {char(value & 0xFF), char(value >> 8 & 0xFF), char(value >> 16 & 0xFF),
                           char(value >> 24 & 0xFF)};
    out.write(bytes, 4);
}

// A 4 GiB file of holes with a 60,000-lump directory (ten maps among them) at its end.
bool writeSparseWad(const fs::path& file)
{
    constexpr std::uint64_t FileSize = std::uint64_t{1} << 32;
    constexpr std::uint32_t LumpCount = 60000;
    constexpr std::uint64_t DirectoryOffset = FileSize - std::uint64_t{LumpCount} * 16;
    {
        std::ofstream out(file, std::ios::binary);
        out.write("IWAD", 4);
        writeU32(out, LumpCount);
        writeU32(out, std::uint32_t(DirectoryOffset));
        if (!out) {
            return false;
        }
    }
    std::error_code error;
    fs::resize_file(file, FileSize, error);
    if (error) {
        return false;
    }
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(std::streamoff(DirectoryOffset));
    for (std::uint32_t i = 0; i < LumpCount; ++i) {
        char name[8] = {};
        const bool marker = i < 20 && i % 2 == 0;
        if (marker) {
            std::snprintf(name, sizeof name, "MAP%02u", i / 2 + 1);
        } else {
            std::memcpy(name, i < 20 ? "THINGS" : "FILLER", 6);
        }
        writeU32(out, marker ? 0 : 4096 + i * 4096u);
        writeU32(out, marker ? 0 : 4096);
        out.write(name, 8);
    }
    return bool(out);
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    if (!fs::exists(CheckerPath)) {
        std::fprintf(stderr, "bench_checker: %s is missing; build Z3DgFiles\n",
                     CheckerPath.c_str());
        return 1;
    }
    std::string pattern = (fs::temp_directory_path() / "z3d-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("bench_checker: cannot create a temporary folder");
        return 1;
    }
    const fs::path scratch = pattern;

    std::printf("Z3DgFiles CHECKWAD, median wall time of %d runs\n", runs);
    const std::string freedoom = "/usr/share/games/doom/freedoom2.wad";
    if (fs::exists(freedoom)) {
        measure("Freedoom Doom II (freedoom2.wad)", freedoom, runs, scratch);
    } else {
        std::printf("  %-44s skipped: %s not installed\n", "Freedoom Doom II", freedoom.c_str());
    }
    const fs::path sparse = scratch / "sparse.wad";
    if (writeSparseWad(sparse)) {
        measure("4 GiB sparse WAD with 60,000 lumps", sparse.string(), runs, scratch);
    } else {
        std::printf("  %-44s skipped: cannot create it in %s\n", "4 GiB sparse WAD",
                    scratch.c_str());
    }
    std::error_code error;
    fs::remove_all(scratch, error);
    return 0;
}
