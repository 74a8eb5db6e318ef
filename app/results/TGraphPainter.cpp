#include "results/TGraphPainter.hpp"

#include "results/TSoilPatterns.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr int kWindowFontPixels = 14;
constexpr int kWindowPpi = 96;
constexpr int kScaleTenths = 10;
const QColor kWallGrey(128, 128, 128);

QString qs(const std::string& s) { return QString::fromStdString(s); }

QColor colour(int k)
{
    const TGraphColour& c = graph::curveColour(k);
    return {c.Red, c.Green, c.Blue};
}

QRect qrect(const TPixelRect& r) { return QRect(QPoint(r.l, r.t), QPoint(r.r, r.b)); }

const TCurveList& panelList(const TGraphPlot& plot, int panel)
{
    return panel == 0 ? plot.Lines : panel == 1 ? plot.Lines2 : plot.Lines3;
}

// Text with its top-left corner at (x, y).
void textAt(QPainter& p, int x, int y, const QString& text)
{
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void centredText(QPainter& p, int centreX, int top, const QString& text)
{
    textAt(p, centreX - p.fontMetrics().horizontalAdvance(text) / 2, top, text);
}

// Text turned by 90 degrees to read upwards, its top edge at x and its
// middle at centreY.
void rotatedText(QPainter& p, int x, int centreY, const QString& text)
{
    p.save();
    p.translate(x, centreY);
    p.rotate(-90);
    textAt(p, -p.fontMetrics().horizontalAdvance(text) / 2, 0, text);
    p.restore();
}

class TDrawing {
public:
    TDrawing(QPainter& p, const TGraphPlot& plot, const TGraphView& view, const TGraphSurface& s)
        : p_(p), plot_(plot), view_(view), s_(s), rects_(TGraphPainter::layout(plot, s)),
          h_(TGraphPainter::scaledFontHeight(plot, s))
    {
    }

    void run()
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::TextAntialiasing, true);
        p_.fillRect(qrect(s_.client), Qt::white);
        if (s_.client.width() >= s_.ppiX && s_.client.height() >= s_.ppiY) {
            captions();
            for (int i = 0; i < panelCount(); ++i) ticks(i);
            for (int i = 0; i < panelCount(); ++i) curves(i);
            if (s_.kind != TSurfaceKind::Window) legendBox();
            if (plot_.ShowLayers) soilStrip();
            frames();
        }
        p_.restore();
    }

