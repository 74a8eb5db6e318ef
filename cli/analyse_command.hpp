#pragma once
// Analysis of data files: the runner's default mode.

#include <string>
#include <vector>

namespace orvane::cli {

struct AnalyseOptions {
    std::vector<std::string> files;
    int jobs = 1;       // jobs side by side; 0 means one per core
    bool json = false;  // the summary as one JSON document
};

// Analyses every file in turn and prints its summary; returns the exit status.
int runAnalyse(const AnalyseOptions& options);

}  // namespace orvane::cli
