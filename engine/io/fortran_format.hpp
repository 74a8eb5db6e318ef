#pragma once
// Fixed-column edit descriptors of the engine's text output (Iw, Iw.m, Fw.d,
// Ew.d, 1P,Ew.d, Dw.d, Aw, nX). A number too wide for its field is written as
// a row of asterisks, the way the report's readers have always seen it.
//
// The put* writers fill exactly w characters at `out` (w >= 0) and return the
// end; the string forms wrap them for the rare single field.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace orvane::fortran {

char* putI(char* out, int w, long long v);
char* putI(char* out, int w, int m, long long v);
char* putF(char* out, int w, int d, double v);
char* putE(char* out, int w, int d, double v, char letter, bool scaled);
char* putA(char* out, int w, std::string_view text);

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
// Fields are written straight into the record's own buffer; a record longer
// than the inline buffer moves to the heap once.
class Line {
public:
    Line() = default;
    Line(const Line& o) { append(o.view()); }
    Line& operator=(const Line& o)
    {
        if (this != &o) { n_ = 0; heap_.clear(); append(o.view()); }
        return *this;
    }

    Line& x(int n) { std::memset(room(n), ' ', clampWidth(n)); return *this; }
    Line& a(std::string_view text) { append(text); return *this; }
    Line& a(int w, std::string_view text) { putA(room(w), clampWidth(w), text); return *this; }
    Line& i(int w, long long v) { putI(room(w), clampWidth(w), v); return *this; }
    Line& i(int w, int m, long long v) { putI(room(w), clampWidth(w), m, v); return *this; }
    Line& f(int w, int d, double v) { putF(room(w), clampWidth(w), d, v); return *this; }
    Line& e(int w, int d, double v) { putE(room(w), clampWidth(w), d, v, 'E', false); return *this; }
    Line& es(int w, int d, double v) { putE(room(w), clampWidth(w), d, v, 'E', true); return *this; }
    Line& d(int w, int dd, double v) { putE(room(w), clampWidth(w), dd, v, 'D', false); return *this; }
    Line& rep(int n, char c) { std::memset(room(n), c, clampWidth(n)); return *this; }

    std::string_view view() const { return heap_.empty() && n_ <= kInline ? std::string_view(buf_, n_) : std::string_view(heap_); }
    std::string str() const { return std::string(view()); }

private:
    static constexpr size_t kInline = 240;
    static size_t clampWidth(int w) { return static_cast<size_t>(w > 0 ? w : 0); }
    // Room for n more characters at the end of the record.
    char* room(int w)
    {
        const size_t n = clampWidth(w);
        if (heap_.empty() && n_ + n <= kInline) {
            char* p = buf_ + n_;
            n_ += n;
            return p;
        }
        if (heap_.empty()) heap_.assign(buf_, n_);
        heap_.resize(heap_.size() + n);
        n_ = kInline + 1;  // marks the heap form
        return heap_.data() + heap_.size() - n;
    }
    void append(std::string_view s)
    {
        if (!s.empty()) std::memcpy(room(static_cast<int>(s.size())), s.data(), s.size());
    }

    char buf_[kInline];
    size_t n_ = 0;
    std::string heap_;
};

// Free-format ("list-directed") pieces: integers plain, reals in the shortest
// form that reads back to the same double, with an upper-case E exponent.
std::string freeInt(long long v);
std::string freeReal(double v);
// The same appended to `out`.
void appendFreeInt(std::string& out, long long v);
void appendFreeReal(std::string& out, double v);

}  // namespace orvane::fortran
