#include "GraphFixtures.hpp"

#include "results/TGraphPainter.hpp"
#include "results/TGraphPicture.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr int kScreenPpi = 96;
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kAqua(0, 255, 255);
const QColor kGrey(128, 128, 128);

struct TDrawn {
    QImage image;
    TGraphRects rects;
    TGraphView view;
};

TDrawn draw(const TGraphPlot& plot, QSize size = {800, 500})
{
    TDrawn d;
    d.view = TGraphPicture::openingView(plot, size, kScreenPpi);
    d.image = TGraphPicture::render(plot, d.view, size, kScreenPpi);
    d.rects = TGraphPainter::layout(plot, TGraphPicture::surface(size, kScreenPpi));
    return d;
}

bool anyDark(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST(GraphPainter, DepthGraphHasZeroAtTheTopAndItsXLabelsAbove)
{
    for (bool onTop : {true, false}) {
        TGraphPlot plot = test::depthGraph();
        plot.XOnTop = onTop;
        const TDrawn d = draw(plot);
        const TPixelRect& p = d.rects.plot;
        const int lh = 16;
        const QRect above(QPoint(p.l + 1, p.t - lh - 3), QPoint(p.r - 1, p.t - 3));
        const QRect below(QPoint(p.l + 1, p.b + 6), QPoint(p.r - 1, p.b + 6 + lh));
        EXPECT_EQ(anyDark(d.image, above), onTop) << "X on top " << onTop;
        EXPECT_EQ(anyDark(d.image, below), !onTop) << "X on top " << onTop;
        // The curve leaves (0, 0): at depth 1 it is at x 0.1, a tenth of
        // the way down with X on top, a tenth of the way up otherwise.
        const TAxisRange depth = d.view.ranges[0].y;
        EXPECT_EQ(depth, (TAxisRange{0, 10}));
        const int y = graph::pixelY(1, depth, p, onTop);
        const int x = graph::pixelX(0.1, d.view.ranges[0].x, p);
        EXPECT_TRUE(anyDark(d.image, QRect(x - 1, y - 1, 3, 3))) << "X on top " << onTop;
        EXPECT_EQ(y < (p.t + p.b) / 2, onTop);
    }
}

TEST(GraphPainter, MarkersEverySecondPointOfATenPointCurve)
{
    TGraphPlot plot = test::flatCurves(3, 10);  // the middle one runs along y = 2
    plot.Lines.curve(0).Visible = false;
    plot.Lines.curve(2).Visible = false;
    plot.Markers = 2;
    const TDrawn d = draw(plot);
    const TPanelRange& r = d.view.ranges[0];
    const int cy = graph::pixelY(2, r.y, d.rects.plot, false);
    // Curve 2 (index 1) draws squares in blue, whose bottom edge lies two
    // pixels below the line at 96 pixels per inch.
    for (int j = 1; j <= 8; ++j) {
        const int cx = graph::pixelX(j, r.x, d.rects.plot);
        EXPECT_EQ(d.image.pixelColor(cx, cy + 2) == kBlue, j % 2 == 0) << "point " << j;
        EXPECT_EQ(d.image.pixelColor(cx, cy), kBlue) << "the line at point " << j;
    }
}

TEST(GraphPainter, EighteenthCurveTakesTheFirstColourAgain)
{
    TGraphPlot plot = test::flatCurves(18, 5);
    plot.Markers = 0;
    const TDrawn d = draw(plot);
    const TPanelRange& r = d.view.ranges[0];
    const int x0 = graph::pixelX(0.5, r.x, d.rects.plot), x1 = graph::pixelX(3.5, r.x, d.rects.plot);
    const int y18 = graph::pixelY(18, r.y, d.rects.plot, false);
    const int y17 = graph::pixelY(17, r.y, d.rects.plot, false);
    // Solid, not the dotted grid: every pixel of the stretch.
    EXPECT_EQ(test::countColour(d.image, kBlack, QRect(QPoint(x0, y18), QPoint(x1, y18))), x1 - x0 + 1);
    EXPECT_EQ(test::countColour(d.image, kAqua, QRect(QPoint(x0, y17), QPoint(x1, y17))), x1 - x0 + 1);
}

TEST(GraphPainter, CurvesFromTheTwentyFirstOnAreNotDrawnUntilActivated)
{
    TGraphPlot plot = test::flatCurves(25, 5);
    plot.Markers = 0;
    TGraphPainter::activateFirst(plot);
    EXPECT_EQ(TGraphPainter::activeCurves(plot).size(), 20u);
    const auto rowOf = [](const TDrawn& d, double y) {
        const TPanelRange& r = d.view.ranges[0];
        const int py = graph::pixelY(y, r.y, d.rects.plot, false);
        const int x0 = graph::pixelX(1.5, r.x, d.rects.plot), x1 = graph::pixelX(2.5, r.x, d.rects.plot);
        return QRect(QPoint(x0, py), QPoint(x1, py));
    };
    TDrawn d = draw(plot);
    // Curve 23 (y = 23), colour 22 mod 17 = 5, maroon, is not drawn:
    // nothing of its colour lies on its line.
    const QRect row23 = rowOf(d, 23);
    EXPECT_EQ(test::countColour(d.image, QColor(128, 0, 0), row23), 0);
    plot.Lines.curve(22).Active = true;
    d = draw(plot);
    // Now it is drawn in its own colour, 22 mod 17 = 5: maroon.
    EXPECT_EQ(test::countColour(d.image, QColor(128, 0, 0), rowOf(d, 23)), row23.width());
}

QColor tableColour(int curve)
{
    const TGraphColour& c = graph::curveColour(curve);
    return QColor(c.Red, c.Green, c.Blue);
}

// Every vertex of the marker of `curve` centred on (cx, cy) has a pixel of
// the curve's colour within one pixel (the curve's own line runs through it).
bool markerOnCurve(const QImage& image, int curve, int cx, int cy)
{
    for (const graph::TVertex& v : graph::markerVertices(curve, cx, cy, kScreenPpi / 32, kScreenPpi / 32))
        if (test::countColour(image, tableColour(curve), QRect(v.x - 1, v.y - 1, 3, 3)) == 0) return false;
    return true;
}

// The legend box shows, around (cx, cy), exactly the marker of `curve` in
// its colour, as drawn on white with the legend's pen.
bool legendMarkerOf(const QImage& image, int curve, int cx, int cy)
{
    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter p(&expected);
        p.setPen(QPen(tableColour(curve), graph::curveWidth(kScreenPpi, 1)));
        QPolygon outline;
        for (const graph::TVertex& v : graph::markerVertices(curve, cx, cy, kScreenPpi / 32, kScreenPpi / 32))
            outline << QPoint(v.x, v.y);
        p.drawPolyline(outline);
    }
    const int r = kScreenPpi / 32 + 1;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            if (image.pixel(x, y) != expected.pixel(x, y)) return false;
    return true;
}

