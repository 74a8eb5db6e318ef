#pragma once

#include "ui/TDataDialog.hpp"

class QLineEdit;

namespace orvane {

// The text editor that shows input, report and run notes. Empty: the
// program's own text window.
class TControlOptionsDialog : public TDataDialog {
    Q_OBJECT

public:
    explicit TControlOptionsDialog(TWindowHost& host, QWidget* parent = nullptr);

    void load() override;
    bool commitPending() override;

private:
    QLineEdit* editor_;
};

}  // namespace orvane
