#pragma once

#include "ui/TDataDialog.hpp"

class QLabel;
class QLineEdit;

namespace orvane {

// The project title: one line of at most 80 characters, as many as the data
// file keeps. A longer title read from a file is shown whole and cut only
// when the user edits it, so that looking at it changes nothing.
class TTitleDialog : public TDataDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 80;

    explicit TTitleDialog(TWindowHost& host, QWidget* parent = nullptr);

    void load() override;
    bool commitPending() override;

private:
    void cutToLength();

    QLineEdit* title_;
    QLabel* note_;
};

}  // namespace orvane
