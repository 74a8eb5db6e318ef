#include "../../support/fifo_unblocker.hpp"
#include "UiFixture.hpp"

#include "model/TUnits.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TGridView.hpp"
#include "ui/TGuideWindow.hpp"
#include "ui/TTableWindow.hpp"
#include "ui/TTextWindow.hpp"
#include "ui/TWallPropertiesDialog.hpp"
#include "views/T3DView.hpp"
#include "views/TSideView.hpp"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

#include <sys/stat.h>

namespace orvane {
namespace {

using MainWindowTest = UiTest;

QString fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList visibleRecentItems(TMainWindow& window)
{
    QStringList items;
    for (int n = 1; n <= 10; ++n) {
        auto* a = window.findChild<QAction*>(QStringLiteral("Recent%1").arg(n));
        if (a->isVisible()) items << a->text();
    }
    return items;
}

TEST_F(MainWindowTest, ANewProjectIsEditedConvertedSavedReopenedAndRun)
{
    trigger("New");
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - NewWall.ov5d"));
    auto* wall = dialog<TWallPropertiesDialog>(TDialogKind::WallProperties);
    ASSERT_NE(wall, nullptr);
    enter(wall->findChild<TDataEdit*>(QStringLiteral("deNI")), QStringLiteral("40"));
    enter(wall->findChild<TDataEdit*>(QStringLiteral("IncrementLength")), QStringLiteral("12"));
    TDataEdit* height = wall->findChild<TDataEdit*>(QStringLiteral("WallHeight"));
    enter(height, QStringLiteral("15"));
    const TProgramData& d = window_->project().data();
    EXPECT_EQ(d.Increments, 40);
    EXPECT_EQ(d.WallHeight, 180.0);  // feet shown, inches kept
    EXPECT_TRUE(window_->project().isModified());

    wall->findChild<QPushButton*>(QStringLiteral("EnterSectionData"))->click();
    TGridTable& stiffness = window_->project().tables().PileSect;
    TTableWindow* sections = tableWindow(stiffness);
    ASSERT_NE(sections, nullptr);
    enterCell(sections, 0, 1, QStringLiteral("40"));
    enterCell(sections, 0, 3, QStringLiteral("4.5E9"));
    EXPECT_EQ(stiffness.cell(3, 0).asReal(), 4.5e9);

    trigger("Units2");
    EXPECT_EQ(height->text(), QStringLiteral("4.572"));
    EXPECT_EQ(height->editLabel()->text(), QStringLiteral("Free Height of Wall (m)"));
    const double ei = 4.5e9 * TUnits::factor(1, 2, "F-L^2");
    EXPECT_DOUBLE_EQ(stiffness.cell(3, 0).asReal(), ei);
    EXPECT_EQ(sections->grid().model()->index(0, 3).data().toString(), QString::fromStdString(stiffness.cell(3, 0).asText()));
    EXPECT_EQ(sections->grid().model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Flexural Stiffness (EI) (kN-m^2)  "));
    trigger("Units1");
    EXPECT_EQ(height->text(), QStringLiteral("15.0000081"));  // the rounded constants drift

    const QString path = file(QStringLiteral("wall.ov5d"));
    choosePath(path);
    trigger("Save");
    ASSERT_EQ(fileRequests().size(), 1);
    EXPECT_EQ(fileRequests()[0].title, QStringLiteral("Save NewWall.ov5d As"));
    EXPECT_EQ(fileRequests()[0].proposed, QStringLiteral("NewWall.ov5d"));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_FALSE(window_->project().isModified());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - wall.ov5d"));
    EXPECT_EQ(window_->windows().contents().size(), 2);  // Save As keeps the data windows open
    EXPECT_TRUE(takeMessages().isEmpty());

    trigger("New");
    choosePath(path);
    trigger("Open");
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("plain: Data file: wall.ov5d, has been read by ORVANE 2015")});
    EXPECT_EQ(window_->project().data().Increments, 40);
    EXPECT_NEAR(window_->project().data().WallHeight, 180.0, 1e-3);
    EXPECT_NEAR(stiffness.cell(3, 0).asReal(), 4.5e9, 1e3);
    EXPECT_EQ(stiffness.cell(1, 0).asInteger(), 40);

