#pragma once

#include "model/TCommandStates.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TOption.hpp"
#include "model/TProject.hpp"
#include "model/TRecentFiles.hpp"
#include "model/TRunSummary.hpp"
#include "ui/TWindowHost.hpp"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>

class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;

namespace orvane {

class TChildWindows;
class TGraphPlot;
class TMainWindow;

// Makes the content of a graph's child window (the main window frames it,
// keeps one per graph and closes it with the other child windows).
using TGraphWindowFactory = std::function<QWidget*(TMainWindow& window, TGraphPlot& graph)>;
// Runs the "Export Plots To Excel" command.
using TExportPlotsHandler = std::function<void(TMainWindow& window)>;

// The dialogs the menus and the toolbar open.
enum class TDialogKind {
    Title,
    WallProperties,
    WallConfiguration,
    Surcharge,
    ConcentratedLoads,
    Springs,
    Tieback,
    StagedConstruction,
    ControlOptions,
};

// The program's main window: a multiple-document frame whose menus and
// toolbar reach every command. It owns the project; the child windows show
// and edit it.
class TMainWindow : public QMainWindow, public TWindowHost {
    Q_OBJECT

public:
    static constexpr const char* kVersion = "2015.5.8";

    explicit TMainWindow(std::filesystem::path engineLibrary, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // TWindowHost
    TProject& project() override { return project_; }
    void showTable(TGridTable& table, bool modal) override;
    void closeTableWindow(const TGridTable& table) override;
    void openInEditor(const QString& path) override;
    QString textEditor() const override { return textEditor_; }
    void setTextEditor(const QString& path) override;
    void projectStateChanged() override;
    void projectEdited() override { updateTitle(); }
    void setStageCount(int count) override;

    // File commands. Each runs the save prompt itself where it discards the
    // project; openFile does not (its callers do).
    void newProject();
    void openFromDialog();
    bool openFile(const QString& path, TLayout layout, bool announce = true);
    void openRecent(int index);
    bool save();
    bool saveAs();
    // The path given on the command line: read when it names a file.
    void openFromCommandLine(const QString& argument);

    void runAnalysis();
    // Shows the outcome of a run at a glance in a child window of its own.
    QWidget* showRunSummary(TRunSummary summary);
    void setUnits(int system);
    void setEarthPressure(int choice);
    void toggleOption(TOption option);
    void switchStage(int stage);
    void copyPreviousStage();
    QWidget* showDialog(TDialogKind kind, bool modal = false);
    void showGuide(const QString& section);
    void showSideView();
    // Opens the 3D view, or brings it forward; returns its content.
    QWidget* show3DView();
    void about();
    void checkForUpdates();

    // The save prompt: false when the user cancelled, or chose to save and
    // the project still has no name.
    bool maybeSave();
    // Makes the active child window take its pending entry; false when it
    // rejected it.
    bool commitActiveChild();

    QMdiArea* mdiArea() const { return mdi_; }
    TChildWindows& windows() const { return *windows_; }
    const TRecentFiles& recentFiles() const { return recent_; }
    QString statusText() const;
    bool resultsAvailable() const { return resultsAvailable_; }

    // The result graphs of the open project, refilled by every plot-data read.
    TMainGraphs& graphs() { return graphs_; }
    const TMainGraphs& graphs() const { return graphs_; }
    // Reads the plot-data file beside the data file into the graphs and keeps
    // the outcome as resultsAvailable(); with reportErrors a failed read shows
    // the one run-error message. False when there is no such file.
    bool readPlotFile(bool reportErrors);
    // The states of every command as the menus show them now; the export
    // dialog offers the graphs whose commands are enabled.
    TCommandStates commandStates() const;
    // Shows the graph's window (TMainGraphs::kIds), making it on first use and
    // restoring it when minimised; returns its content, or null for an
    // unknown graph.
    QWidget* showGraph(std::string_view id);
    // Until set, a graph opens a plain placeholder window.
    void setGraphWindowFactory(TGraphWindowFactory factory) { graphWindowFactory_ = std::move(factory); }
    // Until set, the export command says it is not part of this version.
    void setExportPlotsHandler(TExportPlotsHandler handler) { exportPlotsHandler_ = std::move(handler); }
    void exportPlots();
    static QString graphKey(std::string_view id);
    // Recomputes which commands are enabled, checked and shown.
    void updateCommands();

    static QString tableKey(const TGridTable& table);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createFileActions();
    void createDataActions();
    void createOptionActions();
    void createStageActions();
    void createComputationActions();
    void createHelpActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void writeSettings() const;

    QAction* addAction(const char* name, const QString& text, const std::function<void()>& slot,
                       const QString& hint = {});
    QAction* act(const char* name) const;
    QMenu* menu(const QString& title, const char* name);
    void connectMenu(QMenu* menu);
    void afterProjectReplaced();
    void refreshChildren();
    void updateTitle();
    void updateRecentMenu();
    void updateWindowMenu();
    void applyCommandStates();
    void updateComputationCommands();
    void rememberFile(const QString& path);
    void forgetFile(const QString& path);
    void openInEditorUnguarded(const QString& path);
    void showOutcomeError(const std::optional<std::string>& error);
    void watchResults(bool read);
    void markResultsEarlier();
    template <class Command>
    void guarded(Command command);

    TProject project_;
    std::filesystem::path engineLibrary_;
    TRecentFiles recent_;
    QString textEditor_;
    bool resultsAvailable_ = false;
    // The results (graphs, summary) are of the data as it was when they were
    // read, and the first change of the data makes them the earlier run's.
    bool watchResults_ = false;
    bool resultsEarlier_ = false;
    TGraphPlot noResults_;  // what the 3-D View deforms the wall by while the results are earlier
    TMainGraphs graphs_;
    TGraphWindowFactory graphWindowFactory_;
    TExportPlotsHandler exportPlotsHandler_;

    QMdiArea* mdi_;
    TChildWindows* windows_;
    QLabel* status_;
    QMenu* stageMenu_ = nullptr;
    QMenu* soilSubmenu_ = nullptr;
    QMenu* pressureSubmenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QActionGroup* unitGroup_ = nullptr;
    QActionGroup* pressureGroup_ = nullptr;
    QActionGroup* stageGroup_ = nullptr;
    QList<QAction*> recentActions_;
    QList<QAction*> stageActions_;
    QList<QAction*> laterActions_;
};

}  // namespace orvane
