// The graph window and its dialogs, offscreen: the Plot menu's rules, the
// legend, zooming with the mouse, the pointer readout, printing, pictures,
// and the Graph Title, Edit Legend and Active Curves dialogs.

#include "GraphFixtures.hpp"

#include "results/TActiveCurvesDialog.hpp"
#include "results/TEditLegendDialog.hpp"
#include "results/TPlotForm.hpp"
#include "results/TPlotLegend.hpp"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace orvane {
namespace {

constexpr QSize kWindow{800, 500};

QAction* item(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

QStringList texts(const QList<QAction*>& actions)
{
    QStringList all;
    for (const QAction* a : actions) all << a->text();
    return all;
}

QStringList legendEntries(const TPlotForm& form)
{
    QStringList all;
    for (int i = 0; i < form.legend()->count(); ++i) all << form.legend()->item(i)->text();
    return all;
}

struct TOpened {
    TGraphPlot plot;
    std::unique_ptr<TPlotForm> form;
    QStringList messages;

    explicit TOpened(TGraphPlot p) : plot(std::move(p)) { open(); }
    void open()
    {
        form = std::make_unique<TPlotForm>(plot);
        form->setMessenger([this](QWidget*, const QString& text) { messages << text; });
        form->resize(kWindow);
        form->show();
    }
    QPoint at(double x, double y, int panel = 0) const
    {
        const TPixelRect p = form->rects().panels[static_cast<size_t>(panel)];
        const TPanelRange& r = form->range(panel);
        return {graph::pixelX(x, r.x, p), graph::pixelY(y, r.y, p, plot.XOnTop)};
    }
};

TEST(PlotForm, PlotMenuHoldsEveryItemInOrder)
{
    TOpened w(test::flatCurves(2, 5));
    QStringList top;
    for (const QAction* a : w.form->plotMenu()->actions()) top << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(top, (QStringList{"Show &Legend", "Show &Soil Layer", "Show &Wall Geometry", "Show &Markers", "&Font Size",
                                "&Line Width", "&Graph Title", "&Edit Legend", "&Active Curves", "-", "&Print...",
                                "P&age Setup", "&Save To Disk...", "-", "Curve #1", "Curve #2"}));
    QStringList markers;
    for (const QAction* a : item(w.form->plotMenu(), "Show &Markers")->menu()->actions())
        markers << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(markers, (QStringList{"&Never", "-", "Every &Increment", "Every &2 Increments", "Every &3 Incrments",
                                    "Every &5 Increments", "Every &10 Incements"}));
    // Printing to a file needs no printer, so both commands are there without one.
    EXPECT_TRUE(item(w.form->plotMenu(), "&Print...")->isEnabled());
    EXPECT_TRUE(item(w.form->plotMenu(), "P&age Setup")->isEnabled());
}

TEST(PlotForm, SoilAndWallItemsShownAndEnabledByTheGraph)
{
    struct TCase {
        const char* name;
        TGraphPlot plot;
        bool showLayers;
        bool layersShown, wallShown, wallEnabled;
    };
    TGraphPlot withoutWall = test::threePanelWithWall();
    withoutWall.WallLineCount = 0;
    const TCase cases[] = {
        {"no layers", test::flatCurves(1, 5), false, false, false, false},
        {"layers without wall curves", withoutWall, true, true, false, false},
        {"wall, strip off", test::threePanelWithWall(), false, true, true, false},
        {"wall, strip on", test::threePanelWithWall(), true, true, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TGraphPlot plot = c.plot;
        plot.ShowLayers = c.showLayers;
        TOpened w(plot);
        w.form->updateMenu();
        QMenu* m = w.form->plotMenu();
        EXPECT_EQ(item(m, "Show &Soil Layer")->isVisible(), c.layersShown);
        EXPECT_EQ(item(m, "Show &Soil Layer")->isChecked(), c.showLayers);
        EXPECT_EQ(item(m, "Show &Wall Geometry")->isVisible(), c.wallShown);
        // A hidden item also reads as disabled.
        EXPECT_EQ(item(m, "Show &Wall Geometry")->isEnabled(), c.wallEnabled);
    }
}

TEST(PlotForm, MenuChecksFollowTheOptionsAndTheOptionsOutliveTheWindow)
{
    TGraphPlot plot = test::flatCurves(3, 10);
    plot.ShowFontWidth = false;
    TOpened w(plot);
    QMenu* m = w.form->plotMenu();
    w.form->updateMenu();
    EXPECT_FALSE(item(m, "&Font Size")->isVisible());
    EXPECT_FALSE(item(m, "&Line Width")->isVisible());
    QMenu* markers = item(m, "Show &Markers")->menu();
    EXPECT_TRUE(item(markers, "Every &Increment")->isChecked());
    item(markers, "Every &5 Increments")->trigger();
    w.form->updateMenu();
    EXPECT_EQ(w.plot.Markers, 5);
    EXPECT_TRUE(item(markers, "Every &5 Increments")->isChecked());
    EXPECT_FALSE(item(markers, "Every &Increment")->isChecked());
    w.plot.ShowFontWidth = true;
    item(item(m, "&Font Size")->menu(), "2 * Default")->trigger();
    item(item(m, "&Line Width")->menu(), "4 * Default")->trigger();
    w.form->curveActions()[1]->trigger();
    // A new window shows the same options and starts from the full ranges.
    w.form->applyTitle(QStringLiteral("Wall A"), true);
    w.form.reset();
    w.open();
    EXPECT_EQ(w.plot.Markers, 5);
    EXPECT_EQ(w.plot.SizeFont, 20);
    EXPECT_EQ(w.plot.WidthLine, 4);
    EXPECT_FALSE(w.plot.Lines.curve(1).Visible);
    EXPECT_EQ(w.plot.Title, "Wall A");
    w.form->updateMenu();
    EXPECT_FALSE(w.form->curveActions()[1]->isChecked());
    EXPECT_TRUE(w.form->curveActions()[0]->isChecked());
}

TEST(PlotForm, TwentyFiveCurvesListTwentyInTheLegendAndTheMenu)
{
    TGraphPlot plot = test::flatCurves(25, 4);
    for (TLine& line : plot.Lines) line.Active = true;
    TOpened w(plot);
    EXPECT_EQ(w.form->legend()->count(), 20);
    ASSERT_EQ(w.form->curveActions().size(), 20);
    EXPECT_EQ(w.form->curveActions().back()->text(), "Curve #20");
    EXPECT_TRUE(w.plot.Lines.curve(19).Active);
    EXPECT_FALSE(w.plot.Lines.curve(20).Active);
    EXPECT_FALSE(w.plot.Lines.curve(24).Active);
}

TEST(PlotForm, PerCurveItemsAndLegendToggleVisibility)
{
    TOpened w(test::flatCurves(3, 5));
    QAction* second = w.form->curveActions()[1];
    EXPECT_TRUE(second->isChecked());
    second->trigger();
    EXPECT_FALSE(w.plot.Lines.curve(1).Visible);
    w.form->updateMenu();
    EXPECT_FALSE(second->isChecked());
    // A double-click on the third legend entry hides the third curve.
    TPlotLegend* legend = w.form->legend();
    const QRect entry = legend->visualItemRect(legend->item(2));
    QTest::mouseDClick(legend->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_FALSE(w.plot.Lines.curve(2).Visible);
    w.form->updateMenu();
    EXPECT_FALSE(w.form->curveActions()[2]->isChecked());
    EXPECT_TRUE(w.form->curveActions()[0]->isChecked());
}

TEST(PlotForm, LegendStartsAtThePlotsBottomRightAndShowLegendHidesIt)
{
    TOpened w(test::flatCurves(2, 5));
    const TPixelRect plot = w.form->rects().plot;
    const QRect legend = w.form->legend()->geometry();
    EXPECT_EQ(legend.right() + 1, plot.r);
    EXPECT_EQ(legend.bottom() + 1, plot.b);
    EXPECT_TRUE(w.form->legend()->isVisible());
    QAction* show = item(w.form->plotMenu(), "Show &Legend");
    show->trigger();
    EXPECT_FALSE(w.plot.ShowLegend);
    EXPECT_FALSE(w.form->legend()->isVisible());
    // Hidden when the window opened: the command itself stays out of the menu.
    w.form.reset();
    w.open();
    w.form->updateMenu();
    EXPECT_FALSE(item(w.form->plotMenu(), "Show &Legend")->isVisible());
}

TEST(PlotForm, RubberBandZoomsToAtLeastOneTwentiethAndRightClickZoomsOutToTheFullRange)
{
    TOpened w(test::flatCurves(2, 11));  // x 0 .. 10, y 0 .. 2
    const TPanelRange full = w.form->fullRange(0);
    ASSERT_EQ(full.x, (TAxisRange{0, 10}));
    // A band of a few pixels about (5, 1).
    const QPoint a = w.at(5, 1), b = a + QPoint(3, 3);
    QTest::mousePress(w.form.get(), Qt::LeftButton, {}, a);
    QTest::mouseMove(w.form.get(), b);
    QTest::mouseRelease(w.form.get(), Qt::LeftButton, {}, b);
    const TPanelRange zoomed = w.form->range(0);
    EXPECT_NEAR(zoomed.x.width(), full.x.width() / 20, 1e-12);
    EXPECT_NEAR(zoomed.y.width(), full.y.width() / 20, 1e-12);
    EXPECT_NEAR((zoomed.x.min + zoomed.x.max) / 2, 5, 0.1);
    // Each right-click doubles the range about the clicked value, never past
    // the full range.
    for (int i = 0; i < 6; ++i) {
        const TAxisRange before = w.form->range(0).x;
        QTest::mouseClick(w.form.get(), Qt::RightButton, {}, w.at(5, 1));
        const TAxisRange after = w.form->range(0).x;
        EXPECT_NEAR(after.width(), std::min(2 * before.width(), full.x.width()), 1e-9) << i;
        EXPECT_GE(after.min, full.x.min - 1e-12);
        EXPECT_LE(after.max, full.x.max + 1e-12);
    }
    EXPECT_EQ(w.form->range(0).x, full.x);
}

TEST(PlotForm, CaptionReadoutClampsThePointerToThePlot)
{
    TOpened w(test::depthGraph());  // deflection 0 .. 1 on top, depth 0 .. 10 down
    const TPixelRect p = w.form->rects().plot;
    QTest::mouseMove(w.form.get(), QPoint(p.l, p.t));
    EXPECT_EQ(w.form->windowTitle(), "Deflection vs Depth X: 0 Y: 0");
    QTest::mouseMove(w.form.get(), QPoint(p.r + 10, p.b + 10));  // off the plot: clamped
    EXPECT_EQ(w.form->windowTitle(), "Deflection vs Depth X: 1 Y: 10");
    EXPECT_EQ(w.form->readout(QPoint((p.l + p.r) / 2, p.t)).left(22), "Deflection vs Depth X:");
}

TEST(PlotForm, ThreePanelReadoutUsesThePanelUnderThePointer)
{
    TGraphPlot plot = test::threePanelWithWall();
    for (int j = 0; j <= 10; ++j) plot.Lines3.point(0, j).X *= 100;  // panel 3 to 300
    TOpened w(plot);
    const TGraphRects r = w.form->rects();
    EXPECT_EQ(w.form->readout(QPoint(r.panels[0].r, r.panels[0].t)), "Deflection, Moment, Shear vs Depth X: 2.5 Y: 0");
    EXPECT_EQ(w.form->readout(QPoint(r.panels[2].r, r.panels[2].b)), "Deflection, Moment, Shear vs Depth X: 250 Y: 10");
}

TEST(PlotForm, PlotMenuJoinsTheMenuBarWhileTheWindowIsActive)
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    main.menuBar()->addMenu(QStringLiteral("&File"));
    main.menuBar()->addMenu(QStringLiteral("&Window"))->setObjectName(QStringLiteral("WindowMenu"));
    main.show();
    TGraphPlot plot = test::flatCurves(1, 3);
    auto* form = new TPlotForm(plot);
    QMdiSubWindow* graph = area->addSubWindow(form);
    QMdiSubWindow* other = area->addSubWindow(new QLabel(QStringLiteral("table")));
    graph->show();
    other->show();
    form->mergeMenuInto(*main.menuBar(), *area);
    const auto titles = [&] { return texts(main.menuBar()->actions()); };
    area->setActiveSubWindow(graph);
    EXPECT_EQ(titles(), (QStringList{"&File", "&Plot", "&Window"}));
    area->setActiveSubWindow(other);
    EXPECT_EQ(titles(), (QStringList{"&File", "&Window"}));
    area->setActiveSubWindow(graph);
    EXPECT_EQ(titles(), (QStringList{"&File", "&Plot", "&Window"}));
    delete graph;  // closing the window takes its menu with it
    EXPECT_EQ(titles(), (QStringList{"&File", "&Window"}));
}

TEST(PlotForm, PrintsOnePageTitledWithTheCaption)
{
    QTemporaryDir dir;
    TOpened w(test::depthGraph());
    EXPECT_EQ(w.form->margins(), (std::array<int, 4>{1000, 1000, 1000, 1000}));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(file);
    ASSERT_TRUE(w.form->printTo(printer));
    EXPECT_EQ(printer.docName(), "Deflection vs Depth");
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    // The document title in the PDF's information, UTF-16 with a byte-order mark.
    QByteArray title = QByteArray("\xFE\xFF");
    for (QChar ch : QStringLiteral("Deflection vs Depth")) title.append('\0').append(static_cast<char>(ch.unicode()));
    EXPECT_TRUE(bytes.contains(title.toHex().toUpper()) || bytes.contains(title) ||
                bytes.contains("Deflection vs Depth"));
}

TEST(PlotForm, DefaultMarginsPrintOneInchInsideThePaper)
{
    TOpened w(test::depthGraph());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    const TGraphSurface s = w.form->printSurface(printer);
    EXPECT_EQ(s.ppiX, 600);
    EXPECT_EQ(s.kind, TSurfaceKind::Printer);
    // 8.5 x 11 in at 600 pixels per inch, one inch in on every side.
    EXPECT_EQ(s.client, (TPixelRect{600, 600, 5100 - 600, 6600 - 600}));
    EXPECT_EQ(s.fontHeight, 88);  // the window's 14 pixels at 96 ppi: 87.5 at 600, rounded
}

TEST(PlotForm, LegendEntriesInTheirColoursStarredWhileVisibleAndKeptInsideWhenDragged)
{
    TOpened w(test::flatCurves(2, 5));
    TPlotLegend* legend = w.form->legend();
    const auto blueIn = [&](int row) {
        const QImage image = legend->viewport()->grab().toImage();
        const QRect r = legend->visualItemRect(legend->item(row));
        int n = 0, rightmost = -1;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > 200 && c.red() < 90 && c.green() < 90) {
                    ++n;
                    rightmost = std::max(rightmost, x);
                }
            }
        return std::pair{n, rightmost};
    };
    const auto [visible, visibleRight] = blueIn(1);  // curve 2 in colour 1, blue
    EXPECT_GT(visible, 20);
    EXPECT_EQ(blueIn(0).first, 0);  // curve 1 in black
    w.form->curveActions()[1]->trigger();  // hidden: the " *" goes
    const auto [hidden, hiddenRight] = blueIn(1);
    EXPECT_LT(hidden, visible);
    EXPECT_LT(hiddenRight, visibleRight);
    // Dragged far beyond the window, the legend stops at its edge.
    const QPoint grab = legend->visualItemRect(legend->item(0)).center();
    QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
    QTest::mouseMove(legend->viewport(), grab + QPoint(-5000, -5000));
    QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab + QPoint(-5000, -5000));
    EXPECT_EQ(legend->pos(), QPoint(0, 0));
}

