#include "UiFixture.hpp"

#include "model/TProjectFiles.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TRunWarningsDialog.hpp"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvane {
namespace {

using RunWarningsTest = UiTest;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kCompleted =
    QStringLiteral("information: Computations are completed. Please, check output file for results or error messages.");

TEST_F(RunWarningsTest, FindingsAskBeforeTheRunAndCancelRunsNothing)
{
    const QString path = example(QStringLiteral("soft-clay-cantilever.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    window_->project().tables().PileSect.cell(3, 0).setReal(0);
    window_->project().setModified(true);
    const QString report = file(QStringLiteral("soft-clay-cantilever.ov5o"));

    const QByteArray before = bytesOf(path);
    ASSERT_FALSE(before.isEmpty());

    runAnyway_ = false;
    trigger("Run");
    ASSERT_EQ(runWarnings_.size(), 1);
    EXPECT_EQ(runWarnings_[0], QStringList{QStringLiteral(
                                   "Wall Stiffness, row 1: the flexural stiffness EI is 0 lbs-in^2; a wall needs a "
                                   "stiffness above 0.")});
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(report));
    // The findings come before the save: Cancel leaves the data file alone.
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_TRUE(window_->project().isModified());
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("*"))) << window_->windowTitle().toStdString();

    runAnyway_ = true;
    trigger("Run");
    EXPECT_EQ(runWarnings_.size(), 2);
    const QStringList messages = takeMessages();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages[0], kCompleted);
    EXPECT_TRUE(QFileInfo::exists(report));
    EXPECT_NE(bytesOf(path), before);
    EXPECT_FALSE(window_->project().isModified());
}

// Results stand for the data they were run on: once the project holds other
// data, the graph windows close, the graphs cannot be opened, and the summary
// says it is of the earlier run, until a run gives results of the data again.
TEST_F(RunWarningsTest, ResultsOfEarlierDataAreNotShownAsTheProjects)
{
    window_->openFile(example(QStringLiteral("soft-clay-cantilever.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    ASSERT_NE(window_->showGraph("pltMom"), nullptr);
    auto* summary = window_->windows().find(QStringLiteral("runsummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Results Summary"));
    ASSERT_TRUE(action("CompMom")->isEnabled());
    auto deformedShape = [this] {
        QWidget* view = window_->show3DView();
        auto* a = view ? view->findChild<QAction*>(QStringLiteral("Deformed Shape")) : nullptr;
        return a && a->isEnabled();
    };
    ASSERT_TRUE(deformedShape());

    window_->project().tables().PileSect.cell(3, 0).setReal(0);
    window_->project().setModified(true);
    window_->projectEdited();  // as the table window says after an edit
    runAnyway_ = false;
    trigger("Run");
    takeMessages();
    EXPECT_EQ(window_->windows().find(TMainWindow::graphKey("pltMom")), nullptr);
    EXPECT_FALSE(action("CompMom")->isEnabled());
    EXPECT_EQ(window_->windows().find(QStringLiteral("view3d")), nullptr);
    EXPECT_FALSE(deformedShape());
    summary = window_->windows().find(QStringLiteral("runsummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Results Summary (earlier run)"));
    auto* note = summary->findChild<QLabel*>(QStringLiteral("Earlier"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisibleTo(summary));
    EXPECT_EQ(note->text(), QStringLiteral("These are the results of the last run; the project has changed since. "
                                           "Run the analysis again for results of the data as it is now."));

    runAnyway_ = true;
    trigger("Run");
    takeMessages();
    EXPECT_TRUE(action("CompMom")->isEnabled());
    EXPECT_TRUE(deformedShape());
    summary = window_->windows().find(QStringLiteral("runsummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Results Summary"));
}

TEST_F(RunWarningsTest, ACleanExampleRunsWithoutAsking)
{
    window_->openFile(example(QStringLiteral("anchored-tieback.ov5d")), TLayout::Current, false);
    trigger("Run");
    EXPECT_TRUE(runWarnings_.isEmpty());
    EXPECT_EQ(takeMessages().value(0), kCompleted);
}

// The project check keeps its own warning and stops the run before any finding is asked about.
TEST_F(RunWarningsTest, TheProjectCheckComesFirst)
{
    window_->openFile(example(QStringLiteral("soft-clay-cantilever.ov5d")), TLayout::Current, false);
    TGridTable& stiffness = window_->project().tables().PileSect;
    stiffness.cell(1, 0).setInteger(41);
    stiffness.cell(3, 0).setReal(0);
    window_->project().setModified(true);
    trigger("Run");
    EXPECT_TRUE(runWarnings_.isEmpty());
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "warning: End Node, 41 in row 1 of Wall Stiffness definition\nis greater than number of "
                                  "nodes defined, 40.\nPlease check on Wall Properties Windows and Wall Stiffness Table")});
}

TEST_F(RunWarningsTest, TheDialogListsEveryFindingWithRunAnywayAndCancel)
{
    const std::vector<TRunWarning> findings = {{"Wall Stiffness", 1, "first finding"}, {"Soil Layers", 2, "second finding"}};
    TRunWarningsDialog dialog(findings, window_.get());
    ASSERT_EQ(dialog.list()->count(), 2);
    EXPECT_EQ(dialog.list()->item(0)->text(), QStringLiteral("first finding"));
    EXPECT_EQ(dialog.list()->item(1)->text(), QStringLiteral("second finding"));
    EXPECT_EQ(dialog.runButton()->text(), QStringLiteral("Run anyway"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(dialog.cancelButton()->isDefault());
    dialog.show();
    dialog.runButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    dialog.cancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace orvane
