#include "io/fortran_format.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace f = orvane::fortran;

TEST(FortranFormat, LayoutsOfTheReport)
{
    EXPECT_EQ(f::E(10, 3, 12.3), " 0.123E+02");
    EXPECT_EQ(f::E(10, 3, 0.00123), " 0.123E-02");
    EXPECT_EQ(f::ES(9, 3, 1.0e-5), "1.000E-05");
    EXPECT_EQ(f::F(9, 3, 1.0), "    1.000");
    EXPECT_EQ(f::F(9, 3, 123456.789), "*********");
    EXPECT_EQ(f::I(3, 1000), "***");
    EXPECT_EQ(f::I(2, 2, 5), "05");
    EXPECT_EQ(f::D(15, 4, 0.5), "     0.5000D+00");
    EXPECT_EQ(f::A(5, "ab"), "ab   ");
    EXPECT_EQ(f::A(2, "abcd"), "ab");
    EXPECT_EQ(f::E(10, 3, 0.0), " 0.000E+00");
    EXPECT_EQ(f::E(10, 3, 1.0e100), " 0.100+101");
}

TEST(FortranFormat, LineBuilderConcatenatesFields)
{
    const auto line = f::Line().x(6).a("H = ").f(9, 3, 1.0).a(" IN").str();
    EXPECT_EQ(line, "      H =     1.000 IN");
}

TEST(FreeFormat, RealsReadBackExactly)
{
    for (double v : {0.1, 1.0e-7, -123456.789, 2.0 / 3.0}) {
        const std::string s = f::freeReal(v);
        EXPECT_EQ(std::strtod(s.c_str(), nullptr), v) << s;
        EXPECT_EQ(s.find('e'), std::string::npos) << s;
    }
}

// The formatter against the compiler whose output the report layouts come
// from: every descriptor on a table of awkward values (ties, rounding up to a
// new digit, negative zero, overflow, tiny and huge magnitudes).
namespace {

struct Descriptor {
    std::string fortran;
    std::function<std::string(double)> ours;
};

std::string run(const std::string& command)
{
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    pclose(p);
    return out;
}

}  // namespace

TEST(FortranFormat, MatchesGfortran)
{
    if (std::system("command -v gfortran >/dev/null 2>&1") != 0) GTEST_SKIP() << "gfortran is not installed";

    const std::vector<double> values = {0.0,     -0.0,     0.125,    -0.125,   0.375,     2.5,     0.5,
                                        1.0e-5,  -1.0e-4,  12.3,     9.9996,   0.00123,   123456.789,
                                        1.0e100, 1.0e-100, -987.65,  5.0e-7,   0.99995,   -0.0004999,
                                        3.14159, 1.0e10,   -2.0e-12, 99.95,    1234567.0, 0.049};
    const std::vector<Descriptor> descriptors = {
        {"F9.3", [](double v) { return f::F(9, 3, v); }},      {"F4.3", [](double v) { return f::F(4, 3, v); }},
        {"F10.2", [](double v) { return f::F(10, 2, v); }},    {"F6.1", [](double v) { return f::F(6, 1, v); }},
        {"F3.0", [](double v) { return f::F(3, 0, v); }},      {"F15.4", [](double v) { return f::F(15, 4, v); }},
        {"E10.3", [](double v) { return f::E(10, 3, v); }},    {"E12.3", [](double v) { return f::E(12, 3, v); }},
        {"E13.4", [](double v) { return f::E(13, 4, v); }},    {"E9.2", [](double v) { return f::E(9, 2, v); }},
        {"E14.3", [](double v) { return f::E(14, 3, v); }},    {"E8.3", [](double v) { return f::E(8, 3, v); }},
        {"1P,E9.3", [](double v) { return f::ES(9, 3, v); }},  {"1P,E12.4", [](double v) { return f::ES(12, 4, v); }},
        {"D15.4", [](double v) { return f::D(15, 4, v); }},    {"D13.4", [](double v) { return f::D(13, 4, v); }},
        {"D10.2", [](double v) { return f::D(10, 2, v); }},    {"F20.3", [](double v) { return f::F(20, 3, v); }},
    };

    const auto dir = std::filesystem::temp_directory_path() / ("orvane-fmt-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ostringstream src;
    src << "program t\n  double precision :: v\n";
    for (double v : values) {
        char lit[64];
        std::snprintf(lit, sizeof lit, "%.17Ed0", v);
        std::string s = lit;
        s.replace(s.find('E'), 1, "d");
        s.erase(s.size() - 2);  // drop the "d0" added above; the exponent letter is d already
        src << "  v = " << s << "\n";
        for (const Descriptor& d : descriptors) src << "  write(*,'(A," << d.fortran << ",A)') '[', v, ']'\n";
    }
    for (int v : {0, 7, -7, 42, 1000, -12345}) {
        src << "  write(*,'(A,I4,A)') '[', " << v << ", ']'\n";
        src << "  write(*,'(A,I4.2,A)') '[', " << v << ", ']'\n";
    }
    src << "end program\n";
    {
        std::ofstream(dir / "t.f90") << src.str();
    }
    const std::string build = "gfortran -ffree-line-length-none -o " + (dir / "t").string() + " " +
                              (dir / "t.f90").string() + " 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << run(build);
    std::istringstream out(run((dir / "t").string()));
    std::filesystem::remove_all(dir);

    std::string line;
    for (double v : values) {
        for (const Descriptor& d : descriptors) {
            ASSERT_TRUE(std::getline(out, line));
            EXPECT_EQ("[" + d.ours(v) + "]", line) << d.fortran << " of " << v;
        }
    }
    for (long long v : {0, 7, -7, 42, 1000, -12345}) {
        ASSERT_TRUE(std::getline(out, line));
        EXPECT_EQ("[" + f::I(4, v) + "]", line) << "I4 of " << v;
        ASSERT_TRUE(std::getline(out, line));
        EXPECT_EQ("[" + f::I(4, 2, v) + "]", line) << "I4.2 of " << v;
    }
}
