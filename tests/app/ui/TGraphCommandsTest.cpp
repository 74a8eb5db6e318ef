#include "UiFixture.hpp"

#include "model/TPlotFileReader.hpp"
#include "ui/TChildWindows.hpp"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QKeySequence>
#include <QSet>
#include <QTest>
#include <QToolBar>

namespace orvane {
namespace {

const char* const kGraphics[] = {"Comppy", "CompDef",     "CompMom",     "CompShear", "CompSoil",
                                 "DefMomShear", "CompLD", "CompCombine", "ExportPlots"};

class GraphCommandsTest : public UiTest {
protected:
    // Opening the Graphics menu evaluates its items.
    void openGraphicsMenu()
    {
        auto* menu = window_->findChild<QMenu*>(QStringLiteral("GraphicsMenu"));
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
    }
    void expectGraphics(bool enabled)
    {
        openGraphicsMenu();
        for (const char* name : kGraphics) EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
    }
};

TEST_F(GraphCommandsTest, TheGraphicsMenuListsTheGraphsInGroups)
{
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("GraphicsMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, (QStringList{"p-&y Curves", "-", "&Deflection vs Depth", "&Moment vs Depth", "&Shear vs Depth",
                                  "&Reaction vs Depth", "Deflection, Moment &and Shear", "-",
                                  "Earth &Pressure Distribution", "Earth Pressure &Combined", "-",
                                  "&Export Plots To Excel"}));
    // A letter of its own for every item, and a shortcut none other has.
    QSet<QChar> letters;
    QSet<QKeySequence> keys;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << a->text().toStdString();
        EXPECT_FALSE(letters.contains(a->text().at(amp + 1).toLower())) << a->text().toStdString();
        letters.insert(a->text().at(amp + 1).toLower());
        EXPECT_FALSE(a->shortcut().isEmpty()) << a->text().toStdString();
        keys.insert(a->shortcut());
    }
    EXPECT_EQ(keys.size(), letters.size());
    EXPECT_EQ(action("Comppy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+1")));
    EXPECT_EQ(action("CompCombine")->shortcut(), QKeySequence(QStringLiteral("Ctrl+8")));
    for (QAction* other : window_->findChildren<QAction*>()) {
        if (menu->actions().contains(other) || other->shortcut().isEmpty()) continue;
        EXPECT_FALSE(keys.contains(other->shortcut())) << other->text().toStdString();
    }
    EXPECT_EQ(action("CompShear")->toolTip(), QStringLiteral("LShear Diagram"));
    EXPECT_EQ(action("DefMomShear")->toolTip(), QStringLiteral("Soil-Reaction Diagram"));
    auto* bar = window_->findChild<QToolBar*>(QStringLiteral("ToolBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(action("DefMomShear")));
    EXPECT_FALSE(bar->actions().contains(action("CompCombine")));
}

TEST_F(GraphCommandsTest, ARunEnablesTheGraphsANewProjectDisablesThemAndOpeningReadsThemAgain)
{
    const QString path = example(QStringLiteral("cantilever-user-py.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    EXPECT_FALSE(window_->resultsAvailable());
    expectGraphics(false);

    trigger("Run");
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("information: Computations are completed. Please, check output file for "
                                         "results or error messages.")});
    EXPECT_TRUE(window_->resultsAvailable());
    // The toolbar's buttons are the menu's actions, set right after the run.
    for (const char* name : kGraphics) EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_GT(window_->graphs().pltDef.Lines.pointCount(), 1);
    EXPECT_EQ(window_->graphs().pltDef.YCaption, "Depth (ft)");

    trigger("New");
    EXPECT_FALSE(window_->resultsAvailable());
    EXPECT_EQ(window_->graphs().pltDef.Lines.curveCount(), 0);
    expectGraphics(false);

    window_->openFile(path, TLayout::Current, false);
    EXPECT_TRUE(window_->resultsAvailable());
    expectGraphics(true);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(GraphCommandsTest, ABrokenPlotDataFileIsReportedOnlyAfterARun)
{
    const QString path = example(QStringLiteral("cantilever-user-py.ov5d"));
    QFile plot(QString::fromStdString(TPlotFileReader::plotFilePath(path.toStdString()).string()));
    ASSERT_TRUE(plot.open(QIODevice::WriteOnly));
    plot.write("3\n0 1 1\n");
    plot.close();
    window_->openFile(path, TLayout::Current, false);
    EXPECT_FALSE(window_->resultsAvailable());
    EXPECT_TRUE(takeMessages().isEmpty());
    expectGraphics(false);

    EXPECT_FALSE(window_->readPlotFile(true));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: An error occured in running the main program.")});
}

// A graph window's caption carries the pointer's values as it moves; the
// Window menu names the window by its graph all the same.
TEST_F(GraphCommandsTest, TheWindowMenuNamesAGraphWindowByItsGraphNotItsReadout)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    window_->setGraphWindowFactory([&](TMainWindow&, TGraphPlot& graph) {
        auto* content = new QLabel(QString::fromStdString(graph.Caption));
        content->setWindowTitle(QString::fromStdString(graph.Caption));
        content->setWindowIconText(QString::fromStdString(graph.Caption));
        return content;
    });
    trigger("CompMom");
    QWidget* content = window_->windows().find(TMainWindow::graphKey("pltMom"));
    ASSERT_NE(content, nullptr);
    content->setWindowTitle(QStringLiteral("Moment vs Depth X: -12.5 Y: 3.25"));  // as the readout sets it
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("WindowMenu"));
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text();
    EXPECT_TRUE(items.contains(QStringLiteral("Moment vs Depth"))) << items.join(", ").toStdString();
    EXPECT_FALSE(items.contains(QStringLiteral("Moment vs Depth X: -12.5 Y: 3.25")));
}

