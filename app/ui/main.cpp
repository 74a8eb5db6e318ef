// orvane: the desktop program. An optional argument names a data file to
// open instead of starting a new project.

#include "model/TRunCommand.hpp"
#include "ui/TIcons.hpp"
#include "ui/TMainWindow.hpp"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarquin"));
    QApplication::setApplicationName(QStringLiteral("ORVANE"));
    QApplication::setApplicationVersion(QString::fromLatin1(orvane::TMainWindow::kVersion));
    QApplication::setWindowIcon(orvane::TIcons::program());

    orvane::TMainWindow window(orvane::TRunCommand::defaultLibrary());
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openFromCommandLine(arguments.at(1));
    return QApplication::exec();
}
