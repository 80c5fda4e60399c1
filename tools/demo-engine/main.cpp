// Zorn3D, the stand-in engine of the demo installation and of whole-program tests. It does no
// more than record how it was started, then exits with status 0 (1 when the record cannot be
// written).
//
// Record format: every run appends exactly one line, ended by LF, to "Zorn3D.out" in the
// current working folder (created when missing); the file changes in one step, so it is never
// seen holding part of a line:
//
//     Zorn3D[ [<argument 1>]][ [<argument 2>]]...
//
// that is, the word "Zorn3D" and then, for each argument in order, one blank and the argument
// between square brackets. A run without arguments writes "Zorn3D" alone. Arguments are
// written byte for byte (blanks, double quotes and backslashes stay as they are), except four
// characters that would break the line or its brackets, which are written as a percent sign
// and two upper-case hex digits: '%' as %25, ']' as %5D, CR as %0D and LF as %0A.
//
// Example: the arguments  -iwad  Iwads\Doom2.wad  say "hi"  give the line
//     Zorn3D [-iwad] [Iwads\Doom2.wad] [say "hi"]
//
// Like a real engine it also leaves its display mode in bin/Z3Dres.out.

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string bracketed(const char* argument)
{
    std::string text = "[";
    for (const char* p = argument; *p != '\0'; ++p) {
        switch (*p) {
        case '%':
            text += "%25";
            break;
        case ']':
            text += "%5D";
            break;
        case '\r':
            text += "%0D";
            break;
        case '\n':
            text += "%0A";
            break;
        default:
            text += *p;
        }
    }
    return text + "]";
}

// The display mode a real engine leaves for the launcher, in Bin/Z3Dres.out (the installation's
// bin folder, whichever case it has): windowed or fullscreen, resolution, "*", refresh rate.
void writeDisplayMode()
{
    for (const char* path : {"bin/Z3Dres.out", "Bin/Z3Dres.out"}) {
        if (std::FILE* mode = std::fopen(path, "wb")) {
            std::fputs("F 1280 x 1024 x 32 * 75 Hz\r\n", mode);
            std::fclose(mode);
            return;
        }
    }
}

// Appends line to Zorn3D.out so that it appears whole: the record with the new line is written
// beside it and renamed over it, and whoever sees the file (a test that waits for the engine)
// never reads a record cut short.
bool appendRecord(const std::string& line)
{
    std::string record;
    if (std::FILE* in = std::fopen("Zorn3D.out", "rb")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            record.append(buffer, read);
        std::fclose(in);
    }
    record += line;
    const std::string part = "Zorn3D.out.part";
    std::FILE* out = std::fopen(part.c_str(), "wb");
    if (out == nullptr) {
        std::perror("Zorn3D: cannot open Zorn3D.out");
        return false;
    }
    const bool written = std::fwrite(record.data(), 1, record.size(), out) == record.size();
    const bool closed = std::fclose(out) == 0;
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(part, "Zorn3D.out", error);
    if (!written || !closed || error) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string line = "Zorn3D";
    for (int i = 1; i < argc; ++i) {
        line += ' ';
        line += bracketed(argv[i]);
    }
    line += '\n';

    if (!appendRecord(line)) {
        std::fputs("Zorn3D: cannot write Zorn3D.out\n", stderr);
        return 1;
    }
    writeDisplayMode();
    return 0;
}
