#pragma once

#include <string>
#include <vector>

namespace orvane {

// The ten most recently used data files, most recent first, as the File
// menu lists them and the user settings keep them.
class TRecentFiles {
public:
    static constexpr int kMax = 10;

    const std::vector<std::string>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }

    // Entries as stored in the settings: empty ones are dropped, so the menu
    // numbers stay without gaps; at most kMax are kept.
    void assign(const std::vector<std::string>& entries);
    // Nothing when the path is already first; a path further down moves to
    // the front; a new path pushes the others down and the tenth drops off.
    void putFirst(const std::string& path);
    // A file that failed to open leaves the list; the entries below move up.
    void remove(const std::string& path);

    // The File menu's item: its number, a blank and the path, relative to the
    // working folder when the file lies in it.
    static std::string menuText(int number, const std::string& path, const std::string& workingFolder);

private:
    std::vector<std::string> entries_;
};

}  // namespace orvane
