#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"
#include "ui/TRunSummaryWindow.hpp"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// The report prints its station table with three digits: the largest values
// read from it agree with the plot-data file's to that precision.
constexpr double kPrinted = 5e-3;

struct Largest {
    double deflection = 0, deflectionDepth = 0, moment = 0, shear = 0;
};

// The largest values of the last results table of the report, read from
// its own columns: STA, X, DEFL., SLOPE, MOMENT, SHEAR, ...
Largest fromReport(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    qsizetype start = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral("     RESULTS -- ITERATION"))) start = i;
    Largest l;
    const QRegularExpression row(QStringLiteral("^\\s+\\d+\\s+(\\S+)\\s+(\\S+)\\s+\\S+\\s+(\\S+)\\s+(\\S+)"));
    bool inTable = false;
    for (qsizetype i = start; start >= 0 && i < lines.size(); ++i) {
        const auto m = row.match(lines[i]);
        if (!m.hasMatch()) {
            if (inTable) break;
            continue;
        }
        inTable = true;
        const double x = m.captured(1).toDouble(), w = m.captured(2).toDouble();
        if (std::fabs(w) > std::fabs(l.deflection)) l.deflection = w, l.deflectionDepth = x;
        if (std::fabs(m.captured(3).toDouble()) > std::fabs(l.moment)) l.moment = m.captured(3).toDouble();
        if (std::fabs(m.captured(4).toDouble()) > std::fabs(l.shear)) l.shear = m.captured(4).toDouble();
    }
    return l;
}

TRunSummaryWindow* summaryWindow(TMainWindow& window)
{
    return qobject_cast<TRunSummaryWindow*>(window.windows().find(QStringLiteral("runsummary")));
}

class RunSummaryWindowTest : public UiTest {
protected:
    // The anchored wall run with an allowable deflection of 0.01 in: its
    // set does not converge. The summary window, if one opened.
    TRunSummaryWindow* runNotConverging()
    {
        window_->openFile(example(QStringLiteral("anchored-tieback.ov5d")), TLayout::Current, false);
        window_->project().data().MaxDeflection = 0.01;
        window_->project().setModified(true);
        trigger("Run");
        takeMessages();
        return summaryWindow(*window_);
    }
};

void expectNear(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, kPrinted * std::fabs(expected)) << what;
}

TEST_F(RunSummaryWindowTest, AConvergedRunShowsEachSetWithItsLargestResults)
{
    const QString path = example(QStringLiteral("anchored-tieback.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    trigger("Run");
    EXPECT_EQ(takeMessages().value(0), QStringLiteral("information: Computations are completed. Please, check output "
                                                      "file for results or error messages."));
    TRunSummaryWindow* summary = summaryWindow(*window_);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Results Summary"));
    EXPECT_EQ(summary->endLabel()->text(), QStringLiteral("Every analysed set converged."));
    QTableWidget* table = summary->table();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Analysis"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("converged"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("3"));  // "RESULTS -- ITERATION  3"
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), QStringLiteral("Largest deflection (in)"));
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), QStringLiteral("at depth (ft)"));
    EXPECT_TRUE(summary->errors()->isHidden());
    EXPECT_TRUE(summary->reportButton()->isEnabled());

    const Largest l = fromReport(file(QStringLiteral("anchored-tieback.ov5o")));
    ASSERT_NE(l.deflection, 0);
    expectNear(table->item(0, 3)->text().toDouble(), l.deflection, "deflection");
    expectNear(table->item(0, 4)->text().toDouble() * 12, l.deflectionDepth, "its depth, ft shown for in");
    expectNear(table->item(0, 5)->text().toDouble(), l.moment, "moment");
    expectNear(table->item(0, 7)->text().toDouble(), l.shear, "shear");

    // The whole table shows at the window's size.
    auto* frame = qobject_cast<QMdiSubWindow*>(summary->parentWidget());
    ASSERT_NE(frame, nullptr);
    int columns = 0;
    for (int c = 0; c < table->columnCount(); ++c) columns += table->columnWidth(c);
    EXPECT_GE(table->viewport()->width(), columns - table->columnWidth(table->columnCount() - 1));
}