TEST(PlotForm, LegendEntriesKeepTheirCurvesColoursWhenAnEarlierCurveIsInactive)
{
    TOpened w(test::flatCurves(3, 5));
    w.form->applyActive({false, true, true});  // as the Active Curves dialog does
    TPlotLegend* legend = w.form->legend();
    ASSERT_EQ(legend->count(), 2);
    legend->doItemsLayout();  // the rebuilt list lays its items out lazily
    const QImage image = legend->viewport()->grab().toImage();
    const auto pixelsIn = [&](int row, QColor colour) {
        const QRect r = legend->visualItemRect(legend->item(row));
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
                     std::abs(c.blue() - colour.blue()) < 60;
            }
        return n;
    };
    // Curve 2 in colour 1, blue; curve 3 in colour 2, red: the first curve
    // being left out moves neither.
    EXPECT_GT(pixelsIn(0, QColor(0, 0, 255)), 20);
    EXPECT_GT(pixelsIn(1, QColor(255, 0, 0)), 20);
    EXPECT_EQ(pixelsIn(1, QColor(0, 0, 255)), 0);
}

TEST(PlotForm, SaveToDiskProposesTheProjectsNameAndTheTypeSavedLast)
{
    QTemporaryDir dir;
    TOpened w(test::flatCurves(3, 5));
    const std::filesystem::path base = std::filesystem::path(dir.path().toStdString()) / "wall-pltDef";
    w.form->setPictureName([&] { return base; });
    QStringList proposed;
    QString chosen = dir.filePath(QStringLiteral("first.png"));
    w.form->setPathChooser([&](QWidget*, const QString& p) {
        proposed << p;
        return chosen;
    });
    w.form->setAttributesChooser([](QWidget*) { return std::optional<TPictureAttributes>(TPictureAttributes{}); });
    w.form->saveToDisk();
    ASSERT_TRUE(w.messages.isEmpty()) << w.messages.join("; ").toStdString();
    // The next picture, of this graph or another, proposes the type just saved.
    chosen.clear();
    w.form->saveToDisk();
    TOpened other(test::flatCurves(2, 5));
    other.form->setPictureName([&] { return base.parent_path() / "wall-pltMom"; });
    other.form->setPathChooser([&](QWidget*, const QString& p) {
        proposed << p;
        return QString();
    });
    other.form->saveToDisk();
    ASSERT_EQ(proposed.size(), 3);
    EXPECT_TRUE(proposed[0].startsWith(QString::fromStdString(base.string()) + QLatin1Char('.'))) << proposed[0].toStdString();
    EXPECT_EQ(proposed[1], QString::fromStdString(base.string()) + QStringLiteral(".png"));
    EXPECT_EQ(proposed[2], QString::fromStdString((base.parent_path() / "wall-pltMom").string()) + QStringLiteral(".png"));
    // Printing to a PDF file proposes the same place and name.
    EXPECT_EQ(w.form->proposedPdf(), QString::fromStdString(base.string()) + QStringLiteral(".pdf"));
}

