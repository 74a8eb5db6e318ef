#pragma once

#include "views/TSideViewGeometry.hpp"

#include <QColor>
#include <QFont>

#include <filesystem>
#include <optional>
#include <string>

class QPainter;
class QPaintDevice;

namespace orvane {

class TProject;

// Draws a laid-out side view with QPainter on any surface: a window, an
// image, an SVG or PDF file, a printer page.
class TSideViewPainter {
public:
    // The surface of a device, with the text line height of `font` on it.
    static TSideViewSurface surface(const QPaintDevice& device, const QFont& font, bool page);

    // Fills the surface with `background`, then draws the scene; the wall is
    // filled with `windowText`.
    static void paint(QPainter& painter, const TSideViewScene& scene, const TSideViewSurface& surface,
                      const QColor& background, const QColor& windowText, const QFont& font);

    // The printed page: landscape layout of the project on `device`, white
    // paper, black ink.
    static void paintPage(QPainter& painter, const QPaintDevice& device, const TProject& project, const QFont& font);

    // The font of the view's texts and of its label.
    static QFont font();

    // Writes the side view of `project` as a PNG, SVG or PDF picture of
    // width x height pixels, chosen by the extension, drawn in memory and
    // written whole through TFileReplacer. Returns the error, if any.
    static std::optional<std::string> writePicture(const TProject& project, const std::filesystem::path& path,
                                                   int width, int height);
};

}  // namespace orvane
