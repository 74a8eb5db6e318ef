// orvane-run: analyses data files with the engine library that lies beside
// this program, one fresh private run folder per file, and prints a summary
// per analysed set. Exits non-zero when any job failed.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "run_folder.hpp"
#include "summary.hpp"

namespace fs = std::filesystem;
using namespace orvane::cli;

namespace {

using EntryFn = int32_t (*)(int32_t);

fs::path programFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

fs::path withExtension(fs::path p, const char* ext) { return p.replace_extension(ext); }

void writeControlFile(const fs::path& folder, const fs::path& data)
{
    std::ofstream out(folder / "names.dat", std::ios::binary);
    const char* crlf = "\r\n";
    out << "2015.5.8" << crlf << crlf << ", " << crlf << "0" << crlf << data.string() << crlf
        << withExtension(data, ".ov5o").string() << crlf << withExtension(data, ".ov5p").string() << crlf
        << withExtension(data, ".ov5r").string() << crlf;
    if (!out) throw std::runtime_error("Cannot write the control file in " + folder.string());
}

const char* resultText(int32_t r)
{
    switch (r) {
    case 0: return "completed";
    case 1: return "refused: the engine library does not match this program (interface number)";
    case 2: return "ended on an input error";
    case 3: return "stopped by the soil package";
    case 4: return "could not read its control file or open its files";
    case 5: return "asks for an analysis this engine cannot do yet";
    default: return "ended with an unknown result";
    }
}

// Runs one data file; returns true when the job completed.
bool runOne(const fs::path& libraryPath, const fs::path& dataArg)
{
    std::error_code ec;
    const fs::path data = fs::absolute(dataArg, ec);
    std::cout << data.string() << "\n";
    if (!fs::is_regular_file(data, ec)) {
        std::cout << "  cannot read the data file\n";
        return false;
    }
    void* lib = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::cout << "  cannot load the engine library " << libraryPath.string() << ": " << dlerror() << "\n";
        return false;
    }
    auto entry = reinterpret_cast<EntryFn>(dlsym(lib, "_IORVANE"));
    if (!entry) {
        std::cout << "  the engine library " << libraryPath.string() << " has no entry _IORVANE\n";
        dlclose(lib);
        return false;
    }
    int32_t result = 4;
    {
        RunFolder folder;
        writeControlFile(folder.path(), data);
        // The engine reads its control file from the current folder.
        const fs::path previous = fs::current_path();
        fs::current_path(folder.path());
        result = entry(8);
        fs::current_path(previous);
    }
    dlclose(lib);

    const fs::path report = withExtension(data, ".ov5o");
    std::vector<SetResult> sets = readReportSets(report);
    readPlotExtremes(withExtension(data, ".ov5p"), sets);
    for (size_t k = 0; k < sets.size(); ++k) std::cout << formatSet(static_cast<int>(k + 1), sets[k]) << "\n";
    std::cout << "  job " << resultText(result) << "\n";
    if (result != 0)
        for (const std::string& e : readReportErrors(report)) std::cout << "  " << e << "\n";
    std::cout << "  report: " << report.string() << "\n";
    return result == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: orvane-run FILE.ov5d [FILE.ov5d ...]\n";
        return 2;
    }
    const fs::path libraryPath = programFolder() / "libOrvaneEngine.so";
    bool allGood = true;
    for (int k = 1; k < argc; ++k) {
        try {
            allGood = runOne(libraryPath, argv[k]) && allGood;
        } catch (const std::exception& e) {
            std::cout << "  " << e.what() << "\n";
            allGood = false;
        }
    }
    return allGood ? 0 : 1;
}
