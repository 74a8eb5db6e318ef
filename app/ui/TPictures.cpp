#include "ui/TPictures.hpp"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace orvane {

namespace {

const QColor kWall(110, 110, 120);
const QColor kSoil(205, 170, 110);
const QColor kWater(60, 120, 220);
const QColor kLoad(200, 40, 40);
const QColor kDimension(40, 40, 40);

// Soil below a ground line, with hatching along its surface.
void soil(QPainter& p, const QPolygonF& region)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawPolygon(region);
    p.setPen(QPen(QColor(120, 90, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(region.mid(0, 2));
}

void wall(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kWall);
    p.drawRect(r);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color = kLoad)
{
    p.setPen(QPen(color, 1.6));
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double size = 6.0;
    QPolygonF head;
    head << to << to - QPointF(size * std::cos(angle - 0.4), size * std::sin(angle - 0.4))
         << to - QPointF(size * std::cos(angle + 0.4), size * std::sin(angle + 0.4));
    p.setBrush(color);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A dimension line with end ticks and its text beside the middle.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF textOffset = {4, 0})
{
    p.setPen(QPen(kDimension, 0.8));
    p.drawLine(a, b);
    const bool vertical = std::fabs(a.x() - b.x()) < std::fabs(a.y() - b.y());
    const QPointF tick = vertical ? QPointF(4, 0) : QPointF(0, 4);
    p.drawLine(a - tick, a + tick);
    p.drawLine(b - tick, b + tick);
    p.drawText((a + b) / 2 + textOffset + QPointF(0, 4), text);
}

void waterTable(QPainter& p, double x1, double x2, double y, const QString& text)
{
    p.setPen(QPen(kWater, 1.2, Qt::DashLine));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    QPolygonF mark;
    const double mx = (x1 + x2) / 2;
    mark << QPointF(mx - 5, y - 8) << QPointF(mx + 5, y - 8) << QPointF(mx, y);
    p.setPen(QPen(kWater, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(mark);
    p.drawText(QPointF(mx + 8, y - 2), text);
}

void label(QPainter& p, QPointF at, const QString& text, const QColor& color = Qt::black)
{
    p.setPen(color);
    p.drawText(at, text);
}

// Backfill on the left of a wall at x, excavation on the right down to `dig`.
void wallInSoil(QPainter& p, double x, double top, double dig, double tip, double width = 8)
{
    soil(p, QPolygonF{{10, top}, {x, top}, {x, 210}, {10, 210}});
    soil(p, QPolygonF{{x + width, dig}, {290, dig}, {290, 210}, {x + width, 210}});
    wall(p, QRectF(x, top - 10, width, tip - top + 10));
}

void wallConfiguration(QPainter& p)
{
    // Backfill rising away from the wall at the slope beta, excavation in front.
    const double wallX = 150;
    const double top = 60;
    const double rise = 18;  // over the width of the backfill
    soil(p, QPolygonF{{wallX, top}, {10, top - rise}, {10, 210}, {wallX, 210}});
    soil(p, QPolygonF{{wallX + 8, 130}, {290, 130}, {290, 210}, {wallX + 8, 210}});
    wall(p, QRectF(wallX, top - 10, 8, 145));
    p.setPen(QPen(kDimension, 0.8, Qt::DashLine));
    p.drawLine(QPointF(wallX, top), QPointF(90, top));
    p.setPen(QPen(kDimension, 0.8));
    p.drawArc(QRectF(wallX - 45, top - 45, 90, 90), 180 * 16, -9 * 16);
    label(p, {96, top - 4}, QStringLiteral("\u03b2"));
    auto surface = [&](double x) { return top - rise * (wallX - x) / (wallX - 10); };
    for (double x = 25; x <= 135; x += 22) arrow(p, {x, surface(x) - 24}, {x, surface(x) - 1});
    label(p, {14, 24}, QStringLiteral("q"));
    dimension(p, {175, top}, {175, 130}, QStringLiteral("H"));
    waterTable(p, 20, 140, 110, QStringLiteral("DWb"));
    waterTable(p, 200, 285, 165, QStringLiteral("DWe"));
    label(p, {190, 124}, QStringLiteral("excavation"));
    // Plan of the wall units: Wa centre to centre, Wp each.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kWall);
    for (double x : {205.0, 245.0}) p.drawEllipse(QPointF(x, 30), 9, 9);
    dimension(p, {205, 12}, {245, 12}, QStringLiteral("Wa"), {-8, -6});
    dimension(p, {236, 48}, {254, 48}, QStringLiteral("Wp"), {14, 4});
    label(p, {200, 70}, QStringLiteral("plan of the wall"));
}

void surcharge(QPainter& p)
{
    wallInSoil(p, 240, 90, 150, 200);
    arrow(p, {200, 40}, {200, 88});
    label(p, {184, 36}, QStringLiteral("Point"));
    for (double x = 130; x <= 150; x += 10) arrow(p, {x, 50}, {x, 88});
    label(p, {124, 46}, QStringLiteral("Line"));
    for (double x = 30; x <= 90; x += 12) arrow(p, {x, 60}, {x, 88});
    label(p, {42, 56}, QStringLiteral("Strip"));
    dimension(p, {26, 78}, {94, 78}, QStringLiteral("W"), {-4, -6});
    dimension(p, {60, 110}, {240, 110}, QStringLiteral("X"), {-4, -6});
    p.setPen(QPen(kDimension, 0.6, Qt::DotLine));
    p.drawLine(QPointF(60, 88), QPointF(60, 112));
}

void concentratedLoads(QPainter& p)
{
    wallInSoil(p, 150, 80, 130, 205);
    arrow(p, {90, 40}, {148, 40});
    label(p, {80, 34}, QStringLiteral("Lateral Load"));
    arrow(p, {154, 2}, {154, 28}, kLoad);
    label(p, {162, 14}, QStringLiteral("Axial Load"));
    p.setPen(QPen(kLoad, 1.6));
    p.drawArc(QRectF(164, 45, 34, 34), 100 * 16, -200 * 16);
    arrow(p, {178, 78}, {172, 76});
    label(p, {202, 66}, QStringLiteral("Moment"));
}

void zigzag(QPainter& p, QPointF from, QPointF to)
{
    QPainterPath path(from);
    const QPointF step = (to - from) / 9.0;
    const QPointF normal(-step.y(), step.x());
    for (int i = 1; i < 9; ++i) path.lineTo(from + step * i + normal * (i % 2 ? 0.8 : -0.8));
    path.lineTo(to);
    p.setPen(QPen(kLoad, 1.4));
    p.drawPath(path);
}

void springs(QPainter& p)
{
    wallInSoil(p, 150, 70, 130, 205);
    zigzag(p, {158, 40}, {230, 40});
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(230, 28), QPointF(230, 52));
    label(p, {190, 26}, QStringLiteral("Lateral Spring"));
    QPainterPath coil;
    for (int i = 0; i <= 540; i += 15) {
        const double a = i * M_PI / 180.0;
        const double r = 6 + i / 60.0;
        const QPointF pt(120 + r * std::cos(a), 40 + r * std::sin(a));
        i == 0 ? coil.moveTo(pt) : coil.lineTo(pt);
    }
    p.setPen(QPen(kLoad, 1.4));
    p.drawPath(coil);
    label(p, {20, 26}, QStringLiteral("Rotational Spring"));
}

void tieback(QPainter& p)
{
    wallInSoil(p, 200, 50, 150, 205);
    const QPointF head(200, 80);
    const QPointF bondStart(110, 130);
    const QPointF end(40, 169);
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(head, bondStart);
    p.setPen(QPen(QColor(90, 90, 90), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bondStart, end);
    label(p, {112, 96}, QStringLiteral("unbonded length"));
    label(p, {20, 190}, QStringLiteral("bonded length"));
    p.setPen(QPen(kDimension, 0.8));
    p.drawLine(head, head - QPointF(60, 0));
    p.drawArc(QRectF(head.x() - 40, head.y() - 40, 80, 80), 180 * 16, 29 * 16);
    label(p, {144, 92}, QStringLiteral("angle"));
    dimension(p, {225, 40}, {225, 80}, QStringLiteral("depth"));
}

void earthPressure(QPainter& p)
{
    wallInSoil(p, 160, 40, 130, 205);
    p.setPen(QPen(kLoad, 1.2));
    p.setBrush(QColor(240, 180, 180, 160));
    p.drawPolygon(QPolygonF{{168, 40}, {215, 40}, {260, 150}, {168, 150}});
    for (double y = 55; y <= 140; y += 17) {
        const double w = 215 + (y - 40) * 45.0 / 110.0 - 168;
        arrow(p, {168 + w, y}, {170, y});
    }
    dimension(p, {275, 40}, {275, 150}, QStringLiteral("depth"), {-50, 0});
    label(p, {180, 170}, QStringLiteral("distributed load"));
}

}  // namespace

QSize TPictures::size(TPicture)
{
    return {300, 215};
}

void TPictures::draw(TPicture picture, QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPointSizeF(8);
    p.setFont(font);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size(picture))), Qt::white);
    switch (picture) {
    case TPicture::WallConfiguration: wallConfiguration(p); break;
    case TPicture::Surcharge: surcharge(p); break;
    case TPicture::ConcentratedLoads: concentratedLoads(p); break;
    case TPicture::Springs: springs(p); break;
    case TPicture::Tieback: tieback(p); break;
    case TPicture::EarthPressure: earthPressure(p); break;
    }
    p.restore();
}

TPictureWidget::TPictureWidget(TPicture picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TPictureWidget::sizeHint() const
{
    return TPictures::size(picture_);
}

void TPictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSize natural = TPictures::size(picture_);
    painter.scale(double(width()) / natural.width(), double(height()) / natural.height());
    TPictures::draw(picture_, painter);
}

}  // namespace orvane