    // Without soil layers the soil package stops the job before any plot
    // data, so the empty plot-data file is reported too.
    trigger("Run");
    EXPECT_EQ(takeMessages(),
              (QStringList{QStringLiteral("information: Computations are completed. Please, check output file for "
                                          "results or error messages."),
                           QStringLiteral("warning: An error occured in running the main program.")}));
    EXPECT_FALSE(window_->resultsAvailable());
    EXPECT_TRUE(QFileInfo(file(QStringLiteral("wall.ov5o"))).isFile());
    EXPECT_TRUE(action("EditOutput")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, AModifiedProjectIsOnlyDiscardedWhenTheUserAgrees)
{
    const QString saveQuestion = QStringLiteral("question: Do you want to save any changes?");
    window_->project().data().Title = "Changed";
    window_->project().setModified(true);

    answer(TMessages::Answer::Cancel);
    trigger("New");
    EXPECT_EQ(takeMessages(), QStringList{saveQuestion});
    EXPECT_EQ(window_->project().data().Title, "Changed");

    answer(TMessages::Answer::Yes);  // save, but the Save As dialog is cancelled
    trigger("New");
    EXPECT_EQ(takeMessages(), QStringList{saveQuestion});
    EXPECT_EQ(fileRequests().size(), 1);
    EXPECT_EQ(window_->project().data().Title, "Changed");
    EXPECT_TRUE(window_->project().isModified());

    answer(TMessages::Answer::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());

    takeMessages();
    answer(TMessages::Answer::No);
    trigger("New");
    EXPECT_EQ(takeMessages(), QStringList{saveQuestion});
    EXPECT_EQ(window_->project().data().Title, "New Wall");
    EXPECT_FALSE(window_->project().isModified());
    trigger("New");  // nothing to save: no question
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MainWindowTest, ATableEditCountsAsAChangeForTheSavePrompt)
{
    TTableWindow* layers = openTable(window_->project().tables().NewSoil);
    enterCell(layers, 0, 1, QStringLiteral("20"));
    const QString path = file(QStringLiteral("prompt.ov5d"));
    answer(TMessages::Answer::Yes);
    choosePath(path);
    QFile::remove(path);
    trigger("New");
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(window_->project().tables().NewSoil.cell(1, 0).asReal(), 0.0);
}

TEST_F(MainWindowTest, TheRecentFilesKeepTenAndMoveAReopenedOneToTheTop)
{
    const QString source = example(QStringLiteral("cantilever-user-py.ov5d"));
    for (int n = 1; n <= 11; ++n) {
        const QString path = file(QStringLiteral("w%1.ov5d").arg(n));
        ASSERT_TRUE(QFile::copy(source, path));
        choosePath(path);
        trigger("Open");
    }
    QStringList expected;
    for (int n = 11; n >= 2; --n) expected << QStringLiteral("&%1 w%2.ov5d").arg(12 - n).arg(n);
    EXPECT_EQ(visibleRecentItems(*window_), expected);

    trigger("Recent3");
    EXPECT_EQ(QFileInfo(QString::fromStdString(window_->project().data().FileName)).fileName(), QStringLiteral("w9.ov5d"));
    QStringList after = visibleRecentItems(*window_);
    EXPECT_EQ(after[0], QStringLiteral("&1 w9.ov5d"));
    EXPECT_EQ(after[1], QStringLiteral("&2 w11.ov5d"));
    EXPECT_EQ(after[2], QStringLiteral("&3 w10.ov5d"));
    EXPECT_EQ(after[3], QStringLiteral("&4 w8.ov5d"));
    EXPECT_EQ(after.size(), 10);

    QSettings settings(QStringLiteral("Tarquin"), QStringLiteral("ORVANE"));
    settings.beginGroup(QStringLiteral("2015.5.8"));
    EXPECT_EQ(settings.value(QStringLiteral("File1")).toString(), file(QStringLiteral("w9.ov5d")));
    EXPECT_EQ(settings.value(QStringLiteral("File10")).toString(), file(QStringLiteral("w2.ov5d")));

    // A new window reads them back.
    window_ = std::make_unique<TMainWindow>(std::filesystem::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so");
    EXPECT_EQ(visibleRecentItems(*window_), after);
}

TEST_F(MainWindowTest, AStagedProjectShowsItsStagesInTheMenuButtonsAndStatusBar)
{
    EXPECT_FALSE(window_->findChild<QMenu*>(QStringLiteral("StageMenu"))->menuAction()->isVisible());
    EXPECT_FALSE(action("Stage1")->isVisible());
    EXPECT_EQ(window_->statusText(), QString());

    choosePath(example(QStringLiteral("three-stage.ov5d")));
    trigger("Open");
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("plain: Data file: three-stage.ov5d, has been read by ORVANE 2015")});
    EXPECT_TRUE(window_->findChild<QMenu*>(QStringLiteral("StageMenu"))->menuAction()->isVisible());
    for (int n = 1; n <= 5; ++n) {
        QAction* stage = action(QStringLiteral("Stage%1").arg(n).toLatin1().constData());
        EXPECT_TRUE(stage->isVisible());
        EXPECT_EQ(stage->isEnabled(), n <= 3) << n;
        EXPECT_EQ(stage->isChecked(), n == 1) << n;
        EXPECT_EQ(stage->toolTip(), QStringLiteral("Stage Const. %1").arg(n));
    }
    EXPECT_FALSE(action("CopyPreviousStage")->isEnabled());
    EXPECT_FALSE(action("OptLongTerm")->isEnabled());
    EXPECT_TRUE(action("OptStaged")->isChecked());
    EXPECT_EQ(window_->statusText(), QStringLiteral("Construction Stage Number: 1"));
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(QFileInfo(file(QStringLiteral("three-stage.st%1").arg(n))).isFile());

