#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"

#include "model/TGridTableChart.hpp"
#include "ui/TGridTableModel.hpp"
#include "ui/TGridView.hpp"
#include "ui/TPlotPainter.hpp"
#include "ui/TTableWindow.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace orvane {
namespace {

using TableWindowTest = UiTest;

TEST_F(TableWindowTest, ACellKeepsTheUserUntilItsEntryEvaluates)
{
    TTableWindow* stiffness = openTable(window_->project().tables().PileSect);
    ASSERT_NE(stiffness, nullptr);
    TGridView& grid = stiffness->grid();
    const QModelIndex ei = grid.model()->index(0, 3);
    grid.setCurrentIndex(ei);
    grid.edit(ei);
    QTest::keyClicks(cellEditor(stiffness), QStringLiteral("abc"));

    grid.setCurrentIndex(grid.model()->index(0, 0));  // the user clicks another cell
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "warning: Entry could not be evaluated:\ninvalid character(s) in expression")});
    EXPECT_EQ(grid.currentIndex(), ei);
    ASSERT_NE(cellEditor(stiffness), nullptr);
    EXPECT_EQ(cellEditor(stiffness)->text(), QStringLiteral("abc"));
    EXPECT_FALSE(stiffness->commitPending());  // closing or a menu is refused the same way
    EXPECT_EQ(takeMessages().size(), 1);
    EXPECT_FALSE(window_->project().isModified());

    cellEditor(stiffness)->selectAll();
    QTest::keyClicks(cellEditor(stiffness), QStringLiteral("12*3"));
    QTest::keyClick(cellEditor(stiffness), Qt::Key_Return);
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(window_->project().tables().PileSect.cell(3, 0).asReal(), 36.0);
    EXPECT_EQ(grid.model()->index(0, 3).data().toString(), QStringLiteral("36"));
    EXPECT_TRUE(window_->project().isModified());
    EXPECT_TRUE(stiffness->commitPending());
}

TEST_F(TableWindowTest, IntegerCellsTellTheirLimits)
{
    TTableWindow* stiffness = openTable(window_->project().tables().PileSect);
    enterCell(stiffness, 0, 1, QStringLiteral("-1"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be between 0 and 2147483647.")});
    ASSERT_NE(cellEditor(stiffness), nullptr);
    cellEditor(stiffness)->selectAll();
    QTest::keyClicks(cellEditor(stiffness), QStringLiteral("2.5"));
    EXPECT_FALSE(stiffness->commitPending());
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be an integer.")});
}

TEST_F(TableWindowTest, EnterMovesDownThenToTheTopOfTheNextColumn)
{
    TGridTable& pressure = window_->project().tables().DistLoad;  // two rows, two columns
    TTableWindow* window = openTable(pressure);
    enterCell(window, 0, 0, QStringLiteral("2"));
    EXPECT_EQ(window->grid().currentIndex(), window->grid().model()->index(1, 0));
    enterCell(window, 1, 0, QStringLiteral("10"));
    EXPECT_EQ(window->grid().currentIndex(), window->grid().model()->index(0, 1));
    enterCell(window, 1, 1, QStringLiteral("250"));
    EXPECT_EQ(window->grid().currentIndex(), window->grid().model()->index(0, 0));
    EXPECT_EQ(pressure.cell(0, 1).asReal(), 10.0);  // depth of row 2
    EXPECT_EQ(pressure.cell(1, 0).asReal(), 0.0);
    EXPECT_EQ(pressure.cell(1, 1).asReal(), 250.0);
}

TEST_F(TableWindowTest, HeadersCarryTheirLinesAndUnits)
{
    TTableWindow* soil = openTable(window_->project().tables().NewSoil);
    const QAbstractItemModel* model = soil->grid().model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Soil Type\n"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Depth at Bottom\nof the Layer, (ft)  "));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Edit Soil\nParameters"));
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("1: Clay"));
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("Soft Clay"));
    window_->setUnits(2);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Depth at Bottom\nof the Layer, (m)  "));
}

