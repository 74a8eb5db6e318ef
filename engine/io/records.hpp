#pragma once
// A text file written record by record with CR LF line ends.

#include <filesystem>
#include <fstream>
#include <string>

#include "fortran_format.hpp"

namespace orvane::io {

class Records {
public:
    Records() = default;
    bool open(const std::filesystem::path& path)
    {
        out_.open(path, std::ios::binary | std::ios::trunc);
        return out_.is_open();
    }
    bool isOpen() const { return out_.is_open(); }
    void close() { if (out_.is_open()) out_.close(); }

    void rec(const std::string& text) { out_ << text << "\r\n"; }
    void rec(const fortran::Line& line) { rec(line.str()); }
    void blank(int n = 1) { for (int k = 0; k < n; ++k) out_ << "\r\n"; }

private:
    std::ofstream out_;
};

}  // namespace orvane::io
