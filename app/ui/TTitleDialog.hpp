#pragma once

#include "ui/TDataDialog.hpp"

class QLabel;
class QLineEdit;

namespace orvane {

// The project title: one line, of which the data file keeps the first
// TTitle::kMaxLength characters. A longer title (read from a file or typed)
// is kept whole while it is edited; the note below says how much of it the
// file will not keep, and the save writes the part it keeps.
class TTitleDialog : public TDataDialog {
    Q_OBJECT

public:
    explicit TTitleDialog(TWindowHost& host, QWidget* parent = nullptr);

    void load() override;
    bool commitPending() override;

private:
    void updateNote();

    QLineEdit* title_;
    QLabel* note_;
};

}  // namespace orvane
