#pragma once

#include <QString>

#include <zip.h>

#include <optional>

class QLibrary;

namespace z3d {

// The libzip functions the zip extraction calls. Where the build knows the library's file name
// (Z3D_LIBZIP_FILE), the library is loaded the first time a zip is opened rather than with the
// launcher: with the cryptography library it brings along, its loading is a tenth of every
// start, and most starts open no zip. Elsewhere the functions are those linked in.
struct ZipLibrary
{
    decltype(&zip_open) open;
    decltype(&zip_discard) discard;
    decltype(&zip_get_num_entries) numEntries;
    decltype(&zip_stat_init) statInit;
    decltype(&zip_stat_index) statIndex;
    decltype(&zip_file_get_external_attributes) externalAttributes;
    decltype(&zip_encryption_method_supported) encryptionMethodSupported;
    decltype(&zip_compression_method_supported) compressionMethodSupported;
    decltype(&zip_fopen_index) openMember;
    decltype(&zip_fopen_index_encrypted) openEncryptedMember;
    decltype(&zip_fread) read;
    decltype(&zip_fclose) closeMember;
    decltype(&zip_file_get_error) memberError;
    decltype(&zip_error_code_zip) errorCode;
    decltype(&zip_set_default_password) setDefaultPassword;
    decltype(&zip_source_zip) memberSource;
    decltype(&zip_source_open) sourceOpen;
    decltype(&zip_source_read) sourceRead;
    decltype(&zip_source_stat) sourceStat;
    decltype(&zip_source_error) sourceError;
    decltype(&zip_source_close) sourceClose;
    decltype(&zip_source_free) sourceFree;

    // The launcher's functions, loaded on the first call; null when the library cannot be
    // loaded or lacks one of them, and then loadError() says why.
    static const ZipLibrary* instance();
    static QString loadError();

    // The functions of library, loading it when it is not loaded yet. Nothing when it cannot
    // be loaded or lacks a function, with the reason in error.
    static std::optional<ZipLibrary> load(QLibrary& library, QString& error);
};

} // namespace z3d