TEST(PlotForm, ALegendTheUserDraggedStaysWhenTheLayoutChanges)
{
    TOpened w(test::flatCurves(3, 5));
    TPlotLegend* legend = w.form->legend();
    const QPoint start = legend->pos();
    const QPoint grab = legend->visualItemRect(legend->item(0)).center();
    QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
    QTest::mouseMove(legend->viewport(), grab + QPoint(-120, -90));
    QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab + QPoint(-120, -90));
    const QPoint dragged = legend->pos();
    ASSERT_NE(dragged, start);
    w.form->applyTitle(QStringLiteral("A title"), true);
    EXPECT_EQ(legend->pos(), dragged);
}

TEST(PlotForm, TheReadoutGoesToTheCaptionAndTheIconTextKeepsTheGraphsName)
{
    TGraphPlot plot = test::flatCurves(3, 5);
    plot.Caption = "Flat";
    TOpened named(plot);
    QTest::mouseMove(named.form.get(), named.at(2, 2));
    EXPECT_TRUE(named.form->windowTitle().startsWith(QStringLiteral("Flat X:")))
        << named.form->windowTitle().toStdString();
    EXPECT_EQ(named.form->windowIconText(), QStringLiteral("Flat"));
}

TEST(PlotForm, SaveToDiskWritesThePictureInTheChosenColours)
{
    QTemporaryDir dir;
    TOpened w(test::flatCurves(3, 5));
    const QString file = dir.filePath(QStringLiteral("graph.bmp"));
    w.form->setPathChooser([&](QWidget*, const QString&) { return file; });
    TPictureAttributes a;
    a.colours = TPictureColours::BlackAndWhite;
    w.form->setAttributesChooser([&](QWidget*) { return std::optional<TPictureAttributes>(a); });
    w.form->saveToDisk();
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join("; ").toStdString();
    QImageReader reader(file);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(432, 288));
    EXPECT_EQ(image.depth(), 1);
    // Cancelling the attributes writes nothing.
    const QString other = dir.filePath(QStringLiteral("other.bmp"));
    w.form->setPathChooser([&](QWidget*, const QString&) { return other; });
    w.form->setAttributesChooser([](QWidget*) { return std::optional<TPictureAttributes>(); });
    w.form->saveToDisk();
    EXPECT_FALSE(QFile::exists(other));
}

