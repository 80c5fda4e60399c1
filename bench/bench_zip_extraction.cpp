// Times the launcher's zip extraction against Info-ZIP's unzip on the same archive.
// Builds a zip of 2,000 members of 100 KiB each (about 200 MiB: pseudo-random stretches mixed
// with runs, so deflate has work to do but cannot shrink it to nothing) in a temporary folder,
// then, one after the other in this process,
//   - extracts it with ZipExtraction into one folder, and
//   - runs `unzip -o -j -q <zip> -d <folder>` into another (skipped when unzip is missing),
// and prints each wall time with its peak resident set. The members sit in sub-folders, so
// both extractions flatten them. Usage: bench_zip_extraction [members] (default 2000).

#include "ProcessPeak.h"

#include "core/library/ZipExtraction.h"

#include "support/SilentDialogs.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr zip_uint64_t MemberSize = 100 * 1024;

// One member's bytes, generated as libzip reads them, so the archive is built without holding
// 200 MiB in memory: stretches of xorshift output alternating with runs of one byte.
struct MemberData
{
    std::uint64_t seed = 0;
    std::uint64_t state = 0;
    zip_uint64_t offset = 0;
    zip_uint64_t stretchLeft = 0;
    bool run = false;
    unsigned char runByte = 0;

    std::uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    void reset()
    {
        state = seed * 0x9E3779B97F4A7C15ull + 1;
        offset = 0;
        stretchLeft = 0;
    }
    void fill(unsigned char* out, zip_uint64_t length)
    {
        for (zip_uint64_t i = 0; i < length; ++i) {
            if (stretchLeft == 0) {
                const std::uint64_t r = next();
                run = (r & 3) == 0; // a quarter of the stretches are runs
                stretchLeft = run ? 64 + (r >> 8) % 2048 : 32 + (r >> 8) % 512;
                runByte = static_cast<unsigned char>(r >> 40);
            }
            out[i] = run ? runByte : static_cast<unsigned char>(next() & 0x3F);
            --stretchLeft;
        }
        offset += length;
    }
};

zip_int64_t memberSource(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t cmd)
{
    auto* member = static_cast<MemberData*>(userdata);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        member->reset();
        return 0;
    case ZIP_SOURCE_READ: {
        const zip_uint64_t count = std::min(length, MemberSize - member->offset);
        member->fill(static_cast<unsigned char*>(data), count);
        return static_cast<zip_int64_t>(count);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = MemberSize;
        stat->mtime = 1700000000;
        stat->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return 2 * sizeof(int);
    case ZIP_SOURCE_FREE:
        delete member;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_READABLE;
    default:
        return -1;
    }
}

bool buildArchive(const QString& path, int members)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (int i = 0; i < members; ++i) {
        auto* member = new MemberData;
        member->seed = static_cast<std::uint64_t>(i) + 1;
        zip_source_t* source = zip_source_function(archive, memberSource, member);
        if (!source) {
            delete member;
            zip_discard(archive);
            return false;
        }
        const QByteArray name = QStringLiteral("pack%1/maps/file%2.wad")
                                    .arg(i % 20, 2, 10, QLatin1Char('0'))
                                    .arg(i, 4, 10, QLatin1Char('0'))
                                    .toUtf8();
        const zip_int64_t index = zip_file_add(archive, name.constData(), source, 0);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 6);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return true;
}

double mebibytes(long kibibytes)
{
    return double(kibibytes) / 1024.0;
}

long selfPeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct FolderTotal
{
    int files = 0;
    qint64 bytes = 0;
};

FolderTotal total(const QString& folder)
{
    FolderTotal result;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        result.bytes += file.size(), ++result.files;
    return result;
}

// Runs unzip into folder and prints its figures; its wall time in seconds, or a negative
// number when it did not run or failed.
double runUnzip(const QString& unzip, const QString& zipPath, const QString& folder)
{
    const std::string program = QFile::encodeName(unzip).toStdString();
    std::string zipArg = QFile::encodeName(zipPath).toStdString();
    std::string folderArg = QFile::encodeName(folder).toStdString();
    std::string name = "unzip", o = "-o", j = "-j", q = "-q", d = "-d";
    char* argv[] = {name.data(),   o.data(), j.data(),         q.data(),
                    zipArg.data(), d.data(), folderArg.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::printf("  %-34s could not be started\n", "unzip -o -j -q");
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    // The child's own rusage peak would include this process's resident set at the spawn, so
    // its VmHWM (which starts afresh at exec) is sampled until it ends.
    int status = 0;
    long peakKiB = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        peakKiB = std::max(peakKiB, z3d::bench::peakResidentKiB(pid));
        usleep(2000);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    const FolderTotal written = total(folder);
    const bool succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::printf("  %-34s %8.2f s   peak RSS %7.1f MiB   %d files, %.1f MiB%s\n", "unzip -o -j -q",
                seconds, mebibytes(peakKiB), written.files, double(written.bytes) / 1048576.0,
                succeeded ? "" : "   (unzip failed)");
    return succeeded ? seconds : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const int members = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "bench_zip_extraction: cannot create a temporary folder\n");
        return 1;
    }
    const QString zipPath = scratch.filePath(QStringLiteral("bench.zip"));
    QElapsedTimer timer;
    timer.start();
    if (!buildArchive(zipPath, members)) {
        std::fprintf(stderr, "bench_zip_extraction: cannot build %s\n", qPrintable(zipPath));
        return 1;
    }
    std::printf("Archive: %d members of %llu KiB, %.1f MiB unpacked, %.1f MiB zipped "
                "(built in %.1f s)\n",
                members, static_cast<unsigned long long>(MemberSize / 1024),
                double(MemberSize) * members / 1048576.0,
                double(QFileInfo(zipPath).size()) / 1048576.0, double(timer.elapsed()) / 1000.0);
    const long baseline = selfPeakKiB();

    // No question is asked of a benchmark: the archive holds no encrypted member.
    z3d::test::SilentDialogs dialogs;
    z3d::ZipExtraction extraction(dialogs);
    const QString ours = scratch.filePath(QStringLiteral("ours"));
    timer.restart();
    const bool ok = extraction.extract(zipPath, ours);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const FolderTotal written = total(ours);
    std::printf("  %-34s %8.2f s   peak RSS %7.1f MiB   %d files, %.1f MiB%s\n",
                "ZipExtraction::extract", seconds, mebibytes(selfPeakKiB()), written.files,
                double(written.bytes) / 1048576.0, ok ? "" : "   (extraction failed)");
    std::printf("  %-34s            peak RSS %7.1f MiB before extracting\n", "",
                mebibytes(baseline));

    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty()) {
        std::printf("  %-34s skipped: unzip is not installed\n", "unzip -o -j -q");
    } else {
        const QString theirs = scratch.filePath(QStringLiteral("unzip"));
        QDir().mkpath(theirs);
        const double unzipSeconds = runUnzip(unzip, zipPath, theirs);
        if (ok && unzipSeconds > 0)
            std::printf("  ratio ZipExtraction / unzip %20.2fx time\n", seconds / unzipSeconds);
    }
    return ok ? 0 : 1;
}
