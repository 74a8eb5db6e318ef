#pragma once
// The engine's decimal constants act as single-precision values widened to
// double (0.036 acts as 0.035999998450279236); results depend on this in their
// last digits, so every such constant goes through f32().

namespace orvane {

constexpr double f32(double v) { return static_cast<double>(static_cast<float>(v)); }

}  // namespace orvane
