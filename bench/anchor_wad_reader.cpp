// The checker's speed anchor: the least a program can do to answer CHECKWAD, in C style with
// stdio only. It reads the 12-byte header and the lump directory, counts the markers followed
// by THINGS or TEXTMAP and prints the count. No bounds beyond what keeps it from crashing:
// it measures the floor, not a usable reader.

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    std::FILE* file = std::fopen(argv[1], "rb");
    if (!file)
        return 1;
    unsigned char header[12];
    if (std::fread(header, 1, 12, file) != 12)
        return 1;
    const long count =
        long(header[4]) | long(header[5]) << 8 | long(header[6]) << 16 | long(header[7]) << 24;
    const unsigned long offset = unsigned(header[8]) | unsigned(header[9]) << 8 |
                                 unsigned(header[10]) << 16 | unsigned(header[11]) << 24;
    if (count < 0 || count > (1L << 22) || std::fseek(file, long(offset), SEEK_SET) != 0)
        return 1;
    unsigned char* directory = static_cast<unsigned char*>(std::malloc(size_t(count) * 16 + 16));
    const size_t read = std::fread(directory, 16, size_t(count), file);
    int maps = 0;
    for (size_t i = 0; i + 1 < read; ++i) {
        const char* next = reinterpret_cast<const char*>(directory + (i + 1) * 16 + 8);
        if (std::strncmp(next, "THINGS", 8) == 0 || std::strncmp(next, "TEXTMAP", 8) == 0)
            ++maps;
    }
    std::printf("Number of maps: %d\n", maps);
    std::free(directory);
    std::fclose(file);
    return 0;
}