TEST(GraphPainter, ACurveKeepsItsColourAndMarkerWhateverIsSwitchedOff)
{
    // Curves 0..4 (and a sixth at the top of the range, where the clip cuts
    // its markers), with one of them left out of the active curves or hidden
    // in each case: every other curve is drawn, and named in the legend box,
    // in its own colour and with its own marker. The legend box sits in the
    // middle of the plot, clear of the frames.
    const QSize size(800, 500);
    for (const TSurfaceKind kind : {TSurfaceKind::Picture, TSurfaceKind::Printer}) {
    for (int off = 0; off < 5; ++off) {
        for (bool inactive : {true, false}) {
            TGraphPlot plot = test::flatCurves(6, 5);
            (inactive ? plot.Lines.curve(off).Active : plot.Lines.curve(off).Visible) = false;
            TGraphSurface surface = TGraphPicture::surface(size, kScreenPpi);
            surface.kind = kind;
            TDrawn d;
            d.view = TGraphPicture::openingView(plot, size, kScreenPpi);
            d.view.legendLeft = d.view.legendTop = 0.3;
            d.rects = TGraphPainter::layout(plot, surface);
            d.image = QImage(size, QImage::Format_RGB32);
            {
                QPainter painter(&d.image);
                TGraphPainter::paint(painter, plot, d.view, surface);
            }
            const TPanelRange& r = d.view.ranges[0];
            const TPixelRect& c = d.rects.client;
            const int legendX = c.l + static_cast<int>((c.r - c.l) * d.view.legendLeft);
            const int legendY = c.t + static_cast<int>((c.b - c.t) * d.view.legendTop);
            const QFontMetrics fm(TGraphPainter::textFont(TGraphPainter::scaledFontHeight(plot, surface), false));
            int entry = 0;
            for (int curve = 0; curve < 5; ++curve) {
                if (curve == off) continue;
                const int y = graph::pixelY(curve + 1, r.y, d.rects.plot, false);
                const int x = graph::pixelX(1, r.x, d.rects.plot);
                const std::string what = std::string(kind == TSurfaceKind::Printer ? "printed" : "picture") +
                                         ": curve " + std::to_string(curve) + " with curve " + std::to_string(off) +
                                         (inactive ? " inactive" : " hidden");
                EXPECT_TRUE(markerOnCurve(d.image, curve, x, y)) << what << ", on the curve";
                const int top = legendY + kScreenPpi / 32 + entry++ * (fm.height() + kScreenPpi / 32);
                EXPECT_TRUE(legendMarkerOf(d.image, curve, legendX + kScreenPpi / 16, top + fm.height() / 2))
                    << what << ", in the legend";
            }
        }
    }
    }
}