TEST_F(TableWindowTest, ALayerOfAnotherSoilTypeGetsANewParameterTable)
{
    TProjectTables& t = window_->project().tables();
    TTableWindow* layers = openTable(t.NewSoil);
    TGridTable* clay = t.NewSoil.cell(2, 0).subTable();
    clay->cell(1, 0).setReal(500);
    emit layers->grid().linkClicked(layers->grid().model()->index(0, 2));
    TTableWindow* clayWindow = tableWindow(*clay);
    ASSERT_NE(clayWindow, nullptr);
    EXPECT_EQ(clayWindow->windowTitle(), QStringLiteral("Clay 1"));

    chooseCell(layers, 0, 0, 2);  // Stiff Clay with Free Water
    TGridTable* renewed = t.NewSoil.cell(2, 0).subTable();
    EXPECT_EQ(t.NewSoil.cell(0, 0).asInteger(), 2);
    EXPECT_EQ(renewed->caption(), "Clay");
    EXPECT_EQ(renewed->cell(1, 0).asReal(), 0.0);
    EXPECT_EQ(tableWindow(*renewed), nullptr);  // the old table's window went with it
    EXPECT_EQ(window_->windows().find(TMainWindow::tableKey(*clay)), nullptr);

    chooseCell(layers, 0, 0, 4);
    EXPECT_EQ(t.NewSoil.cell(2, 0).subTable()->caption(), "Sand");
    EXPECT_EQ(layers->grid().model()->index(0, 2).data().toString(), QStringLiteral("1: Sand"));
}

TEST_F(TableWindowTest, RowButtonsFollowTheRowLimits)
{
    TProjectTables& t = window_->project().tables();
    TTableWindow* clay = openTable(*t.NewSoil.cell(2, 0).subTable());
    EXPECT_TRUE(clay->addButton()->isHidden());  // two rows, no more, no fewer
    EXPECT_TRUE(clay->deleteButton()->isHidden());

    TTableWindow* stiffness = openTable(t.PileSect);
    EXPECT_FALSE(stiffness->deleteButton()->isEnabled());  // the only row
    for (int rows = 1; rows < 10; ++rows) stiffness->addRow();
    EXPECT_EQ(t.PileSect.rowCount(), 10);
    EXPECT_FALSE(stiffness->addButton()->isEnabled());
    EXPECT_FALSE(stiffness->insertButton()->isEnabled());
    EXPECT_TRUE(stiffness->deleteButton()->isEnabled());

    TTableWindow* longTerm = openTable(t.LongDist);
    for (int rows = 1; rows < 150; ++rows) longTerm->addRow();
    EXPECT_TRUE(longTerm->addButton()->isEnabled());
    EXPECT_EQ(longTerm->grid().currentIndex().row(), 149);
}

TEST_F(TableWindowTest, InsertAndDeleteWorkOnTheCurrentRowAndRenumberSubTables)
{
    TProjectTables& t = window_->project().tables();
    TTableWindow* layers = openTable(t.NewSoil);
    layers->addRow();
    layers->addRow();
    TGridTable* third = t.NewSoil.cell(2, 2).subTable();
    layers->grid().setCurrentIndex(layers->grid().model()->index(1, 1));
    layers->deleteRow();
    EXPECT_EQ(t.NewSoil.rowCount(), 2);
    EXPECT_EQ(t.NewSoil.cell(2, 1).subTable(), third);
    EXPECT_EQ(third->windowCaption(), "Clay 2");
    layers->grid().setCurrentIndex(layers->grid().model()->index(0, 1));
    layers->insertRow();
    EXPECT_EQ(t.NewSoil.rowCount(), 3);
    EXPECT_EQ(third->windowCaption(), "Clay 3");
    EXPECT_EQ(layers->grid().model()->index(2, 2).data().toString(), QStringLiteral("3: Clay"));
}

