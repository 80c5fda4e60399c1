#include "core/library/ZipLibrary.h"

#include <QLibrary>

namespace z3d {

namespace {

struct Loaded
{
    std::optional<ZipLibrary> functions;
    QString error;
};

const Loaded& launcherLibrary()
{
    static const Loaded loaded = [] {
        Loaded result;
#ifdef Z3D_LIBZIP_FILE
        // Never unloaded: the functions stay valid for the rest of the run.
        static QLibrary library(QStringLiteral(Z3D_LIBZIP_FILE));
        result.functions = ZipLibrary::load(library, result.error);
#else
        result.functions = ZipLibrary{&zip_open,
                                      &zip_discard,
                                      &zip_get_num_entries,
                                      &zip_stat_init,
                                      &zip_stat_index,
                                      &zip_file_get_external_attributes,
                                      &zip_encryption_method_supported,
                                      &zip_compression_method_supported,
                                      &zip_fopen_index,
                                      &zip_fopen_index_encrypted,
                                      &zip_fread,
                                      &zip_fclose,
                                      &zip_file_get_error,
                                      &zip_error_code_zip,
                                      &zip_set_default_password,
                                      &zip_source_zip,
                                      &zip_source_open,
                                      &zip_source_read,
                                      &zip_source_stat,
                                      &zip_source_error,
                                      &zip_source_close,
                                      &zip_source_free};
#endif
        return result;
    }();
    return loaded;
}

} // namespace

const ZipLibrary* ZipLibrary::instance()
{
    const Loaded& loaded = launcherLibrary();
    return loaded.functions ? &*loaded.functions : nullptr;
}

QString ZipLibrary::loadError()
{
    return launcherLibrary().error;
}

std::optional<ZipLibrary> ZipLibrary::load(QLibrary& library, QString& error)
{
    if (!library.load()) {
        error = library.errorString();
        return std::nullopt;
    }
    QString missing;
    const auto resolve = [&library, &missing]<typename Function>(Function& function,
                                                                 const char* name) {
        function = reinterpret_cast<Function>(library.resolve(name));
        if (!function && missing.isEmpty())
            missing = QString::fromLatin1(name);
    };
    ZipLibrary functions{};
    resolve(functions.open, "zip_open");
    resolve(functions.discard, "zip_discard");
    resolve(functions.numEntries, "zip_get_num_entries");
    resolve(functions.statInit, "zip_stat_init");
    resolve(functions.statIndex, "zip_stat_index");
    resolve(functions.externalAttributes, "zip_file_get_external_attributes");
    resolve(functions.encryptionMethodSupported, "zip_encryption_method_supported");
    resolve(functions.compressionMethodSupported, "zip_compression_method_supported");
    resolve(functions.openMember, "zip_fopen_index");
    resolve(functions.openEncryptedMember, "zip_fopen_index_encrypted");
    resolve(functions.read, "zip_fread");
    resolve(functions.closeMember, "zip_fclose");
    resolve(functions.memberError, "zip_file_get_error");
    resolve(functions.errorCode, "zip_error_code_zip");
    resolve(functions.setDefaultPassword, "zip_set_default_password");
    resolve(functions.memberSource, "zip_source_zip");
    resolve(functions.sourceOpen, "zip_source_open");
    resolve(functions.sourceRead, "zip_source_read");
    resolve(functions.sourceStat, "zip_source_stat");
    resolve(functions.sourceError, "zip_source_error");
    resolve(functions.sourceClose, "zip_source_close");
    resolve(functions.sourceFree, "zip_source_free");
    if (!missing.isEmpty()) {
        error = QStringLiteral("%1 has no function %2.").arg(library.fileName(), missing);
        return std::nullopt;
    }
    return functions;
}

} // namespace z3d
