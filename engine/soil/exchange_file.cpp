#include "exchange_file.hpp"

namespace orvane::soil {

using fortran::freeInt;
using fortran::freeReal;

void ExchangeWriter::header(int curveCount, const std::vector<ExchangeUserSet>& userSets)
{
    out_.rec(" " + freeInt(curveCount));
    for (const ExchangeUserSet& u : userSets) {
        out_.rec(" " + freeInt(u.station) + " " + freeInt(static_cast<long long>(u.y.size())));
        for (size_t j = 0; j < u.y.size(); ++j)
            out_.rec(" " + freeInt(static_cast<long long>(j + 1)) + " " + freeReal(u.p[j]) + " " + freeReal(u.y[j]));
    }
}

void ExchangeWriter::curveHeader(double depth) { out_.rec(" " + freeReal(depth) + " " + freeInt(kCurvePoints)); }

void ExchangeWriter::point(int number, double p, double y)
{
    out_.rec(fortran::Line().i(5, number).x(1).e(10, 3, p).x(1).e(10, 3, y));
}

void ExchangeWriter::generated(const GeneratedCurve& c)
{
    curveHeader(c.depth);
    // Each half numbers its points from 1.
    for (size_t m = 0; m < c.p.size(); ++m)
        point(static_cast<int>(m % kHalfCurvePoints) + 1, c.p[m], c.y[m]);
}

}  // namespace orvane::soil
