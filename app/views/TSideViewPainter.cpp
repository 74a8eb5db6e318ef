#include "views/TSideViewPainter.hpp"

#include "model/TFileReplacer.hpp"
#include "model/TProject.hpp"

#include <QBuffer>

#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace orvane {

namespace {

QColor colourOf(TSceneRole role, const QColor& windowText)
{
    switch (role) {
    case TSceneRole::Wall: return windowText;
    case TSceneRole::Water: return QColor(0, 90, 200);
    case TSceneRole::TiebackFree:
    case TSceneRole::TiebackBond: return QColor(160, 40, 30);
    case TSceneRole::Surcharge: return QColor(0, 110, 40);
    case TSceneRole::Scale: return QColor(90, 90, 90);
    default: return Qt::black;
    }
}

QPen penOf(TSceneRole role, double width, const QColor& windowText)
{
    QPen pen(colourOf(role, windowText));
    pen.setWidthF(width);
    pen.setCapStyle(role == TSceneRole::TiebackBond ? Qt::FlatCap : Qt::SquareCap);
    return pen;
}

// Texts stand on the background, so that a water line or a tieback drawn
// under them never strikes them through.
void drawText(QPainter& painter, const TSceneText& t, double lineHeight, const QColor& windowText,
              const QColor& background)
{
    const double wide = 1e5;
    const QRectF box = t.centred ? QRectF(t.x - wide / 2, t.y, wide, lineHeight) : QRectF(t.x, t.y, wide, lineHeight);
    const int flags = (t.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextDontClip;
    const QString text = QString::fromStdString(t.text);
    painter.fillRect(painter.boundingRect(box, flags, text).adjusted(-1, 0, 1, 0), background);
    painter.setPen(colourOf(t.role, windowText));
    painter.drawText(box, flags, text);
}

void drawItem(QPainter& painter, const TSideViewScene& scene, const TSceneItem& item, double lineHeight,
              const QColor& windowText, const QColor& background)
{
    switch (item.kind) {
    case TSceneItem::Line: {
        const TSceneLine& l = scene.lines[item.index];
        painter.setPen(penOf(l.role, l.width, windowText));
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
        break;
    }
    case TSceneItem::Rect: {
        const TSceneRect& r = scene.rects[item.index];
        painter.fillRect(QRectF(r.left, r.top, r.width, r.height), colourOf(r.role, windowText));
        break;
    }
    case TSceneItem::Circle: {
        const TSceneCircle& c = scene.circles[item.index];
        painter.setPen(penOf(c.role, c.width, windowText));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(c.cx, c.cy), c.radius, c.radius);
        painter.setBrush(Qt::NoBrush);
        break;
    }
    case TSceneItem::Polygon: {
        const TScenePolygon& p = scene.polygons[item.index];
        QPolygonF polygon;
        for (size_t i = 0; i + 1 < p.xy.size(); i += 2) polygon << QPointF(p.xy[i], p.xy[i + 1]);
        QPen pen = penOf(p.role, p.width, windowText);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(colourOf(p.role, windowText));
        painter.drawPolygon(polygon);
        painter.setBrush(Qt::NoBrush);
        break;
    }
    case TSceneItem::Text: drawText(painter, scene.texts[item.index], lineHeight, windowText, background); break;
    }
}

std::string lowerExtension(const std::filesystem::path& path)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// False when the device refused the drawing.
bool paintPicture(QPaintDevice& device, const TProject& project, int width, int height)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = TSideViewPainter::font();
    painter.setFont(font);
    TSideViewSurface surface = TSideViewPainter::surface(device, font, false);
    surface.width = width;
    surface.height = height;
    const TSideViewGeometry geometry(project);
    TSideViewPainter::paint(painter, geometry.scene(surface), surface, Qt::white, Qt::black, font);
    // The window's label, where the window shows it.
    painter.setPen(Qt::black);
    painter.drawText(QPointF(352, 8 + QFontMetricsF(font, &device).ascent()), QStringLiteral("Wall Profile"));
    return painter.end();
}

}  // namespace

QFont TSideViewPainter::font()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.5);
    return font;
}

TSideViewSurface TSideViewPainter::surface(const QPaintDevice& device, const QFont& font, bool page)
{
    TSideViewSurface s;
    s.width = device.width();
    s.height = device.height();
    s.page = page;
    s.lineHeight = QFontMetricsF(font, &device).height();
    return s;
}

void TSideViewPainter::paint(QPainter& painter, const TSideViewScene& scene, const TSideViewSurface& surface,
                             const QColor& background, const QColor& windowText, const QFont& font)
{
    painter.fillRect(QRectF(0, 0, surface.width, surface.height), background);
    painter.setFont(font);
    for (const TSceneItem& item : scene.order) drawItem(painter, scene, item, surface.lineHeight, windowText, background);
}

void TSideViewPainter::paintPage(QPainter& painter, const QPaintDevice& device, const TProject& project,
                                 const QFont& font)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    const TSideViewSurface surface = TSideViewPainter::surface(device, font, true);
    paint(painter, TSideViewGeometry(project).scene(surface), surface, Qt::white, Qt::black, font);
    painter.setPen(Qt::black);
    const QString title = QStringLiteral("Wall Profile - ") + QString::fromStdString(project.data().Title);
    painter.drawText(QRectF(0.1 * surface.width, 0.03 * surface.height, 0.8 * surface.width, surface.lineHeight),
                     Qt::AlignLeft | Qt::AlignTop, title);
}

std::optional<std::string> TSideViewPainter::writePicture(const TProject& project, const std::filesystem::path& path,
                                                          int width, int height)
{
    const std::string ext = lowerExtension(path);
    if (ext != ".png" && ext != ".svg" && ext != ".pdf")
        return "unknown picture type \"" + ext + "\" (use .png, .svg or .pdf)";
    if (width < 1 || height < 1) return "the picture needs a width and a height of at least 1 pixel";
    // Drawn in memory and written whole by the one writer of files, so no
    // cut picture ever replaces an older whole one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool written = true;
    if (ext == ".png") {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        written = paintPicture(image, project, width, height) && image.save(&buffer, "PNG");
    } else if (ext == ".svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QStringLiteral("Side View"));
        written = paintPicture(svg, project, width, height);
    } else {
        // One point per pixel: the page is exactly the asked size.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Side View"));
        written = paintPicture(pdf, project, width, height);
    }
    if (!written || bytes.isEmpty()) return "Cannot write the picture \"" + path.string() + "\": it could not be drawn";
    return TFileReplacer::tryReplace(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                     "the picture");
}

}  // namespace orvane
