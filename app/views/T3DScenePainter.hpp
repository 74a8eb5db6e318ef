#pragma once

#include "views/T3DCamera.hpp"
#include "views/T3DSceneBuilder.hpp"

#include <filesystem>
#include <optional>
#include <string>

#include <QFont>

class QImage;

namespace orvane {

class TProject;
class TGraphPlot;

// The 3-D View drawn without OpenGL, for pictures made without a display:
// the same scene and camera through a small depth-buffered rasteriser that
// follows the window's drawing order, with the texts and axes painted over.
class T3DScenePainter {
public:
    // Draws over `image` (white for the window's clear colour).
    static void paint(QImage& image, const T3DScene& scene, const T3DCamera& camera, bool axes);

    // `font` in the labels' family, the one the window and the pictures share.
    static QFont labelFont(QFont font);

    // The camera of the runner's pictures and the window's start view:
    // looking down from the excavated side at an oblique angle, the whole
    // scene inside the picture.
    static T3DCamera obliqueCamera(const T3DScene& scene, int width, int height);

    // Another angle than the oblique camera's: the turn about the vertical
    // axis and the tilt in degrees (the whole model still fitted in), and a
    // magnification of the fitted view.
    struct TAngle {
        std::optional<double> yaw, pitch, zoom;
    };

    // Writes the view of the project as a PNG of width x height pixels
    // (see writePng); the error, if any.
    static std::optional<std::string> writePicture(const TProject& project, const TGraphPlot* deflection,
                                                   const T3DDisplay& display, const std::filesystem::path& path,
                                                   int width, int height, const TAngle& angle = {});
    // Encodes the image as PNG in memory and writes it whole through
    // TFileReplacer; the error, if any.
    static std::optional<std::string> writePng(const QImage& image, const std::filesystem::path& path);
};

}  // namespace orvane
