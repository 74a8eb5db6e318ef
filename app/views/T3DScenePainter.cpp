#include "views/T3DScenePainter.hpp"

#include "model/TFileReplacer.hpp"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace orvane {

namespace {

QColor qcolour(const T3DColour& c)
{
    return QColor::fromRgbF(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b),
                            static_cast<float>(c.a));
}

// A small rasteriser with a depth buffer, drawing as the window's OpenGL
// does: opaque faces (back faces culled) and lines with the depth test and
// depth writes, then the translucent fills blended over them with the depth
// test but without depth writes.
class TRaster {
public:
    TRaster(QImage& image, const T3DCamera& camera)
        : image_(image), camera_(camera), w_(image.width()), h_(image.height()),
          depth_(static_cast<size_t>(w_) * static_cast<size_t>(h_), -std::numeric_limits<double>::infinity())
    {
    }

    void draw(const T3DScene& scene)
    {
        const T3DList* lists[] = {&scene.loads, &scene.model, &scene.soil};
        for (bool translucentPass : {false, true})
            for (const T3DList* list : lists) {
                auto solids = [&] {
                    for (const T3DSolid& s : list->solids)
                        if (s.filled && (s.fill.a < 1) == translucentPass)
                            for (const auto& f : s.faces())
                                polygon({s.corners[static_cast<size_t>(f[0])], s.corners[static_cast<size_t>(f[1])],
                                         s.corners[static_cast<size_t>(f[2])], s.corners[static_cast<size_t>(f[3])]},
                                        s.fill, true);
                };
                // The window's order: opaque solids, then quads; translucent
                // quads and marks before the translucent solids.
                if (!translucentPass) solids();
                for (const T3DQuad& q : list->quads)
                    if (q.filled && (q.fill.a < 1) == translucentPass)
                        polygon({q.corners[0], q.corners[1], q.corners[2], q.corners[3]}, q.fill, false);
                if (translucentPass) {
                    for (const T3DPyramid& p : list->pyramids)
                        for (size_t i = 0; i < 4; ++i) polygon({p.base[i], p.base[(i + 1) % 4], p.apex}, p.fill, false);
                    solids();
                    continue;
                }
                for (const T3DSolid& s : list->solids)
                    if (s.outlined)
                        for (size_t i = 0; i < 4; ++i) {
                            const size_t next = (i + 1) % 4;
                            line(s.corners[i], s.corners[next], s.outline);
                            line(s.corners[i + 4], s.corners[next + 4], s.outline);
                            line(s.corners[i], s.corners[i + 4], s.outline);
                        }
                for (const T3DQuad& q : list->quads)
                    if (q.outlined)
                        for (size_t i = 0; i < 4; ++i) line(q.corners[i], q.corners[(i + 1) % 4], q.outline);
                for (const T3DPyramid& p : list->pyramids)
                    for (size_t i = 0; i < 4; ++i) {
                        line(p.base[i], p.base[(i + 1) % 4], p.outline);
                        line(p.base[i], p.apex, p.outline);
                    }
                for (const T3DPolyline& l : list->lines)
                    for (size_t i = 0; i + 1 < l.points.size(); ++i) line(l.points[i], l.points[i + 1], l.colour);
            }
    }

private:
    struct V {
        double x, y, z;
    };

    V project(const T3DPoint& p) const
    {
        const auto [x, y] = camera_.toWindow(p);
        return {x, y, camera_.nearness(p)};
    }

    void blend(int x, int y, const T3DColour& c)
    {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const QRgb d = row[x];
        auto mix = [&](double src, int dst) { return static_cast<int>(std::lround(255 * src * c.a + dst * (1 - c.a))); };
        row[x] = qRgb(mix(c.r, qRed(d)), mix(c.g, qGreen(d)), mix(c.b, qBlue(d)));
    }

