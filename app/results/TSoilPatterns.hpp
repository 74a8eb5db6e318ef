#pragma once

#include <QImage>

namespace orvane {

// Fill tiles of the soil-layer strip by soil code, black on white: 1 clay,
// 2 forward diagonal, 3 cross, 4 diagonal cross, 5 horizontal, 6 vertical,
// 7 sand, 8 silt, 9 strong rock, 10 weak rock, 11 gravelly sand, 12 gravel.
class TSoilPatterns {
public:
    // A null image for a code without a fill. The screen version is a
    // 16-pixel tile with 1-pixel strokes; the print version grows with the
    // printer's resolution and keeps its strokes thin, so it reads finer.
    static QImage tile(int soilCode, bool print, int ppi);
    static bool hasFill(int soilCode) { return soilCode >= 1 && soilCode <= 12; }
};

}  // namespace orvane
