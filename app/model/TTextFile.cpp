#include "model/TTextFile.hpp"

#include "model/EReadError.hpp"
#include "model/EWriteError.hpp"
#include "model/TFileReplacer.hpp"
#include "model/TInputFile.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace orvane {

namespace {

[[noreturn]] void writeFailed(const std::filesystem::path& path, int error)
{
    throw EWriteError("Cannot write file \"" + path.string() + "\": " + std::strerror(error));
}

bool writeAll(int fd, const std::string& text)
{
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

std::vector<std::string> TTextFile::readLines(const std::filesystem::path& path)
{
    const std::string text = TInputFile::readText(path);
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    return lines;
}

void TTextFile::write(const std::filesystem::path& path, const std::string& text, Target target)
{
    if (target == Target::RunFolder) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) writeFailed(path, errno);
        const bool written = writeAll(fd, text);
        const int error = errno;
        if (::close(fd) != 0 || !written) writeFailed(path, written ? errno : error);
        return;
    }
    TFileReplacer::replace(path, text);
}

}  // namespace orvane
