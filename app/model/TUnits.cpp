#include "model/TUnits.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace orvane {

namespace {

// Index of each unit in the tables below.
enum Unit { F0, F1, F2, L0, L1, L2, F4, F5, L3, F6, kUnitCount };

// Texts per unit system (English, SI, Other), by unit index.
constexpr std::array<std::array<std::string_view, kUnitCount>, 3> kTexts{{
    {"lbs", "kips", "tons", "in", "in", "ft", "lb-sec2/in", "sec", "rad", "slug"},
    {"kN", "kN", "kN", "m", "mm", "m", "Mg", "sec", "rad", "Mg"},
    {"F", "F", "F", "L", "L", "L", "M", "T", "L", "F"},
}};

// SI -> English factor of each unit.
constexpr std::array<double, kUnitCount> kSIToEnglish{
    224.8089237, 0.2248089237, 0.1124044745, 39.37007874, 0.03937007874,
    3.280839895, 5.7101483,    1.0,          1.0,         68.364249};

struct Token {
    std::string_view text;
    Unit unit;
};

// Longer tokens first, so that "L2" is never read as "L" followed by "2".
constexpr std::array<Token, 12> kColumnOrder{{{"F2", F2}, {"F1", F1}, {"F4", F4}, {"F5", F5},
                                              {"F6", F6}, {"F0", F0}, {"F", F0},  {"L3", L3},
                                              {"L2", L2}, {"L1", L1}, {"L0", L0}, {"L", L0}}};
constexpr std::array<Token, 7> kEditorForces{
    {{"F6", F6}, {"F5", F5}, {"F4", F4}, {"F2", F2}, {"F1", F1}, {"F0", F0}, {"F", F0}}};
constexpr std::array<Token, 5> kEditorLengths{{{"L2", L2}, {"L1", L1}, {"L3", L3}, {"L0", L0}, {"L", L0}}};

std::string replaceAll(std::string text, std::string_view token, std::string_view with)
{
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + with.size()))
        text.replace(at, token.size(), with);
    return text;
}

template <size_t N>
std::string replaceFirstFound(const std::string& label, const std::array<Token, N>& order, int system)
{
    for (const Token& token : order)
        if (label.find(token.text) != std::string::npos)
            return replaceAll(label, token.text, kTexts[static_cast<size_t>(system - 1)][token.unit]);
    return label;
}

int digitAt(const std::string& text, size_t index, int fallback)
{
    if (index < text.size() && std::isdigit(static_cast<unsigned char>(text[index]))) return text[index] - '0';
    return fallback;
}

// Force part of one side of a label: "F" with an optional unit digit, an
// optional "^n", and the operator after it, all removed from `side`.
double forceFactor(std::string& side)
{
    if (side.empty() || side[0] != 'F') return 1.0;
    if (side.size() < 2 || !std::isdigit(static_cast<unsigned char>(side[1]))) side.insert(1, "0");
    static constexpr std::array<Unit, 10> kByDigit{F0, F1, F2, F2, F4, F5, F6, F2, F2, F2};
    const double unit = kSIToEnglish[kByDigit[static_cast<size_t>(side[1] - '0')]];
    int exponent = 1;
    size_t consumed = 3;
    if (side.size() > 2 && side[2] == '^') {
        exponent = digitAt(side, 3, 1);
        consumed = 5;
    }
    side.erase(0, std::min(consumed, side.size()));
    return std::pow(unit, exponent);
}

double lengthFactor(std::string side)
{
    if (side.empty() || side[0] != 'L') return 1.0;
    if (side.size() < 2 || side[1] < '0' || side[1] > '3') side.insert(1, "0");
    static constexpr std::array<Unit, 4> kByDigit{L0, L1, L2, L3};
    const double unit = kSIToEnglish[kByDigit[static_cast<size_t>(side[1] - '0')]];
    return std::pow(unit, digitAt(side, 3, 1));
}

double sideFactor(std::string side)
{
    const double force = forceFactor(side);
    return force * lengthFactor(side);
}

}  // namespace

int TUnits::clamp(int system)
{
    return system < kEnglish ? kEnglish : (system > kOther ? kOther : system);
}

std::string TUnits::menuCaption(int system)
{
    static constexpr std::array<std::string_view, 3> kCaptions{
        "&English Units (lbs, in)", "&SI Units (kN, m)", "&Other Units (F, L)"};
    return std::string(kCaptions[static_cast<size_t>(clamp(system) - 1)]);
}

std::string TUnits::columnText(const std::string& label, int system)
{
    std::string text = label;
    for (const Token& token : kColumnOrder)
        text = replaceAll(text, token.text, kTexts[static_cast<size_t>(clamp(system) - 1)][token.unit]);
    return text;
}

std::string TUnits::editorText(const std::string& label, int system)
{
    if (clamp(system) == kOther) return label;
    return replaceFirstFound(replaceFirstFound(label, kEditorForces, clamp(system)), kEditorLengths,
                             clamp(system));
}

double TUnits::factor(int from, int to, const std::string& label)
{
    const bool englishToSI = from == kEnglish && to == kSI;
    const bool siToEnglish = from == kSI && to == kEnglish;
    if (!englishToSI && !siToEnglish) return 1.0;
    const size_t slash = label.find('/');
    const std::string numerator = label.substr(0, slash);
    const std::string denominator = slash == std::string::npos ? std::string() : label.substr(slash + 1);
    const double ratio = sideFactor(numerator) / sideFactor(denominator);
    return siToEnglish ? ratio : 1.0 / ratio;
}

std::string TUnits::captionWithUnit(const std::string& caption, const std::string& unitText)
{
    return caption + " (" + unitText + ")  ";
}

}  // namespace orvane