private:
    int panelCount() const { return plot_.ShowThree ? 3 : 1; }
    QColor curveColour(int curve) const { return s_.blackAndWhite ? QColor(Qt::black) : colour(curve); }
    const TPixelRect& panel(int i) const { return rects_.panels[static_cast<size_t>(i)]; }
    const TPanelRange& range(int i) const { return view_.ranges[static_cast<size_t>(i)]; }

    void captions()
    {
        const TPixelRect& c = s_.client;
        const bool hasTitle = !plot_.Title.empty();
        p_.setPen(Qt::black);
        p_.setFont(TGraphPainter::textFont(h_, true));
        const int centre = (c.l + c.r) / 2;
        const int th = p_.fontMetrics().height();
        if (hasTitle) centredText(p_, centre, plot_.TitleOnTop ? c.t : c.b - th, qs(plot_.Title));
        if (!plot_.ShowThree) {
            const QString x = qs(plot_.xAxisCaption(1));
            if (plot_.XOnTop)
                centredText(p_, centre, c.t + (hasTitle && plot_.TitleOnTop ? h_ / 8 + h_ : 0), x);
            else
                centredText(p_, centre, c.b - th - (hasTitle && !plot_.TitleOnTop ? h_ : 0), x);
            rotatedText(p_, c.l, (c.t + c.b) / 2, qs(plot_.yAxisCaption(1)));
            return;
        }
        // Each panel's caption within its share of the width: set smaller
        // where it would run into the next one's.
        const QFont font = p_.font();
        const double share = (panel(1).l + panel(1).r) / 2.0 - (panel(0).l + panel(0).r) / 2.0;
        for (int i = 0; i < 3; ++i) {
            const TPixelRect& r = panel(i);
            const QString x = qs(plot_.xAxisCaption(i + 1));
            const int mid = (r.l + r.r) / 2;
            int height = graph::labelFontHeight(h_, share, QFontMetrics(font).horizontalAdvance(x));
            while (height > graph::kSmallestLabelFont && height < h_ &&
                   QFontMetrics(TGraphPainter::textFont(height, true)).horizontalAdvance(x) + height / 2.0 > share)
                --height;
            p_.setFont(TGraphPainter::textFont(height, true));
            if (plot_.XOnTop)
                centredText(p_, mid, c.t + s_.ppiY / 16 + (hasTitle && plot_.TitleOnTop ? s_.ppiY / 4 : 0), x);
            else
                centredText(p_, mid, c.b - s_.ppiY / 16 - th - (hasTitle && !plot_.TitleOnTop ? s_.ppiY / 4 : 0), x);
            p_.setFont(font);
            rotatedText(p_, r.l - s_.ppiX / 8 - 2 * h_, (c.t + c.b) / 2, qs(plot_.yAxisCaption(i + 1)));
        }
    }

    void ticks(int i)
    {
        const TPixelRect& r = panel(i);
        const TPanelRange& v = range(i);
        const TTicks tx = graph::ticks(v.x, r.r - r.l, h_);
        const TTicks ty = graph::ticks(v.y, r.b - r.t, h_);
        if (tx.empty() || ty.empty()) return;
        p_.setFont(TGraphPainter::textFont(h_, false));
        const int lh = p_.fontMetrics().height();
        const QFont font = p_.font();
        const QFont xFont = TGraphPainter::textFont(labelHeight(tx, v.x, r.r - r.l), false);
        const QFont yFont = TGraphPainter::textFont(labelHeight(ty, v.y, r.b - r.t), false);
        const QPen solid(Qt::black, 1);
        // The grid's dots keep their screen spacing on a printer's finer
        // pixels, where a plain dotted pen would close up into a solid line.
        QPen dotted(Qt::black, 1, Qt::CustomDashLine);
        const qreal dot = std::max<qreal>(1, std::round(s_.ppiX / static_cast<qreal>(kWindowPpi)));
        dotted.setDashPattern({dot, 2 * dot});
        for (std::int64_t k = tx.first; k <= tx.last; ++k) {
            const double value = static_cast<double>(k) * tx.minor;
            const int x = graph::pixelX(value, v.x, r);
            if (x < r.l || x > r.r) continue;
            const int edge = plot_.XOnTop ? r.t : r.b;
            const int mark = plot_.XOnTop ? s_.ppiY / 16 : -s_.ppiY / 16;
            p_.setPen(solid);
            p_.drawLine(x, edge, x, edge + mark);
            if (k % 5 != 0) continue;
            p_.setPen(dotted);
            p_.drawLine(x, r.t, x, r.b);
            p_.setPen(solid);
            const QString label = qs(graph::generalFormat(value, 4));
            p_.setFont(xFont);
            centredText(p_, x, plot_.XOnTop ? r.t - lh - s_.ppiY / 32 : r.b + s_.ppiY / 16, label);
            p_.setFont(font);
        }
        for (std::int64_t k = ty.first; k <= ty.last; ++k) {
            const double value = static_cast<double>(k) * ty.minor;
            const int y = graph::pixelY(value, v.y, r, plot_.XOnTop);
            if (y < r.t || y > r.b) continue;
            p_.setPen(solid);
            p_.drawLine(r.l, y, r.l + s_.ppiX / 16, y);
            if (k % 5 != 0) continue;
            p_.setPen(dotted);
            p_.drawLine(r.l, y, r.r, y);
            p_.setPen(solid);
            p_.setFont(yFont);
            rotatedText(p_, r.l - lh - s_.ppiX / 32, y, qs(graph::generalFormat(value, 4)));
            p_.setFont(font);
        }
    }

    int labelHeight(const TTicks& t, const TAxisRange& range, int pixels) const
    {
        return TGraphPainter::tickLabelHeight(t, range, pixels, h_);
    }

    void marker(int shape, int cx, int cy)
    {
        QPolygon outline;
        for (const graph::TVertex& v : graph::markerVertices(shape, cx, cy, s_.ppiX / 32, s_.ppiY / 32))
            outline << QPoint(v.x, v.y);
        p_.drawPolyline(outline);
    }

    void curves(int i)
    {
        const TCurveList& list = panelList(plot_, i);
        const int n = list.pointCount();
        if (n < 2) return;
        // Every point: the results already end at the wall's tip.
        const int drawn = n;
        const TPixelRect& r = panel(i);
        const TPanelRange& v = range(i);
        p_.save();
        p_.setClipRect(qrect(r));
        p_.setBrush(Qt::NoBrush);
        // A curve's colour and marker follow its own number, so switching
        // another curve off never changes how this one is drawn or named.
        for (int c = 0; c < list.curveCount(); ++c) {
            const TLine& flags = c < plot_.Lines.curveCount() ? plot_.Lines.curve(c) : list.curve(c);
            if (!flags.Active || !flags.Visible) continue;
            QPen pen(curveColour(c), graph::curveWidth(s_.ppiX, plot_.WidthLine));
            pen.setJoinStyle(Qt::MiterJoin);
            p_.setPen(pen);
            const TLine& line = list.curve(c);
            QPolygon poly;
            for (int j = 0; j < drawn; ++j) {
                const TFloatPoint& pt = line.Points[static_cast<size_t>(j)];
                poly << QPoint(graph::pixelX(pt.X, v.x, r), graph::pixelY(pt.Y, v.y, r, plot_.XOnTop));
            }
            p_.drawPolyline(poly);
            for (int j : graph::markerPoints(drawn, plot_.Markers)) marker(c, poly[j].x(), poly[j].y());
        }
        p_.restore();
    }

    void legendBox()
    {
        std::vector<int> entries;  // the curves the legend names, each in its own colour and marker
        for (int curve : TGraphPainter::activeCurves(plot_))
            if (plot_.Lines.curve(curve).Visible) entries.push_back(curve);
        if (entries.empty()) return;
        const TPixelRect& c = s_.client;
        p_.setFont(TGraphPainter::textFont(h_, false));
        const QFontMetrics fm = p_.fontMetrics();
        int longest = 0;
        for (int curve : entries)
            longest = std::max(longest, fm.horizontalAdvance(qs(plot_.legendText(plot_.Lines.curve(curve)))));
        const int th = fm.height();
        const int step = th + s_.ppiY / 32;
        const int x = c.l + static_cast<int>((c.r - c.l) * view_.legendLeft);
        const int y = c.t + static_cast<int>((c.b - c.t) * view_.legendTop);
        const QRect box(x, y, longest + 3 * s_.ppiX / 16, static_cast<int>(entries.size()) * step + s_.ppiY / 32);
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::white);
        p_.drawRect(box);
        p_.setBrush(Qt::NoBrush);
        int top = y + s_.ppiY / 32;
        for (int curve : entries) {
            p_.setPen(QPen(curveColour(curve), graph::curveWidth(s_.ppiX, plot_.WidthLine)));
            if (plot_.Markers > 0) marker(curve, x + s_.ppiX / 16, top + th / 2);
            p_.setPen(curveColour(curve));
            textAt(p_, x + 2 * (s_.ppiX / 16), top, qs(plot_.legendText(plot_.Lines.curve(curve))));
            top += step;
        }
    }

    int depthPixel(double depth) const
    {
        return graph::pixelY(depth, range(0).y, rects_.plot, plot_.XOnTop);
    }

    void fill(const QRect& area, int code)
    {
        p_.setPen(QPen(Qt::black, 1));
        const QImage tile = TSoilPatterns::tile(code, s_.kind == TSurfaceKind::Printer, s_.ppiX);
        if (tile.isNull())
            p_.setBrush(Qt::NoBrush);
        else
            p_.setBrush(QBrush(tile));
        p_.setBrushOrigin(area.topLeft());
        p_.drawRect(area);
    }

    void soilStrip()
    {
        const TCurveList& layers = plot_.Layers;
        const int wall = plot_.WallLineCount;
        const bool withWall = plot_.ShowWall && wall > 0 && layers.curveCount() >= wall + 2;
        int count = layers.curveCount();
        if (wall > 0) count = std::min(count, wall);
        const TPixelRect& s = rects_.strip;
        p_.save();
        p_.setClipRect(qrect(s));
        const int x2 = s.l + (s.r - s.l) * 2 / 5, x3 = s.l + (s.r - s.l) * 3 / 5;
        const int excavation = withWall ? depthPixel(layers.point(wall + 1, 0).Y) : 0;
        int top = depthPixel(plot_.StripStartDepth);
        for (int i = 0; i < count; ++i) {
            if (layers.curve(i).Points.empty()) continue;
            const TFloatPoint& pt = layers.point(i, 0);
            const int code = static_cast<int>(std::lround(pt.X));
            int bottom = depthPixel(pt.Y) + (i + 1 < count ? 1 : 0);
            bottom = std::min(bottom, s.b);
            if (!withWall) {
                const QRect area(QPoint(s.l, top), QPoint(s.r, bottom));
                fill(area, code);
                layerText(area, qs(layers.curve(i).Name));
            } else if (bottom <= excavation) {
                fill(QRect(QPoint(s.l, top), QPoint(x2, bottom)), code);
            } else if (top < excavation) {
                fill(QRect(QPoint(s.l, top), QPoint(x2, bottom)), code);
                fill(QRect(QPoint(x3, excavation), QPoint(s.r, bottom)), code);
            } else {
                fill(QRect(QPoint(s.l, top), QPoint(s.r, bottom)), code);
            }
            top = bottom;
        }
        if (withWall) {
            const int tip = depthPixel(layers.point(wall, 0).Y);
            const QRect wallArea(QPoint(x2, s.t), QPoint(x3, tip));
            if (s_.blackAndWhite)
                p_.fillRect(wallArea, QBrush(Qt::black, Qt::Dense4Pattern));
            else
                p_.fillRect(wallArea, kWallGrey);
        }
        p_.restore();
    }

    void layerText(const QRect& area, const QString& text)
    {
        p_.setFont(TGraphPainter::textFont(s_.fontHeight, false));
        const QFontMetrics fm = p_.fontMetrics();
        const QRect box(0, 0, fm.horizontalAdvance(text), fm.height());
        QRect placed = box;
        placed.moveCenter(area.center());
        p_.fillRect(placed, Qt::white);
        p_.setPen(Qt::black);
        textAt(p_, placed.left(), placed.top(), text);
    }

    void frames()
    {
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::NoBrush);
        for (int i = 0; i < panelCount(); ++i) {
            const TPixelRect& r = panel(i);
            p_.drawRect(QRect(r.l, r.t, r.r - r.l, r.b - r.t));
        }
    }

    QPainter& p_;
    const TGraphPlot& plot_;
    const TGraphView& view_;
    const TGraphSurface& s_;
    TGraphRects rects_;
    int h_;
};

}  // namespace

