#include "ui/TWindowPlacement.hpp"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QSize smallestOf(const QMdiSubWindow& window)
{
    return window.minimumSizeHint().expandedTo(window.minimumSize());
}

QSize visibleSize(const QMdiArea& area)
{
    return area.viewport()->size();
}

}  // namespace

QRect TWindowPlacement::inside(const QRect& window, const QSize& minimum, const QSize& area)
{
    // Inside the area first: a window taller than the area shows its top part.
    const QSize size = window.size().expandedTo(minimum).boundedTo(area);
    const int x = std::max(0, std::min(window.x(), area.width() - size.width()));
    const int y = std::max(0, std::min(window.y(), area.height() - size.height()));
    return {QPoint(x, y), size};
}

QList<QRect> TWindowPlacement::tiles(const QSize& area, const QList<QSize>& minimums)
{
    QList<QRect> placed;
    const int count = static_cast<int>(minimums.size());
    if (count == 0) return placed;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const int height = area.height() / rows;
    for (int k = 0; k < count; ++k) {
        const int row = k / columns;
        // The last row shares the whole width among the windows it holds.
        const int inRow = row + 1 == rows ? count - row * columns : columns;
        const int width = area.width() / inRow;
        const QRect cell(k % columns * width, row * height, width, height);
        placed << inside(cell, minimums[k], area);
    }
    return placed;
}

void TWindowPlacement::tile(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder))
        if (!window->isHidden()) windows << window;
    QList<QSize> minimums;
    for (QMdiSubWindow* window : windows) {
        window->showNormal();
        minimums << smallestOf(*window);
    }
    const QList<QRect> placed = tiles(visibleSize(area), minimums);
    for (qsizetype k = 0; k < windows.size(); ++k) windows[k]->setGeometry(placed[k]);
}

void TWindowPlacement::bringIntoView(QMdiSubWindow& window, const QMdiArea& area)
{
    if (window.isMaximized() || window.isMinimized()) return;
    const QRect fitted = inside(window.geometry(), smallestOf(window), visibleSize(area));
    if (fitted != window.geometry()) window.setGeometry(fitted);
}

}  // namespace orvane
