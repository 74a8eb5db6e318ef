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
    // The tiles of windows with these smallest sizes in an area of `area`: a
    // grid of about square cells in rows, each window the size of its cell or
    // its own smallest size where that is larger, then moved back inside the
    // area where it would stick out (overlapping a neighbour rather). A
    // window larger than the whole area is cut to it.
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
