#pragma once
// The program's toolbar icons are drawn by code on a transparent square of
// kIconSize pixels, antialiased; the main window's and the 3-D View's alike.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace orvane {

inline constexpr int kIconSize = 24;

inline QIcon drawnIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

}  // namespace orvane
