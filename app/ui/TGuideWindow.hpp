#pragma once

#include <QWidget>

class QTextBrowser;

namespace orvane {

// The user guide of the program, shown from the Help menu.
class TGuideWindow : public QWidget {
    Q_OBJECT

public:
    explicit TGuideWindow(QWidget* parent = nullptr);

    // The guide beside the program (docs/user-guide.md), else in the sources.
    static QString guidePath();
    // Scrolls to the section whose heading starts with the text.
    void showSection(const QString& heading);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace orvane
