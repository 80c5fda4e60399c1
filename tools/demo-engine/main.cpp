// Zorn3D, the stand-in engine of the demo installation and of whole-program tests. It does no
// more than record how it was started, then exits with status 0 (1 when the record cannot be
// written).
//
// Record format: every run appends exactly one line, ended by LF, to "Zorn3D.out" in the
// current working folder (created when missing):
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

} // namespace

int main(int argc, char* argv[])
{
    std::string line = "Zorn3D";
    for (int i = 1; i < argc; ++i) {
        line += ' ';
        line += bracketed(argv[i]);
    }
    line += '\n';

    std::FILE* out = std::fopen("Zorn3D.out", "ab");
    if (out == nullptr) {
        std::perror("Zorn3D: cannot open Zorn3D.out");
        return 1;
    }
    const bool written = std::fwrite(line.data(), 1, line.size(), out) == line.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        std::fputs("Zorn3D: cannot write Zorn3D.out\n", stderr);
        return 1;
    }
    writeDisplayMode();
    return 0;
}
