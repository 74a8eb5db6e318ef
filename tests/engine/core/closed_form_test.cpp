// The solver against closed-form beam solutions, through the real input path
// (range scheme included). The range scheme gives the end stations of a line
// half its value: half an increment of wall belongs to an end station, so this
// is the lumping that keeps the difference scheme second-order accurate. The
// tolerances below are therefore of the order of (h/L)^2 or (beta h)^2.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "set_analysis.hpp"

using orvane::test::analyse;

namespace {

std::string cantilever(int NI, double h, double EI, double tipLoad, double axial)
{
    const std::string n = std::to_string(NI);
    std::string text = "1 1 1 0 0 0 0 1 0 0\n" + n + " " + std::to_string(h) + " 1000 1E-9 0 12\n" + "3 " + n +
                       " 0 0\n" + "0 " + n + " 1 " + std::to_string(EI) + "\n";
    if (axial != 0) {
        text += "2\n1 0 " + n + " 0 0 " + std::to_string(axial) + "\n1 0 0 " + std::to_string(tipLoad) + " 0 0\n";
    } else {
        text += "1\n1 0 0 " + std::to_string(tipLoad) + " 0 0\n";
    }
    return text + "0\n";
}

}  // namespace

TEST(ClosedForm, CantileverTipLoadConvergesAtSecondOrder)
{
    const double L = 240, EI = 1.0e9, P = 1000;
    const double exact = P * L * L * L / (3 * EI);
    double previousError = 0;
    for (int NI : {20, 40, 80}) {
        const auto a = analyse(cantilever(NI, L / NI, EI, P, 0));
        const double error = std::fabs(a.W(0) / exact - 1);
        EXPECT_LT(error, 1.0 / (NI * NI)) << "NI " << NI;
        if (previousError > 0) {
            EXPECT_GT(previousError / error, 3.9) << "NI " << NI;  // halving h quarters the error
        }
        previousError = error;
        EXPECT_EQ(a.W(NI), 0.0);                                                       // the imposed deflection, exactly
        EXPECT_NEAR((a.W(NI + 1) - a.W(NI - 1)) / (2 * L / NI), 0.0, 1e-15);            // and the imposed slope
        EXPECT_EQ(a.end.iteration, 2);  // no curves: the second solve repeats the first
    }
}

TEST(ClosedForm, CantileverUnderAxialCompressionIsAmplified)
{
    // Tip deflection of a cantilever with lateral load H and axial compression P:
    // H (tan kL - kL) / (P k), k = sqrt(P / EI); here P is half the buckling load.
    const double L = 240, EI = 1.0e9, H = 1000;
    const double P = 0.5 * M_PI * M_PI * EI / (4 * L * L);
    const double k = std::sqrt(P / EI);
    const double exact = H * (std::tan(k * L) - k * L) / (P * k);
    ASSERT_GT(exact, 1.9 * H * L * L * L / (3 * EI));  // the amplification is real
    for (int NI : {20, 40}) {
        const auto a = analyse(cantilever(NI, L / NI, EI, H, P));
        EXPECT_LT(std::fabs(a.W(0) / exact - 1), 1.0 / (NI * NI)) << "NI " << NI;
    }
}

TEST(ClosedForm, LongWallOnUniformSpringsMatchesTheBeamOnElasticFoundation)
{
    // Point load P in the middle of a long wall on springs of modulus k:
    // w(x) = P beta / (2k) e^(-beta x) (cos beta x + sin beta x), M(0) = P / (4 beta).
    const int NI = 400;
    const double h = 6, EI = 1.0e9, k = 100, P = 1000;
    const double beta = std::pow(k / (4 * EI), 0.25);
    ASSERT_GT(beta * NI * h / 2, 10);  // both ends far away
    const std::string text = "1 0 1 0 0 0 0 1 0 0\n400 6 1000 1E-9 0 12\n0 400 1 1E9\n1\n1 200 200 1000 0 0\n1\n0 400 1 " +
                             std::to_string(k * h) + " 0\n0\n";
    const auto a = analyse(text);
    const double tol = (beta * h) * (beta * h);  // the scheme's truncation error
    auto exact = [&](double x) { return P * beta / (2 * k) * std::exp(-beta * x) * (std::cos(beta * x) + std::sin(beta * x)); };
    EXPECT_NEAR(a.W(200) / exact(0), 1.0, tol);
    for (int d : {10, 30, 60}) EXPECT_NEAR(a.W(200 + d), exact(d * h), tol * exact(0)) << "offset " << d;
    EXPECT_NEAR(std::fabs(a.rows[200].moment) / (P / (4 * beta)), 1.0, tol);
    // The springs carry the load: the net reactions add up to nothing.
    double sum = 0;
    for (const auto& r : a.rows) sum += r.reaction;
    EXPECT_NEAR(sum, 0.0, 1e-6 * P);
}
