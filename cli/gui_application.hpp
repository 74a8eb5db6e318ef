#pragma once
// The drawing modes' Qt application object.

#include <QGuiApplication>

#include <cstdlib>

namespace orvane::cli {

// Texts need a font database, and so an application object; without a
// display the offscreen platform serves. Qt's own diagnostics (a missing
// runtime folder, a paint device that refuses) stay off the terminal: every
// failure of a drawing mode is reported by the mode itself, naming the file
// and the reason.
inline void ensureGuiApplication()
{
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "orvane-run";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace orvane::cli