// The three-panel graph of an analysed example, as the window shows it.
TGraphPlot exampleThreePanels(const std::string& name)
{
    const std::string root = ORVANE_SOURCE_DIR;
    TProject project;
    EXPECT_FALSE(TDataFileReader::readProject(project, root + "/examples/" + name + ".ov5d", TLayout::Current));
    TMainGraphs graphs;
    EXPECT_TRUE(TPlotFileReader::read(graphs, project, root + "/tests/engine/golden/expected/" + name + "/wall.ov5p"));
    TGraphPlot plot = graphs.pltDMS;
    TGraphPainter::activateFirst(plot);
    return plot;
}

TEST(GraphPainter, EveryPanelOfTheThreePanelGraphHasThreeTickLabelsThatDoNotTouch)
{
    struct Size {
        const char* what;
        QSize pixels;
        int ppi;
        TSurfaceKind kind;
    };
    const Size sizes[] = {
        {"the window at its default size", {640, 460}, 96, TSurfaceKind::Window},
        {"a 6 x 4 in picture at 72 ppi", {432, 288}, 72, TSurfaceKind::Picture},
        {"a 10 x 6.5 in picture at 96 ppi", {960, 624}, 96, TSurfaceKind::Picture},
    };
    for (const char* example : {"sand-anchored-generated-py", "cantilever-user-py", "si-sand-cantilever"}) {
        const TGraphPlot plot = exampleThreePanels(example);
        for (const Size& size : sizes) {
            TGraphSurface s = TGraphPicture::surface(size.pixels, size.ppi);
            s.kind = size.kind;
            const TGraphView view = TGraphPicture::openingView(plot, size.pixels, size.ppi);
            for (int panel = 0; panel < 3; ++panel)
                for (bool xAxis : {true, false}) {
                    const std::vector<TTickLabel> labels = TGraphPainter::tickLabels(plot, view, s, panel, xAxis);
                    const std::string what = std::string(example) + ", " + size.what + ", panel " +
                                             std::to_string(panel + 1) + (xAxis ? ", X" : ", depth");
                    EXPECT_GE(labels.size(), 3u) << what;
                    for (size_t k = 1; k < labels.size(); ++k) {
                        const QRect& a = labels[k - 1].box;
                        const QRect& b = labels[k].box;
                        EXPECT_FALSE(a.intersects(b)) << what << ": " << labels[k - 1].text.toStdString() << " and "
                                                      << labels[k].text.toStdString();
                    }
                    for (const TTickLabel& l : labels)
                        EXPECT_GE(l.fontHeight, graph::kSmallestLabelFont) << what;
                }
        }
    }
}