// The shortcut opens its graph as the menu item does.
TEST_F(GraphCommandsTest, CtrlWithAGraphsPlaceOpensIt)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    const TGraphPlot* shown = nullptr;
    window_->setGraphWindowFactory([&](TMainWindow&, TGraphPlot& graph) {
        shown = &graph;
        return new QLabel(QString::fromStdString(graph.Caption));
    });
    window_->show();
    window_->activateWindow();
    QApplication::processEvents();
    QTest::keyClick(window_.get(), Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(shown, &window_->graphs().pltDMS);
    QTest::keyClick(window_.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(shown, &window_->graphs().pltDef);
}

TEST_F(GraphCommandsTest, GraphCommandsOpenOneWindowPerGraphThroughTheFactory)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    const TGraphPlot* shown = nullptr;
    int made = 0;
    window_->setGraphWindowFactory([&](TMainWindow&, TGraphPlot& graph) {
        shown = &graph;
        ++made;
        return new QLabel(QString::fromStdString(graph.Caption));
    });
    trigger("CompMom");
    EXPECT_EQ(shown, &window_->graphs().pltMom);
    auto* content = qobject_cast<QLabel*>(window_->windows().find(TMainWindow::graphKey("pltMom")));
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->text(), QStringLiteral("Moment vs Depth"));
    trigger("CompMom");
    EXPECT_EQ(made, 1);
    trigger("DefMomShear");
    EXPECT_EQ(shown, &window_->graphs().pltDMS);
    EXPECT_EQ(window_->showGraph("pltNone"), nullptr);

    // A new run closes the graph windows before their curves are replaced.
    trigger("Run");
    takeMessages();
    EXPECT_EQ(window_->windows().find(TMainWindow::graphKey("pltMom")), nullptr);

    int exports = 0;
    window_->setExportPlotsHandler([&](TMainWindow& w) {
        EXPECT_TRUE(w.commandStates().enabled("CompDef"));
        ++exports;
    });
    trigger("ExportPlots");
    EXPECT_EQ(exports, 1);
}

}  // namespace
}  // namespace orvane
