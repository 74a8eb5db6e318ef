#pragma once

#include "views/T3DScene.hpp"

#include <array>
#include <optional>
#include <vector>

namespace orvane {

// A 4 x 4 matrix in OpenGL's order: column-major, m[col * 4 + row].
using T3DMatrix = std::array<double, 16>;

enum class T3DMouseMode { None, Pan, Zoom, Rotate, ZoomWindow };

// The view of the 3D window: rotations, zoom, pan, the base scale and the
// mouse gestures, as plain numbers. The window loads the matrices this
// computes, so the tests check what the screen shows.
class T3DCamera {
public:
    static constexpr double kZoomStep = 1.4142;
    static constexpr double kAxisPixels = 80;
    // The start view: tilted down and turned to look at the wall from the
    // excavated side.
    static constexpr double kObliqueTilt = 25;
    static constexpr double kObliqueTurn = -125;
    // Room left between the fitted model and the window's edges.
    static constexpr double kFitMargin = 24;
    // The axes' letters stand 1.15 axis lengths out; with their own size
    // they reach about 1.4.
    static constexpr double kAxisLetterReach = 1.4;

    // Window size in pixels and the scene extents the base scale and the
    // depth range follow.
    void setViewport(int width, int height);
    void setExtents(const T3DExtents& extents);
    int width() const { return width_; }
    int height() const { return height_; }

    double s0() const;
    // Orthographic projection centred on the window, in pixel units.
    T3DMatrix projection() const;
    // The model-view matrix of a frame: -90 about x, then rx, ry, rz, the
    // zoom and s0, the vertical centring and the pan.
    T3DMatrix modelView() const;
    // Window pixel (x right, y down) of a model point.
    std::array<double, 2> toWindow(const T3DPoint& p) const;
    // Distance of a model point towards the viewer (eye z): nearer is larger.
    double nearness(const T3DPoint& p) const;
    // Model length of the axes: 80 pixels whatever the zoom (a fifth of
    // the shorter side in a smaller window).
    double axisLength() const;
    double axisPixels() const;

    double rx = 0, ry = 0, rz = 0;
    double zoom = 1;
    T3DPoint pan;

    void zoomIn();
    void zoomOut();
    // The start view: the oblique angles, zoomed and panned so that every
    // point given to setFitPoints lies inside the window (zoom 1 and no pan
    // without points).
    void restart();
    // Zoom and pan for the current angles and window that bring every point
    // inside the window, kFitMargin pixels from its edges, centred.
    void fit(const std::vector<T3DPoint>& points);
    void setFitPoints(std::vector<T3DPoint> points) { fitPoints_ = std::move(points); }
    // Changed by a drag or a zoom button since the last restart.
    bool movedByUser() const { return movedByUser_; }

    T3DMouseMode mode = T3DMouseMode::None;
    void press(double x, double y);
    // With `shift` the move keeps only its larger component.
    void move(double x, double y, bool shift);
    void release(double x, double y, bool shift);
    bool dragging() const { return pressed_; }
    // The zoom window being dragged, in window pixels: x, y, width, height.
    std::optional<std::array<double, 4>> zoomWindow() const;

    // The factor's next value by the up/down control.
    static double stepFactor(double factor, bool up);

private:
    void fitOnce(const std::vector<T3DPoint>& points);
    std::array<double, 2> limited(double x, double y, bool shift) const;
    // The last frame's model-view matrix, transposed, applied to a vector.
    T3DPoint transposed(const T3DPoint& v) const;

    int width_ = 1, height_ = 1;
    T3DExtents extents_;
    bool pressed_ = false;
    double pressX_ = 0, pressY_ = 0, curX_ = 0, curY_ = 0;
    double zoomAtPress_ = 1, rxAtPress_ = 0, ryAtPress_ = 0, rzAtPress_ = 0;
    T3DPoint panAtPress_;
    T3DMatrix frameAtPress_{};
    // Zoom In steps not yet undone: (before, after), so that Zoom Out comes
    // back to exactly the zoom before.
    std::vector<std::array<double, 2>> zoomSteps_;
    std::vector<T3DPoint> fitPoints_;
    bool movedByUser_ = false;
};

}  // namespace orvane