TEST(GraphPainter, TheDefaultLegendCoversNoCurveWhereACornerIsFree)
{
    // The shear panel's curve runs into its bottom-right corner, where the
    // legend used to go: it goes to a corner that no curve reaches, in the
    // window and so in the pictures.
    TGraphPlot plot = test::threePanelWithWall();
    for (int j = 0; j <= 10; ++j) plot.Lines3.point(0, j) = {0.3 * j, static_cast<double>(j)};
    const QSize size(640, 460);
    TGraphSurface s = TGraphPicture::surface(size, 96);
    s.kind = TSurfaceKind::Window;
    const TGraphView view = TGraphPicture::openingView(plot, size, 96);
    const TGraphRects rects = TGraphPainter::layout(plot, s);
    const QSize legend = TGraphPainter::legendControlSize(plot, 96);
    const TPixelRect r = TGraphPainter::defaultLegendRect(plot, view, rects, legend);
    EXPECT_EQ(r.r - r.l, legend.width());
    EXPECT_EQ(r.b - r.t, legend.height());
    const auto drawn = [&](bool curve) {
        TGraphPlot p = plot;
        p.Lines.curve(0).Visible = curve;
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        TGraphPainter::paint(painter, p, view, s);
        return image;
    };
    const QImage with = drawn(true), without = drawn(false);
    int touched = 0;
    for (int y = r.t; y <= r.b; ++y)
        for (int x = r.l; x <= r.r; ++x) touched += with.pixel(x, y) != without.pixel(x, y);
    EXPECT_EQ(touched, 0) << "legend at " << r.l << ", " << r.t;
    // The old place, the plot's bottom-right corner, is covered.
    const TPixelRect corner{rects.plot.r - legend.width(), rects.plot.b - legend.height(), rects.plot.r, rects.plot.b};
    int there = 0;
    for (int y = corner.t; y <= corner.b; ++y)
        for (int x = corner.l; x <= corner.r; ++x) there += with.pixel(x, y) != without.pixel(x, y);
    EXPECT_GT(there, 0);
}

TEST(GraphPainter, BlackAndWhiteDrawsNoColourAndNoGreyWall)
{
    TGraphPlot plot = test::threePanelWithWall();
    plot.ShowLayers = plot.ShowWall = true;
    for (TCurveList* list : {&plot.Lines, &plot.Lines2, &plot.Lines3}) {
        list->setCurveCount(3);
        for (int c = 1; c < 3; ++c)
            for (int j = 0; j <= 10; ++j) list->point(c, j) = {0.1 * c * j, static_cast<double>(j)};
    }
    const QSize size(800, 500);
    const TGraphView view = TGraphPicture::openingView(plot, size, kScreenPpi);
    const auto drawn = [&](bool blackAndWhite) {
        TGraphSurface s = TGraphPicture::surface(size, kScreenPpi);
        s.blackAndWhite = blackAndWhite;
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        TGraphPainter::paint(painter, plot, view, s);
        return image;
    };
    const auto coloured = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.red() != c.green() || c.green() != c.blue();
            }
        return n;
    };
    const QImage colour = drawn(false), mono = drawn(true);
    EXPECT_GT(coloured(colour), 100);  // blue and red curves
    EXPECT_EQ(coloured(mono), 0);
    EXPECT_GT(test::countColour(colour, kGrey), 100);  // the wall
    // Grey is left only at the edges of the antialiased letters.
    EXPECT_LT(test::countColour(mono, kGrey), test::countColour(colour, kGrey) / 10);
}

TEST(GraphPainter, PictureSizesAndTheOneInchMinimum)
{
    const TGraphPlot plot = test::depthGraph();
    TPictureAttributes a;
    EXPECT_EQ(a.pixels(), QSize(432, 288));
    QImage image = TGraphPicture::render(plot, TGraphPicture::openingView(plot, a.pixels(), kScreenPpi), a.pixels(),
                                         kScreenPpi);
    EXPECT_EQ(image.size(), QSize(432, 288));
    EXPECT_FALSE(test::allWhite(image));
    a.ppi = 10;
    EXPECT_EQ(a.pixels(), QSize(60, 40));
    image = TGraphPicture::render(plot, TGraphPicture::openingView(plot, a.pixels(), kScreenPpi), a.pixels(),
                                  kScreenPpi);
    EXPECT_EQ(image.size(), QSize(60, 40));
    EXPECT_TRUE(test::allWhite(image));
}

