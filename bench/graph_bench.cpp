// Drawing a full graph: 63 curves of 34 points (the engine's largest p-y
// block) into a 1600 x 1000 picture, as Save To Disk and orvane-run
// --picture draw it. Runs on Qt's offscreen platform.

#include "model/TGraphPlot.hpp"
#include "results/TGraphPainter.hpp"
#include "results/TGraphPicture.hpp"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace orvane;

constexpr int kCurves = 63;
constexpr int kPoints = 34;
constexpr int kScreenPpi = 96;
const QSize kPicture{1600, 1000};

// p-y-like curves: each rises to its own plateau, every one different.
TGraphPlot fullGraph(bool threePanels)
{
    TGraphPlot plot;
    plot.CurveName = "Depth";
    plot.Caption = "p-y Curves";
    plot.XCaption = "y";
    plot.XUnits = "L";
    plot.YCaption = "p";
    plot.YUnits = "F/L";
    plot.ShowThree = threePanels;
    plot.XOnTop = threePanels;
    for (TCurveList* list : {&plot.Lines, &plot.Lines2, &plot.Lines3}) {
        list->setCurveCount(kCurves);
        list->setPointCount(kPoints);
        for (int c = 0; c < kCurves; ++c)
            for (int j = 0; j < kPoints; ++j) {
                const double y = 0.05 * j * j;
                list->point(c, j) = {y, (c + 1) * 100.0 * std::tanh(y / (1 + 0.1 * c))};
            }
        if (!threePanels) break;
    }
    // Every curve drawn: the window's limit of 20 active curves lifted.
    for (TLine& line : plot.Lines) line.Active = true;
    return plot;
}

void paintInto(benchmark::State& state, bool threePanels)
{
    const TGraphPlot plot = fullGraph(threePanels);
    const TGraphView view = TGraphPicture::openingView(plot, kPicture, kScreenPpi);
    QImage image(kPicture, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        TGraphPainter::paint(painter, plot, view, TGraphPicture::surface(kPicture, kScreenPpi));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["curves"] = kCurves;
    state.counters["points"] = kPoints;
}

// Drawing only, into one picture over and over.
void BM_PaintGraph63x34(benchmark::State& state) { paintInto(state, false); }
BENCHMARK(BM_PaintGraph63x34)->Unit(benchmark::kMillisecond);

// The same curves in each of the three panels.
void BM_PaintThreePanels63x34(benchmark::State& state) { paintInto(state, true); }
BENCHMARK(BM_PaintThreePanels63x34)->Unit(benchmark::kMillisecond);

// A new picture each time, as a saved picture is made: allocation, white
// fill and drawing.
void BM_RenderPicture63x34(benchmark::State& state)
{
    const TGraphPlot plot = fullGraph(false);
    const TGraphView view = TGraphPicture::openingView(plot, kPicture, kScreenPpi);
    for (auto _ : state) {
        const QImage image = TGraphPicture::render(plot, view, kPicture, kScreenPpi);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderPicture63x34)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
