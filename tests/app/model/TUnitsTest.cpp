#include "model/TUnits.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace orvane {
namespace {

constexpr int E = TUnits::kEnglish;
constexpr int S = TUnits::kSI;
constexpr int O = TUnits::kOther;

TEST(TUnits, ColumnTextReplacesEveryToken)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"F/L2^3", E, "lbs/ft^3"},    {"F/L2^3", S, "kN/m^3"},       {"F/L2^3", O, "F/L^3"},
        {"F/L2^2", E, "lbs/ft^2"},    {"F/L2^2", S, "kN/m^2"},       {"F/L2^2", O, "F/L^2"},
        {"F-L/RAD.", E, "lbs-in/RAD."}, {"F-L/RAD.", S, "kN-m/RAD."}, {"F-L/RAD.", O, "F-L/RAD."},
        {"L1^2", E, "in^2"},          {"L1^2", S, "mm^2"},           {"L1^2", O, "L^2"},
        {"F-L^2", E, "lbs-in^2"},     {"L2", E, "ft"},               {"F/L2", S, "kN/m"},
        {"DEG.", E, "DEG."},          {"SEE NOTES", S, "SEE NOTES"}, {"", E, ""},
    };
    for (const auto& [label, system, text] : cases) EXPECT_EQ(TUnits::columnText(label, system), text) << label;
}

TEST(TUnits, EditorTextReplacesTheFirstForceAndLengthTokensOnly)
{
    EXPECT_EQ(TUnits::editorText("F/L2^3", E), "lbs/ft^3");
    EXPECT_EQ(TUnits::editorText("F/L2^2", S), "kN/m^2");
    EXPECT_EQ(TUnits::editorText("L2", E), "ft");
    // The first length token found is L2; L is left as written.
    EXPECT_EQ(TUnits::editorText("L2/L", E), "ft/L");
    EXPECT_EQ(TUnits::editorText("L2", O), "L2");
    EXPECT_EQ(TUnits::editorText("F/L2^2", O), "F/L2^2");
}

TEST(TUnits, FactorsBetweenEnglishAndSI)
{
    const double pcfPerKNm3 = 224.8089237 / std::pow(3.280839895, 3);
    const std::tuple<const char*, double> siToEnglish[] = {
        {"F/L2^3", pcfPerKNm3},
        {"F-L^2", 224.8089237 * 39.37007874 * 39.37007874},
        {"L1^2", 0.03937007874 * 0.03937007874},
        {"F-L/RAD.", 224.8089237 * 39.37007874},
        {"F/L", 224.8089237 / 39.37007874},
        {"L2", 3.280839895},
        {"F", 224.8089237},
        {"DEG.", 1.0},
        {"SEE NOTES", 1.0},
        {"", 1.0},
    };
    for (const auto& [label, factor] : siToEnglish) {
        EXPECT_NEAR(TUnits::factor(S, E, label), factor, factor * 1e-12) << label;
        EXPECT_NEAR(TUnits::factor(E, S, label), 1.0 / factor, 1e-12 / factor) << label;
    }
    EXPECT_NEAR(TUnits::factor(S, E, "F/L2^3"), 6.36588, 1e-5);
    EXPECT_NEAR(TUnits::factor(S, E, "F-L^2"), 3.4845e5, 10.0);
}

TEST(TUnits, OtherUnitsAndTheSameSystemNeverConvert)
{
    for (const char* label : {"F/L2^3", "F-L^2", "L", "F"})
        for (auto [from, to] : {std::pair{E, O}, {O, E}, {S, O}, {O, S}, {E, E}, {S, S}})
            EXPECT_EQ(TUnits::factor(from, to, label), 1.0) << label << from << to;
}

TEST(TUnits, CaptionsAndClamping)
{
    EXPECT_EQ(TUnits::menuCaption(E), "&English Units (lbs, in)");
    EXPECT_EQ(TUnits::menuCaption(S), "&SI Units (kN, m)");
    EXPECT_EQ(TUnits::menuCaption(O), "&Other Units (F, L)");
    EXPECT_EQ(TUnits::clamp(0), 1);
    EXPECT_EQ(TUnits::clamp(7), 3);
    EXPECT_EQ(TUnits::captionWithUnit("Deflection", "in"), "Deflection (in)  ");
}

}  // namespace
}  // namespace orvane
