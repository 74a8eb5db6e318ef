#include "views/T3DCamera.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

namespace {

T3DMatrix identity()
{
    T3DMatrix m{};
    m[0] = m[5] = m[10] = m[15] = 1;
    return m;
}

T3DMatrix multiply(const T3DMatrix& a, const T3DMatrix& b)
{
    T3DMatrix c{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[static_cast<size_t>(k * 4 + row)] * b[static_cast<size_t>(col * 4 + k)];
            c[static_cast<size_t>(col * 4 + row)] = sum;
        }
    return c;
}

// As glRotate: degrees about an axis of unit length.
T3DMatrix rotation(double degrees, double x, double y, double z)
{
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a), k = 1 - c;
    T3DMatrix m = identity();
    m[0] = x * x * k + c;
    m[1] = y * x * k + z * s;
    m[2] = x * z * k - y * s;
    m[4] = x * y * k - z * s;
    m[5] = y * y * k + c;
    m[6] = y * z * k + x * s;
    m[8] = x * z * k + y * s;
    m[9] = y * z * k - x * s;
    m[10] = z * z * k + c;
    return m;
}

T3DMatrix scaling(double s)
{
    T3DMatrix m = identity();
    m[0] = m[5] = m[10] = s;
    return m;
}

T3DMatrix translation(double x, double y, double z)
{
    T3DMatrix m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

// k units of the decade 10^e, rounded as the decimal it stands for.
double units(int k, int e) { return e >= 0 ? k * std::pow(10.0, e) : k / std::pow(10.0, -e); }

}  // namespace

void T3DCamera::setViewport(int width, int height)
{
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
}

void T3DCamera::setExtents(const T3DExtents& extents) { extents_ = extents; }

double T3DCamera::s0() const
{
    const double byHeight = extents_.S > 0 ? (height_ - 50.0) / extents_.S : 1;
    const double byWidth = extents_.a > 0 ? (width_ - 50.0) / (2 * extents_.a) : 1;
    const double s = std::min(byHeight, byWidth);
    return s > 0 ? s : 1;
}

T3DMatrix T3DCamera::projection() const
{
    const double shorter = std::min(width_, height_);
    const double across = std::min(2 * extents_.a, 2 * extents_.b);
    double depth = (across > 0 ? extents_.S / across : 1) * (shorter / 2) * 640;
    if (!(depth > 0)) depth = 1;
    T3DMatrix m = identity();
    m[0] = 2.0 / width_;
    m[5] = 2.0 / height_;
    m[10] = -1.0 / depth;
    return m;
}

T3DMatrix T3DCamera::modelView() const
{
    T3DMatrix m = rotation(-90, 1, 0, 0);
    m = multiply(m, rotation(rx, 1, 0, 0));
    m = multiply(m, rotation(ry, 0, 1, 0));
    m = multiply(m, rotation(rz, 0, 0, 1));
    m = multiply(m, scaling(zoom * s0()));
    m = multiply(m, translation(0, 0, extents_.D / 2));
    return multiply(m, translation(pan.x, pan.y, pan.z));
}

std::array<double, 2> T3DCamera::toWindow(const T3DPoint& p) const
{
    const T3DMatrix m = multiply(projection(), modelView());
    const double x = m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12];
    const double y = m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13];
    return {(x + 1) / 2 * width_, (1 - y) / 2 * height_};
}

double T3DCamera::nearness(const T3DPoint& p) const
{
    const T3DMatrix m = modelView();
    return m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14];
}

double T3DCamera::axisLength() const { return axisPixels() / (zoom * s0()); }

double T3DCamera::axisPixels() const
{
    // A small picture keeps its axes to a fifth of its shorter side.
    return std::min(kAxisPixels, std::min(width_, height_) / 5.0);
}

void T3DCamera::zoomIn()
{
    movedByUser_ = true;
    const double before = zoom;
    zoom *= kZoomStep;
    zoomSteps_.push_back({before, zoom});
}

