#include "core/app/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace z3d {

void StartupTrace::mark(const char* step)
{
    // std::getenv, not Qt: the first step is marked during static initialisation.
    static const bool enabled = std::getenv("Z3D_STARTUP_TRACE") != nullptr;
    if (!enabled)
        return;
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point first = Clock::now();
    static Clock::time_point previous = first;
    static std::clock_t previousCpu = 0;
    const Clock::time_point now = Clock::now();
    const std::clock_t cpu = std::clock();
    const auto ms = [](Clock::duration span) {
        return std::chrono::duration<double, std::milli>(span).count();
    };
    const long long steadyMicroseconds =
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count();
    std::fprintf(stderr, "startup\t%.3f\t%.3f\t%.3f\t%lld\t%s\n", ms(now - first),
                 ms(now - previous), 1000.0 * double(cpu - previousCpu) / CLOCKS_PER_SEC,
                 steadyMicroseconds, step);
    previous = now;
    previousCpu = cpu;
}

} // namespace z3d
