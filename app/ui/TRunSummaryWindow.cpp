#include "ui/TRunSummaryWindow.hpp"

#include "model/TRealFormat.hpp"
#include "ui/TWindowHost.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QString number(double value)
{
    return text(TRealFormat::general(value, 5));
}

QTableWidgetItem* item(const QString& content, bool numeric)
{
    auto* cell = new QTableWidgetItem(content);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (numeric) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

}  // namespace

TRunSummaryWindow::TRunSummaryWindow(TWindowHost& host, TRunSummary summary, QWidget* parent)
    : QWidget(parent),
      host_(host),
      summary_(std::move(summary)),
      end_(new QLabel(this)),
      earlier_(new QLabel(this)),
      table_(new QTableWidget(this)),
      errorsCaption_(new QLabel(this)),
      errors_(new QListWidget(this)),
      report_(new QPushButton(QStringLiteral("View &Output File"), this))
{
    setWindowTitle(QStringLiteral("Results Summary"));
    setObjectName(QStringLiteral("RunSummary"));

    const bool good = summary_.clean();
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Icon"));
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this) * 2;
    icon->setPixmap(style()
                        ->standardIcon(good ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning, nullptr, this)
                        .pixmap(size, size));
    end_->setObjectName(QStringLiteral("End"));
    end_->setText(text(summary_.endText()));
    QFont bold = end_->font();
    bold.setBold(true);
    end_->setFont(bold);
    if (!good) {
        QPalette warning = end_->palette();
        warning.setColor(QPalette::WindowText, kWarningColour);
        end_->setPalette(warning);
    }
    earlier_->setObjectName(QStringLiteral("Earlier"));
    earlier_->setText(QStringLiteral("These are the results of the last run; the project has changed since. "
                                     "Run the analysis again for results of the data as it is now."));
    earlier_->setWordWrap(true);
    earlier_->setVisible(false);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(end_, 1);
    top->addWidget(report_);
    report_->setEnabled(!summary_.report.empty());
    connect(report_, &QPushButton::clicked, this, [this] { host_.openInEditor(text(summary_.report.string())); });

    fillTable();

    errorsCaption_->setText(QStringLiteral("Input errors and stops, in the report's words:"));
    errors_->setObjectName(QStringLiteral("Errors"));
    errors_->setSelectionMode(QAbstractItemView::NoSelection);
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    errors_->setFont(fixed);
    for (const std::string& e : summary_.errors) errors_->addItem(text(e));
    const bool anyErrors = !summary_.errors.empty();
    errorsCaption_->setVisible(anyErrors);
    errors_->setVisible(anyErrors);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(earlier_);
    layout->addWidget(table_, 1);
    layout->addWidget(errorsCaption_);
    layout->addWidget(errors_);
}

void TRunSummaryWindow::fillTable()
{
    const QString depth = QStringLiteral("at depth (%1)").arg(text(summary_.depthUnit()));
    table_->setObjectName(QStringLiteral("Sets"));
    table_->setColumnCount(kColumns);
    table_->setHorizontalHeaderLabels({QStringLiteral("Set"), QStringLiteral("Ended"), QStringLiteral("Iterations"),
                                       QStringLiteral("Largest deflection (%1)").arg(text(summary_.deflectionUnit())),
                                       depth,
                                       QStringLiteral("Largest moment (%1)").arg(text(summary_.momentUnit())), depth,
                                       QStringLiteral("Largest shear (%1)").arg(text(summary_.shearUnit())), depth});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setRowCount(static_cast<int>(summary_.sets.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const TSetSummary& s = summary_.sets[static_cast<size_t>(row)];
        table_->setItem(row, 0, item(text(s.name), false));
        auto* ending = item(text(s.ending()), false);
        if (!s.converged() || s.offCurve) ending->setForeground(kWarningColour);
        table_->setItem(row, 1, ending);
        table_->setItem(row, 2, item(QString::number(s.iteration), true));
        int column = 3;
        for (const TExtreme* e : {&s.deflection, &s.moment, &s.shear}) {
            table_->setItem(row, column++, item(s.extremesRead ? number(e->value) : QStringLiteral("-"), true));
            table_->setItem(row, column++, item(s.extremesRead ? number(e->depth) : QStringLiteral("-"), true));
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    if (summary_.sets.empty()) table_->setVisible(false);
}

void TRunSummaryWindow::markEarlier()
{
    setWindowTitle(QStringLiteral("Results Summary (earlier run)"));
    earlier_->setVisible(true);
}

// Wide enough for every column, tall enough for every set and error.
QSize TRunSummaryWindow::sizeHint() const
{
    int width = 0;
    for (int c = 0; c < table_->columnCount(); ++c) width += table_->columnWidth(c);
    const int rows = table_->rowCount() + 1;
    const int line = fontMetrics().height();
    const int height = line * 4 + (summary_.sets.empty() ? 0 : table_->rowHeight(0) * rows + line * 2) +
                       (summary_.errors.empty() ? 0 : line * (3 + errors_->count() * 3 / 2));
    return {std::max(width + 40, 600), std::max(height, 160)};
}

}  // namespace orvane
