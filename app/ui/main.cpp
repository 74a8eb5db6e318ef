// orvane: the desktop program. An optional argument names a data file to
// open instead of starting a new project.

#include "model/TRunCommand.hpp"
#include "results/TDlgExport.hpp"
#include "results/TPlotForm.hpp"
#include "ui/TIcons.hpp"
#include "ui/TMainWindow.hpp"

#include <QApplication>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarquin"));
    QApplication::setApplicationName(QStringLiteral("ORVANE"));
    QApplication::setApplicationVersion(QString::fromLatin1(orvane::TMainWindow::kVersion));
    QApplication::setWindowIcon(orvane::TIcons::program());

    orvane::TMainWindow window(orvane::TRunCommand::defaultLibrary());
    // A graph opens in its own window, whose Plot menu joins the menu bar.
    window.setGraphWindowFactory([](orvane::TMainWindow& main, orvane::TGraphPlot& graph) -> QWidget* {
        auto* form = new orvane::TPlotForm(graph);
        form->mergeMenuInto(*main.menuBar(), *main.mdiArea());
        // Pictures of the graph go beside the project: <project>-<graph>.
        form->setPictureName([&main, &graph] {
            const std::filesystem::path data(main.project().data().FileName);
            return data.parent_path() / (data.stem().string() + "-" + std::string(main.graphs().id(graph)));
        });
        return form;
    });
    // The export dialog lives as long as the window and reads the graphs and
    // the command states afresh each time it is shown.
    auto* exportDialog = new orvane::TDlgExport(
        [&window] {
            return orvane::TDlgExport::TSource{window.graphs(), window.commandStates(),
                                               std::filesystem::path(window.project().data().FileName)};
        },
        &window);
    window.setExportPlotsHandler([exportDialog](orvane::TMainWindow&) { exportDialog->exec(); });
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openFromCommandLine(arguments.at(1));
    return QApplication::exec();
}