    const std::string firstTitle = window_->project().data().Title;
    trigger("Stage2");
    EXPECT_EQ(window_->statusText(), QStringLiteral("Construction Stage Number: 2"));
    EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("StageStatus"))->text(),
              QStringLiteral("Construction Stage Number: 2"));
    EXPECT_TRUE(action("Stage2")->isChecked());
    EXPECT_FALSE(action("Stage1")->isChecked());
    EXPECT_TRUE(action("CopyPreviousStage")->isEnabled());
    EXPECT_EQ(window_->project().data().Title, " Stage No : 2");

    answer(TMessages::Answer::No);
    trigger("CopyPreviousStage");
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("question: Do you want to copy all information from Stage 1 to Stage 2")});
    trigger("Stage1");
    EXPECT_EQ(window_->project().data().Title, firstTitle);
}

TEST_F(MainWindowTest, LongTermAnalysesRearrangeTheDataMenu)
{
    auto* soil = window_->findChild<QMenu*>(QStringLiteral("SoilSubmenu"));
    auto* pressure = window_->findChild<QMenu*>(QStringLiteral("PressureSubmenu"));
    EXPECT_TRUE(action("DataSoilLayers")->isVisible());
    EXPECT_FALSE(soil->menuAction()->isVisible());
    trigger("OptLongTerm");
    EXPECT_TRUE(action("OptLongTerm")->isChecked());
    EXPECT_FALSE(action("DataSoilLayers")->isVisible());
    EXPECT_TRUE(soil->menuAction()->isVisible());
    EXPECT_TRUE(action("DataSoilLong")->isVisible());
    EXPECT_FALSE(action("DataPressure")->isVisible());
    EXPECT_TRUE(pressure->menuAction()->isVisible());
    EXPECT_FALSE(pressure->isEnabled());  // earth pressure is generated
    EXPECT_FALSE(action("OptStaged")->isEnabled());
    EXPECT_FALSE(action("ToolSoilLayers")->isEnabled());
    EXPECT_FALSE(action("ToolStaged")->isEnabled());
    trigger("Pressure1");
    EXPECT_TRUE(pressure->isEnabled());
    trigger("DataSoilLong");
    EXPECT_NE(tableWindow(window_->project().tables().LongSoil), nullptr);
}

TEST_F(MainWindowTest, OptionsAreKeptInStepWithTheMenusAndSwitchingOffClosesTheirTable)
{
    EXPECT_FALSE(action("DataRestraints")->isEnabled());
    trigger("OptRestraints");
    EXPECT_TRUE(action("OptRestraints")->isChecked());
    trigger("DataRestraints");
    TTableWindow* restraints = tableWindow(window_->project().tables().SoilLayer);
    ASSERT_NE(restraints, nullptr);
    EXPECT_EQ(restraints->windowTitle(), QStringLiteral("Specify Deflection and Slope on Wall"));
    trigger("OptRestraints");
    EXPECT_EQ(tableWindow(window_->project().tables().SoilLayer), nullptr);
    EXPECT_FALSE(action("DataRestraints")->isEnabled());

    // Choosing a generated distribution keeps the configuration reachable
    // when p-y curves come from the user.
    trigger("OptGeneratePY");
    EXPECT_FALSE(action("DataWallConfiguration")->isEnabled());
    trigger("Pressure2");
    EXPECT_TRUE(action("DataWallConfiguration")->isEnabled());
    EXPECT_TRUE(action("DataSoilLayers")->isEnabled());
    EXPECT_TRUE(action("Pressure2")->isChecked());
}