    // Pixel centres inside the triangle; anticlockwise on the y-up screen is
    // a front face.
    void triangle(const V& a, const V& b, const V& c, const T3DColour& colour, bool cull)
    {
        const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (area == 0 || (cull && area > 0)) return;
        if (!std::isfinite(area)) return;
        // Bounded to the picture before the conversion, which a corner far
        // beyond it would overflow.
        auto pixel = [](double v, int size) { return static_cast<int>(std::clamp(v, -1.0, static_cast<double>(size))); };
        const int x0 = std::max(0, pixel(std::floor(std::min({a.x, b.x, c.x})), w_));
        const int x1 = std::min(w_ - 1, pixel(std::ceil(std::max({a.x, b.x, c.x})), w_));
        const int y0 = std::max(0, pixel(std::floor(std::min({a.y, b.y, c.y})), h_));
        const int y1 = std::min(h_ - 1, pixel(std::ceil(std::max({a.y, b.y, c.y})), h_));
        const bool opaque = colour.a >= 1;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
                const double wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
                const double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                const double z = wa * a.z + wb * b.z + wc * c.z;
                double& stored = depth_[static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x)];
                if (z < stored) continue;
                blend(x, y, colour);
                if (opaque) stored = z;
            }
    }

    void polygon(const std::vector<T3DPoint>& corners, const T3DColour& colour, bool cull)
    {
        std::vector<V> v;
        for (const T3DPoint& p : corners) v.push_back(project(p));
        for (size_t i = 1; i + 1 < v.size(); ++i) triangle(v[0], v[i], v[i + 1], colour, cull);
    }

    // The part of the segment a-b over the picture (and a pixel around it);
    // false when none is. A line reaching far beyond the picture (a wall
    // width of 1e10 in the data file) is never stepped pixel by pixel.
    bool clip(V& a, V& b) const
    {
        if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return false;
        double t0 = 0, t1 = 1;
        // Keeps the part where p * t <= q.
        auto keep = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double t = q / p;
            if (p < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
            return t0 <= t1;
        };
        const double dx = b.x - a.x, dy = b.y - a.y;
        if (!keep(-dx, a.x + 1) || !keep(dx, w_ + 1 - a.x) || !keep(-dy, a.y + 1) || !keep(dy, h_ + 1 - a.y))
            return false;
        const V from = a;
        auto at = [&](double t) { return V{from.x + dx * t, from.y + dy * t, from.z + (b.z - from.z) * t}; };
        a = at(t0);
        b = at(t1);
        return true;
    }

    // One pixel wide, a hair in front of the faces it bounds.
    void line(const T3DPoint& p, const T3DPoint& q, const T3DColour& colour)
    {
        V a = project(p), b = project(q);
        if (!clip(a, b)) return;
        const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y)))));
        const double lift = 1e-6 * std::max(1.0, std::fabs(a.z) + std::fabs(b.z));
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int x = static_cast<int>(std::floor(a.x + (b.x - a.x) * t));
            const int y = static_cast<int>(std::floor(a.y + (b.y - a.y) * t));
            if (x < 0 || y < 0 || x >= w_ || y >= h_) continue;
            const double z = a.z + (b.z - a.z) * t + lift;
            double& stored = depth_[static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x)];
            if (z < stored) continue;
            blend(x, y, colour);
            stored = z;
        }
    }

    QImage& image_;
    const T3DCamera& camera_;
    int w_, h_;
    std::vector<double> depth_;
};

}  // namespace

void T3DScenePainter::paint(QImage& image, const T3DScene& scene, const T3DCamera& camera, bool axes)
{
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    TRaster(image, camera).draw(scene);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(T3DScenePainter::labelFont(painter.font()));
    auto text = [&](const T3DLabel& label, bool centred) {
        const auto [x, y] = camera.toWindow(label.at);
        painter.setPen(qcolour(label.colour));
        if (centred)
            painter.drawText(QRectF(x - 20, y - 20, 40, 40), Qt::AlignCenter, QString::fromStdString(label.text));
        else
            painter.drawText(QPointF(x + 4, y - 4), QString::fromStdString(label.text));
    };
    for (const T3DList* list : {&scene.loads, &scene.model, &scene.soil})
        for (const T3DLabel& label : list->labels) text(label, false);
    if (!axes) return;
    // Over everything, as the window draws them with the depth test off.
    for (const T3DPolyline& l : T3DSceneBuilder::axes(camera.axisLength()).lines) {
        painter.setPen(QPen(qcolour(l.colour), 2));
        const auto [x1, y1] = camera.toWindow(l.points[0]);
        const auto [x2, y2] = camera.toWindow(l.points[1]);
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    for (const T3DLabel& label : T3DSceneBuilder::axes(camera.axisLength() * 1.15).labels) text(label, true);
}

QFont T3DScenePainter::labelFont(QFont font)
{
    // Named outright, as the side view's: the same letters on every machine,
    // whatever the system's default family is.
    font.setFamily(QStringLiteral("DejaVu Sans"));
    return font;
}

T3DCamera T3DScenePainter::obliqueCamera(const T3DScene& scene, int width, int height)
{
    T3DCamera camera;
    camera.setExtents(scene.extents);
    camera.setViewport(width, height);
    camera.setFitPoints(scene.points());
    camera.restart();
    return camera;
}

std::optional<std::string> T3DScenePainter::writePicture(const TProject& project, const TGraphPlot* deflection,
                                                        const T3DDisplay& display, const std::filesystem::path& path,
                                                        int width, int height, const TAngle& angle)
{
    if (width < 1 || height < 1) return "the picture needs a width and a height of at least 1 pixel";
    const T3DScene scene = T3DSceneBuilder::build(project, deflection, display);
    T3DCamera camera = obliqueCamera(scene, width, height);
    if (angle.yaw || angle.pitch) {
        camera.rz = angle.yaw.value_or(camera.rz);
        camera.rx = angle.pitch.value_or(camera.rx);
        camera.fit(scene.points());
    }
    if (angle.zoom) camera.zoom *= *angle.zoom;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    paint(image, scene, camera, display.axes);
    return writePng(image, path);
}

std::optional<std::string> T3DScenePainter::writePng(const QImage& image, const std::filesystem::path& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG") || bytes.isEmpty())
        return "Cannot write the picture \"" + path.string() + "\": it could not be encoded as PNG";
    return TFileReplacer::tryReplace(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                     "the picture");
}

}  // namespace orvane
