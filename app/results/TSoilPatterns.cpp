#include "results/TSoilPatterns.hpp"

#include <QPainter>

#include <algorithm>

namespace orvane {

namespace {

constexpr int kScreenTile = 16;
constexpr int kScreenPpi = 96;

// Strokes are laid out on a 16 x 16 grid and scaled to the tile.
void draw(QPainter& p, int code)
{
    switch (code) {
    case 1:  // clay: diagonal lines, wide apart
        p.drawLine(QPointF(0, 16), QPointF(16, 0));
        p.drawLine(QPointF(-8, 8), QPointF(8, -8));
        p.drawLine(QPointF(8, 24), QPointF(24, 8));
        break;
    case 2:
        for (int k = -16; k <= 16; k += 8) p.drawLine(QPointF(k, 0), QPointF(k + 16, 16));
        break;
    case 3:
        for (int k = 0; k < 16; k += 8) {
            p.drawLine(QPointF(0, k + 0.5), QPointF(16, k + 0.5));
            p.drawLine(QPointF(k + 0.5, 0), QPointF(k + 0.5, 16));
        }
        break;
    case 4:
        for (int k = -16; k <= 16; k += 8) {
            p.drawLine(QPointF(k, 0), QPointF(k + 16, 16));
            p.drawLine(QPointF(k, 16), QPointF(k + 16, 0));
        }
        break;
    case 5:
        for (int k = 0; k < 16; k += 8) p.drawLine(QPointF(0, k + 0.5), QPointF(16, k + 0.5));
        break;
    case 6:
        for (int k = 0; k < 16; k += 8) p.drawLine(QPointF(k + 0.5, 0), QPointF(k + 0.5, 16));
        break;
    case 7:  // sand: staggered dots
        for (QPointF d : {QPointF(2, 2), QPointF(10, 2), QPointF(6, 6), QPointF(14, 6), QPointF(2, 10),
                          QPointF(10, 10), QPointF(6, 14), QPointF(14, 14)})
            p.drawRect(QRectF(d, QSizeF(1, 1)));
        break;
    case 8:  // silt: staggered short dashes
        for (QPointF d : {QPointF(1, 3), QPointF(9, 7), QPointF(1, 11), QPointF(9, 15)})
            p.drawLine(d, d + QPointF(5, 0));
        break;
    case 10:  // weak rock: brick courses with diagonal strokes
        p.drawLine(QPointF(2, 6), QPointF(6, 2));
        p.drawLine(QPointF(10, 14), QPointF(14, 10));
        [[fallthrough]];
    case 9:  // strong rock: brick courses
        p.drawLine(QPointF(0, 7.5), QPointF(16, 7.5));
        p.drawLine(QPointF(0, 15.5), QPointF(16, 15.5));
        p.drawLine(QPointF(4.5, 0), QPointF(4.5, 8));
        p.drawLine(QPointF(12.5, 8), QPointF(12.5, 16));
        break;
    case 11:  // gravelly sand: dots and a pebble
        for (QPointF d : {QPointF(2, 2), QPointF(14, 6), QPointF(6, 10), QPointF(12, 14)})
            p.drawRect(QRectF(d, QSizeF(1, 1)));
        p.drawEllipse(QRectF(8, 1, 5, 4));
        break;
    case 12:  // gravel: scattered pebbles
        p.drawEllipse(QRectF(1, 1, 6, 4));
        p.drawEllipse(QRectF(9, 6, 5, 5));
        p.drawEllipse(QRectF(2, 10, 5, 4));
        break;
    default:
        break;
    }
}

}  // namespace

QImage TSoilPatterns::tile(int soilCode, bool print, int ppi)
{
    if (!hasFill(soilCode)) return {};
    const int size = print ? std::max(kScreenTile, kScreenTile * ppi / kScreenPpi) : kScreenTile;
    const double scale = static_cast<double>(size) / kScreenTile;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, print);
    p.scale(scale, scale);
    // On paper one screen pixel would be a heavy stroke: keep it at about
    // a third of a screen pixel's share of the tile.
    QPen pen(Qt::black, print ? std::max(1.0, scale / 3) / scale : 0.0);
    pen.setCosmetic(!print);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    draw(p, soilCode);
    return image;
}

}  // namespace orvane
