#include "ui/TMainWindow.hpp"

#include "model/TControlFile.hpp"
#include "model/TDisplayName.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProjectCheck.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunCommand.hpp"
#include "model/TRunSummary.hpp"
#include "model/TRunWarnings.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"
#include "model/TUnits.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TControlOptionsDialog.hpp"
#include "ui/TDataDialog.hpp"
#include "ui/TFileDialogs.hpp"
#include "ui/TGuideWindow.hpp"
#include "ui/TIcons.hpp"
#include "ui/TMessages.hpp"
#include "ui/TRunSummaryWindow.hpp"
#include "ui/TRunWarningsDialog.hpp"
#include "ui/TStagedConstructionDialog.hpp"
#include "ui/TTableButtonDialog.hpp"
#include "ui/TTableWindow.hpp"
#include "ui/TTextWindow.hpp"
#include "ui/TTitleDialog.hpp"
#include "ui/TWindowPlacement.hpp"
#include "ui/TWallConfigurationDialog.hpp"
#include "ui/TWallPropertiesDialog.hpp"
#include "views/T3DView.hpp"
#include "views/TSideView.hpp"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

#include <optional>
#include <stdexcept>

namespace orvane {

namespace {

const char* const kSaveQuestion = "Do you want to save any changes?";
const QString kRunSummaryKey = QStringLiteral("runsummary");
const char* const kEditorFailed = "An error occurred in running the Word Processor";
const char* const kLater = ": its window comes with a later version of ORVANE";
constexpr int kWindowListMax = 50;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

struct Option {
    const char* name;
    const char* text;
    TOption option;
};

const Option kOptions[] = {
    {"OptGeneratePY", "Generate &p-y Curves", TOption::GeneratePYCurves},
    {"OptConcentrated", "Apply &Concentrated Loads", TOption::ConcentratedLoads},
    {"OptTiebacks", "Apply Tieback (Ground  Anchor)", TOption::Tiebacks},
    {"OptRestraints", "Apply &Restraints on Deflection or Slope", TOption::Restraints},
    {"OptExternalPY", "Apply User Specified p-y Curves (&External)", TOption::ExternalPY},
    {"OptSprings", "Apply &Lateral Springs and Rotation Restraints", TOption::Springs},
    {"OptPYMod", "Apply External p-y &Modification Factors ", TOption::PYModification},
    {"OptSurcharges", "Apply Additional Surcharge Loads", TOption::Surcharges},
    {"OptMEI", "Apply Nonlinear Moment vs EI Curves", TOption::MEICurves},
};

// Graph commands: menu caption, toolbar hint and the graph they show.
struct Graph {
    const char* name;
    const char* text;
    const char* hint;
    const char* graph;
    bool separatorAfter;
};

const Graph kGraphs[] = {
    {"Comppy", "p-&y Curves", "View p-y Curves", "pltPY", true},
    {"CompDef", "&Deflection vs Depth", "Deflection Diagram", "pltDef", false},
    {"CompMom", "&Moment vs Depth", "Moment Diagram", "pltMom", false},
    {"CompShear", "&Shear vs Depth", "LShear Diagram", "pltShear", false},
    {"CompSoil", "&Reaction vs Depth", "Soil-Reaction Diagram", "pltSoil", false},
    {"DefMomShear", "Deflection, Moment &and Shear", "Soil-Reaction Diagram", "pltDMS", true},
    {"CompLD", "Earth &Pressure Distribution", "Pressure Diagram", "pltLD", false},
    {"CompCombine", "Earth Pressure &Combined", "", "PltCombine", true},
};

TTableButtonDialog::Definition tableDialog(const QString& title, TPicture picture, const QString& button,
                                           TGridTable TProjectTables::*table)
{
    TTableButtonDialog::Definition d;
    d.title = title;
    d.picture = picture;
    d.buttonCaption = button;
    d.table = [table](TProject& p) -> TGridTable& { return p.tables().*table; };
    return d;
}

TTableButtonDialog::Definition optionDialog(TTableButtonDialog::Definition d, TOption option, const QString& check)
{
    d.hasOption = true;
    d.option = option;
    d.checkCaption = check;
    return d;
}

// Restores the cursor however the run ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TMainWindow::TMainWindow(std::filesystem::path engineLibrary, QWidget* parent)
    : QMainWindow(parent), engineLibrary_(std::move(engineLibrary)), mdi_(new QMdiArea(this))
{
    setWindowIcon(TIcons::program());
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    windows_ = new TChildWindows(*mdi_, this);
    // A window whose table goes (a layer changes its soil type, a row is
    // deleted, a stage is loaded) goes with it.
    project_.tables().setDestroyedHook([this](const TGridTable& table) { windows_->discard(tableKey(table)); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (auto* dialog = sub ? qobject_cast<TDataDialog*>(sub->widget()) : nullptr) dialog->load();
    });

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();
    setAcceptDrops(true);
    resize(1100, 760);
    afterProjectReplaced();
}

TMainWindow::~TMainWindow()
{
    project_.tables().setDestroyedHook({});
    windows_->discardAll();
}

QString TMainWindow::tableKey(const TGridTable& table)
{
    return QStringLiteral("table:%1").arg(reinterpret_cast<quintptr>(&table), 0, 16);
}

template <class Command>
void TMainWindow::guarded(Command command)
{
    TMessages::guarded(this, command);
    updateCommands();
}

// ---- actions, menus, toolbar, status bar --------------------------------

QAction* TMainWindow::addAction(const char* name, const QString& caption, const std::function<void()>& slot,
                                const QString& hint)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) action->setToolTip(hint);
    connect(action, &QAction::triggered, this, [this, slot] { guarded(slot); });
    return action;
}

QAction* TMainWindow::act(const char* name) const
{
    auto* action = findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!action) throw std::logic_error(std::string("no action ") + name);
    return action;
}

