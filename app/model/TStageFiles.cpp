#include "model/TStageFiles.hpp"

#include "model/EWriteError.hpp"
#include "model/TTextFile.hpp"

#include <string>
#include <vector>

namespace orvane {

namespace {

std::string withLineEnds(const std::vector<std::string>& lines, size_t from, size_t to)
{
    size_t size = 0;
    for (size_t i = from; i < to; ++i) size += lines[i].size() + 2;
    std::string text;
    text.reserve(size);
    for (size_t i = from; i < to; ++i) text.append(lines[i]).append("\r\n");
    return text;
}

}  // namespace

std::filesystem::path TStageFiles::name(const std::filesystem::path& dataFile, int stage)
{
    std::filesystem::path path = dataFile;
    return path.replace_extension(".st" + std::to_string(stage));
}

void TStageFiles::remove(const std::filesystem::path& dataFile, int from, int to)
{
    for (int stage = from; stage <= to; ++stage) {
        std::error_code ignored;
        std::filesystem::remove(name(dataFile, stage), ignored);
    }
}

void TStageFiles::split(const std::filesystem::path& dataFile, int stageCount, TTextFile::Target target)
{
    const std::vector<std::string> lines = TTextFile::readLines(dataFile);
    std::vector<size_t> starts{0};
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i].find(" Stage No :") != std::string::npos) starts.push_back(i);
    remove(dataFile, 1, kMaxStages);
    for (int stage = 1; stage <= stageCount && static_cast<size_t>(stage) <= starts.size(); ++stage) {
        const size_t end = static_cast<size_t>(stage) < starts.size() ? starts[static_cast<size_t>(stage)] : lines.size();
        TTextFile::write(name(dataFile, stage), withLineEnds(lines, starts[static_cast<size_t>(stage - 1)], end), target);
    }
}

std::string TStageFiles::joined(const std::filesystem::path& source, int stageCount)
{
    std::string text;
    for (int stage = 1; stage <= stageCount; ++stage) {
        const std::vector<std::string> lines = TTextFile::readLines(name(source, stage));
        text += withLineEnds(lines, 0, lines.size());
    }
    return text;
}

void TStageFiles::join(const std::filesystem::path& target, const std::filesystem::path& source, int stageCount)
{
    TTextFile::write(target, joined(source, stageCount));
    if (name(target, 1) == name(source, 1)) return;
    for (int stage = 1; stage <= stageCount; ++stage) {
        std::error_code error;
        std::filesystem::rename(name(source, stage), name(target, stage), error);
        if (error)
            throw EWriteError("Cannot move file \"" + name(source, stage).string() + "\": " + error.message());
    }
}

}  // namespace orvane