TEST_F(TableWindowTest, NotesAndPicturesShowUnderTheGrid)
{
    TTableWindow* springs = openTable(window_->project().tables().SoilStrength);
    auto* note = springs->findChild<QLabel*>(QStringLiteral("comments"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith(
        QStringLiteral("The spring stiffnesses are applied at nodal points only (including the specified START and "
                       "END nodes).\nLinear interpolation")));
    EXPECT_NE(springs->findChild<TPictureWidget*>(), nullptr);
}

TEST_F(TableWindowTest, ACurveIsReadFromAFileOrPastedFromTheClipboard)
{
    TGridTableChart& curve = dynamic_cast<TGridTableChart&>(*window_->project().tables().PYCurves2.cell(1, 0).subTable());
    TTableWindow* window = openTable(curve);
    auto* fileName = window->findChild<QLineEdit*>(QStringLiteral("fileName"));
    auto* read = window->findChild<QPushButton*>(QStringLiteral("readFile"));
    auto* view = window->findChild<QPushButton*>(QStringLiteral("viewFile"));
    ASSERT_NE(fileName, nullptr);
    EXPECT_FALSE(read->isEnabled());
    EXPECT_FALSE(view->isEnabled());

    QFile text(file(QStringLiteral("curve.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("y p\r\n-1, 50\r\n0 0\r\n1\t-50\r\n2 -60 extra\r\n");
    text.close();
    fileName->setText(text.fileName());
    EXPECT_TRUE(read->isEnabled());
    read->click();
    ASSERT_EQ(curve.rowCount(), 4);
    EXPECT_EQ(curve.cell(1, 0).asReal(), 50.0);
    EXPECT_EQ(curve.cell(0, 3).asReal(), 2.0);
    EXPECT_EQ(window->grid().model()->rowCount(), 4);

    QApplication::clipboard()->clear();
    window->pasteFromClipboard();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("information: There is no text on the Clipboard")});
    QApplication::clipboard()->setText(QStringLiteral("-2 80\n0 0\n2 -80\n"));
    if (QApplication::clipboard()->text().isEmpty()) GTEST_SKIP() << "no clipboard on this platform";
    window->pasteFromClipboard();
    ASSERT_EQ(curve.rowCount(), 3);
    EXPECT_EQ(curve.cell(1, 2).asReal(), -80.0);
}

TEST(TAxisFormat, AxisNumbersSwitchToExponentsOutsideTheirRange)
{
    const std::tuple<double, double, double, const char*> cases[] = {
        {1234.5678, 0, 2000, "1,234.568"}, {-1234567, -2e6, 0, "-1.235E6"}, {0.5, 0, 1, "0.5"},
        {0.0002, 0, 0.0005, "2.0E-4"},     {0, 0, 0, "0"},                  {100000, 0, 100000, "100,000"},
        {250000, 0, 250000, "2.5E5"},      {-0.25, -1, 1, "-0.25"},         {999999.6, 0, 1e6, "1.0E6"},
    };
    for (const auto& [value, min, max, text] : cases)
        EXPECT_EQ(TAxisFormat::label(value, min, max), QString::fromLatin1(text)) << value;
}

TEST(TPlotPainter, AxesSpanTheValuesInRoundSteps)
{
    const TPlotAxis axis = TPlotPainter::fit({-3.2, 0.4, 17.9}, QStringLiteral("y"));
    EXPECT_EQ(axis.min, -5.0);
    EXPECT_EQ(axis.max, 20.0);
    EXPECT_EQ(TPlotPainter::ticks(axis), (QVector<double>{-5, 0, 5, 10, 15, 20}));
    const TPlotAxis flat = TPlotPainter::fit({4, 4}, QStringLiteral("y"));
    EXPECT_LT(flat.min, 4.0);
    EXPECT_GT(flat.max, 4.0);
}

}  // namespace
}  // namespace orvane
