// Projects entered only through the program's windows are saved, analysed by
// the runner and by the program, and read back with the same values: one with
// the user's own p-y curves, one with everything generated from the soil.

#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"

#include "model/TGridTableChart.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TGridView.hpp"
#include "ui/TTableWindow.hpp"
#include "ui/TTitleDialog.hpp"
#include "ui/TWallConfigurationDialog.hpp"
#include "ui/TWallPropertiesDialog.hpp"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace orvane {
namespace {

// Every cell of every table and sub-table, as the file writes it.
QStringList dump(const TGridTable& table, const QString& name)
{
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c) {
            if (const TGridTable* sub = table.column(c).subTable(row))
                lines << dump(*sub, name + QStringLiteral("/%1").arg(row + 1));
            else
                cells << QString::fromStdString(table.cell(c, row).asText());
        }
        lines << name + QStringLiteral("[%1] ").arg(row + 1) + cells.join(QLatin1Char(' '));
    }
    return lines;
}

QStringList dump(TProject& project)
{
    QStringList lines;
    for (const TGridTable* table : project.tables().all())
        lines << dump(*table, QString::fromStdString(table->caption()));
    return lines;
}

// The lines of the tables that `reference` holds: saving empties the tables
// of switched-off options, reading gives them their minimum rows again.
QStringList sameTables(const QStringList& lines, const QStringList& reference)
{
    auto table = [](const QString& line) { return line.left(line.indexOf(QRegularExpression(QStringLiteral("[/\\[]")))); };
    QSet<QString> kept;
    for (const QString& line : reference) kept.insert(table(line));
    QStringList result;
    for (const QString& line : lines)
        if (kept.contains(table(line))) result << line;
    return result;
}

// The texts the dialogs show.
QStringList fields(QWidget* dialog)
{
    QStringList texts;
    for (const TDataEdit* edit : dialog->findChildren<TDataEdit*>())
        texts << edit->objectName() + QStringLiteral("=") + edit->text() + QStringLiteral(" ") + edit->editLabel()->text();
    return texts;
}

class BuiltProjectTest : public UiTest {
protected:
    void enterWall(int secondSoilType, const std::vector<std::vector<QString>>& secondLayer);
    void saveRunAndReopen();

    void enterFields(QWidget* dialog, std::initializer_list<std::pair<const char*, const char*>> entries)
    {
        for (const auto& [name, entry] : entries) {
            auto* edit = dialog->findChild<TDataEdit*>(QString::fromLatin1(name));
            ASSERT_NE(edit, nullptr) << name;
            enter(edit, QString::fromLatin1(entry));
        }
    }

    void enterRows(TTableWindow* window, const std::vector<std::vector<QString>>& rows, int firstColumn = 0)
    {
        while (window->table().rowCount() < static_cast<int>(rows.size())) window->addRow();
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                enterCell(window, static_cast<int>(r), firstColumn + static_cast<int>(c), rows[r][c]);
    }

    TTableWindow* openLink(TTableWindow* window, int row, int column)
    {
        emit window->grid().linkClicked(window->grid().model()->index(row, column));
        QApplication::processEvents();
        return tableWindow(*window->table().column(column).subTable(row));
    }

    // The curves of the sets, the first typed, the others read from files.
    void enterCurves(TTableWindow* sets)
    {
        const std::vector<std::vector<QString>> curve{{"-4", "60"},  {"-1.5", "59.985"}, {"-0.6", "56.8"},
                                                      {"-0.2", "32.2"}, {"0", "0"},          {"0.2", "-32.2"},
                                                      {"0.6", "-56.8"}, {"1.5", "-59.985"},  {"4", "-60"}};
        TTableWindow* first = openLink(sets, 0, 1);
        ASSERT_NE(first, nullptr);
        EXPECT_FALSE(first->isModalWindow());  // an ordinary child window, like the other tables
        enterRows(first, curve);
        for (int set = 1; set < 3; ++set) {
            const double scale = set == 1 ? 7.0 : 20.0;
            QFile text(file(QStringLiteral("curve%1.txt").arg(set)));
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write("deflection  resistance\r\n");
            for (const auto& point : curve)
                text.write(QStringLiteral("%1\t%2\r\n").arg(point[0]).arg(point[1].toDouble() * scale).toLatin1());
            text.close();
            TTableWindow* window = openLink(sets, set, 1);
            ASSERT_NE(window, nullptr);
            window->findChild<QLineEdit*>(QStringLiteral("fileName"))->setText(text.fileName());
            window->findChild<QPushButton*>(QStringLiteral("readFile"))->click();
            EXPECT_EQ(window->table().rowCount(), 9);
        }
    }
};

