#pragma once

#include "model/TRunSummary.hpp"

#include <QColor>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace orvane {

class TWindowHost;

// The outcome of the last run at a glance: per analysed set how it ended,
// its iterations and its largest deflection, moment and shear with their
// depths; below, the input errors and soil-package stops in the report's
// own words. The content comes whole from TRunSummary.
class TRunSummaryWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 9;
    // The colour of what needs the user's attention: the headline and the
    // ending of a set that did not converge or whose results are extrapolated.
    static inline const QColor kWarningColour{170, 0, 0};

    TRunSummaryWindow(TWindowHost& host, TRunSummary summary, QWidget* parent = nullptr);

    const TRunSummary& summary() const { return summary_; }
    QLabel* endLabel() const { return end_; }
    QTableWidget* table() const { return table_; }
    QListWidget* errors() const { return errors_; }
    QPushButton* reportButton() const { return report_; }

    // The project no longer holds the data of this run: the window says so
    // in its title and above the table.
    void markEarlier();

    QSize sizeHint() const override;

private:
    void fillTable();

    TWindowHost& host_;
    TRunSummary summary_;
    QLabel* end_;
    QLabel* earlier_;
    QTableWidget* table_;
    QLabel* errorsCaption_;
    QListWidget* errors_;
    QPushButton* report_;
};

}  // namespace orvane
