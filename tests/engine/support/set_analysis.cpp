#include "set_analysis.hpp"

#include <sstream>

#include "core/input_reader.hpp"
#include "core/plot_data.hpp"
#include "job_fixture.hpp"

namespace orvane::test {

SetAnalysis analyse(const std::string& text)
{
    JobFolder folder;
    SetAnalysis a;
    {
        io::Records reportFile, plotFile, notesFile;
        reportFile.open(folder.dir() / "report");
        plotFile.open(folder.dir() / "plot");
        notesFile.open(folder.dir() / "notes");
        engine::Report report(reportFile);
        engine::PlotData plot(plotFile);
        std::istringstream in(text);
        io::FreeReader reader(in);
        a.set.control = engine::readControlLine(reader);
        report.labels.select(a.set.control.units);
        engine::SoilState soil;
        engine::SetReader(reader, report, plot, notesFile, folder.dir()).read(a.set, a.tables, soil);
        a.W.fill(0);
        engine::Iteration iteration;
        a.end = iteration.run(a.set, a.tables, a.W, notesFile);
        a.rows = engine::wallResults(a.set.wall.NI, a.set.wall.h, a.tables.EI, a.W, a.set.couples);
    }
    a.report = readFile(folder.dir() / "report");
    a.plot = readFile(folder.dir() / "plot");
    a.notes = readFile(folder.dir() / "notes");
    return a;
}

}  // namespace orvane::test
