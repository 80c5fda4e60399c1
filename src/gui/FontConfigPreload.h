#pragma once

#include <thread>

namespace z3d {

// The first text a window shows makes the font library read its configuration: on Linux,
// fontconfig parses some ninety XML files, the largest single step of the launcher's start. The
// preload reads it on a thread of its own from the start of the program, while the application
// object connects to the display, and wait() returns once it is read, before the first font is
// asked for. Where the build has no fontconfig it does nothing.
class FontConfigPreload
{
public:
    FontConfigPreload();
    // Waits for an unfinished read.
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the configuration is read; at once after the first call.
    void wait();

private:
    std::thread m_reader;
};

} // namespace z3d
