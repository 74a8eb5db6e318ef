#pragma once

#include "model/TGraphPlot.hpp"

#include <QColor>
#include <QImage>

#include <vector>

namespace orvane::test {

// A graph of `curves` curves of `points` points; curve c runs along
// y = c + 1 for x = 0 .. points-1, so every curve has a line of its own.
TGraphPlot flatCurves(int curves, int points);
// A deflection-like depth graph (X on top, depth down): one curve from
// (0, 0) to (1, 10).
TGraphPlot depthGraph();
// The three-panel graph of a wall in two layers, with the wall curves.
TGraphPlot threePanelWithWall();

bool allWhite(const QImage& image);
int countColour(const QImage& image, QColor colour, QRect area = {});

}  // namespace orvane::test
