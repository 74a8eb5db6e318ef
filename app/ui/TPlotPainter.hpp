#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

class QPainter;
class QRectF;

namespace orvane {

// One curve of a plot.
struct TPlotCurve {
    QString name;
    QVector<QPointF> points;
    QColor color = Qt::darkBlue;
};

// One axis: title, range and direction.
struct TPlotAxis {
    QString title;
    double min = 0.0;
    double max = 1.0;
    bool inverted = false;
    double step = 0.0;  // between ticks; 0: chosen from the range
};

// Axis numbers: "#,##0.###" (grouped thousands, up to three decimals), or
// "#.0##E-0" when the axis reaches beyond 100000 or stays within 0.001.
class TAxisFormat {
public:
    static bool scientific(double min, double max);
    static QString fixed(double value);
    static QString exponent(double value);
    static QString label(double value, double min, double max);
};

// Draws line plots with axes, ticks, titles and a legend with QPainter, for
// the charts of the curve tables and the graph windows alike.
class TPlotPainter {
public:
    // A range over the values, widened to whole tick steps.
    static TPlotAxis fit(const QVector<double>& values, const QString& title);
    static double tickStep(double min, double max);
    static QVector<double> ticks(const TPlotAxis& axis);

    static void paint(QPainter& painter, const QRectF& area, const TPlotAxis& x, const TPlotAxis& y,
                      const QVector<TPlotCurve>& curves, bool legend);
};

}  // namespace orvane
