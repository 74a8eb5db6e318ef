// Prints where the desktop program looks up its user guide, as seen from the
// folder this program is copied into (the install test puts it beside the
// installed desktop program).

#include "ui/TGuideWindow.hpp"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::printf("%s\n", orvane::TGuideWindow::guidePath().toLocal8Bit().constData());
    return 0;
}
