#pragma once

#include "ui/TDataDialog.hpp"

namespace orvane {

// Free height, widths, water tables, the active-pressure factor, the slope
// of the backfill and the uniform surcharge, with an explanatory picture.
class TWallConfigurationDialog : public TDataDialog {
    Q_OBJECT

public:
    explicit TWallConfigurationDialog(TWindowHost& host, QWidget* parent = nullptr);
};

}  // namespace orvane