TEST(PlotForm, PictureTooLargeForMemoryShowsTheMessageAndWritesNothing)
{
    QTemporaryDir dir;
    TOpened w(test::flatCurves(1, 5));
    const QString file = dir.filePath(QStringLiteral("huge.png"));
    w.form->setPathChooser([&](QWidget*, const QString&) { return file; });
    TPictureAttributes a;
    a.widthInches = a.heightInches = 100;
    a.ppi = 2400;
    w.form->setAttributesChooser([&](QWidget*) { return std::optional<TPictureAttributes>(a); });
    w.form->saveToDisk();
    EXPECT_EQ(w.messages, QStringList{"There is not enough memory to complete this task."});
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(PlotForm, GraphTitleMovesThePlotAndStaysWithTheGraph)
{
    TOpened w(test::flatCurves(1, 5));
    const TPixelRect before = w.form->rects().plot;
    w.form->applyTitle(QStringLiteral("Section A"), true);
    const int h = TGraphPainter::scaledFontHeight(w.plot, w.form->windowSurface());
    EXPECT_EQ(w.form->rects().plot.t, before.t + h + h / 8);
    w.form->applyTitle(QStringLiteral("Section A"), false);
    EXPECT_EQ(w.form->rects().plot.b, before.b - h);
    EXPECT_EQ(w.plot.Title, "Section A");
    EXPECT_FALSE(w.plot.TitleOnTop);
}

TEST(EditLegendDialog, RefusesAnEmptyNameAndKeepsTheEntry)
{
    TEditLegendDialog dialog({QStringLiteral("Load #1"), QStringLiteral("Load #2")});
    QStringList messages;
    dialog.setMessenger([&](QWidget*, const QString& text) { messages << text; });
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("legend"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lines"));
    ASSERT_TRUE(edit && list);
    EXPECT_EQ(list->currentRow(), 0);  // the first entry is selected on opening
    EXPECT_EQ(edit->text(), "Load #1");
    edit->clear();
    dialog.commitEdit();
    EXPECT_EQ(messages, QStringList{"The line must have a name!"});
    EXPECT_EQ(edit->text(), "Load #1");
    EXPECT_EQ(dialog.texts(), (QStringList{"Load #1", "Load #2"}));
    list->setCurrentRow(1);
    EXPECT_EQ(edit->text(), "Load #2");
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 255));  // colour of entry 1
    edit->setText(QStringLiteral("Long-Term"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.texts(), (QStringList{"Load #1", "Long-Term"}));
    EXPECT_EQ(messages.size(), 1);
}

TEST(EditLegendDialog, WithOneCurveInactiveEveryEntryKeepsItsOwnCurvesText)
{
    TGraphPlot plot = test::flatCurves(3, 5);
    TOpened w(plot);
    w.form->applyActive({true, false, true});
    w.form->applyLegendTexts({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(w.plot.Lines.curve(1).Name, "B");
    EXPECT_EQ(legendEntries(*w.form), (QStringList{"A", "C"}));
    EXPECT_EQ(texts(w.form->curveActions()), (QStringList{"A", "C"}));
}

TEST(ActiveCurvesDialog, EntriesAndButtons)
{
    TActiveCurvesDialog dialog({QStringLiteral("Curve #1"), QStringLiteral("Curve #2"), QStringLiteral("Curve #3")},
                               {true, false, true});
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("curves"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->item(0)->text(), " yes :    Curve #1");
    EXPECT_EQ(list->item(1)->text(), " no  :    Curve #2");
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    dialog.toggleSelected();
    EXPECT_EQ(dialog.active(), (std::vector<bool>{false, true, true}));
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(dialog.active(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(list->item(2)->text(), " no  :    Curve #3");
    dialog.setAll(true);
    EXPECT_EQ(dialog.active(), (std::vector<bool>{true, true, true}));
}

TEST(ActiveCurvesDialog, DeactivatingAllThenActivatingRestoresTheCurveOrder)
{
    TOpened w(test::flatCurves(4, 5));
    TActiveCurvesDialog dialog({"a", "b", "c", "d"}, {true, true, true, true});
    dialog.setAll(false);
    w.form->applyActive(dialog.active());
    EXPECT_EQ(w.form->legend()->count(), 0);
    EXPECT_TRUE(w.form->curveActions().isEmpty());
    // Back in a different order of activation: the list is still in curve order.
    w.form->applyActive({false, false, true, false});
    w.form->applyActive({true, false, true, true});
    EXPECT_EQ(legendEntries(*w.form), (QStringList{"Curve #1", "Curve #3", "Curve #4"}));
    dialog.setAll(true);
    w.form->applyActive(dialog.active());
    const QStringList all{"Curve #1", "Curve #2", "Curve #3", "Curve #4"};
    EXPECT_EQ(legendEntries(*w.form), all);
    EXPECT_EQ(texts(w.form->curveActions()), all);
    // Each item refers to its own curve.
    w.form->curveActions()[1]->trigger();
    EXPECT_FALSE(w.plot.Lines.curve(1).Visible);
    EXPECT_TRUE(w.plot.Lines.curve(2).Visible);
}

}  // namespace
}  // namespace orvane