void T3DCamera::zoomOut()
{
    movedByUser_ = true;
    if (!zoomSteps_.empty() && zoomSteps_.back()[1] == zoom) {
        zoom = zoomSteps_.back()[0];
        zoomSteps_.pop_back();
        return;
    }
    zoomSteps_.clear();
    zoom *= 1 / kZoomStep;
}

void T3DCamera::restart()
{
    rx = kObliqueTilt;
    ry = 0;
    rz = kObliqueTurn;
    zoom = 1;
    pan = {};
    zoomSteps_.clear();
    movedByUser_ = false;
    if (!fitPoints_.empty()) fit(fitPoints_);
}

void T3DCamera::fit(const std::vector<T3DPoint>& points)
{
    if (points.empty()) return;
    // The axes keep their length in pixels whatever the zoom: their tips
    // (and the letters beyond them) join the points at the zoom of the
    // last pass, which settles in a few passes.
    fitOnce(points);
    std::vector<T3DPoint> withAxes = points;
    withAxes.resize(points.size() + 3);
    for (int pass = 0; pass < 3; ++pass) {
        const double reach = kAxisLetterReach * axisLength();
        withAxes[points.size()] = {reach, 0, 0};
        withAxes[points.size() + 1] = {0, reach, 0};
        withAxes[points.size() + 2] = {0, 0, -reach};
        fitOnce(withAxes);
    }
}

void T3DCamera::fitOnce(const std::vector<T3DPoint>& points)
{
    zoom = 1;
    pan = {};
    // The window position is linear in the model point: origin plus one
    // column per model axis, in pixels at zoom 1.
    const auto o = toWindow({0, 0, 0});
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (const T3DPoint& p : points) {
        const auto w = toWindow(p);
        x0 = std::min(x0, w[0]);
        x1 = std::max(x1, w[0]);
        y0 = std::min(y0, w[1]);
        y1 = std::max(y1, w[1]);
    }
    if (!std::isfinite(x0) || !std::isfinite(y0)) return;
    const double roomX = std::max(1.0, width_ - 2 * kFitMargin), roomY = std::max(1.0, height_ - 2 * kFitMargin);
    const double spanX = x1 - x0, spanY = y1 - y0;
    double z = std::min(spanX > 0 ? roomX / spanX : 1e300, spanY > 0 ? roomY / spanY : 1e300);
    if (!(z > 0) || !std::isfinite(z)) z = 1;
    // The pan that moves the box's centre to the window's centre: the
    // shortest model vector whose image is that shift (at zoom 1, as the
    // zoom scales the panned model about the same centre).
    const double dx = width_ / 2.0 - (x0 + x1) / 2, dy = height_ / 2.0 - (y0 + y1) / 2;
    std::array<std::array<double, 2>, 3> j{};
    const T3DPoint axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (size_t k = 0; k < 3; ++k) {
        const auto w = toWindow(axes[k]);
        j[k] = {w[0] - o[0], w[1] - o[1]};
    }
    // (J J^T) u = d, pan = J^T u.
    double a = 0, b = 0, c = 0;
    for (const auto& col : j) {
        a += col[0] * col[0];
        b += col[0] * col[1];
        c += col[1] * col[1];
    }
    const double det = a * c - b * b;
    if (std::fabs(det) > 0) {
        const double u0 = (c * dx - b * dy) / det, u1 = (a * dy - b * dx) / det;
        pan = {j[0][0] * u0 + j[0][1] * u1, j[1][0] * u0 + j[1][1] * u1, j[2][0] * u0 + j[2][1] * u1};
    }
    zoom = z;
}

void T3DCamera::press(double x, double y)
{
    if (mode == T3DMouseMode::None) return;
    pressed_ = true;
    movedByUser_ = true;
    pressX_ = curX_ = x;
    pressY_ = curY_ = y;
    zoomAtPress_ = zoom;
    rxAtPress_ = rx;
    ryAtPress_ = ry;
    rzAtPress_ = rz;
    panAtPress_ = pan;
    frameAtPress_ = modelView();
}

