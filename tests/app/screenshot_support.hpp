#pragma once
// What the programs that take the documentation's pictures share: letting
// the windows settle under the X server, and writing a grabbed picture.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QString>
#include <QThread>

#include <cstdio>

namespace orvane::test {

// Lets layouts, paints and timers run for a while, as a user's eye would.
inline void settle(int milliseconds = 400)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

// Writes the picture into the folder and prints its path; a picture that
// cannot be written is said on standard error and gives false.
inline bool save(const QPixmap& pixmap, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    if (!pixmap.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace orvane::test