int TGraphPainter::surfaceFontHeight(int ppiY)
{
    return static_cast<int>(std::lround(kWindowFontPixels * static_cast<double>(ppiY) / kWindowPpi));
}

int TGraphPainter::scaledFontHeight(const TGraphPlot& plot, const TGraphSurface& surface)
{
    return std::abs(surface.fontHeight) * plot.SizeFont / kScaleTenths;
}

QFont TGraphPainter::textFont(int pixelHeight, bool bold)
{
    // The serif family that setup installs, named outright: a family the
    // system maps by likeness (another "Times" installed later) would move
    // every text and make pictures differ between machines.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    return font;
}

namespace {

// The major ticks' values and labels, in the order drawn.
std::vector<std::pair<double, QString>> majorLabels(const TTicks& t)
{
    std::vector<std::pair<double, QString>> labels;
    for (std::int64_t k = t.first; k <= t.last; ++k) {
        if (k % 5 != 0) continue;
        const double value = static_cast<double>(k) * t.minor;
        labels.emplace_back(value, qs(graph::generalFormat(value, 4)));
    }
    return labels;
}

}  // namespace

int TGraphPainter::tickLabelHeight(const TTicks& t, const TAxisRange& range, int pixels, int h)
{
    if (t.empty() || !(range.width() > 0)) return h;
    const double spacing = t.major / range.width() * std::abs(pixels);
    const auto widest = [&](int height) {
        const QFontMetrics fm(textFont(height, false));
        int w = 0;
        for (const auto& [value, text] : majorLabels(t)) w = std::max(w, fm.horizontalAdvance(text));
        return w;
    };
    int height = graph::labelFontHeight(h, spacing, widest(h));
    // Widths do not scale exactly with the size: step down until they fit.
    while (height > graph::kSmallestLabelFont && height < h && widest(height) + height / 2.0 > spacing) --height;
    return height;
}

