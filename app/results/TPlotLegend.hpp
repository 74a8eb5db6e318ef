#pragma once

#include <QListWidget>

#include <functional>

namespace orvane {

class TGraphPlot;

// The legend of a graph window: the legend texts of the active curves, each
// drawn in its curve's colour on white with " *" while the curve is
// visible. The user drags it about the window; a double-click on an entry
// toggles its curve's visibility.
class TPlotLegend : public QListWidget {
    Q_OBJECT

public:
    TPlotLegend(TGraphPlot& plot, QWidget* parent);

    // Refills the entries from the active curves and sizes the box to them.
    void rebuild();
    // Font size in points: the graph's LegendFont scaled by SizeFont.
    void applyFont();
    // The curve (index in Lines) of entry `row`.
    int curveOf(int row) const;
    // Pushes the box back inside its parent.
    void keepInside();

signals:
    void visibilityToggled(int curve);
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TGraphPlot& plot_;
    std::vector<int> curves_;
    bool dragging_ = false;
    QPoint grab_;
};

}  // namespace orvane
