#include "core/library/ZipAuthentication.h"

#include "core/library/ZipLibrary.h"

#include <memory>
#include <vector>

namespace z3d {

namespace {

constexpr size_t kChunkSize = 256 * 1024;

struct SourceFreer
{
    void operator()(zip_source_t* source) const { ZipLibrary::instance()->sourceFree(source); }
};

bool isAes(zip_uint16_t method)
{
    return method == ZIP_EM_AES_128 || method == ZIP_EM_AES_192 || method == ZIP_EM_AES_256;
}

} // namespace

bool ZipAuthentication::recordsNoCrc(const zip_stat_t& stat)
{
    return (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && isAes(stat.encryption_method) &&
           (stat.valid & ZIP_STAT_CRC) != 0 && stat.crc == 0;
}

bool ZipAuthentication::holds(zip_t* archive, zip_uint64_t index, const char* password)
{
    const ZipLibrary& zip = *ZipLibrary::instance();
    // A member's source takes the archive's default password: it is set for this call only.
    zip.setDefaultPassword(archive, password);
    // Start and length 0: the whole member as stored, decrypted and left compressed.
    const std::unique_ptr<zip_source_t, SourceFreer> source(
        zip.memberSource(archive, archive, index, 0, 0, 0));
    zip.setDefaultPassword(archive, nullptr);
    if (!source || zip.sourceOpen(source.get()) < 0)
        return false;
    std::vector<char> buffer(kChunkSize);
    zip_int64_t read = 0;
    do
        read = zip.sourceRead(source.get(), buffer.data(), buffer.size());
    while (read > 0);
    bool held = read == 0;
    if (!held) {
        // A stored member is read through libzip's CRC check, which compares only once the
        // layers below it (the AES layer's comparison of the code included) have ended
        // cleanly, and from then on reports the CRC it computed. A CRC error with the
        // recorded 0 still reported means a layer below failed.
        zip_stat_t stat;
        zip.statInit(&stat);
        held = zip.errorCode(zip.sourceError(source.get())) == ZIP_ER_CRC &&
               zip.sourceStat(source.get(), &stat) == 0 && (stat.valid & ZIP_STAT_CRC) != 0 &&
               stat.crc != 0;
    }
    zip.sourceClose(source.get());
    return held;
}

} // namespace z3d
