#pragma once
// Runs engine jobs in a private temporary folder: writes the data file and the
// control file, runs the job with a fixed clock and hands back the files.

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine_api.hpp"
#include "model/TTempFolder.hpp"

namespace orvane::test {

std::string readFile(const std::filesystem::path& p);
std::vector<std::string> lines(const std::string& text);  // split at LF, CR removed
std::string crlf(const std::string& text);                 // LF to CR LF

// 10 December 2026, 06:30:05
std::tm fixedTime();

class JobFolder {
public:
    const std::filesystem::path& dir() const { return folder_.path(); }
    std::filesystem::path data() const { return dir() / "wall.ov5d"; }

    // Writes the data file (LF turned into CR LF) and the control file.
    void write(const std::string& dataText, const std::string& controlName = "names.dat");
    engine::JobOutcome run();
    engine::JobOutcome run(const std::string& dataText) { write(dataText); return run(); }

    std::string report() const { return readFile(dir() / "wall.ov5o"); }
    std::string plot() const { return readFile(dir() / "wall.ov5p"); }
    std::string notes() const { return readFile(dir() / "wall.ov5r"); }

private:
    TTempFolder folder_{"orvane-test", "test folder"};
};

// Numbers of a free-format text, in order.
std::vector<double> numbers(const std::string& text);

// The results blocks of a plot-data file: rows of x, deflection, moment, shear, reaction.
struct ResultsBlock {
    int caseCount = 0;
    int units = 0;
    std::vector<std::array<double, 5>> rows;
};
std::vector<ResultsBlock> resultsBlocks(const std::string& plotText, int sets);

}  // namespace orvane::test
