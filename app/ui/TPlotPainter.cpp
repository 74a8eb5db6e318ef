#include "ui/TPlotPainter.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double kScientificAbove = 100000.0;
constexpr double kScientificBelow = 0.001;
constexpr int kTargetIntervals = 5;

QString trimmedDecimals(QString text)
{
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text;
}

// Maps a value of the axis onto [from, to] of the drawing.
double place(double value, const TPlotAxis& axis, double from, double to)
{
    const double span = axis.max - axis.min;
    double t = span == 0.0 ? 0.5 : (value - axis.min) / span;
    if (axis.inverted) t = 1.0 - t;
    return from + t * (to - from);
}

}  // namespace

bool TAxisFormat::scientific(double min, double max)
{
    if (min == 0.0 && max == 0.0) return false;
    const double reach = std::max(std::fabs(min), std::fabs(max));
    return reach > kScientificAbove || reach < kScientificBelow;
}

QString TAxisFormat::fixed(double value)
{
    QString text = trimmedDecimals(QString::number(std::fabs(value), 'f', 3));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    for (qsizetype at = (point < 0 ? text.size() : point) - 3; at > 0; at -= 3) text.insert(at, QLatin1Char(','));
    return (value < 0.0 && text != QLatin1String("0") ? QStringLiteral("-") : QString()) + text;
}

QString TAxisFormat::exponent(double value)
{
    if (value == 0.0) return QStringLiteral("0.0E0");
    int power = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = value / std::pow(10.0, power);
    if (std::fabs(std::round(mantissa * 1000.0) / 1000.0) >= 10.0) {
        ++power;
        mantissa /= 10.0;
    }
    QString digits = trimmedDecimals(QString::number(mantissa, 'f', 3));
    if (!digits.contains(QLatin1Char('.'))) digits += QStringLiteral(".0");
    return digits + QStringLiteral("E") + QString::number(power);
}

QString TAxisFormat::label(double value, double min, double max)
{
    return scientific(min, max) ? exponent(value) : fixed(value);
}

double TPlotPainter::tickStep(double min, double max)
{
    const double span = max - min;
    if (!(span > 0.0)) return 1.0;
    const double raw = span / kTargetIntervals;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * magnitude) return factor * magnitude;
    return 10.0 * magnitude;
}

TPlotAxis TPlotPainter::fit(const QVector<double>& values, const QString& title)
{
    TPlotAxis axis;
    axis.title = title;
    if (values.isEmpty()) return axis;
    double low = *std::min_element(values.begin(), values.end());
    double high = *std::max_element(values.begin(), values.end());
    if (low == high) {
        const double pad = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    axis.step = tickStep(low, high);
    axis.min = std::floor(low / axis.step) * axis.step;
    axis.max = std::ceil(high / axis.step) * axis.step;
    return axis;
}

QVector<double> TPlotPainter::ticks(const TPlotAxis& axis)
{
    QVector<double> result;
    const double step = axis.step > 0.0 ? axis.step : tickStep(axis.min, axis.max);
    const double first = std::ceil(axis.min / step - 1e-9) * step;
    for (double v = first; v <= axis.max + step * 1e-9 && result.size() < 50; v += step)
        result << (std::fabs(v) < step * 1e-9 ? 0.0 : v);
    return result;
}

void TPlotPainter::paint(QPainter& painter, const QRectF& area, const TPlotAxis& x, const TPlotAxis& y,
                         const QVector<TPlotCurve>& curves, bool legend)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();

    double labelWidth = 0.0;
    const QVector<double> yTicks = ticks(y);
    for (double v : yTicks) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(TAxisFormat::label(v, y.min, y.max)));
    const QRectF plot(area.left() + labelWidth + 2.2 * line, area.top() + 0.8 * line,
                      area.width() - labelWidth - 3.2 * line - (legend ? 9 * line : 0.0),
                      area.height() - 3.4 * line);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }

    // Grid, ticks and numbers.
    painter.setPen(QPen(QColor(220, 220, 220), 0));
    const QVector<double> xTicks = ticks(x);
    for (double v : xTicks) {
        const double px = place(v, x, plot.left(), plot.right());
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        painter.setPen(Qt::black);
        const QString text = TAxisFormat::label(v, x.min, x.max);
        painter.drawText(QRectF(px - 40, plot.bottom() + 0.2 * line, 80, line), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (double v : yTicks) {
        const double py = place(v, y, plot.bottom(), plot.top());
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        painter.setPen(Qt::black);
        const QString text = TAxisFormat::label(v, y.min, y.max);
        painter.drawText(QRectF(plot.left() - labelWidth - 0.4 * line, py - line / 2, labelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);

    // Titles.
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * line, plot.width(), line), Qt::AlignHCenter, x.title);
    painter.save();
    painter.translate(area.left() + 0.2 * line, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignHCenter, y.title);
    painter.restore();

    // Curves with point markers.
    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (const TPlotCurve& curve : curves) {
        QPainterPath path;
        for (qsizetype i = 0; i < curve.points.size(); ++i) {
            const QPointF p(place(curve.points[i].x(), x, plot.left(), plot.right()),
                            place(curve.points[i].y(), y, plot.bottom(), plot.top()));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.setPen(QPen(curve.color, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(curve.color);
        for (qsizetype i = 0; i < path.elementCount(); ++i) painter.drawEllipse(QPointF(path.elementAt(i)), 2.5, 2.5);
    }
    painter.setClipping(false);

    if (legend) {
        double top = plot.top();
        for (const TPlotCurve& curve : curves) {
            painter.setPen(QPen(curve.color, 2));
            painter.drawLine(QPointF(plot.right() + line, top + line / 2), QPointF(plot.right() + 2.5 * line, top + line / 2));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(plot.right() + 3 * line, top + 0.8 * line), curve.name);
            top += 1.3 * line;
        }
    }
    painter.restore();
}

}  // namespace orvane
