// Z3DgFiles, the game-file checker run by the launcher:
//     Z3DgFiles CHECKWAD "<wad file>"       lists the maps of a WAD
//     Z3DgFiles GETSAVEHDRS "<save folder>" lists the save games of a folder
// The command word is compared without regard to case. The output formats are described in
// OutputFormatter.h. Exit status: 0 done, 1 the file or folder was unusable, 2 usage error.

#include "OutputFormatter.h"
#include "SaveFolderReader.h"
#include "WadDirectoryReader.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

void print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

int usage()
{
    std::fputs("Usage: Z3DgFiles CHECKWAD \"<wad file>\"\n"
               "       Z3DgFiles GETSAVEHDRS \"<save folder>\"\n",
               stderr);
    return 2;
}

std::string upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace z3d::checker;
    if (argc != 3 || argv[2][0] == '\0') {
        return usage();
    }
    const std::string command = upper(argv[1]);
    const std::filesystem::path target(argv[2]);

    if (command == "CHECKWAD") {
        const WadReport report = WadDirectoryReader::read(target);
        print(OutputFormatter::checkwad(report));
        return report.intact ? 0 : 1;
    }
    if (command == "GETSAVEHDRS") {
        print(OutputFormatter::saveHeaders(SaveFolderReader::read(target)));
        std::error_code error;
        return std::filesystem::is_directory(target, error) ? 0 : 1;
    }
    return usage();
}
