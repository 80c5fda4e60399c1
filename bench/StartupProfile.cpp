#include "StartupProfile.h"

#include "BenchLibrary.h"

#include <algorithm>
#include <cstdio>

namespace z3d::bench {

StartupProfile::Step& StartupProfile::step(const std::string& name)
{
    const auto found = std::find_if(m_steps.begin(), m_steps.end(),
                                    [&name](const Step& s) { return s.name == name; });
    if (found != m_steps.end())
        return *found;
    m_steps.push_back({name, {}, {}, {}});
    return m_steps.back();
}

bool StartupProfile::add(long long spawnedUs, const QByteArray& trace, long long mappedUs)
{
    // startup <TAB> since first <TAB> since previous <TAB> processor <TAB> steady us <TAB> step
    long long previousUs = spawnedUs;
    bool any = false;
    for (const QByteArray& line : trace.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 6 || fields.at(0) != "startup")
            continue;
        bool ok = false;
        const long long atUs = fields.at(4).toLongLong(&ok);
        if (!ok)
            continue;
        Step& reached = step(fields.at(5).toStdString());
        reached.atMs.push_back((atUs - spawnedUs) / 1000.0);
        reached.tookMs.push_back((atUs - previousUs) / 1000.0);
        reached.processorMs.push_back(fields.at(3).toDouble());
        previousUs = atUs;
        any = true;
    }
    if (any)
        m_mappedMs.push_back((mappedUs - spawnedUs) / 1000.0);
    return any;
}

void StartupProfile::print(const char* what) const
{
    std::printf("Start-up profile, %s (medians of %zu starts)\n", what, m_mappedMs.size());
    std::printf("  %-46s %8s %8s %14s\n", "step reached", "at ms", "took ms", "processor ms");
    for (Step s : m_steps)
        std::printf("  %-46s %8.1f %8.1f %14.1f\n", s.name.c_str(), median(s.atMs),
                    median(s.tookMs), median(s.processorMs));
    std::vector<double> mapped = m_mappedMs;
    std::printf("  %-46s %8.1f\n", "window mapped (seen on the display)", median(mapped));
}

} // namespace z3d::bench
