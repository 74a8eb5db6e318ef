#pragma once
// Fixed-column edit descriptors of the engine's text output (Iw, Iw.m, Fw.d,
// Ew.d, 1P,Ew.d, Dw.d, Aw, nX). A number too wide for its field is written as
// a row of asterisks, the way the report's readers have always seen it.

#include <string>
#include <string_view>

namespace orvane::fortran {

std::string I(int w, long long v);
std::string I(int w, int m, long long v);  // at least m digits, leading zeros
std::string F(int w, int d, double v);
std::string E(int w, int d, double v);     // 0.ddddE+xx
std::string ES(int w, int d, double v);    // 1P,Ew.d: d.dddE+xx
std::string D(int w, int d, double v);     // as E with the letter D
std::string A(int w, std::string_view text);
std::string X(int n);

// Builds one record field by field, so a layout reads like its description:
//   Line().x(6).a("FREE HEIGHT OF WALL ... = ").f(9, 3, hfree).a(L3)
class Line {
public:
    Line& x(int n) { s_.append(static_cast<size_t>(n > 0 ? n : 0), ' '); return *this; }
    Line& a(std::string_view text) { s_.append(text); return *this; }
    Line& a(int w, std::string_view text) { s_ += A(w, text); return *this; }
    Line& i(int w, long long v) { s_ += I(w, v); return *this; }
    Line& i(int w, int m, long long v) { s_ += I(w, m, v); return *this; }
    Line& f(int w, int d, double v) { s_ += F(w, d, v); return *this; }
    Line& e(int w, int d, double v) { s_ += E(w, d, v); return *this; }
    Line& es(int w, int d, double v) { s_ += ES(w, d, v); return *this; }
    Line& d(int w, int dd, double v) { s_ += D(w, dd, v); return *this; }
    Line& rep(int n, char c) { s_.append(static_cast<size_t>(n > 0 ? n : 0), c); return *this; }
    const std::string& str() const { return s_; }

private:
    std::string s_;
};

// Free-format ("list-directed") pieces: integers plain, reals in the shortest
// form that reads back to the same double, with an upper-case E exponent.
std::string freeInt(long long v);
std::string freeReal(double v);

}  // namespace orvane::fortran
