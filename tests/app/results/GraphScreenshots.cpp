// Makes the pictures of the graph windows for the documentation: examples
// analysed in a temporary folder and their graphs opened in the desktop
// program's main window, plus a page printed through the window's print
// path into a PDF. Run under an X server (xvfb-run).
// Usage: orvane_graph_screenshots EXAMPLES-FOLDER OUT-FOLDER

#include "model/TLayout.hpp"
#include "model/TRunCommand.hpp"
#include "results/TPlotForm.hpp"
#include "results/TPlotLegend.hpp"
#include "ui/TMainWindow.hpp"
#include "ui/TMessages.hpp"

#include "../screenshot_support.hpp"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

using namespace orvane;

namespace {

using orvane::test::save;
using orvane::test::settle;

struct TShot {
    const char* example;
    const char* graph;
    const char* file;
    std::function<void(TPlotForm&)> prepare;
    bool withMenu = false;
    bool openingSize = false;  // the window as it opens, not enlarged
};

// Chooses a Plot menu item as the user does: the menu opens (and sets its
// states) first. A path names a submenu item: "Show &Markers/Every &10 Incements".
void choose(TPlotForm& form, const QString& path)
{
    form.updateMenu();
    QMenu* menu = form.plotMenu();
    const QStringList steps = path.split(QLatin1Char('/'));
    for (int i = 0; i < steps.size(); ++i)
        for (QAction* a : menu->actions())
            if (a->text() == steps[i]) {
                if (i + 1 < steps.size()) {
                    menu = a->menu();
                } else {
                    a->trigger();
                }
                break;
            }
}

// Analyses a copy of the example and shows the graph; null when it fails.
TPlotForm* openGraph(TMainWindow& window, const QString& examples, const QString& work, const char* example,
                     const char* graph)
{
    const QString copy = QDir(work).filePath(QString::fromLatin1(example));
    QFile::remove(copy);
    if (!QFile::copy(QDir(examples).filePath(QString::fromLatin1(example)), copy)) return nullptr;
    if (!window.openFile(copy, TLayout::Current, false)) return nullptr;
    window.runAnalysis();
    return qobject_cast<TPlotForm*>(window.showGraph(graph));
}

void mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Drags a rubber band over the values (x1, y1) .. (x2, y2).
void zoom(TPlotForm& form, double x1, double y1, double x2, double y2)
{
    const TPixelRect p = form.rects().plot;
    const TPanelRange& r = form.range(0);
    const auto at = [&](double x, double y) {
        return QPoint(graph::pixelX(x, r.x, p), graph::pixelY(y, r.y, p, form.plot().XOnTop));
    };
    const QPoint a = at(x1, y1), b = at(x2, y2);
    mouse(form, QEvent::MouseButtonPress, a, Qt::LeftButton);
    mouse(form, QEvent::MouseMove, b, Qt::LeftButton);
    mouse(form, QEvent::MouseButtonRelease, b, Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: orvane_graph_screenshots EXAMPLES-FOLDER OUT-FOLDER\n");
        return 2;
    }
    const QString examples = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(folder);
    TMessages::setPresenter([](TMessages::Kind, const QString&) { return TMessages::Answer::No; });
    QTemporaryDir work;

    TMainWindow window(TRunCommand::defaultLibrary());
    window.setGraphWindowFactory([](TMainWindow& main, TGraphPlot& graph) -> QWidget* {
        auto* form = new TPlotForm(graph);
        form->mergeMenuInto(*main.menuBar(), *main.mdiArea());
        return form;
    });
    window.setGeometry(0, 0, 1280, 860);
    window.show();
    settle();

    const TShot shots[] = {
        // The curves reach far out at full resistance: zoomed in on the bends.
        {"sand-cantilever-generated-py.ov5d", "pltPY", "graph-py-curves.png",
         [](TPlotForm& form) {
             zoom(form, -1.2, 2000, 1.2, -1500);
             // The legend dragged to the empty corner, clear of the curves.
             const TPixelRect p = form.rects().plot;
             form.legend()->move(p.r - form.legend()->width() - 4, p.t + 4);
         },
         true},
        {"soft-clay-cantilever.ov5d", "pltDMS", "graph-dms-soil-wall.png",
         [](TPlotForm& form) {
             choose(form, QStringLiteral("Show &Soil Layer"));
             choose(form, QStringLiteral("Show &Wall Geometry"));
         }},
        {"anchored-trapezoid.ov5d", "PltCombine", "graph-earth-pressure-combined.png",
         [](TPlotForm& form) { choose(form, QStringLiteral("Show &Markers/Every &10 Incements")); }},
        // The three panels at the size the window opens at: labelled ticks on
        // every axis, the legend in a corner no curve reaches.
        {"sand-anchored-generated-py.ov5d", "pltDMS", "graph-dms-default-size.png", nullptr, false, true},
        // One curve left out of the active curves: the others keep their
        // colours and markers.
        {"sand-cantilever-generated-py.ov5d", "pltPY", "graph-py-one-curve-off.png",
         [](TPlotForm& form) {
             std::vector<bool> active;
             for (int i = 0; i < form.plot().Lines.curveCount(); ++i) active.push_back(i < 20 && i != 1);
             form.applyActive(active);
             zoom(form, -1.2, 2000, 1.2, -1500);
             // Zoomed in, the curves fill other corners: the legend dragged to the empty one.
             const TPixelRect p = form.rects().plot;
             form.legend()->move(p.r - form.legend()->width() - 4, p.t + 4);
         }},
    };
    int failures = 0;
    for (const TShot& shot : shots) {
        TPlotForm* form = openGraph(window, examples, work.path(), shot.example, shot.graph);
        if (!form) {
            std::fprintf(stderr, "cannot show %s of %s\n", shot.graph, shot.example);
            ++failures;
            continue;
        }
        auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        if (!shot.openingSize) frame->setGeometry(0, 0, 980, 680);
        // A command lays the window out again with the legend at its place.
        choose(*form, QStringLiteral("&Font Size/&Default"));
        if (shot.prepare) shot.prepare(*form);
        settle();
        // The pointer over the plot, for the caption readout.
        const TPixelRect plot = form->rects().plot;
        mouse(*form, QEvent::MouseMove, QPoint((plot.l + plot.r) / 2, (plot.t + plot.b) / 3), Qt::NoButton);
        settle();
        if (shot.withMenu) {
            QMenu* menu = form->plotMenu();
            window.menuBar()->setActiveAction(menu->menuAction());
            settle(800);
            const QRect area = window.frameGeometry().united(menu->geometry());
            if (!save(QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()),
                      folder, QString::fromLatin1(shot.file)))
                ++failures;
            menu->hide();
            window.menuBar()->setActiveAction(nullptr);
            settle();
        } else if (!save(window.grab(), folder, QString::fromLatin1(shot.file))) {
            ++failures;
        }
        if (QString::fromLatin1(shot.file) == QLatin1String("graph-dms-soil-wall.png")) {
            // The same window printed through its print path.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageOrientation(QPageLayout::Landscape);
            const QString pdf = QDir(folder).filePath(QStringLiteral("graph-printed-page.pdf"));
            printer.setOutputFileName(pdf);
            if (form->printTo(printer))
                std::printf("%s\n", qPrintable(pdf));
            else
                ++failures;
        }
    }
    window.project().setModified(false);
    return failures == 0 ? 0 : 1;
}