TEST(GraphPainter, SavedPicturesHaveTheAskedSizeInEveryFormat)
{
    const TGraphPlot plot = test::depthGraph();
    QTemporaryDir dir;
    TPictureAttributes a;
    const TGraphView view = TGraphPicture::openingView(plot, a.pixels(), kScreenPpi);
    for (const char* name : {"g.bmp", "g.png"}) {
        const std::filesystem::path path = dir.filePath(QString::fromLatin1(name)).toStdString();
        EXPECT_FALSE(TGraphPicture::save(plot, view, a, kScreenPpi, path).has_value()) << name;
        EXPECT_EQ(QImageReader(QString::fromStdString(path.string())).size(), QSize(432, 288)) << name;
        EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    }
    const QString svg = dir.filePath(QStringLiteral("g.svg"));
    EXPECT_FALSE(TGraphPicture::save(plot, view, a, kScreenPpi, svg.toStdString()).has_value());
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("viewBox=\"0 0 432 288\""));
    const std::filesystem::path pdf = dir.filePath(QStringLiteral("g.pdf")).toStdString();
    EXPECT_FALSE(TGraphPicture::save(plot, view, a, kScreenPpi, pdf).has_value());
    EXPECT_GT(std::filesystem::file_size(pdf), 500u);
    const auto refused = TGraphPicture::save(plot, view, a, kScreenPpi, dir.filePath("g.gif").toStdString());
    ASSERT_TRUE(refused.has_value());
    const auto unwritable =
        TGraphPicture::save(plot, view, a, kScreenPpi, dir.filePath("missing/g.bmp").toStdString());
    EXPECT_TRUE(unwritable.has_value());
}

