#include "job_fixture.hpp"

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orvane::test {

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
    }
    return out;
}

std::string crlf(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::tm fixedTime()
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 6;
    t.tm_min = 30;
    t.tm_sec = 5;
    return t;
}

void JobFolder::write(const std::string& dataText, const std::string& controlName)
{
    std::ofstream(data(), std::ios::binary) << crlf(dataText);
    std::ofstream c(dir() / controlName, std::ios::binary);
    c << crlf("2015.5.8\n\n, \n0\n" + data().string() + "\n" + (dir() / "wall.ov5o").string() + "\n" +
              (dir() / "wall.ov5p").string() + "\n" + (dir() / "wall.ov5r").string() + "\n");
}

engine::JobOutcome JobFolder::run() { return engine::runJob(dir(), fixedTime); }

std::vector<double> numbers(const std::string& text)
{
    std::vector<double> out;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok) out.push_back(std::stod(tok));
    return out;
}

std::vector<ResultsBlock> resultsBlocks(const std::string& plotText, int sets)
{
    const std::vector<double> v = numbers(plotText);
    size_t i = 0;
    auto next = [&]() {
        if (i >= v.size()) throw std::runtime_error("plot-data file ends early");
        return v[i++];
    };
    std::vector<ResultsBlock> blocks;
    for (int s = 0; s < sets; ++s) {
        const int m = static_cast<int>(next());
        for (int k = 0; k < 4 * m; ++k) next();
        next();  // units
        const int curves = static_cast<int>(next());
        for (int c = 0; c < curves; ++c) {
            next();
            const int n = static_cast<int>(next());
            for (int k = 0; k < 2 * n; ++k) next();
        }
        ResultsBlock b;
        b.caseCount = static_cast<int>(next());
        const int rows = static_cast<int>(next());
        b.units = static_cast<int>(next());
        for (int r = 0; r < rows; ++r) {
            std::array<double, 5> row{};
            for (double& x : row) x = next();
            b.rows.push_back(row);
        }
        blocks.push_back(b);
    }
    return blocks;
}

}  // namespace orvane::test