void TMainWindow::createActions()
{
    createFileActions();
    createDataActions();
    createOptionActions();
    createStageActions();
    createComputationActions();
    createHelpActions();
}

void TMainWindow::createFileActions()
{
    addAction("New", QStringLiteral("&New"), [this] { newProject(); }, QStringLiteral("New Data File"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    addAction("Open", QStringLiteral("&Open..."), [this] { openFromDialog(); }, QStringLiteral("Open Data File"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    addAction("Save", QStringLiteral("&Save"), [this] { if (commitActiveChild()) save(); }, QStringLiteral("Save Data File"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addAction("SaveAs", QStringLiteral("Save &As..."), [this] { if (commitActiveChild()) saveAs(); });
    for (int i = 0; i < TRecentFiles::kMax; ++i) {
        const QByteArray name = "Recent" + QByteArray::number(i + 1);
        QAction* recent = addAction(name.constData(), QString(), [this, i] { openRecent(i); });
        recent->setVisible(false);
        recentActions_ << recent;
    }
    addAction("Exit", QStringLiteral("E&xit"), [this] { close(); })->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    act("New")->setIcon(TIcons::icon(TIconKind::New));
    act("Open")->setIcon(TIcons::icon(TIconKind::Open));
    act("Save")->setIcon(TIcons::icon(TIconKind::Save));
}

void TMainWindow::createDataActions()
{
    TProjectTables& t = project_.tables();
    auto table = [this](TGridTable& table, bool modal = false) { return [this, &table, modal] { showTable(table, modal); }; };
    auto dialog = [this](TDialogKind kind) { return [this, kind] { showDialog(kind); }; };
    addAction("DataTitle", QStringLiteral("&Title"), dialog(TDialogKind::Title));
    addAction("DataWallProperties", QStringLiteral("Wall &Properties"), dialog(TDialogKind::WallProperties));
    addAction("DataWallConfiguration", QStringLiteral("&Wall Configuration"), dialog(TDialogKind::WallConfiguration));
    addAction("DataSoilLayers", QStringLiteral("&Soil Layer Data"), table(t.NewSoil));
    addAction("DataSoilShort", QStringLiteral("Short-Term"), table(t.NewSoil));
    addAction("DataSoilLong", QStringLiteral("Long-Term"), table(t.LongSoil));
    addAction("DataPressure", QStringLiteral("&Distributed Active Earth Pressure"), table(t.DistLoad));
    addAction("DataPressureShort", QStringLiteral("Short-Term"), table(t.DistLoad));
    addAction("DataPressureLong", QStringLiteral("Long-Term"), table(t.LongDist));
    addAction("DataSurcharge", QStringLiteral("&Additional Surcharge Loads"), dialog(TDialogKind::Surcharge));
    addAction("DataConcentrated", QStringLiteral("&Concentrated Loads on the Wall"), dialog(TDialogKind::ConcentratedLoads));
    addAction("DataTieback", QStringLiteral("Tieback (Ground Anchor) Data"), dialog(TDialogKind::Tieback));
    addAction("DataRestraints", QStringLiteral("&Boundary Condition on Deflection or Slope"), table(t.SoilLayer));
    addAction("DataPYMod", QStringLiteral("Modification &Factors for p-y Curves"), table(t.PYMod));
    addAction("DataExternalPY", QStringLiteral("Sets of &External p-y Curves"), table(t.PYCurves2));
    addAction("DataSprings", QStringLiteral("&Lateral Springs and Rotational Restraints"), dialog(TDialogKind::Springs));
    addAction("DataMEI", QStringLiteral("Sets of Nonlinear Moment vs EI Curves"), table(t.MEICurves2));

    // The toolbar's buttons for these have rules of their own.
    addAction("ToolTitle", QStringLiteral("Title"), dialog(TDialogKind::Title), QStringLiteral("Title"))
        ->setIcon(TIcons::icon(TIconKind::Title));
    addAction("ToolWallProperties", QStringLiteral("Wall Properties"), dialog(TDialogKind::WallProperties),
              QStringLiteral("Wall Properties"))
        ->setIcon(TIcons::icon(TIconKind::WallProperties));
    addAction("ToolWallConfiguration", QStringLiteral("Wall Configuration"), dialog(TDialogKind::WallConfiguration),
              QStringLiteral("Wall Configuration"))
        ->setIcon(TIcons::icon(TIconKind::WallConfiguration));
    addAction("ToolSoilLayers", QStringLiteral("Soil Layers"), table(t.NewSoil), QStringLiteral("Soil Layers"))
        ->setIcon(TIcons::icon(TIconKind::SoilLayers));
}

void TMainWindow::createOptionActions()
{
    unitGroup_ = new QActionGroup(this);
    for (int system = TUnits::kEnglish; system <= TUnits::kOther; ++system) {
        const QByteArray name = "Units" + QByteArray::number(system);
        QAction* a = addAction(name.constData(), text(TUnits::menuCaption(system)), [this, system] { setUnits(system); });
        a->setCheckable(true);
        unitGroup_->addAction(a);
    }
    pressureGroup_ = new QActionGroup(this);
    const char* pressures[] = {"Earth-Pressure Specified by User", "Generate Triangular-Distribution Earth-Pressure",
                               "Generate Trapezoidal-Distribution Pressure (Anchored Walls)"};
    for (int choice = 1; choice <= 3; ++choice) {
        const QByteArray name = "Pressure" + QByteArray::number(choice);
        QAction* a = addAction(name.constData(), QString::fromLatin1(pressures[choice - 1]),
                               [this, choice] { setEarthPressure(choice); });
        a->setCheckable(true);
        pressureGroup_->addAction(a);
    }
    for (const Option& o : kOptions)
        addAction(o.name, QString::fromLatin1(o.text), [this, option = o.option] { toggleOption(option); })
            ->setCheckable(true);
    addAction("OptLongTerm", QStringLiteral("Conduct Short-Term and Long-Term &Analyses"),
              [this] { toggleOption(TOption::LongTerm); })
        ->setCheckable(true);
    addAction("OptStaged", QStringLiteral("Conduct &Staged-Construction Analysis..."),
              [this] { showDialog(TDialogKind::StagedConstruction, true); })
        ->setCheckable(true);
    addAction("OptEditor", QStringLiteral("&Option of Text Editor..."), [this] { showDialog(TDialogKind::ControlOptions); });
}

void TMainWindow::createStageActions()
{
    stageGroup_ = new QActionGroup(this);
    for (int n = 1; n <= TStageFiles::kMaxStages; ++n) {
        const QByteArray name = "Stage" + QByteArray::number(n);
        QAction* a = addAction(name.constData(), QStringLiteral("Stage &%1").arg(n), [this, n] { switchStage(n); },
                               QStringLiteral("Stage Const. %1").arg(n));
        a->setCheckable(true);
        a->setIcon(TIcons::stage(n));
        stageGroup_->addAction(a);
        stageActions_ << a;
    }
    addAction("CopyPreviousStage", QStringLiteral("Copy &Previous Stage"), [this] { copyPreviousStage(); });
    addAction("ToolStaged", QStringLiteral("Stage Construction Option"),
              [this] { showDialog(TDialogKind::StagedConstruction, false); }, QStringLiteral("Stage Construction Option"))
        ->setIcon(TIcons::icon(TIconKind::StageOption));
}

void TMainWindow::createComputationActions()
{
    auto d = [this]() -> const TProgramData& { return project_.data(); };
    addAction("Run", QStringLiteral("&Run Analysis"), [this] { runAnalysis(); }, QStringLiteral("Run Analysis"))
        ->setIcon(TIcons::icon(TIconKind::Run));
    addAction("EditInput", QStringLiteral("Edit I&nput Text"), [this, d] { openInEditor(text(d().FileName)); });
    addAction("EditNotes", QStringLiteral("Edit &Processor-Run Notes"),
              [this, d] { openInEditor(text(TControlFile::runNotes(d().FileName).string())); });
    addAction("EditOutput", QStringLiteral("Edit &Output Text"),
              [this, d] { openInEditor(text(TControlFile::report(d().FileName).string())); },
              QStringLiteral("View Output File"))
        ->setIcon(TIcons::icon(TIconKind::ViewOutput));
    QAction* geometry = addAction("ViewGeometry", QStringLiteral("&View Wall Geometry"), [this] { showSideView(); },
                                  QStringLiteral("View Soil Profile"));
    geometry->setIcon(TIcons::icon(TIconKind::SoilProfile));
    addAction("View3D", QStringLiteral("3D View"), [this] { show3DView(); }, QStringLiteral("3D View"))
        ->setIcon(TIcons::icon(TIconKind::View3D));
    const TIconKind icons[] = {TIconKind::PYCurves, TIconKind::Deflection, TIconKind::Moment,   TIconKind::Shear,
                               TIconKind::Reaction, TIconKind::ThreePanel, TIconKind::Pressure};
    size_t k = 0;
    // Every graph has a letter of its own in the menu and Ctrl with its
    // place in the menu, 1 to 8.
    int place = 0;
    for (const Graph& g : kGraphs) {
        QAction* a = addAction(g.name, QString::fromLatin1(g.text), [this, id = g.graph] { showGraph(id); },
                               QString::fromLatin1(g.hint));
        if (k < std::size(icons)) a->setIcon(TIcons::icon(icons[k++]));
        a->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(++place)));
        a->setEnabled(false);
    }
    QAction* exportAction = addAction("ExportPlots", QStringLiteral("&Export Plots To Excel"), [this] { exportPlots(); });
    exportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    exportAction->setEnabled(false);
    for (QAction* a : laterActions_) {
        a->setToolTip(a->toolTip() + QString::fromLatin1(kLater));
        a->setEnabled(false);
    }
    addAction("Cascade", QStringLiteral("&Cascade"), [this] { mdi_->cascadeSubWindows(); });
    addAction("Tile", QStringLiteral("&Tile"), [this] { TWindowPlacement::tile(*mdi_); });
    // Each window asks its content first, so a pending entry is taken or keeps its window.
    addAction("CloseAll", QStringLiteral("C&lose All"), [this] { mdi_->closeAllSubWindows(); });
    addAction("ArrangeIcons", QStringLiteral("&Arrange Icons"), [this] {
        int x = 0;
        for (QMdiSubWindow* sub : mdi_->subWindowList())
            if (sub->isMinimized()) {
                sub->move(x, mdi_->viewport()->height() - sub->height());
                x += sub->width();
            }
    });
}

void TMainWindow::createHelpActions()
{
    addAction("HelpContents", QStringLiteral("&Contents"), [this] { showGuide(QString()); });
    addAction("HelpUsers", QStringLiteral("User's &Manual"), [this] { showGuide(QStringLiteral("Entering a wall")); });
    addAction("HelpTechnical", QStringLiteral("&Technical Manual"),
              [this] { showGuide(QStringLiteral("How the analysis works")); });
    addAction("HelpAbout", QStringLiteral("&About..."), [this] { about(); });
    addAction("HelpUpdates", QStringLiteral("Check for &Updates"), [this] { checkForUpdates(); });
}

QMenu* TMainWindow::menu(const QString& title, const char* name)
{
    QMenu* m = menuBar()->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    m->setToolTipsVisible(true);
    connectMenu(m);
    return m;
}

// A menu takes the pending entry of the active window first, then shows the
// commands as they now apply.
void TMainWindow::connectMenu(QMenu* m)
{
    connect(m, &QMenu::aboutToShow, this, [this] {
        commitActiveChild();
        updateCommands();
    });
}

void TMainWindow::createMenus()
{
    QMenu* file = menu(QStringLiteral("&File"), "FileMenu");
    file->addActions({act("New"), act("Open"), act("Save"), act("SaveAs")});
    file->addSeparator();
    file->addActions(recentActions_);
    file->addSeparator();
    file->addAction(act("Exit"));

    QMenu* data = menu(QStringLiteral("&Data"), "DataMenu");
    data->addActions({act("DataTitle"), act("DataWallProperties"), act("DataWallConfiguration"), act("DataSoilLayers")});
    soilSubmenu_ = data->addMenu(QStringLiteral("&Soil Layer Data"));
    soilSubmenu_->setObjectName(QStringLiteral("SoilSubmenu"));
    soilSubmenu_->addActions({act("DataSoilShort"), act("DataSoilLong")});
    data->addAction(act("DataPressure"));
    pressureSubmenu_ = data->addMenu(QStringLiteral("&Distributed Active Earth Pressure"));
    pressureSubmenu_->setObjectName(QStringLiteral("PressureSubmenu"));
    pressureSubmenu_->addActions({act("DataPressureShort"), act("DataPressureLong")});
    data->addActions({act("DataSurcharge"), act("DataConcentrated"), act("DataTieback"), act("DataRestraints"),
                      act("DataPYMod"), act("DataExternalPY"), act("DataSprings"), act("DataMEI")});

    QMenu* options = menu(QStringLiteral("&Options"), "OptionsMenu");
    connect(options, &QMenu::aboutToShow, this, [this] {
        project_.data().UserEarthPressure = project_.data().EarthPressureChoice == 1;
    });
    QMenu* units = options->addMenu(QStringLiteral("&Units"));
    units->addActions(unitGroup_->actions());
    QMenu* pressure = options->addMenu(QStringLiteral("Earth-Pressure Options"));
    pressure->setObjectName(QStringLiteral("PressureOptionsMenu"));
    pressure->addActions(pressureGroup_->actions());
    connect(pressure, &QMenu::aboutToShow, this, [this] {
        project_.openEarthPressureMenu();
        updateCommands();
    });
    for (const Option& o : kOptions) options->addAction(act(o.name));
    options->addSeparator();
    options->addActions({act("OptLongTerm"), act("OptStaged")});
    options->addSeparator();
    options->addAction(act("OptEditor"));

    stageMenu_ = menu(QStringLiteral("&Stage Construction"), "StageMenu");
    stageMenu_->addActions(stageActions_);
    stageMenu_->addSeparator();
    stageMenu_->addAction(act("CopyPreviousStage"));

    QMenu* computation = menu(QStringLiteral("&Computation"), "ComputationMenu");
    computation->addActions({act("Run"), act("EditInput"), act("EditNotes"), act("EditOutput")});
    computation->addSeparator();
    computation->addActions({act("ViewGeometry"), act("View3D")});

    QMenu* graphics = menu(QStringLiteral("&Graphics"), "GraphicsMenu");
    for (const Graph& g : kGraphs) {
        graphics->addAction(act(g.name));
        if (g.separatorAfter) graphics->addSeparator();
    }
    graphics->addAction(act("ExportPlots"));

    windowMenu_ = menu(QStringLiteral("&Window"), "WindowMenu");
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainWindow::updateWindowMenu);

    QMenu* help = menu(QStringLiteral("&Help"), "HelpMenu");
    help->addActions({act("HelpContents"), act("HelpUsers"), act("HelpTechnical")});
    help->addSeparator();
    help->addActions({act("HelpAbout"), act("HelpUpdates")});
}

void TMainWindow::createToolBars()
{
    QToolBar* bar = addToolBar(QStringLiteral("Commands"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setIconSize(QSize(24, 24));
    bar->addActions({act("New"), act("Open"), act("Save")});
    bar->addSeparator();
    bar->addActions({act("ToolTitle"), act("ToolWallProperties"), act("ToolWallConfiguration"), act("ToolSoilLayers")});
    bar->addSeparator();
    bar->addAction(act("Run"));
    bar->addAction(act("ToolStaged"));
    bar->addAction(act("EditOutput"));
    bar->addSeparator();
    bar->addActions({act("ViewGeometry"), act("View3D")});
    bar->addSeparator();
    for (const char* name : {"Comppy", "CompDef", "CompMom", "CompShear", "CompSoil", "CompLD", "DefMomShear"})
        bar->addAction(act(name));
    bar->addSeparator();
    bar->addActions(stageActions_);
}

void TMainWindow::createStatusBar()
{
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StageStatus"));
    statusBar()->addWidget(status_, 1);
}

// ---- settings ------------------------------------------------------------

namespace {

QSettings* openSettings()
{
    auto* settings = new QSettings(QStringLiteral("Tarquin"), QStringLiteral("ORVANE"));
    settings->beginGroup(QString::fromLatin1(TMainWindow::kVersion));
    return settings;
}

}  // namespace

void TMainWindow::readSettings()
{
    const std::unique_ptr<QSettings> settings(openSettings());
    textEditor_ = settings->value(QStringLiteral("Word Processor")).toString();
    std::vector<std::string> files;
    for (int n = 1; n <= TRecentFiles::kMax; ++n)
        files.push_back(settings->value(QStringLiteral("File%1").arg(n)).toString().toStdString());
    recent_.assign(files);
    updateRecentMenu();
}

void TMainWindow::writeSettings() const
{
    const std::unique_ptr<QSettings> settings(openSettings());
    settings->setValue(QStringLiteral("Word Processor"), textEditor_);
    for (int n = 1; n <= TRecentFiles::kMax; ++n)
        settings->setValue(QStringLiteral("File%1").arg(n),
                           n <= recent_.count() ? text(recent_.entries()[static_cast<size_t>(n - 1)]) : QString());
}

void TMainWindow::setTextEditor(const QString& path)
{
    textEditor_ = path;
    writeSettings();
}

void TMainWindow::rememberFile(const QString& path)
{
    recent_.putFirst(QFileInfo(path).absoluteFilePath().toStdString());
    writeSettings();
    updateRecentMenu();
}

void TMainWindow::forgetFile(const QString& path)
{
    recent_.remove(QFileInfo(path).absoluteFilePath().toStdString());
    writeSettings();
    updateRecentMenu();
}

void TMainWindow::updateRecentMenu()
{
    for (int i = 0; i < TRecentFiles::kMax; ++i) {
        QAction* a = recentActions_[i];
        const bool used = i < recent_.count();
        a->setVisible(used);
        if (!used) continue;
        QString item = text(TRecentFiles::menuText(i + 1, recent_.entries()[static_cast<size_t>(i)],
                                                   QDir::currentPath().toStdString()));
        a->setText(QStringLiteral("&") + item.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

// ---- state of the commands -----------------------------------------------

void TMainWindow::updateCommands()
{
    updateTitle();
    applyCommandStates();
    updateComputationCommands();
    status_->setText(statusText());
}

QString TMainWindow::statusText() const
{
    return text(TStages(const_cast<TProject&>(project_)).statusText());
}

TCommandStates TMainWindow::commandStates() const
{
    return TCommandStates(project_, resultsAvailable_ && !resultsEarlier_, graphs_);
}

// The rules live in the model; the window only shows their outcome. Menus
// with rules of their own are reached through their menu action.
void TMainWindow::applyCommandStates()
{
    const TCommandStates states = commandStates();
    for (const auto& [name, state] : states.all()) {
        QAction* a = nullptr;
        if (auto* m = findChild<QMenu*>(QString::fromStdString(name)))
            a = m->menuAction();
        else
            a = act(name.c_str());
        a->setVisible(state.visible);
        if (a->isCheckable()) a->setChecked(state.checked);
        if (auto* m = a->menu())
            m->setEnabled(state.enabled);
        else
            a->setEnabled(state.enabled);
    }
}

void TMainWindow::updateComputationCommands()
{
    // Both views draw the input, which every project has: no run needed.
    act("ViewGeometry")->setEnabled(true);
    act("View3D")->setEnabled(true);
}

void TMainWindow::updateWindowMenu()
{
    windowMenu_->clear();
    windowMenu_->addActions({act("Cascade"), act("Tile"), act("ArrangeIcons"), act("CloseAll")});
    const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    if (!subs.isEmpty()) windowMenu_->addSeparator();
    for (qsizetype i = 0; i < subs.size() && i < kWindowListMax; ++i) {
        QMdiSubWindow* sub = subs[i];
        // A window whose caption carries a passing readout (a graph's
        // pointer values) gives its name in its icon text.
        const QString iconText = sub->widget() ? sub->widget()->windowIconText() : QString();
        QAction* a = windowMenu_->addAction(iconText.isEmpty() ? sub->windowTitle() : iconText);
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] {
            if (sub->isMinimized()) sub->showNormal();
            mdi_->setActiveSubWindow(sub);
            TWindowPlacement::bringIntoView(*sub, *mdi_);
        });
    }
}

// An asterisk after the name marks changes that are not saved yet.
void TMainWindow::updateTitle()
{
    if (watchResults_ && project_.isModified()) markResultsEarlier();
    setWindowTitle(QStringLiteral("ORVANE %1 - %2%3")
                       .arg(QString::fromLatin1(kVersion), text(TProjectFiles::displayName(project_)),
                            project_.isModified() ? QStringLiteral("*") : QString()));
}

void TMainWindow::afterProjectReplaced()
{
    updateTitle();
    updateRecentMenu();
    updateCommands();
}

void TMainWindow::refreshChildren()
{
    for (QWidget* content : windows_->contents()) {
        if (auto* table = qobject_cast<TTableWindow*>(content)) table->refresh();
        if (auto* dialog = qobject_cast<TDataDialog*>(content)) dialog->load();
    }
}

void TMainWindow::projectStateChanged()
{
    for (QWidget* content : windows_->contents())
        if (auto* dialog = qobject_cast<TDataDialog*>(content)) dialog->load();
    updateCommands();
}

bool TMainWindow::commitActiveChild()
{
    QWidget* content = windows_->activeContent();
    if (auto* table = qobject_cast<TTableWindow*>(content)) return table->commitPending();
    if (auto* dialog = qobject_cast<TDataDialog*>(content)) return dialog->commitPending();
    return true;
}

void TMainWindow::showOutcomeError(const std::optional<std::string>& error)
{
    if (error) TMessages::warning(this, text(*error));
}

// ---- results ---------------------------------------------------------------

bool TMainWindow::readPlotFile(bool reportErrors)
{
    const std::filesystem::path path = TControlFile::plotData(project_.data().FileName);
    if (!fileExists(path)) return false;
    // No graph window may draw curves that are being replaced.
    for (std::string_view id : TMainGraphs::kIds) windows_->discard(graphKey(id));
    resultsAvailable_ = TPlotFileReader::read(graphs_, project_, path);
    watchResults(resultsAvailable_);
    if (!resultsAvailable_ && reportErrors)
        TMessages::warning(this, QString::fromLatin1(TPlotFileReader::kErrorMessage));
    return resultsAvailable_;
}

// Results read with the project unmodified are of its data; the first change
// to the data after that makes them the results of an earlier run.
void TMainWindow::watchResults(bool read)
{
    resultsEarlier_ = false;
    watchResults_ = read && !project_.isModified();
}

void TMainWindow::markResultsEarlier()
{
    watchResults_ = false;
    resultsEarlier_ = true;
    for (std::string_view id : TMainGraphs::kIds) windows_->discard(graphKey(id));
    windows_->discard(QStringLiteral("view3d"));  // it may draw the deformed shape of those results
    if (auto* summary = qobject_cast<TRunSummaryWindow*>(windows_->find(kRunSummaryKey))) summary->markEarlier();
    applyCommandStates();
}

QString TMainWindow::graphKey(std::string_view id)
{
    return QStringLiteral("graph:") + QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
}

namespace {

// Stands in for the graph window where none is installed.
QWidget* graphPlaceholder(const TGraphPlot& graph)
{
    auto* label = new QLabel(QStringLiteral("%1: %2 curves of %3 points")
                                 .arg(text(graph.Caption))
                                 .arg(graph.Lines.curveCount())
                                 .arg(graph.Lines.pointCount()));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(320, 200);
    label->setWindowTitle(text(graph.Caption));
    return label;
}

}  // namespace

QWidget* TMainWindow::showGraph(std::string_view id)
{
    TGraphPlot* graph = graphs_.byId(id);
    if (!graph) return nullptr;
    return windows_->show(
        graphKey(id),
        [this, graph] { return graphWindowFactory_ ? graphWindowFactory_(*this, *graph) : graphPlaceholder(*graph); },
        false);
}

void TMainWindow::exportPlots()
{
    if (exportPlotsHandler_) {
        exportPlotsHandler_(*this);
        return;
    }
    TMessages::information(this, QStringLiteral("Export Plots To Excel") + QString::fromLatin1(kLater));
}

// ---- windows ---------------------------------------------------------------

void TMainWindow::showTable(TGridTable& table, bool modal)
{
    const TProjectTables& t = project_.tables();
    std::optional<TPicture> picture;
    if (&table == &t.DistLoad || &table == &t.LongDist) picture = TPicture::EarthPressure;
    if (&table == &t.SoilStrength) picture = TPicture::Springs;
    guarded([&] { windows_->show(tableKey(table), [&] { return new TTableWindow(*this, table, modal, picture); }, modal); });
}

// The windows of the table's sub-tables close with it.
void TMainWindow::closeTableWindow(const TGridTable& table)
{
    for (int c = 0; c < table.columnCount(); ++c)
        for (int row = 0; row < table.rowCount(); ++row)
            if (const TGridTable* sub = table.column(c).subTable(row)) closeTableWindow(*sub);
    if (!windows_->close(tableKey(table))) windows_->discard(tableKey(table));
}

QWidget* TMainWindow::showDialog(TDialogKind kind, bool modal)
{
    auto make = [this, kind]() -> QWidget* {
        switch (kind) {
        case TDialogKind::Title: return new TTitleDialog(*this);
        case TDialogKind::WallProperties: return new TWallPropertiesDialog(*this);
        case TDialogKind::WallConfiguration: return new TWallConfigurationDialog(*this);
        case TDialogKind::Surcharge:
            return new TTableButtonDialog(*this, tableDialog(QStringLiteral("Additional Surcharge"), TPicture::Surcharge,
                                                             QStringLiteral("&Edit Surcharge Loads"),
                                                             &TProjectTables::SurchargeTable));
        case TDialogKind::ConcentratedLoads:
            return new TTableButtonDialog(
                *this, optionDialog(tableDialog(QStringLiteral("Concentrated Loads"), TPicture::ConcentratedLoads,
                                                QStringLiteral("&Edit Concentrated Loads"), &TProjectTables::BoundCond),
                                    TOption::ConcentratedLoads, QStringLiteral("Apply &Concentrated Loads")));
        case TDialogKind::Springs:
            return new TTableButtonDialog(
                *this, optionDialog(tableDialog(QStringLiteral("Lateral & Rotational Springs"), TPicture::Springs,
                                                QStringLiteral("&Edit Spring Stiffness"), &TProjectTables::SoilStrength),
                                    TOption::Springs, QStringLiteral("&Lateral and Rotational Springs")));
        case TDialogKind::Tieback:
            return new TTableButtonDialog(*this, tableDialog(QStringLiteral("Tieback (Ground Anchor)"), TPicture::Tieback,
                                                             QStringLiteral("&Enter Tieback data"),
                                                             &TProjectTables::TiebackTable1));
        case TDialogKind::StagedConstruction: return new TStagedConstructionDialog(*this);
        case TDialogKind::ControlOptions: return new TControlOptionsDialog(*this);
        }
        throw std::logic_error("unknown dialog");
    };
    return windows_->show(QStringLiteral("dialog:%1").arg(static_cast<int>(kind)), make, modal);
}

void TMainWindow::openInEditor(const QString& path)
{
    guarded([&] { openInEditorUnguarded(path); });
}

namespace {

// Why the editor cannot be started, or nothing when it was.
std::optional<QString> startEditor(const QString& editor, const QString& path)
{
    const bool named = !editor.contains(QLatin1Char('/'));
    const QString program = named ? QStandardPaths::findExecutable(editor) : editor;
    if (program.isEmpty()) return QStringLiteral("no program of that name is on the search path");
    const QFileInfo info(program);
    if (!info.exists()) return QStringLiteral("no such file");
    if (info.isDir()) return QStringLiteral("it is a folder");
    if (!info.isExecutable()) return QStringLiteral("it is not an executable program (permission denied)");
    QProcess process;
    process.setProgram(program);
    process.setArguments({path});
    if (!process.startDetached()) return process.errorString();
    return std::nullopt;
}

}  // namespace

void TMainWindow::openInEditorUnguarded(const QString& path)
{
    if (!textEditor_.isEmpty()) {
        const auto reason = startEditor(textEditor_, path);
        if (!reason) return;
        // The file is shown all the same, in the program's own window.
        TMessages::warning(this, QString::fromLatin1(kEditorFailed) +
                                     QStringLiteral(":\r%1 cannot be started: %2.\rThe file opens in ORVANE's own text "
                                                    "window instead.")
                                         .arg(textEditor_, *reason));
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QWidget* content =
        windows_->show(QStringLiteral("text:") + absolute, [&] { return new TTextWindow(absolute); }, false);
    if (auto* window = qobject_cast<TTextWindow*>(content); window && !window->isModified()) window->reload();
}

void TMainWindow::showGuide(const QString& section)
{
    auto* guide = qobject_cast<TGuideWindow*>(windows_->show(QStringLiteral("guide"), [] { return new TGuideWindow; }, false));
    if (guide && !section.isEmpty()) guide->showSection(section);
}

// One side view at a time; it reads the project whenever it paints.
void TMainWindow::showSideView()
{
    windows_->show(QStringLiteral("sideview"), [this] { return new TSideView(project_); }, false);
}

// One 3D view at a time; its menu and toolbar buttons stay in the main
// window while it is open.
QWidget* TMainWindow::show3DView()
{
    const QString key = QStringLiteral("view3d");
    const bool open = windows_->find(key) != nullptr;
    // The deformed shape of an earlier run's results is not drawn on the data the project holds now.
    const TGraphPlot& deflection = resultsEarlier_ ? noResults_ : graphs_.pltDef;
    QWidget* content = windows_->show(key, [this, &deflection] { return new T3DView(project_, deflection); }, false);
    if (auto* view = qobject_cast<T3DView*>(content); view && !open) view->attach(*this);
    return content;
}

void TMainWindow::about()
{
    TMessages::plain(this, QStringLiteral("ORVANE 2015\nAnalysis of flexible retaining walls\n\nVersion %1\nBuilt %2")
                               .arg(QString::fromLatin1(kVersion), QStringLiteral(__DATE__)));
}

void TMainWindow::checkForUpdates()
{
    TMessages::information(
        this, QStringLiteral("This is ORVANE 2015, version %1, built %2.\n\n"
                             "New versions are published as releases of the ORVANE project repository, each with "
                             "its notes in the README.\nORVANE does not look for updates over the network.")
                  .arg(QString::fromLatin1(kVersion), QStringLiteral(__DATE__)));
}

// ---- file commands ---------------------------------------------------------

bool TMainWindow::maybeSave()
{
    if (!project_.isModified()) return true;
    switch (TMessages::questionWithCancel(this, QString::fromLatin1(kSaveQuestion))) {
    case TMessages::Answer::Cancel: return false;
    case TMessages::Answer::No: return true;
    default: break;
    }
    // Goes on only when the project really was saved.
    return save() && !project_.isModified();
}

void TMainWindow::newProject()
{
    if (!commitActiveChild() || !maybeSave()) return;
    windows_->discardAll();
    project_.newProject();
    graphs_.reset();
    resultsAvailable_ = false;
    watchResults(false);
    afterProjectReplaced();
}

void TMainWindow::openFromDialog()
{
    if (!commitActiveChild() || !maybeSave()) return;
    const auto choice = TFileDialogs::choose(
        this, {TFileDialogs::Request::Kind::Open, QStringLiteral("Open"), QString(), text(TLayouts::openFilter())});
    if (choice.path.isEmpty()) return;
    openFile(choice.path, TLayouts::forFileType(choice.filterIndex));
}

bool TMainWindow::openFile(const QString& path, TLayout layout, bool announce)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    const std::filesystem::path file = absolute.toStdString();
    // A file that cannot be read at all leaves the project and its windows
    // as they are.
    if (const auto reason = TProjectFiles::cannotOpen(file)) {
        forgetFile(absolute);
        TMessages::warning(this, QStringLiteral("Cannot open file \"%1\": %2").arg(absolute, text(*reason)));
        return false;
    }
    windows_->discardAll();
    QDir::setCurrent(info.absolutePath());
    resultsAvailable_ = false;
    watchResults(false);
    TOpenOutcome outcome;
    try {
        outcome = TProjectFiles::openProject(project_, file, layout);
    } catch (const std::exception& e) {
        outcome.status = TOpenOutcome::Status::NotOpened;
        outcome.error = e.what();
    }
    graphs_.reset();
    if (outcome.status != TOpenOutcome::Status::Read)
        TMessages::warning(this, text(TProjectFiles::openMessage(file, outcome)));
    // A recovered project has no file of its own, so neither results beside
    // it nor a place in the recent files.
    if (outcome.status == TOpenOutcome::Status::Read) {
        readPlotFile(false);
        rememberFile(absolute);
    } else {
        forgetFile(absolute);
    }
    afterProjectReplaced();
    if (announce && outcome.status == TOpenOutcome::Status::Read)
        TMessages::plain(this, QStringLiteral("Data file: %1, has been read by ORVANE 2015")
                                   .arg(text(TDisplayName::of(project_.data().FileName))));
    return outcome.status == TOpenOutcome::Status::Read;
}

void TMainWindow::openRecent(int index)
{
    if (index < 0 || index >= recent_.count()) return;
    if (!commitActiveChild() || !maybeSave()) return;
    const QString path = text(recent_.entries()[static_cast<size_t>(index)]);
    openFile(path, TLayouts::forPath(path.toStdString()));
}

void TMainWindow::openFromCommandLine(const QString& argument)
{
    // Anything that is there (a folder, a FIFO) is refused by the open, with
    // what it is.
    if (!QFileInfo::exists(argument)) {
        TMessages::warning(this, QStringLiteral("The data file %1 does not exist; a new project is started.").arg(argument));
        return;
    }
    openFile(argument, TLayouts::forPath(argument.toStdString()), false);
}

bool TMainWindow::save()
{
    if (TProjectFiles::needsName(project_)) return saveAs();
    if (const auto refusal = TProjectFiles::cannotSaveOver(project_.data().FileName)) {
        const QString question = text(*refusal) + QStringLiteral("\nDo you want to save the project under another name?");
        return TMessages::question(this, question) == TMessages::Answer::Yes && saveAs();
    }
    if (!TMessages::guarded(this, [this] { TProjectFiles::save(project_); })) return false;
    refreshChildren();
    updateCommands();
    return true;
}

bool TMainWindow::saveAs()
{
    std::filesystem::path proposed = project_.data().FileName;
    // A recovered project is not offered the damaged file's own name.
    if (project_.data().Recovered)
        proposed.replace_filename(proposed.stem().string() + TProjectFiles::kRecoveredSuffix);
    if (!TLayouts::hasExtension(proposed, kDataExtension)) proposed.replace_extension(kDataExtension);
    const auto choice = TFileDialogs::choose(
        this, {TFileDialogs::Request::Kind::Save,
               QStringLiteral("Save %1 As").arg(text(TProjectFiles::displayName(project_))), text(proposed.string()),
               text(TLayouts::saveFilter())});
    if (choice.path.isEmpty()) return false;
    QString path = QFileInfo(choice.path).absoluteFilePath();
    if (QFileInfo(path).suffix().isEmpty()) path += text(std::string(kDataExtension));
    if (!TMessages::guarded(this, [this, &path] { TProjectFiles::saveAs(project_, path.toStdString()); })) {
        updateTitle();
        return false;
    }
    updateTitle();
    rememberFile(path);
    // The data windows stay open: the project is the same, only its name changed.
    refreshChildren();
    updateCommands();
    return true;
}

// ---- analysis, options, stages --------------------------------------------

void TMainWindow::runAnalysis()
{
    if (!commitActiveChild()) return;
    // A project without a file of its own is given one first (nothing else
    // on disk changes); one that has its file is checked before it is saved,
    // so that a run the user does not go on with leaves the file as it was.
    if (TProjectFiles::needsName(project_) && !save()) return;
    if (project_.data().FileName == TProjectFiles::kNewName) return;
    // The project check stops the run; the findings after it only ask.
    if (const auto warning = TProjectCheck::warning(project_)) {
        TMessages::warning(this, text(*warning));
        return;
    }
    if (const auto findings = TRunWarnings::of(project_); !findings.empty())
        if (!TRunWarningsDialog::confirm(this, findings)) return;
    // A read-only data file that holds the project already runs as it is.
    const bool onDisk = !project_.isModified() && !TProjectFiles::needsName(project_) &&
                        TProjectFiles::cannotSaveOver(project_.data().FileName);
    if (!onDisk && !save()) return;
    TRunOutcome outcome;
    {
        const BusyCursor busy;
        outcome = TRunCommand(engineLibrary_).run(project_);
    }
    switch (outcome.result) {
    case TRunResult::NotSaved: return;
    case TRunResult::CheckFailed: TMessages::warning(this, text(outcome.message)); return;
    default: TMessages::information(this, text(outcome.message)); break;
    }
    if (!outcome.detail.empty()) qWarning("%s", outcome.detail.c_str());
    // Without a plot-data file the last results stand.
    if (outcome.completed() && fileExists(TControlFile::plotData(project_.data().FileName))) readPlotFile(true);
    if (outcome.result == TRunResult::Completed || outcome.result == TRunResult::Refused) windows_->discardAll();
    if (outcome.completed()) {
        showRunSummary(TRunSummary::of(project_, outcome));
        watchResults_ = !project_.isModified();  // the summary is of the data as saved for the run
    }
    updateCommands();
}

QWidget* TMainWindow::showRunSummary(TRunSummary summary)
{
    windows_->discard(kRunSummaryKey);
    return windows_->show(kRunSummaryKey, [&] { return new TRunSummaryWindow(*this, std::move(summary)); }, false);
}

void TMainWindow::setUnits(int system)
{
    if (TUnits::clamp(system) == project_.data().Units) return;
    project_.setUnitSystem(system);
    refreshChildren();
}

void TMainWindow::setEarthPressure(int choice)
{
    project_.setEarthPressureChoice(choice);
    projectStateChanged();
}

void TMainWindow::toggleOption(TOption option)
{
    project_.toggleOption(option);
    if (!project_.option(option))
        if (TGridTable* table = project_.optionTable(option)) closeTableWindow(*table);
    projectStateChanged();
}

void TMainWindow::switchStage(int stage)
{
    if (!commitActiveChild()) return;
    showOutcomeError(TStages(project_).switchTo(stage));
    refreshChildren();
    updateCommands();
}

void TMainWindow::copyPreviousStage()
{
    if (!commitActiveChild()) return;
    TStages stages(project_);
    if (TMessages::question(this, text(stages.copyPreviousQuestion())) != TMessages::Answer::Yes) return;
    showOutcomeError(stages.copyPrevious());
    refreshChildren();
    updateCommands();
}

void TMainWindow::setStageCount(int count)
{
    guarded([&] { showOutcomeError(TStages(project_).setCount(count)); });
    refreshChildren();
}

// ---- window events ---------------------------------------------------------

void TMainWindow::closeEvent(QCloseEvent* event)
{
    if (!commitActiveChild() || !maybeSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    windows_->discardAll();
    event->accept();
}

namespace {

QString firstLocalFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

void TMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainWindow::dropEvent(QDropEvent* event)
{
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    guarded([&] {
        if (!commitActiveChild() || !maybeSave()) return;
        openFile(path, TLayouts::forPath(path.toStdString()));
    });
}

}  // namespace orvane
