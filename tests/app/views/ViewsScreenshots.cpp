// Makes the pictures of the geometry views shown in the README: the side
// view of an anchored wall in layered soil with water tables and surcharges,
// the side view of a cantilever in clay, and the printed side view page as a
// PDF. Each project is opened from the examples in the desktop program's main
// window, analysed there and shown with "View Wall Geometry". Run under an X
// server: xvfb-run -a views_screenshots FOLDER [PDF]

#include "model/TGridTable.hpp"
#include "model/TRunCommand.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TMainWindow.hpp"
#include "ui/TMessages.hpp"
#include "views/T3DView.hpp"
#include "views/TSideView.hpp"

#include "../screenshot_support.hpp"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace orvane;

namespace {

using orvane::test::save;
using orvane::test::settle;

// An oblique view from the excavated side, looking down on the wall top.
// Deflections of a few tenths of an inch on a 50 ft wall: magnified 200
// times to be seen.
constexpr double kFactor = 200;

// Opens a copy of the example in the work folder, so the run's files stay
// out of the source tree.
bool openExample(TMainWindow& window, const QString& work, const char* name)
{
    const QString source = QStringLiteral(ORVANE_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
    const QString copy = QDir(work).filePath(QString::fromLatin1(name));
    QFile::remove(copy);
    if (!QFile::copy(source, copy) || !window.openFile(copy, TLayout::Current, false)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(source));
        return false;
    }
    return true;
}

// What the anchored example lacks for a full profile, entered as a user
// types it: a stiff clay below the sand, water tables on both sides, and a
// point and a strip load behind the wall.
void completeAnchoredExample(TProject& project)
{
    TProgramData& d = project.data();
    d.Title = "Anchored sheet-pile wall in sand over stiff clay, water tables and surcharges";
    d.WaterDepthBackfill = 240;    // 20 ft
    d.WaterDepthExcavation = 312;  // 26 ft
    TProjectTables& t = project.tables();
    t.NewSoil.commit(1, 0, "18");
    t.NewSoil.setRowCount(2);
    t.NewSoil.commit(0, 1, "3");
    t.NewSoil.commit(1, 1, "60");
    TGridTable& clay = *t.NewSoil.cell(2, 1).subTable();
    const char* clayRows[][4] = {{"125", "3000", "0.005", "1000"}, {"125", "4000", "0.004", "1000"}};
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 4; ++c) clay.commit(c, row, clayRows[row][c]);
    project.setOption(TOption::Surcharges, true);
    t.SurchargeTable.setRowCount(2);
    const char* loads[][4] = {{"1", "2000", "60", "0"}, {"3", "250", "192", "96"}};
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 4; ++c) t.SurchargeTable.commit(c, row, loads[row][c]);
}

TSideView* openSideView(TMainWindow& window)
{
    window.runAnalysis();
    window.updateCommands();
    window.showSideView();
    settle();
    auto* view = qobject_cast<TSideView*>(window.windows().find(QStringLiteral("sideview")));
    if (!view) {
        std::fprintf(stderr, "the side view did not open\n");
        return nullptr;
    }
    auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    frame->setGeometry(0, 0, 1000, 720);
    settle();
    return view;
}

void closeAll(TMainWindow& window)
{
    window.windows().discardAll();
    settle(200);
}

bool printPage(const TSideView& view, const QString& pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    view.printTo(printer);
    if (!QFileInfo(pdf).isFile() || QFileInfo(pdf).size() == 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pdf));
        return false;
    }
    std::printf("%s\n", qPrintable(pdf));
    return true;
}

// The window as the screen shows it: a grab of the widgets would draw the
// OpenGL picture again without the texts painted over it.
QPixmap onScreen(QWidget* frame)
{
    const QPoint at = frame->mapToGlobal(QPoint(0, 0));
    return QApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), frame->width(), frame->height());
}

// The 3-D View of the analysed anchored wall from an oblique angle, as it
// is and deformed, with the undeformed outlines beside it.
bool threeDViews(TMainWindow& window, const QString& folder)
{
    auto* view = qobject_cast<T3DView*>(window.show3DView());
    if (!view || !view->failure().isEmpty()) {
        std::fprintf(stderr, "the 3-D View did not draw: %s\n", view ? qPrintable(view->failure()) : "not opened");
        return false;
    }
    auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    frame->setGeometry(0, 0, 1000, 720);
    settle();
    // The view as it opens: the oblique angle with the whole model in.
    view->camera().restart();
    view->rebuild();
    settle();
    bool ok = save(onScreen(frame), folder, "view3d-anchored.png");
    if (QWidget* bar = view->toolBar()) ok &= save(bar->grab(), folder, "view3d-toolbar.png");
    if (!view->deformationAvailable()) {
        std::fprintf(stderr, "no deflection results for the deformed shape\n");
        return false;
    }
    view->display().deformed = true;
    view->display().undeformed = true;
    view->display().factor = kFactor;
    view->showDeformedShapeDialog();
    // Beside the view, not over it.
    if (QWidget* dialog = view->deformedShapeDialog()) dialog->move(frame->mapToGlobal(QPoint(frame->width() + 20, 40)));
    view->rebuild();
    settle();
    ok &= save(onScreen(frame), folder, "view3d-anchored-deformed.png");
    if (QWidget* dialog = view->deformedShapeDialog()) ok &= save(dialog->grab(), folder, "view3d-deformed-shape-dialog.png");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots")).absolutePath();
    const QString pdf = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(folder);
    TMessages::setPresenter([](TMessages::Kind, const QString&) { return TMessages::Answer::No; });
    QTemporaryDir work;
    if (!work.isValid()) return 1;

    TMainWindow window(TRunCommand::defaultLibrary());
    window.setGeometry(0, 0, 1100, 860);
    window.show();
    settle();
    bool ok = true;

    if (!openExample(window, work.path(), "sand-anchored-generated-py.ov5d")) return 1;
    completeAnchoredExample(window.project());
    TSideView* view = openSideView(window);
    if (!view) return 1;
    ok &= save(qobject_cast<QMdiSubWindow*>(view->parentWidget())->grab(), folder, "side-view-anchored.png");
    if (!pdf.isEmpty()) ok &= printPage(*view, pdf);
    closeAll(window);
    // The example as it is, analysed: its deflections are those of a wall
    // an engineer would build.
    if (!openExample(window, work.path(), "sand-anchored-generated-py.ov5d")) return 1;
    window.runAnalysis();
    window.updateCommands();
    ok &= threeDViews(window, folder);
    closeAll(window);

    if (!openExample(window, work.path(), "soft-clay-cantilever.ov5d")) return 1;
    view = openSideView(window);
    if (!view) return 1;
    ok &= save(qobject_cast<QMdiSubWindow*>(view->parentWidget())->grab(), folder, "side-view-clay-cantilever.png");
    closeAll(window);
    return ok ? 0 : 1;
}
