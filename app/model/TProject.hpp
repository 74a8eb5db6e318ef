#pragma once

#include "model/TOption.hpp"
#include "model/TProgramData.hpp"
#include "model/TProjectTables.hpp"

#include <memory>

namespace orvane {

// The project in memory: its single values (replaced whole by a new
// project), its tables (kept, emptied and refilled) and its modified state.
class TProject {
public:
    TProject();

    TProgramData& data() { return *data_; }
    const TProgramData& data() const { return *data_; }
    TProjectTables& tables() { return tables_; }
    const TProjectTables& tables() const { return tables_; }

    // Defaults everywhere, English units, every table at its minimum number of
    // rows, unmodified.
    void newProject();

    // Converts the single values (between English and SI only) and every
    // table to the new system; codes outside 1-3 are clamped.
    void setUnitSystem(int code);

    // Modified when the project's flag is set or any table was edited.
    bool isModified() const;
    void setModified(bool modified);

    bool option(TOption option) const;
    void setOption(TOption option, bool on);
    void toggleOption(TOption option);
    // The table whose window closes when the option is switched off (none for
    // p-y generation and long-term analyses).
    TGridTable* optionTable(TOption option);

    // 1 user-specified, 2 triangular, 3 trapezoidal. Choosing a generated
    // distribution also marks the earth pressure as generated, so that it is
    // written without generated p-y curves too.
    void setEarthPressureChoice(int choice);
    // Opening the earth-pressure submenu turns a choice of 0 into 1 and brings
    // the user-pressure flag in step with the choice.
    void openEarthPressureMenu();

private:
    void convertSingleValues(double length, double force);
    void convertSurcharges(double length, double force);

    std::unique_ptr<TProgramData> data_;
    TProjectTables tables_;
    bool modified_ = false;
};

}  // namespace orvane
