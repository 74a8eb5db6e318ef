#include "model/TDynamicLibrary.hpp"

#include "model/EDLLNotOpenError.hpp"
#include "model/EFileNotFoundError.hpp"
#include "model/EInitError.hpp"

#include <dlfcn.h>
#include <filesystem>

namespace orvane {

void TDynamicLibrary::setFileName(const std::string& path)
{
    close();
    fileName_ = path;
}

void TDynamicLibrary::open()
{
    if (handle_) return;
    handle_ = ::dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_) return;
    const char* error = ::dlerror();
    lastError_ = error ? error : "cannot load " + fileName_;
    std::error_code ignored;
    if (!std::filesystem::exists(fileName_, ignored)) return;
    // The file is there, so a file that cannot be opened is one it depends on.
    if (lastError_.find("cannot open shared object file") != std::string::npos) throw EFileNotFoundError();
    if (lastError_.find("undefined symbol") != std::string::npos) throw EInitError();
}

void* TDynamicLibrary::entry(const std::string& name) const
{
    if (!handle_) throw EDLLNotOpenError();
    return ::dlsym(handle_, name.c_str());
}

void TDynamicLibrary::close()
{
    if (!handle_) return;
    ::dlclose(handle_);
    handle_ = nullptr;
}

}  // namespace orvane