// Title, wall, stiffness, wall configuration and two soil layers.
void BuiltProjectTest::enterWall(int secondSoilType, const std::vector<std::vector<QString>>& secondLayer)
{
    TProjectTables& t = window_->project().tables();
    auto* title = dialog<TTitleDialog>(TDialogKind::Title);
    auto* line = title->findChild<QLineEdit*>(QStringLiteral("Title"));
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Cantilever wall entered in the program"));
    QTest::keyClick(line, Qt::Key_Return);

    auto* wall = dialog<TWallPropertiesDialog>(TDialogKind::WallProperties);
    enterFields(wall, {{"deNI", "40"}, {"IncrementLength", "12"}, {"WallHeight", "15"}, {"MaxDeflection", "10"},
                       {"Tolerance", "0.00001"}});
    wall->findChild<QPushButton*>(QStringLiteral("EnterSectionData"))->click();
    enterRows(tableWindow(t.PileSect), {{"0", "40"}}, 0);
    enterCell(tableWindow(t.PileSect), 0, 3, QStringLiteral("4.5E9"));

    auto* config = dialog<TWallConfigurationDialog>(TDialogKind::WallConfiguration);
    enterFields(config, {{"WallHeight", "15"}, {"ActiveWidth", "12"}, {"WaterDepthBackfill", "50"}, {"PYWidth", "12"},
                         {"WaterDepthExcavation", "50"}, {"ActivePressureFactor", "1"}, {"BackfillSlope", "0"},
                         {"SurchargePressure", "0"}});

    trigger("DataSoilLayers");
    TTableWindow* layers = tableWindow(t.NewSoil);
    ASSERT_NE(layers, nullptr);
    layers->addRow();
    chooseCell(layers, 0, 0, 4);
    chooseCell(layers, 1, 0, secondSoilType);
    enterCell(layers, 0, 1, QStringLiteral("25"));
    enterCell(layers, 1, 1, QStringLiteral("50"));
    TTableWindow* sand = openLink(layers, 0, 2);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->windowTitle(), QStringLiteral("Sand 1"));
    enterRows(sand, {{"120", "30", "90", "0"}, {"120", "30", "90", "0"}});
    TTableWindow* second = openLink(layers, 1, 2);
    ASSERT_NE(second, nullptr);
    enterRows(second, secondLayer);
}

// Saves under a name, has the runner and the program analyse the file, and
// reads it back into a new project.
void BuiltProjectTest::saveRunAndReopen()
{
    EXPECT_TRUE(takeMessages().isEmpty());
    const QString path = file(QStringLiteral("built.ov5d"));
    choosePath(path);
    trigger("Save");
    ASSERT_FALSE(window_->project().isModified());
    const QStringList saved = dump(window_->project());
    const QStringList wallFields = fields(dialog(TDialogKind::WallProperties));
    const QStringList configFields = fields(dialog(TDialogKind::WallConfiguration));
    const TProgramData before = window_->project().data();

    QProcess runner;
    runner.start(QStringLiteral(ORVANE_BIN_DIR "/orvane-run"), {path});
    ASSERT_TRUE(runner.waitForFinished(60000));
    const QString output = QString::fromUtf8(runner.readAllStandardOutput());
    EXPECT_EQ(runner.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("converged"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("job completed"))) << output.toStdString();

    trigger("Run");
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("information: Computations are completed. Please, check output file for "
                                         "results or error messages.")});

    trigger("New");
    choosePath(path);
    trigger("Open");
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("plain: Data file: built.ov5d, has been read by ORVANE 2015")});
    const TProgramData& d = window_->project().data();
    EXPECT_EQ(d.Title, "Cantilever wall entered in the program");
    EXPECT_EQ(d.GeneratePYCurves, before.GeneratePYCurves);
    EXPECT_EQ(d.UseExternalPY, before.UseExternalPY);
    EXPECT_EQ(d.EarthPressureChoice, before.EarthPressureChoice);
    EXPECT_EQ(sameTables(dump(window_->project()), saved), saved);
    EXPECT_GT(saved.size(), 15);
    EXPECT_EQ(fields(dialog(TDialogKind::WallProperties)), wallFields);
    EXPECT_EQ(fields(dialog(TDialogKind::WallConfiguration)), configFields);
    EXPECT_EQ(action("OptExternalPY")->isChecked(), before.UseExternalPY);
    EXPECT_EQ(action("OptGeneratePY")->isChecked(), before.GeneratePYCurves);
    EXPECT_TRUE(action("Pressure2")->isChecked());
}

TEST_F(BuiltProjectTest, GeneratedEarthPressureWithTheUsersOwnPYCurves)
{
    // Earth pressure generated from the soil, p-y curves from the user.
    trigger("OptGeneratePY");
    trigger("OptExternalPY");
    trigger("Pressure2");
    enterWall(4, {{"120", "34", "90", "0"}, {"120", "34", "90", "0"}});
    TProjectTables& t = window_->project().tables();
    trigger("DataExternalPY");
    TTableWindow* sets = tableWindow(t.PYCurves2);
    ASSERT_NE(sets, nullptr);
    sets->addRow();
    enterCell(sets, 0, 0, QStringLiteral("15"));
    enterCell(sets, 1, 0, QStringLiteral("25"));
    enterCell(sets, 2, 0, QStringLiteral("40"));
    enterCurves(sets);
    saveRunAndReopen();
}

TEST_F(BuiltProjectTest, TheDefaultsGenerateEarthPressureAndPYCurvesFromTheSoil)
{
    // Sand over stiff clay without free water: unit weight (pcf), cohesion
    // (psf), E50, k, coefficient.
    enterWall(3, {{"125", "1500", "0.005", "0", "0"}, {"125", "2000", "0.004", "0", "0"}});
    EXPECT_TRUE(window_->project().data().GeneratePYCurves);
    saveRunAndReopen();
}

}  // namespace
}  // namespace orvane
