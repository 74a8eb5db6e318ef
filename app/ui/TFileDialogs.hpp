#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace orvane {

// The open and save dialogs of the program. Tests put a chooser in their
// place that answers with prepared paths.
class TFileDialogs {
public:
    struct Choice {
        QString path;      // empty when the user cancelled
        int filterIndex = 1;  // 1-based position of the chosen file type
    };
    struct Request {
        enum class Kind { Open, Save, Program } kind;
        QString title;
        QString proposed;
        QString filters;  // ";;"-separated
    };
    using Chooser = std::function<Choice(const Request&)>;

    static Choice choose(QWidget* parent, const Request& request);
    static void setChooser(Chooser chooser);
};

}  // namespace orvane
