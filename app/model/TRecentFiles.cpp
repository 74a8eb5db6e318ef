#include "model/TRecentFiles.hpp"

#include <algorithm>

namespace orvane {

void TRecentFiles::assign(const std::vector<std::string>& entries)
{
    entries_.clear();
    for (const std::string& entry : entries)
        if (!entry.empty() && count() < kMax) entries_.push_back(entry);
}

void TRecentFiles::putFirst(const std::string& path)
{
    const auto found = std::find(entries_.begin(), entries_.end(), path);
    if (found != entries_.end()) {
        std::rotate(entries_.begin(), found, found + 1);
        return;
    }
    entries_.insert(entries_.begin(), path);
    if (count() > kMax) entries_.pop_back();
}

void TRecentFiles::remove(const std::string& path)
{
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

std::string TRecentFiles::menuText(int number, const std::string& path, const std::string& workingFolder)
{
    std::string folder = workingFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const bool inFolder = folder.size() > 1 && path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0;
    return std::to_string(number) + " " + (inFolder ? path.substr(folder.size()) : path);
}

}  // namespace orvane
