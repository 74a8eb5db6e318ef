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

namespace {

// Splits `total` among parts that need `needs`: each gets its need and an
// equal share of what is left, or a share in proportion to its need when the
// needs do not fit.
QList<int> shares(int total, const QList<int>& needs)
{
    const int count = static_cast<int>(needs.size());
    qint64 needed = 0;
    for (int need : needs) needed += need;
    QList<int> parts;
    for (int need : needs)
        parts << (needed <= total ? need + (total - static_cast<int>(needed)) / count
                                  : static_cast<int>(qint64(need) * total / std::max<qint64>(needed, 1)));
    return parts;
}

// The windows in their order in rows of `columns`; the last row may hold
// fewer. Rows and the windows in a row take the room they need first.
QList<QRect> arranged(const QSize& area, const QList<QSize>& minimums, int columns)
{
    const int count = static_cast<int>(minimums.size());
    const int rows = (count + columns - 1) / columns;
    QList<int> rowNeeds(rows, 0);
    for (int k = 0; k < count; ++k) rowNeeds[k / columns] = std::max(rowNeeds[k / columns], minimums[k].height());
    const QList<int> heights = shares(area.height(), rowNeeds);
    QList<QRect> cells;
    int y = 0;
    for (int row = 0; row < rows; ++row) {
        QList<int> widthNeeds;
        for (int k = row * columns; k < std::min(count, (row + 1) * columns); ++k) widthNeeds << minimums[k].width();
        int x = 0;
        for (int width : shares(area.width(), widthNeeds)) {
            cells << QRect(x, y, width, heights[row]);
            x += width;
        }
        y += heights[row];
    }
    return cells;
}

// How much windows stick out of their cells, as an area.
qint64 excess(const QList<QRect>& cells, const QList<QSize>& minimums)
{
    qint64 sum = 0;
    for (qsizetype k = 0; k < cells.size(); ++k) {
        const QSize size = cells[k].size().expandedTo(minimums[k]);
        sum += qint64(size.width()) * size.height() - qint64(cells[k].width()) * cells[k].height();
    }
    return sum;
}

}  // namespace

// Of the arrangements in rows, the one where windows stick out of their
// cells the least, the squarest among equals.
QList<QRect> TWindowPlacement::tiles(const QSize& area, const QList<QSize>& minimums)
{
    const int count = static_cast<int>(minimums.size());
    if (count == 0) return {};
    const double square = std::ceil(std::sqrt(static_cast<double>(count)));
    QList<QRect> best;
    qint64 bestExcess = 0;
    double bestSquareness = 0;
    for (int columns = 1; columns <= count; ++columns) {
        const QList<QRect> cells = arranged(area, minimums, columns);
        const qint64 over = excess(cells, minimums);
        const double squareness = std::fabs(square - columns);
        if (best.isEmpty() || over < bestExcess || (over == bestExcess && squareness < bestSquareness)) {
            best = cells;
            bestExcess = over;
            bestSquareness = squareness;
        }
    }
    for (qsizetype k = 0; k < best.size(); ++k) best[k] = inside(best[k], minimums[k], area);
    return best;
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
