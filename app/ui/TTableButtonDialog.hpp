#pragma once

#include "ui/TDataDialog.hpp"
#include "ui/TPictures.hpp"

#include <functional>

class QCheckBox;
class QPushButton;

namespace orvane {

class TGridTable;
class TProject;
enum class TOption;

// A picture and a button that opens a table (Additional Surcharge, Tieback).
// With an option, a check box switches the option and the button follows it
// (Concentrated Loads, Lateral & Rotational Springs).
class TTableButtonDialog : public TDataDialog {
    Q_OBJECT

public:
    struct Definition {
        QString title;
        TPicture picture = TPicture::Surcharge;
        QString buttonCaption;
        std::function<TGridTable&(TProject&)> table;
        bool hasOption = false;
        TOption option{};
        QString checkCaption;
    };

    TTableButtonDialog(TWindowHost& host, Definition definition, QWidget* parent = nullptr);

    void load() override;
    bool commitPending() override;

    QCheckBox* optionBox() const { return check_; }
    QPushButton* tableButton() const { return button_; }

private:
    void storeOption();

    Definition definition_;
    QCheckBox* check_ = nullptr;
    QPushButton* button_;
};

}  // namespace orvane