TEST_F(MainWindowTest, TextsOpenInTheProgramsOwnWindowOrTheConfiguredEditor)
{
    const QString path = example(QStringLiteral("cantilever-user-py.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    trigger("EditInput");
    auto* text = qobject_cast<TTextWindow*>(window_->windows().activeContent());
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(QFontInfo(text->editor()->font()).fixedPitch());
    EXPECT_TRUE(text->editor()->toPlainText().startsWith(QStringLiteral("Cantilever sheet-pile wall on user p-y curves\n1 0")));
    text->editor()->setPlainText(QStringLiteral("first\nsecond"));
    ASSERT_TRUE(text->save());
    EXPECT_EQ(fileText(path), QStringLiteral("first\r\nsecond\r\n"));

    // An editor that cannot be started is named with the reason, and the
    // program's own window shows the file instead.
    const std::pair<QString, QString> failing[] = {
        {QStringLiteral("/nonexistent/editor"), QStringLiteral("no such file")},
        {QStringLiteral("no-such-editor-anywhere"), QStringLiteral("no program of that name is on the search path")},
        {path, QStringLiteral("it is not an executable program (permission denied)")},
        {QStringLiteral("/tmp"), QStringLiteral("it is a folder")},
    };
    for (const auto& [editor, reason] : failing) {
        window_->windows().discardAll();
        window_->setTextEditor(editor);
        trigger("EditInput");
        EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: An error occurred in running the Word Processor:\n"
                                                             "%1 cannot be started: %2.\nThe file opens in ORVANE's own "
                                                             "text window instead.")
                                                  .arg(editor, reason)});
        EXPECT_NE(qobject_cast<TTextWindow*>(window_->windows().activeContent()), nullptr) << editor.toStdString();
    }
    window_->setTextEditor(QStringLiteral("/bin/true"));
    trigger("EditInput");
    EXPECT_TRUE(takeMessages().isEmpty());
    QSettings settings(QStringLiteral("Tarquin"), QStringLiteral("ORVANE"));
    EXPECT_EQ(settings.value(QStringLiteral("2015.5.8/Word Processor")).toString(), QStringLiteral("/bin/true"));
    EXPECT_FALSE(action("EditNotes")->isEnabled());
}

TEST_F(MainWindowTest, HelpShowsTheGuideTheVersionAndWhereReleasesAre)
{
    trigger("HelpAbout");
    const QStringList about = takeMessages();
    ASSERT_EQ(about.size(), 1);
    EXPECT_TRUE(about[0].contains(QRegularExpression(
        QStringLiteral("^plain: ORVANE 2015\n.*\n\nVersion 2015\\.5\\.8\nBuilt [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4}$"))))
        << about[0].toStdString();
    trigger("HelpUpdates");
    const QStringList updates = takeMessages();
    ASSERT_EQ(updates.size(), 1);
    EXPECT_TRUE(updates[0].startsWith(QStringLiteral("information: This is ORVANE 2015, version 2015.5.8, built ")));
    EXPECT_TRUE(updates[0].contains(QStringLiteral("releases of the ORVANE project repository")));

    trigger("HelpUsers");
    auto* guide = qobject_cast<TGuideWindow*>(window_->windows().activeContent());
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->browser()->toPlainText().contains(QStringLiteral("Entering a wall")));
    EXPECT_TRUE(guide->browser()->textCursor().block().text().startsWith(QStringLiteral("Entering a wall")));
    trigger("HelpTechnical");
    EXPECT_TRUE(guide->browser()->textCursor().block().text().startsWith(QStringLiteral("How the analysis works")));
}

