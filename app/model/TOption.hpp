#pragma once

namespace orvane {

// The on/off options of a project (the Options menu).
enum class TOption {
    GeneratePYCurves,
    ExternalPY,
    MEICurves,
    PYModification,
    ConcentratedLoads,
    Springs,
    Tiebacks,
    Surcharges,
    Restraints,
    LongTerm,
};

}  // namespace orvane
