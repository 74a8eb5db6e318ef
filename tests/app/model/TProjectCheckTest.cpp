#include "model/TProject.hpp"
#include "model/TProjectCheck.hpp"

#include "SampleProject.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {
namespace {

std::string warningFor(const TProject& project)
{
    return TProjectCheck::warning(project).value_or("(passes)");
}

TEST(TProjectCheck, StiffnessRowsMustStayWithinTheNodes)
{
    TProject project;
    project.data().Increments = 40;
    const std::tuple<std::vector<std::vector<double>>, std::string> cases[] = {
        {{{0, 20, 1, 1e9}, {20, 40, 1, 1e9}}, "(passes)"},
        {{{0, 20, 1, 1e9}, {20, 45, 1, 1e9}},
         "End Node, 45 in row 2 of Wall Stiffness definition\ris greater than number of nodes defined, 40.\r"
         "Please check on Wall Properties Windows and Wall Stiffness Table"},
        {{{41, 45, 1, 1e9}},
         "Initial Node, 41 in row 1 of Wall Stiffness definition\ris greater than number of nodes defined, 40.\r"
         "Please check on Wall Properties Windows and Wall Stiffness Table"},
    };
    for (const auto& [rows, warning] : cases) {
        setRows(project.tables().PileSect, rows);
        EXPECT_EQ(warningFor(project), warning);
    }
}

TEST(TProjectCheck, TheBackfillSlopeMustStayBelowTheFrictionAngle)
{
    struct Case {
        double beta;
        double soilType;
        double topAngle;
        std::string warning;
    };
    const Case cases[] = {
        {0, 4, 28, "(passes)"},
        {30, 4, 30, "(passes)"},
        {30, 1, 0, "(passes)"},
        {30, 6, 0, "(passes)"},
        {30, 4, 28,
         "Slope of the Backfill: 30 deg.\ris greater than friction angle, 28 deg.,\rin layer 2\r"
         "Please check on Wall Configuration and Soil Layers Windows"},
        {12.5, 5, 10.25,
         "Slope of the Backfill: 12.5\ris greater than friction angle, 10.25,\rin layer 2\rPlease check Soil Layers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.warning);
        TProject project;
        project.data().Increments = 40;
        project.data().BackfillSlope = c.beta;
        setRows(project.tables().NewSoil, {{4, 10}, {c.soilType, 20}});
        setRows(*project.tables().NewSoil.cell(2, 0).subTable(), {{110, 35, 25, 0}, {110, 35, 25, 0}});
        TGridTable& layer = *project.tables().NewSoil.cell(2, 1).subTable();
        if (c.soilType == 4 || c.soilType == 5) {
            layer.cell(1, 0).setReal(c.topAngle);
            layer.cell(1, 1).setReal(1.0);  // the bottom of the layer is not checked
        }
        EXPECT_EQ(warningFor(project), c.warning);
    }
}

TEST(TProjectCheck, LongTermLayersAreNotChecked)
{
    TProject project;
    project.data().Increments = 40;
    project.data().BackfillSlope = 30;
    setRows(project.tables().LongSoil, {{4, 10}});
    EXPECT_EQ(warningFor(project), "(passes)");
}

}  // namespace
}  // namespace orvane
