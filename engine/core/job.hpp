#pragma once
// One analysis job: the control file, the four streams and the loop over the
// analysis sets of the data file. Owns every table of the job.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/control_file.hpp"
#include "core/engine_api.hpp"
#include "core/input_reader.hpp"
#include "core/iteration.hpp"
#include "core/plot_data.hpp"
#include "core/report.hpp"
#include "core/set_data.hpp"
#include "core/stations.hpp"
#include "io/free_reader.hpp"
#include "io/records.hpp"
#include "soil/soil_input.hpp"

namespace orvane::engine {

class Job {
public:
    Job(std::filesystem::path workDir, Clock clock);
    JobOutcome run();

private:
    bool openStreams(JobOutcome& outcome);
    void runSets(io::FreeReader& in, JobOutcome& outcome);
    void writeHeader(const SetData& set);
    void caseLine(const SetData& set);
    void endOfJob();
    void closeStreams(JobOutcome& outcome);
    JobFile fileOf(const std::string& path) const;
    void writeFailed(JobOutcome& outcome, const std::string& path, int error);

    std::filesystem::path workDir_;
    Clock clock_;
    ControlFile control_;
    std::string dataText_;
    bool dataRead_ = false;
    io::Records reportFile_, plotFile_, notesFile_;
    Report report_{reportFile_};
    PlotData plot_{plotFile_};

    int setCounter_ = 0;
    std::string firstTitle_, title_;
    int caseCount_ = 1;
    int units_ = 0;  // unit code of the last control line read

    StationTables tables_;
    Table W_;  // deflections; survive into the next set for its first rigidity update
    SoilState soil_;
    Iteration iteration_;
    std::vector<ResultRow> lastRows_;  // results of the last completed set
    int lastUnits_ = 0;
    bool anyCompleted_ = false;
};

}  // namespace orvane::engine
