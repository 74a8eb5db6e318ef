#include "free_reader.hpp"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace orvane::io {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool parseInteger(std::string_view token, int& value)
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

bool parseReal(std::string_view token, double& value)
{
    // sign, digits with at most one point (at least one digit), optional exponent
    // E/D with optional sign and digits. A checked token is what from_chars
    // reads, once a leading plus is dropped and a D exponent letter made an E.
    size_t i = 0;
    const size_t n = token.size();
    const bool negative = n > 0 && token[0] == '-';
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    int digits = 0;
    bool point = false;
    // The significand as an integer while it has at most 19 digits (leading
    // zeros aside), and the count of its digits after the point.
    uint64_t mantissa = 0;
    int kept = 0;
    int afterPoint = 0;
    for (; i < n; ++i) {
        const char c = token[i];
        if (isDigit(c)) {
            ++digits;
            if (mantissa != 0 || c != '0') {
                if (kept < 19) mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
                ++kept;
            }
            if (point) ++afterPoint;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    size_t letter = std::string_view::npos;
    int exponent = 0;
    if (i < n) {
        const char c = token[i];
        if (c != 'E' && c != 'e' && c != 'D' && c != 'd') return false;
        letter = i++;
        bool expNegative = false;
        if (i < n && (token[i] == '+' || token[i] == '-')) expNegative = token[i++] == '-';
        int expDigits = 0;
        for (; i < n && isDigit(token[i]); ++i) {
            ++expDigits;
            if (exponent < 100000) exponent = exponent * 10 + (token[i] - '0');
        }
        if (expDigits == 0 || i != n) return false;
        if (expNegative) exponent = -exponent;
    }
    // The exact short cut: a significand below 2^53 and a power of ten up to
    // 1e22 are both exact doubles, so one multiplication or division rounds
    // once, correctly, to the value from_chars gives.
    const int scale = exponent - afterPoint;
    if (kept <= 19 && mantissa <= (uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        static constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        const double m = static_cast<double>(mantissa);
        const double a = scale >= 0 ? m * kPow10[scale] : m / kPow10[-scale];
        value = negative ? -a : a;
        return true;
    }
    const size_t from = token[0] == '+' ? 1 : 0;
    char local[64];
    std::string heap;
    const char* b = token.data() + from;
    const size_t len = n - from;
    if (letter != std::string_view::npos && (token[letter] == 'D' || token[letter] == 'd')) {
        char* t = local;
        if (len >= sizeof local) {
            heap.assign(b, len);
            t = heap.data();
        } else {
            std::memcpy(local, b, len);
        }
        t[letter - from] = 'E';
        b = t;
    }
    auto r = std::from_chars(b, b + len, value);
    if (r.ptr != b + len) return false;
    if (r.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number the engine can use.
        const std::string t(b, len);
        value = std::strtod(t.c_str(), nullptr);
        return std::isfinite(value);
    }
    return r.ec == std::errc();
}

FreeReader::FreeReader(std::istream& in) : text_(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) {}

bool FreeReader::readLine(std::string_view& out)
{
    if (pos_ >= text_.size()) return false;
    const size_t nl = text_.find('\n', pos_);
    const size_t end = nl == std::string::npos ? text_.size() : nl;
    out = std::string_view(text_).substr(pos_, end - pos_);
    pos_ = nl == std::string::npos ? text_.size() : nl + 1;
    ++line_;
    if (!out.empty() && out.back() == '\r') out.remove_suffix(1);
    return true;
}

std::string FreeReader::text(size_t keep)
{
    std::string_view line;
    if (!readLine(line))
        throw DataError("ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE " + std::to_string(line_));
    needLine_ = true;
    rest_ = std::string_view();
    return std::string(line.substr(0, keep));
}

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

}  // namespace

std::string_view FreeReader::nextToken()
{
    // Tokens are cut from the line as they are asked for, not all at once.
    if (needLine_) {
        rest_ = std::string_view();
        needLine_ = false;
    }
    for (;;) {
        size_t k = 0;
        while (k < rest_.size() && isSeparator(rest_[k])) ++k;
        rest_.remove_prefix(k);
        if (!rest_.empty()) break;
        std::string_view line;
        if (!readLine(line))
            throw DataError("ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE " + std::to_string(line_));
        rest_ = line;
        item_ = 0;
    }
    size_t k = 1;
    while (k < rest_.size() && !isSeparator(rest_[k])) ++k;
    const std::string_view token = rest_.substr(0, k);
    rest_.remove_prefix(k);
    ++item_;
    return token;
}

int FreeReader::integer()
{
    const std::string_view tok = nextToken();
    int v = 0;
    if (!parseInteger(tok, v))
        throw DataError("ERROR -- INVALID INTEGER \"" + std::string(tok) + "\" IN LINE " + std::to_string(line_) +
                        ", ITEM " + std::to_string(item_) + " OF THE DATA FILE");
    return v;
}

double FreeReader::real()
{
    const std::string_view tok = nextToken();
    double v = 0;
    if (!parseReal(tok, v))
        throw DataError("ERROR -- INVALID NUMBER \"" + std::string(tok) + "\" IN LINE " + std::to_string(line_) +
                        ", ITEM " + std::to_string(item_) + " OF THE DATA FILE");
    return v;
}

}  // namespace orvane::io
