#pragma once

#include <map>
#include <string>
#include <string_view>

namespace orvane {

class TMainGraphs;
class TProject;

struct TCommandState {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

// Which of the main window's commands are enabled, checked and shown, from
// the project, the results of the last plot-data read and the files beside
// the data file. Commands are named as the main window's actions; the
// submenus by their menu names ("SoilSubmenu", "PressureSubmenu",
// "StageMenu"). The graph commands are Comppy, CompDef, CompMom, CompShear,
// CompSoil, DefMomShear, CompLD, CompCombine and ExportPlots.
class TCommandStates {
public:
    TCommandStates(const TProject& project, bool resultsAvailable, const TMainGraphs& graphs);

    // Throws std::out_of_range for a command without rules.
    const TCommandState& operator[](std::string_view command) const;
    bool enabled(std::string_view command) const { return (*this)[command].enabled; }
    const std::map<std::string, TCommandState, std::less<>>& all() const { return states_; }

    // The Graphics menu's commands in menu order.
    static constexpr std::string_view kGraphCommands[] = {"Comppy",  "CompDef", "CompMom",    "CompShear",
                                                          "CompSoil", "DefMomShear", "CompLD", "CompCombine",
                                                          "ExportPlots"};

private:
    void dataCommands(const TProject& project);
    void optionCommands(const TProject& project);
    void stageCommands(const TProject& project);
    void computationCommands(const TProject& project);
    void graphCommands(const TProject& project, bool resultsAvailable, const TMainGraphs& graphs);
    TCommandState& set(const std::string& command, bool enabled, bool visible = true);
    TCommandState& check(const std::string& command, bool checked, bool enabled = true);

    std::map<std::string, TCommandState, std::less<>> states_;
};

}  // namespace orvane
