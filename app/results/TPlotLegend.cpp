#include "results/TPlotLegend.hpp"

#include "model/TGraphPlot.hpp"
#include "results/TGraphPainter.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// A curve's entry, in the curve's own colour of the table, on white; " *" for a visible curve.
class TLegendDelegate : public QStyledItemDelegate {
public:
    TLegendDelegate(TPlotLegend& legend, TGraphPlot& plot) : QStyledItemDelegate(&legend), legend_(legend), plot_(plot)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = index.row();
        const int curve = legend_.curveOf(row);
        const TLine& line = plot_.Lines.curve(curve);
        QString text = QString::fromStdString(plot_.legendText(line));
        if (line.Visible) text += QStringLiteral(" *");
        const TGraphColour& c = graph::curveColour(curve);
        painter->save();
        painter->fillRect(option.rect, Qt::white);
        painter->setFont(option.font);
        painter->setPen(QColor(c.Red, c.Green, c.Blue));
        painter->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        const double points = plot_.LegendFont * plot_.SizeFont / 10.0;
        s.setHeight(static_cast<int>(std::lround(1.5 * points)));
        return s;
    }

private:
    TPlotLegend& legend_;
    TGraphPlot& plot_;
};

}  // namespace

TPlotLegend::TPlotLegend(TGraphPlot& plot, QWidget* parent) : QListWidget(parent), plot_(plot)
{
    setObjectName(QStringLiteral("legend"));
    setItemDelegate(new TLegendDelegate(*this, plot_));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setUniformItemSizes(true);
    setCursor(Qt::SizeAllCursor);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);
    applyFont();
}

void TPlotLegend::applyFont()
{
    const double points = plot_.LegendFont * plot_.SizeFont / 10.0;
    const int pixels = static_cast<int>(std::lround(points * logicalDpiY() / 72.0));
    setFont(TGraphPainter::textFont(pixels, false));
    rebuild();
}

void TPlotLegend::rebuild()
{
    curves_ = TGraphPainter::activeCurves(plot_);
    clear();
    for (int curve : curves_) addItem(QString::fromStdString(plot_.legendText(plot_.Lines.curve(curve))));
    const QSize size = TGraphPainter::legendControlSize(plot_, logicalDpiX());
    // The frame is drawn inside the box: room for it on both sides.
    resize(size.width() + 2 * frameWidth(), size.height() + 2 * frameWidth());
    keepInside();
    viewport()->update();
}

int TPlotLegend::curveOf(int row) const { return curves_.at(static_cast<size_t>(row)); }

void TPlotLegend::keepInside()
{
    const QWidget* area = parentWidget();
    if (!area) return;
    const int x = std::max(0, std::min(pos().x(), area->width() - width()));
    const int y = std::max(0, std::min(pos().y(), area->height() - height()));
    move(x, y);
}

void TPlotLegend::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    grab_ = event->position().toPoint();
}

void TPlotLegend::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return;
    move(pos() + event->position().toPoint() - grab_);
    keepInside();
    emit moved();
}

void TPlotLegend::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void TPlotLegend::mouseDoubleClickEvent(QMouseEvent* event)
{
    dragging_ = false;
    const QListWidgetItem* item = itemAt(event->position().toPoint());
    if (!item) return;
    const int curve = curveOf(row(item));
    TLine& line = plot_.Lines.curve(curve);
    line.Visible = !line.Visible;
    viewport()->update();
    emit visibilityToggled(curve);
}

}  // namespace orvane