// Every picture the guide links lies in the screenshots folder beside it and
// is shown by the guide window, and no command is told of as still to come.
TEST_F(MainWindowTest, TheGuideShowsEveryPictureItLinks)
{
    trigger("HelpContents");
    auto* guide = qobject_cast<TGuideWindow*>(window_->windows().activeContent());
    ASSERT_NE(guide, nullptr);
    const QString path = TGuideWindow::guidePath();
    QStringList links;
    const QRegularExpression picture(QStringLiteral("!\\[[^\\]]*\\]\\(([^)]*)\\)"));
    for (const QRegularExpressionMatch& m : picture.globalMatch(fileText(path))) links << m.captured(1);
    // The results summary, the graphs, the workbook, the side view and the 3-D View.
    EXPECT_GE(links.size(), 5);
    QStringList shown;
    for (QTextBlock block = guide->browser()->document()->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) shown << it.fragment().charFormat().toImageFormat().name();
    EXPECT_EQ(shown, links);
    const QDir folder = QFileInfo(path).dir();
    for (const QString& link : links) {
        EXPECT_TRUE(link.startsWith(QStringLiteral("screenshots/"))) << link.toStdString();
        EXPECT_TRUE(QFileInfo(folder, link).isFile()) << link.toStdString();
        const QVariant data = guide->browser()->loadResource(QTextDocument::ImageResource, QUrl(link));
        const QImage image =
            data.typeId() == QMetaType::QImage ? data.value<QImage>() : QImage::fromData(data.toByteArray());
        EXPECT_FALSE(image.isNull()) << link.toStdString();
    }
    EXPECT_FALSE(guide->browser()->toPlainText().contains(QStringLiteral("later version")));
}

TEST_F(MainWindowTest, TheWindowMenuListsTheOpenWindowsAndBringsOneForward)
{
    window_->showDialog(TDialogKind::Title);
    window_->showTable(window_->project().tables().PileSect, false);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("WindowMenu"));
    emit menu->aboutToShow();
    QStringList items;
    QAction* title = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        items << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        if (a->text() == QStringLiteral("Project Title")) title = a;
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Cascade"), QStringLiteral("&Tile"), QStringLiteral("&Arrange Icons"),
                                  QStringLiteral("C&lose All"), QStringLiteral("Project Title"),
                                  QStringLiteral("Wall Stiffness *")}));
    ASSERT_NE(title, nullptr);
    title->trigger();
    EXPECT_EQ(window_->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Project Title"));
}

// Always enabled; one 3D view at a time, whose menu and toolbar buttons are
// in the main window only while it is open.
TEST_F(MainWindowTest, ThreeDViewOpensOnceWithItsMenuAndButtons)
{
    window_->openFile(example(QStringLiteral("anchored-tieback.ov5d")), TLayout::Current, false);
    ASSERT_TRUE(action("View3D")->isEnabled());
    auto menuTitles = [this] {
        QStringList titles;
        for (QAction* a : window_->menuBar()->actions()) titles << a->text();
        return titles;
    };
    EXPECT_FALSE(menuTitles().contains(QStringLiteral("Show 3DView")));
    trigger("View3D");
    trigger("View3D");
    settle();
    const QList<T3DView*> views = window_->findChildren<T3DView*>();
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(views[0]->windowTitle(), QStringLiteral("3-D View"));
    const QStringList titles = menuTitles();
    ASSERT_TRUE(titles.contains(QStringLiteral("Show 3DView")));
    EXPECT_EQ(titles.indexOf(QStringLiteral("Show 3DView")) + 1, titles.indexOf(QStringLiteral("&Window")));
    auto* bar = window_->findChild<QToolBar*>(QStringLiteral("View3DToolBar"));
    ASSERT_NE(bar, nullptr);
    QStringList buttons;
    for (QAction* a : bar->actions()) buttons << a->text();
    EXPECT_EQ(buttons, (QStringList{"Panning", "Zoom Window", "Zooming", "Rotating", "Zoom In", "Zoom Out",
                                    "Restart View", "Deformed Shape"}));
    // No results yet: no deformed shape.
    EXPECT_FALSE(views[0]->deformationAvailable());
    EXPECT_FALSE(views[0]->action(QStringLiteral("Deformed Shape"))->isEnabled());
    window_->windows().close(QStringLiteral("view3d"));
    settle();
    EXPECT_TRUE(window_->findChildren<T3DView*>().isEmpty());
    EXPECT_FALSE(menuTitles().contains(QStringLiteral("Show 3DView")));
    EXPECT_EQ(window_->findChild<QToolBar*>(QStringLiteral("View3DToolBar")), nullptr);
}

// The side view draws the input: enabled before any run; one side view at
// a time, closed with the project.
TEST_F(MainWindowTest, ViewWallGeometryOpensOneSideViewBeforeAnyRun)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    EXPECT_FALSE(window_->resultsAvailable());
    ASSERT_TRUE(action("ViewGeometry")->isEnabled());
    trigger("ViewGeometry");
    trigger("ViewGeometry");
    settle();
    const QList<TSideView*> views = window_->findChildren<TSideView*>();
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(views[0]->windowTitle(), QStringLiteral("Side View"));
    EXPECT_FALSE(views[0]->scene().rects.empty());
    trigger("New");
    settle();
    EXPECT_TRUE(window_->findChildren<TSideView*>().isEmpty());
    EXPECT_TRUE(action("ViewGeometry")->isEnabled());
}

