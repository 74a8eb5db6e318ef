#include "control_file.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

#include "io/free_reader.hpp"

namespace orvane::engine {
namespace {

constexpr size_t kControlLines = 8;

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string trimRight(std::string s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}

}  // namespace

std::optional<std::filesystem::path> findControlFile(const std::filesystem::path& workDir)
{
    std::error_code ec;
    const auto exact = workDir / "names.dat";
    if (std::filesystem::is_regular_file(exact, ec)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(workDir, ec)) {
        if (lower(entry.path().filename().string()) == "names.dat" && entry.is_regular_file(ec)) return entry.path();
    }
    return std::nullopt;
}

// The control file is exactly its eight lines: a line more or fewer means a
// path was split at a line break it held (or a line is missing), and its
// parts would name other files, which the job then would read and overwrite.
// Each line ends in CR LF or LF; a CR anywhere else is such a break too.
std::optional<ControlFile> readControlFile(const std::filesystem::path& workDir)
{
    const auto path = findControlFile(workDir);
    if (!path) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; lines.size() <= kControlLines && std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('\r') != std::string::npos) return std::nullopt;
        lines.push_back(trimRight(line));
    }
    if (lines.size() != kControlLines) return std::nullopt;
    ControlFile cf;
    cf.version = lines[0].substr(0, 12);
    cf.text1 = lines[1];
    cf.text2 = lines[2];
    const size_t b = lines[3].find_first_not_of(" \t");
    const std::string rest = b == std::string::npos ? "" : lines[3].substr(b);
    const std::string first = rest.substr(0, rest.find_first_of(" \t,"));
    if (!io::parseInteger(first, cf.number)) return std::nullopt;
    std::filesystem::path* paths[4] = {&cf.dataFile, &cf.reportFile, &cf.plotFile, &cf.notesFile};
    for (int k = 0; k < 4; ++k) {
        const std::string& p = lines[4 + static_cast<size_t>(k)];
        if (p.empty()) return std::nullopt;
        std::filesystem::path fp(p);
        *paths[k] = fp.is_absolute() ? fp : workDir / fp;
    }
    // The job reads the first and writes the other three: no two may be one.
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (paths[i]->lexically_normal() == paths[j]->lexically_normal()) return std::nullopt;
    return cf;
}

}  // namespace orvane::engine
