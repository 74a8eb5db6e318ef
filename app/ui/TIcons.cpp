#include "ui/TIcons.hpp"

#include "views/TDrawnIcon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace orvane {

namespace {

const QColor kInk(40, 40, 60);
const QColor kPaper(250, 250, 245);
const QColor kSoil(205, 170, 110);
const QColor kWall(110, 110, 120);
const QColor kCurve(30, 80, 200);
const QColor kAccent(200, 50, 40);

// A sheet of paper with a folded corner.
void page(QPainter& p, const QColor& fill = kPaper)
{
    QPolygonF sheet{{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}};
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF{{15, 2}, {15, 7}, {20, 7}});
}

void textLines(QPainter& p, int from, int to)
{
    p.setPen(QPen(kInk, 1));
    for (int y = from; y <= to; y += 3) p.drawLine(QPointF(7.5, y + 0.5), QPointF(17.5, y + 0.5));
}

// A wall in soil: backfill left, excavation right.
void wallInSoil(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawRect(QRectF(1, 8, 10, 15));
    p.drawRect(QRectF(13, 15, 10, 8));
    p.setBrush(kWall);
    p.drawRect(QRectF(10.5, 3, 3, 20));
}

// A depth diagram: a vertical axis and a curve x = f(depth fraction).
void diagram(QPainter& p, const std::function<double(double)>& shape, const QColor& color = kCurve)
{
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.drawLine(QPointF(3, 2.5), QPointF(21, 2.5));
    QPainterPath path;
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0;
        const QPointF pt(12 + 9 * shape(t), 2.5 + 19 * t);
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.setPen(QPen(color, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void letter(QPainter& p, const QString& text, const QRectF& box, const QColor& color = kInk, int pixels = 11)
{
    QFont font = p.font();
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

double deflection(double t) { return 0.9 * std::pow(1 - t, 2) - 0.1; }
double moment(double t) { return std::sin(M_PI * t) * (t < 0.7 ? 0.9 : 0.9 - (t - 0.7) * 2); }
double shear(double t) { return std::cos(M_PI * t * 1.2) * 0.8; }
double reaction(double t) { return t < 0.45 ? 0.0 : -std::sin(M_PI * (t - 0.45) / 0.55) * 0.8; }

}  // namespace

QIcon TIcons::icon(TIconKind kind)
{
    switch (kind) {
    case TIconKind::New: return drawnIcon([](QPainter& p) { page(p); });
    case TIconKind::Open:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(235, 200, 90));
            p.drawPolygon(QPolygonF{{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}});
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF{{2, 20}, {6, 11}, {23, 11}, {21, 20}});
        });
    case TIconKind::Save:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(70, 100, 170));
            p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6.5, 2.5, 11, 7));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(6.5, 13.5, 11, 8));
        });
    case TIconKind::Title:
        return drawnIcon([](QPainter& p) {
            page(p);
            letter(p, QStringLiteral("T"), QRectF(5, 3, 15, 10), kAccent);
            textLines(p, 14, 20);
        });
    case TIconKind::WallProperties:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(kWall);
            p.drawRect(QRectF(9.5, 1.5, 5, 21));
            for (int y = 4; y <= 20; y += 4) p.drawLine(QPointF(9.5, y + 0.5), QPointF(14.5, y + 0.5));
            letter(p, QStringLiteral("EI"), QRectF(14, 2, 10, 10), kAccent, 8);
        });
    case TIconKind::WallConfiguration:
        return drawnIcon([](QPainter& p) {
            wallInSoil(p);
            p.setPen(QPen(QColor(60, 120, 220), 1.2, Qt::DashLine));
            p.drawLine(QPointF(1, 12), QPointF(10, 12));
            p.setPen(QPen(kInk, 0.8));
            p.drawLine(QPointF(17, 3), QPointF(17, 15));
        });
    case TIconKind::SoilLayers:
        return drawnIcon([](QPainter& p) {
            const QColor layers[] = {QColor(205, 170, 110), QColor(170, 140, 95), QColor(140, 150, 160)};
            for (int i = 0; i < 3; ++i) {
                p.setPen(QPen(kInk, 0.8));
                p.setBrush(layers[i]);
                p.drawRect(QRectF(2.5, 3.5 + i * 6.5, 19, 6));
            }
        });
    case TIconKind::Run:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(QColor(20, 90, 30), 1));
            p.setBrush(QColor(60, 170, 70));
            p.drawPolygon(QPolygonF{{6, 3}, {20, 12}, {6, 21}});
        });
    case TIconKind::StageOption:
        return drawnIcon([](QPainter& p) {
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 3; ++i) {
                p.setBrush(kSoil.darker(100 + 12 * i));
                p.drawRect(QRectF(13, 6 + 5 * i, 10, 18 - 6 - 5 * i + 0.1));
            }
            p.setBrush(kSoil);
            p.drawRect(QRectF(1, 6, 10, 17));
            p.setBrush(kWall);
            p.drawRect(QRectF(10.5, 2, 3, 21));
            p.setPen(QPen(kInk, 0.8, Qt::DotLine));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(14, 6 + 5 * i), QPointF(23, 6 + 5 * i));
        });
    case TIconKind::ViewOutput:
        return drawnIcon([](QPainter& p) {
            page(p);
            textLines(p, 6, 18);
            p.setPen(QPen(kAccent, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(15, 15), 4, 4);
            p.drawLine(QPointF(18, 18), QPointF(22, 22));
        });
    case TIconKind::SoilProfile: return drawnIcon([](QPainter& p) { wallInSoil(p); });
    case TIconKind::View3D:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(kWall.lighter(140));
            p.drawPolygon(QPolygonF{{4, 8}, {14, 4}, {20, 7}, {10, 11}});
            p.setBrush(kWall);
            p.drawPolygon(QPolygonF{{4, 8}, {10, 11}, {10, 22}, {4, 19}});
            p.setBrush(kWall.darker(120));
            p.drawPolygon(QPolygonF{{10, 11}, {20, 7}, {20, 18}, {10, 22}});
        });
    case TIconKind::PYCurves:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(2, 12), QPointF(22, 12));
            p.drawLine(QPointF(12, 2), QPointF(12, 22));
            QPainterPath path;
            for (int i = -10; i <= 10; ++i) {
                const QPointF pt(12 + i, 12 + 8 * std::tanh(i / 3.0));
                i == -10 ? path.moveTo(pt) : path.lineTo(pt);
            }
            p.setPen(QPen(kCurve, 1.8));
            p.drawPath(path);
        });
    case TIconKind::Deflection: return drawnIcon([](QPainter& p) { diagram(p, deflection); });
    case TIconKind::Moment: return drawnIcon([](QPainter& p) { diagram(p, moment); });
    case TIconKind::Shear: return drawnIcon([](QPainter& p) { diagram(p, shear); });
    case TIconKind::Reaction: return drawnIcon([](QPainter& p) { diagram(p, reaction, kAccent); });
    case TIconKind::Pressure:
        return drawnIcon([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(240, 170, 170));
            p.drawPolygon(QPolygonF{{5, 2}, {8, 2}, {20, 22}, {5, 22}});
            p.setBrush(kWall);
            p.drawRect(QRectF(2, 2, 3, 20));
        });
    case TIconKind::ThreePanel:
        return drawnIcon([](QPainter& p) {
            const std::function<double(double)> shapes[] = {deflection, moment, shear};
            for (int i = 0; i < 3; ++i) {
                p.save();
                p.translate(i * 8 - 8, 0);
                p.scale(1.0, 1.0);
                QPainterPath path;
                for (int k = 0; k <= 20; ++k) {
                    const double t = k / 20.0;
                    const QPointF pt(12 + 3.5 * shapes[i](t), 2 + 20 * t);
                    k == 0 ? path.moveTo(pt) : path.lineTo(pt);
                }
                p.setPen(QPen(kInk, 0.8));
                p.drawLine(QPointF(12, 2), QPointF(12, 22));
                p.setPen(QPen(kCurve, 1.4));
                p.drawPath(path);
                p.restore();
            }
        });
    }
    return {};
}

QIcon TIcons::program()
{
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / double(kIconSize), size / double(kIconSize));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 238, 248));
        p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
        wallInSoil(p);
        QPainterPath line;
        for (int i = 0; i <= 20; ++i) {
            const double t = i / 20.0;
            const QPointF pt(12 + 7 * std::pow(1 - t, 2), 3 + 20 * t);
            i == 0 ? line.moveTo(pt) : line.lineTo(pt);
        }
        p.setPen(QPen(kAccent, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon TIcons::stage(int n)
{
    return drawnIcon([n](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(230, 235, 245));
        p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 3, 3);
        letter(p, QString::number(n), QRectF(2, 2, 20, 20), QColor(30, 60, 140), 14);
    });
}

}  // namespace orvane
