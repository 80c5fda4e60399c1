// Zip extraction of arbitrary bytes into a scratch folder: nothing lands outside it, nothing
// inside it is a link or a folder or has a name the engine could not be given, no more is
// written than the archive's directory declares, and no temporary is left behind.

#include "FuzzScratch.h"

#include "core/launch/EngineCommandLine.h"
#include "core/library/ZipExtraction.h"
#include "support/SilentDialogs.h"

#include <QDir>
#include <QFileInfo>

using namespace z3d;
using z3d::fuzz::require;

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path root = z3d::fuzz::scratchFolder();
    const QString zip = QString::fromStdString(z3d::fuzz::scratchFile(
        "input.zip", std::string_view(reinterpret_cast<const char*>(data), size)));
    const QString target = QString::fromStdString((root / "target").string());
    QDir(target).removeRecursively();
    const QStringList around = entries(QString::fromStdString(root.string()));

    z3d::test::SilentDialogs dialogs; // declines every password
    ZipExtraction extraction(dialogs);
    extraction.extract(zip, target);

    QStringList after = entries(QString::fromStdString(root.string()));
    after.removeAll(QStringLiteral("target"));
    QStringList before = around;
    before.removeAll(QStringLiteral("target"));
    require(after == before, "nothing lands beside the target folder");
    qint64 bytes = 0;
    for (const QString& name : entries(target)) {
        const QFileInfo info(target + u'/' + name);
        bytes += info.size();
        require(info.isFile() && !info.isSymLink(), "only plain files land in the folder");
        require(!name.startsWith(QLatin1String(".z3dzip-")), "no temporary is left behind");
        require(EngineCommandLine::canQuote(name), "every file can be quoted for the engine");
    }
    require(entries(target).size() <= extraction.lastRun().written,
            "every file in the folder was written by this run");
    require(bytes <= extraction.lastRun().requiredBytes,
            "no more is written than the directory declares");
    return 0;
}
