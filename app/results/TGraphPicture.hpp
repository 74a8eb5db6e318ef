#pragma once

#include "model/TGraphPlot.hpp"
#include "results/TGraphPainter.hpp"

#include <QImage>
#include <QSize>

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

enum class TPictureColours { BlackAndWhite, Colours16, Colours256, HighColour16, TrueColour24 };

// The "Save Attributes" of a picture.
struct TPictureAttributes {
    double heightInches = 4;
    double widthInches = 6;
    int ppi = 72;
    TPictureColours colours = TPictureColours::Colours16;

    QSize pixels() const;
};

// A graph drawn into a picture with the window's layout (the window's
// pixels per inch, the whole picture as client area, a half-inch soil
// strip) and the legend box, saved by the file's extension: .bmp, .png
// (in the chosen colours), .pdf, .svg (drawn on a page of the same size).
class TGraphPicture {
public:
    static constexpr const char* kNoMemory = "There is not enough memory to complete this task.";

    // What the window shows when it opens at `window` pixels: the full
    // ranges and the legend at its default place.
    static TGraphView openingView(const TGraphPlot& plot, QSize window, int screenPpi);
    static TGraphSurface surface(QSize pixels, int screenPpi);
    // A null image when the memory for it cannot be had.
    static QImage render(const TGraphPlot& plot, const TGraphView& view, QSize pixels, int screenPpi);
    static QImage convertColours(const QImage& image, TPictureColours colours);
    // Drawn in memory and written whole through TFileReplacer; the message
    // of the failure, or nothing.
    static std::optional<std::string> save(const TGraphPlot& plot, const TGraphView& view,
                                           const TPictureAttributes& attributes, int screenPpi,
                                           const std::filesystem::path& path);
    static bool knownFormat(const std::filesystem::path& path);
};

}  // namespace orvane
