#pragma once

// The console's report, keeping each run's time by name, so that a
// benchmark can print the ratios it is run for at the end.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class CTimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            m_aTime[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

protected:
    std::map<std::string, double> m_aTime;
};
