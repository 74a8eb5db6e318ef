#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"

#include "model/TStageFiles.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TStagedConstructionDialog.hpp"
#include "ui/TTableButtonDialog.hpp"
#include "ui/TTableWindow.hpp"
#include "ui/TTitleDialog.hpp"
#include "ui/TWallConfigurationDialog.hpp"
#include "ui/TWallPropertiesDialog.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

namespace orvane {
namespace {

using DialogsTest = UiTest;

QMdiSubWindow* frameOf(QWidget* content)
{
    return qobject_cast<QMdiSubWindow*>(content->parentWidget());
}

TDataEdit* field(QWidget* dialog, const char* name)
{
    auto* edit = dialog->findChild<TDataEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

TEST_F(DialogsTest, WallPropertiesHoldTheIncrementsWithinTheirLimits)
{
    auto* wall = dialog<TWallPropertiesDialog>(TDialogKind::WallProperties);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->windowTitle(), QStringLiteral("Wall Properties"));
    TDataEdit* increments = field(wall, "deNI");
    EXPECT_EQ(increments->editLabel()->text(), QStringLiteral("&Increments (nodes)"));

    enter(increments, QStringLiteral("0"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be greater than or equal to 1")});
    EXPECT_EQ(increments->text(), QStringLiteral("1"));
    EXPECT_EQ(window_->project().data().Increments, 1);

    enter(increments, QStringLiteral("2.5"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be an integer.")});
    EXPECT_EQ(window_->project().data().Increments, 1);
    // The entry is still wrong: the dialog stays open.
    EXPECT_FALSE(frameOf(wall)->close());
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be an integer.")});
    EXPECT_NE(window_->windows().find(QStringLiteral("dialog:%1").arg(int(TDialogKind::WallProperties))), nullptr);

    enter(increments, QStringLiteral("301"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be less than or equal to 300")});
    enter(increments, QStringLiteral("6*10"));
    EXPECT_EQ(window_->project().data().Increments, 60);
    EXPECT_TRUE(frameOf(wall)->close());
    settle();
    EXPECT_EQ(window_->windows().find(QStringLiteral("dialog:%1").arg(int(TDialogKind::WallProperties))), nullptr);
}

TEST_F(DialogsTest, WallConfigurationShowsFeetAndPsfAndStoresInchesAndPsi)
{
    auto* config = dialog<TWallConfigurationDialog>(TDialogKind::WallConfiguration);
    ASSERT_NE(config, nullptr);
    TProgramData& d = window_->project().data();
    TDataEdit* height = field(config, "WallHeight");
    EXPECT_EQ(height->editLabel()->text(), QStringLiteral("&Free Height of Wall, H (ft)"));
    enter(height, QStringLiteral("20"));
    EXPECT_EQ(d.WallHeight, 240.0);
    enter(field(config, "WaterDepthBackfill"), QStringLiteral("5"));
    EXPECT_EQ(d.WaterDepthBackfill, 60.0);
    TDataEdit* surcharge = field(config, "SurchargePressure");
    EXPECT_EQ(surcharge->editLabel()->text(),
              QStringLiteral("Uniform Distributed Load at the top of backfill side  (lbs/ft^2)"));
    enter(surcharge, QStringLiteral("288"));
    EXPECT_EQ(d.SurchargePressure, 2.0);
    TDataEdit* slope = field(config, "BackfillSlope");
    EXPECT_EQ(slope->editLabel()->text(), QStringLiteral("Slope of the backfill, Beta (deg.)"));
    enter(slope, QStringLiteral("50"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be less than or equal to 45")});
    EXPECT_EQ(d.BackfillSlope, 45.0);
    enter(field(config, "ActiveWidth"), QStringLiteral("1300"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Entry must be less than or equal to 1200")});

    // The wall line of the file holds the inches; SI shows metres.
    const QString path = file(QStringLiteral("config.ov5d"));
    choosePath(path);
    trigger("Save");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    saved.readLine();
    saved.readLine();
    EXPECT_EQ(saved.readLine(), QByteArray("0 0\t100\t0.00001\t240\t1200\r\n"));
    config = dialog<TWallConfigurationDialog>(TDialogKind::WallConfiguration);
    trigger("Units2");
    EXPECT_EQ(field(config, "WallHeight")->text(), QStringLiteral("6.096"));
    EXPECT_EQ(field(config, "WallHeight")->editLabel()->text(), QStringLiteral("&Free Height of Wall, H (m)"));
    EXPECT_EQ(field(config, "SurchargePressure")->editLabel()->text(),
              QStringLiteral("Uniform Distributed Load at the top of backfill side  (kN/m^2)"));
}

// Typing past the eighty characters the data file keeps is not refused
// without a word: the title takes every character, the note says which ones
// the file will not keep.
TEST_F(DialogsTest, TheTitleIsOneLineOfEightyCharacters)
{
    auto* title = dialog<TTitleDialog>(TDialogKind::Title);
    auto* line = title->findChild<QLineEdit*>(QStringLiteral("Title"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("New Wall"));
    line->selectAll();
    QTest::keyClicks(line, QString(90, QLatin1Char('x')));
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(window_->project().data().Title, std::string(90, 'x'));
    EXPECT_EQ(title->findChild<QLabel*>(QStringLiteral("TitleNote"))->text(),
              QStringLiteral("This title has 90 characters; the data file keeps the first 80, so the last 10 are not saved."));
    EXPECT_TRUE(window_->project().isModified());
}

TEST_F(DialogsTest, AnOptionBoxSwitchesTheOptionAndItsTable)
{
    trigger("OptConcentrated");
    trigger("DataConcentrated");
    auto* loads = qobject_cast<TTableButtonDialog*>(window_->windows().activeContent());
    ASSERT_NE(loads, nullptr);
    EXPECT_EQ(loads->windowTitle(), QStringLiteral("Concentrated Loads"));
    EXPECT_EQ(loads->optionBox()->text(), QStringLiteral("Apply &Concentrated Loads"));
    EXPECT_TRUE(loads->optionBox()->isChecked());
    loads->tableButton()->click();
    ASSERT_NE(tableWindow(window_->project().tables().BoundCond), nullptr);

    loads->optionBox()->click();
    settle();
    EXPECT_FALSE(window_->project().data().UseConcentratedLoads);
    EXPECT_FALSE(action("OptConcentrated")->isChecked());
    EXPECT_FALSE(loads->tableButton()->isEnabled());
    EXPECT_EQ(tableWindow(window_->project().tables().BoundCond), nullptr);

    trigger("OptConcentrated");
    EXPECT_TRUE(loads->optionBox()->isChecked());
    EXPECT_TRUE(loads->tableButton()->isEnabled());
}

TEST_F(DialogsTest, TheStagedConstructionDialogSetsTheNumberOfStages)
{
    const QString path = file(QStringLiteral("staged.ov5d"));
    choosePath(path);
    trigger("Save");
    trigger("OptStaged");
    auto* staged = qobject_cast<TStagedConstructionDialog*>(window_->windows().activeContent());
    ASSERT_NE(staged, nullptr);
    EXPECT_TRUE(window_->windows().activeContent()->window()->isModal());
    EXPECT_FALSE(staged->stagedBox()->isChecked());
    EXPECT_FALSE(staged->countEdit()->isEnabled());
    EXPECT_EQ(staged->countEdit()->editLabel()->text(),
              QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"));
    staged->stagedBox()->click();
    EXPECT_EQ(staged->countEdit()->text(), QStringLiteral("2"));
    staged->upButton()->click();
    staged->upButton()->click();
    staged->upButton()->click();
    staged->upButton()->click();
    EXPECT_EQ(staged->countEdit()->text(), QStringLiteral("5"));
    staged->downButton()->click();
    staged->accept();
    settle();

    EXPECT_EQ(window_->project().data().StageCount, 4);
    EXPECT_EQ(window_->statusText(), QStringLiteral("Construction Stage Number: 1"));
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(QFileInfo(file(QStringLiteral("staged.st%1").arg(n))).isFile(), n <= 4) << n;
    EXPECT_TRUE(action("Stage4")->isEnabled());
    EXPECT_FALSE(action("Stage5")->isEnabled());
    EXPECT_EQ(window_->windows().find(QStringLiteral("dialog:%1").arg(int(TDialogKind::StagedConstruction))), nullptr);

    // From the toolbar the dialog is a child window; unchecking ends staging.
    trigger("ToolStaged");
    staged = qobject_cast<TStagedConstructionDialog*>(window_->windows().activeContent());
    ASSERT_NE(staged, nullptr);
    EXPECT_NE(frameOf(staged), nullptr);
    EXPECT_TRUE(staged->stagedBox()->isChecked());
    EXPECT_EQ(staged->countEdit()->text(), QStringLiteral("4"));
    staged->stagedBox()->click();
    EXPECT_EQ(staged->countEdit()->text(), QStringLiteral("1"));
    staged->accept();
    settle();
    EXPECT_EQ(window_->project().data().StageCount, 1);
    EXPECT_FALSE(QFileInfo(file(QStringLiteral("staged.st1"))).exists());
    EXPECT_FALSE(action("Stage1")->isVisible());
}

TEST_F(DialogsTest, TheControlOptionsKeepTheTextEditorInTheSettings)
{
    choosePath(QStringLiteral("/usr/bin/editor"));
    trigger("OptEditor");
    QWidget* options = window_->windows().activeContent();
    ASSERT_NE(options, nullptr);
    options->findChild<QPushButton*>(QStringLiteral("browse"))->click();
    EXPECT_EQ(window_->textEditor(), QStringLiteral("/usr/bin/editor"));
    QSettings settings(QStringLiteral("Tarquin"), QStringLiteral("ORVANE"));
    EXPECT_EQ(settings.value(QStringLiteral("2015.5.8/Word Processor")).toString(), QStringLiteral("/usr/bin/editor"));
}

}  // namespace
}  // namespace orvane