std::vector<TTickLabel> TGraphPainter::tickLabels(const TGraphPlot& plot, const TGraphView& view,
                                                  const TGraphSurface& s, int panel, bool xAxis)
{
    const TGraphRects rects = layout(plot, s);
    const TPixelRect& r = rects.panels[static_cast<size_t>(panel)];
    const TPanelRange& v = view.ranges[static_cast<size_t>(panel)];
    const int h = scaledFontHeight(plot, s);
    const TTicks tx = graph::ticks(v.x, r.r - r.l, h), ty = graph::ticks(v.y, r.b - r.t, h);
    std::vector<TTickLabel> labels;
    if (tx.empty() || ty.empty()) return labels;
    const int lh = QFontMetrics(textFont(h, false)).height();
    const TTicks& t = xAxis ? tx : ty;
    const TAxisRange& range = xAxis ? v.x : v.y;
    const int height = tickLabelHeight(t, range, xAxis ? r.r - r.l : r.b - r.t, h);
    const QFontMetrics fm(textFont(height, false));
    for (const auto& [value, text] : majorLabels(t)) {
        const int w = fm.horizontalAdvance(text);
        if (xAxis) {
            const int x = graph::pixelX(value, v.x, r);
            if (x < r.l || x > r.r) continue;
            const int top = plot.XOnTop ? r.t - lh - s.ppiY / 32 : r.b + s.ppiY / 16;
            labels.push_back({value, text, height, QRect(x - w / 2, top, w, fm.height())});
        } else {
            const int y = graph::pixelY(value, v.y, r, plot.XOnTop);
            if (y < r.t || y > r.b) continue;
            labels.push_back({value, text, height, QRect(r.l - lh - s.ppiX / 32, y - w / 2, fm.height(), w)});
        }
    }
    return labels;
}

