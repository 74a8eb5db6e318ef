#include "free_reader.hpp"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace orvane::io {

bool parseInteger(const std::string& token, int& value)
{
    const char* b = token.data();
    const char* e = b + token.size();
    if (b != e && *b == '+') ++b;
    long long v = 0;
    auto r = std::from_chars(b, e, v);
    if (r.ec != std::errc() || r.ptr != e || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

bool parseReal(const std::string& token, double& value)
{
    // sign, digits with at most one point (at least one digit), optional exponent
    // E/D with optional sign and digits.
    std::string t;
    size_t i = 0, n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) t += token[i++];
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        char c = token[i];
        if (std::isdigit(static_cast<unsigned char>(c))) { t += c; ++digits; }
        else if (c == '.' && !point) { t += c; point = true; }
        else break;
    }
    if (digits == 0) return false;
    if (i < n) {
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(token[i])));
        if (c != 'E' && c != 'D') return false;
        t += 'E';
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) t += token[i++];
        int expDigits = 0;
        for (; i < n && std::isdigit(static_cast<unsigned char>(token[i])); ++i) { t += token[i]; ++expDigits; }
        if (expDigits == 0 || i != n) return false;
    }
    const char* b = t.data();
    if (*b == '+') ++b;
    auto r = std::from_chars(b, t.data() + t.size(), value);
    if (r.ptr != t.data() + t.size()) return false;
    if (r.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number the engine can use.
        value = std::strtod(t.c_str(), nullptr);
        return std::isfinite(value);
    }
    return r.ec == std::errc();
}

bool FreeReader::readLine(std::string& out)
{
    if (!std::getline(in_, out)) return false;
    ++line_;
    if (!out.empty() && out.back() == '\r') out.pop_back();
    return true;
}

std::string FreeReader::text(size_t keep)
{
    std::string line;
    if (!readLine(line))
        throw DataError("ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE " + std::to_string(line_));
    needLine_ = true;
    tokens_.clear();
    next_ = 0;
    if (line.size() > keep) line.resize(keep);
    return line;
}

const std::string& FreeReader::nextToken()
{
    if (needLine_) {
        tokens_.clear();
        next_ = 0;
        needLine_ = false;
    }
    while (next_ >= tokens_.size()) {
        std::string line;
        if (!readLine(line))
            throw DataError("ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE " + std::to_string(line_));
        tokens_.clear();
        next_ = 0;
        item_ = 0;
        std::string tok;
        for (char c : line) {
            if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
                if (!tok.empty()) tokens_.push_back(std::move(tok)), tok.clear();
            } else {
                tok += c;
            }
        }
        if (!tok.empty()) tokens_.push_back(std::move(tok));
    }
    ++item_;
    return tokens_[next_++];
}

int FreeReader::integer()
{
    const std::string& tok = nextToken();
    int v = 0;
    if (!parseInteger(tok, v))
        throw DataError("ERROR -- INVALID INTEGER \"" + tok + "\" IN LINE " + std::to_string(line_) +
                        ", ITEM " + std::to_string(item_) + " OF THE DATA FILE");
    return v;
}

double FreeReader::real()
{
    const std::string& tok = nextToken();
    double v = 0;
    if (!parseReal(tok, v))
        throw DataError("ERROR -- INVALID NUMBER \"" + tok + "\" IN LINE " + std::to_string(line_) +
                        ", ITEM " + std::to_string(item_) + " OF THE DATA FILE");
    return v;
}

}  // namespace orvane::io