TEST(GraphPainter, BlackAndWhiteHoldsForTheDrawnPictureTypes)
{
    const TGraphPlot plot = test::flatCurves(3, 5);  // black, blue and red
    QTemporaryDir dir;
    TPictureAttributes a;
    const TGraphView view = TGraphPicture::openingView(plot, a.pixels(), kScreenPpi);
    const auto svgText = [&](TPictureColours colours) {
        a.colours = colours;
        const QString svg = dir.filePath(QStringLiteral("g.svg"));
        EXPECT_FALSE(TGraphPicture::save(plot, view, a, kScreenPpi, svg.toStdString()).has_value());
        QFile file(svg);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    const QByteArray colour = svgText(TPictureColours::TrueColour24);
    EXPECT_TRUE(colour.contains("#0000ff") && colour.contains("#ff0000"));
    const QByteArray mono = svgText(TPictureColours::BlackAndWhite);
    EXPECT_FALSE(mono.contains("#0000ff"));
    EXPECT_FALSE(mono.contains("#ff0000"));
}

TEST(GraphPainter, SixteenColourPictureKeepsEveryCurveColour)
{
    TGraphPlot plot = test::flatCurves(17, 5);
    plot.Markers = 0;
    const TDrawn d = draw(plot);
    const QImage converted = TGraphPicture::convertColours(d.image, TPictureColours::Colours16);
    EXPECT_EQ(converted.format(), QImage::Format_Indexed8);
    EXPECT_LE(converted.colorCount(), 16);
    // Smoothed text edges fall to the nearest of the sixteen; every pixel
    // of the colour table and the white ground stays what it was.
    const QImage back = converted.convertToFormat(QImage::Format_RGB32);
    int kept = 0;
    for (int y = 0; y < d.image.height(); ++y)
        for (int x = 0; x < d.image.width(); ++x) {
            const QRgb was = d.image.pixel(x, y);
            const bool tableColour = was == qRgb(255, 255, 255) || std::any_of(kGraphColours.begin(), kGraphColours.end(),
                [was](const TGraphColour& c) { return qRgb(c.Red, c.Green, c.Blue) == was; });
            if (!tableColour) continue;
            ++kept;
            ASSERT_EQ(back.pixel(x, y), was) << x << ", " << y;
        }
    EXPECT_GT(kept, d.image.width() * d.image.height() * 9 / 10);
    const QImage mono = TGraphPicture::convertColours(d.image, TPictureColours::BlackAndWhite);
    EXPECT_EQ(mono.format(), QImage::Format_Mono);
}

TEST(GraphPainter, SoilStripWithTheWallAndTheExcavationSplit)
{
    TGraphPlot plot = test::threePanelWithWall();
    plot.ShowLayers = true;
    plot.ShowWall = true;
    const TDrawn d = draw(plot);
    const TPixelRect& s = d.rects.strip;
    const TAxisRange depth = d.view.ranges[0].y;
    const auto at = [&](double ft) { return graph::pixelY(ft, depth, d.rects.plot, true); };
    const int x2 = s.l + (s.r - s.l) * 2 / 5, x3 = s.l + (s.r - s.l) * 3 / 5;
    const int middle = (x2 + x3) / 2;
    EXPECT_EQ(d.image.pixelColor(middle, at(2)), kGrey);  // the wall down to its tip at 8 ft
    EXPECT_EQ(d.image.pixelColor(middle, at(7.5)), kGrey);
    EXPECT_NE(d.image.pixelColor(middle, at(9)), kGrey);
    // Above the excavation (5 ft) the right part shows no soil...
    const QRect rightAbove(QPoint(x3 + 2, at(3.3)), QPoint(s.r - 2, at(4.7)));
    EXPECT_EQ(test::countColour(d.image, Qt::white, rightAbove), rightAbove.width() * rightAbove.height());
    // ...below it the sand continues; on the left the clay reaches the top.
    EXPECT_TRUE(anyDark(d.image, QRect(QPoint(x3 + 2, at(5.5)), QPoint(s.r - 2, at(9.5)))));
    EXPECT_TRUE(anyDark(d.image, QRect(QPoint(s.l + 2, at(0.3)), QPoint(x2 - 2, at(2.7)))));
    // Without the wall every layer spans the strip, and no wall is drawn.
    // The layers' names (clay 0-3 ft, sand 3-10 ft) sit centred in them and
    // their letters' edges may take any grey, so the rows they can reach are
    // left out.
    plot.ShowWall = false;
    const TDrawn plain = draw(plot);
    EXPECT_TRUE(anyDark(plain.image, rightAbove));
    const int reach = TGraphPainter::surfaceFontHeight(kScreenPpi);
    int wallRows = 0;
    for (int y = s.t; y <= s.b; ++y) {
        if (std::abs(y - at(1.5)) <= reach || std::abs(y - at(6.5)) <= reach) continue;
        EXPECT_EQ(test::countColour(plain.image, kGrey, QRect(QPoint(x2, y), QPoint(x3, y))), 0) << "row " << y;
        ++wallRows;
    }
    EXPECT_GT(wallRows, (s.b - s.t) / 2);
}

TEST(GraphPainter, ThreePanelsEachWithItsFrameAndCurve)
{
    const TGraphPlot plot = test::threePanelWithWall();
    const TDrawn d = draw(plot, {1000, 500});
    for (int i = 0; i < 3; ++i) {
        const TPixelRect& p = d.rects.panels[static_cast<size_t>(i)];
        EXPECT_EQ(d.image.pixelColor(p.l, (p.t + p.b) / 2), kBlack) << "frame of panel " << i;
        EXPECT_EQ(d.image.pixelColor((p.l + p.r) / 2, p.t), kBlack) << "frame of panel " << i;
        // The curve bulges to its maximum 2.5 at depth 5.
        const TPanelRange& r = d.view.ranges[static_cast<size_t>(i)];
        const int x = graph::pixelX(2.5, r.x, p), y = graph::pixelY(5, r.y, p, true);
        EXPECT_TRUE(anyDark(d.image, QRect(x - 2, y - 2, 3, 5))) << "curve of panel " << i;
    }
}

}  // namespace
}  // namespace orvane
