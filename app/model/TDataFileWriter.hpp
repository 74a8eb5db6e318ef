#pragma once

#include "model/TFileUnits.hpp"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace orvane {

class TGridTable;
class TProject;

// Writes a project in the current data-file layout. Before writing it
// brings the options into the file's terms: tables of switched-off options
// are emptied and the control codes are derived into the project data.
class TDataFileWriter {
public:
    explicit TDataFileWriter(TProject& project) : project_(project) {}

    // The data file of an unstaged project: one set ending in "0", or a
    // short-term set ending in "9", the long-term set and a final "0".
    std::string dataFileText();
    // The stage file of the current stage: the stage title, one set, the
    // stage number.
    std::string stageFileText();

    void writeDataFile(const std::filesystem::path& path);
    void writeStageFile(const std::filesystem::path& path);

private:
    struct Item {
        const TGridTable& table;
        int row;
        int column;
        TFileQuantity quantity = TFileQuantity::Plain;
    };

    void prepare();
    void writeSet(const std::string& title, bool longTerm, int marker);
    void controlLine(bool longTerm);
    void wallLine();
    void tableLines();
    void pressureLines(bool longTerm);
    void soilLines(bool longTerm);
    void curveLines();
    void countedRows(const TGridTable& table, std::initializer_list<int> columns);
    void rows(const TGridTable& table, std::initializer_list<int> columns,
              std::initializer_list<TFileQuantity> quantities = {});
    std::string itemText(const Item& item) const;
    void line(const std::string& text);

    TProject& project_;
    std::string out_;
};

}  // namespace orvane
