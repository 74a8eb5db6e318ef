#include "model/TCommandStates.hpp"

#include "model/TControlFile.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TProject.hpp"
#include "model/TStageFiles.hpp"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace orvane {

namespace {

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

// A graph is worth showing when it has a curve with more than one point.
bool holdsCurves(const TGraphPlot& graph)
{
    return graph.Lines.curveCount() >= 1 && graph.Lines.pointCount() > 1;
}

}  // namespace

TCommandStates::TCommandStates(const TProject& project, bool resultsAvailable, const TMainGraphs& graphs)
{
    dataCommands(project);
    optionCommands(project);
    stageCommands(project);
    computationCommands(project);
    graphCommands(project, resultsAvailable, graphs);
}

const TCommandState& TCommandStates::operator[](std::string_view command) const
{
    const auto found = states_.find(command);
    if (found == states_.end()) throw std::out_of_range("no rules for the command " + std::string(command));
    return found->second;
}

TCommandState& TCommandStates::set(const std::string& command, bool enabled, bool visible)
{
    TCommandState& state = states_[command];
    state.enabled = enabled;
    state.visible = visible;
    return state;
}

TCommandState& TCommandStates::check(const std::string& command, bool checked, bool enabled)
{
    TCommandState& state = set(command, enabled);
    state.checked = checked;
    return state;
}

// The soil layers and the wall configuration matter only when something is
// generated from the soil; a long-term project shows both sets of layers
// and pressures in submenus instead.
void TCommandStates::dataCommands(const TProject& project)
{
    const TProgramData& d = project.data();
    const bool configurable = d.GeneratePYCurves || d.GeneratedEarthPressure;
    const bool longTerm = d.UseLongTerm;
    set("DataWallConfiguration", configurable);
    set("DataSoilLayers", configurable, !longTerm);
    set("SoilSubmenu", configurable, longTerm);
    for (const char* name : {"DataSoilShort", "DataSoilLong"}) set(name, true, longTerm && d.StageCount <= 1);
    set("DataPressure", d.UserEarthPressure, !longTerm);
    set("PressureSubmenu", d.UserEarthPressure, longTerm);
    set("DataSurcharge", d.UseSurcharges);
    set("DataConcentrated", d.UseConcentratedLoads);
    set("DataTieback", d.UseTiebacks);
    set("DataRestraints", d.UseRestraints);
    set("DataPYMod", d.UsePYModification);
    set("DataExternalPY", d.UseExternalPY);
    set("DataSprings", d.UseSprings);
    set("DataMEI", d.UseMEICurves);
    set("ToolSoilLayers", !longTerm);
}

void TCommandStates::optionCommands(const TProject& project)
{
    const TProgramData& d = project.data();
    for (int system = 1; system <= 3; ++system) check("Units" + std::to_string(system), d.Units == system);
    for (int choice = 1; choice <= 3; ++choice)
        check("Pressure" + std::to_string(choice), d.EarthPressureChoice == choice);
    const std::pair<const char*, TOption> options[] = {
        {"OptGeneratePY", TOption::GeneratePYCurves}, {"OptConcentrated", TOption::ConcentratedLoads},
        {"OptTiebacks", TOption::Tiebacks},           {"OptRestraints", TOption::Restraints},
        {"OptExternalPY", TOption::ExternalPY},       {"OptSprings", TOption::Springs},
        {"OptPYMod", TOption::PYModification},        {"OptSurcharges", TOption::Surcharges},
        {"OptMEI", TOption::MEICurves},
    };
    for (const auto& [name, option] : options) check(name, project.option(option));
    const bool staged = d.StageCount > 1;
    check("OptLongTerm", d.UseLongTerm, !staged);
    check("OptStaged", staged, !d.UseLongTerm);
    set("ToolStaged", !d.UseLongTerm);
}

void TCommandStates::stageCommands(const TProject& project)
{
    const TProgramData& d = project.data();
    const bool staged = d.StageCount > 1;
    set("StageMenu", true, staged);
    for (int n = 1; n <= TStageFiles::kMaxStages; ++n) {
        TCommandState& state = check("Stage" + std::to_string(n), staged && n == d.CurrentStage, n <= d.StageCount);
        state.visible = staged;
    }
    set("CopyPreviousStage", staged && d.CurrentStage > 1);
}

void TCommandStates::computationCommands(const TProject& project)
{
    // A project recovered from a damaged file has no files of its own yet:
    // the damaged file and the results beside it are not this project's.
    const bool own = !project.data().Recovered;
    const std::filesystem::path data = project.data().FileName;
    set("EditInput", own && fileExists(data));
    set("EditNotes", own && fileExists(TControlFile::runNotes(data)));
    set("EditOutput", own && fileExists(TControlFile::report(data)));
}

void TCommandStates::graphCommands(const TProject& project, bool resultsAvailable, const TMainGraphs& graphs)
{
    const bool results = resultsAvailable && fileExists(TControlFile::plotData(project.data().FileName));
    const std::pair<const char*, const TGraphPlot*> withCurves[] = {
        {"Comppy", &graphs.pltPY},     {"CompDef", &graphs.pltDef}, {"CompMom", &graphs.pltMom},
        {"CompShear", &graphs.pltShear}, {"CompSoil", &graphs.pltSoil}, {"CompLD", &graphs.pltLD},
    };
    for (const auto& [name, graph] : withCurves) set(name, results && holdsCurves(*graph));
    set("DefMomShear", enabled("CompDef") && enabled("CompMom") && enabled("CompShear"));
    set("CompCombine", results);
    set("ExportPlots", results);
}

}  // namespace orvane
