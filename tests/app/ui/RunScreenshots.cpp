// Makes the pictures of a run's outcome for the documentation: the results
// summary after runs of two examples (one converged with two sets, one
// stopped by the soil package) and of a soft wall whose deflections lie
// beyond its p-y curves, the window of the findings before a run, the title
// window with a title longer than the data file keeps, and tiled windows.
// Run under an X server: xvfb-run -a orvane_run_screenshots FOLDER

#include "model/TRunCommand.hpp"
#include "model/TRunWarnings.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TMainWindow.hpp"
#include "ui/TMessages.hpp"
#include "ui/TRunWarningsDialog.hpp"

#include "../screenshot_support.hpp"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace orvane;

namespace {

using orvane::test::save;
using orvane::test::settle;

QString copyExample(const QString& work, const char* name)
{
    const QString target = QDir(work).filePath(QString::fromLatin1(name));
    QFile::remove(target);
    QFile::copy(QStringLiteral(ORVANE_SOURCE_DIR "/examples/") + QString::fromLatin1(name), target);
    return target;
}

// Runs the open project and grabs the main window with the summary on top.
bool runAndGrab(TMainWindow& window, const QString& folder, const char* name)
{
    window.runAnalysis();
    settle();
    QWidget* summary = window.windows().find(QStringLiteral("runsummary"));
    if (!summary) {
        std::fprintf(stderr, "no results summary for %s\n", name);
        return false;
    }
    qobject_cast<QMdiSubWindow*>(summary->parentWidget())->move(12, 12);
    settle();
    return save(window.grab(), folder, name);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots")).absolutePath();
    QDir().mkpath(folder);
    TMessages::setPresenter([](TMessages::Kind, const QString&) { return TMessages::Answer::No; });
    TRunWarningsDialog::setPresenter([](const QStringList&) { return true; });
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    bool ok = true;

    TMainWindow window(TRunCommand::defaultLibrary());
    window.setGeometry(0, 0, 1180, 640);
    window.show();
    settle();

    window.openFile(copyExample(work.path(), "short-long-term.ov5d"), TLayout::Current, false);
    ok = runAndGrab(window, folder, "results-summary.png") && ok;

    window.openFile(copyExample(work.path(), "soft-clay-cantilever.ov5d"), TLayout::Current, false);
    window.project().tables().NewSoil.cell(1, 0).setReal(5);
    window.project().setModified(true);
    ok = runAndGrab(window, folder, "results-summary-soil-stop.png") && ok;

    // The findings of a project with a wall of no stiffness and soil ending above the tip.
    window.openFile(copyExample(work.path(), "soft-clay-cantilever.ov5d"), TLayout::Current, false);
    window.project().tables().PileSect.cell(3, 0).setReal(0);
    window.project().tables().NewSoil.cell(1, 0).setReal(30);
    TRunWarningsDialog dialog(TRunWarnings::of(window.project()), &window);
    dialog.show();
    settle();
    ok = save(dialog.grab(), folder, "run-warnings.png") && ok;
    window.project().setModified(false);

    // A soft wall on user p-y curves that reach 4 in: 192.3 in at the top.
    window.openFile(copyExample(work.path(), "cantilever-user-py.ov5d"), TLayout::Current, false);
    window.project().tables().PileSect.cell(3, 0).setReal(4.5e7);
    window.project().data().MaxDeflection = 1000;
    window.project().setModified(true);
    ok = runAndGrab(window, folder, "results-summary-extrapolated.png") && ok;

    window.windows().discardAll();
    window.project().data().Title = std::string("Cantilever sheet-pile wall on user p-y curves, soft section, ") +
                                    "checked for the deflection at the top against the curves' last point";
    window.showDialog(TDialogKind::Title);
    settle();
    ok = save(window.grab(), folder, "title-long.png") && ok;

    window.windows().discardAll();
    window.setGeometry(0, 0, 1280, 880);
    window.showDialog(TDialogKind::Title);
    window.showDialog(TDialogKind::WallProperties);
    window.showDialog(TDialogKind::WallConfiguration);
    window.showTable(window.project().tables().PileSect, false);
    window.showTable(window.project().tables().NewSoil, false);
    settle();
    window.findChild<QAction*>(QStringLiteral("Tile"))->trigger();
    settle();
    ok = save(window.grab(), folder, "tiled-windows.png") && ok;
    window.project().setModified(false);
    return ok ? 0 : 1;
}
