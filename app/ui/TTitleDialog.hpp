#pragma once

#include "ui/TDataDialog.hpp"

class QLineEdit;

namespace orvane {

// The project title: one line of at most 80 characters.
class TTitleDialog : public TDataDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 80;

    explicit TTitleDialog(TWindowHost& host, QWidget* parent = nullptr);

    void load() override;
    bool commitPending() override;

private:
    QLineEdit* title_;
};

}  // namespace orvane
