#include "run_folder.hpp"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::cli {

RunFolder::RunFolder()
{
    std::error_code ec;
    auto base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string templ = (base / "orvane-run-XXXXXX").string();
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("Cannot create a run folder under " + base.string());
    path_ = buf.data();
}

RunFolder::~RunFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace orvane::cli
