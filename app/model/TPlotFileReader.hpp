#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvane {

class TMainGraphs;
class TProject;
class TWordReader;
class TGraphPlot;
class TCurveList;

// Fills the result graphs from the plot-data file the engine leaves beside
// the data file: per analysis set the earth-pressure block, the p-y block and
// the depth results. The graphs are emptied first and refilled; the largest
// earth-pressure point count goes to the project's PressurePointCount.
class TPlotFileReader {
public:
    // The one message the main window shows when a read fails; the word
    // reader's own message is not shown.
    static constexpr const char* kErrorMessage = "An error occured in running the main program.";

    // True when the whole file was read. On a read failure the curves filled
    // so far keep their points, the captions and units are left as they
    // were, and `error` (when given) receives the word reader's message.
    static bool read(TMainGraphs& graphs, TProject& project, const std::filesystem::path& path,
                     std::string* error = nullptr);
    // The file beside a data file: the run's plot data (TControlFile::plotData).
    static std::filesystem::path plotFilePath(const std::filesystem::path& dataFile);

private:
    TPlotFileReader(TMainGraphs& graphs, TProject& project, TWordReader& reader, std::uintmax_t fileSize);
    void readAll();
    void readFirstCase();
    void readLaterCase(int k);
    void readPYBlock();
    void readDepthRows(int curve, int count);
    std::string curveDepthName(double value) const;
    void addLayerOverlay();
    void fillShortCurves();
    void setCaptions();
    int count(int capacity, const char* what);

    TMainGraphs& g_;
    TProject& project_;
    TWordReader& in_;
    std::uintmax_t fileSize_;
    int caseCount_ = 1;
    int units_ = 0;
    int largestDepthCount_ = 0;
};

}  // namespace orvane
