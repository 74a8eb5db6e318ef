#pragma once

#include <string>

namespace orvane {

// Owns one loaded shared library. Errors are raised as EDLLError kinds:
// EFileNotFoundError when a library it depends on is missing, EInitError
// when its symbols cannot be bound, EDLLNotOpenError for an entry looked up
// while closed. A library file that is missing or not a library leaves the
// object closed without an error; lastError() then tells why.
class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary() { close(); }
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    const std::string& fileName() const { return fileName_; }
    // Closes the library if open, then stores the path.
    void setFileName(const std::string& path);
    void open();
    bool isOpen() const { return handle_ != nullptr; }
    // Address of the named entry, or null when the library has none.
    void* entry(const std::string& name) const;
    void close();
    const std::string& lastError() const { return lastError_; }

private:
    std::string fileName_;
    void* handle_ = nullptr;
    std::string lastError_;
};

}  // namespace orvane
