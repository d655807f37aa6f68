// A reporter that keeps every repetition of every benchmark and, at the end, prints one table of
// medians, spreads, ratios and targets.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace trellis {

class TableReporter : public benchmark::BenchmarkReporter {
public:
    // machine describes where the run happened; it heads the table.
    explicit TableReporter(std::string machine) : machine(std::move(machine)) {}

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Repetitions of one benchmark at one size.
    struct Series {
        std::vector<double> seconds;                          // per iteration, as timed
        std::map<std::string, std::vector<double>> counters;  // by counter name
        std::string label;                                    // the benchmark's own note
        std::string error;                                    // why it did not run
    };

private:
    std::string machine;
    std::string loadAtStart;
    std::map<std::string, std::map<long, Series>> results;  // family, then size
};

}  // namespace trellis