std::array<double, 2> T3DCamera::limited(double x, double y, bool shift) const
{
    double dx = x - pressX_, dy = y - pressY_;
    if (shift) (std::fabs(dx) >= std::fabs(dy) ? dy : dx) = 0;
    return {dx, dy};
}

T3DPoint T3DCamera::transposed(const T3DPoint& v) const
{
    const T3DMatrix& m = frameAtPress_;
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[4] * v.x + m[5] * v.y + m[6] * v.z,
            m[8] * v.x + m[9] * v.y + m[10] * v.z};
}

void T3DCamera::move(double x, double y, bool shift)
{
    if (!pressed_) return;
    const auto [dx, dy] = limited(x, y, shift);
    curX_ = pressX_ + dx;
    curY_ = pressY_ + dy;
    switch (mode) {
    case T3DMouseMode::Pan: {
        // Pixels to model units: the matrix holds zoom x s0 once, the
        // division takes it out twice.
        const double s = zoomAtPress_ * s0();
        const T3DPoint v = transposed({dx, -dy, 0});
        pan = {panAtPress_.x + v.x / (s * s), panAtPress_.y + v.y / (s * s), panAtPress_.z + v.z / (s * s)};
        break;
    }
    case T3DMouseMode::Zoom: {
        zoomSteps_.clear();
        // Dragging down by the window's height would reach zero and turn
        // the picture inside out; the zoom stays above a hundredth.
        zoom = zoomAtPress_ * std::max(1 - dy / height_, 0.01);
        break;
    }
    case T3DMouseMode::Rotate: {
        // Across the window: a turn about the wall's vertical axis; up and
        // down: a tilt about the screen's horizontal. No roll, whatever the
        // angles already are, so the wall always stands upright.
        rx = rxAtPress_ + 90 * dy / height_;
        ry = ryAtPress_;
        rz = rzAtPress_ + 90 * dx / width_;
        break;
    }
    case T3DMouseMode::ZoomWindow:
    case T3DMouseMode::None: break;
    }
}

void T3DCamera::release(double x, double y, bool shift)
{
    if (!pressed_) return;
    move(x, y, shift);
    pressed_ = false;
    if (mode != T3DMouseMode::ZoomWindow) return;
    const double w = std::fabs(curX_ - pressX_), h = std::fabs(curY_ - pressY_);
    if (!(w > 0) || !(h > 0)) return;
    // The rectangle's centre comes to the window's centre, as a pan by the
    // distance between them would bring it.
    const double cx = (curX_ + pressX_) / 2, cy = (curY_ + pressY_) / 2;
    const double s = zoomAtPress_ * s0();
    const T3DPoint v = transposed({width_ / 2.0 - cx, -(height_ / 2.0 - cy), 0});
    pan = {pan.x + v.x / (s * s), pan.y + v.y / (s * s), pan.z + v.z / (s * s)};
    zoomSteps_.clear();
    zoom = zoomAtPress_ * std::min(height_ / h, width_ / w);
}

std::optional<std::array<double, 4>> T3DCamera::zoomWindow() const
{
    if (!pressed_ || mode != T3DMouseMode::ZoomWindow) return std::nullopt;
    return std::array<double, 4>{std::min(pressX_, curX_), std::min(pressY_, curY_), std::fabs(curX_ - pressX_),
                                 std::fabs(curY_ - pressY_)};
}

double T3DCamera::stepFactor(double factor, bool up)
{
    if (!(factor > 0) || !std::isfinite(factor)) return 1;
    int e = static_cast<int>(std::floor(std::log10(factor)));
    int m = static_cast<int>(std::floor(factor / std::pow(10.0, e) + 1e-9));
    if (m >= 10) {
        m = 1;
        ++e;
    } else if (m < 1) {
        m = 9;
        --e;
    }
    if (up) return units(m + 1, e);
    return m == 1 ? units(9, e - 1) : units(m - 1, e);
}

}  // namespace orvane
