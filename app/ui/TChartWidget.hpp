#pragma once

#include <QWidget>

namespace orvane {

class TGridTableChart;

// The curve of a chart table, drawn above its grid: y column over x column
// for all rows.
class TChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit TChartWidget(TGridTableChart& table, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGridTableChart& table_;
};

}  // namespace orvane
