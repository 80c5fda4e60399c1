#pragma once

// The launcher's start-up profile over several traced starts (Z3D_STARTUP_TRACE): where the
// time from the process's start to its window mapped goes.

#include <QByteArray>

#include <string>
#include <vector>

namespace z3d::bench {

class StartupProfile
{
public:
    // One start: its trace (the launcher's standard error), the steady-clock microseconds at
    // which the process was started and at which its window was seen mapped. False when the
    // trace holds no step.
    bool add(long long spawnedUs, const QByteArray& trace, long long mappedUs);
    // Each step in the launcher's order with the medians of its time since the process started,
    // of its own duration (since the previous step; the first since the process started) and of
    // the processor time the process spent in it, then the window mapped; under the heading
    // "Start-up profile, <what> (medians of N starts)".
    void print(const char* what) const;

private:
    struct Step
    {
        std::string name;
        std::vector<double> atMs;
        std::vector<double> tookMs;
        std::vector<double> processorMs;
    };
    Step& step(const std::string& name);

    std::vector<Step> m_steps;
    std::vector<double> m_mappedMs;
};

} // namespace z3d::bench
