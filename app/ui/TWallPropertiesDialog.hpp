#pragma once

#include "ui/TDataDialog.hpp"

namespace orvane {

// Increments, increment length, free height, iteration limits, and the
// button to the wall-stiffness table.
class TWallPropertiesDialog : public TDataDialog {
    Q_OBJECT

public:
    explicit TWallPropertiesDialog(TWindowHost& host, QWidget* parent = nullptr);
};

}  // namespace orvane
