#include "ui/TChartWidget.hpp"

#include "model/TColumn.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TGridTableChart.hpp"
#include "ui/TPlotPainter.hpp"

#include <QPainter>

#include <algorithm>

namespace orvane {

namespace {

QString axisTitle(const TGridTable& table, int column)
{
    return QString::fromStdString(table.column(column).captionLine(0, table.units())).trimmed();
}

QVector<double> values(const TGridTable& table, int column)
{
    QVector<double> result;
    for (int row = 0; row < table.rowCount(); ++row) result << table.cell(column, row).asReal();
    return result;
}

}  // namespace

TChartWidget::TChartWidget(TGridTableChart& table, QWidget* parent) : QWidget(parent), table_(table)
{
    setMinimumHeight(fontMetrics().height() * 12);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TChartWidget::sizeHint() const
{
    return {fontMetrics().height() * 30, fontMetrics().height() * 16};
}

void TChartWidget::paintEvent(QPaintEvent*)
{
    const int xc = table_.xColumn();
    const int yc = table_.yColumn();
    const QVector<double> xs = values(table_, xc);
    QVector<double> ys = values(table_, yc);

    TPlotCurve curve;
    for (qsizetype i = 0; i < xs.size(); ++i) curve.points << QPointF(xs[i], ys[i]);
    TPlotAxis xAxis = TPlotPainter::fit(xs, axisTitle(table_, xc));
    TPlotAxis yAxis = TPlotPainter::fit(ys, axisTitle(table_, yc));
    // A flat curve is drawn with a visible step on an axis of +-10 %.
    const bool flat = ys.size() > 1 && std::all_of(ys.begin(), ys.end(), [&](double v) { return v == ys[0]; });
    if (flat && ys[0] != 0.0) {
        curve.points[1].setY(ys[0] * 1.001);
        yAxis.min = std::min(ys[0] * 0.9, ys[0] * 1.1);
        yAxis.max = std::max(ys[0] * 0.9, ys[0] * 1.1);
        yAxis.step = 0.0;
    }
    xAxis.inverted = table_.invertedXAxis();
    yAxis.inverted = table_.invertedYAxis();

    QVector<TPlotCurve> curves{curve};
    // A third real column is drawn as a second curve, with a legend.
    const int third = 3 - xc - yc;
    const bool second = table_.columnCount() > 2 && third >= 0 && third < table_.columnCount() &&
                        dynamic_cast<const TFloatColumn*>(&table_.column(third));
    if (second) {
        curves[0].name = axisTitle(table_, yc);
        TPlotCurve other;
        other.name = axisTitle(table_, third);
        other.color = Qt::darkRed;
        const QVector<double> zs = values(table_, third);
        for (qsizetype i = 0; i < xs.size(); ++i) other.points << QPointF(xs[i], zs[i]);
        curves << other;
        yAxis = TPlotPainter::fit(ys + zs, yAxis.title);
    }
    QPainter painter(this);
    TPlotPainter::paint(painter, rect(), xAxis, yAxis, curves, second);
}

}  // namespace orvane
