#pragma once

#include "model/TRunWarnings.hpp"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;

namespace orvane {

// The findings of the checks before a run, in one window: the user runs
// anyway or cancels. Tests put a presenter in place of the window.
class TRunWarningsDialog : public QDialog {
    Q_OBJECT

public:
    TRunWarningsDialog(const std::vector<TRunWarning>& warnings, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* runButton() const { return run_; }
    QPushButton* cancelButton() const { return cancel_; }

    // True when the user chose "Run anyway".
    static bool confirm(QWidget* parent, const std::vector<TRunWarning>& warnings);

    using Presenter = std::function<bool(const QStringList& warnings)>;
    static void setPresenter(Presenter presenter);

private:
    QListWidget* list_;
    QPushButton* run_;
    QPushButton* cancel_;
};

}  // namespace orvane