TEST_F(RunSummaryWindowTest, ARunThatDoesNotConvergeSaysWhichWarningEndedIt)
{
    TRunSummaryWindow* summary = runNotConverging();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->endLabel()->text(), QStringLiteral("The analysis ran to its end, but not every set converged."));
    ASSERT_EQ(summary->table()->rowCount(), 1);
    EXPECT_TRUE(summary->table()->item(0, 1)->text().startsWith(QStringLiteral("not converged: allowable deflection exceeded")))
        << summary->table()->item(0, 1)->text().toStdString();
    const auto warnings = summary->summary().sets[0].warnings();
    EXPECT_NE(std::find(warnings.begin(), warnings.end(), "MAX ALLOWABLE DEFLECTION EXCEEDED"), warnings.end());
    QFile report(file(QStringLiteral("anchored-tieback.ov5o")));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().contains("MAX ALLOWABLE DEFLECTION EXCEEDED"));
}

// A soft wall on user p-y curves that reach 4 in deflects 192.3 in at the
// top: it converges on curves extended beyond their last point, which the
// headline, its icon and the set's row say.
TEST_F(RunSummaryWindowTest, ARunWithDeflectionsBeyondThePYCurvesIsAWarning)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    window_->project().tables().PileSect.cell(3, 0).setReal(4.5e7);
    window_->project().data().MaxDeflection = 1000;
    window_->project().setModified(true);
    trigger("Run");
    takeMessages();
    TRunSummaryWindow* summary = summaryWindow(*window_);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->endLabel()->text(),
              QStringLiteral("converged, but deflections lie beyond the p-y curves: the results are extrapolated"));
    ASSERT_EQ(summary->table()->rowCount(), 1);
    EXPECT_EQ(summary->table()->item(0, 1)->text(), QStringLiteral("converged, deflection off the p-y curves"));
    EXPECT_NEAR(summary->table()->item(0, 3)->text().toDouble(), 192.3, 0.05);
    EXPECT_EQ(summary->table()->item(0, 1)->foreground().color(), TRunSummaryWindow::kWarningColour);
    EXPECT_EQ(summary->endLabel()->palette().color(QPalette::WindowText), TRunSummaryWindow::kWarningColour);
    auto* icon = summary->findChild<QLabel*>(QStringLiteral("Icon"));
    ASSERT_NE(icon, nullptr);
    const int size = summary->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, summary) * 2;
    const QImage warning =
        summary->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, summary).pixmap(size, size).toImage();
    EXPECT_EQ(icon->pixmap().toImage(), warning);
}

// The widest summary, of a set that did not converge, fits the workspace of a
// small main window; its table scrolls.
TEST_F(RunSummaryWindowTest, TheSummaryOfANotConvergedRunFitsTheWorkspace)
{
    window_->resize(640, 480);
    settle();
    TRunSummaryWindow* summary = runNotConverging();
    ASSERT_NE(summary, nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(summary->parentWidget());
    ASSERT_NE(frame, nullptr);
    const QRect area = window_->mdiArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(frame->geometry()))
        << frame->width() << "x" << frame->height() << " in " << area.width() << "x" << area.height();
    EXPECT_TRUE(summary->rect().contains(summary->reportButton()->geometry()));
    EXPECT_NE(summary->table()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(RunSummaryWindowTest, ARunStoppedByTheSoilPackageShowsTheReportsWords)
{
    window_->openFile(example(QStringLiteral("soft-clay-cantilever.ov5d")), TLayout::Current, false);
    // The only layer ends at 5 ft, above the excavation level at 10 ft.
    window_->project().tables().NewSoil.cell(1, 0).setReal(5);
    window_->project().setModified(true);
    trigger("Run");
    takeMessages();
    ASSERT_EQ(runWarnings_.size(), 1);  // the layer ends above the tip too
    TRunSummaryWindow* summary = summaryWindow(*window_);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->endLabel()->text(), QStringLiteral("The analysis was stopped by the soil package."));
    ASSERT_FALSE(summary->errors()->isHidden());
    ASSERT_GE(summary->errors()->count(), 1);
    const QString words = summary->errors()->item(0)->text();
    EXPECT_TRUE(words.contains(QStringLiteral("THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE")))
        << words.toStdString();
    QFile report(file(QStringLiteral("soft-clay-cantilever.ov5o")));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(report.readAll()).contains(words));
}

TEST_F(RunSummaryWindowTest, ARunThatCannotUseTheEngineShowsNoSummary)
{
    window_ = std::make_unique<TMainWindow>(std::filesystem::path(ORVANE_BIN_DIR) / "no-such-engine.so");
    window_->openFile(example(QStringLiteral("anchored-tieback.ov5d")), TLayout::Current, false);
    trigger("Run");
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("information: Attempt to initialize DLL failed")});
    EXPECT_EQ(summaryWindow(*window_), nullptr);
}

}  // namespace
}  // namespace orvane
