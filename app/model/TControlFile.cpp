#include "model/TControlFile.hpp"

#include "model/EWriteError.hpp"
#include "model/TTextFile.hpp"

namespace orvane {

namespace {

std::filesystem::path withExtension(std::filesystem::path path, const char* extension)
{
    return path.replace_extension(extension);
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The path with its line breaks shown as \n and \r.
std::string escaped(const std::string& path)
{
    std::string text;
    for (char c : path) text += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    return text;
}

}  // namespace

std::optional<std::string> TControlFile::unfitPath(const std::filesystem::path& dataFile)
{
    std::error_code ignored;
    const std::string path = std::filesystem::absolute(dataFile, ignored).string();
    if (path.find_first_of("\r\n") == std::string::npos) return std::nullopt;
    return "The data file \"" + escaped(path) + "\" cannot be analysed: its path holds a line break, and the control " +
           "file " + kName + " names each file of the run on a line of its own. Rename the file or its folder.";
}

std::filesystem::path TControlFile::report(const std::filesystem::path& dataFile)
{
    return withExtension(dataFile, ".ov5o");
}

std::filesystem::path TControlFile::plotData(const std::filesystem::path& dataFile)
{
    return withExtension(dataFile, ".ov5p");
}

std::filesystem::path TControlFile::runNotes(const std::filesystem::path& dataFile)
{
    return withExtension(dataFile, ".ov5r");
}

std::string TControlFile::text(const std::filesystem::path& dataFile, std::string_view firstText,
                               std::string_view secondText)
{
    if (const auto refusal = unfitPath(dataFile)) throw EWriteError(*refusal);
    const std::filesystem::path data = std::filesystem::absolute(dataFile);
    std::string text;
    for (const std::string& line : {std::string(kVersion), std::string(),
                                    std::string(trimmed(firstText)) + ", " + std::string(trimmed(secondText)),
                                    std::string("0"), data.string(), report(data).string(), plotData(data).string(),
                                    runNotes(data).string()})
        text += line + "\r\n";
    return text;
}

std::filesystem::path TControlFile::write(const std::filesystem::path& folder, const std::filesystem::path& dataFile)
{
    const std::filesystem::path path = folder / kName;
    // The run folder is private and goes when the run ends: written in place,
    // no flush to disk.
    TTextFile::write(path, text(dataFile), TTextFile::Target::RunFolder);
    return path;
}

}  // namespace orvane
