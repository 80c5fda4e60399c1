#pragma once

#include <zip.h>

namespace z3d {

// The check of a WinZip AES member that records no CRC.
//
// Such a member (WinZip's "AE-2" form, which 7-Zip writes) records its CRC as 0: the
// authentication code after its encrypted data is its only check. libzip 1.7.3 compares the
// zero CRC all the same, so every read of such a member ends in a CRC error; and when the
// member is compressed, its reads never compare the authentication code, since decompressing
// ends with the compressed stream, before the AES layer reaches the code.
class ZipAuthentication
{
public:
    // The member is AES-encrypted and records no CRC: only its authentication code vouches
    // for its data.
    static bool recordsNoCrc(const zip_stat_t& stat);
    // Whether the authentication code of member index holds for password. The member's data
    // is decrypted, never decompressed, to its end, where libzip's AES layer compares the code.
    static bool holds(zip_t* archive, zip_uint64_t index, const char* password);
};

} // namespace z3d
