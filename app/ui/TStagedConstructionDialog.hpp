#pragma once

#include "ui/TDataDialog.hpp"

class QCheckBox;
class QToolButton;

namespace orvane {

// Whether the project is analysed in construction stages, and how many.
// The number is set only by OK.
class TStagedConstructionDialog : public TDataDialog {
    Q_OBJECT

public:
    explicit TStagedConstructionDialog(TWindowHost& host, QWidget* parent = nullptr);

    void load() override;
    void accept();

    QCheckBox* stagedBox() const { return staged_; }
    TDataEdit* countEdit() const { return count_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    void setStaged(bool on);
    void step(int by);

    QCheckBox* staged_;
    TDataEdit* count_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace orvane
