// Makes the pictures of the program shown in the README: the main window
// with the Data menu open, the Wall Properties dialog, the Soil Layers table
// with a clay parameter table, and a chart table. Run under an X server
// (scripts/screenshots.sh uses xvfb-run). Usage: orvane_screenshots FOLDER

#include "model/TGridTableChart.hpp"
#include "model/TRunCommand.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TGridView.hpp"
#include "ui/TMainWindow.hpp"
#include "ui/TMessages.hpp"
#include "ui/TTableWindow.hpp"

#include "../screenshot_support.hpp"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace orvane;

namespace {

using orvane::test::save;
using orvane::test::settle;

QMdiSubWindow* frame(QWidget* content)
{
    return qobject_cast<QMdiSubWindow*>(content->parentWidget());
}

// The demonstration project: a wall in three soil layers, entered cell by
// cell as a user types them.
void enterProject(TMainWindow& window)
{
    TProject& project = window.project();
    TProgramData& d = project.data();
    d.Title = "Cantilever sheet-pile wall in layered soil";
    d.Increments = 40;
    d.IncrementLength = 12;
    d.WallHeight = 180;
    d.MaxDeflection = 10;
    d.ActiveWidth = 12;
    d.PYWidth = 12;
    d.WaterDepthBackfill = 240;
    d.WaterDepthExcavation = 240;
    TProjectTables& t = project.tables();
    t.PileSect.commit(1, 0, "40");
    t.PileSect.commit(3, 0, "4.5E9");
    t.NewSoil.setRowCount(3);
    const char* layers[][2] = {{"1", "10"}, {"4", "25"}, {"3", "40"}};
    for (int row = 0; row < 3; ++row) {
        t.NewSoil.commit(0, row, layers[row][0]);
        t.NewSoil.commit(1, row, layers[row][1]);
    }
    TGridTable& clay = *t.NewSoil.cell(2, 0).subTable();
    const char* clayRows[][4] = {{"110", "400", "0.02", "30"}, {"112", "600", "0.02", "30"}};
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 4; ++c) clay.commit(c, row, clayRows[row][c]);
    TGridTable& sand = *t.NewSoil.cell(2, 1).subTable();
    const char* sandRows[][3] = {{"120", "32", "90"}, {"122", "34", "125"}};
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 3; ++c) sand.commit(c, row, sandRows[row][c]);
    project.setOption(TOption::ExternalPY, true);
    auto& curve = dynamic_cast<TGridTableChart&>(*t.PYCurves2.cell(1, 0).subTable());
    curve.importFromText("-4 420\n-1.5 419.99781\n-0.6 415.12207\n-0.2 291.80872\n0 0\n0.2 -291.80872\n"
                         "0.6 -415.12207\n1.5 -419.99781\n4 -420\n");
    t.PYCurves2.commit(0, 0, "20");
    t.PYCurves2.commit(0, 1, "30");
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots")).absolutePath();
    QDir().mkpath(folder);
    TMessages::setPresenter([](TMessages::Kind, const QString&) { return TMessages::Answer::No; });
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    TMainWindow window(TRunCommand::defaultLibrary());
    window.setGeometry(0, 0, 1180, 760);
    window.show();
    enterProject(window);
    window.project().data().FileName = QDir(work.path()).filePath(QStringLiteral("layered-wall.ov5d")).toStdString();
    window.project().setModified(false);
    window.updateCommands();
    window.setWindowTitle(QStringLiteral("ORVANE 2015.5.8 - Layered-wall.ov5d"));
    settle();

    // The main window with two child windows and the Data menu open.
    QWidget* wall = window.showDialog(TDialogKind::WallProperties);
    frame(wall)->move(10, 10);
    TProjectTables& t = window.project().tables();
    window.showTable(t.NewSoil, false);
    auto* layers = qobject_cast<TTableWindow*>(window.windows().find(TMainWindow::tableKey(t.NewSoil)));
    frame(layers)->move(430, 10);
    settle();
    QMenu* data = window.findChild<QMenu*>(QStringLiteral("DataMenu"));
    window.menuBar()->setActiveAction(data->menuAction());
    settle(800);
    const QRect area = window.frameGeometry().united(data->geometry());
    save(QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()), folder,
         "main-window-data-menu.png");
    data->hide();
    window.menuBar()->setActiveAction(nullptr);
    settle();

    save(frame(wall)->grab(), folder, "wall-properties.png");

    // The soil layers with the clay parameters of layer 1.
    window.showTable(*t.NewSoil.cell(2, 0).subTable(), false);
    auto* clay = window.windows().find(TMainWindow::tableKey(*t.NewSoil.cell(2, 0).subTable()));
    frame(layers)->move(0, 0);
    frame(clay)->move(0, frame(layers)->height() + 4);
    frame(wall)->hide();
    settle();
    const QRect both = frame(layers)->geometry().united(frame(clay)->geometry());
    save(window.mdiArea()->viewport()->grab(both), folder, "soil-layers-clay.png");
    frame(wall)->show();

    // A chart table: an external p-y curve.
    TGridTable& curve = *t.PYCurves2.cell(1, 0).subTable();
    window.showTable(curve, false);
    QWidget* chart = window.windows().find(TMainWindow::tableKey(curve));
    frame(chart)->move(0, 0);
    frame(chart)->raise();
    settle();
    save(frame(chart)->grab(), folder, "chart-table.png");

    QWidget* config = window.showDialog(TDialogKind::WallConfiguration);
    frame(config)->move(0, 0);
    settle();
    save(frame(config)->grab(), folder, "wall-configuration.png");
    window.project().setModified(false);
    return 0;
}
