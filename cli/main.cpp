// orvane-run: the headless face of the program. By default it analyses data
// files through the main program's run command (project check, control file
// in a fresh private run folder, the engine library beside this program) and
// prints a summary per analysed set; its other modes convert older layouts
// and make what the desktop program's windows show or save.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/EDLLError.hpp"
#include "model/TDynamicLibrary.hpp"
#include "model/TLayout.hpp"

#include "analyse_command.hpp"
#include "convert_command.hpp"
#include "draw_entry.hpp"
#include "graphs_command.hpp"
// Mode headers: keep one line per mode.

using namespace orvane::cli;

namespace {

const char* const kExitCodes =
    "Exit status:\n"
    "  0  every job ran and every analysed set converged (or the mode succeeded)\n"
    "  1  a job or an output failed (input error, soil-package stop, unreadable file,\n"
    "     missing engine library, a file that could not be written)\n"
    "  2  usage error (unknown option, missing argument)\n"
    "  3  every job ran to its end but some set did not converge\n"
    "A summary's \"warning:\" lines are findings of the checks before a run: the job\n"
    "still runs, and they do not change the exit status.\n";

// The options of every mode; main decides which mode the command line asks for.
struct CommandLine {
    AnalyseOptions analyse;
    std::vector<std::string> convert;
    std::optional<std::string> layout;
    std::string graphs;
    std::vector<std::string> picture;
    std::vector<std::string> exportXlsx;
    std::optional<std::string> plots;
    std::vector<std::string> sideView;
    std::vector<std::string> view3d;
    std::optional<double> factor;
    std::optional<double> yaw, pitch, zoom;
    std::optional<double> width, height;
    std::optional<int> ppi;
    bool soilLayer = false, wallGeometry = false;
};

void addOptions(CLI::App& app, CommandLine& c)
{
    CLI::Option* files = app.add_option("files", c.analyse.files, "data files (.ov5d) to analyse");
    app.add_option("-j,--jobs", c.analyse.jobs, "jobs run side by side (0: one per core); summaries in file order")->check(CLI::NonNegativeNumber);
    app.add_flag("--json", c.analyse.json, "print the summary as one JSON document");
    CLI::Option* convert =
        app.add_option("--convert", c.convert, "OLD NEW: rewrite a data file of any layout in the current one")->expected(2);
    CLI::Option* graphs = app.add_option("--graphs", c.graphs, "FILE.ov5d: print the graphs of an analysed project as JSON");
    CLI::Option* picture =
        app.add_option("--picture", c.picture, "GRAPH FILE.ov5d OUT: draw a graph into a picture (.bmp .png .pdf .svg)")
            ->expected(3);
    CLI::Option* exportXlsx =
        app.add_option("--export-xlsx", c.exportXlsx, "FILE.ov5d OUT.xlsx: export the graphs to a workbook")->expected(2);
    CLI::Option* sideView =
        app.add_option("--side-view", c.sideView, "FILE.ov5d OUT: draw the side view (.png .svg .pdf)")->expected(2);
    CLI::Option* view3d =
        app.add_option("--view-3d", c.view3d, "FILE.ov5d OUT.png: draw the 3-D View from an oblique angle")->expected(2);
    // One mode at a time, and no data files to analyse beside a mode's own.
    const std::vector<CLI::Option*> modes{convert, graphs, picture, exportXlsx, sideView, view3d};
    for (CLI::Option* mode : modes) {
        files->excludes(mode);
        for (CLI::Option* other : modes)
            if (other != mode) mode->excludes(other);
    }
    // Each mode's own options need their mode.
    app.add_option("--layout", c.layout, "layout of OLD for --convert: " + orvane::TLayouts::names(", ", " or "))
        ->needs(convert);
    app.add_option("--plots", c.plots, "export-list numbers 1..7 for --export-xlsx, comma-separated")->needs(exportXlsx);
    app.add_option("--factor", c.factor, "--view-3d with the deformed shape, deflections magnified this many times")
        ->needs(view3d);
    app.add_option("--yaw", c.yaw, "--view-3d turned this many degrees about the vertical (default -125)")->needs(view3d);
    app.add_option("--pitch", c.pitch, "--view-3d tilted this many degrees (default 25)")->needs(view3d);
    app.add_option("--zoom", c.zoom, "--view-3d magnified this many times beyond the whole model's view")->needs(view3d);
    app.add_option("--width", c.width, "picture width: inches for --picture, pixels for --side-view and --view-3d");
    app.add_option("--height", c.height, "picture height: inches for --picture, pixels for --side-view and --view-3d");
    app.add_option("--ppi", c.ppi, "pixels per inch for --picture")->needs(picture);
    CLI::Option* soilLayer =
        app.add_flag("--soil-layer", c.soilLayer, "--picture with the soil-layer strip (the window's Show Soil Layer)")
            ->needs(picture);
    // As in the window, where Show Wall Geometry is disabled while the strip is off.
    app.add_flag("--wall-geometry", c.wallGeometry,
                 "--picture with the wall in the soil strip (the window's Show Wall Geometry)")
        ->needs(picture)
        ->needs(soilLayer);
}

std::string usage()
{
    return "usage: orvane-run [-j N] [--json] FILE.ov5d [FILE.ov5d ...]\n"
           "       orvane-run --convert OLD NEW [--layout " + orvane::TLayouts::names("|", "|") + "]\n"
           "       orvane-run --graphs FILE.ov5d\n"
           "       orvane-run --picture GRAPH FILE.ov5d OUT [--width IN] [--height IN] [--ppi N]\n"
           "                  [--soil-layer [--wall-geometry]]\n"
           "       orvane-run --export-xlsx FILE.ov5d OUT.xlsx [--plots LIST]\n"
           "       orvane-run --side-view FILE.ov5d OUT [--width PX] [--height PX]\n"
           "       orvane-run --view-3d FILE.ov5d OUT.png [--width PX] [--height PX] [--factor F]\n"
           "                  [--yaw DEG] [--pitch DEG] [--zoom Z]\n"
           "       orvane-run --help | --version\n";
}

int usageError(const std::string& message)
{
    std::cerr << "orvane-run: " << message << "\n" << usage();
    return 2;
}

// Loads the drawing modes' module (kept until the process ends: Qt inside it
// tears down at exit) and runs the mode.
int runDrawMode(const DrawRequest& request)
{
#ifdef ORVANE_WITHOUT_DRAWING
    (void)request;
    std::cerr << "orvane-run: the drawing modes are not part of this build (it was made without the desktop "
                 "program); analysis, --convert and --graphs are\n";
    return 1;
#else
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    std::filesystem::path module = folder / kDrawModuleName;
    if (!std::filesystem::exists(module, ec) && std::filesystem::exists(folder.parent_path() / "lib" / kDrawModuleName, ec))
        module = folder.parent_path() / "lib" / kDrawModuleName;
    // Through the model's library class, as the engine is loaded; never
    // released, as Qt inside the module tears itself down at the process's end.
    static auto* const library = new orvane::TDynamicLibrary;
    library->setFileName(module.string());
    void* entry = nullptr;
    try {
        library->open();
        entry = library->isOpen() ? library->entry(kDrawEntryName) : nullptr;
    } catch (const orvane::EDLLError&) {
    }
    if (!entry) {
        const std::string& error = library->lastError();
        std::cerr << "orvane-run: the drawing modes cannot be loaded from " << module.string() << ": "
                  << (error.empty() ? std::string("no entry ") + kDrawEntryName : error) << "\n";
        return 1;
    }
    return reinterpret_cast<DrawEntry>(entry)(&request);
#endif
}

int dispatch(const CommandLine& c)
{
    // CLI11 checks the modes and their options (excludes, needs); a size
    // belongs to any of three modes, which it cannot say.
    if ((c.width || c.height) && c.picture.empty() && c.sideView.empty() && c.view3d.empty())
        return usageError("--width and --height belong to --picture, --side-view and --view-3d");

    if (!c.convert.empty()) return runConvert(c.convert[0], c.convert[1], c.layout);
    if (!c.graphs.empty()) return runGraphs(c.graphs);
    DrawRequest draw;
    draw.width = c.width;
    draw.height = c.height;
    if (!c.picture.empty()) {
        draw.mode = DrawRequest::Mode::Picture;
        draw.args = c.picture;
        draw.ppi = c.ppi;
        draw.soilLayer = c.soilLayer;
        draw.wallGeometry = c.wallGeometry;
        return runDrawMode(draw);
    }
    if (!c.exportXlsx.empty()) {
        draw.mode = DrawRequest::Mode::ExportXlsx;
        draw.args = c.exportXlsx;
        draw.plots = c.plots;
        return runDrawMode(draw);
    }
    if (!c.sideView.empty()) {
        draw.mode = DrawRequest::Mode::SideView;
        draw.args = c.sideView;
        return runDrawMode(draw);
    }
    if (!c.view3d.empty()) {
        draw.mode = DrawRequest::Mode::View3D;
        draw.args = c.view3d;
        draw.factor = c.factor;
        draw.yaw = c.yaw;
        draw.pitch = c.pitch;
        draw.zoom = c.zoom;
        return runDrawMode(draw);
    }
    if (c.analyse.files.empty()) return usageError("no data file given");
    return runAnalyse(c.analyse);
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Analyses retaining walls: runs ORVANE data files through the engine and makes the\n"
                 "graphs, pictures, workbooks and side views of the desktop program without a display.",
                 "orvane-run"};
    app.set_version_flag("--version", std::string("orvane-run " ORVANE_VERSION " (built " ORVANE_BUILD_DATE ")"));
    app.footer(kExitCodes);
    CommandLine c;
    addOptions(app, c);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }
    try {
        return dispatch(c);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
