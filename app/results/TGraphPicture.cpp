#include "results/TGraphPicture.hpp"

#include "model/TFileReplacer.hpp"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace orvane {

namespace {

namespace fs = std::filesystem;

std::string extensionOf(const fs::path& path)
{
    std::string e = path.extension().string();
    for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

// The sixteen colours of a 16-colour bitmap; every entry of the curve
// colour table is one of them.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
            qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

bool paintVector(const TGraphPlot& plot, const TGraphView& view, const TPictureAttributes& a, int screenPpi,
                 QIODevice* out, bool pdf)
{
    const QSize px = a.pixels();
    // Drawn, not converted pixel by pixel: "Black and White" draws in black.
    TGraphSurface surface = TGraphPicture::surface(px, screenPpi);
    surface.blackAndWhite = a.colours == TPictureColours::BlackAndWhite;
    QPainter painter;
    if (pdf) {
        QPdfWriter writer(out);
        writer.setResolution(a.ppi);
        writer.setPageSize(QPageSize(QSizeF(a.widthInches, a.heightInches), QPageSize::Inch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(plot.Caption));
        if (!painter.begin(&writer)) return false;
        TGraphPainter::paint(painter, plot, view, surface);
        return painter.end();
    }
    QSvgGenerator svg;
    svg.setOutputDevice(out);
    svg.setSize(px);
    svg.setViewBox(QRect(QPoint(0, 0), px));
    svg.setResolution(a.ppi);
    svg.setTitle(QString::fromStdString(plot.Caption));
    if (!painter.begin(&svg)) return false;
    TGraphPainter::paint(painter, plot, view, surface);
    return painter.end();
}

}  // namespace

QSize TPictureAttributes::pixels() const
{
    return {static_cast<int>(std::lround(ppi * widthInches)), static_cast<int>(std::lround(ppi * heightInches))};
}

TGraphSurface TGraphPicture::surface(QSize pixels, int screenPpi)
{
    TGraphSurface s;
    s.client = {0, 0, pixels.width(), pixels.height()};
    s.ppiX = s.ppiY = screenPpi;
    s.fontHeight = TGraphPainter::surfaceFontHeight(screenPpi);
    s.kind = TSurfaceKind::Picture;
    return s;
}

TGraphView TGraphPicture::openingView(const TGraphPlot& plot, QSize window, int screenPpi)
{
    TGraphView view;
    view.ranges = TGraphPainter::autoRanges(plot);
    TGraphSurface s = surface(window, screenPpi);
    s.kind = TSurfaceKind::Window;
    const TPixelRect legend = TGraphPainter::defaultLegendRect(plot, view, TGraphPainter::layout(plot, s),
                                                               TGraphPainter::legendControlSize(plot, screenPpi));
    if (window.width() > 0 && window.height() > 0) {
        view.legendLeft = static_cast<double>(legend.l) / window.width();
        view.legendTop = static_cast<double>(legend.t) / window.height();
    }
    return view;
}

QImage TGraphPicture::render(const TGraphPlot& plot, const TGraphView& view, QSize pixels, int screenPpi)
{
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(static_cast<int>(std::lround(screenPpi / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    QPainter painter(&image);
    TGraphPainter::paint(painter, plot, view, surface(pixels, screenPpi));
    return image;
}

QImage TGraphPicture::convertColours(const QImage& image, TPictureColours colours)
{
    switch (colours) {
    case TPictureColours::BlackAndWhite:
        return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    case TPictureColours::Colours16:
        return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdDither);
    case TPictureColours::Colours256:
        return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    case TPictureColours::HighColour16:
        return image.convertToFormat(QImage::Format_RGB555).convertToFormat(QImage::Format_RGB888);
    case TPictureColours::TrueColour24:
        return image.convertToFormat(QImage::Format_RGB888);
    }
    return image;
}

bool TGraphPicture::knownFormat(const fs::path& path)
{
    const std::string e = extensionOf(path);
    return e == ".bmp" || e == ".png" || e == ".pdf" || e == ".svg";
}

std::optional<std::string> TGraphPicture::save(const TGraphPlot& plot, const TGraphView& view,
                                               const TPictureAttributes& a, int screenPpi, const fs::path& path)
{
    const std::string e = extensionOf(path);
    if (!knownFormat(path)) return "Unknown picture type \"" + e + "\": use .bmp, .png, .pdf or .svg.";
    // Drawn in memory and written whole by the one writer of files, so no
    // cut picture ever replaces an older whole one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (e == ".pdf" || e == ".svg") {
        drawn = paintVector(plot, view, a, screenPpi, &buffer, e == ".pdf");
    } else {
        const QImage image = render(plot, view, a.pixels(), screenPpi);
        if (image.isNull()) return std::string(kNoMemory);
        const QImage out = convertColours(image, a.colours);
        if (out.isNull()) return std::string(kNoMemory);
        drawn = out.save(&buffer, e == ".bmp" ? "BMP" : "PNG");
    }
    if (!drawn || bytes.isEmpty()) return std::string(kNoMemory);
    return TFileReplacer::tryReplace(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                     "the picture");
}

}  // namespace orvane
