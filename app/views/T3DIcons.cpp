#include "views/T3DIcons.hpp"

#include "views/TDrawnIcon.hpp"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace orvane {

namespace {

const QColor kInk(40, 40, 60);
const QColor kWall(150, 150, 158);
const QColor kAccent(200, 50, 40);
const QColor kWindow(0, 160, 0);

// An arrow head at `tip`, pointing along the angle (radians, y down).
void head(QPainter& p, QPointF tip, double angle, double size = 4)
{
    const double spread = 0.5;
    p.drawLine(tip, tip - size * QPointF(std::cos(angle - spread), std::sin(angle - spread)));
    p.drawLine(tip, tip - size * QPointF(std::cos(angle + spread), std::sin(angle + spread)));
}

void magnifier(QPainter& p, const QString& sign)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(235, 240, 250));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.drawLine(QPointF(15, 15), QPointF(21.5, 21.5));
    p.setPen(QPen(kAccent, 2));
    if (sign.contains(QLatin1Char('-')) || sign.contains(QLatin1Char('+'))) p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (sign.contains(QLatin1Char('+'))) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

}  // namespace

QIcon T3DIcons::icon(const QString& name)
{
    if (name == QLatin1String("Panning"))
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1.6));
            p.drawLine(QPointF(12, 3), QPointF(12, 21));
            p.drawLine(QPointF(3, 12), QPointF(21, 12));
            const double pi = std::numbers::pi;
            head(p, {12, 3}, -pi / 2);
            head(p, {12, 21}, pi / 2);
            head(p, {3, 12}, pi);
            head(p, {21, 12}, 0);
        });
    if (name == QLatin1String("Zoom Window"))
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kWindow, 1.5, Qt::DashLine));
            p.drawRect(QRectF(2.5, 2.5, 14, 11));
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(13, 11), QPointF(21, 21));
            head(p, {21, 21}, std::atan2(10, 8), 5);
        });
    if (name == QLatin1String("Zooming"))
        return drawnIcon([](QPainter& p) {
            magnifier(p, {});
            p.setPen(QPen(kAccent, 1.5));
            p.drawLine(QPointF(10, 6), QPointF(10, 14));
            head(p, {10, 6}, -std::numbers::pi / 2, 3);
            head(p, {10, 14}, std::numbers::pi / 2, 3);
        });
    if (name == QLatin1String("Rotating"))
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 2));
            p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 290 * 16);
            const double a = 30 * std::numbers::pi / 180;
            head(p, {12 + 8 * std::cos(a), 12 - 8 * std::sin(a)}, -std::numbers::pi / 2 - a + 0.3, 5);
        });
    if (name == QLatin1String("Zoom In")) return drawnIcon([](QPainter& p) { magnifier(p, QStringLiteral("+")); });
    if (name == QLatin1String("Zoom Out")) return drawnIcon([](QPainter& p) { magnifier(p, QStringLiteral("-")); });
    if (name == QLatin1String("Restart View"))
        return drawnIcon([](QPainter& p) {
            // A box seen from the front, back to its start.
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kWall);
            p.drawRect(QRectF(6, 6, 12, 14));
            p.setPen(QPen(kAccent, 2));
            p.drawArc(QRectF(2, 2, 20, 20), 100 * 16, 140 * 16);
            head(p, {12 - 10 * std::cos(80 * std::numbers::pi / 180), 12 - 10 * std::sin(80 * std::numbers::pi / 180)},
                 0.2, 4);
        });
    if (name == QLatin1String("Deformed Shape"))
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1, Qt::DashLine));
            p.drawLine(QPointF(8, 2), QPointF(8, 22));
            QPainterPath bent;
            bent.moveTo(13, 2);
            bent.cubicTo(18, 9, 10, 16, 8, 22);
            p.setPen(QPen(kWall.darker(130), 3));
            p.drawPath(bent);
        });
    return {};
}

}  // namespace orvane
