#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace orvane {

// Where child windows go in the workspace: always inside its visible part,
// which has no scroll bars to reach a window beyond it.
class TWindowPlacement {
public:
    // The tiles of windows with these smallest sizes in an area of `area`,
    // in rows: of the arrangements, the one where windows stick out of their
    // cells the least (the squarest among equals), each row and each window
    // in a row given the room it needs first and an equal share of the rest.
    // A window still larger than its cell is moved back inside the area,
    // overlapping a neighbour rather; one larger than the area is cut to it.
    static QList<QRect> tiles(const QSize& area, const QList<QSize>& minimums);
    // The window's geometry made to fit the area: no larger than the area,
    // nor smaller than its smallest size where the area allows, moved in
    // where it sticks out.
    static QRect inside(const QRect& window, const QSize& minimum, const QSize& area);

    // Tiles the area's windows in their stacking order.
    static void tile(QMdiArea& area);
    // Moves (and if need be shrinks) the window into the area's visible part.
    static void bringIntoView(QMdiSubWindow& window, const QMdiArea& area);
};

}  // namespace orvane