TGraphRects TGraphPainter::layout(const TGraphPlot& plot, const TGraphSurface& s)
{
    TLayoutInput in;
    in.client = s.client;
    in.ppiX = s.ppiX;
    in.ppiY = s.ppiY;
    in.h = scaledFontHeight(plot, s);
    in.xOnTop = plot.XOnTop;
    in.hasTitle = !plot.Title.empty();
    in.titleOnTop = plot.TitleOnTop;
    in.showLayers = plot.ShowLayers;
    in.showThree = plot.ShowThree;
    in.kind = s.kind;
    return graph::layout(in);
}

void TGraphPainter::activateFirst(TGraphPlot& plot)
{
    for (int i = 0; i < plot.Lines.curveCount(); ++i) plot.Lines.curve(i).Active = i < graph::kActiveLimit;
}

std::vector<int> TGraphPainter::activeCurves(const TGraphPlot& plot)
{
    std::vector<int> active;
    for (int i = 0; i < plot.Lines.curveCount(); ++i)
        if (plot.Lines.curve(i).Active) active.push_back(i);
    return active;
}

std::array<TPanelRange, 3> TGraphPainter::autoRanges(const TGraphPlot& plot)
{
    return {graph::autoRange(plot.Lines), graph::autoRange(plot.Lines2), graph::autoRange(plot.Lines3)};
}

QSize TGraphPainter::legendControlSize(const TGraphPlot& plot, int ppi)
{
    const double points = plot.LegendFont * plot.SizeFont / static_cast<double>(kScaleTenths);
    const int pixels = static_cast<int>(std::lround(points * ppi / 72.0));
    const QFontMetrics fm(textFont(pixels, false));
    const std::vector<int> active = activeCurves(plot);
    int longest = 0;
    for (int i : active)
        longest = std::max(longest, fm.horizontalAdvance(qs(plot.legendText(plot.Lines.curve(i)) + " *")));
    const int itemHeight = static_cast<int>(std::lround(1.5 * points));
    return {longest + ppi / 4, static_cast<int>(active.size()) * itemHeight + 3};
}

