#pragma once
// The framed title that opens many report sections: two empty records, then
// 50 asterisks, the 50-character framed title and 50 asterisks, each after 6
// blanks, usually followed by an empty record.

#include <string_view>

#include "io/records.hpp"

namespace orvane::io {

inline void banner(Records& out, std::string_view framed, bool blankAfter = true)
{
    out.blank(2);
    out.rec(fortran::Line().x(6).rep(50, '*'));
    out.rec(fortran::Line().x(6).a(framed));
    out.rec(fortran::Line().x(6).rep(50, '*'));
    if (blankAfter) out.blank();
}

}  // namespace orvane::io
