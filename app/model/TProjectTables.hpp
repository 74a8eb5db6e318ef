#pragma once

#include "model/TGridTable.hpp"
#include "model/TGridTableChart.hpp"
#include "model/TTableRegistry.hpp"

#include <vector>

namespace orvane {

// The tables of a project, one per kind of tabular input, with their
// identifiers, captions, row limits and columns. They are created once and
// emptied and refilled when a project is created or read, so every window
// keeps the same instances. Names are those of the program's components.
class TProjectTables {
public:
    TProjectTables();
    TProjectTables(const TProjectTables&) = delete;
    TProjectTables& operator=(const TProjectTables&) = delete;

    // Every table, templates included.
    std::vector<TGridTable*> all();
    std::vector<const TGridTable*> all() const;

    // Empties every table and gives it its minimum number of rows.
    void reset();
    void ensureMinRows();
    void setUnits(int units);
    bool isModified() const;
    void setModified(bool modified);
    // Told before any project table or sub-table goes (see TTableRegistry).
    void setDestroyedHook(const TTableRegistry::DestroyedHook& hook);

private:
    TTableRegistry plainRegistry_;
    TTableRegistry chartRegistry_;

public:
    TGridTable PileSect{plainRegistry_};
    TGridTable SoilLayer{plainRegistry_};
    TGridTable BoundCond{plainRegistry_};
    TGridTable SoilStrength{plainRegistry_};
    TGridTable TiebackTable1{plainRegistry_};
    TGridTable PYMod{plainRegistry_};
    TGridTable DistLoad{plainRegistry_};
    TGridTable LongDist{plainRegistry_};
    TGridTable SurchargeTable{plainRegistry_};
    TGridTable NewSoil{plainRegistry_};
    TGridTable LongSoil{plainRegistry_};
    TGridTable TblClay1{plainRegistry_};
    TGridTable TblSand1{plainRegistry_};
    TGridTable TblSilt1{plainRegistry_};
    TGridTable TblRock1{plainRegistry_};
    TGridTable TblRock2{plainRegistry_};
    TGridTableChart PYCurves2{chartRegistry_};
    TGridTableChart PYCurve2{chartRegistry_};
    TGridTableChart MEICurves2{chartRegistry_};
    TGridTableChart Rows2{chartRegistry_};
};

}  // namespace orvane