namespace {

TPixelRect insideClient(TPixelRect r, const TPixelRect& c)
{
    const int dx = std::max(c.l - r.l, std::min(0, c.r - r.r));
    const int dy = std::max(c.t - r.t, std::min(0, c.b - r.b));
    return {r.l + dx, r.t + dy, r.r + dx, r.b + dy};
}

// Points of the drawn curves, a pixel or two apart along each segment, that
// fall inside the box (grown by a little room around it).
int coveredPoints(const TGraphPlot& plot, const TGraphView& view, const TGraphRects& rects, const TPixelRect& box)
{
    constexpr int kRoom = 3;
    const int panels = plot.ShowThree ? 3 : 1;
    int covered = 0;
    for (int i = 0; i < panels; ++i) {
        const TCurveList& list = panelList(plot, i);
        const TPixelRect& r = rects.panels[static_cast<size_t>(i)];
        const TPanelRange& v = view.ranges[static_cast<size_t>(i)];
        const int drawn = list.pointCount();
        for (int c = 0; c < list.curveCount(); ++c) {
            const TLine& flags = c < plot.Lines.curveCount() ? plot.Lines.curve(c) : list.curve(c);
            if (!flags.Active || !flags.Visible) continue;
            const std::vector<TFloatPoint>& points = list.curve(c).Points;
            for (int j = 0; j + 1 < drawn && j + 1 < static_cast<int>(points.size()); ++j) {
                const double x1 = graph::pixelX(points[static_cast<size_t>(j)].X, v.x, r);
                const double y1 = graph::pixelY(points[static_cast<size_t>(j)].Y, v.y, r, plot.XOnTop);
                const double x2 = graph::pixelX(points[static_cast<size_t>(j + 1)].X, v.x, r);
                const double y2 = graph::pixelY(points[static_cast<size_t>(j + 1)].Y, v.y, r, plot.XOnTop);
                const int steps = std::clamp(static_cast<int>(std::hypot(x2 - x1, y2 - y1) / 2), 1, 10000);
                for (int k = 0; k <= steps; ++k) {
                    const double x = x1 + (x2 - x1) * k / steps, y = y1 + (y2 - y1) * k / steps;
                    covered += x >= box.l - kRoom && x <= box.r + kRoom && y >= box.t - kRoom && y <= box.b + kRoom;
                }
            }
        }
    }
    return covered;
}

}  // namespace

TPixelRect TGraphPainter::defaultLegendRect(const TGraphPlot& plot, const TGraphView& view, const TGraphRects& rects,
                                            QSize legend)
{
    // Corners of the panels, the last panel's bottom-right first: the one
    // whose box covers the fewest curve points (none, where one is free).
    const int panels = plot.ShowThree ? 3 : 1;
    const int w = legend.width(), h = legend.height();
    std::vector<TPixelRect> corners;
    for (int i = panels - 1; i >= 0; --i) {
        const TPixelRect& p = rects.panels[static_cast<size_t>(i)];
        corners.push_back({p.r - w, p.b - h, p.r, p.b});
        corners.push_back({p.r - w, p.t, p.r, p.t + h});
        corners.push_back({p.l, p.b - h, p.l + w, p.b});
        corners.push_back({p.l, p.t, p.l + w, p.t + h});
    }
    TPixelRect best = insideClient(corners.front(), rects.client);
    int fewest = coveredPoints(plot, view, rects, best);
    for (size_t k = 1; k < corners.size() && fewest > 0; ++k) {
        const TPixelRect r = insideClient(corners[k], rects.client);
        const int covered = coveredPoints(plot, view, rects, r);
        if (covered < fewest) {
            fewest = covered;
            best = r;
        }
    }
    return best;
}

void TGraphPainter::paint(QPainter& painter, const TGraphPlot& plot, const TGraphView& view,
                          const TGraphSurface& surface)
{
    TDrawing(painter, plot, view, surface).run();
}

}  // namespace orvane
