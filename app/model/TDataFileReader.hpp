#pragma once

#include "model/TFileUnits.hpp"
#include "model/TLayout.hpp"
#include "model/TWordReader.hpp"

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class TGridTable;
class TProject;

// Reads data files and stage files into a project. A read stops at the first
// error; the project keeps what was read, every table gets at least its
// minimum number of rows, and the error's message is returned for the
// caller to show.
class TDataFileReader {
public:
    // Replaces the project with the one in the file (of the given layout).
    // On an error, stoppedAt (when given) receives the line and item where
    // the reading stopped (line 0 when the file could not be read at all).
    static std::optional<std::string> readProject(TProject& project, const std::filesystem::path& path,
                                                  TLayout layout, TWordReader::Position* stoppedAt = nullptr);
    static std::optional<std::string> readProjectText(TProject& project, std::string_view text, TLayout layout);

    // Reads a stage file into the current project, under the layout the
    // project remembers (older stage files are read while converting them).
    static std::optional<std::string> readStage(TProject& project, const std::filesystem::path& path,
                                                TWordReader::Position* stoppedAt = nullptr);

private:
    TDataFileReader(TProject& project, TWordReader& words, TLayoutFeatures features);

    struct Counts {
        int restraints = 0;
        int stiffness = 0;
        int pyModification = 0;
        int pressureCode = 0;
        int pyCode = 0;
        int pySets = 0;
        int meiSets = 0;
        int tiebacks = 0;
    };

    template <class Read>
    static std::optional<std::string> guarded(TProject& project, Read read);
    template <class MakeWords>
    static std::optional<std::string> readNewProject(TProject& project, TLayout layout, MakeWords makeWords,
                                                     TWordReader::Position* stoppedAt);
    int readCount(int capacity, const char* what);
    void checkCount(int count, int capacity, const char* what) const;
    void readFile();
    void readStageFile();
    void readSet(bool longTerm);
    Counts readControlLine();
    void applyOptions(const Counts& counts);
    void readWallLine();
    void readTables(const Counts& counts, bool longTerm);
    void readTiebacks(int count);
    void readSoilBlock(bool longTerm);
    void readSurcharges(bool longTerm);
    void readLayers(bool longTerm);
    void readLayerProperties(TGridTable& parameters, int soilType, bool longTerm);
    void readCurves(const Counts& counts);
    template <class ReadSetLine>
    void readCurveSets(TGridTable& sets, int count, ReadSetLine readSetLine);
    void readRows(TGridTable& table, int count, std::initializer_list<int> columns,
                  std::initializer_list<TFileQuantity> quantities = {});
    void readCell(TGridTable& table, int row, int column, TFileQuantity quantity = TFileQuantity::Plain);

    TProject& project_;
    TWordReader& words_;
    TLayoutFeatures features_;
};

}  // namespace orvane