TEST_F(MainWindowTest, ADroppedFileOrTheCommandLineOpensAProject)
{
    const QString path = example(QStringLiteral("anchored-tieback.ov5d"));
    QDir::setCurrent(QDir::tempPath());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Without a drag session the application does not deliver a drop; the
    // window's own handler takes it as it would.
    static_cast<QObject*>(window_.get())->event(&drop);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - anchored-tieback.ov5d"));
    EXPECT_EQ(QDir::currentPath(), folder_.path());
    EXPECT_TRUE(window_->project().data().UseTiebacks);
    EXPECT_EQ(takeMessages().size(), 1);

    window_->openFromCommandLine(example(QStringLiteral("cantilever-user-py.ov5d")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - cantilever-user-py.ov5d"));
    EXPECT_TRUE(takeMessages().isEmpty());
    window_->openFromCommandLine(file(QStringLiteral("missing.ov5d")));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: The data file %1 does not exist; a new project is started.")
                                              .arg(file(QStringLiteral("missing.ov5d")))});
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - cantilever-user-py.ov5d"));
}

// Open (the dialog's and the command line's) reads only a regular file, and
// refuses anything else at once, saying what it is: a FIFO would block the
// open until a writer came.
TEST_F(MainWindowTest, OpenRefusesWhatIsNotARegularFile)
{
    const QString folder = file(QStringLiteral("x.ov5d"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString fifo = file(QStringLiteral("f.ov5d"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const test::FifoUnblocker unblocker(fifo.toStdString());
    const struct Case {
        QString path;
        QString reason;
    } cases[] = {
        {folder, QStringLiteral("it is a folder, not a data file")},
        {fifo, QStringLiteral("it is not a regular file")},
        {QStringLiteral("/dev/zero"), QStringLiteral("it is not a regular file")},
    };
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    for (const Case& c : cases) {
        const QStringList refused{QStringLiteral("warning: Cannot open file \"%1\": %2").arg(c.path, c.reason)};
        window_->openFromCommandLine(c.path);
        EXPECT_EQ(takeMessages(), refused);
        EXPECT_FALSE(window_->openFile(c.path, TLayout::Current));
        EXPECT_EQ(takeMessages(), refused);
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - cantilever-user-py.ov5d"));
    }
}

TEST_F(MainWindowTest, ARunTellsWhenTheEngineCannotBeUsed)
{
    const std::pair<const char*, QString> cases[] = {
        {"libmissing.so", QStringLiteral("information: Attempt to initialize DLL failed")},
        {"libfake_engine_refusing.so",
         QStringLiteral("information: Computations can not be performed. Executable files are not consistent.\n"
                        "You may need to reinstall the program.\n"
                        "If the problem persists, please contact Tarquin technical support.")},
    };
    const QString path = example(QStringLiteral("cantilever-user-py.ov5d"));
    for (const auto& [library, message] : cases) {
        window_ = std::make_unique<TMainWindow>(std::filesystem::path(ORVANE_FAKE_ENGINE_DIR) / library);
        window_->openFile(path, TLayout::Current, false);
        trigger("Run");
        EXPECT_EQ(takeMessages(), QStringList{message}) << library;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(MainWindowTest, ARunThatFailsTheCheckWarnsAndRunsNothing)
{
    const QString path = file(QStringLiteral("check.ov5d"));
    window_->project().data().Increments = 10;
    window_->project().tables().PileSect.cell(1, 0).setInteger(12);
    choosePath(path);
    trigger("Run");
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("warning: End Node, 12 in row 1 of Wall Stiffness definition\nis greater than "
                                         "number of nodes defined, 10.\nPlease check on Wall Properties Windows and "
                                         "Wall Stiffness Table")});
    EXPECT_FALSE(QFileInfo(file(QStringLiteral("check.ov5o"))).exists());

    // A project never saved runs nothing and says nothing.
    window_->project().setModified(false);
    trigger("New");
    trigger("Run");
    EXPECT_TRUE(takeMessages().isEmpty());
}

}  // namespace
}  // namespace orvane
